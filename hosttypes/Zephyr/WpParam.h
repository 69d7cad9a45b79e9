// CWpParam: parameter values per interval, drawn as lines, points, texts and fills.
#pragma once

#include <boost/shared_ptr.hpp>
#include <list>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class LogParaDMgrIO;

class CWpParam : public CWpContent {
    DECLARE_DYNAMIC(CWpParam)
public:
    CWpParam();
    ~CWpParam() override;
    WPKITTYPE GetWpKitType() override;  // kit library

    int GetSegCount();
    std::list<boost::shared_ptr<CgParamSegment>>& GetSegList();
    void SetState(int state);
    float GetBLWidth();
    void SetBLWidth(float width);
    COLORREF GetBLColor();
    void SetBLColor(COLORREF color);
    QXLOGPEN& GetLineType();
    void SetLineType(const QXLOGPEN& pen);
    QXLOGPOINT& GetPointType();
    void SetPointType(const QXLOGPOINT& point);
    // The text font, under both names the callers use.
    QXLOGFONT& GetTextType();
    void SetTextType(const QXLOGFONT& font);
    QXLOGFONT& GetTextFont();
    void SetTextFont(const QXLOGFONT& font);
    bool IsFillVisible();
    void SetFillVisible(bool visible);
    QXLOGBRUSH& GetRectFillBrush();
    void SetRectFillBrush(const QXLOGBRUSH& brush);
    CString GetDataType();
    void SetDataType(CString type);
    CString GetDataTable();
    void SetDataTable(CString table);
    CString GetDataField();
    void SetDataField(CString field);
    // Which lines, points and texts are drawn.
    bool IsTopHLine();
    void SetTopHLine(bool visible);
    bool IsMidHLine();
    void SetMidHLine(bool visible);
    bool IsBottomHLine();
    void SetBottomHLine(bool visible);
    bool IsLeftVLine();
    void SetLeftVLine(bool visible);
    bool IsMidVLine();
    void SetMidVLine(bool visible);
    bool IsRightVLine();
    void SetRightVLine(bool visible);
    bool IsTopPoint();
    void SetTopPoint(bool visible);
    bool IsMidPoint();
    void SetMidPoint(bool visible);
    bool IsBottomPoint();
    void SetBottomPoint(bool visible);
    bool IsTopHText();
    void SetTopHText(bool visible);
    bool IsMidHText();
    void SetMidHText(bool visible);
    bool IsBottomHText();
    void SetBottomHText(bool visible);
    bool IsLeftVText();
    void SetLeftVText(bool visible);
    bool IsMidVText();
    void SetMidVText(bool visible);
    bool IsRightVText();
    void SetRightVText(bool visible);
    // Style-template names.
    CString GetLineTypeTemp();
    void SetLineTypeTemp(const CString& name);
    CString GetLineSizeTemp();
    void SetLineSizeTemp(const CString& name);
    CString GetLineColorTemp();
    void SetLineColorTemp(const CString& name);
    CString GetPointTypeTemp();
    void SetPointTypeTemp(const CString& name);
    CString GetPointSizeTemp();
    void SetPointSizeTemp(const CString& name);
    CString GetPointColorTemp();
    void SetPointColorTemp(const CString& name);
    CString GetTextTypeTemp();
    void SetTextTypeTemp(const CString& name);
    CString GetTextSizeTemp();
    void SetTextSizeTemp(const CString& name);
    CString GetTextColorTemp();
    void SetTextColorTemp(const CString& name);
    CString GetRectTypeTemp();
    void SetRectTypeTemp(const CString& name);
    CString GetRectSizeTemp();
    void SetRectSizeTemp(const CString& name);
    CString GetRectBColorTemp();
    void SetRectBColorTemp(const CString& name);
    CString GetRectIColorTemp();
    void SetRectIColorTemp(const CString& name);

    // ---- data source, empty values and the active interval (kit library) ----
    // Stores the source (type, table, field) and reloads the values; true.
    bool SetData(CString type, CString table, CString field);
    // The catalogue of tables and fields the kit's sources offer; NULL when there is none.
    LogParaDMgrIO* GetDataInfo();
    void SetDataInfo(LogParaDMgrIO* info);
    bool IsNullDisplay();
    void SetNullDisplay(bool display);
    // The active interval: depths 0 and an empty value when there is none.
    double GetActiveSegTopDepth();
    double GetActiveSegBotDepth();
    CString GetActiveSegValue();
    void SetActiveSegValue(CString value);
    void SetActiveSeg(double top, double bottom, CString value);

protected:
    std::list<boost::shared_ptr<CgParamSegment>> m_segments;
    int m_nState = 0;
    float m_fBLWidth = 0;
    COLORREF m_blColor = 0;
    QXLOGPEN m_lineType;
    QXLOGPOINT m_pointType;
    QXLOGFONT m_textType;
    bool m_bFillVisible = false;
    QXLOGBRUSH m_rectFillBrush;
    CString m_strDataType;
    CString m_strDataTable;
    CString m_strDataField;
    bool m_bTopHLine = false;
    bool m_bMidHLine = false;
    bool m_bBottomHLine = false;
    bool m_bLeftVLine = false;
    bool m_bMidVLine = false;
    bool m_bRightVLine = false;
    bool m_bTopPoint = false;
    bool m_bMidPoint = false;
    bool m_bBottomPoint = false;
    bool m_bTopHText = false;
    bool m_bMidHText = false;
    bool m_bBottomHText = false;
    bool m_bLeftVText = false;
    bool m_bMidVText = false;
    bool m_bRightVText = false;
    CString m_strLineTypeTemp;
    CString m_strLineSizeTemp;
    CString m_strLineColorTemp;
    CString m_strPointTypeTemp;
    CString m_strPointSizeTemp;
    CString m_strPointColorTemp;
    CString m_strTextTypeTemp;
    CString m_strTextSizeTemp;
    CString m_strTextColorTemp;
    CString m_strRectTypeTemp;
    CString m_strRectSizeTemp;
    CString m_strRectBColorTemp;
    CString m_strRectIColorTemp;
    // Kit library.
    LogParaDMgrIO* m_pDataInfo;
    bool m_bNullDisplay = false;
    double m_dActiveTop = 0;
    double m_dActiveBottom = 0;
    CString m_strActiveValue;
};
