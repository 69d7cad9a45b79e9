#include "planemap/PropListBorderGrid.h"

#include <iterator>
#include <vector>

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/ModuleFamilies.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropUnsigned.h"
#include "hosttypes/Harrow/KelProject.h"
#include "hosttypes/Tinder/DegreeConvert.h"
#include "planemap/BorderPages.h"
#include "planemap/BorderTexts.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"

using namespace planemap;

namespace {

// The items of one grid's settings group, and how its lengths are shown.
struct GridItems {
    DWORD_PTR showScale, majorGroup, frequency, majorLength, minorGroup, minorLength, linesGroup, lineStyle,
        crossLength;
    int lengthDecimals;
};
constexpr GridItems kGraticuleItems{CPropListBorderGrid::kGShowScaleId,   CPropListBorderGrid::kGMajorGroupId,
                                    CPropListBorderGrid::kGFrequencyId,   CPropListBorderGrid::kGMajorLengthId,
                                    CPropListBorderGrid::kGMinorGroupId,  CPropListBorderGrid::kGMinorLengthId,
                                    CPropListBorderGrid::kGLinesGroupId,  CPropListBorderGrid::kGLineStyleId,
                                    CPropListBorderGrid::kGCrossLengthId, 1};
constexpr GridItems kKilometerItems{CPropListBorderGrid::kKShowScaleId,   CPropListBorderGrid::kKMajorGroupId,
                                    CPropListBorderGrid::kKFrequencyId,   CPropListBorderGrid::kKMajorLengthId,
                                    CPropListBorderGrid::kKMinorGroupId,  CPropListBorderGrid::kKMinorLengthId,
                                    CPropListBorderGrid::kKLinesGroupId,  CPropListBorderGrid::kKLineStyleId,
                                    CPropListBorderGrid::kKCrossLengthId, 2};

// One grid's values as the page shows them.
struct GridValues {
    int drawScale;
    unsigned frequency;
    double majorLength, minorLength, crossLength;  // hundredths of a millimetre
    QXLOGPEN majorPen, minorPen, linePen;
    int drawType;
};

GridValues GraticuleValues(const CQXObjectBorder& b) {
    GridValues v{b.GetGDrawScale(),
                 b.GetGFrequency(),
                 b.GetGScaleLength(),
                 b.GetGScaleLength2(),
                 b.GetGCrossLength(),
                 {},
                 {},
                 {},
                 b.GetGGridDrawType()};
    b.GetGScaleLine(&v.majorPen);
    b.GetGScaleLine2(&v.minorPen);
    b.GetGraticuleLogPen(&v.linePen);
    return v;
}

GridValues KilometerValues(const CQXObjectBorder& b) {
    GridValues v{b.GetKDrawScale(),
                 b.GetKFrequency(),
                 b.GetKScaleLength(),
                 b.GetKScaleLength2(),
                 b.GetKCrossLength(),
                 {},
                 {},
                 {},
                 b.GetKGridDrawType()};
    b.GetKScaleLine(&v.majorPen);
    b.GetKScaleLine2(&v.minorPen);
    b.GetKLineLogPen(&v.linePen);
    return v;
}

// The six pens the page edits, each through its style, width and colour items.
constexpr BorderRecordSlot<QXLOGPEN> kPenSlots[] = {
    {CPropListBorderGrid::kGMajorPenId, &CQXObjectBorder::GetGScaleLine, &CQXObjectBorder::SetGScaleLine},
    {CPropListBorderGrid::kGMinorPenId, &CQXObjectBorder::GetGScaleLine2, &CQXObjectBorder::SetGScaleLine2},
    {CPropListBorderGrid::kGLinePenId, &CQXObjectBorder::GetGraticuleLogPen, &CQXObjectBorder::SetGraticuleLogPen},
    {CPropListBorderGrid::kKMajorPenId, &CQXObjectBorder::GetKScaleLine, &CQXObjectBorder::SetKScaleLine},
    {CPropListBorderGrid::kKMinorPenId, &CQXObjectBorder::GetKScaleLine2, &CQXObjectBorder::SetKScaleLine2},
    {CPropListBorderGrid::kKLinePenId, &CQXObjectBorder::GetKLineLogPen, &CQXObjectBorder::SetKLineLogPen},
};

// The lengths, written as the typed millimetres times 100.
struct LengthSlot {
    DWORD_PTR id;
    void (CQXObjectBorder::*set)(double);
};
constexpr LengthSlot kLengthSlots[] = {
    {CPropListBorderGrid::kGMajorLengthId, &CQXObjectBorder::SetGScaleLength},
    {CPropListBorderGrid::kGMinorLengthId, &CQXObjectBorder::SetGScaleLength2},
    {CPropListBorderGrid::kGCrossLengthId, &CQXObjectBorder::SetGCrossLength},
    {CPropListBorderGrid::kKMajorLengthId, &CQXObjectBorder::SetKScaleLength},
    {CPropListBorderGrid::kKMinorLengthId, &CQXObjectBorder::SetKScaleLength2},
    {CPropListBorderGrid::kKCrossLengthId, &CQXObjectBorder::SetKCrossLength},
};

// Grid drawing values and their names; any other text draws no lines.
constexpr TextValue kLineStyleNames[] = {
    {bordertext::kGridLineNone, CQXObjectBorder::GRID_NONE},
    {bordertext::kGridLineFull, CQXObjectBorder::GRID_LINE},
    {bordertext::kGridLineCross, CQXObjectBorder::GRID_CROSS},
};
constexpr OtherText kLineStyleOther = OtherTakenAs(CQXObjectBorder::GRID_NONE);

enum GridTypeIndex : int { kNoGrid = 0, kGraticuleOnly = 1, kKilometerOnly = 2, kBothGrids = 3 };

std::vector<CString>* g_gridTypeNames = nullptr;

// A tick or cross length: the whole text one number of 0 or more millimetres, kept in hundredths.
bool ReadTickLength(const CString& text, double* hundredths) {
    double typed = 0;
    return ReadWholeDouble(text, &typed) && typed >= 0 && numtext::Scale(typed, numtext::kHundredths, hundredths);
}

CBCGPProp* NewLengthItem(DWORD_PTR id, const char* name = planetext::kLength) {
    auto* length = new CBCGPropFloat(name, _variant_t(""), 1, "", FALSE, id);
    length->SetTextRule(ReaderRule(ReadTickLength));
    return length;
}

// The style list reads its texts as GridLineStyleFromName does.
CBCGPProp* NewLineStyleItem(DWORD_PTR id) {
    return NewFixedListItem(grouptext::kLineStyleShort, "", grouptext::kLineStyleShort, id, kLineStyleNames,
                            kLineStyleOther);
}

// Interval, scale ticks and grid lines of one grid; the graticule's intervals are added by the
// caller, ahead of the rest.
void AddGridItems(CBCGPProp* settings, const GridItems& ids, DWORD_PTR majorPenId, DWORD_PTR minorPenId,
                  DWORD_PTR linePenId, CBCGPProp* frequency, bool collapsed) {
    using namespace bordertext;
    auto* scale = new CBCGPProp(kScaleTicks, ids.showScale - 1);
    scale->AddSubItem(CreateYesNoProp(grouptext::kShow, ids.showScale, _variant_t(""), ""));
    auto* major = new CBCGPProp(kMajorTick, ids.majorGroup);
    major->AddSubItem(frequency);
    major->AddSubItem(NewLengthItem(ids.majorLength));
    AddLineSubItemsWithIds(major, majorPenId, majorPenId + 1, majorPenId + 2);
    scale->AddSubItem(major);
    auto* minor = new CBCGPProp(kMinorTick, ids.minorGroup);
    minor->AddSubItem(NewLengthItem(ids.minorLength));
    AddLineSubItemsWithIds(minor, minorPenId, minorPenId + 1, minorPenId + 2);
    scale->AddSubItem(minor);
    settings->AddSubItem(scale);

    auto* lines = new CBCGPProp(kGridLines, ids.linesGroup);
    lines->AddSubItem(NewLineStyleItem(ids.lineStyle));
    AddLineSubItemsWithIds(lines, linePenId, linePenId + 1, linePenId + 2);
    lines->AddSubItem(NewLengthItem(ids.crossLength, kCrossLength));
    settings->AddSubItem(lines);
    if (collapsed) {
        scale->Expand(FALSE);
        lines->Expand(FALSE);
    }
}

// Shows degrees as d:m:s; an angle the conversion cannot split leaves the item's text as it is.
void ShowDegMinSec(CBCGPProp* item, double degrees) {
    int d = 0, m = 0, s = 0;
    if (ConvertDegToDegMintSec(degrees, d, m, s)) SetItemText(item, FormatString("%d:%d:%d", d, m, s));
}

// A graticule interval: a d:m:s text above 0 that the item can show again. The conversion itself
// says what it can split, so the page takes exactly the intervals it can show.
bool ReadGraticuleInterval(const CString& text, double* degrees) {
    double v = 0;
    int d = 0, m = 0, s = 0;
    if (!numtext::DegMinSec(text, &v) || !(v > 0) || !ConvertDegToDegMintSec(v, d, m, s)) return false;
    *degrees = v;
    return true;
}

// The kilometre grid's spacing, kept to float precision as it has always been stored; no number
// is 0, a negative spacing is refused.
bool ReadKilometerInterval(const CString& text, float* interval) { return ReadFloatLength(text, 1, interval); }

// The value read from text written to every selected border of the shown one's type name; false,
// nothing written, when the reader refuses the text.
template <class T, class Arg>
bool WriteRead(CQXObjectBorder* border, void (CQXObjectBorder::*set)(Arg), bool (*read)(const CString&, T*),
               const CString& text) {
    T value{};
    if (!read(text, &value)) return false;
    SetSameTypeObjects(border->GetLayer(), set, static_cast<Arg>(value), border->GetTypeName());
    return true;
}

}  // namespace

