// The frame that encloses the depth rulers of the section, with its title and inscription.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class ScContainer;
class ScWellPositionor;
class ScWellMgr;

// What the frame's indexed attributes select.
enum RulerFrameColorType {
    RF_COLOR_FRAME = 0,
    RF_COLOR_LR_MAJOR = 1,
    RF_COLOR_LR_MINOR = 2,
    RF_COLOR_LR_LABEL = 3,
    RF_COLOR_H_MAJOR = 4,
    RF_COLOR_H_MINOR = 5,
    RF_COLOR_H_LABEL = 6,
    RF_COLOR_H_GRID = 7,
    RF_COLOR_V_GRID = 8,
    RF_COLOR_TITLE = 9,
    RF_COLOR_INSCRIBE = 10,
    RF_COLOR_COUNT = 11,
};
enum RulerFrameFSizeType {
    RF_SIZE_LR_LABEL = 0,
    RF_SIZE_H_LABEL = 1,
    RF_SIZE_TITLE = 2,
    RF_SIZE_INSCRIBE = 3,
    RF_WIDTH_LR_MAJOR = 4,
    RF_WIDTH_LR_MINOR = 5,
    RF_WIDTH_H_MAJOR = 6,
    RF_WIDTH_H_MINOR = 7,
    RF_WIDTH_H_GRID = 8,
    RF_WIDTH_V_GRID = 9,
    RF_SIZE_COUNT = 10,
};
enum RulerFrameMarkLengthType {
    RF_LENGTH_LR_MAJOR = 0,
    RF_LENGTH_LR_MINOR = 1,
    RF_LENGTH_H_MAJOR = 2,
    RF_LENGTH_H_MINOR = 3,
    RF_LENGTH_COUNT = 4,
};
enum RulerFrameTimesType {
    RF_TIMES_LR_MAJOR = 0,
    RF_TIMES_H_MAJOR = 1,
    RF_TIMES_H_GRID = 2,
    RF_TIMES_V_GRID = 3,
    RF_TIMES_COUNT = 4,
};
enum RulerFrameShowType {
    RF_SHOW_LR = 0,
    RF_SHOW_H = 1,
    RF_SHOW_GRID = 2,
    RF_SHOW_INSCRIBE = 3,
    RF_SHOW_COUNT = 4,
};
enum RulerFramePosType {
    RF_POS_LR = 0,
    RF_POS_H = 1,
    RF_POS_INSCRIBE = 2,
    RF_POS_COUNT = 3,
};
enum RulerFrameLogFontType {
    RF_FONT_LR_LABEL = 0,
    RF_FONT_H_LABEL = 1,
    RF_FONT_TITLE = 2,
    RF_FONT_INSCRIBE = 3,
    RF_FONT_COUNT = 4,
};
// Index of the grid intervals: 0 the vertical grid, 1 the horizontal grid.
constexpr int kRulerFrameVerticalGrid = 0;
constexpr int kRulerFrameHorizontalGrid = 1;

class ScRulerFrame : public ScObjInterface {
public:
    ScRulerFrame();
    ScRulerFrame(const ScRulerFrame&) = default;
    ScRulerFrame& operator=(const ScRulerFrame&) = default;
    ~ScRulerFrame() override;
    SC_DECLARE_ACCEPT()

