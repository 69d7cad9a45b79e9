// CWpLthSample: rock samples taken along the well.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpLthSample : public CWpSegment {
    DECLARE_DYNAMIC(CWpLthSample)
public:
    CWpLthSample();
    ~CWpLthSample() override;
    WPKITTYPE GetWpKitType() override;

    QXLOGPEN GetSegLogPen();
    void SetSegLogPen(QXLOGPEN pen);
    QXLOGPEN GetSmapleLogPen();
    void SetSmapleLogPen(QXLOGPEN pen);
    QXLOGFONT GetMarkLogFont();
    void SetMarkLogFont(QXLOGFONT font);
    int GetMarkInterval();
    void SetMarkInterval(int interval);
    int GetMarkTextVisible();
    void SetMarkTextVisible(int visible);
    int GetMarkTextAlign();
    void SetMarkTextAlign(int align);
    std::string GetTableName();
    std::string GetDepthFiledName();
    std::string GetNumberFiledName();

    // ---- kit library ----
    LogLthSampleDIO* GetData();
    void SetData(LogLthSampleDIO* data);  // NULL detaches the samples
    void SetTableName(const std::string& name);
    void SetDepthFiledName(const std::string& name);
    void SetNumberFiledName(const std::string& name);

protected:
    LogLthSampleDIO* m_pData = nullptr;
    QXLOGPEN m_segLogPen;
    QXLOGPEN m_sampleLogPen;
    QXLOGFONT m_markLogFont;
    int m_nMarkInterval = 0;
    int m_nMarkTextVisible = 0;
    int m_nMarkTextAlign = 0;
    std::string m_strTableName;
    std::string m_strDepthFiledName;
    std::string m_strNumberFiledName;
};
