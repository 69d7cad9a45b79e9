// One well of a multi-well section. The getters and the real depths are the module's own
// code; the setters and the drawing operations belong to the section library.
#pragma once

#include <boost/shared_ptr.hpp>
#include <cstdint>
#include <string>
#include <vector>

#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class CNewWpWell;
class CnSandMgr;
class CnShaleMgr;

class IkelWellAdapter : public ScObjInterface {
public:
    // Where the well stood before an edit, kept for undoing a move.
    struct WELLINFO {
        FLOATPOINT position;
        double topDepth = 0.0;
        double bottomDepth = 0.0;
        double leftJoint = 0.0;
        double rightJoint = 0.0;
    };
    // A stratum interval the well shows.
    struct STRATUMRECORD {
        std::string name;
        std::string code;
        int grade = 0;
        double topDepth = 0.0;
        double bottomDepth = 0.0;
        int state = 0;
        bool shown = false;
    };
    // A data segment the well draws from.
    struct SEGMENTRECORD {
        uint32_t kind = 0;
        uint32_t flags = 0;
        uint64_t handle = 0;
        uint64_t first = 0;
        uint64_t second = 0;
        uint64_t third = 0;
        std::string name;
        std::string source;
    };

    IkelWellAdapter();
    IkelWellAdapter(const IkelWellAdapter&);
    IkelWellAdapter& operator=(const IkelWellAdapter&);
    ~IkelWellAdapter() override;
    SC_DECLARE_ACCEPT()

    // ---- header-defined accessors ----
    std::string GetName() const { return m_strName; }
    std::string GetTemplate() const { return m_strTemplate; }
    std::string GetTopStratum() const { return m_strTopStratum; }
    std::string GetBottomStratum() const { return m_strBottomStratum; }
    double GetAlignLength() const { return m_dAlignLength; }
    double GetTopExtendDepth() const { return m_dTopExtendDepth; }
    double GetBottomExtendDepth() const { return m_dBottomExtendDepth; }
    double GetPrjAngle() const { return m_dPrjAngle; }
    std::string GetRefWell() const { return m_strRefWell; }
    FLOATPOINT GetPosition() const { return m_position; }
    boost::shared_ptr<CNewWpWell> GetWpWell() const { return m_wpWell; }
    bool IfEditTemplate() const { return m_bEditTemplate; }
    void SetEditTemplate(bool edit) { m_bEditTemplate = edit; }
    const WELLINFO& GetOldWellPosInfo() const { return m_oldWellPosInfo; }
    boost::shared_ptr<CnSandMgr> GetSandDataMgr() const { return m_sandMgr; }
    boost::shared_ptr<CnShaleMgr> GetShaleDataMgr() const { return m_shaleMgr; }
    // The drawn interval: the top is raised by the extension and the alignment length,
    // the bottom lowered by its extension only.
    double GetRealTopDepth() const { return m_dTopDepth - m_dTopExtendDepth - m_dAlignLength; }
    double GetRealBottomDepth() const { return m_dBottomDepth + m_dBottomExtendDepth; }

    // ---- section-library operations ----
    void SetName(const std::string& name);
    void SetTemplate(const std::string& path, bool reload);
    void SetWidth(double width);
    double GetWidth() const;
    double GetMinWidth() const;
    void SetDepthType(int type);
    int GetDepthType() const;  // 0 depth, 1 strata
    void SetTopStratum(const std::string& stratum);
    void SetBottomStratum(const std::string& stratum);
    void SetTopExtendDepth(double depth);
    void SetBottomExtendDepth(double depth);
    void SetTopDepth(double depth);
    void SetBottomDepth(double depth);
    double GetTopDepth() const;
    double GetBottomDepth() const;
    void SetAlignLength(double length);
    void SetPrjAngle(double angle);
    void SetRefWell(const std::string& well);
    void SetConnectPos(int pos);
    int GetConnectPos() const;
    void SetLeftJoint(double offset);
    void SetRightJoint(double offset);
    double GetLeftJoint() const;
    double GetRightJoint() const;
    void DataTypeChanged();
    void SaveOldWellInfo();
    void SaveOldWellPosInfo();
    void SaveOldWellJointInfo();
    void SetPosition(const FLOATPOINT& pos, bool update);
    void Update();
    double MapY2Depth(double y) const;
    bool IsInclinedWell() const;
    void SetInclinedWell(bool inclined);

protected:
    std::string m_strName;
    std::string m_strTemplate;
    double m_dTopDepth;
    double m_dBottomDepth;
    std::string m_strTopStratum;
    std::string m_strBottomStratum;
    double m_dAlignLength;
    double m_dTopExtendDepth;
    double m_dBottomExtendDepth;
    double m_dPrjAngle;
    std::string m_strRefWell;
    FLOATPOINT m_position;
    boost::shared_ptr<CNewWpWell> m_wpWell;
    bool m_bEditTemplate;
    WELLINFO m_oldWellPosInfo;
    boost::shared_ptr<CnSandMgr> m_sandMgr;
    boost::shared_ptr<CnShaleMgr> m_shaleMgr;
    std::vector<STRATUMRECORD> m_stratumRecords;
    std::vector<SEGMENTRECORD> m_segmentRecords;
    // State of the library's own operations.
    double m_dWidth;
    int m_nDepthType;
    int m_nConnectPos;
    double m_dLeftJoint;
    double m_dRightJoint;
    bool m_bInclined;
    WELLINFO m_oldWellInfo;
    WELLINFO m_oldWellJointInfo;
};
