#include "planemap/PropListFinger.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "planemap/FurnitureTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

namespace ft = furnituretext;

constexpr int kStyleCount = 4;

// The compass points in the order "位置" offers them, with the text each one shows.
struct CompassPoint {
    const char* text;
    CString (CQXObjectFinger::*get)() const;
    void (CQXObjectFinger::*set)(CString);
};
const CompassPoint kCompassPoints[] = {
    {ft::kEast, &CQXObjectFinger::GetEastText, &CQXObjectFinger::SetEastText},
    {ft::kWest, &CQXObjectFinger::GetWestText, &CQXObjectFinger::SetWestText},
    {ft::kSouth, &CQXObjectFinger::GetSouthText, &CQXObjectFinger::SetSouthText},
    {ft::kNorth, &CQXObjectFinger::GetNorthText, &CQXObjectFinger::SetNorthText},
};

const CompassPoint* FindCompassPoint(const CString& text) {
    for (const CompassPoint& point : kCompassPoints)
        if (text == point.text) return &point;
    return nullptr;
}

}  // namespace

CPropListFinger::CPropListFinger() = default;
CPropListFinger::~CPropListFinger() = default;

CQXObjectFinger* CPropListFinger::Finger() const { return dynamic_cast<CQXObjectFinger*>(m_pTarget); }

int CPropListFinger::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(ft::kFingerKind, kTypeId), TRUE, TRUE);

    m_wndPropList.AddProperty(NewStyleItem("", kStyleId, kStyleCount, StylePastOptions::kTakenAsCount), TRUE, TRUE);

    // The width and size items refuse what the record edits below refuse.
    CBCGPProp* pen = CreateLineProp(planetext::kPenSettings, kPenGroupId, false, HundredthsRule(Accept::ZeroOrMore));
    pen->Expand(TRUE);
    m_wndPropList.AddProperty(pen, TRUE, TRUE);

    auto* fill = new CBCGPProp(ft::kFillSettings, kFillGroupId);
    fill->AddSubItem(NewGroupColorProp(ft::kLeftSide, "", kLeftFillId, 0));
    fill->AddSubItem(NewGroupColorProp(ft::kRightSide, "", kRightFillId, 0));
    fill->Expand(TRUE);
    m_wndPropList.AddProperty(fill, TRUE, TRUE);

    auto* label = new CBCGPProp(ft::kLabelSettings, kLabelGroupId);
    // A text that is no compass point names no text to edit: refused.
    auto* compass = new CFixedListProp(planetext::kPosition, ft::kNorth, "", kCompassId, kOtherRefused);
    for (const CompassPoint& point : kCompassPoints)
        compass->AddEntry(point.text, static_cast<int>(&point - kCompassPoints));
    label->AddSubItem(compass);
    label->AddSubItem(NewTextItem(ft::kName, "", kCompassTextId));
    label->Expand(TRUE);
    m_wndPropList.AddProperty(label, TRUE, TRUE);

    CBCGPProp* font = CreateFontProp(planetext::kFontSettings, kFontGroupId, HundredthsRule(Accept::AboveZero));
    font->Expand(TRUE);
    m_wndPropList.AddProperty(font, TRUE, TRUE);
    return 0;
}

void CPropListFinger::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectFinger* finger = Finger();
    if (!finger) return;
    QXLOGPEN pen;
    finger->GetLogPen(&pen);
    QXLOGFONT font;
    finger->GetLogFont(&font);

    SetItemText(FindItem(kStyleId), StyleText(finger->GetStyle()));
    SetLineProp(FindItem(kPenGroupId), pen);
    ShowColor(FindItem(kLeftFillId), finger->GetLeftBrush().fillColor);
    ShowColor(FindItem(kRightFillId), finger->GetRightBrush().fillColor);
    // "位置" keeps the user's last choice; the name shows that compass point's text.
    if (const CompassPoint* point = FindCompassPoint(ItemText(FindItem(kCompassId))))
        SetItemText(FindItem(kCompassTextId), (finger->*point->get)());
    SetFontProp(FindItem(kFontGroupId), font);
}

LRESULT CPropListFinger::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectFinger* finger = Finger();
    if (!item || !finger) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = finger->GetLayer();
    const CString typeName = finger->GetTypeName();

    switch (item->GetData()) {
        case kStyleId:
            // The option's position; the option count for a text that is none of them.
            SetSameTypeFromList(layer, &CQXObjectFinger::SetStyle, item, typeName);
            break;
        case kPenStyleId:
        case kPenWidthId:
        case kPenColorId:
            // The shown north arrow's pen with the one field changed; a negative width is refused.
            if (!EditSameTypePen(finger, item, kPenGroupId)) return 0;
            break;
        case kLeftFillId:
        case kRightFillId:
            ApplyHalfFill(finger, item);
            break;
        case kCompassTextId:
            ApplyCompassText(finger, item);
            break;
        case kFontFaceId:
        case kFontSizeId:
        case kFontColorId:
            // A size that is not above 0 (or no number) is refused.
            if (!EditSameTypeFont(finger, item, kFontGroupId)) return 0;
            break;
        case kCompassId: {  // choosing a compass point changes no object
            int point = 0;
            if (!ReadFixedList(item, &point)) return 0;
            break;
        }
        default:
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// Only the fill colour changes; the shown north arrow's brush gives the other words.
void CPropListFinger::ApplyHalfFill(CQXObjectFinger* finger, CBCGPProp* item) {
    const bool left = item->GetData() == kLeftFillId;
    QXLOGBRUSH brush = left ? finger->GetLeftBrush() : finger->GetRightBrush();
    if (!ReadColor(item, &brush.fillColor)) return;
    SetSameTypeObjects(finger->GetLayer(), left ? &CQXObjectFinger::SetLeftBrush : &CQXObjectFinger::SetRightBrush,
                       brush, finger->GetTypeName());
}

// The text goes to the compass point "位置" shows.
void CPropListFinger::ApplyCompassText(CQXObjectFinger* finger, CBCGPProp* item) {
    const CompassPoint* point = FindCompassPoint(ItemText(FindItem(kCompassId)));
    if (!point) return;
    SetSameTypeObjects(finger->GetLayer(), point->set, ItemText(item), finger->GetTypeName());
}
