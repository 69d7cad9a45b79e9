// Virtual wells that the reservoir library designs between two real wells, their manager, and
// the well selection record of the reservoir pages.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "mfc/String.h"

namespace KelReservoir::Connection {

class CkelReservoir;

class CDesignerWellAdapter : public ScObjInterface {
public:
    // A well the designed well is drawn from, with its layout words.
    struct WELLRECORD {
        std::string name;
        uint32_t words[14] = {};
    };
    // One fault point met by the designed well.
    struct FAULTRECORD {
        std::string faultName;
        int64_t top = 0;
        int64_t bottom = 0;
        std::string stratum;
    };
    struct FALULTDATA {
        std::vector<FAULTRECORD> points;
    };
    // A stratum line crossing the designed well.
    struct STRAUMLINE {
        std::string name;
        double depth = 0.0;
        std::string code;
        int64_t first = 0;
        int64_t second = 0;
    };

    CDesignerWellAdapter();
    CDesignerWellAdapter(const CDesignerWellAdapter&);
    CDesignerWellAdapter& operator=(const CDesignerWellAdapter&);
    ~CDesignerWellAdapter() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined members ----
    const std::string& GetWellName() const { return m_strWellName; }
    const std::string& GetLeftWellName() const { return m_strLeftWellName; }
    const std::string& GetRightWellName() const { return m_strRightWellName; }
    double GetTopDepth() const { return m_dTopDepth; }        // an elevation
    double GetBottomDepth() const { return m_dBottomDepth; }  // an elevation
    bool IsHaveFaultPt() const { return m_bHaveFaultPt; }
    const FALULTDATA& GetFaultPtData() const { return m_faultData; }
    const std::vector<STRAUMLINE>& GetStramLine() const { return m_stratumLines; }
    CkelReservoir* GetReservoir() const { return m_pReservoir; }

    // ---- reservoir library operations ----
    void SetWellNames(const std::string& name, const std::string& left, const std::string& right);
    void SetTopDepth(double elevation);
    void SetBottomDepth(double elevation);
    QXLOGPEN* GetLogPen();
    void SetLogPen(QXLOGPEN* pen);
    QXLOGFONT* GetLogFont();
    void SetLogFont(QXLOGFONT* font);
    void SetReservoir(CkelReservoir* reservoir);

    // Written directly by the pages: hundredths of a millimetre.
    double m_dMinWidth;

protected:
    std::string m_strWellName;
    std::string m_strLeftWellName;
    std::string m_strRightWellName;
    double m_dTopDepth;
    double m_dBottomDepth;
    bool m_bHaveFaultPt;
    FALULTDATA m_faultData;
    std::vector<STRAUMLINE> m_stratumLines;
    std::vector<WELLRECORD> m_wellRecords;
    CkelReservoir* m_pReservoir;
    // State of the library's own operations.
    QXLOGPEN m_logPen;
    QXLOGFONT m_logFont;
};

class CDesignerWellMgr {
public:
    CDesignerWellMgr();
    virtual ~CDesignerWellMgr();

    // ---- reservoir library operations (each applies to every designed well) ----
    void SetTopDepth(double elevation);
    void SetWellWidth(double width);
    unsigned int GetNum() const;
    // Every designed well's bottom (an elevation); their tops stay.
    void SetBottomDepth(double elevation);
    boost::shared_ptr<CDesignerWellAdapter> GetObj(unsigned int i) const;  // empty when out of range
    void AddWell(boost::shared_ptr<CDesignerWellAdapter> well);

protected:
    std::vector<boost::shared_ptr<CDesignerWellAdapter>> m_wells;
};

}  // namespace KelReservoir::Connection

// A well picked on the reservoir pages, with two values the page keeps for it.
class CRsSelectWells {
public:
    CRsSelectWells();
    CRsSelectWells(const CRsSelectWells&);
    CRsSelectWells& operator=(const CRsSelectWells&);
    ~CRsSelectWells();

    CString m_strWellName;
    double m_dFirst;
    double m_dSecond;
};
