// CDlgErrorStat: the dialog that lists the error statistics of a gridding.
#pragma once

#include <vector>

#include "hosttypes/Rivet/StatData.h"
#include "mfc/Dialog.h"

class CDlgErrorStat : public CDialog {
    DECLARE_DYNAMIC(CDlgErrorStat)
public:
    enum { IDD = 0 };  // the library's own template: none exists here
    explicit CDlgErrorStat(CWnd* parent = nullptr);
    ~CDlgErrorStat() override;

    CStatData m_statData;
};
