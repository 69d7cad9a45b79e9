#include "section/GraphSetor.h"

#include <algorithm>
#include <cmath>

#include "framework/ChangeCheckers.h"
#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CStratumSysAdapter.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScUtility.h"
#include "hosttypes/Oriel/ScWellMgr.h"
#include "hosttypes/Oriel/ScWellPositionor.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Tinder/TimeStamp.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"
#include "win32/Win32.h"

using KelReservoir::Connection::CkelReservoir;
using namespace graphsetor;

namespace graphsetor {

bool ReadScaleText(const CString& text, double* scale) {
    std::string rest = text.str();
    const std::string prefix = kScalePrefix;
    for (std::size_t at = rest.find(prefix); at != std::string::npos; at = rest.find(prefix))
        rest.erase(at, prefix.size());
    const double value = ScUtility::JudgeFigure(CString(rest), false);
    if (!(value > 0) || kFltMax - value < 0.001) return false;
    *scale = value;
    return true;
}

CString ScaleText(double scale) { return CString(kScalePrefix) + VariantToText(_variant_t(scale)); }

}  // namespace graphsetor

namespace {

const char* const kScaleOptions[] = {"1:100", "1:200", "1:500", "1:1000"};
// The record keeps the extension lengths in these units per metre shown.
constexpr double kExtendUnits = 100000;
// The virtual-stratum pen follows the missing-strata group's two switches.
constexpr int kVirPenFirst = 2;

CBCGPProp* NewFixedList(const char* name, DWORD_PTR id, std::initializer_list<const char*> options) {
    return NewOptionItem(name, "", "", id, options, false);
}

// The number the item holds; false for a text that is no number.
bool ReadNumber(CBCGPProp* item, double* value) { return numtext::WholeNumber(ItemText(item), value); }

// The same times scale; false for a negative where negatives are refused, and for a product a
// double cannot hold.
bool ReadScaled(CBCGPProp* item, double scale, bool negatives, double* value) {
    double typed = 0;
    return ReadNumber(item, &typed) && (negatives || typed >= 0) && numtext::Scale(typed, scale, value);
}

// A number item the page reads times scale (the record's unit per unit shown).
CBCGPProp* NewNumber(const char* name, int digits, bool negatives, const char* description, DWORD_PTR id,
                     double scale = 1.0) {
    auto* item = new CBCGPropFloat(name, _variant_t(0.0), digits, description, negatives ? TRUE : FALSE, id);
    item->SetTextRule(KeptNumberRule([scale, negatives](CBCGPProp* kept) {
        double value = 0;
        return ReadScaled(kept, scale, negatives, &value);
    }));
    return item;
}

void ShowItem(CBCGPProp* item, bool shown) {
    if (item) item->Show(shown ? TRUE : FALSE, TRUE);
}

void SetNumber(CBCGPProp* item, double value) {
    if (item) item->SetValue(_variant_t(value));
}

void SetOptions(CBCGPProp* item, std::initializer_list<const char*> options) {
    if (!item) return;
    item->RemoveAllOptions();
    for (const char* option : options) item->AddOption(option, TRUE);
}

// A range type, a stratification level, ... as the text of its option; "" for any other value.
template <std::size_t N>
CString OptionText(const TextValue (&table)[N], int value) {
    return TextOfValue(table, value, "");
}

}  // namespace

// ---- construction ----------------------------------------------------------------------------------

CGraphSetor::CGraphSetor(ScContainer* container, ScObjInterface* section)
    : m_pContainer(container), m_dOldXScale(1.0), m_dOldYScale(1.0), m_pSection(section) {}

CGraphSetor::~CGraphSetor() = default;

int CGraphSetor::Kind() const { return m_pContainer ? m_pContainer->GetType() : ScControlerClient::CT_BASE; }

boost::shared_ptr<CMapProperty> CGraphSetor::Record() const {
    return m_pContainer ? m_pContainer->GetProperty() : boost::shared_ptr<CMapProperty>();
}

