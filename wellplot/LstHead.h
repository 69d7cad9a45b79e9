// CLstHead: the page "图头" of a well plot: whether and where the header shows, the heights of its
// title and client areas, the title's position, text and font, and the well symbol (position,
// style templates or explicit style). It keeps the well kit it was made for.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpWell;

class CLstHead : public CWndLst {
public:
    enum : DWORD_PTR {
        kHeadAlignId = 1001,
        kTitleHeightId = 1002,
        kClientHeightId = 1003,
        kTitleGroupId = 1004,
        kTitleAlignId = 1005,
        kTitleTextId = 1006,
        kFontGroupId = 1007,
        kFontFaceId = 1008,
        kFontSizeId = 1009,
        kFontColorId = 1010,
        // The well symbol: the point-symbol template block 1011 .. 1020.
        kSymbolGroupId = 1011,
        kSymbolAlignId = 1012,
        kPointTemplateId = 1013,
        kPointStyleId = 1014,
        kSizeTemplateId = 1015,
        kSizeId = 1016,
        kBorderTemplateId = 1017,
        kBorderColorId = 1018,
        kInnerTemplateId = 1019,
        kInnerColorId = 1020,
    };

    // The kit is kept as given; the page edits it only while it is a well.
    explicit CLstHead(CWpKit* kit = nullptr);
    ~CLstHead() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // The kept kit as a well, while the selection is a well too; otherwise NULL.
    CWpWell* Well() const;
    void ShowTitle(CWpWell* well, bool headShown);
    void ShowSymbol(CWpWell* well, bool headShown);
    // A height item (title or client area) as the refresh shows it.
    void ShowHeight(CWpWell* well, CBCGPProp* item);
    // Edits that change what the page shows stamp the kit; all recalculate.
    void EditStamped(CWpWell* well, CBCGPProp* item, int choice);

    CWpKit* m_pKit;
};

// Header alignment, title position and symbol position as the refresh shows them.
const char* HeadAlignText(int align);
const char* TitleAlignText(int align);
const char* TypeAlignText(int align);
