#include "wellplot/intervals/PropLstEx.h"

#include "framework/TemplateOptions.h"
#include "framework/WndLst.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "mfc/Dc.h"
#include "framework/PropItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/LstParamStyle.h"

namespace {

// The template manager's kind of each item mode.
constexpr TemplateKind kKinds[kTemplateModeCount] = {TemplateKind::Color,      TemplateKind::Size,
                                                     TemplateKind::PointStyle, TemplateKind::LineStyle,
                                                     TemplateKind::FillStyle,  TemplateKind::FontStyle};

// Two colour-template names of one kit (border and inner): the name stored in the one the item's
// caption names; the other follows when it held the old name (one template used for both colours).
struct ColorPair {
    CString border;
    CString inner;
};
bool RenamePair(ColorPair& pair, const CString& label, const CString& oldName, const CString& newName) {
    const bool border = label == ivtext::kBorderColorTemplate;
    if (!border && label != ivtext::kInnerColorTemplate) return false;
    CString& named = border ? pair.border : pair.inner;
    CString& other = border ? pair.inner : pair.border;
    const bool otherToo = other == oldName;
    named = newName;
    if (otherToo) other = newName;
    return true;
}

}  // namespace

CPropLstEx::CPropLstEx(const CString& name, const CString& value, const char* description, DWORD_PTR data, int mode,
                       const CString& caption)
    : CBCGPProp(name, _variant_t(value), description, data), m_strCaption(caption), m_nMode(mode) {}

CPropLstEx::~CPropLstEx() = default;

// The buttons are placed with the button area, so a click finds them before the row was drawn.
void CPropLstEx::AdjustButtonRect() { PlaceTwoButtons(m_Rect, &m_rectButton, &m_rectFirst, &m_rectSecond); }

void CPropLstEx::OnDrawButton(CDC* dc, CRect rect) {
    m_rectFirst = TwoButtonFirst(m_Rect);
    CBCGPProp::OnDrawButton(dc, m_rectFirst);
    OnDrawButtonEX(dc, rect);
}

void CPropLstEx::OnDrawButtonEX(CDC* dc, CRect) {
    m_rectSecond = TwoButtonSecond(m_Rect);
    DrawSecondButton(dc, m_rectSecond, m_strCaption);
}

void CPropLstEx::OnClickButton(CPoint point) { TwoButtonClick(this, m_rectFirst, point); }

void CPropLstEx::OnClickButtonEx(CPoint point) {
    CString value;
    if (!SecondButtonValue(this, m_rectSecond, point, &value)) return;
    CString oldName;
    CString newName;
    const bool known = m_nMode >= 0 && m_nMode < kTemplateModeCount;
    if (known) {
        CStyleTemplate* style = FindNamedTemplate(kKinds[m_nMode], value);
        if (!style) return;
        oldName = style->GetName();
        style->Edit();
        newName = style->GetName();
        SetItemText(this, newName);
        if (newName != oldName) RefillTemplateOptions(m_nMode, this);
    }
    if (!m_pKit) return;
    if (known) StoreTemplateName(oldName, newName);
    m_pKit->OnSettingChanged();
    if (m_pList) m_pList->UpdateObjFinished();
}

// The kit's field for the name: by kind and, for colours and sizes of a parameter kit, by the page
// that holds the item; the rectangle fill's two colours and a well's by the item's caption.
void CPropLstEx::StoreTemplateName(const CString& oldName, const CString& newName) {
    if (auto* param = dynamic_cast<CWpParam*>(m_pKit)) {
        using Page = CLstParamStyle::Page;
        auto* list = dynamic_cast<CLstParamStyle*>(m_pList);
        const int page = list ? static_cast<int>(list->GetPage()) : -1;
        switch (m_nMode) {
            case kModeColor:
                if (page == static_cast<int>(Page::Line)) param->SetLineColorTemp(newName);
                if (page == static_cast<int>(Page::Point)) param->SetPointColorTemp(newName);
                if (page == static_cast<int>(Page::Text)) param->SetTextColorTemp(newName);
                if (page == static_cast<int>(Page::RectFill)) {
                    ColorPair pair{param->GetRectBColorTemp(), param->GetRectIColorTemp()};
                    if (RenamePair(pair, GetName(), oldName, newName)) {
                        param->SetRectBColorTemp(pair.border);
                        param->SetRectIColorTemp(pair.inner);
                    }
                }
                break;
            case kModeSize:
                if (page == static_cast<int>(Page::Line)) param->SetLineSizeTemp(newName);
                if (page == static_cast<int>(Page::Point)) param->SetPointSizeTemp(newName);
                if (page == static_cast<int>(Page::Text)) param->SetTextSizeTemp(newName);
                if (page == static_cast<int>(Page::RectFill)) param->SetRectSizeTemp(newName);
                break;
            case kModePointStyle:
                param->SetPointTypeTemp(newName);
                break;
            case kModeLineStyle:
                param->SetLineTypeTemp(newName);
                break;
            case kModeFillStyle:
                param->SetRectTypeTemp(newName);
                break;
            case kModeFont:
                param->SetTextTypeTemp(newName);
                break;
            default:
                break;
        }
    } else if (auto* well = dynamic_cast<CWpWell*>(m_pKit)) {
        switch (m_nMode) {
            case kModeColor: {
                ColorPair pair{well->GetBorderColorTemplate(), well->GetInnerColorTemplate()};
                if (RenamePair(pair, GetName(), oldName, newName)) {
                    well->SetBorderColorTemplate(pair.border);
                    well->SetInnerColorTemplate(pair.inner);
                }
                break;
            }
            case kModeSize:
                well->SetSizeTemplate(newName);
                break;
            case kModePointStyle:
                well->SetPointStyleTemplate(newName);
                break;
            default:
                break;
        }
    }
}
