// CCellRange: an inclusive block of grid cells, given by its minimum and maximum row and column.
#pragma once

#include "hosttypes/Spindle/CellID.h"

class CCellRange {
public:
    // The default range holds no cell.
    explicit CCellRange(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1);

    void Set(int nMinRow = -1, int nMinCol = -1, int nMaxRow = -1, int nMaxCol = -1);

    // All four bounds are cells and the minimums do not pass the maximums.
    int IsValid() const;
    int InRange(int row, int col) const;
    int InRange(const CCellID& cellID) const;
    // Number of cells; a range that is not valid (the default range, an empty intersection) holds none.
    int Count() const;
    int GetRowSpan() const { return m_nMaxRow - m_nMinRow + 1; }
    int GetColSpan() const { return m_nMaxCol - m_nMinCol + 1; }
    CCellID GetTopLeft() const { return CCellID(m_nMinRow, m_nMinCol); }
    // The cells in both ranges: larger minimums, smaller maximums (not valid when they do not meet).
    CCellRange Intersect(const CCellRange& other) const;

    int GetMinRow() const { return m_nMinRow; }
    void SetMinRow(int row) { m_nMinRow = row; }
    int GetMinCol() const { return m_nMinCol; }
    void SetMinCol(int col) { m_nMinCol = col; }
    int GetMaxRow() const { return m_nMaxRow; }
    void SetMaxRow(int row) { m_nMaxRow = row; }
    int GetMaxCol() const { return m_nMaxCol; }
    void SetMaxCol(int col) { m_nMaxCol = col; }

    int operator==(const CCellRange& other) const;
    int operator!=(const CCellRange& other) const { return !(*this == other); }

protected:
    int m_nMinRow;
    int m_nMinCol;
    int m_nMaxRow;
    int m_nMaxCol;
};
