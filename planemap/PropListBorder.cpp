#include "planemap/PropListBorder.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <utility>

#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/MapFunc.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "planemap/BorderTexts.h"
#include "planemap/PlaneTexts.h"
#include "win32/Crt.h"

namespace {

enum : DWORD_PTR {
    kUnnumberedId = 0,  // "类型" and "边框设置"
    kExtentGroupId = 2000,
    kXFromId = 2001,
    kXToId = 2002,
    kYFromId = 2003,
    kYToId = 2004,
    kOuterPenId = 2005,  // style 2006, width 2007, colour 2008
    kInnerPenId = 2009,  // style 2010, width 2011, colour 2012
    kFrameDistanceId = 2013,
    kTitleGroupId = 2014,
    kPrefixId = 2015,
    kStratumId = 2016,
    kPostfixId = 2017,
    kTitleFontId = 2018,  // face 2019, size 2020, colour 2021
    kTitleOffsetId = 2022,
};

CString TwoDecimals(double value) {
    CString text;
    text.Format("%.2f", value);
    return text;
}

// The leading number of text times 100, as stored for sizes and distances; false when the
// result is not a finite number.
bool ReadHundredths(const CString& text, double* value) {
    const double v = crt::Atof(text) * 100;
    if (!std::isfinite(v)) return false;
    *value = v;
    return true;
}

// The same for the float fields of the style records: false when it does not fit a float.
bool ReadHundredthsFloat(const CString& text, float* value) {
    double v = 0;
    if (!ReadHundredths(text, &v) || std::fabs(v) > FLT_MAX) return false;
    *value = static_cast<float>(v);
    return true;
}

CBCGPProp* NewTextItem(const char* name, const char* description, DWORD_PTR id) {
    return new CBCGPProp(name, _variant_t(""), description, id);
}

// The alias the title shows for a stratum: the stratum table's alias when the table knows the
// text at the grade of the map's stratum, else the text itself.
CString StratumAlias(CQXLayer* layer, const CString& text) {
    int grade = 0;
    CString mapStratum;
    if (!layer || !CMapFunc::GetStratum(layer->GetMap(), grade, mapStratum)) return text;
    CStratumManager* strata = CWellDataManager::Instance()->GetStratumManager();
    const STRATUM* record = strata ? strata->GetStratum(grade, text) : nullptr;
    if (!record) return text;
    return CString(record->alias, static_cast<int>(strnlen(record->alias, STRATUM::kTextSize)));
}

}  // namespace

void SetSameTypeBorderExtent(CQXLayer* layer, CQXObject::CONTROLNODE node, double value, const CString& typeName) {
    ForSameTypeObjects<CQXObjectBorder>(layer, typeName,
                                        [&](CQXObjectBorder* border) { border->SetBorderExtent(node, value); });
}

void SetSameTypeBorderBrush(CQXLayer* layer, QXLOGBRUSH* brush, const CString& typeName) {
    SetSameTypeObjects(layer, &CQXObjectBorder::SetLogBrush, brush, typeName);
}

CPropListBorder::CPropListBorder() = default;
CPropListBorder::~CPropListBorder() = default;

CQXObjectBorder* CPropListBorder::Border() const { return dynamic_cast<CQXObjectBorder*>(m_pTarget); }

int CPropListBorder::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    using namespace bordertext;

    auto* type = new CBCGPProp(planetext::kType, _variant_t(kBorderKind), "", kUnnumberedId);
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    auto* frame = new CBCGPProp(kFrameSettings, kUnnumberedId);
    auto* extent = new CBCGPProp(kExtent, kExtentGroupId);
    extent->AddSubItem(NewTextItem(kXFrom, kXFrom, kXFromId));
    extent->AddSubItem(NewTextItem(kXTo, kXTo, kXToId));
    extent->AddSubItem(NewTextItem(kYFrom, kYFrom, kYFromId));
    extent->AddSubItem(NewTextItem(kYTo, kYTo, kYToId));
    frame->AddSubItem(extent);
    for (const auto& [name, id] : {std::pair{kOuterFrame, kOuterPenId}, std::pair{kInnerFrame, kInnerPenId}}) {
        CBCGPProp* pen = CreateLineProp(name, id, false);
        pen->Expand(TRUE);
        frame->AddSubItem(pen);
    }
    frame->AddSubItem(NewTextItem(kFrameDistance, kFrameDistanceDescription, kFrameDistanceId));
    m_pFillGroup = CreateFillProp(planetext::kFill, kPlaneFillGroupId);
    m_pFillGroup->Expand(TRUE);
    frame->AddSubItem(m_pFillGroup);
    m_wndPropList.AddProperty(frame, TRUE, TRUE);

    auto* title = new CBCGPProp(kTitleSettings, kTitleGroupId);
    title->AddSubItem(NewTextItem(kPrefix, kPrefixDescription, kPrefixId));
    title->AddSubItem(NewTextItem(kStratum, kStratumDescription, kStratumId));
    title->AddSubItem(NewTextItem(kPostfix, kPostfixDescription, kPostfixId));
    title->AddSubItem(CreateFontProp(kTitleFont, kTitleFontId));
    title->AddSubItem(NewTextItem(kTitleOffset, kTitleOffsetDescription, kTitleOffsetId));
    m_wndPropList.AddProperty(title, TRUE, TRUE);
    return 0;
}

