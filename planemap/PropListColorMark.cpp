#include "planemap/PropListColorMark.h"

#include "framework/NumberText.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/OptionTables.h"
#include "hosttypes/Moraine/PlaneFunc.h"
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

// The stored value of a numeric item, as the refresh shows it and as a refused edit restores it.
CString StoredText(CQXObjectColorMark* mark, DWORD_PTR id) {
    FLOATPOINT p(0, 0);
    mark->GetAnchor(&p);
    QXLOGFONT font;
    mark->GetLogFont(&font);
    switch (id) {
        case CPropListColorMark::kXId:
            return FormatString("%.2f", p.x);
        case CPropListColorMark::kYId:
            return FormatString("%.2f", p.y);
        case CPropListColorMark::kLengthId:
            return FormatString("%.2f", mark->GetRadiusB());
        case CPropListColorMark::kWidthId:
            return FormatString("%.2f", mark->GetRadiusA());
        case CPropListColorMark::kSizeId:
            return FormatString("%.2f", font.size / 100.0);
        case CPropListColorMark::kDecimalsId:
            return FormatString("%d", mark->GetDecimal());
        case CPropListColorMark::kIntervalId:
            return FormatString("%d", mark->GetLabelInterval());
        default:
            return CString();
    }
}

// The mark takes a number above 0, or 0 typed as a number: negative values and texts that are
// no number are refused.
bool IsAccepted(const CString& text, double value) {
    return value > 0 || (value == 0 && kel::plane::CPlaneFunc::IsEffectiveFigure(text));
}

}  // namespace

CPropListColorMark::CPropListColorMark() = default;
CPropListColorMark::~CPropListColorMark() = default;

CQXObjectColorMark* CPropListColorMark::Mark() const { return dynamic_cast<CQXObjectColorMark*>(m_pTarget); }

int CPropListColorMark::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewTypeItem(ft::kColorMarkKind, kTypeId), TRUE, TRUE);
    m_wndPropList.AddProperty(
        NewOptionItem(planetext::kDirection, "", "", kDirectionId, {planetext::kForward, planetext::kBackward}, false),
        TRUE, TRUE);

    auto* geometry = new CBCGPProp(planetext::kPosition, kGeometryGroupId);
    geometry->AddSubItem(NewTextItem(planetext::kX, ft::kXDescription, kXId));
    geometry->AddSubItem(NewTextItem(planetext::kY, ft::kYDescription, kYId));
    geometry->AddSubItem(NewTextItem(planetext::kLength, ft::kLengthDescription, kLengthId));
    geometry->AddSubItem(NewTextItem(planetext::kWidth, ft::kWidthDescription, kWidthId));
    geometry->Expand(TRUE);
    m_wndPropList.AddProperty(geometry, TRUE, TRUE);

    auto* label = new CBCGPProp(planetext::kLabel, kLabelGroupId);
    label->AddSubItem(NewFontFaceItem(kFaceId));
    label->AddSubItem(NewTextItem(grouptext::kSize, planetext::kSizeDescription, kSizeId));
    label->AddSubItem(NewGroupColorProp(grouptext::kColor, planetext::kColorDescription, kColorId, 0));
    label->AddSubItem(NewOptionItem(planetext::kDecimals, "", planetext::kDecimalsDescription, kDecimalsId,
                                    {"0", "1", "2", "3"}, true));
    label->AddSubItem(NewOptionItem(planetext::kPosition, "", ft::kLabelSideDescription, kLabelSideId,
                                    {ft::kLeftSide, ft::kRightSide}, false));
    label->AddSubItem(NewTextItem(planetext::kInterval, planetext::kIntervalDescription, kIntervalId));
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
        direction->SetValue(_variant_t(
            TextOfValue(furniture::kDirections, mark->GetDirection(), furniture::kDirectionOtherText)));
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
    group->GetSubItem(4)->SetValue(_variant_t(
        TextOfValue(furniture::kLabelSides, mark->GetLabelAlign(), furniture::kLabelSideOtherText)));
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
    const CString text = ItemText(item);

    switch (item->GetData()) {
    case kDirectionId:
        mark->SetDirection(ValueOfText(furniture::kDirections, text, furniture::kDirectionDefault));
        break;
    case kShowMinId:
    case kShowMaxId:
        mark->GetPropertyManager()->SetBoolProperty(item->GetName(), GetYesNoProp(item) ? 1 : 0);
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
    case kLabelSideId:
        mark->SetLabelAlign(ValueOfText(furniture::kLabelSides, text, furniture::kLabelSideDefault));
        break;
    default:
        break;
    }
    mark->OnChanged(0);
    UpdateView();
    return 0;
}

// A refused number, or one that overflows what keeps it, leaves the mark as it is and shows the
// stored value again.
void CPropListColorMark::ApplyNumber(CQXObjectColorMark* mark, CBCGPProp* item) {
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();
    double value = 0;
    float size = 0;
    bool read = true;
    if (id == kDecimalsId || id == kIntervalId) {
        int whole = 0;
        read = numtext::LeadingInt(text, &whole);
        value = whole;
    } else if (id == kSizeId) {
        read = ReadFloat(text, 100, &size);
        value = size;
    } else {
        read = ReadNumber(text, 1, &value);
    }
    if (!read || !IsAccepted(text, value)) {
        SetItemText(item, StoredText(mark, id));
        return;
    }
    FLOATPOINT p(0, 0);
    mark->GetAnchor(&p);
    QXLOGFONT font;
    mark->GetLogFont(&font);
    switch (id) {
    case kXId: mark->MoveAnchor(FLOATPOINT(value, p.y)); break;
    case kYId: mark->MoveAnchor(FLOATPOINT(p.x, value)); break;
    case kLengthId: mark->SetRadiusB(value); break;
    case kWidthId: mark->SetRadiusA(value); break;
    case kSizeId:
        font.size = size;
        mark->SetLogFont(&font);
        break;
    case kDecimalsId: mark->SetDecimal(static_cast<int>(value)); break;
    case kIntervalId: mark->SetLabelInterval(static_cast<int>(value)); break;
    default: break;
    }
}
