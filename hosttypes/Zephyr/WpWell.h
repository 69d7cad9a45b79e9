// CWpWell: the root kit of a well plot, and CWpInWell, a well placed inside another.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpKit.h"

class WDMgrIO;

class CWpWell : public CWpKit {
    DECLARE_DYNAMIC(CWpWell)
public:
    // Fault points found along the well (kit library's fields).
    struct FaultInfo {
        std::vector<double> depths;
        std::vector<CString> names;
    };

    CWpWell();
    ~CWpWell() override;

    WPKITTYPE GetWpKitType() override;

    const FaultInfo& GetFaultInfo() const;
    bool IsBlankSpace();
    bool IsFaultPointLine();
    void IsFaultPointLine(bool show);
    QXLOGPEN& GetFaultPointLine();
    void SetFaultPointLine(const QXLOGPEN& pen);
    int GetSelectOnlyBody();
    void SetSelectOnlyBody(int only);
    int GetCanInitData();
    void SetCanInitData(int can);
    EnumDepthRangeType GetRangeType();
    void SetRangeType(EnumDepthRangeType type);
    double GetLeft();
    double GetRight();
    bool IsAutoArrange();
    DepthType GetDepthType();

    // Kit library.
    virtual WDMgrIO* GetDataMgr();
    void SetDataMgr(WDMgrIO* mgr);  // the well takes ownership
    void IsBlankSpace(bool blank);
    void SetDepthType(const DepthType& type);

    // Header and plot frame (kit library). The plot's frame style is the well's own.
    BorderStyle GetStyle();
    void SetStyle(BorderStyle style, bool apply);
    // Title position: -1 hidden, 0 automatic, 1 .. 9 the nine places.
    int GetTitleAlign();
    void SetTitleAlign(int align);
    // Well symbol position: -1 hidden, 0 automatic, 1 .. 4 below, above, left, right of the title.
    int GetTypeAlign();
    void SetTypeAlign(int align);
    // Style templates of the well symbol; empty means none.
    CString GetPointStyleTemplate();
    void SetPointStyleTemplate(CString name);
    CString GetSizeTemplate();
    void SetSizeTemplate(CString name);
    CString GetBorderColorTemplate();
    void SetBorderColorTemplate(CString name);
    CString GetInnerColorTemplate();
    void SetInnerColorTemplate(CString name);
    QXLOGPOINT GetTypePoint();
    void SetTypePoint(const QXLOGPOINT& point);
    // Title font for every depth track of the well, or for every track (depth tracks included).
    void SetDepChildTitleFont(const QXLOGFONT& font);
    void SetChildTitleFont(const QXLOGFONT& font);

    // ---- depth range by layering (kit library) ----
    // Extensions added above the top unit and below the bottom unit, in metres.
    float GetTopExtendDepth();
    void SetTopExtendDepth(float depth);
    float GetBotExtendDepth();
    void SetBotExtendDepth(float depth);
    // Layering level 0 .. 4; negative for none.
    int GetUnitClass();
    void SetUnitClass(int level);
    // Top and bottom layering units by name; "未知" for none.
    CString GetTopUnit();
    void SetTopUnit(CString name);
    CString GetBottomUnit();
    void SetBottomUnit(CString name);
    // Whether the well's data exist (the well has its data object).
    bool WellExist();
    // Shows the data of the named well: the kit takes that name.
    void SwitchData(CString wellName);
    // Recomputes the drawn range from the depths and units.
    void ComputeValidTopAndBottom();

protected:
    FaultInfo m_faultInfo;
    bool m_bBlankSpace = false;
    bool m_bFaultPointLine = false;
    QXLOGPEN m_faultPointLine;
    int m_nSelectOnlyBody = 0;
    int m_nCanInitData = 0;
    EnumDepthRangeType m_rangeType = DEPTH_RANGE_BY_DEPTH;
    double m_dLeft = 0;
    double m_dRight = 0;
    bool m_bAutoArrange = false;
    DepthType m_depthType = DEPTH_MEASURED;
    WDMgrIO* m_pDataMgr = nullptr;
    BorderStyle m_plotStyle = STYLE_FULL;
    int m_nTitleAlign = 0;
    int m_nTypeAlign = 0;
    CString m_strPointStyleTemplate;
    CString m_strSizeTemplate;
    CString m_strBorderColorTemplate;
    CString m_strInnerColorTemplate;
    QXLOGPOINT m_typePoint;
    // depth range by layering
    float m_fTopExtendDepth = 0;
    float m_fBotExtendDepth = 0;
    int m_nUnitClass = -1;
    CString m_strTopUnit = "未知";
    CString m_strBottomUnit = "未知";
};

class CWpInWell : public CWpKit {
    DECLARE_DYNAMIC(CWpInWell)
public:
    CWpInWell();
    ~CWpInWell() override;
    WPKITTYPE GetWpKitType() override;
};
