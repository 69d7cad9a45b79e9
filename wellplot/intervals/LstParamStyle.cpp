#include "wellplot/intervals/LstParamStyle.h"

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/GroupEdits.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "framework/TwoButtonProp.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "wellplot/KitPage.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/PropLstEx.h"

IMPLEMENT_DYNCREATE(CLstParamLine, CWndLst)
IMPLEMENT_DYNCREATE(CLstParamPoint, CWndLst)
IMPLEMENT_DYNCREATE(CLstParamText, CWndLst)
IMPLEMENT_DYNCREATE(CLstParamRectFill, CWndLst)

// ---- the table of differences -----------------------------------------------------------------------
namespace {

struct VisibilityDef {
    const char* caption;
    bool (CWpParam::*get)();
    void (CWpParam::*set)(bool);
};

enum class ValueKind { Style, Face, Size, Color };

struct AspectDef {
    const char* templateCaption;
    const char* templateDescription;
    int mode;  // template kind of the item's second button
    void (*fillTemplates)(CWndLst&, CBCGPProp*);
    const char* valueCaption;
    const char* valueDescription;
    ValueKind kind;
    int pickerKind;          // style pickers: CPropStyleCombox kind
    const char* styleGroup;  // style pickers: the group shown
    CString (CWpParam::*getTemplate)();
    void (CWpParam::*setTemplate)(const CString&);
    UINT (*getCode)(CWpParam&);  // style or colour
    void (*setCode)(CWpParam&, UINT);
    float (*getSize)(CWpParam&);  // sizes in hundredths
    void (*setSize)(CWpParam&, float);
    CString (*getFace)(CWpParam&);
    void (*setFace)(CWpParam&, const CString&);
};

void FillColor(CWndLst& list, CBCGPProp* item) { list.InitColorTemplate(item); }
void FillSize(CWndLst& list, CBCGPProp* item) { list.InitSizeTemplate(item); }
void FillPoint(CWndLst& list, CBCGPProp* item) { list.InitPointTemplate(item); }
void FillFont(CWndLst& list, CBCGPProp* item) { list.InitFontTemplate(item); }
void FillLine(CWndLst&, CBCGPProp* item) { FillLineStyleTemplates(item); }
void FillFill(CWndLst&, CBCGPProp* item) { FillFillStyleTemplates(item); }

// The text font is read and written whole.
void SetTextFontField(CWpParam& kit, void (*change)(QXLOGFONT&, const void*), const void* value) {
    QXLOGFONT font = kit.GetTextFont();
    if (value) change(font, value);
    kit.SetTextFont(font);
}

const VisibilityDef kLineSwitches[] = {
    {"上部水平线显示", &CWpParam::IsTopHLine, &CWpParam::SetTopHLine},
    {"中部水平线显示", &CWpParam::IsMidHLine, &CWpParam::SetMidHLine},
    {"下部水平线显示", &CWpParam::IsBottomHLine, &CWpParam::SetBottomHLine},
    {"左侧垂直线显示", &CWpParam::IsLeftVLine, &CWpParam::SetLeftVLine},
    {"中间垂直线显示", &CWpParam::IsMidVLine, &CWpParam::SetMidVLine},
    {"右侧垂直线显示", &CWpParam::IsRightVLine, &CWpParam::SetRightVLine},
};
const VisibilityDef kPointSwitches[] = {
    {"上部点显示", &CWpParam::IsTopPoint, &CWpParam::SetTopPoint},
    {"中部点显示", &CWpParam::IsMidPoint, &CWpParam::SetMidPoint},
    {"下部点显示", &CWpParam::IsBottomPoint, &CWpParam::SetBottomPoint},
};
const VisibilityDef kTextSwitches[] = {
    {"上部文本显示", &CWpParam::IsTopHText, &CWpParam::SetTopHText},
    {"中部文本显示", &CWpParam::IsMidHText, &CWpParam::SetMidHText},
    {"下部文本显示", &CWpParam::IsBottomHText, &CWpParam::SetBottomHText},
    {"左侧文本显示", &CWpParam::IsLeftVText, &CWpParam::SetLeftVText},
    {"中间文本显示", &CWpParam::IsMidVText, &CWpParam::SetMidVText},
    {"右侧文本显示", &CWpParam::IsRightVText, &CWpParam::SetRightVText},
};
const VisibilityDef kFillSwitches[] = {
    {"显示", &CWpParam::IsFillVisible, &CWpParam::SetFillVisible},
};

const AspectDef kLineAspects[] = {
    {"线型模板", "指定线型模板", kModeLineStyle, FillLine, "线型", "指定线型样式", ValueKind::Style,
     CPropStyleCombox::kLineStyle, "常用线形", &CWpParam::GetLineTypeTemp, &CWpParam::SetLineTypeTemp,
     [](CWpParam& k) { return k.GetLineType().style; }, [](CWpParam& k, UINT v) { k.GetLineType().style = v; }, nullptr,
     nullptr, nullptr, nullptr},
    {"粗细模板", "指定线型粗细模板", kModeSize, FillSize, "粗细", "指定线型粗细", ValueKind::Size, 0, nullptr,
     &CWpParam::GetLineSizeTemp, &CWpParam::SetLineSizeTemp, nullptr, nullptr,
     [](CWpParam& k) { return k.GetLineType().width; }, [](CWpParam& k, float v) { k.GetLineType().width = v; },
     nullptr, nullptr},
    {ivtext::kColorTemplate, "指定线型颜色模板", kModeColor, FillColor, "颜色", "指定线型颜色", ValueKind::Color, 0,
     nullptr, &CWpParam::GetLineColorTemp, &CWpParam::SetLineColorTemp,
     [](CWpParam& k) { return static_cast<UINT>(k.GetLineType().color); },
     [](CWpParam& k, UINT v) { k.GetLineType().color = v; }, nullptr, nullptr, nullptr, nullptr},
};

// The point page shows and sets the point's inner colour.
const AspectDef kPointAspects[] = {
    {"点型模板", "指定点型模板", kModePointStyle, FillPoint, "点型", "指定点型样式", ValueKind::Style,
     CPropStyleCombox::kPointStyle, "常用点形", &CWpParam::GetPointTypeTemp, &CWpParam::SetPointTypeTemp,
     [](CWpParam& k) { return k.GetPointType().style; }, [](CWpParam& k, UINT v) { k.GetPointType().style = v; },
     nullptr, nullptr, nullptr, nullptr},
    {ivtext::kSizeTemplate, "指定点型大小模板", kModeSize, FillSize, "大小", "指定点型大小", ValueKind::Size, 0,
     nullptr, &CWpParam::GetPointSizeTemp, &CWpParam::SetPointSizeTemp, nullptr, nullptr,
     [](CWpParam& k) { return k.GetPointType().size; }, [](CWpParam& k, float v) { k.GetPointType().size = v; },
     nullptr, nullptr},
    {ivtext::kColorTemplate, "指定点型颜色模板", kModeColor, FillColor, "颜色", "指定点型颜色", ValueKind::Color, 0,
     nullptr, &CWpParam::GetPointColorTemp, &CWpParam::SetPointColorTemp,
     [](CWpParam& k) { return static_cast<UINT>(k.GetPointType().innerColor); },
     [](CWpParam& k, UINT v) { k.GetPointType().innerColor = v; }, nullptr, nullptr, nullptr, nullptr},
};

const AspectDef kTextAspects[] = {
    {"字体模板", "指定字体模板", kModeFont, FillFont, "字体", "指定文本字体", ValueKind::Face, 0, nullptr,
     &CWpParam::GetTextTypeTemp, &CWpParam::SetTextTypeTemp, nullptr, nullptr, nullptr, nullptr,
     [](CWpParam& k) { return CString(k.GetTextFont().faceName); },
     [](CWpParam& k, const CString& face) {
         SetTextFontField(
             k, [](QXLOGFONT& f, const void* v) { f.SetFaceName(static_cast<const CString*>(v)->GetString()); }, &face);
     }},
    {ivtext::kSizeTemplate, "指定文本大小模板", kModeSize, FillSize, "大小", "指定文本大小", ValueKind::Size, 0,
     nullptr, &CWpParam::GetTextSizeTemp, &CWpParam::SetTextSizeTemp, nullptr, nullptr,
     [](CWpParam& k) { return k.GetTextFont().size; },
     [](CWpParam& k, float v) {
         SetTextFontField(
             k, [](QXLOGFONT& f, const void* s) { f.size = *static_cast<const float*>(s); }, &v);
     },
     nullptr, nullptr},
    {ivtext::kColorTemplate, "指定文本颜色模板", kModeColor, FillColor, "颜色", "指定文本颜色", ValueKind::Color, 0,
     nullptr, &CWpParam::GetTextColorTemp, &CWpParam::SetTextColorTemp,
     [](CWpParam& k) { return static_cast<UINT>(k.GetTextFont().color); },
     [](CWpParam& k, UINT v) {
         SetTextFontField(
             k, [](QXLOGFONT& f, const void* c) { f.color = *static_cast<const UINT*>(c); }, &v);
     },
     nullptr, nullptr, nullptr, nullptr},
};

const AspectDef kFillAspects[] = {
    {"填充风格模板", "设置填充风格模板", kModeFillStyle, FillFill, "填充风格", "设置填充样式", ValueKind::Style,
     CPropStyleCombox::kFillStyle, "", &CWpParam::GetRectTypeTemp, &CWpParam::SetRectTypeTemp,
     [](CWpParam& k) { return k.GetRectFillBrush().style; },
     [](CWpParam& k, UINT v) { k.GetRectFillBrush().style = v; }, nullptr, nullptr, nullptr, nullptr},
    {"元素大小模板", "设置元素大小模板", kModeSize, FillSize, "元素大小", "设置元素大小", ValueKind::Size, 0, nullptr,
     &CWpParam::GetRectSizeTemp, &CWpParam::SetRectSizeTemp, nullptr, nullptr,
     [](CWpParam& k) { return k.GetRectFillBrush().size; }, [](CWpParam& k, float v) { k.GetRectFillBrush().size = v; },
     nullptr, nullptr},
    {ivtext::kBorderColorTemplate, "指定边界颜色模板", kModeColor, FillColor, "边界颜色", "指定边界颜色",
     ValueKind::Color, 0, nullptr, &CWpParam::GetRectBColorTemp, &CWpParam::SetRectBColorTemp,
     [](CWpParam& k) { return static_cast<UINT>(k.GetRectFillBrush().lineColor); },
     [](CWpParam& k, UINT v) { k.GetRectFillBrush().lineColor = v; }, nullptr, nullptr, nullptr, nullptr},
    {ivtext::kInnerColorTemplate, "指定内部颜色模板", kModeColor, FillColor, "内部颜色", "指定内部颜色",
     ValueKind::Color, 0, nullptr, &CWpParam::GetRectIColorTemp, &CWpParam::SetRectIColorTemp,
     [](CWpParam& k) { return static_cast<UINT>(k.GetRectFillBrush().fillColor); },
     [](CWpParam& k, UINT v) { k.GetRectFillBrush().fillColor = v; }, nullptr, nullptr, nullptr, nullptr},
};

}  // namespace

