#include "hosttypes/Wicket/ContourDialogs.h"

IMPLEMENT_DYNAMIC(CContourDialog, CDialog)
IMPLEMENT_DYNAMIC(CDialogMutilContour, CDialog)

CContourDialog::CContourDialog(CWnd* parent) : CDialog(IDD, parent) {}
CContourDialog::~CContourDialog() = default;

CDialogMutilContour::CDialogMutilContour(CWnd* parent) : CDialog(IDD, parent) {}
CDialogMutilContour::~CDialogMutilContour() = default;