int CGraphSetor::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const int kind = Kind();

    m_wndPropList.AddProperty(NewFixedList(kWellTemplate, kTemplateId, {kNoTemplate}), TRUE, TRUE);

    auto* layout = new CBCGPProp(kLayout, kLayoutId, FALSE);
    layout->AddSubItem(section::NewList(kDepthType, "", "", kDepthTypeId, kDepthTypes, OtherTakenAs(-1),
                                        {kMeasuredDepth, kVerticalDepth}));
    // The spacing and projection items take the texts of both, the same conversion for both; each
    // shows its own option for the value taken (the projection item nothing for a spacing).
    CFixedListProp* spacing =
        section::NewList(kSpacingType, "", "", kSpacingTypeId, kSpacingTypes, OtherTakenAs(kOtherSpacing));
    spacing->AddUnofferedEntries(kProjectionTypes);
    spacing->RemoveAllOptions();  // the refresh offers the spacings of the section's kind
    layout->AddSubItem(spacing);
    CBCGPProp* interval = NewNumber(kSpacingInterval, 0, false, "", kIntervalId);
    for (const char* option : {"140", "200", "500", "1000"}) interval->AddOption(option, TRUE);
    layout->AddSubItem(interval);
    CFixedListProp* projection =
        section::NewList(kProjectionType, "", "", kProjectionId, kProjectionTypes, OtherTakenAs(kOtherSpacing));
    projection->SetOtherRule([](const CString& text, int* value) {
        *value = SpacingTypeOfText(text);
        return true;
    });
    layout->AddSubItem(projection);
    layout->AddSubItem(NewFixedList(kSpacingLayer, kSpacingLayerId, {}));
    layout->AddSubItem(section::NewScaleItem(kXScale, kXScaleId, kScaleOptions, ScaleItemRule(true)));
    layout->AddSubItem(section::NewScaleItem(kYScale, kYScaleId, kScaleOptions, ScaleItemRule(false)));
    layout->AddSubItem(section::NewList(kConnectPos, "", "", kConnectPosId, kConnectPositions, OtherTakenAs(-1),
                                        {kWellColumn, kWellTrack, kJointPositions}));
    CBCGPProp* leftJoint = NewNumber(kLeftJoint, 2, true, kLeftJointDescription, kLeftJointId, numtext::kHundredths);
    CBCGPProp* rightJoint =
        NewNumber(kRightJoint, 2, true, kRightJointDescription, kRightJointId, numtext::kHundredths);
    layout->AddSubItem(leftJoint);
    layout->AddSubItem(rightJoint);
    layout->AddSubItem(NewYesNoList(kShowJointLine, grouptext::kYes, "", kShowJointId));
    layout->AddSubItem(NewYesNoList(kFillWellBlank, grouptext::kYes, "", kFillBlankId));
    CFixedListProp* grade = section::NewList(kGrade, "", "", kGradeId, kGrades, OtherTakenAs(-1));
    grade->RemoveAllOptions();  // the refresh offers the section's levels
    layout->AddSubItem(grade);
    m_wndPropList.AddProperty(layout, TRUE, TRUE);
    leftJoint->Show(FALSE, TRUE);
    rightJoint->Show(FALSE, TRUE);

    auto* range = new CBCGPProp(kDisplayRange, kRangeId, FALSE);
    range->AddSubItem(section::NewList(kRangeType, "", "", kRangeTypeId, kRangeTypes, OtherTakenAs(-1)));
    range->AddSubItem(NewFixedList(kTopStratum, kTopStratumId, {}));
    range->AddSubItem(NewNumber(kTopExtend, 2, false, kTopExtendDescription, kTopExtendId));
    range->AddSubItem(NewFixedList(kBottomStratum, kBottomStratumId, {}));
    range->AddSubItem(NewNumber(kBottomExtend, 2, false, kBottomExtendDescription, kBottomExtendId));
    range->AddSubItem(NewNumber(kTopDepth, 2, true, kTopDepthDescription, kTopDepthId));
    range->AddSubItem(NewNumber(kBottomDepth, 2, true, kBottomDepthDescription, kBottomDepthId));
    m_wndPropList.AddProperty(range, TRUE, TRUE);

    auto* other = new CBCGPProp(kOther, kOtherId, FALSE);
    other->AddSubItem(
        NewNumber(kGraphWellWidth, 2, false, kGraphWellWidthDescription, kWellWidthId, numtext::kHundredths));
    other->AddSubItem(NewNumber(kLeftExtend, 2, false, kLeftExtendDescription, kLeftExtendId, kExtendUnits));
    other->AddSubItem(NewNumber(kRightExtend, 2, false, kRightExtendDescription, kRightExtendId, kExtendUnits));
    // The refresh shows every form but the horizontal one as extrapolated.
    CFixedListProp* extendForm =
        section::NewList(kExtendForm, kExtendFormInitial, "", kExtendFormId, kExtendForms, OtherTakenAs(-1));
    extendForm->ShowUnlistedAs(kExtrapolatedExtend);
    other->AddSubItem(extendForm);
    other->AddSubItem(section::NewList(kShowVirtualWell, kShowVirtualWell, kShowVirtualWell, kShowVirtualWellId,
                                       kYesNoEntries, OtherTakenAs(0), {}, true));
    m_wndPropList.AddProperty(other, TRUE, TRUE);

    auto* missing = new CBCGPProp(kMissingStrata, kMissingId, FALSE);
    missing->AddSubItem(NewYesNoList(kCalVirtualStrata, "", "", kCalVirtualId));
    missing->AddSubItem(NewYesNoList(kConnectVirtualStrata, "", "", kConnectVirtualId));
    AddLineSubItems(missing, kConnectVirtualId);
    m_wndPropList.AddProperty(missing, TRUE, TRUE);

    // Fences write no stratum names.
    const bool names = kind >= ScControlerClient::CT_CORRELATION && kind <= ScControlerClient::CT_RESERVOIR;
    CBCGPProp* nameStyle = CreateFontPropFloatSize(kStratumNameStyle, kNameFontId);
    if (names)
        nameStyle->AddSubItem(section::NewList(kStratumNamePlace, "", "", kNamePlaceId, kNamePlaces, OtherTakenAs(-1)));
    m_wndPropList.AddProperty(nameStyle, TRUE, TRUE);
    if (!names) nameStyle->Show(FALSE, TRUE);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------------

