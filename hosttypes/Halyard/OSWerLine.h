// Oil-gas-water interface lines of a flow unit and their manager.
#pragma once

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"

namespace KelReservoir::SandUnit {

class CkelOSWerLineManager;
class IkelSandUnit;

// Which fluids an interface line separates.
enum OSWLineType : int { OSW_OIL_GAS = 0, OSW_OIL_WATER = 1, OSW_GAS_WATER = 2 };

class CkelOSWerLine : public ScObjInterface {
public:
    typedef boost::signals2::signal<void(bool)> ChangeSignal;

    CkelOSWerLine();
    // Connections belong to one line: a line is not copied.
    CkelOSWerLine(const CkelOSWerLine&) = delete;
    CkelOSWerLine& operator=(const CkelOSWerLine&) = delete;
    ~CkelOSWerLine() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined members ----
    // The two setters stamp the line; they are defined with the reservoir library, which
    // reaches the stamp counter.
    void SetLineType(OSWLineType type);
    OSWLineType GetLineType() const { return m_lineType; }
    QXLOGPEN GetLogPen() const { return m_logPen; }
    void SetLogPen(QXLOGPEN pen);
    bool GetShow() const { return m_bShow; }
    void SetShow(bool show) { m_bShow = show; }
    void SetManager(CkelOSWerLineManager* mgr) { m_pManager = mgr; }
    CkelOSWerLineManager* GetManager() const { return m_pManager; }
    boost::signals2::connection connect(boost::function<void(bool)> slot) { return m_signal.connect(slot); }
    void disconnect(boost::signals2::connection connection) { connection.disconnect(); }
    // Fires the change signal; every connected slot is called with true.
    void update() { m_signal(true); }

    // ---- reservoir library operations ----
    double GetDepth() const;
    void SetDepth(double depth);
    std::string GetUpperString() const;  // the fluid above the line
    std::string GetLowerString() const;  // the fluid below the line
    // How far the line may be moved: between the depths of the neighbouring lines or units.
    void GetMoveDepthExtent(double& minDepth, double& maxDepth) const;
    void SetMoveDepthExtent(double minDepth, double maxDepth);
    void setPosY(double y);

protected:
    OSWLineType m_lineType;
    QXLOGPEN m_logPen;
    bool m_bShow;
    CkelOSWerLineManager* m_pManager;
    ChangeSignal m_signal;
    // State of the library's own operations.
    double m_dDepth;
    double m_dMinDepth;
    double m_dMaxDepth;
};

class CkelOSWerLineManager {
public:
    CkelOSWerLineManager();
    CkelOSWerLineManager(const CkelOSWerLineManager&) = default;
    CkelOSWerLineManager& operator=(const CkelOSWerLineManager&) = default;
    virtual ~CkelOSWerLineManager();

    // ---- header-defined members ----
    boost::shared_ptr<CkelOSWerLine> GetUpperLine() const { return m_upperLine; }
    boost::shared_ptr<CkelOSWerLine> GetLowerLine() const { return m_lowerLine; }
    unsigned int GetOSWerUnitNum() const { return static_cast<unsigned int>(m_units.size()); }
    IkelSandUnit* GetSelObj() const { return m_pSelObj; }

    // ---- reservoir library operations ----
    int GetNum() const;  // interface lines present, 0 to 2
    // Map y of a depth: depths grow downward, map y upward (y = -depth).
    double DpToY(double depth) const;
    // Each setter makes this manager the line's manager.
    void SetUpperLine(boost::shared_ptr<CkelOSWerLine> line);
    void SetLowerLine(boost::shared_ptr<CkelOSWerLine> line);
    void AddOSWerUnit(boost::shared_ptr<IkelSandUnit> unit);
    void SetSelObj(IkelSandUnit* unit);

protected:
    int m_nState;
    boost::shared_ptr<CkelOSWerLine> m_upperLine;
    boost::shared_ptr<CkelOSWerLine> m_lowerLine;
    std::vector<boost::shared_ptr<IkelSandUnit>> m_units;
    IkelSandUnit* m_pSelObj;
};

}  // namespace KelReservoir::SandUnit
