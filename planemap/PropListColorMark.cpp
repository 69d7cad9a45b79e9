#include "planemap/PropListColorMark.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "planemap/FurnitureTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"

using namespace planemap;

namespace {

namespace ft = furnituretext;

// An absent key counts as shown.
bool IsMarkShown(CQXObjectColorMark* mark, const char* key) {
    int shown = 1;
    mark->GetPropertyManager()->GetBoolProperty(key, shown);
    return shown == 1;
}

// The stored value of a numeric item, as the refresh shows it.
CString StoredText(CQXObjectColorMark* mark, DWORD_PTR id) {
    FLOATPOINT p(0, 0);
    mark->GetAnchor(&p);
    QXLOGFONT font;
    mark->GetLogFont(&font);
    switch (id) {
        case CPropListColorMark::kXId:
            return numtext::Fixed(p.x, 2);
        case CPropListColorMark::kYId:
            return numtext::Fixed(p.y, 2);
        case CPropListColorMark::kLengthId:
            return numtext::Fixed(mark->GetRadiusB(), 2);
        case CPropListColorMark::kWidthId:
            return numtext::Fixed(mark->GetRadiusA(), 2);
        case CPropListColorMark::kSizeId:
            return numtext::Fixed(font.size / 100.0, 2);
        case CPropListColorMark::kDecimalsId:
            return FormatString("%d", mark->GetDecimal());
        case CPropListColorMark::kIntervalId:
            return FormatString("%d", mark->GetLabelInterval());
        default:
            return CString();
    }
}

}  // namespace

CPropListColorMark::CPropListColorMark() = default;
CPropListColorMark::~CPropListColorMark() = default;

CQXObjectColorMark* CPropListColorMark::Mark() const { return dynamic_cast<CQXObjectColorMark*>(m_pTarget); }

int CPropListColorMark::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(ft::kColorMarkKind, kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(NewFixedListItem(planetext::kDirection, "", "", kDirectionId, furniture::kDirections,
                                               OtherTakenAs(furniture::kDirectionDefault)),
                              TRUE, TRUE);

    auto* geometry = new CBCGPProp(planetext::kPosition, kGeometryGroupId);
    // Every number item refuses what its reader in ApplyNumber refuses: the position, length and
    // width a number above 0 or 0 typed as a number (ReadZeroOrMore), the size and the whole numbers
    // the same through ReadWidth and ReadCount.
    geometry->AddSubItem(NewSizeTextItem(planetext::kX, ft::kXDescription, kXId, ZeroOrMoreRule()));
    geometry->AddSubItem(NewSizeTextItem(planetext::kY, ft::kYDescription, kYId, ZeroOrMoreRule()));
    geometry->AddSubItem(NewSizeTextItem(planetext::kLength, ft::kLengthDescription, kLengthId, ZeroOrMoreRule()));
    geometry->AddSubItem(NewSizeTextItem(planetext::kWidth, ft::kWidthDescription, kWidthId, ZeroOrMoreRule()));
    geometry->Expand(TRUE);
    m_wndPropList.AddProperty(geometry, TRUE, TRUE);

    auto* label = new CBCGPProp(planetext::kLabel, kLabelGroupId);
    label->AddSubItem(NewFontFaceItem(kFaceId));
    label->AddSubItem(NewSizeTextItem(grouptext::kSize, planetext::kSizeDescription, kSizeId, WidthRule()));
    label->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kColorId, 0));
    label->AddSubItem(
        NewCountItem(planetext::kDecimals, planetext::kDecimalsDescription, kDecimalsId, {"0", "1", "2", "3"}));
    label->AddSubItem(NewFixedListItem(planetext::kPosition, "", ft::kLabelSideDescription, kLabelSideId,
                                       furniture::kLabelSides, OtherTakenAs(furniture::kLabelSideDefault)));
    label->AddSubItem(NewSizeTextItem(planetext::kInterval, planetext::kIntervalDescription, kIntervalId, CountRule()));
    label->Expand(TRUE);
    m_wndPropList.AddProperty(label, TRUE, TRUE);

    m_wndPropList.AddProperty(CreateYesNoProp(ft::kShowMinMark, kShowMinId, _variant_t(""), ""), TRUE, TRUE);
    m_wndPropList.AddProperty(CreateYesNoProp(ft::kShowMaxMark, kShowMaxId, _variant_t(""), ""), TRUE, TRUE);
    return 0;
}

