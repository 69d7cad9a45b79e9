#include "hosttypes/Rivet/DlgErrorStat.h"

IMPLEMENT_DYNAMIC(CDlgErrorStat, CDialog)

CDlgErrorStat::CDlgErrorStat(CWnd* parent) : CDialog(IDD, parent) {}
CDlgErrorStat::~CDlgErrorStat() = default;