// ---- module-wide table ------------------------------------------------------------------------------

void InitBorderGridTypeNames() {
    if (g_gridTypeNames) return;
    g_gridTypeNames =
        new std::vector<CString>(std::begin(bordertext::kGridTypeTexts), std::end(bordertext::kGridTypeTexts));
}

void ReleaseBorderGridTypeNames() {
    delete g_gridTypeNames;
    g_gridTypeNames = nullptr;
}

bool IsBorderGridTypeNamesBuilt() { return g_gridTypeNames != nullptr; }

namespace {

ModuleFamily g_gridTypeNamesLifetime(InitBorderGridTypeNames, ReleaseBorderGridTypeNames);

}  // namespace

CString BorderGridTypeName(int index) {
    if (index < kNoGrid || index > kBothGrids) return CString();
    return g_gridTypeNames ? (*g_gridTypeNames)[static_cast<std::size_t>(index)]
                           : CString(bordertext::kGridTypeTexts[index]);
}

// ---- conversions ---------------------------------------------------------------------------------------

CString GetBorderGridTypeName(CQXObjectBorder* border) {
    if (!border) return BorderGridTypeName(kNoGrid);
    const bool graticule = border->GetDrawGraticule() != 0;
    const bool kilometer = border->GetDrawKilometerGrid() != 0;
    return BorderGridTypeName(graticule ? (kilometer ? kBothGrids : kGraticuleOnly)
                                        : (kilometer ? kKilometerOnly : kNoGrid));
}