// The list edits the shown mark only, so a mixed selection changes nothing here.
void CPropListColorMark::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectColorMark* mark = Mark();
    if (!mark) return;
    if (CBCGPProp* direction = FindItem(kDirectionId))
        direction->SetValue(
            _variant_t(TextOfValue(furniture::kDirections, mark->GetDirection(), furniture::kDirectionOtherText)));
    SetYesNoProp(FindItem(kShowMinId), IsMarkShown(mark, ft::kShowMinMark));
    SetYesNoProp(FindItem(kShowMaxId), IsMarkShown(mark, ft::kShowMaxMark));
    RefreshGeometry(mark);
    RefreshLabel(mark);
}

void CPropListColorMark::RefreshGeometry(CQXObjectColorMark* mark) {
    CBCGPProp* group = FindItem(kGeometryGroupId);
    if (!group) return;
    for (int i = 0; i < group->GetSubItemsCount(); ++i)
        SetItemText(group->GetSubItem(i), StoredText(mark, kXId + static_cast<DWORD_PTR>(i)));
}

void CPropListColorMark::RefreshLabel(CQXObjectColorMark* mark) {
    CBCGPProp* group = FindItem(kLabelGroupId);
    if (!group || group->GetSubItemsCount() < 6) return;
    QXLOGFONT font;
    mark->GetLogFont(&font);
    group->GetSubItem(0)->SetValue(_variant_t(font.GetFaceName()));
    group->GetSubItem(1)->SetValue(_variant_t(StoredText(mark, kSizeId)));
    ShowColor(group->GetSubItem(2), font.color);
    group->GetSubItem(3)->SetValue(_variant_t(StoredText(mark, kDecimalsId)));
    group->GetSubItem(4)->SetValue(
        _variant_t(TextOfValue(furniture::kLabelSides, mark->GetLabelAlign(), furniture::kLabelSideOtherText)));
    group->GetSubItem(5)->SetValue(_variant_t(StoredText(mark, kIntervalId)));
}

LRESULT CPropListColorMark::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectColorMark* mark = Mark();
    if (!item || !mark) {
        UpdateView();
        return 0;
    }
    QXLOGFONT font;
    mark->GetLogFont(&font);

    switch (item->GetData()) {
        case kDirectionId:
        case kLabelSideId: {
            // Each takes any text: one of its options' values, or its default.
            int value = 0;
            if (!ReadFixedList(item, &value)) return 0;
            if (item->GetData() == kDirectionId)
                mark->SetDirection(value);
            else
                mark->SetLabelAlign(value);
            break;
        }
        case kShowMinId:
        case kShowMaxId:
            mark->GetPropertyManager()->SetBoolProperty(item->GetName(), ReadYesNo(item) ? 1 : 0);
            break;
        case kXId:
        case kYId:
        case kLengthId:
        case kWidthId:
        case kSizeId:
        case kDecimalsId:
        case kIntervalId:
            ApplyNumber(mark, item);
            break;
        case kFaceId:
        case kColorId:
            if (EditFont(font, item, SubItemPosition(item->GetData(), kLabelGroupId))) mark->SetLogFont(&font);
            break;
        default:
            break;
    }
    mark->OnChanged(0);
    UpdateView();
    return 0;
}

// The shown mark only. Each item reads by the reader used here, so a number it refuses never comes here.
void CPropListColorMark::ApplyNumber(CQXObjectColorMark* mark, CBCGPProp* item) {
    const CString text = ItemText(item);
    FLOATPOINT p(0, 0);
    mark->GetAnchor(&p);
    QXLOGFONT font;
    mark->GetLogFont(&font);
    double value = 0;
    int whole = 0;
    switch (item->GetData()) {
        case kXId:
            if (ReadZeroOrMore(text, &value)) mark->MoveAnchor(FLOATPOINT(value, p.y));
            break;
        case kYId:
            if (ReadZeroOrMore(text, &value)) mark->MoveAnchor(FLOATPOINT(p.x, value));
            break;
        case kLengthId:
            if (ReadZeroOrMore(text, &value)) mark->SetRadiusB(value);
            break;
        case kWidthId:
            if (ReadZeroOrMore(text, &value)) mark->SetRadiusA(value);
            break;
        case kSizeId:
            if (ReadWidth(text, &font.size)) mark->SetLogFont(&font);
            break;
        case kDecimalsId:
            if (ReadCount(text, &whole)) mark->SetDecimal(whole);
            break;
        case kIntervalId:
            if (ReadCount(text, &whole)) mark->SetLabelInterval(whole);
            break;
        default:
            break;
    }
}

// A refused number shows the stored value as the refresh shows it.
void CPropListColorMark::ShowItemAgain(CBCGPProp* item) {
    CQXObjectColorMark* mark = Mark();
    const CString stored = item && mark ? StoredText(mark, item->GetData()) : CString();
    if (stored.IsEmpty())
        CWndLstPlane::ShowItemAgain(item);
    else
        SetItemText(item, stored);
}
