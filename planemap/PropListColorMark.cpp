#include "planemap/PropListColorMark.h"

#include <cmath>
#include <initializer_list>

#include "bcg/ColorProp.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "planemap/FurnitureTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kTypeId = 2000,
    kDirectionId = 2001,
    kShowMinId = 2002,
    kShowMaxId = 2003,
    kGeometryGroupId = 2004,
    kXId = 2005,
    kYId = 2006,
    kLengthId = 2007,
    kWidthId = 2008,
    kLabelGroupId = 2009,
    kFaceId = 2010,
    kSizeId = 2011,
    kColorId = 2012,
    kDecimalsId = 2013,
    kLabelSideId = 2014,
    kIntervalId = 2015,
};

namespace ft = furnituretext;

CBCGPProp* NewTextItem(const char* name, const char* description, DWORD_PTR id) {
    return new CBCGPProp(name, _variant_t(""), description, id);
}

CBCGPProp* NewChoiceItem(const char* name, const char* description, DWORD_PTR id,
                         std::initializer_list<const char*> options, BOOL allowEdit) {
    auto* item = new CBCGPProp(name, _variant_t(""), description, id);
    for (const char* option : options) item->AddOption(option);
    item->AllowEdit(allowEdit);
    return item;
}

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
    CString text;
    switch (id) {
    case kXId: text.Format("%.2f", p.x); break;
    case kYId: text.Format("%.2f", p.y); break;
    case kLengthId: text.Format("%.2f", mark->GetRadiusB()); break;
    case kWidthId: text.Format("%.2f", mark->GetRadiusA()); break;
    case kSizeId: text.Format("%.2f", font.size / 100.0); break;
    case kDecimalsId: text.Format("%d", mark->GetDecimal()); break;
    case kIntervalId: text.Format("%d", mark->GetLabelInterval()); break;
    default: break;
    }
    return text;
}

// A typed number the mark takes: above 0, or 0 typed as a number. Negative values, texts that
// are no number and values too large to keep are refused.
bool IsAccepted(const CString& text, double value) {
    if (!std::isfinite(value) || !std::isfinite(static_cast<float>(value))) return false;
    return value > 0 || (value == 0 && kel::plane::CPlaneFunc::IsEffectiveFigure(text));
}

}  // namespace

CPropListColorMark::CPropListColorMark() = default;
CPropListColorMark::~CPropListColorMark() = default;

CQXObjectColorMark* CPropListColorMark::Mark() const { return dynamic_cast<CQXObjectColorMark*>(m_pTarget); }

int CPropListColorMark::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(ft::kColorMarkKind), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    m_wndPropList.AddProperty(NewChoiceItem(ft::kDirection, "", kDirectionId, {ft::kForward, ft::kBackward}, FALSE),
                              TRUE, TRUE);

    auto* geometry = new CBCGPProp(planetext::kPosition, kGeometryGroupId);
    geometry->AddSubItem(NewTextItem(planetext::kX, ft::kXDescription, kXId));
    geometry->AddSubItem(NewTextItem(planetext::kY, ft::kYDescription, kYId));
    geometry->AddSubItem(NewTextItem(ft::kLength, ft::kLengthDescription, kLengthId));
    geometry->AddSubItem(NewTextItem(ft::kWidth, ft::kWidthDescription, kWidthId));
    geometry->Expand(TRUE);
    m_wndPropList.AddProperty(geometry, TRUE, TRUE);

    auto* label = new CBCGPProp(ft::kLabel, kLabelGroupId);
    label->AddSubItem(new CPropStyleCombox(grouptext::kFontFace, CString(grouptext::kDefaultFontFace),
                                           grouptext::kFontFaceDescription, kFaceId));
    label->AddSubItem(NewTextItem(grouptext::kSize, ft::kSizeDescription, kSizeId));
    label->AddSubItem(NewGroupColorProp(grouptext::kColor, ft::kColorDescription, kColorId, 0));
    label->AddSubItem(
        NewChoiceItem(ft::kDecimals, ft::kDecimalsDescription, kDecimalsId, {"0", "1", "2", "3"}, TRUE));
    label->AddSubItem(NewChoiceItem(planetext::kPosition, ft::kLabelSideDescription, kLabelSideId,
                                    {ft::kLeftSide, ft::kRightSide}, FALSE));
    label->AddSubItem(NewTextItem(ft::kInterval, ft::kIntervalDescription, kIntervalId));
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
            furniture::TextOfValue(furniture::kDirections, mark->GetDirection(), furniture::kDirectionOtherText)));
    SetYesNoProp(FindItem(kShowMinId), IsMarkShown(mark, ft::kShowMinMark));
    SetYesNoProp(FindItem(kShowMaxId), IsMarkShown(mark, ft::kShowMaxMark));
    RefreshGeometry(mark);
    RefreshLabel(mark);
}

void CPropListColorMark::RefreshGeometry(CQXObjectColorMark* mark) {
    CBCGPProp* group = FindItem(kGeometryGroupId);
    if (!group) return;
    for (int i = 0; i < group->GetSubItemsCount(); ++i)
        group->GetSubItem(i)->SetValue(_variant_t(StoredText(mark, kXId + static_cast<DWORD_PTR>(i))));
}

void CPropListColorMark::RefreshLabel(CQXObjectColorMark* mark) {
    CBCGPProp* group = FindItem(kLabelGroupId);
    if (!group || group->GetSubItemsCount() < 6) return;
    QXLOGFONT font;
    mark->GetLogFont(&font);
    group->GetSubItem(0)->SetValue(_variant_t(font.GetFaceName()));
    group->GetSubItem(1)->SetValue(_variant_t(StoredText(mark, kSizeId)));
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(group->GetSubItem(2))) colour->SetColor(font.color);
    group->GetSubItem(3)->SetValue(_variant_t(StoredText(mark, kDecimalsId)));
    group->GetSubItem(4)->SetValue(_variant_t(
        furniture::TextOfValue(furniture::kLabelSides, mark->GetLabelAlign(), furniture::kLabelSideOtherText)));
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
    const CString text = VariantToText(item->GetValue());

    switch (item->GetData()) {
    case kDirectionId:
        mark->SetDirection(furniture::ValueOfText(furniture::kDirections, text, furniture::kDirectionDefault));
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
        font.SetFaceName(text);
        mark->SetLogFont(&font);
        break;
    case kColorId:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            font.color = colour->GetColor();
            mark->SetLogFont(&font);
        }
        break;
    case kLabelSideId:
        mark->SetLabelAlign(furniture::ValueOfText(furniture::kLabelSides, text, furniture::kLabelSideDefault));
        break;
    default:
        break;
    }
    mark->OnChanged(0);
    UpdateView();
    return 0;
}

// A refused number leaves the mark as it is and shows the stored value again.
void CPropListColorMark::ApplyNumber(CQXObjectColorMark* mark, CBCGPProp* item) {
    const CString text = VariantToText(item->GetValue());
    const DWORD_PTR id = item->GetData();
    const bool integer = id == kDecimalsId || id == kIntervalId;
    const double value = integer ? crt::Atoi(text) : crt::Atof(text) * (id == kSizeId ? 100.0 : 1.0);
    if (!IsAccepted(text, value)) {
        item->SetValue(_variant_t(StoredText(mark, id)));
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
        font.size = static_cast<float>(value);
        mark->SetLogFont(&font);
        break;
    case kDecimalsId: mark->SetDecimal(static_cast<int>(value)); break;
    case kIntervalId: mark->SetLabelInterval(static_cast<int>(value)); break;
    default: break;
    }
}
