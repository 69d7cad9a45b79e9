// CPropListWellAbsence: an absence mark ("缺失标志") flagging a stratum missing at a well: its
// absence type, its well and its point symbol. A symbol edit reaches every selected mark.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectPoint;

class CPropListWellAbsence : public CWndLstPlane {
public:
    enum : DWORD_PTR {
        kTypeId = 2000,
        kAbsenceTypeId = 2001,
        kWellId = 2002,
        kSymbolGroupId = 2003,
        kStyleId = 2004,
        kSizeId = 2005,
        kBorderColorId = 2006,
        kInnerColorId = 2007,
    };

    CPropListWellAbsence();
    ~CPropListWellAbsence() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused size shows the stored size as the refresh shows it.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CQXObjectPoint* Mark() const;
    void ShowStored(CQXObjectPoint* mark, CBCGPProp* item);
};
