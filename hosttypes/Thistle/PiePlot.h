// CPiePlot: a pie chart of one data column; CPiePiece: one sector.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Thistle/Plot.h"

class IkelAxis;

class CPiePiece {
public:
    std::string GetLabelStr() const;
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    bool GetIsShowFill() const;
    void SetIsShowFill(bool show);
    double GetAngle() const;

    QXLOGBRUSH m_brush;
    QXLOGPEN m_pen;
    double m_dAngle = 0;
    std::string m_strLabel;
    bool m_bShowFill = true;
};

class CPiePlot : public IkelPlot {
    DECLARE_DYNAMIC(CPiePlot)
public:
    // The rows that get labels.
    struct CLabelRange {
        unsigned m_nFirstRow = 0;
        unsigned m_nLastRow = 0;
        unsigned m_nStep = 1;
        CPiePlot* m_pPlot = nullptr;
    };

    CPiePlot();
    ~CPiePlot() override;
    CPiePlot(const CPiePlot&) = default;
    CPiePlot& operator=(const CPiePlot&) = default;

    void GetLabelFont(QXLOGFONT* font) const;
    // Copies the font in and notifies the plot.
    void SetLabelFont(QXLOGFONT* font);
    // A pie has no axes: binding is refused.
    virtual bool SetDatasetAndAxises(CkelDataset* dataset, IkelAxis* axis1, IkelAxis* axis2);

    // Chart library.
    unsigned GetPieceCount() const;
    CPiePiece* GetPiece(unsigned i);  // NULL outside the pieces
    void AddPiece(const CPiePiece& piece);

protected:
    QXLOGFONT m_labelFont;
    std::vector<CPiePiece> m_pieces;
    CLabelRange m_labelRange;
};
