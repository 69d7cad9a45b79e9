#include "section/LstDepthRuler.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDepthRulerMgr.h"
#include "section/ObjectPageItems.h"
#include "section/ObjectPageTexts.h"
#include "section/SectionItems.h"

using namespace sectiontext;
using namespace section;
using L = CLstDepthRuler;

namespace {

const TextValue kDepthUnits[] = {{kMetre, 0}, {kFoot, 1}};

// One border line of the ruler, with its accessors.
struct Border {
    DWORD_PTR group;
    const char* name;
    int (ScDepthRuler::*shown)() const;
    void (ScDepthRuler::*setShown)(int);
    unsigned int (ScDepthRuler::*style)() const;
    void (ScDepthRuler::*setStyle)(unsigned int);
    COLORREF (ScDepthRuler::*color)() const;
    void (ScDepthRuler::*setColor)(unsigned long);
    double (ScDepthRuler::*width)() const;
    void (ScDepthRuler::*setWidth)(double);
};
const Border kBorderLines[] = {
    {L::kTopBorderId, kTopBorder, &ScDepthRuler::GetTopBorderVisible, &ScDepthRuler::SetTopBorderVisible,
     &ScDepthRuler::GetTopFrameLineStyle, &ScDepthRuler::SetTopFrameLineStyle, &ScDepthRuler::GetTopFrameClr,
     &ScDepthRuler::SetTopFrameClr, &ScDepthRuler::GetTopFrameLineSize, &ScDepthRuler::SetTopFrameLineSize},
    {L::kBottomBorderId, kBottomBorder, &ScDepthRuler::GetBottomBorderVisible, &ScDepthRuler::SetBottomBorderVisible,
     &ScDepthRuler::GetBottFrameLineStyle, &ScDepthRuler::SetBottFrameLineStyle, &ScDepthRuler::GetBottFrameClr,
     &ScDepthRuler::SetBottFrameClr, &ScDepthRuler::GetBottFrameLineSize, &ScDepthRuler::SetBottFrameLineSize},
    {L::kLeftBorderId, kLeftBorder, &ScDepthRuler::GetLeftBorderVisible, &ScDepthRuler::SetLeftBorderVisible,
     &ScDepthRuler::GetLeftFrameLineStyle, &ScDepthRuler::SetLeftFrameLineStyle, &ScDepthRuler::GetLeftFrameClr,
     &ScDepthRuler::SetLeftFrameClr, &ScDepthRuler::GetLeftFrameLineSize, &ScDepthRuler::SetLeftFrameLineSize},
    {L::kRightBorderId, kRightBorder, &ScDepthRuler::GetRightBorderVisible, &ScDepthRuler::SetRightBorderVisible,
     &ScDepthRuler::GetRightFrameLineStyle, &ScDepthRuler::SetRightFrameLineStyle, &ScDepthRuler::GetRightFrameClr,
     &ScDepthRuler::SetRightFrameClr, &ScDepthRuler::GetRightFrameLineSize, &ScDepthRuler::SetRightFrameLineSize},
};
constexpr int kRightBorderIndex = 3;

CBCGPProp* NewShown(DWORD_PTR id) { return NewYesNoList(grouptext::kShow, "", nullptr, id); }

int MarksShown(const ScDepthRuler& ruler, bool left) {
    return left ? ruler.GetLeftMarkVisible() : ruler.GetRightMarkVisible();
}
int DepthUnit(const ScDepthRuler& ruler, bool left) {
    return left ? ruler.GetLeftDepthMeasure() : ruler.GetRightDepthMeasure();
}

}  // namespace

CLstDepthRuler::CLstDepthRuler(ScDepthRuler* ruler) : m_pRuler(ruler) {}
CLstDepthRuler::~CLstDepthRuler() = default;

void CLstDepthRuler::SetModifyFlag(bool modified) {
    ScDepthRulerMgr* manager = m_pRuler ? m_pRuler->GetDepRulerMgr() : nullptr;
    if (ScContainer* container = manager ? manager->GetContainer() : nullptr)
        container->SetModifyFlag(modified ? 1 : 0);
}

// ---- fill ---------------------------------------------------------------------------------------------

