#include "framework/TwoButtonProp.h"

CRect TwoButtonRect(const CRect& row) {
    CRect button = row;
    button.left = row.right - (row.bottom - row.top) - 12;
    button.top = row.top + 1;
    return button;
}
