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

    // Chart library: the fill-style set the brush's style was picked from.
    std::string GetFillStyleSet() const;
    void SetFillStyleSet(const std::string& name);

    std::string m_strFillStyleSet;
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

    // ---- data, labels and the current piece ------------------------------------------------------------
public:
    // Chart library: changes stamp the plot. The data column and the label column are columns of
    // the outer dataset; the start angle is in degrees, the split distance the gap between pieces.
    int GetDataCol() const;
    void SetDataCol(int col);
    double GetStartAngle() const;
    void SetStartAngle(double angle);
    double GetSplitDist() const;
    void SetSplitDist(double distance);
    bool GetIsShowlabels() const;
    void SetIsShowLabels(bool show);
    int GetLabelCol() const;
    void SetLabelCol(int col);
    bool GetIsLabelsInner() const;
    void SetIsLabelsInner(bool inner);
    bool GetIsShowPosLine() const;
    void SetIsShowPosLine(bool show);
    // The labelled rows, written directly; CaculateLabelIndex then lists the rows they name (at
    // most the rows of the dataset) and stamps the plot.
    CLabelRange* GetLabel();
    void CaculateLabelIndex();
    const std::vector<unsigned>& GetLabelIndices() const;
    // The first piece with that label; -1 when none has it.
    int GetPieceIndexByName(const std::string& name) const;
    // NULL when the current index names no piece; an index outside the pieces is ignored.
    CPiePiece* GetCurSelPiece();
    void SetCurSelPiece(int index);

protected:
    int m_nDataCol = 0;
    double m_dStartAngle = 0;
    double m_dSplitDist = 0;
    bool m_bShowLabels = true;
    int m_nLabelCol = 0;
    bool m_bLabelsInner = true;
    bool m_bShowPosLine = false;
    std::vector<unsigned> m_labelIndices;
    int m_nCurSelPiece = 0;
};