int CLstDepthRuler::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    if (!m_pRuler) return 0;
    const bool leftRuler = m_pRuler->IsLeftRuler();
    QXLOGFONT nameFont;
    m_pRuler->GetNameFont(nameFont);

    CBCGPProp* title = NewGroupItem(kTitle, kTitleId, true);
    title->AddSubItem(NewTextValueItem(kText, "", nullptr, kTitleTextId, true));
    title->AddSubItem(NewTypedFacePicker(grouptext::kFontFace, nameFont.GetFaceName(), nullptr, kTitleFaceId));
    title->AddSubItem(
        NewRulerNumber(grouptext::kSize, m_pRuler->GetNameFontSize() / 100.0, kTitleSizeId, HundredthsRule()));
    title->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kTitleColorId));
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    auto* sides = new CBCGPProp(kSidesMarks, kSidesId, FALSE);
    sides->AddSubItem(BuildSide(true, !leftRuler));
    sides->AddSubItem(BuildSide(false, leftRuler));
    m_wndPropList.AddProperty(sides, TRUE, TRUE);

    CBCGPProp* borders = NewGroupItem(sectiontext::kBorders, kBordersId, true);
    for (int border = 0; border < 4; ++border)
        borders->AddSubItem(BuildBorder(border, border == 2 ? !leftRuler : border == kRightBorderIndex && leftRuler));
    m_wndPropList.AddProperty(borders, TRUE, TRUE);
    return 0;
}

CBCGPProp* CLstDepthRuler::BuildSide(bool left, bool expanded) {
    const DWORD_PTR d = left ? 0 : static_cast<DWORD_PTR>(kRightOffset);
    const ScDepthRuler& r = *m_pRuler;
    CBCGPProp* side = NewGroupItem(left ? kLeftMarks : kRightMarks, kLeftSideId + d, expanded);
    side->AddSubItem(NewShown(kMarksShownId + d));
    // Any unit but "米" is feet.
    side->AddSubItem(NewList(kDepthUnit, "", nullptr, kDepthUnitId + d, kDepthUnits, OtherTakenAs(1)));
    side->AddSubItem(NewRulerNumber(kMarkInterval, r.GetInterval(left), kIntervalId + d, ItemSizeRule()));

    CBCGPProp* major = NewGroupItem(kMajorMarks, kMajorId + d, expanded);
    major->AddSubItem(NewRulerNumber(kFrequency, r.GetWideTimes(left), kMajorTimesId + d, ItemSizeRule()));
    major->AddSubItem(NewRulerNumber(kLength, r.GetWideMarkLength(left) / 100.0, kMajorLengthId + d, HundredthsRule()));
    major->AddSubItem(NewRulerLineStyle(kMajorStyleId + d, false));
    major->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kMajorColorId + d));
    major->AddSubItem(NewRulerNumber(grouptext::kLineWidth, r.GetWideMarkLineSize(left) / 100.0, kMajorWidthId + d,
                                     HundredthsRule()));
    side->AddSubItem(major);

    CBCGPProp* minor = NewGroupItem(kMinorMarks, kMinorId + d, expanded);
    minor->AddSubItem(NewRulerNumber(kLength, r.GetMarkLength(left) / 100.0, kMinorLengthId + d, HundredthsRule()));
    minor->AddSubItem(NewRulerLineStyle(kMinorStyleId + d, true));
    minor->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kMinorColorId + d));
    minor->AddSubItem(
        NewRulerNumber(grouptext::kLineWidth, r.GetMarkLineSize(left) / 100.0, kMinorWidthId + d, HundredthsRule()));
    side->AddSubItem(minor);

    QXLOGFONT font;
    r.GetMarkFont(left, font);
    CBCGPProp* label = NewGroupItem(kLabel, kLabelId + d, expanded);
    label->AddSubItem(NewTypedFacePicker(grouptext::kFontFace, font.GetFaceName(), nullptr, kLabelFaceId + d));
    label->AddSubItem(
        NewRulerNumber(grouptext::kSize, r.GetMarkFontSize(left) / 100.0, kLabelSizeId + d, HundredthsRule()));
    label->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, kLabelColorId + d));
    side->AddSubItem(label);
    return side;
}

CBCGPProp* CLstDepthRuler::BuildBorder(int border, bool expanded) {
    const Border& b = kBorderLines[border];
    CBCGPProp* group = NewGroupItem(b.name, b.group, expanded);
    group->AddSubItem(NewShown(b.group + kBorderShownOffset));
    group->AddSubItem(NewRulerLineStyle(b.group + kBorderStyleOffset, true));
    group->AddSubItem(NewBlackColorItem(grouptext::kColor, nullptr, b.group + kBorderColorOffset));
    group->AddSubItem(NewRulerNumber(grouptext::kLineWidth, (m_pRuler->*b.width)() / 100.0,
                                     b.group + kBorderWidthOffset, HundredthsRule()));
    return group;
}

