#include "framework/ItemGroupsFill.h"

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "mfc/Variant.h"

using namespace grouptext;

namespace {

constexpr UINT kInitialStyle = 1;
constexpr UINT kSymbolInitialStyle = 1002;

CPropStyleCombox* NewPointStylePicker(DWORD_PTR data) {
    return new CPropStyleCombox(kPointStyle, kInitialStyle, CPropStyleCombox::kPointStyle,
                                kestrel::kPointSetCommonStyle, kPointStyleDescription, data);
}

CBCGPropFloat* NewSizeFloat(const char* name, const char* description, DWORD_PTR data) {
    CBCGPropFloat* size = new CBCGPropFloat(name, _variant_t(0.0), 2, description, FALSE, data);
    size->AllowEdit(TRUE);
    size->SetTextRule(HundredthsItemRule());  // the group readers keep it in hundredths
    return size;
}

CBCGPColorProp* NewFillColor(const char* name, const char* description, DWORD_PTR data) {
    CBCGPColorProp* colour = NewGroupColorProp(name, description, data, GetSysColor(COLOR_WINDOWTEXT));
    colour->AllowEdit(FALSE);
    return colour;
}

CBCGPProp* NewTemplateItem(const char* name, const char* description, DWORD_PTR data) {
    CBCGPProp* item = new CBCGPProp(name, _variant_t(""), description, data);
    item->AddOption("");
    item->AllowEdit(FALSE);
    return item;
}

void AddPointSubItems(CBCGPProp* group, DWORD_PTR first, CBCGPProp* size) {
    group->AddSubItem(NewPointStylePicker(first));
    group->AddSubItem(size);
    group->AddSubItem(NewGroupColorProp(kBorderColor, kColor, first + 2, 0));
    group->AddSubItem(NewGroupColorProp(kInnerColor, kColor, first + 3, 0));
}

// Style, number size, border and inner colour at positions first .. first+3, each only when it
// is of that class.
void WritePointFloatItems(CBCGPProp* group, int first, const QXLOGPOINT& point) {
    if (CPropStyleCombox* style = DYNAMIC_DOWNCAST(CPropStyleCombox, group->GetSubItem(first))) {
        UINT value = point.style;
        style->SetVal(value);
    }
    if (CBCGPropFloat* size = dynamic_cast<CBCGPropFloat*>(group->GetSubItem(first + 1)))
        size->SetValue(_variant_t(static_cast<double>(point.size) / 100.0));
    if (CBCGPColorProp* border = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(first + 2)))
        border->SetColor(point.borderColor);
    if (CBCGPColorProp* inner = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(first + 3)))
        inner->SetColor(point.innerColor);
}

// The six fill sub-items with the data first .. first+5.
void AddFillSubItems(CBCGPProp* group, DWORD_PTR first) {
    CBCGPProp* sets = new CBCGPProp(kFillStyleSet, _variant_t(kestrel::kAllStyles), kFillStyleSetDescription, first);
    sets->AllowEdit(FALSE);
    sets->AddOption(kestrel::kAllStyles);
    if (CGraphStyleManager* all = _AfxGetFillStyleManager("")) {
        for (int i = 0; i < all->GetChildStyleManagerCount(); ++i) {
            CGraphStyleManager* set = all->GetChildStyleManager(i);
            if (set && set->GetStyleCount() > 0) sets->AddOption(set->GetName());
        }
    }
    group->AddSubItem(sets);

    CPropStyleCombox* style = new CPropStyleCombox(kFillStyle, kInitialStyle, CPropStyleCombox::kFillStyle, nullptr,
                                                   kFillStyleDescription, first + 1);
    style->SetStyleGroup(kestrel::kAllStyles, true);
    group->AddSubItem(style);

    group->AddSubItem(NewFillColor(kFillLineColor, kFillLineColorDescription, first + 2));
    group->AddSubItem(NewFillColor(kFillColor, kFillColorDescription, first + 3));
    group->AddSubItem(NewSizeFloat(kFillCellSize, kFillCellSizeDescription, first + 4));
    group->AddSubItem(CreateYesNoProp(kFillTransparent, first + 5, _variant_t(""), ""));
}