void ApplyBorderGridType(CQXObjectBorder* border, const CString& name) {
    if (!border) return;
    CQXLayer* layer = border->GetLayer();
    const CString typeName = border->GetTypeName();
    SetSameTypeObjects(layer, &CQXObjectBorder::SetDrawKilometerGrid, 0, typeName);
    SetSameTypeObjects(layer, &CQXObjectBorder::SetDrawGraticule, 0, typeName);
    if (name == BorderGridTypeName(kGraticuleOnly)) {
        SetSameTypeObjects(layer, &CQXObjectBorder::SetDrawGraticule, 1, typeName);
    } else if (name == BorderGridTypeName(kKilometerOnly)) {
        SetSameTypeObjects(layer, &CQXObjectBorder::SetDrawKilometerGrid, 1, typeName);
    } else if (name == BorderGridTypeName(kBothGrids)) {
        SetSameTypeObjects(layer, &CQXObjectBorder::SetDrawKilometerGrid, 1, typeName);
        SetSameTypeObjects(layer, &CQXObjectBorder::SetDrawGraticule, 1, typeName);
    }
}

double ParseDegMinSec(CBCGPProp* item) {
    double degrees = 0;
    return item && ReadGraticuleInterval(ItemText(item), &degrees) ? degrees : 0;
}