// ---- refresh: texts, colours, styles, switches and units; numbers keep what was typed -------------------

void CLstDepthRuler::UpdateBCGPProperty(long object, CString) {
    // Another kind of object leaves the page's ruler.
    auto* ruler = ChangedSelection<ScDepthRuler>(object, m_curObject, m_timeStamp);
    if (!ruler) return;
    m_pRuler = ruler;
    ShowTextIfChanged(Item(kTitleTextId), ruler->GetRulerTitle());
    ShowColor(Item(kTitleColorId), ruler->GetNameFontClr());
    QXLOGFONT nameFont;
    ruler->GetNameFont(nameFont);
    ShowFace(Item(kTitleFaceId), nameFont);
    ShowSide(true);
    ShowSide(false);
    ShowBorders();
}

void CLstDepthRuler::ShowSide(bool left) {
    const DWORD_PTR d = left ? 0 : static_cast<DWORD_PTR>(kRightOffset);
    const ScDepthRuler& r = *m_pRuler;
    ShowColor(Item(kLabelColorId + d), r.GetMarkFontClr(left));
    ShowStyle(Item(kMinorStyleId + d), r.GetMarkLineStyle(left));
    ShowColor(Item(kMinorColorId + d), r.GetMarkClr(left));
    ShowStyle(Item(kMajorStyleId + d), r.GetWideMarkLineStyle(left));
    ShowColor(Item(kMajorColorId + d), r.GetWideMarkClr(left));
    if (CBCGPProp* shown = Item(kMarksShownId + d)) SetYesNoProp(shown, MarksShown(r, left) == 1);
    if (const char* unit = TextOfValue(kDepthUnits, DepthUnit(r, left), nullptr))
        ShowTextIfChanged(Item(kDepthUnitId + d), unit);
    QXLOGFONT font;
    r.GetMarkFont(left, font);
    ShowFace(Item(kLabelFaceId + d), font);
}

void CLstDepthRuler::ShowBorders() {
    for (const Border& b : kBorderLines) {
        if (CBCGPProp* shown = Item(b.group + kBorderShownOffset)) SetYesNoProp(shown, (m_pRuler->*b.shown)() == 1);
        ShowStyle(Item(b.group + kBorderStyleOffset), (m_pRuler->*b.style)());
        ShowColor(Item(b.group + kBorderColorOffset), (m_pRuler->*b.color)());
    }
}

// ---- edits --------------------------------------------------------------------------------------------

LRESULT CLstDepthRuler::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pRuler) return 0;
    const Edited edited = Edit(item);
    if (edited == Edited::Refused) {
        ShowItemAgain(item);
        return 0;
    }
    if (edited == Edited::Stamped) m_pRuler->ProChanged();
    m_pRuler->Update();
    SetModifyFlag(true);
    return 0;
}

// The number items with the ruler's values, each in its item's decimals.
void CLstDepthRuler::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pRuler) return;
    const ScDepthRuler& r = *m_pRuler;
    ShowStoredValueOf(item, {{kTitleSizeId, r.GetNameFontSize() / 100.0}});
    for (const bool left : {true, false}) {
        const DWORD_PTR d = left ? 0 : static_cast<DWORD_PTR>(kRightOffset);
        ShowStoredValueOf(item, {{kIntervalId + d, r.GetInterval(left)},
                                {kMajorTimesId + d, r.GetWideTimes(left)},
                                {kMajorLengthId + d, r.GetWideMarkLength(left) / 100.0},
                                {kMajorWidthId + d, r.GetWideMarkLineSize(left) / 100.0},
                                {kMinorLengthId + d, r.GetMarkLength(left) / 100.0},
                                {kMinorWidthId + d, r.GetMarkLineSize(left) / 100.0},
                                {kLabelSizeId + d, r.GetMarkFontSize(left) / 100.0}});
    }
    for (const Border& b : kBorderLines) ShowStoredValueOf(item, {{b.group + kBorderWidthOffset, (r.*b.width)() / 100.0}});
}

Edited CLstDepthRuler::Edit(CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    if (id > kLeftSideId && id <= kLabelColorId) return EditSide(item, true, id);
    if (id > kRightSideId && id <= kLabelColorId + kRightOffset) return EditSide(item, false, id - kRightOffset);
    if (id > kBordersId && id < kRightBorderId + kBorderStep) return EditBorder(item, id);
    double number = 0;
    COLORREF color = 0;
    switch (id) {
        case kTitleTextId:
            m_pRuler->SetRulerTitle(ItemText(item));
            return Edited::Taken;
        case kTitleFaceId: {
            QXLOGFONT font;
            m_pRuler->GetNameFont(font);
            font.SetFaceName(ItemText(item));
            m_pRuler->SetNameFont(font);
            return Edited::Taken;
        }
        case kTitleSizeId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            m_pRuler->SetNameFontSize(number);
            return Edited::Stamped;
        case kTitleColorId:
            if (ReadShownColor(item, &color)) m_pRuler->SetNameFontClr(color);
            return Edited::Taken;
        default:
            return Edited::Taken;
    }
}

