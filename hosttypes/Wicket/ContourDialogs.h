// Dialogs of the scattered-data library that set up contouring: one contour set, several sets.
#pragma once

#include <vector>

#include "hosttypes/Wicket/ScatteredRecords.h"
#include "mfc/Dialog.h"

class CContourDialog : public CDialog {
    DECLARE_DYNAMIC(CContourDialog)
public:
    enum { IDD = 0 };  // the library's own template: none exists here
    explicit CContourDialog(CWnd* parent = nullptr);
    ~CContourDialog() override;

    double m_dMinValue = 0.0;
    double m_dMaxValue = 0.0;
    double m_dStep = 0.0;
    std::vector<CONTOURSTEPVALUE> m_steps;
};

class CDialogMutilContour : public CDialog {
    DECLARE_DYNAMIC(CDialogMutilContour)
public:
    enum { IDD = 0 };  // the library's own template: none exists here
    explicit CDialogMutilContour(CWnd* parent = nullptr);
    ~CDialogMutilContour() override;

    std::vector<std::vector<CONTOURSTEPVALUE>> m_sets;
};
