#include "section/LstStratumSetor.h"

#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "section/SectionTexts.h"
#include "section/StratumGrid.h"

namespace {

struct FeatureColumn {
    CLstStratumSetor::Feature feature;
    const char* caption;
    unsigned char bit;
};
const FeatureColumn kFeatureColumns[] = {
    {CLstStratumSetor::kFeatureTopBound, sectiontext::kTopBound, 0x01},
    {CLstStratumSetor::kFeatureBottomBound, sectiontext::kBottomBound, 0x02},
    {CLstStratumSetor::kFeatureFill, sectiontext::kFill, 0x04},
    {CLstStratumSetor::kFeatureSand, sectiontext::kSandBody, 0x08},
    {CLstStratumSetor::kFeatureName, sectiontext::kStratumName, 0x10},
};

const FeatureColumn& ColumnDef(CLstStratumSetor::Feature feature) { return kFeatureColumns[feature - 1]; }

boost::shared_ptr<CMapProperty> Record() { return CMapPropertySignle::Instance()->GetProperty(); }

}  // namespace

std::vector<CLstStratumSetor::Feature> CLstStratumSetor::FeaturesOfKind(int kind) {
    switch (kind) {
        case 1:
            return {kFeatureTopBound, kFeatureBottomBound, kFeatureFill, kFeatureName};
        case 2:
        case 3:
            return {kFeatureTopBound, kFeatureBottomBound, kFeatureFill, kFeatureSand, kFeatureName};
        case 4:
            return {kFeatureTopBound, kFeatureBottomBound, kFeatureFill, kFeatureSand};
        default:
            return {};
    }
}

unsigned char CLstStratumSetor::BitOf(Feature feature) { return ColumnDef(feature).bit; }

CLstStratumSetor::CLstStratumSetor(ScContainer* container, int kind)
    : m_grid(new CGridCtrl(0, 0, 0, 0)),
      m_pContainer(container),
      m_nLevel(0),
      m_nKind(kind),
      m_features(FeaturesOfKind(kind)) {
    if (const boost::shared_ptr<CMapProperty> record = Record()) {
        m_nLevel = record->m_nGrade;
        m_strBottom = record->m_strBottomStratum;
    }
}

CLstStratumSetor::~CLstStratumSetor() {
    // The grid window is a child of the pane: it goes before the pane's own window does.
    if (m_grid->GetSafeHwnd()) m_grid->DestroyWindow();
}

// A page whose grid cannot be made has no window.
int CLstStratumSetor::InitPropWnd() {
    std::vector<const char*> captions;
    for (Feature feature : m_features) captions.push_back(ColumnDef(feature).caption);
    if (!section::CreateStratumGrid(*m_grid, this, kGridId, captions)) return -1;
    BuildRows();
    return 0;
}

void CLstStratumSetor::AdjustLayout() {
    AdjustWndLayout(m_grid.get());
    section::LockStratumNames(*m_grid);
}

void CLstStratumSetor::BuildRows() {
    const boost::shared_ptr<CMapProperty> record = Record();
    const std::vector<CMapProperty::StratumEntry> strata =
        record ? record->m_content.strata : std::vector<CMapProperty::StratumEntry>();
    m_grid->SetRowCount(static_cast<int>(strata.size()) + 1);
    for (std::size_t i = 0; i < strata.size(); ++i)
        m_grid->SetItemText(static_cast<int>(i + 1), 0, strata[i].first.c_str());
    section::LockStratumNames(*m_grid);
    // Only the first stratum's bottom boundary can be set: the others' is the top of the next.
    if (const int bottom = ColumnOf(kFeatureBottomBound); bottom > 0)
        for (int r = 2; r < m_grid->GetRowCount(); ++r) section::LockStratumCell(*m_grid, r, bottom);
    for (int r = 1; r < m_grid->GetRowCount(); ++r) {
        unsigned char flags = 0;
        const bool known = record && record->GetStratumSetorInfo(m_grid->GetItemText(r, 0).str(), flags);
        for (int c = 1; c < m_grid->GetColumnCount(); ++c)
            if (m_grid->IsCellChangable(r, c))
                m_grid->SetItemText(
                    r, c, known && (flags & BitOf(m_features[c - 1])) ? sectiontext::kTrue : sectiontext::kFalse);
    }
}

void CLstStratumSetor::UpdateBCGPProperty(long, CString) {
    const boost::shared_ptr<CMapProperty> record = Record();
    if (!record || !m_grid->GetSafeHwnd()) return;
    if (record->m_nGrade == m_nLevel && record->m_strBottomStratum == m_strBottom) return;
    m_nLevel = record->m_nGrade;
    m_strBottom = record->m_strBottomStratum;
    m_grid->DeleteNonFixedRows();
    BuildRows();
}

// ---- the grid's notifications -------------------------------------------------------------------------

BOOL CLstStratumSetor::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (wParam != kGridId) return FALSE;
    const auto* nm = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    if (nm) {
        const int row = nm->iRow;
        const int col = nm->iColumn;
        if ((nm->hdr.code == GVN_ENDLABELEDIT || nm->hdr.code == GVN_SWITCHCHANGED) && row >= 1 && IsFlagColumn(col)) {
            if (WriteFlag(m_grid->GetItemText(row, 0).str(), m_features[col - 1],
                          m_grid->GetItemText(row, col) == sectiontext::kTrue))
                MarkChanged();
            else  // a stratum the record no longer holds: its cell shows what a refresh shows for it
                m_grid->SetItemText(row, col, sectiontext::kFalse);
        } else if (nm->hdr.code == GVN_CELLCLICK && row == 0 && IsFlagColumn(col) && m_grid->GetRowCount() > 1) {
            if (ApplyColumn(col)) MarkChanged();
        }
    }
    return CWndLst::OnNotify(wParam, lParam, result);
}

bool CLstStratumSetor::ApplyColumn(int column) {
    const bool on = section::FirstChangeableIsTrue(*m_grid, column);
    bool written = false;
    for (int r = 1; r < m_grid->GetRowCount(); ++r)
        written = WriteFlag(m_grid->GetItemText(r, 0).str(), m_features[column - 1], on) || written;
    return written;
}

bool CLstStratumSetor::WriteFlag(const std::string& stratum, Feature feature, bool on) {
    const boost::shared_ptr<CMapProperty> record = Record();
    unsigned char flags = 0;
    if (!record || !record->GetStratumSetorInfo(stratum, flags)) return false;
    flags = on ? (flags | BitOf(feature)) : (flags & ~BitOf(feature));
    record->SetStratumSetorInfo(stratum, flags);
    return true;
}

bool CLstStratumSetor::IsFlagColumn(int column) const {
    return column >= 1 && column <= static_cast<int>(m_features.size());
}

int CLstStratumSetor::ColumnOf(Feature feature) const {
    for (std::size_t i = 0; i < m_features.size(); ++i)
        if (m_features[i] == feature) return static_cast<int>(i + 1);
    return -1;
}

void CLstStratumSetor::MarkChanged() {
    if (!m_pContainer) return;
    m_pContainer->UpdateWnd();
    if (CQXLayer* layer = m_pContainer->GetLayer())
        if (CQXMap* map = layer->GetMap()) map->SetModifyFlag(1);
}
