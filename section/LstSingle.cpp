#include "section/LstSingle.h"

#include <algorithm>
#include <cmath>

#include "framework/ChangeCheckers.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Oriel/CStratumSysAdapter.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "hosttypes/Pennant/StratumUnit.h"
#include "section/CnLstWell.h"
#include "section/GraphSetor.h"
#include "section/SectionItems.h"
#include "section/SectionOptions.h"
#include "section/SingleWellSteps.h"
#include "section/SingleWellTexts.h"
#include "win32/Win32.h"

using namespace sectiontext;

namespace single {

bool ReadSingleScale(const CString& text, double* scale) {
    double value = 0;
    if (!graphsetor::ReadScaleText(text, &value) || !(value > kFltEpsilon)) return false;
    *scale = value;
    return true;
}

bool ClampDepth(double typed, double other, bool typedTop, int depthType, double* depth) {
    for (double bound : {typed, other})
        if (bound == kFltMax || bound == -kFltMax) return false;
    const double v = depthType == 2 ? 0.0 - typed : typed;  // a depth of 0 stays +0
    *depth = typedTop ? std::min(v, other) : std::max(v, other);
    return true;
}

}  // namespace single

namespace {

const char* const kXScales[] = {"1:100", "1:200", "1:500", "1:1000"};
const char* const kYScales[] = {"1:50", "1:100", "1:200", "1:500", "1:1000"};

CBCGPProp* NewFixedList(const char* name, DWORD_PTR id, std::initializer_list<const char*> options) {
    return NewOptionItem(name, "", "", id, options, false);
}

// A number item that refuses what rule, the rule of the reader the page reads it by, refuses.
CBCGPProp* NewNumber(const char* name, bool negatives, const char* description, DWORD_PTR id, TextRule rule) {
    auto* item = new CBCGPropFloat(name, _variant_t(0.0), 2, description, negatives ? TRUE : FALSE, id);
    item->SetTextRule(std::move(rule));
    return item;
}

// A track item that offers the rock-sample track only and is never changed.
CBCGPProp* NewTrackItem(const char* name, DWORD_PTR id) {
    CBCGPProp* item = NewOptionItem(name, sgltext::kRockSampleTrack, "", id, {sgltext::kRockSampleTrack}, false);
    item->Enable(FALSE);
    return item;
}

void ShowItem(CBCGPProp* item, bool shown) {
    if (item) item->Show(shown ? TRUE : FALSE, TRUE);
}

void SetNumber(CBCGPProp* item, double value) {
    if (item) item->SetValue(_variant_t(value));
}

}  // namespace

CLstSingle::CLstSingle(CSingleWellSection* section)
    : m_pSection(section), m_pWell(section ? section->GetWell() : nullptr) {}

CLstSingle::~CLstSingle() = default;

