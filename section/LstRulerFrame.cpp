#include "section/LstRulerFrame.h"

#include <cmath>

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "section/MultiWellItems.h"
#include "section/MultiWellTexts.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"

using namespace multiwelltext;
using F = CLstRulerFrame;

namespace {

enum class Kind { Group, SubGroup, ClosedSubGroup, LineStyle, Colour, Number, YesNo, Options, Face, Text };

// Between the value the frame keeps and the one the page shows.
enum class Conv {
    Same,        // metres
    Hundredths,  // widths, lengths, sizes, offsets: shown = kept / 100
    Tenths,      // shown = kept / 10
    Negated,     // depths: shown = -kept
    Truncated,   // frequencies: shown as kept, kept = typed cut toward 0
};

// A number the frame keeps, by the row's index.
struct NumberAccess {
    double (*get)(const ScRulerFrame&, int);
    void (*set)(ScRulerFrame&, int, double);
};
const NumberAccess kFrameLineSizeValue = {[](const ScRulerFrame& f, int) { return f.GetFrameLineSize(); },
                                          [](ScRulerFrame& f, int, double v) { f.SetFrameLineSize(v); }};
const NumberAccess kStartDepthValue = {[](const ScRulerFrame& f, int) { return f.GetStartDepth(); },
                                       [](ScRulerFrame& f, int, double v) { f.SetStartDepth(v); }};
const NumberAccess kEndDepthValue = {[](const ScRulerFrame& f, int) { return f.GetEndDepth(); },
                                     [](ScRulerFrame& f, int, double v) { f.SetEndDepth(v); }};
const NumberAccess kSideIntervalValue = {[](const ScRulerFrame& f, int) { return f.GetLRMarkInterval(); },
                                         [](ScRulerFrame& f, int, double v) { f.SetLRMarkInterval(v); }};
const NumberAccess kLevelIntervalValue = {[](const ScRulerFrame& f, int) { return f.GetLevelMarkInterval(); },
                                          [](ScRulerFrame& f, int, double v) { f.SetLevelMarkInterval(v); }};
const NumberAccess kTimesValue = {
    [](const ScRulerFrame& f, int i) { return f.GetTimes(static_cast<RulerFrameTimesType>(i)); },
    [](ScRulerFrame& f, int i, double v) { f.SetTimes(static_cast<RulerFrameTimesType>(i), static_cast<int>(v)); }};
const NumberAccess kMarkLengthValue = {
    [](const ScRulerFrame& f, int i) { return f.GetMarkLength(static_cast<RulerFrameMarkLengthType>(i)); },
    [](ScRulerFrame& f, int i, double v) { f.SetMarkLength(static_cast<RulerFrameMarkLengthType>(i), v); }};
const NumberAccess kFSizeValue = {
    [](const ScRulerFrame& f, int i) { return f.GetRulerFrameFSize(static_cast<RulerFrameFSizeType>(i)); },
    [](ScRulerFrame& f, int i, double v) { f.SetRulerFrameFSize(static_cast<RulerFrameFSizeType>(i), v); }};
const NumberAccess kGridIntervalValue = {[](const ScRulerFrame& f, int i) { return f.GetGridInterval(i); },
                                         [](ScRulerFrame& f, int i, double v) { f.SetGridInterval(i, v); }};
const NumberAccess kTitleOffsetValue = {[](const ScRulerFrame& f, int) { return f.GetTitleOffset(); },
                                        [](ScRulerFrame& f, int, double v) { f.SetTitleOffset(v); }};
const NumberAccess kInscribeOffsetValue = {[](const ScRulerFrame& f, int) { return f.GetInscribeOffset(); },
                                           [](ScRulerFrame& f, int, double v) { f.SetInscribeOffset(v); }};

// Line styles by index: the frame line, the horizontal grid, the vertical grid. Texts by index:
// the title, the inscription.
enum { kFrameLine = 0, kFirstGrid = 1, kSecondGrid = 2 };
enum { kTitleText = 0, kInscribeText = 1 };

// Position options by RulerFramePosType.
const TextValue kSidePositions[] = {{kInside, 0}, {kOutside, 1}};
const TextValue kLevelPositions[] = {{kInside, 0}, {kOutside, 1}, {kBothSides, 2}};
const TextValue kInscribePositions[] = {
    {grouptext::kAlignCenter, 0}, {grouptext::kAlignRight, 1}, {grouptext::kAlignLeft, 2}};

// One item: item data, label, kind, the frame's index (an enumeration value of the kind), the
// number it shows, the conversion, and whether an edit stamps the frame.
struct Row {
    DWORD_PTR id;
    const char* label;
    Kind kind;
    int index;
    const NumberAccess* number;
    Conv conv;
    bool stamp;
};

// clang-format off
const Row kRows[] = {
    {F::kFrameGroupId, kFrame, Kind::Group, 0, nullptr, Conv::Same, false},
    {F::kFrameStyleId, grouptext::kLineStyle, Kind::LineStyle, kFrameLine, nullptr, Conv::Same, false},
    {F::kFrameColorId, grouptext::kColor, Kind::Colour, RF_COLOR_FRAME, nullptr, Conv::Same, false},
    {F::kFrameWidthId, grouptext::kLineWidth, Kind::Number, 0, &kFrameLineSizeValue, Conv::Hundredths, true},

    {F::kSideGroupId, kSideMarks, Kind::Group, 0, nullptr, Conv::Same, false},
    {F::kSideShowId, grouptext::kShow, Kind::YesNo, RF_SHOW_LR, nullptr, Conv::Same, true},
    {F::kSidePosId, kPosition, Kind::Options, RF_POS_LR, nullptr, Conv::Same, false},
    {F::kStartDepthId, kStartDepth, Kind::Number, 0, &kStartDepthValue, Conv::Negated, true},
    {F::kEndDepthId, kEndDepth, Kind::Number, 0, &kEndDepthValue, Conv::Negated, true},
    {F::kSideIntervalId, kMarkInterval, Kind::Number, 0, &kSideIntervalValue, Conv::Same, true},
    {F::kSideMajorGroupId, kMajorMarks, Kind::SubGroup, 0, nullptr, Conv::Same, false},
    {F::kSideMajorTimesId, kFrequency, Kind::Number, RF_TIMES_LR_MAJOR, &kTimesValue, Conv::Truncated, true},
    {F::kSideMajorLengthId, kLength, Kind::Number, RF_LENGTH_LR_MAJOR, &kMarkLengthValue, Conv::Hundredths, true},
    {F::kSideMajorColorId, grouptext::kColor, Kind::Colour, RF_COLOR_LR_MAJOR, nullptr, Conv::Same, false},
    {F::kSideMajorWidthId, grouptext::kLineWidth, Kind::Number, RF_WIDTH_LR_MAJOR, &kFSizeValue, Conv::Hundredths, true},
    {F::kSideMinorGroupId, kMinorMarks, Kind::SubGroup, 0, nullptr, Conv::Same, false},
    {F::kSideMinorLengthId, kLength, Kind::Number, RF_LENGTH_LR_MINOR, &kMarkLengthValue, Conv::Hundredths, true},
    {F::kSideMinorColorId, grouptext::kColor, Kind::Colour, RF_COLOR_LR_MINOR, nullptr, Conv::Same, false},
    {F::kSideMinorWidthId, grouptext::kLineWidth, Kind::Number, RF_WIDTH_LR_MINOR, &kFSizeValue, Conv::Hundredths, true},
    {F::kSideLabelGroupId, kLabel, Kind::SubGroup, 0, nullptr, Conv::Same, false},
    {F::kSideLabelFaceId, grouptext::kFontFace, Kind::Face, RF_FONT_LR_LABEL, nullptr, Conv::Same, false},
    {F::kSideLabelSizeId, grouptext::kSize, Kind::Number, RF_SIZE_LR_LABEL, &kFSizeValue, Conv::Hundredths, true},
    {F::kSideLabelColorId, grouptext::kColor, Kind::Colour, RF_COLOR_LR_LABEL, nullptr, Conv::Same, false},

    {F::kLevelGroupId, kLevelMarks, Kind::Group, 0, nullptr, Conv::Same, false},
    {F::kLevelShowId, grouptext::kShow, Kind::YesNo, RF_SHOW_H, nullptr, Conv::Same, true},
    {F::kLevelPosId, kPosition, Kind::Options, RF_POS_H, nullptr, Conv::Same, false},
    {F::kLevelIntervalId, kMarkInterval, Kind::Number, 0, &kLevelIntervalValue, Conv::Tenths, true},
    {F::kLevelMajorGroupId, kMajorMarks, Kind::SubGroup, 0, nullptr, Conv::Same, false},
    {F::kLevelMajorTimesId, kFrequency, Kind::Number, RF_TIMES_H_MAJOR, &kTimesValue, Conv::Truncated, true},
    {F::kLevelMajorLengthId, kLength, Kind::Number, RF_LENGTH_H_MAJOR, &kMarkLengthValue, Conv::Hundredths, true},
    {F::kLevelMajorColorId, grouptext::kColor, Kind::Colour, RF_COLOR_H_MAJOR, nullptr, Conv::Same, false},
    {F::kLevelMajorWidthId, grouptext::kLineWidth, Kind::Number, RF_WIDTH_H_MAJOR, &kFSizeValue, Conv::Hundredths, true},
    {F::kLevelMinorGroupId, kMinorMarks, Kind::SubGroup, 0, nullptr, Conv::Same, false},
    {F::kLevelMinorLengthId, kLength, Kind::Number, RF_LENGTH_H_MINOR, &kMarkLengthValue, Conv::Hundredths, true},
    {F::kLevelMinorColorId, grouptext::kColor, Kind::Colour, RF_COLOR_H_MINOR, nullptr, Conv::Same, false},
    {F::kLevelMinorWidthId, grouptext::kLineWidth, Kind::Number, RF_WIDTH_H_MINOR, &kFSizeValue, Conv::Hundredths, false},
    {F::kLevelLabelGroupId, kLabel, Kind::SubGroup, 0, nullptr, Conv::Same, false},
    {F::kLevelLabelFaceId, grouptext::kFontFace, Kind::Face, RF_FONT_H_LABEL, nullptr, Conv::Same, false},
    {F::kLevelLabelSizeId, grouptext::kSize, Kind::Number, RF_SIZE_H_LABEL, &kFSizeValue, Conv::Hundredths, true},
    {F::kLevelLabelColorId, grouptext::kColor, Kind::Colour, RF_COLOR_H_LABEL, nullptr, Conv::Same, false},

    {F::kGridGroupId, kGrid, Kind::Group, 0, nullptr, Conv::Same, false},
    {F::kGridShowId, grouptext::kShow, Kind::YesNo, RF_SHOW_GRID, nullptr, Conv::Same, true},
    {F::kLevelGridGroupId, kLevelGrid, Kind::ClosedSubGroup, 0, nullptr, Conv::Same, false},
    {F::kLevelGridTimesId, kFrequency, Kind::Number, RF_TIMES_H_GRID, &kTimesValue, Conv::Truncated, true},
    {F::kLevelGridStyleId, grouptext::kLineStyle, Kind::LineStyle, kFirstGrid, nullptr, Conv::Same, false},
    {F::kLevelGridColorId, grouptext::kColor, Kind::Colour, RF_COLOR_H_GRID, nullptr, Conv::Same, false},
    {F::kLevelGridWidthId, grouptext::kLineWidth, Kind::Number, RF_WIDTH_H_GRID, &kFSizeValue, Conv::Hundredths, false},
    {F::kLevelGridIntervalId, kGridInterval, Kind::Number, kRulerFrameHorizontalGrid, &kGridIntervalValue, Conv::Same, true},
    {F::kUprightGridGroupId, kUprightGrid, Kind::ClosedSubGroup, 0, nullptr, Conv::Same, false},
    {F::kUprightGridTimesId, kFrequency, Kind::Number, RF_TIMES_V_GRID, &kTimesValue, Conv::Truncated, true},
    {F::kUprightGridStyleId, grouptext::kLineStyle, Kind::LineStyle, kSecondGrid, nullptr, Conv::Same, false},
    {F::kUprightGridColorId, grouptext::kColor, Kind::Colour, RF_COLOR_V_GRID, nullptr, Conv::Same, false},
    {F::kUprightGridWidthId, grouptext::kLineWidth, Kind::Number, RF_WIDTH_V_GRID, &kFSizeValue, Conv::Hundredths, false},
    {F::kUprightGridIntervalId, kGridInterval, Kind::Number, kRulerFrameVerticalGrid, &kGridIntervalValue, Conv::Tenths, true},

    {F::kTitleGroupId, kTitle, Kind::Group, 0, nullptr, Conv::Same, false},
    {F::kTitleTextId, kContent, Kind::Text, kTitleText, nullptr, Conv::Same, false},
    {F::kTitleOffsetId, kOffset, Kind::Number, 0, &kTitleOffsetValue, Conv::Hundredths, true},
    {F::kTitleFaceId, grouptext::kFontFace, Kind::Face, RF_FONT_TITLE, nullptr, Conv::Same, false},
    {F::kTitleSizeId, grouptext::kSize, Kind::Number, RF_SIZE_TITLE, &kFSizeValue, Conv::Hundredths, true},
    {F::kTitleColorId, grouptext::kColor, Kind::Colour, RF_COLOR_TITLE, nullptr, Conv::Same, false},

    {F::kInscribeGroupId, kInscription, Kind::Group, 0, nullptr, Conv::Same, false},
    {F::kInscribeShowId, grouptext::kShow, Kind::YesNo, RF_SHOW_INSCRIBE, nullptr, Conv::Same, true},
    {F::kInscribePosId, kPosition, Kind::Options, RF_POS_INSCRIBE, nullptr, Conv::Same, false},
    {F::kInscribeTextId, kContent, Kind::Text, kInscribeText, nullptr, Conv::Same, false},
    {F::kInscribeOffsetId, kOffset, Kind::Number, 0, &kInscribeOffsetValue, Conv::Hundredths, true},
    {F::kInscribeFaceId, grouptext::kFontFace, Kind::Face, RF_FONT_INSCRIBE, nullptr, Conv::Same, false},
    {F::kInscribeSizeId, grouptext::kSize, Kind::Number, RF_SIZE_INSCRIBE, &kFSizeValue, Conv::Hundredths, true},
    {F::kInscribeColorId, grouptext::kColor, Kind::Colour, RF_COLOR_INSCRIBE, nullptr, Conv::Same, false},
};
// clang-format on

bool IsDepth(const Row& row) { return row.id == F::kStartDepthId || row.id == F::kEndDepthId; }

const Row* RowOf(DWORD_PTR id) {
    for (const Row& row : kRows)
        if (row.id == id) return &row;
    return nullptr;
}

// ---- conversions, written once --------------------------------------------------------------------

double Shown(Conv conv, double kept) {
    switch (conv) {
        case Conv::Hundredths:
            return kept / numtext::kHundredths;
        case Conv::Tenths:
            return kept / 10;
        case Conv::Negated:
            return 0.0 - kept;  // a depth of 0 shows as 0.00, not -0.00
        default:
            return kept;
    }
}

// The value to keep for a typed number; false when the field cannot hold it.
bool Kept(Conv conv, double typed, double* kept) {
    int whole = 0;
    switch (conv) {
        case Conv::Hundredths:
            return numtext::Scale(typed, numtext::kHundredths, kept);
        case Conv::Tenths:
            return numtext::Scale(typed, 10, kept);
        case Conv::Negated:
            *kept = 0.0 - typed;
            return true;
        case Conv::Truncated:
            if (!numtext::FitInt(typed, 1, &whole)) return false;
            *kept = whole;
            return true;
        default:
            *kept = typed;
            return true;
    }
}

// The value to keep for the number typed into a row's item; false when it is no number or the
// field cannot hold it. The section library's check is told when it reads one of the two depths.
bool ReadRow(const Row& row, CBCGPProp* item, double* kept) {
    double typed = 0;
    if (!section::ReadItemNumber(item, 1, &typed, IsDepth(row))) return false;
    // Only the depths take a sign; a width, size, length or count reported negative from code is
    // refused as its item refuses a typed one.
    if (row.conv != Conv::Negated && std::signbit(typed)) return false;
    return Kept(row.conv, typed, kept);
}

// ---- the frame's values by row --------------------------------------------------------------------

UINT LineStyle(const ScRulerFrame& frame, int index) {
    return index == kFrameLine   ? frame.GetFrameLineStyle()
           : index == kFirstGrid ? frame.GetFirstGridLineStyle()
                                 : frame.GetSecondGridLineStyle();
}
void SetLineStyle(ScRulerFrame& frame, int index, UINT style) {
    if (index == kFrameLine)
        frame.SetFrameLineStyle(style);
    else if (index == kFirstGrid)
        frame.SetFirstGridLineStyle(style);
    else
        frame.SetSecondGridLineStyle(style);
}

// The option text of a position; NULL for a value without one.
const char* PositionText(int type, int value) {
    switch (type) {
        case RF_POS_LR:
            return TextOfValue(kSidePositions, value, nullptr);
        case RF_POS_H:
            return TextOfValue(kLevelPositions, value, nullptr);
        default:
            return TextOfValue(kInscribePositions, value, nullptr);
    }
}
// A position list: a horizontal tick position other than the first two is both sides; the other
// positions take no text but their options.
CBCGPProp* NewPositionList(const Row& row) {
    switch (row.index) {
        case RF_POS_LR:
            return section::NewList(row.label, "", nullptr, row.id, kSidePositions, kOtherRefused);
        case RF_POS_H:
            return section::NewList(row.label, "", nullptr, row.id, kLevelPositions, OtherTakenAs(2));
        default:
            return section::NewList(row.label, "", nullptr, row.id, kInscribePositions, kOtherRefused);
    }
}

// ---- building ---------------------------------------------------------------------------------------

CBCGPProp* NewItem(const Row& row, const ScRulerFrame* frame) {
    CBCGPProp* item = nullptr;
    switch (row.kind) {
        case Kind::Group:
        case Kind::SubGroup:
        case Kind::ClosedSubGroup:
            item = new CBCGPProp(row.label, 0, FALSE);
            break;
        case Kind::LineStyle:
            item = new CPropStyleCombox(row.label, 1, CPropStyleCombox::kLineStyle, nullptr, nullptr, 0);
            item->AllowEdit(FALSE);
            break;
        case Kind::Colour:
            item = section::NewBlackColorItem(row.label, "", 0);
            break;
        case Kind::Number: {
            const double kept = frame ? row.number->get(*frame, row.index) : 0;
            auto* number = new CBCGPropFloat(row.label, _variant_t(Shown(row.conv, kept)), 2, "",
                                             row.conv == Conv::Negated ? TRUE : FALSE, 0);
            number->SetTextRule(KeptNumberRule([&row](CBCGPProp* typed) {
                double value = 0;
                return ReadRow(row, typed, &value);
            }));
            item = number;
            break;
        }
        case Kind::YesNo:
            item = NewYesNoList(row.label, "", nullptr, row.id);
            break;
        case Kind::Options:
            item = NewPositionList(row);
            break;
        case Kind::Face: {
            const CString face =
                frame ? frame->GetRulerFrameFont(static_cast<RulerFrameLogFontType>(row.index)).GetFaceName()
                      : CString();
            item = section::NewTypedFacePicker(row.label, face, "", 0);
            break;
        }
        case Kind::Text:
            item = new CBCGPProp(row.label, _variant_t(""));
            break;
    }
    item->SetData(row.id);
    return item;
}

bool IsGroup(Kind kind) { return kind == Kind::Group || kind == Kind::SubGroup || kind == Kind::ClosedSubGroup; }

}  // namespace