    void SetVisible(bool visible) { m_bVisible = visible; }
    bool GetVisible() const { return m_bVisible; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    FLOATRECT GetMapRect() const { return m_mapRect; }
    void SetLRMarkInterval(double interval) { m_dLRMarkInterval = interval; }
    double GetLevelMarkInterval() const { return m_dLevelMarkInterval; }
    void SetLevelMarkInterval(double interval) { m_dLevelMarkInterval = interval; }
    CString GetTitleText() const { return m_strTitle; }
    void SetTitleText(std::string title) { m_strTitle = CString(title); }
    double GetTitleOffset() const { return m_dTitleOffset; }
    void SetTitleOffset(double offset) { m_dTitleOffset = offset; }
    CString GetInscribeText() const { return m_strInscribe; }
    void SetInscribeText(CString text) { m_strInscribe = text; }
    void SetInscribeOffset(double offset) { m_dInscribeOffset = offset; }
    void SetContainer(ScContainer* container) { m_pContainer = container; }
    ScContainer* GetContainer() const { return m_pContainer; }
    void SetWSCWellPositionor(ScWellPositionor* positionor) { m_pPositionor = positionor; }
    void SetWSCWellMgr(ScWellMgr* mgr) { m_pWellMgr = mgr; }

    // ---- section-library operations ----
    void SetMapRect(const FLOATRECT& rect);
    void Update();
    // Fits the frame around the rulers again after the wells moved.
    void UpdateRulerFrameRect();

protected:
    bool m_bVisible;
    double m_dZoomFactor;
    FLOATRECT m_mapRect;
    double m_dLRMarkInterval;
    double m_dLevelMarkInterval;
    CString m_strTitle;
    double m_dTitleOffset;
    CString m_strInscribe;
    double m_dInscribeOffset;
    ScContainer* m_pContainer;
    ScWellPositionor* m_pPositionor;
    ScWellMgr* m_pWellMgr;

public:
    double GetLRMarkInterval() const { return m_dLRMarkInterval; }
    double GetInscribeOffset() const { return m_dInscribeOffset; }

    // ---- section-library operations: lines, ticks, grid, fonts and depths of the frame ----
    // Widths, lengths and sizes in hundredths of a millimetre. An index outside its enumeration
    // reads 0 (a default font) and changes nothing.
    unsigned int GetFrameLineStyle() const;
    void SetFrameLineStyle(unsigned int style);
    unsigned int GetFirstGridLineStyle() const;
    void SetFirstGridLineStyle(unsigned int style);
    unsigned int GetSecondGridLineStyle() const;
    void SetSecondGridLineStyle(unsigned int style);
    double GetFrameLineSize() const;
    void SetFrameLineSize(double size);
    // Depths are kept negative (elevation upward).
    double GetStartDepth() const;
    void SetStartDepth(double depth);
    double GetEndDepth() const;
    void SetEndDepth(double depth);
    double GetTimes(RulerFrameTimesType type) const;
    void SetTimes(RulerFrameTimesType type, int times);
    double GetMarkLength(RulerFrameMarkLengthType type) const;
    void SetMarkLength(RulerFrameMarkLengthType type, double length);
    double GetRulerFrameFSize(RulerFrameFSizeType type) const;
    void SetRulerFrameFSize(RulerFrameFSizeType type, double size);
    double GetGridInterval(int grid) const;
    void SetGridInterval(int grid, double interval);
    COLORREF GetMarkClr(RulerFrameColorType type) const;
    void SetMarkClr(RulerFrameColorType type, COLORREF color);
    bool GetShow(RulerFrameShowType type) const;
    void SetShow(RulerFrameShowType type, bool show);
    int GetPos(RulerFramePosType type) const;
    void SetPos(RulerFramePosType type, int pos);
    QXLOGFONT GetRulerFrameFont(RulerFrameLogFontType type) const;
    void SetRulerFrameFont(RulerFrameLogFontType type, QXLOGFONT font);

protected:
    unsigned int m_nFrameLineStyle = 1001;
    unsigned int m_nFirstGridLineStyle = 1001;
    unsigned int m_nSecondGridLineStyle = 1001;
    double m_dFrameLineSize = 0;
    double m_dStartDepth = 0;
    double m_dEndDepth = 0;
    double m_times[RF_TIMES_COUNT] = {};
    double m_markLengths[RF_LENGTH_COUNT] = {};
    double m_sizes[RF_SIZE_COUNT] = {};
    double m_gridIntervals[2] = {};
    COLORREF m_colors[RF_COLOR_COUNT] = {};
    bool m_shows[RF_SHOW_COUNT] = {true, true, true, true};
    int m_positions[RF_POS_COUNT] = {};
    QXLOGFONT m_fonts[RF_FONT_COUNT];
};