int CLstSingle::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* templ = NewFixedList(kWellTemplate, kTemplateId, {kNoTemplate});
    section::AddTemplateOptionsOfType(templ, TemplateManager::TPL_SINGLEWELL);
    m_wndPropList.AddProperty(templ, TRUE, TRUE);

    auto* layout = new CBCGPProp(kLayout, kLayoutId, FALSE);
    const auto scaleRule = [this](bool x) -> TextRule {
        return [this, x](const CString& text) {
            double scale = 0;
            return ReadScale(text, x, &scale);
        };
    };
    layout->AddSubItem(section::NewScaleItem(kXScale, kXScaleId, kXScales, scaleRule(true)));
    layout->AddSubItem(section::NewScaleItem(kYScale, kYScaleId, kYScales, scaleRule(false)));
    layout->AddSubItem(section::NewList(kConnectPos, "", "", kLapJointId, single::kLapJoints, kOtherRefused));
    layout->AddSubItem(NewTrackItem(sgltext::kLeftTrack, kLeftTrackId));
    layout->AddSubItem(NewTrackItem(sgltext::kRightTrack, kRightTrackId));
    // Every other grade name is the fifth grade.
    CBCGPProp* grade = section::NewList(kGrade, "", "", kGradeId, graphsetor::kGrades, OtherTakenAs(4));
    grade->RemoveAllOptions();
    for (int g = 0; g <= GetMaxStratumLevel(); ++g)
        if (CStratumSysAdapter::IsValidGrade(g)) grade->AddOption(TextOfValue(graphsetor::kGrades, g, ""), TRUE);
    layout->AddSubItem(grade);
    m_wndPropList.AddProperty(layout, TRUE, TRUE);

    auto* range = new CBCGPProp(kDisplayRange, kRangeId, FALSE);
    range->AddSubItem(
        section::NewList(kRangeType, "", "", kRangeTypeId, kRangeTypes, kOtherRefused, {kByStrata, kByDepth}));
    range->AddSubItem(NewFixedList(kTopStratum, kTopStratumId, {}));
    range->AddSubItem(NewNumber(kTopDepth, true, sgltext::kTopDepthDescription, kTopDepthId, DepthRule(true)));
    range->AddSubItem(NewNumber(kTopExtend, false, "", kTopExtendId, section::ItemSizeRule()));
    range->AddSubItem(NewFixedList(kBottomStratum, kBottomStratumId, {}));
    range->AddSubItem(
        NewNumber(kBottomDepth, true, sgltext::kBottomDepthDescription, kBottomDepthId, DepthRule(false)));
    range->AddSubItem(NewNumber(kBottomExtend, false, "", kBottomExtendId, section::ItemSizeRule()));
    m_wndPropList.AddProperty(range, TRUE, TRUE);

    m_wndPropList.AddProperty(NewNumber(sgltext::kWellWidth, false, "", kWellWidthId, section::ItemSizeRule(100.0)),
                              TRUE, TRUE);
    return 0;
}

// ---- refresh --------------------------------------------------------------------------------------

void CLstSingle::UpdateBCGPProperty(long, CString) {
    if (!m_pSection || !m_pWell) return;
    if (!ScProChangedChecker(m_pSection, this)()) return;
    SetItemText(Item(kTemplateId), section::TemplateTextOfPath(m_pSection->GetProperty()->m_strTemplatePath));
    RefreshLayout();
    RefreshRange();
    const double width = m_pWell->GetWidth() / 100.0;
    CBCGPProp* item = Item(kWellWidthId);
    if (item && VariantToText(item->GetValue()) != VariantToText(_variant_t(width))) SetNumber(item, width);
}

void CLstSingle::RefreshLayout() {
    const CSingleProperty& record = *m_pSection->GetProperty();
    ShowTextIfChanged(Item(kXScaleId), graphsetor::ScaleText(record.m_dXScale));
    ShowTextIfChanged(Item(kYScaleId), graphsetor::ScaleText(record.m_dYScale));
    const CString joint = TextOfValue(single::kLapJoints, m_pWell->GetLapJointType(), "");
    if (!joint.IsEmpty()) SetItemText(Item(kLapJointId), joint);
    SetItemText(Item(kGradeId), TextOfValue(graphsetor::kGrades, record.m_nGrade, ""));
}

void CLstSingle::RefreshRange() {
    const bool byStratum = m_pWell->GetRangeType() == kStrataRange;
    SetItemText(Item(kRangeTypeId), m_pWell->GetRangeType() == 0 ? kByDepth : kByStrata);
    ShowItem(Item(kTopStratumId), byStratum);
    SetItemText(Item(kTopStratumId), m_pWell->GetTopStratum().c_str());
    ShowItem(Item(kTopDepthId), !byStratum);
    SetNumber(Item(kTopDepthId), ShownDepth(true));
    if (CBCGPProp* item = Item(kTopExtendId)) item->Enable(byStratum ? TRUE : FALSE);
    SetNumber(Item(kTopExtendId), m_pWell->GetTopExtendDep());
    ShowItem(Item(kBottomStratumId), byStratum);
    SetItemText(Item(kBottomStratumId), m_pWell->GetBottomStratum().c_str());
    ShowItem(Item(kBottomDepthId), !byStratum);
    SetNumber(Item(kBottomDepthId), ShownDepth(false));
    if (CBCGPProp* item = Item(kBottomExtendId)) item->Enable(byStratum ? TRUE : FALSE);
    SetNumber(Item(kBottomExtendId), m_pWell->GetBottomExtendDep());
    FillStratumOptions(m_pWell->GetTopStratum(), m_pWell->GetBottomStratum());
}

