// CQXObject: the map object base. The members defined here are the header part of the class;
// constructors, drawing, storage and the change notification belong to the map-object library.
#pragma once

#include <cstdint>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "mfc/Object.h"
#include "mfc/String.h"
#include "mfc/Types.h"

class CQXLayer;
class CQXSegment;
class CQXMFile;
class CView;
class CDC;
struct POINTINDEX;

class CQXObject : public CObject {
    DECLARE_DYNAMIC(CQXObject)
public:
    enum EDITMODE : int { EDITMODE_NONE = 0, EDITMODE_MOVE = 1, EDITMODE_NODE = 2, EDITMODE_ROTATE = 3 };
    // Control nodes of an object; a border's extent uses 2 to 5 for its four sides.
    enum CONTROLNODE : int {
        NODE_NONE = 0,
        NODE_BODY = 1,
        NODE_LEFT = 2,
        NODE_RIGHT = 3,
        NODE_TOP = 4,
        NODE_BOTTOM = 5,
    };

    explicit CQXObject(CQXLayer* layer = nullptr);
    ~CQXObject() override;
    // Copies every member; the segments are copied too, never shared.
    CQXObject(const CQXObject& other);
    CQXObject& operator=(const CQXObject& other);

    // The library's six operations without names of their own, in their table order:
    // change notification (callers pass 0: renews the stamp and marks the object for redrawing),
    // the post-edit update (brings the object's dependants up to date after an edit), anchor
    // movers and anchor getters.
    virtual void OnChanged(int hint);
    virtual void UpdateAfterEdit();
    virtual void MoveAnchor(QXPOINT point);
    virtual void MoveAnchor(FLOATPOINT point);
    virtual void GetAnchor(QXPOINT* point);
    virtual void GetAnchor(FLOATPOINT* point);

    // Names and identity, read in place (same-type writes compare every selected object's type
    // name; a copy each time would cost more than the write).
    const CString& GetTypeName() const { return m_strTypeName; }
    const CString& GetName() const { return m_strName; }
    const CString& GetClassNameG() const { return m_strClassName; }
    int SetName(const char* name);
    void SetTypeName(const char* name);

    CQXLayer* GetLayer() const { return m_pLayer; }
    void SetLayer(CQXLayer* layer) { m_pLayer = layer; }

    virtual CRect GetDrawRect() { return m_rectDraw; }
    virtual FLOATRECT GetMapRect() { return m_rectMap; }
    void SetMapRect(const FLOATRECT& rect) { m_rectMap = rect; }

    virtual int GetModifyFlag() { return m_nModifyFlag; }
    void SetModifyFlag(int flag);
    int GetEditable() const { return m_nEditable; }
    int GetVisible() const { return m_nVisible; }
    void SetVisible(int visible) { m_nVisible = visible; }
    EDITMODE GetEditMode() const { return m_nEditMode; }
    void SetEditMode(EDITMODE mode) { m_nEditMode = mode; }
    void SetSelectedNode(CONTROLNODE node) { m_nSelectedNode = node; }
    CObject* GetManagerObject() const { return m_pManager; }
    void SetManagerObject(CObject* manager) { m_pManager = manager; }

    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

    CQXPropertyManager* GetPropertyManager() { return &m_propertyManager; }

    // Segments (owned by the object).
    int GetSegmentCount() const { return static_cast<int>(m_segments.size()); }
    CQXSegment* GetSegment(int i) const;
    bool IsEmptySegment() const { return m_segments.empty(); }
    bool IsValidSegment() const { return GetSegmentCount() == m_nControlNodePointCount; }
    int GetControlNodePointCount() const { return m_nControlNodePointCount; }
    virtual int GetControlNodeDrawPointCount() { return m_nControlNodeDrawPointCount; }
    // Entry i of the control-node arrays; false (and nothing written) when the object has none.
    virtual bool GetControlNodePoint(int i, POINT& point);
    virtual bool GetControlNodePoint(int i, FLOATPOINT& point);
    virtual POINT* GetControlNodeDrawPointArray() { return nullptr; }
    virtual FLOATPOINT* GetControlNodeMapPointArray() { return nullptr; }

    virtual int OnCommand(CView*, CDC*, UINT, long) { return 0; }
    virtual int OnIdle(CView*, CDC*, CRect&) { return 0; }
    virtual int IfFillStyleUsed(UINT) { return 0; }
    virtual int IfLineStyleUsed(UINT) { return 0; }
    virtual int IfPointStyleUsed(UINT) { return 0; }
    virtual int ReadFromFile(CQXMFile*) { return 0; }
    virtual int SaveToFile(CQXMFile*) { return 0; }
    virtual CQXObject* HitTest(CPoint) { return nullptr; }
    virtual CONTROLNODE NodeHitTest(CPoint) { return NODE_NONE; }
    virtual bool AcceptCtrlLButtonDwn() { return false; }
    virtual bool IsDeleteable() { return true; }
    virtual int OnKeyDown(CView*, UINT, UINT, UINT) { return 0; }
    virtual int OnKeyUp(CView*, UINT, UINT, UINT) { return 0; }
    virtual int OnLButtonDblClk(CView*, UINT, CPoint) { return 0; }
    virtual int OnLButtonDown(CView*, UINT, CPoint) { return 0; }
    virtual int OnRButtonDown(CView*, UINT, CPoint) { return 0; }
    virtual int OnRButtonUp(CView*, UINT, CPoint) { return 0; }
    virtual void DuplicateObject(CQXObject**, CQXLayer*) {}
    virtual void DuplicateObjectA(CQXObject**, CQXLayer*) {}
    virtual void SetControlNodePoint(int, POINTINDEX&) {}
    virtual void DrawSelectedMark(CDC*) {}

    // Library side: appends a segment the object then owns (fixtures build geometry with it).
    CQXSegment* AddSegment(CQXSegment* segment);

protected:
    // Kinds set their class-name text in their constructors.
    void SetClassNameG(const char* name) { m_strClassName = name; }
    // Setters of the library renew the stamp and log themselves through this.
    void Touched(const char* operation, const std::string& arguments = std::string());

    // The members every refresh and same-type write reads (stamp, type name) lie together at
    // the head of the object.
    CQXLayer* m_pLayer = nullptr;
    uint64_t m_nTimeStamp = 0;
    CString m_strTypeName;
    CString m_strName;
    CString m_strClassName;
    int m_nModifyFlag = 0;
    EDITMODE m_nEditMode = EDITMODE_NONE;
    CONTROLNODE m_nSelectedNode = NODE_NONE;
    int m_nEditable = 1;
    int m_nVisible = 1;
    CObject* m_pManager = nullptr;
    CRect m_rectDraw;
    FLOATRECT m_rectMap;
    std::vector<CQXSegment*> m_segments;
    int m_nControlNodePointCount = 0;
    int m_nControlNodeDrawPointCount = 0;
    CQXPropertyManager m_propertyManager;
    QXPOINT m_anchor;
};
