// Well graphs on maps: the graph of one well (a map object) and the kinds of objects it draws
// (curves, strata, depth scale, sands, facies, synthesis and result columns).
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectWellGraph : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectWellGraph)
public:
    explicit CQXObjectWellGraph(CQXLayer* layer = nullptr);
    CQXObjectWellGraph(const CQXObjectWellGraph& other);
    CQXObjectWellGraph& operator=(const CQXObjectWellGraph&) = default;
    ~CQXObjectWellGraph() override;

    QXLOGPOINT GetPointOption() const { return m_pointOption; }
    CString GetWellName() const { return m_strWellName; }
    void SetWellName(const CString& name) { m_strWellName = name; }

    // ---- well-graph library operations: title, interval and head pen ----
    CString GetTitle() const;
    void SetTitle(const char* title);
    CString GetStartStratum() const;
    void SetStartStratum(const char* name);
    CString GetStopStratum() const;
    void SetStopStratum(const char* name);
    void GetHeadLogPen(QXLOGPEN* pen) const;
    void SetHeadLogPen(QXLOGPEN* pen);

protected:
    CString m_strWellName;
    QXLOGPOINT m_pointOption;
    CString m_strTitle;
    CString m_strStartStratum;
    CString m_strStopStratum;
    QXLOGPEN m_headPen;
};

// The base of the objects a well graph draws.
class CQXObjectWellGraphObject : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphObject)
public:
    explicit CQXObjectWellGraphObject(CQXLayer* layer = nullptr);
    CQXObjectWellGraphObject(const CQXObjectWellGraphObject& other);
    CQXObjectWellGraphObject& operator=(const CQXObjectWellGraphObject&) = default;
    ~CQXObjectWellGraphObject() override;

    int GetTiltleDirection() const { return m_nTitleDirection; }
    QXLOGFONT GetScaleFont() const { return m_scaleFont; }
    QXLOGPEN GetFramePen() const { return m_framePen; }
    QXLOGFONT GetNameFont() const { return m_nameFont; }

protected:
    int m_nTitleDirection = 0;
    QXLOGFONT m_scaleFont;
    QXLOGPEN m_framePen;
    QXLOGFONT m_nameFont;
};

class CQXObjectWellGraphCurve : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphCurve)
public:
    explicit CQXObjectWellGraphCurve(CQXLayer* layer = nullptr);
    CQXObjectWellGraphCurve(const CQXObjectWellGraphCurve& other);
    CQXObjectWellGraphCurve& operator=(const CQXObjectWellGraphCurve&) = default;
    ~CQXObjectWellGraphCurve() override;

    // The name of the data the curve shows.
    CString GetDataBase() const { return m_strDataBase; }

protected:
    CString m_strDataBase;
};

class CQXObjectWellGraphStratum : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphStratum)
public:
    explicit CQXObjectWellGraphStratum(CQXLayer* layer = nullptr);
    CQXObjectWellGraphStratum(const CQXObjectWellGraphStratum& other);
    CQXObjectWellGraphStratum& operator=(const CQXObjectWellGraphStratum&) = default;
    ~CQXObjectWellGraphStratum() override;

    int IsLineVisible() const { return m_nLineVisible; }
    int IsPointVisible() const { return m_nPointVisible; }
    int IsTextVisible() const { return m_nTextVisible; }
    int IsFaultPointVisible() const { return m_nFaultPointVisible; }
    QXLOGPOINT GetFaultPoint() const { return m_faultPoint; }
    QXLOGPOINT GetDividePoint() const { return m_dividePoint; }
    QXLOGPEN GetPen() const { return m_pen; }

protected:
    int m_nLineVisible = 1;
    int m_nPointVisible = 1;
    int m_nTextVisible = 1;
    int m_nFaultPointVisible = 1;
    QXLOGPOINT m_faultPoint;
    QXLOGPOINT m_dividePoint;
    QXLOGPEN m_pen;
};

class CQXObjectWellGraphDepth : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphDepth)
public:
    explicit CQXObjectWellGraphDepth(CQXLayer* layer = nullptr);
    CQXObjectWellGraphDepth(const CQXObjectWellGraphDepth& other);
    CQXObjectWellGraphDepth& operator=(const CQXObjectWellGraphDepth&) = default;
    ~CQXObjectWellGraphDepth() override;

    QXLOGFONT GetFont() const { return m_font; }
    double GetInterval() const { return m_dInterval; }
    QXLOGPEN GetPen() const { return m_pen; }
    int GetWidenFrequency() const { return m_nWidenFrequency; }
    int GetLeftMark() const { return m_nLeftMark; }
    int GetRightMark() const { return m_nRightMark; }

protected:
    QXLOGFONT m_font;
    double m_dInterval = 10.0;  // metres between marks
    QXLOGPEN m_pen;
    int m_nWidenFrequency = 5;  // every fifth mark is long
    int m_nLeftMark = 1;
    int m_nRightMark = 0;
};

class CQXObjectWellGraphSandStratum : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphSandStratum)
public:
    explicit CQXObjectWellGraphSandStratum(CQXLayer* layer = nullptr);
    CQXObjectWellGraphSandStratum(const CQXObjectWellGraphSandStratum& other);
    CQXObjectWellGraphSandStratum& operator=(const CQXObjectWellGraphSandStratum&) = default;
    ~CQXObjectWellGraphSandStratum() override;

    std::vector<QXLOGFONT> GetTextOptions() const { return m_textOptions; }
    std::vector<QXLOGPEN> GetLineOptions() const { return m_lineOptions; }
    std::vector<QXLOGBRUSH> GetFillOptions() const { return m_fillOptions; }
    int IsShootData() const { return m_nShootData; }