Edited CLstDepthRuler::EditSide(CBCGPProp* item, bool left, DWORD_PTR leftId) {
    ScDepthRuler& r = *m_pRuler;
    double number = 0;
    COLORREF color = 0;
    UINT style = 0;
    const bool isNumber = ReadItemSize(item, 1.0, &number);  // intervals and frequencies are never negative
    switch (leftId) {
        case kMarksShownId: {
            const int shown = ReadYesNo(item) ? 1 : 0;
            (r.*(left ? &ScDepthRuler::SetLeftMarkVisible : &ScDepthRuler::SetRightMarkVisible))(shown);
            return Edited::Taken;
        }
        case kDepthUnitId: {
            int unit = 0;
            if (!ReadFixedList(item, &unit)) return Edited::Refused;
            (r.*(left ? &ScDepthRuler::SetLeftDepthMeasure : &ScDepthRuler::SetRightDepthMeasure))(unit);
            return Edited::Taken;
        }
        case kIntervalId:
            if (!isNumber) return Edited::Refused;
            r.SetInterval(left, number);
            return Edited::Stamped;
        case kMajorTimesId:
            if (!isNumber) return Edited::Refused;
            r.SetWideTimes(left, number);
            return Edited::Stamped;
        case kMajorLengthId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            r.SetWideMarkLength(left, number);
            return Edited::Stamped;
        case kMajorStyleId:
            if (ReadStyle(item, &style)) r.SetWideMarkLineStyle(left, style);
            return Edited::Taken;
        case kMajorColorId:
            if (ReadShownColor(item, &color)) r.SetWideMarkClr(left, color);
            return Edited::Taken;
        case kMajorWidthId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            r.SetWideMarkLineSize(left, number);
            return Edited::Stamped;
        case kMinorLengthId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            r.SetMarkLength(left, number);
            return Edited::Stamped;
        case kMinorStyleId:
            if (ReadStyle(item, &style)) r.SetMarkLineStyle(left, style);
            return Edited::Taken;
        case kMinorColorId:
            if (ReadShownColor(item, &color)) r.SetMarkClr(left, color);
            return Edited::Taken;
        case kMinorWidthId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            r.SetMarkLineSize(left, number);
            return Edited::Stamped;
        case kLabelFaceId: {
            QXLOGFONT font;
            r.GetMarkFont(left, font);
            font.SetFaceName(ItemText(item));
            r.SetMarkFont(left, font);
            return Edited::Taken;
        }
        case kLabelSizeId:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            r.SetMarkFontSize(left, number);
            return Edited::Stamped;
        case kLabelColorId:
            if (ReadShownColor(item, &color)) r.SetMarkFontClr(left, color);
            return Edited::Taken;
        default:
            return Edited::Taken;
    }
}

// The right border's switch also shows or hides the right side's marks.
Edited CLstDepthRuler::EditBorder(CBCGPProp* item, DWORD_PTR id) {
    const DWORD_PTR offset = (id - kTopBorderId) % kBorderStep;
    const int index = static_cast<int>((id - kTopBorderId) / kBorderStep);
    const Border& b = kBorderLines[index];
    ScDepthRuler& r = *m_pRuler;
    double number = 0;
    COLORREF color = 0;
    UINT style = 0;
    switch (offset) {
        case kBorderShownOffset: {
            const int shown = ReadYesNo(item) ? 1 : 0;
            (r.*b.setShown)(shown);
            if (index == kRightBorderIndex) r.SetRightMarkVisible(shown);
            return Edited::Taken;
        }
        case kBorderStyleOffset:
            if (ReadStyle(item, &style)) (r.*b.setStyle)(style);
            return Edited::Taken;
        case kBorderColorOffset:
            if (ReadShownColor(item, &color)) (r.*b.setColor)(color);
            return Edited::Taken;
        case kBorderWidthOffset:
            if (!ReadHundredths(item, &number)) return Edited::Refused;
            (r.*b.setWidth)(number);
            return Edited::Stamped;
        default:
            return Edited::Taken;
    }
}
