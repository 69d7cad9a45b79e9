#include "chart/DlgRange.h"

#include <cmath>

#include "chart/ChartTexts.h"
#include "framework/NumberText.h"
#include "hosttypes/Thistle/Plots.h"
#include "resources/ModuleResources.h"

using namespace charttext;

IMPLEMENT_DYNAMIC(CDlgRange, CDialog)

namespace {
// A change smaller than this is no change.
constexpr double kTolerance = 0.0001;

void ShowBound(const char* format, double bound) {
    CString message;
    message.Format(format, numtext::Shown(bound, 6));  // "%f"
    AfxMessageBox(message);
}
}  // namespace

void CDlgRange::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_RANGE_LEFT, m_dLeft);
    DDX_Text(dx, IDC_RANGE_RIGHT, m_dRight);
}

BOOL CDlgRange::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CClassEntity* entity = m_pManager ? m_pManager->GetClassEntity(m_nIndex) : nullptr) {
        m_dLeft = entity->m_dMin;
        m_dRight = entity->m_dMax;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDlgRange::OnOK() {
    if (!UpdateData(TRUE)) return;
    CClassEntity* entity = m_pManager ? m_pManager->GetClassEntity(m_nIndex) : nullptr;
    if (!entity) return;
    if (m_dRight < m_dLeft) {
        AfxMessageBox(kLeftNotBelowRight);
        return;
    }
    CClassEntity* previous = m_nIndex > 0 ? m_pManager->GetClassEntity(m_nIndex - 1) : nullptr;
    CClassEntity* next = m_pManager->GetClassEntity(m_nIndex + 1);

    const bool leftChanged = std::fabs(m_dLeft - entity->m_dMin) > kTolerance;
    if (leftChanged) {
        if (!previous) {
            AfxMessageBox(kLeftFixed);
            m_dLeft = entity->m_dMin;
            UpdateData(FALSE);
            return;
        }
        if (!(previous->m_dMin < m_dLeft)) {
            ShowBound(kLeftTooSmall, previous->m_dMin);
            return;
        }
    }
    const bool rightChanged = std::fabs(m_dRight - entity->m_dMax) > kTolerance;
    if (rightChanged) {
        if (!next) {
            AfxMessageBox(kRightFixed);
            m_dRight = entity->m_dMax;
            UpdateData(FALSE);
            return;
        }
        if (next->m_dMax <= m_dRight) {
            ShowBound(kRightTooLarge, next->m_dMax);
            return;
        }
    }
    // Only now that both sides passed is anything changed.
    if (leftChanged) {
        previous->m_dMax = m_dLeft;
        entity->m_dMin = m_dLeft;
    }
    if (rightChanged) {
        next->m_dMin = m_dRight;
        entity->m_dMax = m_dRight;
    }
    CDialog::OnOK();
}
