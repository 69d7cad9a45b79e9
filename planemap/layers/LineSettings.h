// The common line settings of the facies, scattered-attribute, oil-water, region and sand layers:
// "统一线型", "线型", "统一颜色", "颜色", "统一粗细", "粗细", each switch greying the value item
// after it, on the edit and on every refresh. A layer kind names the wrapper operations behind the
// six items (Ops) and the items' ids (Ids).
#pragma once

#include <vector>

#include "bcg/Prop.h"
#include "planemap/layers/LayerPage.h"
#include "win32/Win32.h"

namespace linesettings {

struct Ids {
    DWORD_PTR sameStyle, style, sameColor, color, sameSize, width;
};

template <class W>
struct Ops {
    int (W::*getSameStyle)() const;
    void (W::*setSameStyle)(int);
    unsigned (W::*getStyle)() const;
    void (W::*setStyle)(unsigned);
    int (W::*getSameColor)() const;
    void (W::*setSameColor)(int);
    COLORREF (W::*getColor)() const;
    void (W::*setColor)(COLORREF);
    int (W::*getSameSize)() const;
    void (W::*setSameSize)(int);
    float (W::*getSize)() const;
    void (W::*setSize)(float);
};

// The operations every wrapper with the common line values offers.
template <class W>
Ops<W> CommonOps() {
    return {&W::GetLineSameStyle, &W::SetLineSameStyle, &W::GetLineStyle, &W::SetLineStyle,
            &W::GetLineSameColor, &W::SetLineSameColor, &W::GetLineColor, &W::SetLineColor,
            &W::GetLineSameSize,  &W::SetLineSameSize,  &W::GetLineSize,  &W::SetLineSize};
}

// The six items, new, in grid order; the width item refuses what the width rule refuses.
std::vector<CBCGPProp*> NewItems(const Ids& ids);

// The values the wrapper read, each switch enabling or greying its value item.
struct Values {
    int sameStyle, sameColor, sameSize;
    unsigned style;
    COLORREF color;
    float width;
};
void Show(const Values& values, const Ids& ids, CBCGPProp* const (&items)[6]);
// The width item as Show shows it.
void ShowWidth(CBCGPProp* item, float width);

// What an edit asks of the wrapper.
struct Edit {
    enum Kind { kNone, kSameStyle, kStyle, kSameColor, kColor, kSameSize, kWidth } kind = kNone;
    int on = 0;
    unsigned style = 0;
    COLORREF color = 0;
    float width = 0;
};
// Reads the edited item (a switch also greys or enables its value item, found in items).
Edit Read(CBCGPProp* item, const Ids& ids, CBCGPProp* const (&items)[6]);
// Whether the edit read is a width the width rule refused.
inline bool Refused(CBCGPProp* item, const Ids& ids, const Edit& edit) {
    return item->GetData() == ids.width && edit.kind != Edit::kWidth;
}

template <class W>
Values ValuesOf(const W& layer, const Ops<W>& ops) {
    return {(layer.*ops.getSameStyle)(), (layer.*ops.getSameColor)(), (layer.*ops.getSameSize)(),
            (layer.*ops.getStyle)(),     (layer.*ops.getColor)(),     (layer.*ops.getSize)()};
}

template <class W>
void Write(W& layer, const Ops<W>& ops, const Edit& edit) {
    switch (edit.kind) {
        case Edit::kSameStyle:
            (layer.*ops.setSameStyle)(edit.on);
            break;
        case Edit::kStyle:
            (layer.*ops.setStyle)(edit.style);
            break;
        case Edit::kSameColor:
            (layer.*ops.setSameColor)(edit.on);
            break;
        case Edit::kColor:
            (layer.*ops.setColor)(edit.color);
            break;
        case Edit::kSameSize:
            (layer.*ops.setSameSize)(edit.on);
            break;
        case Edit::kWidth:
            (layer.*ops.setSize)(edit.width);
            break;
        case Edit::kNone:
            break;
    }
}

}  // namespace linesettings

// A line page made of the six items at the top level of the grid, over one set of operations.
template <class Wrapper>
class TLineSettingsPage : public TLayerPage<Wrapper> {
protected:
    virtual const linesettings::Ids& LineIds() const = 0;

    int InitPropWnd() override {
        if (CWndLst::InitPropWnd() == -1) return -1;
        for (CBCGPProp* item : linesettings::NewItems(LineIds())) this->m_wndPropList.AddProperty(item, TRUE, TRUE);
        return 0;
    }
    void RefreshLayer(Wrapper& layer) override {
        CBCGPProp* items[6];
        Items(items);
        linesettings::Show(linesettings::ValuesOf(layer, linesettings::CommonOps<Wrapper>()), LineIds(), items);
    }
    bool OnLayerItemChanged(Wrapper& layer, CBCGPProp* item) override {
        CBCGPProp* items[6];
        Items(items);
        const auto edit = linesettings::Read(item, LineIds(), items);
        if (linesettings::Refused(item, LineIds(), edit)) return false;
        linesettings::Write(layer, linesettings::CommonOps<Wrapper>(), edit);
        return true;
    }
    void ShowStoredItem(Wrapper& layer, CBCGPProp* item) override {
        if (item->GetData() == LineIds().width) linesettings::ShowWidth(item, (layer.*linesettings::CommonOps<Wrapper>().getSize)());
    }

private:
    void Items(CBCGPProp* (&items)[6]) {
        const linesettings::Ids& ids = LineIds();
        const DWORD_PTR order[6] = {ids.sameStyle, ids.style, ids.sameColor, ids.color, ids.sameSize, ids.width};
        for (int k = 0; k < 6; ++k) items[k] = this->FindItem(order[k]);
    }
};
