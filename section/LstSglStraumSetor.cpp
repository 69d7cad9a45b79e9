#include "section/LstSglStraumSetor.h"

#include <vector>

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/SectionTexts.h"
#include "section/StratumGrid.h"

namespace {

constexpr int kLastFlagColumn = 5;

BYTE BitOfColumn(int column) { return static_cast<BYTE>(1u << (column - 1)); }

}  // namespace

CLstSglStraumSetor::CLstSglStraumSetor(CSingleWellSection* section)
    : m_pSection(section),
      m_grid(new CGridCtrl(0, 0, 0, 0)),
      m_nGrade(section ? section->GetProperty()->m_nGrade : 0),
      m_strBottom(BottomStratum()) {}

CLstSglStraumSetor::~CLstSglStraumSetor() {
    // The grid window is a child of the pane: it goes before the pane's own window does.
    if (m_grid->GetSafeHwnd()) m_grid->DestroyWindow();
}

std::string CLstSglStraumSetor::BottomStratum() const {
    const CSglWellAdapter* well = m_pSection ? m_pSection->GetWell() : nullptr;
    return well ? well->GetBottomStratum() : std::string();
}

// A page whose grid cannot be made has no window.
int CLstSglStraumSetor::InitPropWnd() {
    if (!section::CreateStratumGrid(
            *m_grid, this, kGridId,
            {sectiontext::kTopBound, sectiontext::kBottomBound, sectiontext::kFill, sectiontext::kSandBody}))
        return -1;
    BuildRows();
    return 0;
}

void CLstSglStraumSetor::AdjustLayout() {
    AdjustWndLayout(m_grid.get());
    section::LockStratumNames(*m_grid);
}

void CLstSglStraumSetor::BuildRows() {
    std::vector<CSingleProperty::STRATUMINFO> strata;
    if (m_pSection) m_pSection->GetProperty()->GetStratumInfoVec(strata);
    // The end entry stands for the header row.
    m_grid->SetRowCount(static_cast<int>(strata.size()));
    int row = 1;
    for (const CSingleProperty::STRATUMINFO& entry : strata) {
        if (entry.name == kStratumListEnd) break;
        m_grid->SetItemText(row++, kNameColumn, entry.name.c_str());
    }
    section::LockStratumNames(*m_grid);
    // Only the bottom stratum's bottom boundary can be set: any other's is the top of the next.
    const std::string bottom = BottomStratum();
    for (int r = 1; r < m_grid->GetRowCount(); ++r)
        if (m_grid->GetItemText(r, kNameColumn).str() != bottom) section::LockStratumCell(*m_grid, r, kBottomColumn);
    // The list holds each stratum's flags beside its name, row by row (rows past the end entry
    // have neither).
    for (int r = 1; r < m_grid->GetRowCount(); ++r) {
        const BYTE flags = r < row ? strata[static_cast<std::size_t>(r - 1)].flags : 0;
        for (int c = kTopColumn; c < m_grid->GetColumnCount(); ++c)
            if (m_grid->IsCellChangable(r, c))
                m_grid->SetItemText(r, c, (flags & BitOfColumn(c)) ? sectiontext::kTrue : sectiontext::kFalse);
    }
}

// Flags changed elsewhere show only when the grade or the bottom stratum changed too.
void CLstSglStraumSetor::UpdateBCGPProperty(long, CString) {
    if (!m_pSection || !m_grid->GetSafeHwnd()) return;
    const int grade = m_pSection->GetProperty()->m_nGrade;
    const std::string bottom = BottomStratum();
    if (grade == m_nGrade && bottom == m_strBottom) return;
    m_nGrade = grade;
    m_strBottom = bottom;
    m_grid->DeleteNonFixedRows();
    BuildRows();
}

void CLstSglStraumSetor::SetStratumFlag(CSingleWellSection& section, const std::string& stratum, int column, bool on) {
    CSingleProperty& record = *section.GetProperty();
    BYTE flags = 0;
    record.GetStratumUnitInfo(stratum, flags);
    if (column >= kTopColumn && column <= kLastFlagColumn)
        flags = on ? static_cast<BYTE>(flags | BitOfColumn(column)) : static_cast<BYTE>(flags & ~BitOfColumn(column));
    const CSglWellAdapter* well = section.GetWell();
    if (well && stratum == well->GetBottomStratum()) {
        std::vector<CSingleProperty::STRATUMINFO> list;
        record.GetStratumInfoVec(list);
        std::size_t at = 0;
        while (at < list.size() && list[at].name != stratum) ++at;
        // A stratum the list lacks is followed by the empty name; the last one by nothing.
        if (at + 1 != list.size()) {
            const std::string next = at + 1 < list.size() ? list[at + 1].name : std::string();
            BYTE below = 0;
            record.GetStratumUnitInfo(next, below);
            below = (flags & kStratumBottomLine) ? static_cast<BYTE>(below | kStratumTopLine)
                                                 : static_cast<BYTE>(below & ~kStratumTopLine);
            record.SetStratumUnitInfo(next, below);
        }
    }
    record.SetStratumUnitInfo(stratum, flags);
}

// ---- the grid's notifications -------------------------------------------------------------------------

BOOL CLstSglStraumSetor::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (wParam != kGridId) return FALSE;
    const auto* nm = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    if (nm && m_pSection) {
        const int row = nm->iRow;
        const int col = nm->iColumn;
        if ((nm->hdr.code == GVN_ENDLABELEDIT || nm->hdr.code == GVN_SWITCHCHANGED) && row >= 1 &&
            row < m_grid->GetRowCount()) {
            SetStratumFlag(*m_pSection, m_grid->GetItemText(row, kNameColumn).str(), col,
                           m_grid->GetItemText(row, col) == sectiontext::kTrue);
            MarkChanged();
        } else if (nm->hdr.code == GVN_CELLCLICK && row == 0 && m_grid->GetRowCount() > 1) {
            ApplyColumn(col);
            MarkChanged();
        }
    }
    return CWndLst::OnNotify(wParam, lParam, result);
}

void CLstSglStraumSetor::ApplyColumn(int column) {
    const bool on = section::FirstChangeableIsTrue(*m_grid, column);
    for (int r = 1; r < m_grid->GetRowCount(); ++r)
        SetStratumFlag(*m_pSection, m_grid->GetItemText(r, kNameColumn).str(), column, on);
}

void CLstSglStraumSetor::MarkChanged() {
    m_pSection->UpdateWnd();
    if (CQXLayer* layer = m_pSection->GetLayer())
        if (CQXMap* map = layer->GetMap()) map->SetModifyFlag(1);
}