void CGraphSetor::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !m_pContainer) return;
    if (!CProChangedChecker(m_pContainer, this)()) return;
    const boost::shared_ptr<CMapProperty> record = Record();
    if (!record) return;
    RefreshTemplate(*record);
    RefreshLayout(*record);
    RefreshRange(*record);
    RefreshOther(*record);
    RefreshMissing(*record);
    RefreshNameStyle(*record);
}

void CGraphSetor::RefreshTemplate(const CMapProperty& record) {
    CBCGPProp* item = Item(kTemplateId);
    if (!item) return;
    item->RemoveAllOptions();
    item->AddOption(kNoTemplate, TRUE);
    section::AddTemplateOptions(item, Kind());
    SetItemText(item, section::TemplateTextOfPath(record.m_strTemplatePath));
}

void CGraphSetor::RefreshLayout(const CMapProperty& record) {
    if (!Item(kLayoutId)) return;
    const int kind = Kind();
    const int spacing = record.m_nWellSpacingType;
    const bool inclined = m_pContainer->GetWellMgr()->IsInclinedVersion();

    const bool depthShown = kind == ScControlerClient::CT_CORRELATION || kind == ScControlerClient::CT_CONNECTION ||
                            kind == ScControlerClient::CT_FENCE;
    ShowItem(Item(kDepthTypeId), depthShown);
    if (depthShown) {
        SetOptions(Item(kDepthTypeId), {kMeasuredDepth, kVerticalDepth});
        SetItemText(Item(kDepthTypeId), OptionText(kDepthTypes, record.m_nDepthType));
    }

    const bool spacingShown = kind == ScControlerClient::CT_CONNECTION || kind == ScControlerClient::CT_RESERVOIR;
    ShowItem(Item(kSpacingTypeId), spacingShown);
    if (spacingShown) {
        bool realOnly = false;
        if (auto* reservoir = dynamic_cast<CkelReservoir*>(m_pContainer))
            realOnly = reservoir->GetLineType() == 2 || (reservoir->GetLineType() == 1 && inclined);
        if (kind == ScControlerClient::CT_CONNECTION)
            SetOptions(Item(kSpacingTypeId), {kRealDistance, kEqualSpacing, kProjection});
        else if (realOnly)
            SetOptions(Item(kSpacingTypeId), {kRealDistance});
        else
            SetOptions(Item(kSpacingTypeId), {kRealDistance, kProjection});
        SetItemText(Item(kSpacingTypeId), OptionText(kSpacingTypes, spacing));
    }

    ShowItem(Item(kIntervalId), spacing == 0);
    SetNumber(Item(kIntervalId), record.m_dEqualInterval);
    ShowItem(Item(kProjectionId), spacing >= 2 && spacing <= 4);
    SetItemText(Item(kProjectionId), OptionText(kProjectionTypes, spacing));

    const bool layerShown = kind >= ScControlerClient::CT_CONNECTION && kind <= ScControlerClient::CT_FENCE &&
                            spacing >= 1 && spacing <= 6 && !inclined;
    CBCGPProp* layer = Item(kSpacingLayerId);
    ShowItem(layer, layerShown);
    if (layerShown && layer) {
        layer->RemoveAllOptions();
        layer->AddOption(kWellHead, TRUE);
        const CStratumManager* strata = CWellDataManager::Instance()->GetStratumManager();
        const int count = strata->GetStratumCount(record.m_nGrade);
        for (int i = 0; i < count; ++i) layer->AddOption(strata->GetStratumName(record.m_nGrade, i), TRUE);
        layer->AddOption(kWellBottom, TRUE);
        SetItemText(layer, record.m_strSpacingLayer.c_str());
    }

    SetItemText(Item(kXScaleId), ScaleText(record.m_dXScale));
    SetItemText(Item(kYScaleId), ScaleText(record.m_dYScale));
    SetOptions(Item(kConnectPosId), {kWellColumn, kWellTrack, kJointPositions});
    SetItemText(Item(kConnectPosId), OptionText(kConnectPositions, record.m_nConnectPos));
    const bool joints = record.m_nConnectPos == kJointConnect;
    ShowItem(Item(kLeftJointId), joints);
    ShowItem(Item(kRightJointId), joints);
    SetNumber(Item(kLeftJointId), record.m_dLeftJoint / 100);
    SetNumber(Item(kRightJointId), record.m_dRightJoint / 100);
    if (CBCGPProp* item = Item(kShowJointId)) SetYesNoProp(item, record.m_bShowJointLine);
    if (CBCGPProp* item = Item(kFillBlankId)) SetYesNoProp(item, record.m_bFillWellBlank);

    if (CBCGPProp* grade = Item(kGradeId)) {
        grade->RemoveAllOptions();
        for (int level = 0; level <= m_pContainer->CalMaxGrade(); ++level)
            if (CStratumSysAdapter::IsValidGrade(level)) grade->AddOption(OptionText(kGrades, level), TRUE);
        SetItemText(grade, OptionText(kGrades, record.m_nGrade));
    }
}