protected:
    std::vector<QXLOGFONT> m_textOptions;
    std::vector<QXLOGPEN> m_lineOptions;
    std::vector<QXLOGBRUSH> m_fillOptions;
    int m_nShootData = 0;
};

class CQXObjectWellGraphSand : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphSand)
public:
    explicit CQXObjectWellGraphSand(CQXLayer* layer = nullptr);
    CQXObjectWellGraphSand(const CQXObjectWellGraphSand& other);
    CQXObjectWellGraphSand& operator=(const CQXObjectWellGraphSand&) = default;
    ~CQXObjectWellGraphSand() override;

    int IsLineVisible() const { return m_nLineVisible; }
    int IsFillVisible() const { return m_nFillVisible; }
    int IsTextVisible() const { return m_nTextVisible; }
    QXLOGPEN GetPen() const { return m_pen; }
    QXLOGFONT GetFont() const { return m_font; }
    QXLOGBRUSH GetBrush() const { return m_brush; }
    int GetLineType() const { return m_nLineType; }

protected:
    int m_nLineVisible = 1;
    int m_nFillVisible = 1;
    int m_nTextVisible = 1;
    QXLOGPEN m_pen;
    QXLOGFONT m_font;
    QXLOGBRUSH m_brush;
    int m_nLineType = 0;
};

class CQXObjectWellGraphFacies : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphFacies)
public:
    explicit CQXObjectWellGraphFacies(CQXLayer* layer = nullptr);
    CQXObjectWellGraphFacies(const CQXObjectWellGraphFacies& other);
    CQXObjectWellGraphFacies& operator=(const CQXObjectWellGraphFacies&) = default;
    ~CQXObjectWellGraphFacies() override;

    // Stored as ints; only 1 means yes.
    bool GetInterlineVisible() const { return m_nInterlineVisible == 1; }
    bool IsFaciesCode() const { return m_nFaciesCode == 1; }
    QXLOGPEN GetPen() const { return m_pen; }
    QXLOGFONT GetFont() const { return m_font; }
    int GetScaleType() const { return m_nScaleType; }

protected:
    int m_nInterlineVisible = 1;
    int m_nFaciesCode = 0;
    QXLOGPEN m_pen;
    QXLOGFONT m_font;
    int m_nScaleType = 0;
};

// Positions of the synthesis column's lines, texts and points.
enum WellGraphSynthesisPosition : int {
    WGS_TOP = 0,
    WGS_MIDDLE = 1,
    WGS_BOTTOM = 2,
    WGS_LEFT = 3,
    WGS_CENTER = 4,
    WGS_RIGHT = 5,
    WGS_POSITION_COUNT = 6,
};

class CQXObjectWellGraphSynthesis : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphSynthesis)
public:
    explicit CQXObjectWellGraphSynthesis(CQXLayer* layer = nullptr);
    CQXObjectWellGraphSynthesis(const CQXObjectWellGraphSynthesis& other);
    CQXObjectWellGraphSynthesis& operator=(const CQXObjectWellGraphSynthesis&) = default;
    ~CQXObjectWellGraphSynthesis() override;

    // A position outside WGS_TOP ... WGS_RIGHT shows nothing and has default styles.
    int IsLineVisible(int position) const { return Valid(position) ? m_lineVisible[position] : 0; }
    int IsTextVisible(int position) const { return Valid(position) ? m_textVisible[position] : 0; }
    int IsPointVisible(int position) const { return Valid(position) ? m_pointVisible[position] : 0; }
    int IsFillVisible() const { return m_nFillVisible; }
    QXLOGPEN GetLineOption(int position) const { return Valid(position) ? m_lineOptions[position] : QXLOGPEN(); }
    QXLOGFONT GetTextOption(int position) const { return Valid(position) ? m_textOptions[position] : QXLOGFONT(); }
    QXLOGPOINT GetPointOption(int position) const { return Valid(position) ? m_pointOptions[position] : QXLOGPOINT(); }
    QXLOGBRUSH GetFillOption() const { return m_fillOption; }

protected:
    static bool Valid(int position) { return position >= 0 && position < WGS_POSITION_COUNT; }

    int m_lineVisible[WGS_POSITION_COUNT] = {};
    int m_textVisible[WGS_POSITION_COUNT] = {};
    int m_pointVisible[WGS_POSITION_COUNT] = {};
    int m_nFillVisible = 0;
    QXLOGPEN m_lineOptions[WGS_POSITION_COUNT];
    QXLOGFONT m_textOptions[WGS_POSITION_COUNT];
    QXLOGPOINT m_pointOptions[WGS_POSITION_COUNT];
    QXLOGBRUSH m_fillOption;
};

class CQXObjectWellGraphResult : public CQXObjectWellGraphObject {
    DECLARE_DYNAMIC(CQXObjectWellGraphResult)
public:
    explicit CQXObjectWellGraphResult(CQXLayer* layer = nullptr);
    CQXObjectWellGraphResult(const CQXObjectWellGraphResult& other);
    CQXObjectWellGraphResult& operator=(const CQXObjectWellGraphResult&) = default;
    ~CQXObjectWellGraphResult() override;

    QXLOGPEN GetBodyPen() const { return m_bodyPen; }

protected:
    QXLOGPEN m_bodyPen;
};
