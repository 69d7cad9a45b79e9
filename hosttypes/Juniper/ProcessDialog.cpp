#include "hosttypes/Juniper/ProcessDialog.h"

IMPLEMENT_DYNAMIC(CProcessDialog, CDialog)

CProcessDialog::CProcessDialog(CWnd* parent) : CDialog(IDD, parent) {}
CProcessDialog::~CProcessDialog() = default;