void CGraphSetor::RefreshRange(const CMapProperty& record) {
    if (!Item(kRangeId)) return;
    const bool strata = record.m_nRangeType == kStrataRange;
    SetItemText(Item(kRangeTypeId), OptionText(kRangeTypes, record.m_nRangeType));
    for (DWORD_PTR id : {kTopStratumId, kTopExtendId, kBottomStratumId, kBottomExtendId}) ShowItem(Item(id), strata);
    for (DWORD_PTR id : {kTopDepthId, kBottomDepthId}) ShowItem(Item(id), !strata);
    if (strata) {
        const CStratumSysAdapter system(record.m_nGrade);
        // The top can never be chosen below the bottom, nor the bottom above the top.
        if (CBCGPProp* top = Item(kTopStratumId)) {
            top->RemoveAllOptions();
            const int last = system.FindIndex(record.m_strBottomStratum);
            for (int i = 0; i <= last; ++i) top->AddOption(system.GetName(i).c_str(), TRUE);
            SetItemText(top, record.m_strTopStratum.c_str());
        }
        if (CBCGPProp* bottom = Item(kBottomStratumId)) {
            bottom->RemoveAllOptions();
            for (int i = std::max(0, system.FindIndex(record.m_strTopStratum)); i < system.GetSize(); ++i)
                bottom->AddOption(system.GetName(i).c_str(), TRUE);
            SetItemText(bottom, record.m_strBottomStratum.c_str());
        }
        SetNumber(Item(kTopExtendId), record.m_dTopExtendDepth);
        SetNumber(Item(kBottomExtendId), record.m_dBottomExtendDepth);
        return;
    }
    // A reservoir's depths are elevations.
    const double sign = Kind() == ScControlerClient::CT_RESERVOIR ? -1.0 : 1.0;
    SetNumber(Item(kTopDepthId), record.m_dTopDepth * sign);
    SetNumber(Item(kBottomDepthId), record.m_dBottomDepth * sign);
}