// Values are shown for exactly one selected object; with none or several the whole page is
// disabled. Every item is enabled again first, so that one border selected after several can
// be edited.
void CPropListBorder::UpdateBCGPProperty(long object, CString) {
    if (!BeginMultiRefresh(object)) return;
    CQXObjectBorder* border = Border();
    if (!border) return;
    if (GetSelectionCount() != 1) {
        EnableAllItems(FALSE);
        return;
    }
    auto setText = [this](DWORD_PTR id, const CString& text) {
        if (CBCGPProp* item = FindItem(id)) item->SetValue(_variant_t(text));
    };
    const FLOATRECT extent = border->GetBorderExtent();
    setText(kXFromId, TwoDecimals(extent.left));
    setText(kXToId, TwoDecimals(extent.right));
    setText(kYFromId, TwoDecimals(extent.bottom));
    setText(kYToId, TwoDecimals(extent.top));

    QXLOGPEN pen;
    border->GetOuterLogPen(&pen);
    SetLineProp(FindItem(kOuterPenId), pen);
    border->GetInnerLogPen(&pen);
    SetLineProp(FindItem(kInnerPenId), pen);
    setText(kFrameDistanceId, TwoDecimals(border->GetBorderWidth() / 100));

    QXLOGBRUSH brush;
    border->GetLogBrush(&brush);
    if (m_pFillGroup) SetFillProp(m_pFillGroup, planetext::kAllStyles, brush);

    setText(kPrefixId, border->GetPrefix());
    setText(kStratumId, border->GetStratum());
    setText(kPostfixId, border->GetPostfix());
    QXLOGFONT font;
    border->GetTitleFont(&font);
    SetFontProp(FindItem(kTitleFontId), font);
    setText(kTitleOffsetId, TwoDecimals(border->GetTitleDist() / 100));
}

LRESULT CPropListBorder::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectBorder* border = Border();
    if (!item || !border) {
        UpdateView();
        return 0;
    }
    CQXLayer* layer = border->GetLayer();
    const CString typeName = border->GetTypeName();
    const CString text = VariantToText(item->GetValue());
    const DWORD_PTR id = item->GetData();
    double value = 0;

    switch (id) {
        case kXFromId:
            SetSameTypeBorderExtent(layer, CQXObject::NODE_LEFT, crt::Atof(text), typeName);
            break;
        case kXToId:
            SetSameTypeBorderExtent(layer, CQXObject::NODE_RIGHT, crt::Atof(text), typeName);
            break;
        case kYFromId:
            SetSameTypeBorderExtent(layer, CQXObject::NODE_BOTTOM, crt::Atof(text), typeName);
            break;
        case kYToId:
            SetSameTypeBorderExtent(layer, CQXObject::NODE_TOP, crt::Atof(text), typeName);
            break;
        case kOuterPenId + 1:
        case kOuterPenId + 2:
        case kOuterPenId + 3:
        case kInnerPenId + 1:
        case kInnerPenId + 2:
        case kInnerPenId + 3:
            ApplyPenItem(item, border);
            break;
        case kFrameDistanceId:
            if (ReadHundredths(text, &value) && value >= 0)
                SetSameTypeObjects(layer, &CQXObjectBorder::SetBorderWidth, value, typeName);
            break;
        case kPrefixId:
            SetSameTypeObjects(layer, &CQXObjectBorder::SetPrefix, text, typeName);
            break;
        case kStratumId:
            ApplyStratum(border, text);
            break;
        case kPostfixId:
            SetSameTypeObjects(layer, &CQXObjectBorder::SetPostfix, text, typeName);
            break;
        case kTitleFontId + 1:
        case kTitleFontId + 2:
        case kTitleFontId + 3:
            ApplyTitleFontItem(item, border);
            break;
        case kTitleOffsetId:
            if (ReadHundredths(text, &value) && value > 0)
                SetSameTypeObjects(layer, &CQXObjectBorder::SetTitleDist, value, typeName);
            break;
        default:
            if (id > kPlaneFillGroupId && id <= kPlaneFillGroupId + 6) ApplyFillItem(item, border);
            break;
    }
    UpdateSameTypeObjects(layer, typeName);
    UpdateView();
    return 0;
}