CQXObjectBorder::GridDrawType GridLineStyleFromName(const CString& name) {
    return static_cast<CQXObjectBorder::GridDrawType>(ValueOfText(kLineStyleNames, name, kLineStyleOther.value));
}

CString GridLineStyleName(int style) { return TextOfValue(kLineStyleNames, style, bordertext::kGridLineNone); }

// ---- the list --------------------------------------------------------------------------------------------

CPropListBorderGrid::CPropListBorderGrid() = default;

CPropListBorderGrid::~CPropListBorderGrid() {
    DeleteDetachedGroups(m_wndPropList, m_pGraticuleGroup, m_pKilometerGroup);
}

CQXObjectBorder* CPropListBorderGrid::Border() const { return dynamic_cast<CQXObjectBorder*>(m_pTarget); }

int CPropListBorderGrid::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    using namespace bordertext;

    // Without a valid spatial reference map units cannot become degrees: no graticule then.
    auto* type = new CBCGPProp(kGridType, _variant_t(""), "", kGridTypeId);
    CKelProject* project = CKelProject::Instance();
    const bool geographic = project && project->SpatialReference().Validate();
    if (geographic) {
        for (int i = kNoGrid; i <= kBothGrids; ++i) type->AddOption(BorderGridTypeName(i));
    } else {
        type->AddOption(BorderGridTypeName(kNoGrid));
        type->AddOption(BorderGridTypeName(kKilometerOnly));
    }
    type->AllowEdit(FALSE);
    m_wndPropList.AddProperty(type, TRUE, TRUE);

    m_pGraticuleGroup = new CBCGPProp(kGraticuleSettings, kGraticuleGroupId);
    // Each number item refuses what the page's reader of it refuses, so a refused text never
    // reaches the handler: nothing is written and the refresh shows the stored value again.
    m_pGraticuleGroup->AddSubItem(NewSizeTextItem(kMeridianInterval, kMeridianIntervalDescription, kMeridianIntervalId,
                                                  ReaderRule(ReadGraticuleInterval)));
    m_pGraticuleGroup->AddSubItem(NewSizeTextItem(kParallelInterval, kParallelIntervalDescription, kParallelIntervalId,
                                                  ReaderRule(ReadGraticuleInterval)));
    AddGridItems(m_pGraticuleGroup, kGraticuleItems, kGMajorPenId, kGMinorPenId, kGLinePenId,
                 NewSizeTextItem(kFrequency, kFrequency, kGFrequencyId, WholeUnsignedRule()), false);
    m_wndPropList.AddProperty(m_pGraticuleGroup, TRUE, TRUE);

    m_pKilometerGroup = new CBCGPProp(kKilometerSettings, kKilometerGroupId);
    m_pKilometerGroup->AddSubItem(
        NewSizeTextItem(kXInterval, kXIntervalDescription, kXIntervalId, ReaderRule(ReadKilometerInterval)));
    m_pKilometerGroup->AddSubItem(
        NewSizeTextItem(kYInterval, kYIntervalDescription, kYIntervalId, ReaderRule(ReadKilometerInterval)));
    AddGridItems(m_pKilometerGroup, kKilometerItems, kKMajorPenId, kKMinorPenId, kKLinePenId,
                 new CUnsignedProp(kFrequency, 1, kFrequency, kKFrequencyId), true);
    m_wndPropList.AddProperty(m_pKilometerGroup, TRUE, TRUE);
    return 0;
}

