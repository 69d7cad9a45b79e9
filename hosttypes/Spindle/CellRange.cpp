#include "hosttypes/Spindle/CellRange.h"

#include <algorithm>

CCellRange::CCellRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) { Set(nMinRow, nMinCol, nMaxRow, nMaxCol); }

void CCellRange::Set(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol) {
    m_nMinRow = nMinRow;
    m_nMinCol = nMinCol;
    m_nMaxRow = nMaxRow;
    m_nMaxCol = nMaxCol;
}

int CCellRange::IsValid() const {
    return m_nMinRow >= 0 && m_nMinCol >= 0 && m_nMaxRow >= 0 && m_nMaxCol >= 0 && m_nMinRow <= m_nMaxRow &&
           m_nMinCol <= m_nMaxCol;
}

int CCellRange::InRange(int row, int col) const {
    return row >= m_nMinRow && row <= m_nMaxRow && col >= m_nMinCol && col <= m_nMaxCol;
}

int CCellRange::InRange(const CCellID& cellID) const { return InRange(cellID.row, cellID.col); }

int CCellRange::Count() const {
    // Without the validity test the default range would count one cell, and two disjoint
    // ranges' intersection a positive or negative number.
    if (!IsValid()) return 0;
    return GetColSpan() * GetRowSpan();
}

CCellRange CCellRange::Intersect(const CCellRange& other) const {
    return CCellRange(std::max(m_nMinRow, other.m_nMinRow), std::max(m_nMinCol, other.m_nMinCol),
                      std::min(m_nMaxRow, other.m_nMaxRow), std::min(m_nMaxCol, other.m_nMaxCol));
}

int CCellRange::operator==(const CCellRange& other) const {
    return m_nMinRow == other.m_nMinRow && m_nMinCol == other.m_nMinCol && m_nMaxRow == other.m_nMaxRow &&
           m_nMaxCol == other.m_nMaxCol;
}