void CGraphSetor::RefreshOther(const CMapProperty& record) {
    if (!Item(kOtherId)) return;
    const int kind = Kind();
    SetNumber(Item(kWellWidthId), record.m_dWellWidth / 100);
    const bool extends = kind >= ScControlerClient::CT_CORRELATION && kind <= ScControlerClient::CT_RESERVOIR;
    ShowItem(Item(kLeftExtendId), extends);
    ShowItem(Item(kRightExtendId), extends);
    SetNumber(Item(kLeftExtendId), record.m_dLeftExtend / kExtendUnits);
    SetNumber(Item(kRightExtendId), record.m_dRightExtend / kExtendUnits);
    ShowItem(Item(kExtendFormId), kind == ScControlerClient::CT_CONNECTION || kind == ScControlerClient::CT_RESERVOIR);
    SetItemText(Item(kExtendFormId), OptionText(kExtendForms, record.m_nExtendForm == 0 ? 0 : 1));
    const bool reservoir = kind == ScControlerClient::CT_RESERVOIR;
    ShowItem(Item(kShowVirtualWellId), reservoir);
    if (CBCGPProp* item = Item(kShowVirtualWellId)) SetYesNoProp(item, record.m_bShowVirtualWell);
}

void CGraphSetor::RefreshMissing(const CMapProperty& record) {
    CBCGPProp* group = Item(kMissingId);
    if (!group) return;
    const int kind = Kind();
    const bool shown = kind == ScControlerClient::CT_CORRELATION || kind == ScControlerClient::CT_CONNECTION;
    ShowItem(group, shown);
    if (!shown) return;
    if (CBCGPProp* item = Item(kCalVirtualId)) SetYesNoProp(item, record.m_bCalVirtualStratum);
    if (CBCGPProp* item = Item(kConnectVirtualId)) {
        SetYesNoProp(item, record.m_bConnectVirtualStratum);
        item->Enable(record.m_bCalVirtualStratum ? TRUE : FALSE);
    }
    const BOOL pen = record.m_bCalVirtualStratum && record.m_bConnectVirtualStratum ? TRUE : FALSE;
    if (auto* style = dynamic_cast<CPropStyleCombox*>(Item(kVirPenStyleId))) {
        UINT value = record.m_virStratumPen.style;
        style->SetVal(value);
        style->Enable(pen);
    }
    if (auto* colour = dynamic_cast<CBCGPColorProp*>(Item(kVirPenColorId))) {
        colour->SetColor(record.m_virStratumPen.color);
        colour->Enable(pen);
    }
    if (CBCGPProp* width = Item(kVirPenWidthId)) {
        SetNumber(width, record.m_virStratumPen.width / 100.0);
        width->Enable(pen);
    }
}

void CGraphSetor::RefreshNameStyle(const CMapProperty& record) {
    CBCGPProp* group = Item(kNameFontId);
    if (!group) return;
    EnableFontProp(group, record.m_stratumNameFont, true);
    if (CBCGPProp* place = Item(kNamePlaceId)) SetItemText(place, OptionText(kNamePlaces, record.m_nStratumNamePos));
}

// ---- edits: the record ------------------------------------------------------------------------------

LRESULT CGraphSetor::OnPropertyChanged(WPARAM, LPARAM lParam) {
    if (StoreEdit(reinterpret_cast<CBCGPProp*>(lParam)).refused) return 0;
    SetModified();
    return 0;
}