struct ParamStylePageDef {
    DWORD_PTR firstId;
    const VisibilityDef* switches;
    int switchCount;
    const char* group;  // NULL: every item at the top level
    const AspectDef* aspects;
    int aspectCount;
    bool refillColorTemplates;  // the colour template lists follow the manager at every refresh

    DWORD_PTR GroupId() const { return firstId + static_cast<DWORD_PTR>(switchCount); }
    DWORD_PTR TemplateId(int aspect) const { return GroupId() + (group ? 1 : 0) + 2 * static_cast<DWORD_PTR>(aspect); }
    DWORD_PTR ValueId(int aspect) const { return TemplateId(aspect) + 1; }
};

namespace {
template <std::size_t S, std::size_t A>
constexpr ParamStylePageDef Page(DWORD_PTR first, const VisibilityDef (&s)[S], const char* group,
                                 const AspectDef (&a)[A], bool refill) {
    return {first, s, static_cast<int>(S), group, a, static_cast<int>(A), refill};
}

const ParamStylePageDef kPages[] = {
    Page(CLstParamLine::kTopHLineId, kLineSwitches, "线型设置", kLineAspects, false),
    Page(CLstParamPoint::kTopPointId, kPointSwitches, "点型设置", kPointAspects, false),
    Page(CLstParamText::kTopHTextId, kTextSwitches, "字体设置", kTextAspects, false),
    Page(CLstParamRectFill::kFillVisibleId, kFillSwitches, nullptr, kFillAspects, true),
};

// A typed size: its leading number times 100 when that is above 0 and a float holds it; also the
// rule of the size items, which so refuse any other text.
bool ReadSize(const CString& text, float* size) {
    double number = 0;
    float scaled = 0;
    if (!numtext::LeadingNumber(text, &number) || !numtext::FitFloat(number, numtext::kHundredths, &scaled))
        return false;
    if (!(scaled > 0)) return false;
    *size = scaled;
    return true;
}

CBCGPProp* NewValueItem(const AspectDef& a, DWORD_PTR id) {
    switch (a.kind) {
        case ValueKind::Style: {
            auto* picker = new CPropStyleCombox(a.valueCaption, 1, a.pickerKind, a.styleGroup, a.valueDescription, id);
            picker->AllowEdit(FALSE);
            return picker;
        }
        case ValueKind::Face:
            return new CPropStyleCombox(a.valueCaption, CString("宋体"), a.valueDescription, id);
        case ValueKind::Size:
            return NewSizeTextItem(a.valueCaption, a.valueDescription, id, ReaderRule(ReadSize));
        case ValueKind::Color:
            return CreateBlackColorProp(a.valueCaption, id, a.valueDescription);
    }
    return nullptr;
}

}  // namespace

