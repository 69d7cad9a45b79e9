// CQXObjectBorder: the frame of a plane map, with its title, a graticule (latitude-longitude
// net, intervals in degrees) and a kilometre grid (intervals in map units). The accessors below
// are header members and only store; the extent, the kilometre label digit counts and their
// limits belong to the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectBorder : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectBorder)
public:
    // How a grid is drawn inside the frame.
    enum GridDrawType : int { GRID_NONE = 0, GRID_LINE = 1, GRID_CROSS = 2 };

    explicit CQXObjectBorder(CQXLayer* layer = nullptr);
    ~CQXObjectBorder() override;

    // Frame.
    void SetOuterLogPen(QXLOGPEN* pen) {
        if (pen) m_outerPen = *pen;
    }
    void GetOuterLogPen(QXLOGPEN* pen) const {
        if (pen) *pen = m_outerPen;
    }
    void SetInnerLogPen(QXLOGPEN* pen) {
        if (pen) m_innerPen = *pen;
    }
    void GetInnerLogPen(QXLOGPEN* pen) const {
        if (pen) *pen = m_innerPen;
    }
    void SetLogBrush(QXLOGBRUSH* brush) {
        if (brush) m_brush = *brush;
    }
    void GetLogBrush(QXLOGBRUSH* brush) const {
        if (brush) *brush = m_brush;
    }
    void SetBorderWidth(double width) { m_dBorderWidth = width; }
    double GetBorderWidth() const { return m_dBorderWidth; }

    // Title.
    void SetPrefix(const CString& text) { m_strPrefix = text; }
    CString GetPrefix() const { return m_strPrefix; }
    void SetStratum(const CString& text) { m_strStratum = text; }
    CString GetStratum() const { return m_strStratum; }
    void SetPostfix(const CString& text) { m_strPostfix = text; }
    CString GetPostfix() const { return m_strPostfix; }
    void SetStratumAlias(const CString& text) { m_strStratumAlias = text; }
    const CString& GetStratumAlias() const { return m_strStratumAlias; }
    void SetTitleFont(QXLOGFONT* font) {
        if (font) m_titleFont = *font;
    }
    void GetTitleFont(QXLOGFONT* font) const {
        if (font) *font = m_titleFont;
    }
    void SetTitleDist(double distance) { m_dTitleDist = distance; }
    double GetTitleDist() const { return m_dTitleDist; }

    // Which grids are drawn.
    void SetDrawGraticule(int draw) { m_nDrawGraticule = draw; }
    int GetDrawGraticule() const { return m_nDrawGraticule; }
    void SetDrawKilometerGrid(int draw) { m_nDrawKilometerGrid = draw; }
    int GetDrawKilometerGrid() const { return m_nDrawKilometerGrid; }

    // Intervals: the graticule's in decimal degrees, the kilometre grid's in map units.
    void SetGraticuleIntervalX(double value) { m_dGraticuleIntervalX = value; }
    double GetGraticuleIntervalX() const { return m_dGraticuleIntervalX; }
    void SetGraticuleIntervalY(double value) { m_dGraticuleIntervalY = value; }
    double GetGraticuleIntervalY() const { return m_dGraticuleIntervalY; }
    void SetKIntervalX(double value) { m_dKIntervalX = value; }
    double GetKIntervalX() const { return m_dKIntervalX; }
    void SetKIntervalY(double value) { m_dKIntervalY = value; }
    double GetKIntervalY() const { return m_dKIntervalY; }

    // Scale ticks along the frame.
    void SetGDrawScale(int draw) { m_nGDrawScale = draw; }
    int GetGDrawScale() const { return m_nGDrawScale; }
    void SetKDrawScale(int draw) { m_nKDrawScale = draw; }
    int GetKDrawScale() const { return m_nKDrawScale; }
    void SetGScaleLength(double value) { m_dGScaleLength = value; }
    double GetGScaleLength() const { return m_dGScaleLength; }
    void SetGScaleLength2(double value) { m_dGScaleLength2 = value; }
    double GetGScaleLength2() const { return m_dGScaleLength2; }
    void SetKScaleLength(double value) { m_dKScaleLength = value; }
    double GetKScaleLength() const { return m_dKScaleLength; }
    void SetKScaleLength2(double value) { m_dKScaleLength2 = value; }
    double GetKScaleLength2() const { return m_dKScaleLength2; }
    // Every how many minor ticks a major one stands. The graticule takes any count; the
    // kilometre grid takes 0 as 1, since a major tick every 0 ticks has no meaning.
    void SetGFrequency(unsigned frequency) { m_nGFrequency = frequency; }
    unsigned GetGFrequency() const { return m_nGFrequency; }
    void SetKFrequency(unsigned frequency) { m_nKFrequency = frequency == 0 ? 1 : frequency; }
    unsigned GetKFrequency() const { return m_nKFrequency; }
    void SetGScaleLine(QXLOGPEN* pen) {
        if (pen) m_gScaleLine = *pen;
    }
    void GetGScaleLine(QXLOGPEN* pen) const {
        if (pen) *pen = m_gScaleLine;
    }
    void SetGScaleLine2(QXLOGPEN* pen) {
        if (pen) m_gScaleLine2 = *pen;
    }
    void GetGScaleLine2(QXLOGPEN* pen) const {
        if (pen) *pen = m_gScaleLine2;
    }
    void SetKScaleLine(QXLOGPEN* pen) {
        if (pen) m_kScaleLine = *pen;
    }
    void GetKScaleLine(QXLOGPEN* pen) const {
        if (pen) *pen = m_kScaleLine;
    }
    void SetKScaleLine2(QXLOGPEN* pen) {
        if (pen) m_kScaleLine2 = *pen;
    }
    void GetKScaleLine2(QXLOGPEN* pen) const {
        if (pen) *pen = m_kScaleLine2;
    }

    // Grid lines.
    void SetGGridDrawType(GridDrawType type) { m_nGGridDrawType = type; }
    GridDrawType GetGGridDrawType() const { return m_nGGridDrawType; }
    void SetKGridDrawType(GridDrawType type) { m_nKGridDrawType = type; }
    GridDrawType GetKGridDrawType() const { return m_nKGridDrawType; }
    void SetGraticuleLogPen(QXLOGPEN* pen) {
        if (pen) m_graticulePen = *pen;
    }
    void GetGraticuleLogPen(QXLOGPEN* pen) const {
        if (pen) *pen = m_graticulePen;
    }
    void SetKLineLogPen(QXLOGPEN* pen) {
        if (pen) m_kLinePen = *pen;
    }
    void GetKLineLogPen(QXLOGPEN* pen) const {
        if (pen) *pen = m_kLinePen;
    }
    void SetGCrossLength(double value) { m_dGCrossLength = value; }
    double GetGCrossLength() const { return m_dGCrossLength; }
    void SetKCrossLength(double value) { m_dKCrossLength = value; }
    double GetKCrossLength() const { return m_dKCrossLength; }

    // Labels: fonts of the high-order (…Font) and low-order (…Font2) label parts and the text
    // directions (1 horizontal, 0 vertical, 2 along the tick lines).
    void SetGraticuleFont(QXLOGFONT* font) {
        if (font) m_graticuleFont = *font;
    }
    void GetGraticuleFont(QXLOGFONT* font) const {
        if (font) *font = m_graticuleFont;
    }
    void SetGraticuleFont2(QXLOGFONT* font) {
        if (font) m_graticuleFont2 = *font;
    }
    void GetGraticuleFont2(QXLOGFONT* font) const {
        if (font) *font = m_graticuleFont2;
    }
    void SetKScaleLabelFont(QXLOGFONT* font) {
        if (font) m_kLabelFont = *font;
    }
    void GetKScaleLabelFont(QXLOGFONT* font) const {
        if (font) *font = m_kLabelFont;
    }
    void SetKScaleLabelFont2(QXLOGFONT* font) {
        if (font) m_kLabelFont2 = *font;
    }
    void GetKScaleLabelFont2(QXLOGFONT* font) const {
        if (font) *font = m_kLabelFont2;
    }
    void SetGTextDirectionX(int direction) { m_nGTextDirectionX = direction; }
    int GetGTextDirectionX() const { return m_nGTextDirectionX; }
    void SetGTextDirectionY(int direction) { m_nGTextDirectionY = direction; }
    int GetGTextDirectionY() const { return m_nGTextDirectionY; }
    void SetKTextDirectionX(int direction) { m_nKTextDirectionX = direction; }
    int GetKTextDirectionX() const { return m_nKTextDirectionX; }
    void SetKTextDirectionY(int direction) { m_nKTextDirectionY = direction; }
    int GetKTextDirectionY() const { return m_nKTextDirectionY; }
    unsigned GetKNumCountX2() const { return m_nKNumCountX2; }
    unsigned GetKNumCountY2() const { return m_nKNumCountY2; }
    // Unit of the kilometre labels: 0 metres, 1 kilometres.
    void SetUnit(int unit) { m_nUnit = unit; }
    int GetUnit() const { return m_nUnit; }

    // Library operations.
    // The frame's extent in map units (left, top, right, bottom).
    FLOATRECT GetBorderExtent() const;
    // Moves one edge: node 2 left, 3 right, 4 top, 5 bottom; other nodes change nothing.
    void SetBorderExtent(CONTROLNODE node, double value);
    // Low-order digits written in the kilometre labels, kept within 0 .. GetKMax…().
    void SetKNumCountX2(unsigned count);
    void SetKNumCountY2(unsigned count);
    // Digits of the widest coordinate of the extent in that direction (at least 1).
    unsigned GetKMaxNumCountX2() const;
    unsigned GetKMaxNumCountY2() const;

