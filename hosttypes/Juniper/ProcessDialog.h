// CProcessDialog: the progress dialog of long operations (a caption, a range and a position).
#pragma once

#include "mfc/Dialog.h"

class CProcessDialog : public CDialog {
    DECLARE_DYNAMIC(CProcessDialog)
public:
    enum { IDD = 0 };  // the library's own template: none exists here
    explicit CProcessDialog(CWnd* parent = nullptr);
    ~CProcessDialog() override;

    CString m_strCaption;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPosition = 0;
};
