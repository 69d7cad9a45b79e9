// CCellID: the address of one cell of the custom grid control (row, column); -1 is "none".
#pragma once

class CCellID {
public:
    explicit CCellID(int nRow = -1, int nCol = -1) : row(nRow), col(nCol) {}

    int IsValid() const { return row >= 0 && col >= 0; }
    int operator==(const CCellID& other) const { return row == other.row && col == other.col; }
    int operator!=(const CCellID& other) const { return !(*this == other); }

    int row;
    int col;
};
