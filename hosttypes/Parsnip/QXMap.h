// CQXMap: one map of a map file. It owns its layers, keeps its placement (base point, factors,
// rotation) and its edit history.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Parsnip/ValueRecords.h"
#include "mfc/Object.h"
#include "mfc/String.h"

class CQXLayer;
class CQXMapFile;

class CQXMap : public CObject {
    DECLARE_DYNAMIC(CQXMap)
public:
    explicit CQXMap(CQXMapFile* mapFile = nullptr);
    // Frees the map's layers (never their objects).
    ~CQXMap() override;
    CQXMap(const CQXMap&) = delete;
    CQXMap& operator=(const CQXMap&) = delete;

    // Header members.
    void SetName(const char* name) { m_strName = name ? name : ""; }
    CString GetName() const { return m_strName; }
    void SetTypeName(const char* name) { m_strTypeName = name ? name : ""; }
    CString GetTypeName() const { return m_strTypeName; }
    FLOATPOINT GetBasePoint() const { return m_basePoint; }
    int GetLayerCount() const { return static_cast<int>(m_layers.size()); }
    // Layer i; NULL outside the map.
    CQXLayer* GetLayer(unsigned int i) const { return i < m_layers.size() ? m_layers[i] : nullptr; }
    // Spares callers the clash of a literal 0 between the index and the name.
    CQXLayer* GetLayer(int i) const { return i < 0 ? nullptr : GetLayer(static_cast<unsigned int>(i)); }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }
    CGraphEditUndoManager* GetUndoManager() { return &m_undoManager; }
    double GetXFactor() const { return m_dXFactor; }
    double GetYFactor() const { return m_dYFactor; }
    double GetAngle() const { return m_dAngle; }
    // Radians; the map's extent is rebuilt for the new rotation.
    void SetAngle(double angle) {
        m_dAngle = angle;
        BuildMapRect();
    }
    void EnableScrollUpdate(bool enable) { m_bScrollUpdate = enable; }
    bool IsScrollUpdate() const { return m_bScrollUpdate; }
    // 1 when the map is turned by more than a float's epsilon either way.
    int IsRotate() const { return std::fabs(m_dAngle) > 1.1920928955078125e-7 ? 1 : 0; }
    CQXMapFile* GetMapFile() const { return m_pMapFile; }

    // Library operations.
    void BuildMapRect();
    // The first layer of that name; NULL when there is none (or name is NULL).
    CQXLayer* GetLayer(const char* name) const;
    void SetModifyFlag(int flag);
    int GetModifyFlag() const { return m_nModifyFlag; }

    // Library side for fixtures.
    // The map takes the layer over and becomes its map.
    CQXLayer* AddLayer(CQXLayer* layer);
    void SetMapFile(CQXMapFile* mapFile) { m_pMapFile = mapFile; }
    // The stratum the map shows (what CMapFunc::GetStratum answers); none at first.
    void SetStratum(int grade, const char* name);
    void ClearStratum() { m_bHasStratum = false; }
    bool GetStratum(int& grade, CString& name) const;

protected:
    std::vector<CQXLayer*> m_layers;
    CString m_strName;
    CString m_strTypeName;
    FLOATPOINT m_basePoint;
    double m_dXFactor = 1.0;
    double m_dYFactor = 1.0;
    double m_dAngle = 0.0;
    bool m_bScrollUpdate = true;
    uint64_t m_nTimeStamp = 0;
    CGraphEditUndoManager m_undoManager;
    CQXMapFile* m_pMapFile = nullptr;
    int m_nModifyFlag = 0;
    bool m_bHasStratum = false;
    int m_nStratumGrade = 0;
    CString m_strStratum;
};