// ---- pages ------------------------------------------------------------------------------------------
CLstParamStyle::CLstParamStyle(Page page, CWpKit* kit)
    : m_page(page), m_pKit(wellplot::KitOf<CWpParam>(reinterpret_cast<long>(kit))) {}
CLstParamStyle::~CLstParamStyle() = default;

const ParamStylePageDef& CLstParamStyle::Def() const { return kPages[static_cast<int>(m_page)]; }

CLstParamLine::CLstParamLine() : CLstParamStyle(Page::Line, nullptr) {}
CLstParamLine::CLstParamLine(CWpKit* kit) : CLstParamStyle(Page::Line, kit) {}
CLstParamPoint::CLstParamPoint() : CLstParamStyle(Page::Point, nullptr) {}
CLstParamPoint::CLstParamPoint(CWpKit* kit) : CLstParamStyle(Page::Point, kit) {}
CLstParamText::CLstParamText() : CLstParamStyle(Page::Text, nullptr) {}
CLstParamText::CLstParamText(CWpKit* kit) : CLstParamStyle(Page::Text, kit) {}
CLstParamRectFill::CLstParamRectFill() : CLstParamStyle(Page::RectFill, nullptr) {}
CLstParamRectFill::CLstParamRectFill(CWpKit* kit) : CLstParamStyle(Page::RectFill, kit) {}

