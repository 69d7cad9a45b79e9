// CWpWaterEntry: water-entry (production profile) curves; CWpProgram: the drilling program.
#pragma once

#include <vector>

#include "hosttypes/Zephyr/WpContent.h"
#include "mfc/Collections.h"

class CWpWaterEntry : public CWpContent {
    DECLARE_DYNAMIC(CWpWaterEntry)
public:
    CWpWaterEntry();
    ~CWpWaterEntry() override;
    WPKITTYPE GetWpKitType() override;

    // Kit library: true for a production profile, false for an injection profile.
    bool IsProductedFluid();
    void SetProductedFluid(bool produced);

    // ---- production and injection profile settings (kit library) ----
    // Where the bars' values come from: the source type ("当前井", "图形", "离散数据"), the
    // scattered-data table and its time column, the start and end date.
    CString GetSourceType();
    void SetSourceType(CString type);
    CString GetScattTable();
    void SetScattTable(CString table);
    CString GetScattTimeField();
    void SetScattTimeField(CString field);
    CString GetStartDate();
    void SetStartDate(CString date);
    CString GetEndDate();
    void SetEndDate(CString date);
    // Parameters shown and parameters available.
    int GetParamNumber();
    void SetParamNumber(int count);
    int GetParamMaxNum();
    void SetParamMaxNum(int count);
    // Bar width; the top and bottom lines: drawn, style, width (hundredths of the shown value), colour.
    double GetDrawWidth();
    void SetDrawWidth(double width);
    int GetDrawDepthLine();
    void EnableDepthLine(int draw);
    unsigned GetDepthLineStyle();
    void SetDepthLineStyle(unsigned style);
    double GetDepthLineWidth();
    void SetDepthLineWidth(double width);
    COLORREF GetDepthLineColor();
    void SetDepthLineColor(COLORREF color);
    // Parameter i (from 0): its field, value range, colour, decimals and value labels (drawn, face,
    // height in hundredths of the shown size, colour, alignment 0 left, 1 centre, 2 right).
    CString GetParamName(int i);
    void SetParamName(int i, CString name);
    double GetParamLeft(int i);
    void SetParamLeft(int i, double value);
    double GetParamRight(int i);
    void SetParamRight(int i, double value);
    COLORREF GetParamColor(int i);
    void SetParamColor(int i, COLORREF color);
    int GetParamDigits(int i);
    void SetParamDigits(int i, int digits);
    bool GetParamDraw(int i);
    void SetParamDraw(int i, bool draw);
    CString GetParamFontName(int i);
    void SetParamFontName(int i, CString face);
    float GetParamFontHeight(int i);
    void SetParamFontHeight(int i, float height);
    COLORREF GetParamFontColor(int i);
    void SetParamFontColor(int i, COLORREF color);
    int GetParamFontHAlign(int i);
    void SetParamFontHAlign(int i, int align);
    // The virtual after those of the content kit: the kit lets go of the values it read from its
    // previous source (the last step of a source reset).
    virtual void ClearProfileData();

    // Read directly: the dates and the fields the kit's source offers.
    CStringArray m_arrDate;
    CStringArray m_arrField;

protected:
    bool m_bProductedFluid = true;

    // One parameter's settings.
    struct ProfileParam {
        CString name;
        double left = 0;
        double right = 100;
        COLORREF color = 0;
        int digits = 0;
        bool draw = false;
        CString fontName = "宋体";
        float fontHeight = 300;
        COLORREF fontColor = 0;
        int fontHAlign = 1;
    };
    ProfileParam* Param(int i);

    CString m_strSourceType = "当前井";
    CString m_strScattTable;
    CString m_strScattTimeField;
    CString m_strStartDate;
    CString m_strEndDate;
    int m_nParamNumber = 0;
    int m_nParamMaxNum = 0;
    double m_dDrawWidth = 1;
    int m_nDrawDepthLine = 0;
    unsigned m_nDepthLineStyle = 1;
    double m_dDepthLineWidth = 100;
    COLORREF m_depthLineColor = 0;
    std::vector<ProfileParam> m_params;
};

class CWpProgram : public CWpContent {
    DECLARE_DYNAMIC(CWpProgram)
public:
    CWpProgram();
    ~CWpProgram() override;
    WPKITTYPE GetWpKitType() override;
};
