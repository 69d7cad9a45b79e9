// Control lines between which the reservoir library designs virtual wells, and their manager.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"

namespace KelReservoir::Connection {
class CkelReservoir;
}

namespace KelReservoir::VirtualWell {

class CkelControlLineManager;

class CkelControlLine : public ScObjInterface {
public:
    CkelControlLine();
    CkelControlLine(const CkelControlLine&) = default;
    CkelControlLine& operator=(const CkelControlLine&) = default;
    ~CkelControlLine() override;
    SC_DECLARE_ACCEPT()

    CkelControlLineManager* GetManager() const { return m_pManager; }

    // ---- reservoir library operations ----
    void SetManager(CkelControlLineManager* mgr);
    QXLOGPEN GetLogPen() const;
    void SetLogPen(QXLOGPEN pen);
    // Word 1 the inner colour, word 2 the border colour of the control points.
    QXLOGBRUSH GetBrush() const;
    void SetBrush(QXLOGBRUSH brush);

    // Written directly by the pages: 100 times the shown size.
    double m_dPointSize;

protected:
    CkelControlLineManager* m_pManager;
    QXLOGPEN m_logPen;
    QXLOGBRUSH m_brush;
};

class CkelControlLineManager {
public:
    CkelControlLineManager();
    virtual ~CkelControlLineManager();

    // ---- reservoir library operations ----
    Connection::CkelReservoir* GetReservoir() const;
    void SetReservoir(Connection::CkelReservoir* reservoir);
    unsigned int GetNum() const;
    boost::shared_ptr<CkelControlLine> GetObj(unsigned int i) const;  // empty when out of range
    void AddLine(boost::shared_ptr<CkelControlLine> line);            // the line's manager becomes this one

protected:
    Connection::CkelReservoir* m_pReservoir;
    std::vector<boost::shared_ptr<CkelControlLine>> m_lines;
};

}  // namespace KelReservoir::VirtualWell