double CLstSingle::ShownDepth(bool top) const {
    const double sign = m_pWell->GetDepthDataType() == DEPTHDATA_ELEVATION ? -1.0 : 1.0;
    return (top ? m_pWell->GetTopDep() : m_pWell->GetBottomDep()) * sign;
}

void CLstSingle::FillStratumOptions(const std::string& top, const std::string& bottom) {
    CBCGPProp* topItem = Item(kTopStratumId);
    CBCGPProp* bottomItem = Item(kBottomStratumId);
    if (!topItem || !bottomItem) return;
    topItem->RemoveAllOptions();
    bottomItem->RemoveAllOptions();
    const CStratumSysAdapter strata(m_pSection->GetProperty()->m_nGrade);
    const int t = strata.FindIndex(top);
    const int b = strata.FindIndex(bottom);
    for (int i = 0; i < strata.GetSize(); ++i) {
        if (i <= b) topItem->AddOption(strata.GetName(i).c_str(), TRUE);
        if (i >= t) bottomItem->AddOption(strata.GetName(i).c_str(), TRUE);
    }
}

// ---- edits ------------------------------------------------------------------------------------------

LRESULT CLstSingle::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!m_pSection || !m_pWell) return 0;
    const CString text = ItemText(item);
    bool taken = true;
    switch (item ? item->GetData() : 0) {
        case kTemplateId:
            m_pSection->SetTemplate(text.str());
            m_pSection->UpdateStratumSand();
            break;
        case kXScaleId:
        case kYScaleId:
            taken = EditScale(item, item->GetData() == kXScaleId);
            break;
        case kLapJointId:
            taken = EditLapJoint(item);
            break;
        case kGradeId:
            EditGrade(item);
            break;
        case kRangeTypeId:
            taken = EditRangeType(item);
            break;
        case kTopStratumId:
            m_pWell->SetTopStratum(text.str());
            FillStratumOptions(text.str(), m_pWell->GetBottomStratum());
            break;
        case kBottomStratumId:
            m_pWell->SetBottomStratum(text.str());
            FillStratumOptions(m_pWell->GetTopStratum(), text.str());
            break;
        case kTopDepthId:
        case kBottomDepthId:
            taken = EditDepth(item, item->GetData() == kTopDepthId);
            break;
        case kTopExtendId:
        case kBottomExtendId:
            taken = EditExtend(item, item->GetData() == kTopExtendId);
            break;
        case kWellWidthId:
            taken = EditWidth(item);
            break;
        default:
            break;
    }
    // A text the reader refuses stores nothing and runs no tail: the item shows its text from
    // before, a number or scale the stored value.
    if (!taken) {
        ShowTextBefore(item);
        ShowItemAgain(item);
        return 0;
    }
    Tail();
    return 0;
}

void CLstSingle::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    if (!item || !m_pSection || !m_pWell) return;
    const CSingleProperty& record = *m_pSection->GetProperty();
    if (item->GetData() == kXScaleId || item->GetData() == kYScaleId) {
        SetItemText(item, graphsetor::ScaleText(item->GetData() == kXScaleId ? record.m_dXScale : record.m_dYScale));
        return;
    }
    ShowStoredValueOf(item, {{kTopDepthId, ShownDepth(true)},
                                     {kBottomDepthId, ShownDepth(false)},
                                     {kTopExtendId, m_pWell->GetTopExtendDep()},
                                     {kBottomExtendId, m_pWell->GetBottomExtendDep()},
                                     {kWellWidthId, m_pWell->GetWidth() / 100.0}});
}

bool CLstSingle::ReadScale(const CString& text, bool x, double* scale) const {
    double value = 0;
    double ratio = 1;
    if (!single::ReadSingleScale(text, &value)) return false;
    if (m_pSection) {
        const CSingleProperty& record = *m_pSection->GetProperty();
        if (!numtext::Ratio(x ? record.m_dXScale : record.m_dYScale, value, &ratio)) return false;
    }
    *scale = value;
    return true;
}

bool CLstSingle::EditScale(CBCGPProp* item, bool x) {
    double scale = 0;
    if (!ReadScale(ItemText(item), x, &scale)) return false;
    if (x)
        m_pSection->SetXScale(scale);
    else
        m_pSection->SetYScale(scale);
    m_pSection->UpdateStratumSand();
    return true;
}