namespace {

void ShowFrequency(CBCGPProp* item, unsigned frequency) {
    if (!item) return;
    if (item->GetValue().vt == VT_UI4)
        item->SetValue(_variant_t(frequency));
    else
        SetItemText(item, FormatString("%u", frequency));
}

void ShowLength(CBCGPProp* item, double hundredths, int decimals) {
    SetItemText(item, numtext::Fixed(hundredths / 100, decimals));
}

// An interval item shows the border's stored value as the refresh shows it; so does the kilometre
// frequency after the page refused a text reported from code (an unsigned item has no rule of its
// own: the other number items refuse what the page would). The pen widths are shown again by their
// own edit, other items keep their text.
void ShowStoredGridValue(CBCGPProp* item, const CQXObjectBorder& b) {
    switch (item->GetData()) {
        case CPropListBorderGrid::kMeridianIntervalId:
            ShowDegMinSec(item, b.GetGraticuleIntervalX());
            return;
        case CPropListBorderGrid::kParallelIntervalId:
            ShowDegMinSec(item, b.GetGraticuleIntervalY());
            return;
        case CPropListBorderGrid::kXIntervalId:
            ShowFixed(item, b.GetKIntervalX(), 2);
            return;
        case CPropListBorderGrid::kYIntervalId:
            ShowFixed(item, b.GetKIntervalY(), 2);
            return;
        case CPropListBorderGrid::kKFrequencyId:
            ShowFrequency(item, b.GetKFrequency());
            return;
        default:
            return;
    }
}

// Scale ticks and grid lines of one attached settings group. A grid drawn without lines has its
// line items disabled; one drawn with lines has them enabled, also after another border's "无".
void RefreshGridItems(CBCGPPropList& grid, const GridItems& ids, const GridValues& v) {
    auto find = [&grid](DWORD_PTR id) { return grid.FindItemByData(id, TRUE); };
    SetYesNoProp(find(ids.showScale), v.drawScale == 1);
    CBCGPProp* major = find(ids.majorGroup);
    CBCGPProp* minor = find(ids.minorGroup);
    EnableAllSubItems(major, v.drawScale != 0);
    EnableAllSubItems(minor, v.drawScale != 0);

    ShowFrequency(find(ids.frequency), v.frequency);
    auto showLength = [&](DWORD_PTR id, double hundredths) { ShowLength(find(id), hundredths, ids.lengthDecimals); };
    showLength(ids.majorLength, v.majorLength);
    if (major) SetLineSubItems(major, 2, v.majorPen);
    showLength(ids.minorLength, v.minorLength);
    if (minor) SetLineSubItems(minor, 1, v.minorPen);

    const CString style = GridLineStyleName(v.drawType);
    SetItemText(find(ids.lineStyle), style);
    if (CBCGPProp* lines = find(ids.linesGroup)) {
        EnableSubItems(lines, 1, 5, style != bordertext::kGridLineNone);
        SetLineSubItems(lines, 1, v.linePen);
    }
    showLength(ids.crossLength, v.crossLength);
}

}  // namespace

void CPropListBorderGrid::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    CQXObjectBorder* border = Border();
    if (!border) return;
    CString gridType = GetBorderGridTypeName(border);
    if (CBCGPProp* type = FindItem(kGridTypeId)) {
        type->SetValue(_variant_t(gridType));
        gridType = ItemText(type);
    }
    ShowGroups(gridType);

    if (FindItem(kGraticuleGroupId)) {
        for (DWORD_PTR id : {kMeridianIntervalId, kParallelIntervalId})
            if (CBCGPProp* item = FindItem(id)) ShowStoredGridValue(item, *border);
        RefreshGridItems(m_wndPropList, kGraticuleItems, GraticuleValues(*border));
    }
    if (FindItem(kKilometerGroupId)) {
        for (DWORD_PTR id : {kXIntervalId, kYIntervalId})
            if (CBCGPProp* item = FindItem(id)) ShowStoredGridValue(item, *border);
        RefreshGridItems(m_wndPropList, kKilometerItems, KilometerValues(*border));
    }
}

// Detaches both settings groups and attaches again those the grid type calls for, the
// graticule's first.
void CPropListBorderGrid::ShowGroups(const CString& gridType) {
    const bool both = gridType == BorderGridTypeName(kBothGrids);
    ShowGridGroups(m_wndPropList, m_pGraticuleGroup, both || gridType == BorderGridTypeName(kGraticuleOnly),
                   m_pKilometerGroup, both || gridType == BorderGridTypeName(kKilometerOnly));
    AdjustLayout();
}

