// What every section creator shares: the controller's two fields (the window made, the parent
// it is made in), the build of a sheet from a page set, and the dispatch of an object by its
// class-name text over a table of rows.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "framework/Export.h"
#include "framework/PropWndMgr.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "mfc/Wnd.h"
#include "section/SectionObject.h"

class CQXLayer;
class CWndLst;

class TESSALY_API SectionCreatorBase : public ScControlerInterface {
public:
    explicit SectionCreatorBase(CWnd* parent) : m_pCreated(nullptr), m_pParent(parent) {}
    SectionCreatorBase(const SectionCreatorBase&) = default;
    SectionCreatorBase& operator=(const SectionCreatorBase&) = default;
    ~SectionCreatorBase() override;

    // The window built by the last dispatch that built one; NULL before.
    CWnd* GetCreatedWnd() const { return m_pCreated; }

    // The one-page sheet "图层名" of a map layer shown in a section. Always a sheet, also when its
    // window cannot be made in the parent (the host owns it either way).
    static CWnd* CreateLayerProperty(CQXLayer* layer, CWnd* parent);

protected:
    // Makes the sheet and records it as the window made; nothing recorded when it failed.
    void BuildSheet(std::initializer_list<ListPage> pages);

    // One row of a creator's table: the class name and what the creator does with such an object.
    template <class Creator>
    struct Row {
        const char* name;
        void (*build)(Creator& creator, ScObjInterface* object);
    };
    // The first row whose name equals the object's class name exactly (case and length) wins; no
    // row, or no object, does nothing.
    template <class Creator, std::size_t N>
    static void Dispatch(Creator& creator, ScObjInterface* object, const Row<Creator> (&rows)[N]) {
        if (!object) return;
        const CString name = object->GetObjName();
        for (const Row<Creator>& row : rows)
            if (name == row.name) {
                row.build(creator, object);
                return;
            }
    }
    // A row's build: the object cast at run time to the row's class, then the creator's typed
    // handling; an object that is not of that class builds nothing.
    template <class T, class Creator, void (Creator::*Typed)(T*)>
    static void CastThen(Creator& creator, ScObjInterface* object) {
        if (T* typed = dynamic_cast<T*>(object)) (creator.*Typed)(typed);
    }

    CWnd* m_pCreated;
    CWnd* m_pParent;
};

// Runs an entry: a creator on the stack for the parent, then the object's Accept (or the
// creator's dispatch directly); the window it made, NULL for no object.
template <class Creator>
CWnd* RunSectionCreator(long object, CWnd* parent, bool throughAccept) {
    ScObjInterface* section = SectionObjectOf(object);
    if (!section) return nullptr;
    Creator creator(parent);
    if (throughAccept)
        section->Accept(&creator);
    else
        creator.SetBecontroler(section);
    return creator.GetCreatedWnd();
}