CLstRulerFrame::CLstRulerFrame(ScRulerFrame* frame) : m_pFrame(frame) {}
CLstRulerFrame::~CLstRulerFrame() = default;

// Groups are filled in table order: an item belongs to the last sub-group opened in its group,
// else to the group; a sub-group joins its group once its items are in.
int CLstRulerFrame::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* group = nullptr;
    CBCGPProp* subGroup = nullptr;
    auto closeSubGroup = [&] {
        if (subGroup) group->AddSubItem(subGroup);
        subGroup = nullptr;
    };
    auto closeGroup = [&] {
        closeSubGroup();
        if (!group) return;
        group->Expand(TRUE);
        m_wndPropList.AddProperty(group, TRUE, TRUE);
        group = nullptr;
    };
    for (const Row& row : kRows) {
        CBCGPProp* item = NewItem(row, m_pFrame);
        if (row.kind == Kind::Group) {
            closeGroup();
            group = item;
        } else if (row.kind == Kind::SubGroup || row.kind == Kind::ClosedSubGroup) {
            closeSubGroup();
            if (row.kind == Kind::SubGroup) item->Expand(TRUE);
            subGroup = item;
        } else {
            (subGroup ? subGroup : group)->AddSubItem(item);
        }
    }
    closeGroup();
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------------

