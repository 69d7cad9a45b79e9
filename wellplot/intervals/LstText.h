// CLstText: the page "文本" of a text kit: the kit's title, the text's font, background colour and
// transparency, its alignments, the line of its frame and the depth range of its active segment.
// Edits go into the kit at once and redraw it. The page follows the selected text kit and ignores
// any other object; a page made without a text kit shows nothing.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpText;

class CLstText : public CWndLst {
    DECLARE_DYNCREATE(CLstText)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 1200,
        kTitleTextId = 1201,
        kTitleDirectionId = 1202,
        kTitleFontId = 1203,  // sub-items 1204 face, 1205 size, 1206 colour
        kTextGroupId = 1207,
        kTextFontId = 1208,  // sub-items 1209 face, 1210 size, 1211 colour
        kBackColorId = 1212,
        kTransparentId = 1213,
        kAlignHId = 1214,
        kAlignVId = 1215,
        kFramePenId = 1216,  // sub-items 1217 style, 1218 width, 1219 colour
        kSegmentGroupId = 1220,
        kTopDepthId = 1221,
        kBottomDepthId = 1222,
    };

    // A page without a kit: it builds no items and takes no selection.
    CLstText();
    // Keeps kit when it is a text kit (otherwise the page is one without a kit).
    explicit CLstText(CWpKit* kit);
    ~CLstText() override;

    CWpText* GetKit() const { return m_pKit; }

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    void UpdateBCGPProperty(long object, CString name) override;
    int InitPropWnd() override;

private:
    CBCGPProp* Item(DWORD_PTR id) const;
    void ShowTitle(CWpText* kit);
    void ShowText(CWpText* kit);
    void ShowSegment(CWpText* kit);
    // False when the edited size or width was refused (the item shows the stored one again).
    bool EditGroup(CWpText* kit, CBCGPProp* item);
    // False when the depth was refused: the item shows the kit's depth again and the edit ends.
    bool EditDepth(CBCGPProp* item, bool (CWpText::*set)(float), double (CWpText::*get)());

    CWpText* m_pKit = nullptr;
};
