#include "planemap/layers/PropListSandLayerLine.h"

#include "planemap/layers/AttributeLayerTexts.h"
#include "planemap/layers/LineSettings.h"

namespace {

using kel::plane::CSandLayer;
using Page = CPropListSandLayerLine;

// One group per line family: its id and label, the ids of its six items, the wrapper's operations.
struct LineBlock {
    DWORD_PTR groupId;
    const char* label;
    linesettings::Ids ids;
    linesettings::Ops<CSandLayer> ops;
};

const LineBlock kBlocks[] = {
    {Page::kLineGroupId,
     attrtext::kSandLineSettings,
     {Page::kSameStyleId, Page::kStyleId, Page::kSameColorId, Page::kColorId, Page::kSameSizeId, Page::kWidthId},
     linesettings::CommonOps<CSandLayer>()},
    {Page::kValidGroupId,
     attrtext::kValidSandLineSettings,
     {Page::kValidSameStyleId, Page::kValidStyleId, Page::kValidSameColorId, Page::kValidColorId,
      Page::kValidSameSizeId, Page::kValidWidthId},
     {&CSandLayer::GetLineValidSameStyle, &CSandLayer::SetLineValidSameStyle, &CSandLayer::GetLineValidStyle,
      &CSandLayer::SetLineValidStyle, &CSandLayer::GetLineValidSameColor, &CSandLayer::SetLineValidSameColor,
      &CSandLayer::GetLineValidColor, &CSandLayer::SetLineValidColor, &CSandLayer::GetLineValidSameSize,
      &CSandLayer::SetLineValidSameSize, &CSandLayer::GetLineValidSize, &CSandLayer::SetLineValidSize}},
};

}  // namespace

int CPropListSandLayerLine::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const LineBlock& block : kBlocks) {
        auto* group = new CBCGPProp(block.label, block.groupId);
        for (CBCGPProp* item : linesettings::NewItems(block.ids)) group->AddSubItem(item);
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
    }
    return 0;
}

void CPropListSandLayerLine::RefreshLayer(CSandLayer& layer) {
    for (const LineBlock& block : kBlocks) {
        CBCGPProp* group = FindItem(block.groupId);
        if (!group || group->GetSubItemsCount() < 6) continue;
        CBCGPProp* items[6];
        for (int k = 0; k < 6; ++k) items[k] = group->GetSubItem(k);
        linesettings::Show(linesettings::ValuesOf(layer, block.ops), block.ids, items);
    }
}

bool CPropListSandLayerLine::OnLayerItemChanged(CSandLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    for (const LineBlock& block : kBlocks) {
        if (id <= block.groupId || id > block.groupId + 6) continue;
        CBCGPProp* group = FindItem(block.groupId);
        CBCGPProp* items[6] = {};
        for (int k = 0; group && k < 6 && k < group->GetSubItemsCount(); ++k) items[k] = group->GetSubItem(k);
        const auto edit = linesettings::Read(item, block.ids, items);
        if (linesettings::Refused(item, block.ids, edit)) return false;
        linesettings::Write(layer, block.ops, edit);
        return true;
    }
    return true;
}

void CPropListSandLayerLine::ShowStoredItem(CSandLayer& layer, CBCGPProp* item) {
    for (const LineBlock& block : kBlocks)
        if (item->GetData() == block.ids.width) linesettings::ShowWidth(item, (layer.*block.ops.getSize)());
}