// Numbers keep what they showed when built or what was typed since; everything else follows the
// frame selected, when it changed.
void CLstRulerFrame::UpdateBCGPProperty(long object, CString) {
    ScRulerFrame* frame = section::ChangedSelection<ScRulerFrame>(object, m_curObject, m_timeStamp);
    if (!frame) return;
    m_pFrame = frame;
    for (Kind kind : {Kind::LineStyle, Kind::Colour, Kind::YesNo, Kind::Options, Kind::Face, Kind::Text}) {
        for (const Row& row : kRows) {
            if (row.kind != kind) continue;
            CBCGPProp* item = Item(row.id);
            if (!item) continue;
            switch (kind) {
                case Kind::LineStyle:
                    section::ShowStyle(item, LineStyle(*frame, row.index));
                    break;
                case Kind::Colour:
                    ShowColorIfChanged(item, frame->GetMarkClr(static_cast<RulerFrameColorType>(row.index)));
                    break;
                case Kind::YesNo: {
                    const bool shown = frame->GetShow(static_cast<RulerFrameShowType>(row.index));
                    SetYesNoProp(item, shown);
                    if (CBCGPProp* group = item->GetParent())
                        EnableSubItemsDeep(group, 1, group->GetSubItemsCount(), shown ? TRUE : FALSE);
                    break;
                }
                case Kind::Options:
                    if (const char* text =
                            PositionText(row.index, frame->GetPos(static_cast<RulerFramePosType>(row.index))))
                        ShowTextIfChanged(item, text);
                    break;
                case Kind::Face:
                    ShowTextIfChanged(
                        item, frame->GetRulerFrameFont(static_cast<RulerFrameLogFontType>(row.index)).GetFaceName());
                    break;
                case Kind::Text:
                    ShowTextIfChanged(item, row.index == kTitleText ? frame->GetTitleText() : frame->GetInscribeText());
                    break;
                default:
                    break;
            }
        }
    }
}

