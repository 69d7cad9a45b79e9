// CWpIntegratedCore: coring runs with core length, footage and recovery.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpIntegratedCore : public CWpSegment {
    DECLARE_DYNAMIC(CWpIntegratedCore)
public:
    enum HorizontalAlign : int { ALIGN_LEFT = 0, ALIGN_CENTER = 1, ALIGN_RIGHT = 2 };

    CWpIntegratedCore();
    ~CWpIntegratedCore() override;

    DATATYPE GetDataSource();
    void SetDataSource(DATATYPE source);
    std::string GetTable();
    void SetTable(const std::string& table);
    std::string GetCoreTubeField();
    void SetCoreTubeField(const std::string& field);
    std::string GetCoreLengthField();
    void SetCoreLengthField(const std::string& field);
    std::string GetCoreFootageField();
    void SetCoreFootageField(const std::string& field);
    bool GetShowTopBtm();
    void SetShowTopBtm(bool show);
    bool GetShowCore();
    void SetShowCore(bool show);
    bool GetShowRecovery();
    void SetShowRecovery(bool show);
    QXLOGBRUSH GetBackColor();
    void SetBackColor(QXLOGBRUSH brush);
    bool GetBackColorOpen();
    void SetBackColorOpen(bool open);
    HorizontalAlign GetHorizontalAlign();
    void SetHorizontalAlign(HorizontalAlign align);
    QXLOGFONT GetTextFont();
    void SetTextFont(QXLOGFONT font);
    QXLOGPEN GetLinePen();
    void SetLinePen(QXLOGPEN pen);

    // ---- kit library: the data name made of table and fields, the values of the active run ----
    CString ComposeDataName();
    CString GetDataName();
    // Each changes the active run (nothing without one); depths are drawing positions.
    void SetSelectCoreTopDep(double depth);
    void SetSelectCoreBtmDep(double depth);
    void SetSelectCoreTube(double tube);
    void SetSelectCoreLen(double length);

protected:
    CString m_strDataName;
    DATATYPE m_dataSource = DATA_WELL;
    std::string m_strTable;
    std::string m_strCoreTubeField;
    std::string m_strCoreLengthField;
    std::string m_strCoreFootageField;
    bool m_bShowTopBtm = false;
    bool m_bShowCore = false;
    bool m_bShowRecovery = false;
    QXLOGBRUSH m_backColor;
    bool m_bBackColorOpen = false;
    HorizontalAlign m_horizontalAlign = ALIGN_LEFT;
    QXLOGFONT m_textFont;
    QXLOGPEN m_linePen;
};
