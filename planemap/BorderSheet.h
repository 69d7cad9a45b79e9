// The property sheet of a map border: three pages editing the same border, in tab order
// "边框" (frame and title), "格网" (grids) and "标注" (grid labels). The grid type chosen on
// "格网" decides which settings groups "格网" and "标注" show at their next refresh.
#pragma once

class CPropWndMgr;
class CWnd;

// Builds the sheet with its three pages and creates its window in parent. The caller owns the
// sheet (the sheet owns its pages); NULL when the window cannot be created.
CPropWndMgr* CreateBorderSheet(CWnd* parent);