// ---- edits ------------------------------------------------------------------------------------------

namespace {

// Puts the edited item's value into the frame; false, nothing written, for a number the row's
// reader refuses and for a text (reported from code)
// of no option of a position that maps none.
bool Apply(const Row& row, CBCGPProp* item, ScRulerFrame& frame) {
    COLORREF color = 0;
    UINT style = 0;
    double kept = 0;
    switch (row.kind) {
        case Kind::LineStyle:
            if (ReadStyle(item, &style)) SetLineStyle(frame, row.index, style);
            break;
        case Kind::Colour:
            if (ReadShownColor(item, &color))
                frame.SetMarkClr(static_cast<RulerFrameColorType>(row.index), color);
            break;
        case Kind::Number:
            if (!ReadRow(row, item, &kept)) return false;
            row.number->set(frame, row.index, kept);
            break;
        case Kind::YesNo:
            frame.SetShow(static_cast<RulerFrameShowType>(row.index), ReadYesNo(item));
            break;
        case Kind::Options: {
            int pos = 0;
            if (!ReadFixedList(item, &pos)) return false;
            frame.SetPos(static_cast<RulerFramePosType>(row.index), pos);
            break;
        }
        case Kind::Face: {
            const auto type = static_cast<RulerFrameLogFontType>(row.index);
            frame.SetRulerFrameFont(type, section::WithFace(frame.GetRulerFrameFont(type), item));
            break;
        }
        case Kind::Text:
            if (row.index == kTitleText)
                frame.SetTitleText(ItemText(item).GetString());
            else
                frame.SetInscribeText(ItemText(item));
            break;
        default:
            break;
    }
    return true;
}

}  // namespace

// Only a ruler frame selected in the host is edited: before the first selection, or while another
// object is selected, no frame is touched.
LRESULT CLstRulerFrame::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    ScRulerFrame* frame = section::SectionObjectAs<ScRulerFrame>(m_curObject);
    if (!frame) return 0;
    m_pFrame = frame;
    const Row* row = item ? RowOf(item->GetData()) : nullptr;
    if (row && !IsGroup(row->kind) && !Apply(*row, item, *frame)) {
        ShowTextBefore(item);
        ShowItemAgain(item);
        return 0;
    }
    if (row && row->stamp) frame->ProChanged();
    frame->Update();
    if (ScContainer* container = frame->GetContainer()) container->SetModifyFlag(1);
    return 0;
}

void CLstRulerFrame::ShowItemAgain(CBCGPProp* item) {
    CWndLst::ShowItemAgain(item);
    const Row* row = item ? RowOf(item->GetData()) : nullptr;
    ScRulerFrame* frame = section::SectionObjectAs<ScRulerFrame>(m_curObject);
    if (!frame) frame = m_pFrame;
    if (row && row->number && frame)
        ShowStoredValueOf(item, {{row->id, Shown(row->conv, row->number->get(*frame, row->index))}});
}
