// Fault lines of a reservoir section, with their points in wells and in strata, and the
// manager that announces their changes. Fault points carry the reservoir library's virtual
// operations, so their constructors and destructors, and every member that creates, copies or
// destroys them, are the library's.
#pragma once

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/Manager.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class CDC;
class CView;
class CQXObjectPolyline;
class CStratumCell;
class IkelWellAdapter;

namespace KelReservoir::Connection {
class CkelReservoir;
}

namespace KelReservoir::Fault {

class CkelFaultLine;
class CkelFaultLineManager;
class CkelFaultLineRelation;
class CkelFaultPointInWells;

class IkelFaultPoint {
public:
    IkelFaultPoint();
    IkelFaultPoint(const IkelFaultPoint&);
    IkelFaultPoint& operator=(const IkelFaultPoint&);

    // ---- reservoir library operations ----
    virtual FLOATPOINT GetPoint() const;       // map position of the point
    virtual IkelWellAdapter* GetWell() const;  // the well the point lies in, NULL for none
    virtual double GetDepth() const;
    virtual void SetPoint(const FLOATPOINT& point);
    virtual void Draw(CDC* dc, CView* view);

    virtual int GetState() const { return 0; }
    virtual int GetFlags() const { return 0; }
    virtual ~IkelFaultPoint();

protected:
    FLOATPOINT m_point;
    IkelWellAdapter* m_pWell;
    double m_dDepth;
};

class CkelFaultWellPoint : public IkelFaultPoint {
public:
    CkelFaultWellPoint();
    CkelFaultWellPoint(const CkelFaultWellPoint&);
    CkelFaultWellPoint& operator=(const CkelFaultWellPoint&);
    ~CkelFaultWellPoint() override;

    // ---- header-defined members ----
    void SetFaultLine(CkelFaultLine* line) { m_pFaultLine = line; }
    CkelFaultLine* GetFaultLine() const { return m_pFaultLine; }
    void SetIndex(unsigned int index) { m_nIndex = index; }
    unsigned int GetIndex() const { return m_nIndex; }
    void SetFaultPointIndex(unsigned int index) { m_nFaultPointIndex = index; }
    unsigned int GetFaultPointIndex() const { return m_nFaultPointIndex; }

    // ---- reservoir library operations ----
    void SetWell(IkelWellAdapter* well);
    void SetDepth(double depth);

protected:
    CkelFaultLine* m_pFaultLine;
    unsigned int m_nIndex;
    unsigned int m_nFaultPointIndex;
};

class CkelFaultStratumPoint : public IkelFaultPoint {
public:
    CkelFaultStratumPoint();
    CkelFaultStratumPoint(const CkelFaultStratumPoint&);
    CkelFaultStratumPoint& operator=(const CkelFaultStratumPoint&);
    ~CkelFaultStratumPoint() override;

    // ---- header-defined members ----
    void SetStratumCell(CStratumCell* cell) { m_pStratumCell = cell; }
    CStratumCell* GetStratumCell() const { return m_pStratumCell; }
    void SetFaultLine(boost::shared_ptr<CkelFaultLine> line) { m_faultLine = line; }
    boost::shared_ptr<CkelFaultLine> GetFaultLine() const { return m_faultLine; }
    void SetIndex(unsigned int index) { m_nIndex = index; }
    unsigned int GetIndex() const { return m_nIndex; }

protected:
    CStratumCell* m_pStratumCell;
    boost::shared_ptr<CkelFaultLine> m_faultLine;
    unsigned int m_nIndex;
};

class CkelFaultLine : public ScObjInterface {
public:
    CkelFaultLine();
    CkelFaultLine(const CkelFaultLine&) = delete;
    CkelFaultLine& operator=(const CkelFaultLine&) = delete;
    ~CkelFaultLine() override;
    SC_DECLARE_ACCEPT()
    bool HitTest(const CPoint& pt) override { return false; }