// The number and scale items with the record's values: the scales as "1:n", the numbers in their
// items' decimals.
void CGraphSetor::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    const boost::shared_ptr<CMapProperty> held = Record();
    if (!item || !held) return;
    const CMapProperty& record = *held;
    if (item->GetData() == kXScaleId || item->GetData() == kYScaleId) {
        SetItemText(item, ScaleText(item->GetData() == kXScaleId ? record.m_dXScale : record.m_dYScale));
        return;
    }
    if (item->GetData() == kSpacingLayerId) {
        ShowTextBefore(item);
        return;
    }
    const double sign = Kind() == ScControlerClient::CT_RESERVOIR ? -1.0 : 1.0;
    ShowStoredValueOf(item, {{kIntervalId, record.m_dEqualInterval},
                                     {kLeftJointId, record.m_dLeftJoint / 100},
                                     {kRightJointId, record.m_dRightJoint / 100},
                                     {kTopExtendId, record.m_dTopExtendDepth},
                                     {kBottomExtendId, record.m_dBottomExtendDepth},
                                     {kTopDepthId, record.m_dTopDepth * sign},
                                     {kBottomDepthId, record.m_dBottomDepth * sign},
                                     {kWellWidthId, record.m_dWellWidth / 100},
                                     {kLeftExtendId, record.m_dLeftExtend / kExtendUnits},
                                     {kRightExtendId, record.m_dRightExtend / kExtendUnits},
                                     {kVirPenWidthId, record.m_virStratumPen.width / 100.0},
                                     {kNameSizeId, record.m_stratumNameFont.size / 100.0}});
}

void CGraphSetor::SetModified() {
    if (m_pContainer) m_pContainer->SetModifyFlag(1);
}

CGraphSetor::Edit CGraphSetor::StoreEdit(CBCGPProp* item) {
    Edit edit;
    const boost::shared_ptr<CMapProperty> held = Record();
    if (!item || !held) return edit;
    CMapProperty& record = *held;
    edit.id = item->GetData();
    edit.text = ItemText(item);
    edit.hasNumber = ReadNumber(item, &edit.number);
    bool save = false;
    double number = 0;
    // A text the reader refuses stores nothing.
    auto refuse = [&] {
        edit.refused = true;
        ShowItemAgain(item);
        return edit;
    };
    switch (edit.id) {
        case kTemplateId:
            record.m_strTemplatePath = section::TemplatePathOfText(edit.text, Kind());
            save = true;
            break;
        case kDepthTypeId:
            if (!ReadFixedList(item, &record.m_nDepthType)) return refuse();
            break;
        case kSpacingTypeId:
        case kProjectionId:
            if (!ReadFixedList(item, &record.m_nWellSpacingType)) return refuse();
            save = true;
            break;
        case kIntervalId:
            if (!ReadScaled(item, 1.0, false, &number)) return refuse();
            record.m_dEqualInterval = number;
            save = true;
            break;
        case kSpacingLayerId: {
            // A fence's wells are placed by the distances of the new layer: places no double holds
            // leave the record as it was.
            std::string before = record.m_strSpacingLayer;
            record.m_strSpacingLayer = edit.text.str();
            if (Kind() == ScControlerClient::CT_FENCE && !FenceReferencePlaces(&edit.places)) {
                record.m_strSpacingLayer = std::move(before);
                return refuse();
            }
            save = true;
            break;
        }
        case kXScaleId:
        case kYScaleId: {
            const bool x = edit.id == kXScaleId;
            if (!ReadScale(edit.text, x, &edit.scale, &edit.ratio)) return refuse();
            double& field = x ? record.m_dXScale : record.m_dYScale;
            (x ? m_dOldXScale : m_dOldYScale) = field;
            field = edit.scale;
            save = true;
            break;
        }
        case kConnectPosId:
            if (!ReadFixedList(item, &record.m_nConnectPos)) return refuse();
            save = true;
            break;
        case kLeftJointId:
        case kRightJointId: {
            if (!ReadScaled(item, numtext::kHundredths, true, &number)) return refuse();
            (edit.id == kLeftJointId ? record.m_dLeftJoint : record.m_dRightJoint) = number;
            save = true;
            break;
        }
        case kShowJointId:
            record.m_bShowJointLine = ReadYesNo(item);
            break;
        case kFillBlankId:
            record.m_bFillWellBlank = ReadYesNo(item);
            break;
        case kGradeId:
            if (!ReadFixedList(item, &record.m_nGrade)) return refuse();
            record.m_strSpacingLayer.clear();  // the reference layer was one of the old level
            break;
        case kRangeTypeId:
            if (!ReadFixedList(item, &record.m_nRangeType)) return refuse();
            break;
        case kTopStratumId:
            record.m_strTopStratum = edit.text.str();
            break;
        case kTopExtendId:
            if (!ReadScaled(item, 1.0, false, &number)) return refuse();  // never negative
            record.m_dTopExtendDepth = number;
            break;
        case kBottomStratumId:
            record.m_strBottomStratum = edit.text.str();
            break;
        case kBottomExtendId:
            if (!ReadScaled(item, 1.0, false, &number)) return refuse();
            record.m_dBottomExtendDepth = number;
            break;
        case kTopDepthId:
        case kBottomDepthId:
            if (!edit.hasNumber) return refuse();
            StoreDepth(edit, edit.id == kTopDepthId, record);
            break;
        case kWellWidthId:
            if (!ReadScaled(item, numtext::kHundredths, false, &number)) return refuse();
            record.m_dWellWidth = std::max(number, m_pContainer->GetWellMgr()->GetMinWidth());
            save = true;
            break;
        case kLeftExtendId:
        case kRightExtendId:
            if (!ReadScaled(item, kExtendUnits, false, &number)) return refuse();
            (edit.id == kLeftExtendId ? record.m_dLeftExtend : record.m_dRightExtend) = number;
            break;
        case kExtendFormId:
            if (!ReadFixedList(item, &record.m_nExtendForm)) return refuse();
            break;
        case kShowVirtualWellId:
            record.m_bShowVirtualWell = ReadYesNo(item);
            break;
        case kCalVirtualId:
            record.m_bCalVirtualStratum = ReadYesNo(item);
            break;
        case kConnectVirtualId:
            record.m_bConnectVirtualStratum = ReadYesNo(item);
            break;
        case kVirPenStyleId:
        case kVirPenWidthId:
        case kVirPenColorId:
            if (!ReadEditedPen(item, record.m_virStratumPen, kVirPenFirst)) return refuse();
            break;
        case kNameFaceId:
        case kNameSizeId:
        case kNameColorId:
            if (!ReadEditedField(item, record.m_stratumNameFont)) return refuse();
            break;
        case kNamePlaceId:
            if (!ReadFixedList(item, &record.m_nStratumNamePos)) return refuse();
            break;
        default:
            break;
    }
    if (save) SaveOldWellPositions();
    return edit;
}