bool CLstSingle::EditLapJoint(CBCGPProp* item) {
    int type = 0;
    if (!ReadFixedList(item, &type)) return false;
    m_pWell->SetLapJointType(static_cast<LapJointType>(type));
    m_pSection->UpdateStratumSand();
    return true;
}

bool CLstSingle::EditRangeType(CBCGPProp* item) {
    int type = 0;
    if (!ReadFixedList(item, &type)) return false;
    m_pWell->SetRangeType(static_cast<EnumDepthType>(type));
    return true;
}

// A grade change drops the section's stratum and sand units; the user confirms it first.
void CLstSingle::EditGrade(CBCGPProp* item) {
    int grade = 0;
    if (!ReadFixedList(item, &grade) || AfxMessageBox(sgltext::kGradeQuestion, MB_YESNO) != IDYES) return;
    m_pSection->GetProperty()->m_nGrade = grade;
    m_pWell->UpdateStratumAndDep();
    m_pWell->CalStratumProperty();
    if (m_pWell->GetDepthDataType() == DEPTHDATA_VERTICAL) ResetStrata(grade);
    if (const auto strata = m_pSection->GetStratumManager()) strata->RemoveAll();
    if (const auto sands = m_pSection->GetSandUnitMgrVector()) sands->RemoveAll();
}

// The range runs from the new grade's first stratum to its last.
void CLstSingle::ResetStrata(int grade) {
    CBCGPProp* topItem = Item(kTopStratumId);
    CBCGPProp* bottomItem = Item(kBottomStratumId);
    const CStratumSysAdapter strata(grade);
    for (CBCGPProp* item : {topItem, bottomItem}) {
        if (!item) continue;
        item->RemoveAllOptions();
        for (int i = 0; i < strata.GetSize(); ++i) item->AddOption(strata.GetName(i).c_str(), TRUE);
    }
    const std::string top = strata.GetTopStratum();
    const std::string bottom = strata.GetBotStraum();
    m_pWell->SetTopStratum(top);
    m_pWell->SetBottomStratum(bottom);
    SetItemText(topItem, top.c_str());
    SetItemText(bottomItem, bottom.c_str());
}

bool CLstSingle::ReadDepth(CBCGPProp* item, bool top, double* depth) const {
    double typed = 0;
    if (!m_pWell || !section::ReadItemNumber(item, 1.0, &typed)) return false;
    const double other = top ? m_pWell->GetBottomDep() : m_pWell->GetTopDep();
    return single::ClampDepth(typed, other, top, m_pWell->GetDepthDataType(), depth);
}

TextRule CLstSingle::DepthRule(bool top) const {
    return KeptNumberRule([this, top](CBCGPProp* kept) {
        double depth = 0;
        return ReadDepth(kept, top, &depth);
    });
}

// A depth kept to the other bound, or typed again, is stored all the same.
bool CLstSingle::EditDepth(CBCGPProp* item, bool top) {
    double depth = 0;
    if (!ReadDepth(item, top, &depth)) return false;
    if (top)
        m_pWell->SetTopDep(depth);
    else
        m_pWell->SetBottomDep(depth);
    return true;
}

bool CLstSingle::EditExtend(CBCGPProp* item, bool top) {
    double depth = 0;
    if (!section::ReadItemSize(item, 1.0, &depth)) return false;  // an extension is never negative
    if (top)
        m_pWell->SetTopExtendDep(depth);
    else
        m_pWell->SetBottomExtendDep(depth);
    return true;
}

// The same width again changes nothing but the layout of the strata and sands.
bool CLstSingle::EditWidth(CBCGPProp* item) {
    double width = 0;
    if (!section::ReadItemSize(item, 100.0, &width)) return false;
    if (std::fabs(m_pWell->GetWidth() - width) > kFltEpsilon) {
        m_pWell->SetWidth(width);
        m_pWell->RecalculateDrawing();
        m_pWell->RecalculateLayout();
    }
    m_pSection->UpdateStratumSand();
    return true;
}

void CLstSingle::Tail() {
    m_pWell->RecalculateDrawing();
    static_cast<CQXObject*>(m_pSection)->OnChanged(0);
    single::Stamp(m_pSection);
    single::Redraw(m_pSection);
}