// A sub-item of the outer (2006-2008) or inner (2010-2012) frame pen: style, width in
// millimetres (0 or more), colour.
void CPropListBorder::ApplyPenItem(CBCGPProp* item, CQXObjectBorder* border) {
    const DWORD_PTR id = item->GetData();
    const bool outer = id < kInnerPenId;
    QXLOGPEN pen;
    if (outer)
        border->GetOuterLogPen(&pen);
    else
        border->GetInnerLogPen(&pen);
    switch (id - (outer ? kOuterPenId : kInnerPenId)) {
        case 1: {
            auto* picker = dynamic_cast<CPropStyleCombox*>(item);
            if (!picker) return;
            pen.style = picker->GetVal();
            break;
        }
        case 2: {
            float width = 0;
            if (!ReadHundredthsFloat(VariantToText(item->GetValue()), &width) || width < 0) return;
            pen.width = width;
            break;
        }
        default: {
            auto* colour = dynamic_cast<CBCGPColorProp*>(item);
            if (!colour) return;
            pen.color = colour->GetColor();
            break;
        }
    }
    SetSameTypeObjects(border->GetLayer(), outer ? &CQXObjectBorder::SetOuterLogPen : &CQXObjectBorder::SetInnerLogPen,
                       &pen, border->GetTypeName());
}

// Face, size (more than 0) or colour of the title font.
void CPropListBorder::ApplyTitleFontItem(CBCGPProp* item, CQXObjectBorder* border) {
    QXLOGFONT font;
    border->GetTitleFont(&font);
    const CString text = VariantToText(item->GetValue());
    switch (item->GetData()) {
        case kTitleFontId + 1:
            font.SetFaceName(text);
            break;
        case kTitleFontId + 2: {
            float size = 0;
            if (!ReadHundredthsFloat(text, &size) || !(size > 0)) return;
            font.size = size;
            break;
        }
        default: {
            auto* colour = dynamic_cast<CBCGPColorProp*>(item);
            if (!colour) return;
            font.color = colour->GetColor();
            break;
        }
    }
    SetSameTypeObjects(border->GetLayer(), &CQXObjectBorder::SetTitleFont, &font, border->GetTypeName());
}

// A sub-item of the frame band's fill group (7001-7006).
void CPropListBorder::ApplyFillItem(CBCGPProp* item, CQXObjectBorder* border) {
    QXLOGBRUSH brush;
    border->GetLogBrush(&brush);
    switch (item->GetData() - kPlaneFillGroupId) {
        case 1: {
            const CString set = VariantToText(item->GetValue());
            if (set.IsEmpty()) return;
            UINT style = GetFirstFillStyleID(set);
            CBCGPProp* group = item->GetParent();
            if (auto* picker = dynamic_cast<CPropStyleCombox*>(group ? group->GetSubItem(1) : nullptr)) {
                picker->SetStyleGroup(set, true);
                picker->SetVal(style);  // redraws only when the choice changes
            }
            brush.style = style;
            break;
        }
        case 2: {
            auto* picker = dynamic_cast<CPropStyleCombox*>(item);
            if (!picker) return;
            brush.style = picker->GetVal();
            break;
        }
        case 3:
        case 4: {
            auto* colour = dynamic_cast<CBCGPColorProp*>(item);
            if (!colour) return;
            (item->GetData() == kPlaneFillGroupId + 3 ? brush.lineColor : brush.fillColor) = colour->GetColor();
            break;
        }
        case 5: {
            double size = 0;
            if (!GetNumberProp(item, &size) || !std::isfinite(size * 100) || size * 100 > FLT_MAX) return;
            brush.size = static_cast<float>(size * 100);
            break;
        }
        default:
            brush.backMode = GetYesNoProp(item) ? kBackModeTransparent : kBackModeOpaque;
            break;
    }
    SetSameTypeBorderBrush(border->GetLayer(), &brush, border->GetTypeName());
}

void CPropListBorder::ApplyStratum(CQXObjectBorder* border, const CString& text) {
    CQXLayer* layer = border->GetLayer();
    const CString typeName = border->GetTypeName();
    SetSameTypeObjects(layer, &CQXObjectBorder::SetStratum, text, typeName);
    SetSameTypeObjects(layer, &CQXObjectBorder::SetStratumAlias, StratumAlias(layer, text), typeName);
}
