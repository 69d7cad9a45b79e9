// CWpFacies: sedimentary facies along the well.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpFacies : public CWpSegment {
    DECLARE_DYNAMIC(CWpFacies)
public:
    CWpFacies();
    ~CWpFacies() override;
    WPKITTYPE GetWpKitType() override;

    QXLOGPEN& GetDivideLinePen();
    void SetDivideLinePen(const QXLOGPEN& pen);
    bool IsDivideLineVisible();
    void SetDivideLineVisible(bool visible);

    // ---- kit library ----
    LogFaciesDIO* GetData();
    void SetData(LogFaciesDIO* data);
    bool IsFaciesNameShow();
    void ShowFaciesName(bool show);
    QXLOGFONT GetFaciesNameFont();
    void SetFaciesNameFont(const QXLOGFONT& font);
    // The facies name of interval seg; empty, or false from the setter, for an index outside.
    CString GetFaciesName(int seg);
    bool SetFaciesName(const CString& name, int seg);
    // The facies types, shared by every facies kit.
    LogFaciesTypeMgrIO* GetFaciesTypeMgr();

    // Where the facies come from; read and assigned directly by the lists.
    FACIESSOURCE m_faciesSource = FACIES_GRAPHIC;

protected:
    LogFaciesDIO* m_pData = nullptr;
    bool m_bFaciesNameShow = false;
    QXLOGFONT m_faciesNameFont;
    std::vector<CString> m_faciesNames;
    QXLOGPEN m_divideLinePen;
    bool m_bDivideLineVisible = false;

private:
    // Dragging a segment's edges: not done by this version of the kit.
    virtual void MoveSeg(int seg, double depth);
    virtual void MoveSegP(int seg, double depth, int edge);
};