// ---- scales ---------------------------------------------------------------------------------------------

// Every well of the section is moved by the ratio of the old scale to the new one; scales whose
// ratio, or whose moved positions, a double cannot hold would leave the wells at infinity or NaN.
bool CGraphSetor::ReadScale(const CString& text, bool x, double* scale, double* ratio) const {
    double value = 0;
    double factor = 1;
    if (!ReadScaleText(text, &value)) return false;
    if (m_pContainer && !(numtext::Ratio(CurrentScale(x), value, &factor) && WellsStayFinite(x, factor))) return false;
    *scale = value;
    *ratio = factor;
    return true;
}

TextRule CGraphSetor::ScaleItemRule(bool x) const {
    return [this, x](const CString& text) {
        double scale = 0;
        double ratio = 1;
        return ReadScale(text, x, &scale, &ratio);
    };
}

double CGraphSetor::CurrentScale(bool x) const {
    if (x && Kind() == ScControlerClient::CT_RESERVOIR) return m_pContainer->GetScaler()->GetXScale();
    const boost::shared_ptr<CMapProperty> record = Record();
    if (!record) return 1.0;
    return x ? record->m_dXScale : record->m_dYScale;
}

// The X ratio moves a well along X (on a fence, whose wells stand on the map, along both axes);
// the Y ratio along Y.
bool CGraphSetor::WellsStayFinite(bool x, double ratio) const {
    const bool both = x && Kind() == ScControlerClient::CT_FENCE;
    const ScWellMgr& wells = *m_pContainer->GetWellMgr();
    for (unsigned int i = 0; i < wells.size(); ++i) {
        const IkelWellAdapter* well = wells.GetWell(i);
        if (!well) continue;
        const FLOATPOINT at = well->GetPosition();
        double moved = 0;
        if (!numtext::Scale(x ? at.x : at.y, ratio, &moved) || (both && !numtext::Scale(at.y, ratio, &moved)))
            return false;
    }
    return true;
}