// The six fill sub-items from position first; each enabled as asked when enable is given.
void WriteFillItems(CBCGPProp* group, int first, const std::string& setName, const QXLOGBRUSH& brush,
                    const bool* enable) {
    CString shownSet(setName.c_str());
    if (CGraphStyleManager* all = _AfxGetFillStyleManager("")) {
        if (CGraphStyleManager* holder = all->GetChildStyleManagerByID(brush.style)) shownSet = holder->GetName();
    }
    auto enableItem = [enable](CBCGPProp* item) {
        if (item && enable) item->Enable(*enable);
    };

    CBCGPProp* sets = group->GetSubItem(first);
    if (sets) sets->SetValue(_variant_t(shownSet));
    enableItem(sets);

    CBCGPProp* styleItem = group->GetSubItem(first + 1);
    if (CPropStyleCombox* style = DYNAMIC_DOWNCAST(CPropStyleCombox, styleItem)) {
        style->SetStyleGroup(shownSet, true);
        UINT value = brush.style;
        style->SetVal(value);
    }
    enableItem(styleItem);

    CBCGPProp* lineItem = group->GetSubItem(first + 2);
    if (CBCGPColorProp* line = DYNAMIC_DOWNCAST(CBCGPColorProp, lineItem)) line->SetColor(brush.lineColor);
    enableItem(lineItem);

    CBCGPProp* fillItem = group->GetSubItem(first + 3);
    if (CBCGPColorProp* fill = DYNAMIC_DOWNCAST(CBCGPColorProp, fillItem)) fill->SetColor(brush.fillColor);
    enableItem(fillItem);

    CBCGPProp* sizeItem = group->GetSubItem(first + 4);
    if (CBCGPropFloat* size = dynamic_cast<CBCGPropFloat*>(sizeItem))
        size->SetValue(_variant_t(static_cast<double>(brush.size) / 100.0));
    enableItem(sizeItem);

    CBCGPProp* backItem = group->GetSubItem(first + 5);
    if (backItem) backItem->SetValue(_variant_t(brush.backMode == kBackModeTransparent ? kYes : kNo));
    enableItem(backItem);
}

}  // namespace

// ---- point groups ---------------------------------------------------------------------------------

TextRule PointSizeRule() { return penfont::HundredthsRule(penfont::Accept::ZeroOrMore); }

CBCGPProp* CreatePointProp(const CString& name, DWORD_PTR id) { return CreatePointProp(name, id, PointSizeRule()); }

CBCGPProp* CreatePointProp(const CString& name, DWORD_PTR id, TextRule sizeRule) {
    CBCGPProp* group = new CBCGPProp(name, id, FALSE);
    CBCGPProp* size = new CBCGPropSizeText(kSize, _variant_t(""), kPointSizeDescription, id + 2, std::move(sizeRule));
    AddPointSubItems(group, id + 1, size);
    group->Expand(FALSE);
    return group;
}

CBCGPProp* CreatePointFloatProp(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);
    AddPointSubItems(group, id + 1, NewSizeFloat(kSize, kPointSizeDescription, id + 2));
    group->Expand(FALSE);
    return group;
}

CBCGPProp* CreateShowPointProp(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);
    group->AddSubItem(CreateYesNoProp(kShow, id + 1, _variant_t(kYes), ""));
    AddPointSubItems(group, id + 2, NewSizeFloat(kSize, kPointSizeDescription, id + 3));
    return group;
}

void SetPointProp(CBCGPProp* group, const QXLOGPOINT& point) {
    if (!group) return;
    if (CPropStyleCombox* style = DYNAMIC_DOWNCAST(CPropStyleCombox, group->GetSubItem(0))) {
        UINT value = point.style;
        style->SetVal(value);
    }
    if (CBCGPProp* size = group->GetSubItem(1)) size->SetValue(_variant_t(numtext::Fixed(point.size / 100.0, 2)));
    if (CBCGPColorProp* border = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(2)))
        border->SetColor(point.borderColor);
    if (CBCGPColorProp* inner = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(3)))
        inner->SetColor(point.innerColor);
}

void SetPointFloatProp(CBCGPProp* group, const QXLOGPOINT& point) {
    if (group) WritePointFloatItems(group, 0, point);
}

void SetShowPointProp(CBCGPProp* group, const QXLOGPOINT& point, bool show) {
    if (!group) return;
    if (CBCGPProp* shown = group->GetSubItem(0)) shown->SetValue(_variant_t(show ? kYes : kNo));
    WritePointFloatItems(group, 1, point);
    if (CBCGPProp* style = DYNAMIC_DOWNCAST(CPropStyleCombox, group->GetSubItem(1))) style->Enable(show);
    if (CBCGPProp* size = dynamic_cast<CBCGPropFloat*>(group->GetSubItem(2))) size->Enable(show);
    for (int i = 3; i <= 4; ++i)
        if (CBCGPProp* colour = DYNAMIC_DOWNCAST(CBCGPColorProp, group->GetSubItem(i))) colour->Enable(show);
}

bool GetPointProp(CBCGPProp* group, QXLOGPOINT& point) {
    if (!group) return false;
    ReadStyle(group->GetSubItem(0), &point.style);
    float kept = 0;
    const CString size = ItemText(group->GetSubItem(1));
    if (!penfont::ReadHundredths(size, penfont::Accept::ZeroOrMore, &kept)) return false;
    // A size still shown as the refresh showed it stands for the stored size, unrounded.
    if (!numtext::ShowsStored(size, point.size / numtext::kHundredths, 2)) point.size = kept;
    ReadColor(group->GetSubItem(2), &point.borderColor);
    ReadColor(group->GetSubItem(3), &point.innerColor);
    return true;
}

bool GetPointSubProp(CBCGPProp* item, QXLOGPOINT& point, int index) {
    switch (index) {
        case 0:
            ReadStyle(item, &point.style);
            break;
        case 1:
            return ReadHundredthsItem(item, &point.size);
        case 2:
            ReadColor(item, &point.borderColor);
            break;
        case 3:
            ReadColor(item, &point.innerColor);
            break;
        default:
            break;
    }
    return true;
}

