// CLstPicture: the first page of a picture kit: the kit's title and title font, and the active
// segment's scale, scale lock, file, depth range, zoom and offsets. Its tab reads "图片" for a
// picture kit and "图形" for a graphic.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpPicture;

class CLstPicture : public CWndLst {
    DECLARE_DYNCREATE(CLstPicture)
public:
    enum : DWORD_PTR {
        kTitleGroupId = 1200,
        kTitleTextId = 1210,
        kTitleDirectionId = 1215,
        kFontGroupId = 1220,
        kFontFaceId = 1221,
        kFontSizeId = 1223,
        kFontColorId = 1225,
        kSegmentGroupId = 6000,
        kScaleLockId = 6010,
        kTopDepthId = 6100,
        kBottomDepthId = 6200,
        kZoomId = 6300,
        kOffsetXId = 6400,
        kOffsetYId = 6500,
    };
    // Positions in "当前段属性" of the two display-only items (item data 0).
    static constexpr int kScalePosition = 0;
    static constexpr int kFilePosition = 2;

    CLstPicture();
    // Keeps kit when it is a picture kit.
    explicit CLstPicture(CWpKit* kit);
    ~CLstPicture() override;

    CWpPicture* GetKit() const { return m_pKit; }

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    void ShowTabCaption(CWpPicture* kit);
    void ShowTitle(CWpPicture* kit);
    void ShowSegment(CWpPicture* kit);
    // The title size, zoom and offset items read by the page's rules, so a value those refuse never
    // comes here.
    void EditTitle(CWpKit* kit, CBCGPProp* item);
    // False when the kit refused a depth (or no double holds it): the item shows the kit's depth
    // again and the edit ends there.
    bool EditSegment(CBCGPProp* item);
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id); }

    CWpPicture* m_pKit = nullptr;
};
