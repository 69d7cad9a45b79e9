// The entries of the profile-line property windows. The host hands a selected profile-line
// object (a long holding the address of its CPlObjInterface part) and a parent window to
// PlPropertyWnd::Create; the object's Accept calls back the creator, which picks the page by the
// object's class name and builds a one-page sheet. The graph's layer gets its five-page sheet
// through CreateLayerProp.
#pragma once

#include "framework/Export.h"
#include "hosttypes/Lodestar/PlObjInterface.h"
#include "mfc/Wnd.h"

class CWndLst;

namespace KelProfileline {
class CPlCnEntity;
class CPlProfileline;
class CWellLabel;
class CWellSymbol;
class CWellTrack;
}  // namespace KelProfileline

// How the host hands a profile-line object over: the address of its CPlObjInterface part.
inline KelProfileline::CPlObjInterface* PlObjectOf(long object) {
    return reinterpret_cast<KelProfileline::CPlObjInterface*>(object);
}
inline long PlObjectArg(KelProfileline::CPlObjInterface* object) { return reinterpret_cast<long>(object); }

class TESSALY_API PlPropertyLstCreator : public KelProfileline::CPlControlerInterface {
public:
    explicit PlPropertyLstCreator(CWnd* parent) : m_pCreated(nullptr), m_pParent(parent) {}
    PlPropertyLstCreator(const PlPropertyLstCreator&) = default;
    PlPropertyLstCreator& operator=(const PlPropertyLstCreator&) = default;
    ~PlPropertyLstCreator() override;

    // By the object's class name (exact, first row wins); an object of no row, or one that is not
    // of its name's class, builds nothing.
    void SetBecontroler(KelProfileline::CPlObjInterface* object) override;
    // One-page sheets; a NULL object, or a sheet whose window cannot be made in the parent, builds
    // nothing and leaves the window made before as it was.
    virtual void SetBecontroler(KelProfileline::CPlProfileline* line);
    virtual void SetBecontroler(KelProfileline::CWellSymbol* symbol);
    virtual void SetBecontroler(KelProfileline::CWellTrack* track);
    virtual void SetBecontroler(KelProfileline::CWellLabel* label);
    virtual void SetBecontroler(KelProfileline::CPlCnEntity* entity);

    // The window built by the last overload that built one; NULL before.
    CWnd* GetCreatedWnd() const { return m_pCreated; }

    // The layer window: "数据", "井名", "井符号", "剖面线", "参考信息". Always a sheet, also when
    // its window cannot be made in the parent (the host owns it either way).
    static CWnd* CreateLayerProp(KelProfileline::CPlCnEntity* entity, CWnd* parent);

private:
    void BuildOnePage(const char* caption, CWndLst* list);

    CWnd* m_pCreated;
    CWnd* m_pParent;
};

class TESSALY_API PlPropertyWnd {
public:
    PlPropertyWnd();
    ~PlPropertyWnd();
    // The sheet of the object, through its Accept; NULL for no object, an object of no handled
    // class or a sheet that could not be made.
    CWnd* Create(long object, CWnd* parent);
};