void GetShowPointSubProp(CBCGPProp* item, QXLOGPOINT& point, int index, bool* show) {
    if (!item) return;
    if (index == 0) {
        if (show) *show = ReadYesNo(item);
    } else if (index >= 1 && index <= 4) {
        GetPointSubProp(item, point, index - 1);
    }
}

// ---- fill groups ------------------------------------------------------------------------------------

CBCGPProp* CreateFillProp(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);
    AddFillSubItems(group, id + 1);
    return group;
}

void CreateFillFlagProp(CBCGPProp* group, DWORD_PTR id) {
    if (!group) return;
    group->AddSubItem(CreateYesNoProp(kFillFlag, id + 1, _variant_t(""), ""));
    AddFillSubItems(group, id + 2);
}

void SetFillProp(CBCGPProp* group, const std::string& setName, const QXLOGBRUSH& brush) {
    if (group) WriteFillItems(group, 0, setName, brush, nullptr);
}

void SetFillFlagProp(CBCGPProp* group, const std::string& setName, const QXLOGBRUSH& brush, bool fill) {
    if (!group) return;
    if (CBCGPProp* flag = group->GetSubItem(0)) flag->SetValue(_variant_t(fill ? kYes : kNo));
    WriteFillItems(group, 1, setName, brush, &fill);
}

bool GetFillSubProp(CBCGPProp* item, std::string* setName, int index, QXLOGBRUSH& brush) {
    // The cell size is the one field whose text can be refused; no item holds none.
    if (index == 4) return ReadHundredthsItem(item, &brush.size);
    if (!item) return true;
    switch (index) {
        case 0: {
            const CString name = ItemText(item);
            if (setName) *setName = std::string(name);
            brush.style = GetFirstFillStyleID(name);
            break;
        }
        case 1:
            ReadStyle(item, &brush.style);
            break;
        case 2:
            ReadColor(item, &brush.lineColor);
            break;
        case 3:
            ReadColor(item, &brush.fillColor);
            break;
        case 5:
            brush.backMode = ReadYesNo(item) ? kBackModeTransparent : kBackModeOpaque;
            break;
        default:
            break;
    }
    return true;
}

void GetFillFlagSubProp(CBCGPProp* item, bool* fill, int index, std::string* setName, QXLOGBRUSH& brush) {
    if (!item) return;
    if (index == 0) {
        if (fill) *fill = ReadYesNo(item);
    } else if (index >= 1 && index <= 6) {
        GetFillSubProp(item, setName, index - 1, brush);
    }
}

UINT GetFirstFillStyleID(CString setName) {
    const bool whole = setName.IsEmpty() || setName == kestrel::kAllStyles;
    CGraphStyleManager* set = _AfxGetFillStyleManager(whole ? "" : static_cast<const char*>(setName));
    if (!set || set->GetStyleCount() <= 0) return 0;
    // The whole collection leads with its "no fill" style; the first style that fills is the second,
    // when there is a second.
    const CGraphStyle* style = set->GetStyle(whole && set->GetStyleCount() >= 2 ? 1 : 0);
    return style ? style->GetID() : 0;
}

// ---- point-symbol template block ------------------------------------------------------------------------

CBCGPProp* CreateSymbolTemplateProp(const std::string& name) {
    return CreateSymbolTemplateProp(name, kSymbolTemplateGroupId);
}

CBCGPProp* CreateSymbolTemplateProp(const std::string& name, DWORD_PTR id) {
    CBCGPProp* group = new CBCGPProp(CString(name.c_str()), id, FALSE);
    group->AddSubItem(CreateYesNoProp(kShow, id + 1, _variant_t(kYes), kSymbolShowDescription));
    group->AddSubItem(NewTemplateItem(kPointStyleTemplate, kPointStyleTemplateDescription, id + 2));
    CPropStyleCombox* style = new CPropStyleCombox(kPointStyle, kSymbolInitialStyle, CPropStyleCombox::kPointStyle,
                                                   kestrel::kPointSetCommonStyle, "", id + 3);
    style->SetStyleGroup(kestrel::kPointSetCommon, true);
    style->AddStyleGroup(kestrel::kPointSetWell, true);
    group->AddSubItem(style);
    group->AddSubItem(NewTemplateItem(kSizeTemplate, kSizeTemplateDescription, id + 4));
    group->AddSubItem(NewSizeFloat(kSize, kSymbolSizeDescription, id + 5));
    group->AddSubItem(NewTemplateItem(kBorderColorTemplate, kBorderColorTemplateDescription, id + 6));
    group->AddSubItem(NewGroupColorProp(kBorderColor, kBorderColorDescription, id + 7, 0));
    group->AddSubItem(NewTemplateItem(kInnerColorTemplate, kInnerColorTemplateDescription, id + 8));
    group->AddSubItem(NewGroupColorProp(kInnerColor, kInnerColorDescription, id + 9, 0));
    return group;
}
