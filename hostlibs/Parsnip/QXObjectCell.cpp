#include "hosttypes/Parsnip/QXObjectCell.h"

#include <string>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXObjectCell, CQXObject)

COneCell::COneCell(CQXObjectCell* owner) : m_pOwner(owner) {
    if (owner) m_font = *owner->GetDefaultFont();
}
COneCell::~COneCell() = default;

void COneCell::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void COneCell::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    if (m_pOwner) m_pOwner->SetTimeStamp(AfxGetTimeStamp());
    parsnip::testing::Record("COneCell::SetLogFont", this);
}

int COneCell::GetHAlign() const { return m_nHAlign; }
int COneCell::GetVAlign() const { return m_nVAlign; }

void COneCell::SetAlign(int horizontal, int vertical) {
    m_nHAlign = horizontal;
    m_nVAlign = vertical;
    if (m_pOwner) m_pOwner->SetTimeStamp(AfxGetTimeStamp());
    parsnip::testing::Record("COneCell::SetAlign", this, std::to_string(horizontal) + "," + std::to_string(vertical));
}

CQXObjectCell::CQXObjectCell(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectCell"); }
CQXObjectCell::~CQXObjectCell() = default;

int CQXObjectCell::GetColumnCount() const { return m_nColumns; }
int CQXObjectCell::GetRowCount() const { return m_nRows; }

COneCell* CQXObjectCell::GetCell(int column, int row) const {
    if (column < 0 || column >= m_nColumns || row < 0 || row >= m_nRows) return nullptr;
    return m_cells[static_cast<std::size_t>(column) * static_cast<std::size_t>(m_nRows) + static_cast<std::size_t>(row)]
        .get();
}

QXLOGFONT* CQXObjectCell::GetDefaultFont() { return &m_defaultFont; }

void CQXObjectCell::GetSelectedRange(int& firstColumn, int& lastColumn, int& firstRow, int& lastRow) const {
    firstColumn = m_nFirstColumn;
    lastColumn = m_nLastColumn;
    firstRow = m_nFirstRow;
    lastRow = m_nLastRow;
}

void CQXObjectCell::SetSelectedRange(int firstColumn, int lastColumn, int firstRow, int lastRow) {
    m_nFirstColumn = firstColumn;
    m_nLastColumn = lastColumn;
    m_nFirstRow = firstRow;
    m_nLastRow = lastRow;
    parsnip::testing::Record("CQXObjectCell::SetSelectedRange", this,
                             std::to_string(firstColumn) + "," + std::to_string(lastColumn) + "," +
                                 std::to_string(firstRow) + "," + std::to_string(lastRow));
}

void CQXObjectCell::CreateCells(int columns, int rows) {
    m_nColumns = columns > 0 && rows > 0 ? columns : 0;
    m_nRows = m_nColumns > 0 ? rows : 0;
    m_cells.clear();
    const std::size_t count = static_cast<std::size_t>(m_nColumns) * static_cast<std::size_t>(m_nRows);
    m_cells.reserve(count);
    for (std::size_t i = 0; i < count; ++i) m_cells.push_back(std::make_unique<COneCell>(this));
    m_nFirstColumn = m_nLastColumn = m_nFirstRow = m_nLastRow = -1;
    Touched("CQXObjectCell::CreateCells", std::to_string(m_nColumns) + "," + std::to_string(m_nRows));
}
