#include "wellplot/intervals/KitItems.h"

#include <string>

#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/IntervalTexts.h"

void ShowKitTitleItems(CBCGPPropList& list, CWpKit* kit, DWORD_PTR nameId) {
    SetItemText(list.FindItemByData(nameId, TRUE), kit->GetTitleText());
    SetOrientationProp(list.FindItemByData(nameId + 1, TRUE), kit->GetTitleDirection());
    if (CBCGPProp* font = list.FindItemByData(nameId + 2, TRUE)) EnableFontProp(font, wellplot::TitleFontOf(kit), true);
}

CString GroupSizeText(float hundredths) { return numtext::Fixed(hundredths / numtext::kHundredths, 2); }

bool GroupSizeTextOf(CBCGPProp* item, std::initializer_list<StoredGroupSize> groups, CString* text) {
    CBCGPProp* group = item ? item->GetParent() : nullptr;
    if (!group || group->GetSubItem(1) != item) return false;
    for (const StoredGroupSize& stored : groups)
        if (stored.groupId == group->GetData()) {
            *text = GroupSizeText(stored.hundredths);
            return true;
        }
    return false;
}

namespace {

float& SizeOf(QXLOGFONT& font) { return font.size; }
float& SizeOf(QXLOGPEN& pen) { return pen.width; }
float& SizeOf(QXLOGPOINT& point) { return point.size; }

void ShowGroup(CBCGPProp* group, const QXLOGFONT& font) { SetFontProp(group, font); }
void ShowGroup(CBCGPProp* group, const QXLOGPEN& pen) { SetLineProp(group, pen); }
void ShowGroup(CBCGPProp* group, const QXLOGPOINT& point) { SetPointProp(group, point); }

// A size text taken as 0 that does not say 0 (a word, a negative zero, a number too small for the
// record's float such as "1e-310") shows the size taken, as the refresh shows it.
void ShowZeroTaken(CBCGPProp* edited, float taken) {
    if (taken != 0 || dynamic_cast<CBCGPropFloat*>(edited)) return;
    const CString text = ItemText(edited);
    // The reader yields +0 for "-0": the sign is seen in the text.
    const std::string chars = text.str();
    const std::size_t first = chars.find_first_not_of(" \t\n\v\f\r");
    double typed = 0;
    if (!numtext::StartsWithNumber(text) || !numtext::LeadingNumber(text, &typed) || typed != 0 ||
        (first != std::string::npos && chars[first] == '-'))
        ShowTextIfChanged(edited, GroupSizeText(taken));
}

template <class Record>
bool EditField(CBCGPProp* edited, Record& record) {
    const bool size = EditedFieldPosition(edited) == 1;
    if (ReadEditedField(edited, record)) {
        if (size) ShowZeroTaken(edited, SizeOf(record));
        return true;
    }
    if (size && dynamic_cast<CBCGPropFloat*>(edited))
        edited->SetValue(_variant_t(SizeOf(record) / numtext::kHundredths));
    return false;
}

template <class Record>
bool EditShown(CBCGPProp* edited, Record& record) {
    if (!EditGroupField(edited, record)) return false;
    ShowGroup(EditedFieldPosition(edited) < 0 ? edited : edited->GetParent(), record);
    return true;
}

}  // namespace

bool EditGroupField(CBCGPProp* edited, QXLOGFONT& font) { return EditField(edited, font); }
bool EditGroupField(CBCGPProp* edited, QXLOGPEN& pen) { return EditField(edited, pen); }

bool EditGroupField(CBCGPProp* edited, QXLOGPOINT& point) { return EditField(edited, point); }

bool EditGroupShown(CBCGPProp* edited, QXLOGFONT& font) { return EditShown(edited, font); }
bool EditGroupShown(CBCGPProp* edited, QXLOGPEN& pen) { return EditShown(edited, pen); }
bool EditGroupShown(CBCGPProp* edited, QXLOGPOINT& point) { return EditShown(edited, point); }

CBCGPProp* NewKitTitleGroup(DWORD_PTR groupId, DWORD_PTR nameId, DWORD_PTR directionId, const char* name,
                            CBCGPProp* font, bool expand) {
    auto* title = new CBCGPProp(wptext::kTitle, groupId);
    title->AddSubItem(new CBCGPProp(ivtext::kName, _variant_t(name), "指定标题", nameId));
    title->AddSubItem(
        CreateOrientationProp(wptext::kDirection, directionId, _variant_t(grouptext::kAuto), "指定文字方向"));
    title->AddSubItem(font);
    title->Expand(expand ? TRUE : FALSE);
    return title;
}

CBCGPProp* NewNamedTitleGroup(DWORD_PTR groupId, DWORD_PTR nameId) {
    auto* title = new CBCGPProp(wptext::kTitle, groupId);
    title->AddSubItem(new CBCGPProp(ivtext::kName, _variant_t(""), "标题名", nameId));
    title->AddSubItem(CreateOrientationProp(wptext::kDirection, nameId + 1, _variant_t(""), wptext::kDirection));
    title->AddSubItem(CreateFontPropFloatSize(wptext::kFont, nameId + 2));
    return title;
}

CBCGPProp* NewTitleFontGroup(DWORD_PTR groupId, const char* faceCaption, DWORD_PTR faceId, DWORD_PTR sizeId,
                             DWORD_PTR colorId, bool wholeSize, TextRule textSizeRule) {
    auto* font = new CBCGPProp(wptext::kFont, groupId);
    font->AddSubItem(
        new CPropStyleCombox(faceCaption, CString(grouptext::kDefaultFontFace), "指定标题文本字体", faceId));
    constexpr const char* kDescription = "指定标题文本字体的高度";
    CBCGPProp* size =
        wholeSize
            ? static_cast<CBCGPProp*>(new CUnsignedProp(grouptext::kSize, kInitialWholeFontSize, kDescription, sizeId))
            : new CBCGPropSizeText(grouptext::kSize, _variant_t(grouptext::kInitialFontSize), kDescription, sizeId,
                                   std::move(textSizeRule));
    for (int i = 1; i <= 19; ++i) size->AddOption(FormatString("%d", i));
    font->AddSubItem(size);
    font->AddSubItem(CreateColorProp(grouptext::kColor, colorId, "指定标题文本字体的颜色"));
    font->Expand(FALSE);
    return font;
}

CBCGPProp* NewActiveSegmentGroup(DWORD_PTR groupId, const char* valueCaption) {
    auto* segment = new CBCGPProp(ivtext::kCurrentSegProps, groupId);
    segment->AddSubItem(NewOptionItem(ivtext::kTopDepth, "", nullptr, groupId + 1, {}, false));
    segment->AddSubItem(NewOptionItem(ivtext::kBottomDepth, "", nullptr, groupId + 2, {}, false));
    segment->AddSubItem(new CBCGPProp(valueCaption, _variant_t(""), nullptr, groupId + 3));
    return segment;
}
