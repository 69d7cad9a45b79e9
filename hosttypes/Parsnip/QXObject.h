// CQXObject: the map object base. Only the members the other families need so far; the
// map-object members grow with the plane-map lists.
#pragma once

#include <cstdint>

#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/Object.h"
#include "mfc/String.h"
#include "mfc/Types.h"

class CQXLayer;

class CQXObject : public CObject {
    DECLARE_DYNAMIC(CQXObject)
public:
    explicit CQXObject(CQXLayer* layer = nullptr);
    ~CQXObject() override;

    // Change notification (map-object library): renews the stamp; callers pass 0.
    virtual void OnChanged(int hint);

    CQXLayer* GetLayer() const { return m_pLayer; }
    void SetLayer(CQXLayer* layer) { m_pLayer = layer; }
    CString GetTypeName() const { return m_strTypeName; }
    void SetTypeName(const CString& name) { m_strTypeName = name; }
    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    CString GetClassNameG() const { return m_strClassName; }
    virtual CRect GetDrawRect() { return m_rectDraw; }
    virtual FLOATRECT GetMapRect() { return m_rectMap; }
    void SetMapRect(const FLOATRECT& rect) { m_rectMap = rect; }
    int GetVisible() const { return m_nVisible; }
    void SetVisible(int visible) { m_nVisible = visible; }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

protected:
    CQXLayer* m_pLayer = nullptr;
    CString m_strTypeName;
    CString m_strName;
    CString m_strClassName;
    uint64_t m_nTimeStamp = 0;
    int m_nModifyFlag = 0;
    int m_nEditable = 1;
    int m_nVisible = 1;
    CRect m_rectDraw;
    FLOATRECT m_rectMap;
};
