// CkelLegend: a chart's legend box. Every setter stores and then notifies, even when the
// value is unchanged.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObject.h"

class CkelLegendCell {
public:
    std::string m_strText;
    QXLOGPOINT m_symbol;
    QXLOGPEN m_pen;
    QXLOGBRUSH m_brush;
};

class CkelLegendManager {
public:
    std::vector<CkelLegendCell> m_cells;
};

class CkelLegend : public CQXObject {
    DECLARE_DYNAMIC(CkelLegend)
public:
    CkelLegend();
    ~CkelLegend() override;
    CkelLegend(const CkelLegend&) = default;
    CkelLegend& operator=(const CkelLegend&) = default;

    void SetDisplayShadow(bool show);
    void SetShadowFill(QXLOGBRUSH* brush);
    void SetTitleText(const std::string& text);
    void SetShowTitle(bool show);
    void SetTitleFont(QXLOGFONT* font);
    void SetBorderLine(QXLOGPEN* pen);
    void SetInnerBorderLine(QXLOGPEN* pen);
    void SetBorderFill(QXLOGBRUSH* brush);
    void SetLegendFont(QXLOGFONT* font);
    void SetLMarginSpace(double space);
    void SetTMarginSpace(double space);
    void SetIntervalSpace(double space);
    void SetBorderWidth(double width);
    void SetBorderHeight(double height);

    // Chart library.
    bool GetDisplayShadow() const;
    void GetShadowFill(QXLOGBRUSH* brush) const;
    std::string GetTitleText() const;
    bool GetShowTitle() const;
    void GetTitleFont(QXLOGFONT* font) const;
    void GetBorderLine(QXLOGPEN* pen) const;
    void GetInnerBorderLine(QXLOGPEN* pen) const;
    void GetBorderFill(QXLOGBRUSH* brush) const;
    void GetLegendFont(QXLOGFONT* font) const;
    double GetLMarginSpace() const;
    double GetTMarginSpace() const;
    double GetIntervalSpace() const;
    double GetBorderWidth() const;
    double GetBorderHeight() const;
    unsigned GetColNum() const;
    void SetColNum(unsigned count);
    CkelLegendManager* GetLegendManager();

protected:
    bool m_bDisplayShadow = false;
    QXLOGBRUSH m_shadowFill;
    std::string m_strTitleText;
    bool m_bShowTitle = false;
    QXLOGFONT m_titleFont;
    QXLOGPEN m_borderLine;
    QXLOGPEN m_innerBorderLine;
    QXLOGBRUSH m_borderFill;
    QXLOGFONT m_legendFont;
    double m_dLMarginSpace = 0;
    double m_dTMarginSpace = 0;
    double m_dIntervalSpace = 0;
    double m_dBorderWidth = 0;
    double m_dBorderHeight = 0;
    unsigned m_nColNum = 1;
    CkelLegendManager m_manager;
};