protected:
    QXLOGPEN m_outerPen;
    QXLOGPEN m_innerPen;
    QXLOGBRUSH m_brush;
    double m_dBorderWidth = 500;
    CString m_strPrefix;
    CString m_strStratum;
    CString m_strPostfix;
    CString m_strStratumAlias;
    QXLOGFONT m_titleFont;
    double m_dTitleDist = 500;
    int m_nDrawGraticule = 0;
    int m_nDrawKilometerGrid = 0;
    double m_dGraticuleIntervalX = 1;
    double m_dGraticuleIntervalY = 1;
    double m_dKIntervalX = 1000;
    double m_dKIntervalY = 1000;
    int m_nGDrawScale = 1;
    int m_nKDrawScale = 1;
    double m_dGScaleLength = 200;
    double m_dGScaleLength2 = 100;
    double m_dKScaleLength = 200;
    double m_dKScaleLength2 = 100;
    unsigned m_nGFrequency = 1;
    unsigned m_nKFrequency = 1;
    QXLOGPEN m_gScaleLine;
    QXLOGPEN m_gScaleLine2;
    QXLOGPEN m_kScaleLine;
    QXLOGPEN m_kScaleLine2;
    GridDrawType m_nGGridDrawType = GRID_NONE;
    GridDrawType m_nKGridDrawType = GRID_NONE;
    QXLOGPEN m_graticulePen;
    QXLOGPEN m_kLinePen;
    double m_dGCrossLength = 200;
    double m_dKCrossLength = 200;
    QXLOGFONT m_graticuleFont;
    QXLOGFONT m_graticuleFont2;
    QXLOGFONT m_kLabelFont;
    QXLOGFONT m_kLabelFont2;
    int m_nGTextDirectionX = 1;
    int m_nGTextDirectionY = 1;
    int m_nKTextDirectionX = 1;
    int m_nKTextDirectionY = 1;
    unsigned m_nKNumCountX2 = 0;
    unsigned m_nKNumCountY2 = 0;
    int m_nUnit = 0;
    FLOATRECT m_extent;
};