bool CGraphSetor::FenceReferencePlaces(std::vector<FLOATPOINT>* places) const {
    places->clear();
    const double scale = Record()->m_dXScale;
    if (!(scale > 0)) return true;
    const ScWellMgr& wells = *m_pContainer->GetWellMgr();
    ScWellPositionor* positionor = m_pContainer->GetWellPositionor();
    for (unsigned int i = 0; i < wells.size(); ++i) {
        const IkelWellAdapter* well = wells.GetWell(i);
        FLOATPOINT point(0, 0);
        if (well) positionor->GetCalDisNeedXY(well->GetName(), point);
        point.x = point.x / scale * 100 * 1000;
        point.y = point.y / scale * 100 * 1000;
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) return false;
        places->push_back(point);
    }
    return true;
}

// An elevation is stored negated; the top never lies below the bottom, nor the bottom above the top.
void CGraphSetor::StoreDepth(const Edit& edit, bool top, CMapProperty& record) {
    const double v = record.m_nDepthType == 2 ? 0.0 - edit.number : edit.number;  // a depth of 0 stays +0
    if (top)
        record.m_dTopDepth = std::min(v, record.m_dBottomDepth);
    else
        record.m_dBottomDepth = std::max(v, record.m_dTopDepth);
}

void CGraphSetor::SaveOldWellPositions() {
    ScWellMgr* wells = m_pContainer->GetWellMgr();
    wells->SetValue(&IkelWellAdapter::SaveOldWellPosInfo);
    wells->SetValue(&IkelWellAdapter::SaveOldWellJointInfo);
}

// ---- display range --------------------------------------------------------------------------------------

void CGraphSetor::UpdateDisplayRange() {
    const boost::shared_ptr<CMapProperty> record = Record();
    if (!record) return;
    ScWellMgr* wells = m_pContainer->GetWellMgr();
    switch (record->m_nRangeType) {
        case 0:
            record->m_dTopDepth = wells->GetTopDepth();
            wells->SetValue(&IkelWellAdapter::SetTopDepth, record->m_dTopDepth);
            RangeStep(true);
            record->m_dBottomDepth = wells->GetBotDepth();
            wells->SetValue(&IkelWellAdapter::SetBottomDepth, record->m_dBottomDepth);
            RangeStep(false);
            break;
        case kStrataRange:
            record->m_strTopStratum = wells->GetTopStratum();
            wells->SetValue(&IkelWellAdapter::SetTopStratum, record->m_strTopStratum);
            RangeStep(true);
            record->m_strBottomStratum = wells->GetBotStratum();
            wells->SetValue(&IkelWellAdapter::SetBottomStratum, record->m_strBottomStratum);
            RangeStep(false);
            break;
        default:
            break;
    }
    wells->UpdateWell();
}

// ---- shared steps -----------------------------------------------------------------------------------------

void CGraphSetor::RangeStep(bool top) {
    m_pContainer->ReLayout(top);
    if (auto* reservoir = dynamic_cast<CkelReservoir*>(m_pContainer))
        reservoir->GetFlowUnitManager().ReBuildWithOSWInfo();
}

void CGraphSetor::RebuildStep() {
    m_pContainer->GetWellMgr()->SortWells();
    m_pContainer->GetStratumGroupManager()->CreateAll();
    if (Kind() != ScControlerClient::CT_CORRELATION) m_pContainer->GetConMgrVector().CreateAll();
    m_pContainer->Refresh();
}

void CGraphSetor::RulerStep() { m_pContainer->GetDisRulerMgr()->RefurbishDisRuler(); }

void CGraphSetor::WellUpdateStep() {
    m_pContainer->GetWellMgr()->UpdateWell();
    if (const boost::shared_ptr<CMapProperty> record = Record()) record->UpdateProperty();
}

void CGraphSetor::ScaleNotification(double xRatio, double yRatio) { m_pContainer->OnScaleChanged(xRatio, yRatio); }

namespace {
ScWellPositionor* CurrentPositionor() {
    ScContainer* current = CContainerSignle::Instance()->GetContainer();
    return current ? current->GetWellPositionor() : nullptr;
}
}  // namespace

void CGraphSetor::SuspendAlignment() {
    ScWellPositionor* positionor = CurrentPositionor();
    if (positionor && positionor->IsAligned()) positionor->AlignHeadImp(false);
}

void CGraphSetor::RestoreAlignment() {
    ScWellPositionor* positionor = CurrentPositionor();
    if (positionor && positionor->IsAligned()) positionor->AlignHeadImp(true);
}

void CGraphSetor::Stamp() { m_pContainer->SetTimeStamp(AfxGetTimeStamp()); }
