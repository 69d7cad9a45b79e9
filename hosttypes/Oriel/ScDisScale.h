// A distance scale bar of the section, and the depth scale built the same way.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"

class ScDisScaleMgr;

class ScDisScale : public ScObjInterface {
public:
    ScDisScale();
    ScDisScale(const ScDisScale&) = default;
    ScDisScale& operator=(const ScDisScale&) = default;
    ~ScDisScale() override;
    SC_DECLARE_ACCEPT()

    FLOATRECT GetMapRect() const { return m_mapRect; }
    int GetStep() const { return m_nStep; }
    // Only a positive height is taken: 0, negatives and NaN keep the bar drawable.
    void SetHeight(double height) {
        if (height > 0) m_dHeight = height;
    }
    double GetHeight() const { return m_dHeight; }
    void SetDisScaleMgr(ScDisScaleMgr* mgr) { m_pMgr = mgr; }
    ScDisScaleMgr* GetDisScaleMgr() const { return m_pMgr; }

    // ---- section-library operations ----
    void SetMapRect(const FLOATRECT& rect);
    void SetStep(int step);
    CString GetScaleName() const;
    void Update();

protected:
    FLOATRECT m_mapRect;
    int m_nStep;
    double m_dHeight;
    ScDisScaleMgr* m_pMgr;

    // ---- section-library operations: caption, ticks, labels and line of the bar ----
    // Lengths, sizes and offsets in hundredths of a millimetre, the tick interval in tenths.
public:
    CString GetContent() const;
    void SetContent(CString text);
    double GetContentOffset() const;
    void SetContentOffset(double offset);
    QXLOGFONT GetContentFont() const;
    void SetContentFont(QXLOGFONT font);
    double GetContentSize() const;
    void SetContentSize(double size);
    COLORREF GetContentColor() const;
    void SetContentColor(COLORREF color);
    // The bar's drawing style, 0 to 6.
    int GetStyle() const;
    void SetStyle(int style);
    double GetInterval() const;
    void SetInterval(double interval);
    // The unit written after the last label.
    CString GetWordText() const;
    void SetWordText(CString text);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    double GetLogSize() const;
    void SetLogSize(double size);
    COLORREF GetLogColor() const;
    void SetLogColor(COLORREF color);
    // Label alignment: 1 centred, 0 left.
    int GetAglin() const;
    void SetAglin(int align);
    // Decimal places of the labels.
    int GetDigit() const;
    void SetDigit(int digits);
    COLORREF GetLineColor() const;
    void SetLineColor(COLORREF color);
    unsigned int GetLineStyle() const;
    void SetLineStyle(unsigned int style);
    double GetLineSize() const;
    void SetLineSize(double size);

protected:
    CString m_strContent;
    double m_dContentOffset = 0;
    QXLOGFONT m_contentFont;
    double m_dContentSize = 0;
    COLORREF m_contentColor = 0;
    int m_nStyle = 0;
    double m_dInterval = 0;
    CString m_strWordText;
    QXLOGFONT m_logFont;
    double m_dLogSize = 0;
    COLORREF m_logColor = 0;
    int m_nAlign = 1;
    int m_nDigit = 0;
    COLORREF m_lineColor = 0;
    unsigned int m_nLineStyle = 1001;
    double m_dLineSize = 0;
};

class ScDepthScale : public ScDisScale {
public:
    ScDepthScale();
    ScDepthScale(const ScDepthScale&) = default;
    ScDepthScale& operator=(const ScDepthScale&) = default;
    ~ScDepthScale() override;
    SC_DECLARE_ACCEPT()
};