LRESULT CPropListBorderGrid::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectBorder* border = Border();
    if (!item || !border) {
        UpdateView();
        return 0;
    }
    const CString typeName = border->GetTypeName();
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();
    bool written = true;

    switch (id) {
        case kGridTypeId:
            ApplyBorderGridType(border, text);
            break;
        case kMeridianIntervalId:
            WriteRead(border, &CQXObjectBorder::SetGraticuleIntervalX, ReadGraticuleInterval, text);
            break;
        case kParallelIntervalId:
            WriteRead(border, &CQXObjectBorder::SetGraticuleIntervalY, ReadGraticuleInterval, text);
            break;
        case kGShowScaleId:
        case kKShowScaleId:
            ApplyShowScale(item, border);
            break;
        case kGFrequencyId:
            WriteRead(border, &CQXObjectBorder::SetGFrequency, ReadWholeUnsigned, text);
            break;
        case kKFrequencyId:
            written = WriteRead(border, &CQXObjectBorder::SetKFrequency, ReadWholeUnsigned, text);
            break;
        case kGMajorLengthId:
        case kGMinorLengthId:
        case kGCrossLengthId:
        case kKMajorLengthId:
        case kKMinorLengthId:
        case kKCrossLengthId:
            for (const LengthSlot& slot : kLengthSlots)
                if (slot.id == id) WriteRead(border, slot.set, ReadTickLength, text);
            break;
        case kGLineStyleId:
        case kKLineStyleId:
            ApplyLineStyle(item, border);
            break;
        case kXIntervalId:
            WriteRead(border, &CQXObjectBorder::SetKIntervalX, ReadKilometerInterval, text);
            break;
        case kYIntervalId:
            WriteRead(border, &CQXObjectBorder::SetKIntervalY, ReadKilometerInterval, text);
            break;
        default:  // a pen's style, width (0 or more) or colour; a group or another id writes nothing
            written = ApplyBorderRecordItem(kPenSlots, border, item, Accept::ZeroOrMore) != RecordEdit::kRefused;
            break;
    }
    // The intervals, the graticule frequency and the lengths are items that read every text, typed or
    // reported from code, by this page's reader of it, kept as the text itself whatever the item held
    // before: a text they pass, the reader takes. So only the kilometre frequency or a pen field is
    // refused here. A refusal writes nothing at all: no notification, no redraw; the item shows the
    // stored value again.
    if (!written) {
        ShowStoredGridValue(item, *border);
        return 0;
    }
    UpdateSameTypeObjects(border->GetLayer(), typeName);
    UpdateView();
    return 0;
}

// "显示" of either grid: the flag, and at once the tick items it governs.
void CPropListBorderGrid::ApplyShowScale(CBCGPProp* item, CQXObjectBorder* border) {
    const bool graticule = item->GetData() == kGShowScaleId;
    const GridItems& ids = graticule ? kGraticuleItems : kKilometerItems;
    const BOOL show = ReadYesNo(item) ? TRUE : FALSE;
    SetSameTypeObjects(border->GetLayer(),
                       graticule ? &CQXObjectBorder::SetGDrawScale : &CQXObjectBorder::SetKDrawScale, show ? 1 : 0,
                       border->GetTypeName());
    EnableAllSubItems(FindItem(ids.majorGroup), show);
    EnableAllSubItems(FindItem(ids.minorGroup), show);
}

// "样式" of either grid's lines. Choosing a drawn style enables the line items at once; "无"
// leaves them to the next refresh.
void CPropListBorderGrid::ApplyLineStyle(CBCGPProp* item, CQXObjectBorder* border) {
    int style = CQXObjectBorder::GRID_NONE;
    if (!ReadFixedList(item, &style)) return;
    if (style != CQXObjectBorder::GRID_NONE) EnableSubItems(item->GetParent(), 1, 5, TRUE);
    SetSameTypeObjects(
        border->GetLayer(),
        item->GetData() == kGLineStyleId ? &CQXObjectBorder::SetGGridDrawType : &CQXObjectBorder::SetKGridDrawType,
        static_cast<CQXObjectBorder::GridDrawType>(style), border->GetTypeName());
}
