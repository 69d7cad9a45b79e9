// The kit library's side of the oil-test table and of the picture kit's active segment.
#include <algorithm>
#include <cmath>
#include <utility>

#include "hostlibs/Zephyr/KitStore.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpPicture.h"

using zephyr::detail::Arg;
using zephyr::detail::Record;
using zephyr::detail::Stamp;

// ---- oil-test data ---------------------------------------------------------------------------
CDIOilTest::CDIOilTest() = default;
CDIOilTest::CDIOilTest(std::vector<CString> fieldNames) : m_fieldNames(std::move(fieldNames)) {}
CDIOilTest::~CDIOilTest() = default;
int CDIOilTest::GetFieldCount() { return static_cast<int>(m_fieldNames.size()); }
const std::vector<CString>& CDIOilTest::GetFieldNames() { return m_fieldNames; }

// ---- oil-test table ----------------------------------------------------------------------------
namespace {

// The cells a count stands for: counts are kept as given, the texts only for 0 to kMaxCells.
constexpr int kMaxCount = 100;
size_t CellCount(int count) { return static_cast<size_t>(std::clamp(count, 0, kMaxCount)); }

// Lays the texts of a rows x oldCols table out again for newCols columns: each text keeps its row
// and column; cells that leave the table are dropped, new cells are empty.
std::vector<CString> Relayout(const std::vector<CString>& texts, size_t rows, size_t oldCols, size_t newCols) {
    std::vector<CString> out(rows * newCols);
    for (size_t r = 0; r < rows; ++r)
        for (size_t c = 0; c < std::min(oldCols, newCols); ++c)
            if (r * oldCols + c < texts.size()) out[r * newCols + c] = texts[r * oldCols + c];
    return out;
}

}  // namespace

void CWpOilTest::SetRowNumber(int rows) {
    m_nRowNumber = rows;
    m_cellTexts.resize(CellCount(rows) * CellCount(m_nColNumber));
    Record("CWpOilTest::SetRowNumber", this, std::to_string(rows));
    Stamp(this);
}

void CWpOilTest::SetColNumber(int cols) {
    m_cellTexts = Relayout(m_cellTexts, CellCount(m_nRowNumber), CellCount(m_nColNumber), CellCount(cols));
    m_nColNumber = cols;
    Record("CWpOilTest::SetColNumber", this, std::to_string(cols));
    Stamp(this);
}

CDIOilTest* CWpOilTest::GetData() { return m_pData; }

void CWpOilTest::SetData(CDIOilTest* data) {
    if (data == m_pData) return;
    delete m_pData;
    m_pData = data;
    Record("CWpOilTest::SetData", this);
    Stamp(this);
}

void CWpOilTest::UpdateField(int index, const CString& text) {
    Record("CWpOilTest::UpdateField", this, std::to_string(index) + "," + text.GetString());
    if (index < 0 || static_cast<size_t>(index) >= m_cellTexts.size()) return;
    m_cellTexts[static_cast<size_t>(index)] = text;
    Stamp(this);
}

// ---- picture segments ----------------------------------------------------------------------------
// A segment's rectangle lies in plot coordinates growing upward: depth d is at y = -d (0 - d, so
// that a depth of 0 is +0 either way).
double CWpPicture::GetActiveSegTopDepth() {
    CgPicSegment* seg = GetActiveSeg();
    return seg ? 0.0 - seg->GetTop() : 0;
}

double CWpPicture::GetActiveSegBotDepth() {
    CgPicSegment* seg = GetActiveSeg();
    return seg ? 0.0 - seg->GetBottom() : 0;
}

bool CWpPicture::SetActiveSegTopDepth(double depth) {
    Record("CWpPicture::SetActiveSegTopDepth", this, Arg(depth));
    CgPicSegment* seg = GetActiveSeg();
    if (!seg || !std::isfinite(depth) || depth >= -seg->GetBottom()) return false;
    seg->SetTop(0.0 - depth);
    Stamp(this);
    return true;
}

bool CWpPicture::SetActiveSegBotDepth(double depth) {
    Record("CWpPicture::SetActiveSegBotDepth", this, Arg(depth));
    CgPicSegment* seg = GetActiveSeg();
    if (!seg || !std::isfinite(depth) || depth <= -seg->GetTop()) return false;
    seg->SetBottom(0.0 - depth);
    Stamp(this);
    return true;
}

void CWpPicture::LockScale(bool lock) {
    Record("CWpPicture::LockScale", this, lock ? "1" : "0");
    CgPicSegment* seg = GetActiveSeg();
    if (!seg) return;
    lock ? seg->LockScale() : seg->UnlockScale();
    Stamp(this);
}
