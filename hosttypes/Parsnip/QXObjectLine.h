// CQXObjectLine: a map line with a pen and a fill brush (the fill is drawn when it is closed).
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectLine : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectLine)
public:
    explicit CQXObjectLine(CQXLayer* layer = nullptr);
    ~CQXObjectLine() override;

    // The version compiled with the module does nothing.
    virtual void BuildBorderPointArray() {}
    // The line's shape query (named here; see hostlibs/README.md): 2 for a line drawn straight,
    // 1 for one drawn along its points (the default).
    virtual int GetShapeType();

    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    UINT GetLineStyle() const;
    float GetPenSize() const;
    COLORREF GetLineColor() const;
    // Library side: what the shape query answers.
    void SetShapeType(int shape);

protected:
    QXLOGPEN m_pen;
    QXLOGBRUSH m_brush;
    int m_nShapeType = 1;
};
