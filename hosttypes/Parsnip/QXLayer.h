// CQXLayer: a layer of map objects. It lists its objects and, separately, the selected ones in
// selection order; it does not own the objects it lists (the library's fixtures keep them).
#pragma once

#include <cstdint>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXPropertyManager.h"
#include "mfc/Object.h"
#include "mfc/String.h"

class CQXObject;
class CQXMap;
class CDC;
class CView;

enum COORDINATETYPE : int { COORDINATE_MAP = 0, COORDINATE_GEOGRAPHIC = 1 };

class CQXLayer : public CObject {
    DECLARE_DYNAMIC(CQXLayer)
public:
    explicit CQXLayer(CQXMap* map = nullptr);
    ~CQXLayer() override;
    CQXLayer(const CQXLayer&) = delete;
    CQXLayer& operator=(const CQXLayer&) = delete;

    // Header members.
    int GetObjectCount() const { return static_cast<int>(m_objects.size()); }
    int GetSelectedObjectCount() const { return static_cast<int>(m_selected.size()); }
    // Entry i of the selection; NULL outside it.
    CQXObject* GetSelectedObject(int i) const {
        return i >= 0 && i < GetSelectedObjectCount() ? m_selected[static_cast<std::size_t>(i)] : nullptr;
    }
    int GetModifyFlag() const { return m_nModifyFlag; }
    void GetLogPen(QXLOGPEN* pen) const { *pen = m_pen; }
    void GetLogBrush(QXLOGBRUSH* brush) const { *brush = m_brush; }
    void GetLogFont(QXLOGFONT* font) const { *font = m_font; }
    void GetLogPoint(QXLOGPOINT* point) const { *point = m_point; }
    float GetPenSize() const { return m_pen.width; }
    UINT GetLineStyle() const { return m_pen.style; }
    COLORREF GetLineColor() const { return m_pen.color; }
    void SetSmooth(unsigned char smooth) { m_smooth = smooth; }
    unsigned char GetSmooth() const { return m_smooth; }
    COORDINATETYPE GetCoordinateType() const { return m_coordinateType; }
    CString GetDefaultTypeName() const { return m_strDefaultTypeName; }
    void SetDefaultName(const char* name) { m_strDefaultName = name; }
    CString GetDefaultName() const { return m_strDefaultName; }
    CQXPropertyManager* GetPropertyManager() { return &m_propertyManager; }
    CQXMap* GetMap() const { return m_pMap; }
    void RemoveAllObject() { m_objects.clear(); }

    // Library operations.
    CString GetName() const;
    CString GetTypeName() const;
    void SetName(const char* name);
    void SetTypeName(const char* name);
    CQXObject* GetObjectG(int i) const;
    // The first object of that type name (the name, when not empty, must match too); NULL when none.
    CQXObject* GetObjectG(const char* name, const char* typeName) const;
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetModifyFlag(int flag);
    void SetLogPen(const QXLOGPEN* pen);
    void SetLogBrush(const QXLOGBRUSH* brush);
    void SetLogFont(const QXLOGFONT* font);
    void SetLogPoint(const QXLOGPOINT* point);
    // Marks the layer changed: a new stamp.
    void ProChanged();

    // The library's own editors of a contour layer's custom line options and of its fill layer's
    // custom fill options; their results are not examined.
    int ChangeContourLineOption();
    int ChangeContourFillOption();

    // Adds an object the layer then lists (its layer becomes this one); the caller keeps it.
    void AddObject(CQXObject* object);
    // Removes the object from both arrays; the layer never frees objects.
    void DeleteObject(CQXObject* object);
    void DeleteAllObject();
    // Appends to the selection (an object already selected is not added twice).
    void SetSelectedObject(CQXObject* object, CDC* dc = nullptr, CView* view = nullptr);
    void RemoveAllSelectedObject(CDC* dc = nullptr, CView* view = nullptr);

    // Library side: the layer's map (a map sets itself when it takes the layer over).
    void SetMap(CQXMap* map);


protected:
    std::vector<CQXObject*> m_objects;
    std::vector<CQXObject*> m_selected;
    int m_nModifyFlag = 0;
    QXLOGPEN m_pen;
    QXLOGBRUSH m_brush;
    QXLOGFONT m_font;
    QXLOGPOINT m_point;
    unsigned char m_smooth = 0;
    COORDINATETYPE m_coordinateType = COORDINATE_MAP;
    CString m_strDefaultTypeName;
    CString m_strDefaultName;
    CQXPropertyManager m_propertyManager;
    CQXMap* m_pMap = nullptr;
    CString m_strName;
    CString m_strTypeName;
    uint64_t m_nTimeStamp = 0;
};
