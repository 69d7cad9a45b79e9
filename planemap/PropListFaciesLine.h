// CPropListFaciesLine: a facies boundary line. Its facies code is its name; choosing a code from
// the well-data library's facies catalogue names every selected line of the type name and gives
// them that facies' standard pen.
#pragma once

#include "planemap/WndLstPlane.h"

class CFaciesTypeManager;

class CPropListFaciesLine : public CWndLstPlane {
public:
    CPropListFaciesLine();
    ~CPropListFaciesLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObject* Target() const;
    void ApplyCode(CQXObject* target, const CString& code);
};

// The facies-code item the facies lists and the control-point list share.
namespace facies {

// The project's facies catalogue; NULL when the project has none.
CFaciesTypeManager* Catalogue();
// A "相类型" text item that offers the codes as options and takes typed text as well.
CBCGPProp* NewCodeItem(DWORD_PTR id);
// Rebuilds the options from the catalogue (none without one), then shows code, enabled, for a
// single selected object, and empty text, disabled, otherwise.
void RefreshCodeItem(CBCGPProp* item, bool single, const CString& code);

}  // namespace facies