int CLstParamStyle::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const ParamStylePageDef& def = Def();
    for (int i = 0; i < def.switchCount; ++i)
        m_wndPropList.AddProperty(
            NewYesNoList(def.switches[i].caption, "", nullptr, def.firstId + static_cast<DWORD_PTR>(i)), TRUE, TRUE);
    CBCGPProp* group = def.group ? new CBCGPProp(def.group, def.GroupId()) : nullptr;
    for (int a = 0; a < def.aspectCount; ++a) {
        const AspectDef& aspect = def.aspects[a];
        auto* templ = new CPropLstEx(aspect.templateCaption, CString(), aspect.templateDescription, def.TemplateId(a),
                                     aspect.mode, ivtext::kExButton);
        aspect.fillTemplates(*this, templ);
        templ->SetWpProplist(this);
        CBCGPProp* value = NewValueItem(aspect, def.ValueId(a));
        if (group) {
            group->AddSubItem(templ);
            group->AddSubItem(value);
        } else {
            m_wndPropList.AddProperty(templ, TRUE, TRUE);
            m_wndPropList.AddProperty(value, TRUE, TRUE);
        }
    }
    if (group) m_wndPropList.AddProperty(group, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------------
void CLstParamStyle::UpdateBCGPProperty(long object, CString) {
    CWpParam* kit = wellplot::KitOf<CWpParam>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    const ParamStylePageDef& def = Def();
    for (int i = 0; i < def.switchCount; ++i)
        SetYesNoProp(Item(def.firstId + static_cast<DWORD_PTR>(i)), (kit->*def.switches[i].get)());
    for (int a = 0; a < def.aspectCount; ++a) {
        const AspectDef& aspect = def.aspects[a];
        auto* templ = dynamic_cast<CPropLstEx*>(Item(def.TemplateId(a)));
        CBCGPProp* value = Item(def.ValueId(a));
        if (!templ || !value) continue;
        if (def.refillColorTemplates && aspect.mode == kModeColor) InitColorTemplate(templ);
        const CString name = (kit->*aspect.getTemplate)();
        SetItemText(templ, name);
        templ->SetWpKit(kit);
        switch (aspect.kind) {
            case ValueKind::Style:
                if (auto* picker = dynamic_cast<CPropStyleCombox*>(value)) {
                    UINT style = aspect.getCode(*kit);
                    if (picker->GetVal() != style) picker->SetVal(style);
                }
                break;
            case ValueKind::Face:
                SetItemText(value, aspect.getFace(*kit));
                break;
            case ValueKind::Size:
                ShowFixed(value, aspect.getSize(*kit) / 100.0, 2);
                break;
            case ValueKind::Color:
                ShowColor(value, aspect.getCode(*kit));
                break;
        }
        value->Enable(name.IsEmpty() ? TRUE : FALSE);
    }
}

// ---- write-back -------------------------------------------------------------------------------------
LRESULT CLstParamStyle::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpParam* kit = wellplot::CurrentKit<CWpParam>(*this);
    if (!item || !kit) return 0;
    m_pKit = kit;
    const ParamStylePageDef& def = Def();
    const DWORD_PTR id = item->GetData();
    if (id >= def.firstId && id < def.firstId + static_cast<DWORD_PTR>(def.switchCount)) {
        bool yes = false;
        if (!ReadYesNo(item, &yes)) return 0;
        (kit->*def.switches[id - def.firstId].set)(yes);
    } else {
        for (int a = 0; a < def.aspectCount; ++a) {
            const AspectDef& aspect = def.aspects[a];
            if (id == def.TemplateId(a)) {
                const CString name = ItemText(item);
                (kit->*aspect.setTemplate)(name);
                if (CBCGPProp* value = Item(def.ValueId(a))) value->Enable(name.IsEmpty() ? TRUE : FALSE);
            } else if (id == def.ValueId(a)) {
                float size = 0;
                switch (aspect.kind) {
                    case ValueKind::Style:
                        if (auto* picker = dynamic_cast<CPropStyleCombox*>(item))
                            aspect.setCode(*kit, picker->GetVal());
                        break;
                    case ValueKind::Face:
                        aspect.setFace(*kit, ItemText(item));
                        break;
                    case ValueKind::Size:
                        // The item reads by this rule, so a size it refuses never comes here.
                        if (ReadSize(ItemText(item), &size)) aspect.setSize(*kit, size);
                        break;
                    case ValueKind::Color:
                        if (COLORREF colour = 0; ReadShownColor(item, &colour)) aspect.setCode(*kit, colour);
                        break;
                }
            }
        }
    }
    kit->InvalidSelf();
    kit->UpdateParent();
    UpdateView();
    return 0;
}