    // ---- header-defined members ----
    std::string GetName() const { return m_strName; }
    double GetDistance() const { return m_dDistance; }
    double GetAngle() const { return m_dAngle; }
    bool GetCutOff() const { return m_bCutOff; }
    void SetCutOff(bool cutOff) { m_bCutOff = cutOff; }
    bool GetPermeable() const { return m_bPermeable; }
    void SetPermeable(bool permeable) { m_bPermeable = permeable; }
    bool GetNoraml() const { return m_bNormal; }
    void SetNoraml(bool normal) { m_bNormal = normal; }
    bool GetOverWell() const { return m_bOverWell; }
    void SetOverWell(bool overWell) { m_bOverWell = overWell; }
    void SetManager(CkelFaultLineManager* mgr) { m_pManager = mgr; }
    CkelFaultLineManager* GetManager() const { return m_pManager; }
    CManagerWithObj<CkelFaultWellPoint>& GetWellPointManager() { return m_wellPoints; }
    const CManagerWithObj<CkelFaultStratumPoint>& GetStratumPointManager() const { return m_stratumPoints; }
    // Appends a copy of the point (defined with the library, which owns the points' copies).
    void AddStratumPoint(CkelFaultStratumPoint& point);
    QXLOGPOINT GetStratumPoint() const { return m_stratumPointSymbol; }
    void SetStratumPoint(const QXLOGPOINT& symbol) { m_stratumPointSymbol = symbol; }
    QXLOGPOINT GetWellPoint() const { return m_wellPointSymbol; }
    void SetWellPoint(const QXLOGPOINT& symbol) { m_wellPointSymbol = symbol; }
    IkelFaultPoint* GetSelFaultPoint() const { return m_pSelFaultPoint; }
    void SetSelFaultPoint(IkelFaultPoint* point) { m_pSelFaultPoint = point; }
    std::vector<IkelWellAdapter*>& GetWells() { return m_wells; }
    void AddWells(IkelWellAdapter* well) { m_wells.push_back(well); }
    // Forgets the crossed wells; they belong to the section.
    void RemoveWells() { m_wells.clear(); }

    // ---- reservoir library operations ----
    void SetLogPen(QXLOGPEN& pen);
    QXLOGPEN GetLogPen() const;
    void SetName(std::string name);
    void SetDistance(double distance);
    void SetAngle(double angle);  // dip angle
    double GetRealDistance() const;
    void Update();
    CQXObjectPolyline* GetImp() const;
    void SetImp(CQXObjectPolyline* polyline);

protected:
    std::string m_strName;
    double m_dDistance;
    double m_dAngle;
    bool m_bCutOff;
    bool m_bPermeable;
    bool m_bNormal;
    bool m_bOverWell;
    CkelFaultLineManager* m_pManager;
    CManagerWithObj<CkelFaultWellPoint> m_wellPoints;
    CManagerWithObj<CkelFaultStratumPoint> m_stratumPoints;
    QXLOGPOINT m_stratumPointSymbol;
    QXLOGPOINT m_wellPointSymbol;
    IkelFaultPoint* m_pSelFaultPoint;
    std::vector<IkelWellAdapter*> m_wells;
    // State of the library's own operations.
    QXLOGPEN m_logPen;
    CQXObjectPolyline* m_pImp;
};

// The reservoir's fault lines, and the signal that announces a change of one of them.
class CkelFaultLineManager : public CManagerWithObj<boost::shared_ptr<CkelFaultLine>> {
public:
    typedef boost::signals2::signal<void(unsigned char, boost::shared_ptr<CkelFaultLine>)> ChangeSignal;
    typedef boost::function<void(unsigned char, boost::shared_ptr<CkelFaultLine>)> ChangeSlot;

    CkelFaultLineManager();
    CkelFaultLineManager(const CkelFaultLineManager&) = delete;
    CkelFaultLineManager& operator=(const CkelFaultLineManager&) = delete;
    ~CkelFaultLineManager() override;

    // ---- header-defined members ----
    boost::shared_ptr<CkelFaultLineRelation> GetRelation() const { return m_relation; }
    boost::shared_ptr<CkelFaultLine> GetActiveObj() const { return m_activeObj; }
    void SetVisible(bool visible) { m_bVisible = visible; }
    bool GetVisible() const { return m_bVisible; }
    CkelFaultPointInWells* GetFaultPointInWell() const { return m_pFaultPointInWells; }
    bool IfDrawFaultPointsInWell() const { return m_bDrawFaultPointsInWell; }
    void SetDrawFaultPointsInWell(bool draw) { m_bDrawFaultPointsInWell = draw; }
    boost::signals2::connection connect(ChangeSlot slot) { return m_signal.connect(slot); }
    void disconnect(boost::signals2::connection connection) { connection.disconnect(); }
    // The argument keeps the line alive while the slots run, even if one of them drops it from
    // the list.
    void update(unsigned char kind, boost::shared_ptr<CkelFaultLine> line) { m_signal(kind, line); }

    // ---- reservoir library operations ----
    void Clear();  // forgets every line and the active one
    void AddLine(boost::shared_ptr<CkelFaultLine> line);
    void SetActiveObj(boost::shared_ptr<CkelFaultLine> line);
    void SetReservoir(Connection::CkelReservoir* reservoir);
    Connection::CkelReservoir* GetReservoir() const;

protected:
    boost::shared_ptr<CkelFaultLineRelation> m_relation;
    boost::shared_ptr<CkelFaultLine> m_activeObj;
    bool m_bVisible;
    CkelFaultPointInWells* m_pFaultPointInWells;
    bool m_bDrawFaultPointsInWell;
    ChangeSignal m_signal;
    Connection::CkelReservoir* m_pReservoir;
};

}  // namespace KelReservoir::Fault

// The lists of fault points are left to the code that fills them: their elements are the library's.
extern template class CManagerWithObj<boost::shared_ptr<KelReservoir::Fault::CkelFaultLine>>;
