#include "ProfilelineProp/PlProfilelineProperty.h"

#include "ProfilelineProp/PlPageSupport.h"
#include "ProfilelineProp/ProfilelineTexts.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Lodestar/PlProfileline.h"

using namespace KelProfileline;
using namespace grouptext;
using namespace pltext;

namespace {

const TextValue kKinds[] = {{kSequenceLine, LINE_SEQUENCE}, {kProjectionLine, LINE_PROJECTION}};

// What the items show while several objects are active.
constexpr UINT kNoStyle = 1000;
constexpr double kSeveralWidth = 0.02;

}  // namespace

CPlProfilelineProperty::~CPlProfilelineProperty() = default;

const char* CPlProfilelineProperty::KindName(int kind) { return TextOfValue(kKinds, kind, ""); }

int CPlProfilelineProperty::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto* type = new CBCGPProp(kType, _variant_t(""), "", kTypeId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);
    auto* style = new CPropStyleCombox(kLineStyle, kNoStyle, CPropStyleCombox::kLineStyle, kestrel::kLineSetCommonAlt,
                                       "", kStyleId);
    style->AllowEdit(FALSE);
    m_wndPropList.AddProperty(style, TRUE, TRUE);
    auto* width = new CBCGPropFloat(kLineWidth, _variant_t(0.0), 2, kWidthDescription, FALSE, kWidthId);
    width->SetTextRule(plpage::FieldRule());
    m_wndPropList.AddProperty(width, TRUE, TRUE);
    m_wndPropList.AddProperty(NewGroupColorProp(kColor, "", kColorId, 0), TRUE, TRUE);
    if (m_pLine && m_pLine->GetLineType() == LINE_PROJECTION) {
        auto* angle = new CBCGPropFloat(kAngle, _variant_t(0.0), 2, kAngleDescription, FALSE, kAngleId);
        angle->SetTextRule([](const CString& text) {
            double degrees = 0;
            return ReadAngle(text, &degrees);
        });
        m_wndPropList.AddProperty(angle, TRUE, TRUE);
    }
    return 0;
}

void CPlProfilelineProperty::UpdateBCGPProperty(long object, CString) {
    if (!plpage::ShouldRefresh(*this, object, m_pLine)) return;
    const bool one = plpage::OneActive(m_pLine->GetContainer());
    const QXLOGPEN pen = m_pLine->GetLinePen();
    SetItemText(Item(kTypeId), KindName(m_pLine->GetLineType()));
    if (auto* style = dynamic_cast<CPropStyleCombox*>(Item(kStyleId))) {
        UINT code = one ? pen.style : kNoStyle;
        style->SetVal(code);  // redraws only when the style changes
    }
    if (CBCGPProp* width = Item(kWidthId)) width->SetValue(_variant_t(one ? pen.width / 100.0 : kSeveralWidth));
    ShowColor(Item(kColorId), one ? pen.color : 0);
    if (CBCGPProp* angle = Item(kAngleId)) angle->SetValue(_variant_t(one ? m_pLine->GetAngle() : 0.0));
}

LRESULT CPlProfilelineProperty::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item || !m_pLine) return 0;
    switch (item->GetData()) {
        case kStyleId:
        case kWidthId:
        case kColorId:
            EditPen(item);
            break;
        case kAngleId:
            EditAngle(item);
            break;
        default:
            break;
    }
    return 0;
}

// The shown line's pen with the edited field, for every active profile line. The width item reads
// by EditField's rule, so a width it refuses never comes here.
void CPlProfilelineProperty::EditPen(CBCGPProp* item) {
    QXLOGPEN pen = m_pLine->GetLinePen();
    if (plpage::EditField(pen, item, static_cast<int>(item->GetData() - kStyleId)))
        plpage::ApplyToActive<CPlProfileline>(m_pLine->GetContainer(),
                                              [&pen](CPlProfileline& line) { line.SetLinePen(pen); });
}

void CPlProfilelineProperty::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pLine) return;
    plpage::ShowRefused(item, plpage::OneActive(m_pLine->GetContainer()),
                        {{kWidthId, m_pLine->GetLinePen().width / 100.0}, {kAngleId, m_pLine->GetAngle()}});
}

bool CPlProfilelineProperty::ReadAngle(const CString& text, double* degrees) {
    double angle = 0;
    if (!numtext::LeadingNumber(text, &angle) || !IsAngle(angle)) return false;
    *degrees = angle;
    return true;
}

// The angle item reads by ReadAngle, so an angle it refuses never comes here.
void CPlProfilelineProperty::EditAngle(CBCGPProp* item) {
    double angle = 0;
    if (ReadAngle(ItemText(item), &angle))
        plpage::ApplyToActive<CPlProfileline>(m_pLine->GetContainer(),
                                              [angle](CPlProfileline& line) { line.SetAngle(angle); });
}
