#include "section/SectionItems.h"

#include <vector>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "hosttypes/Oriel/ScUtility.h"
#include "section/SectionTexts.h"
#include "win32/Win32.h"

namespace section {

CFixedListProp* NewList(const char* name, const char* shown, const char* description, DWORD_PTR id,
                        const TextValue* table, std::size_t count, OtherText other,
                        std::initializer_list<const char*> offered, bool allowEdit) {
    CFixedListProp* item = NewFixedListItem(name, shown, description, id, table, count, other, allowEdit);
    if (offered.size() > 0) item->OfferOnly(offered);
    item->ShowUnlistedAs("");
    return item;
}

CBCGPProp* NewScaleItem(const char* name, DWORD_PTR id, const char* const* options, std::size_t count, TextRule rule) {
    auto* item = new CBCGPropSizeText(name, _variant_t(""), "", id, std::move(rule));
    item->AllowEdit(TRUE);
    for (std::size_t i = 0; i < count; ++i) item->AddOption(options[i], TRUE);
    return item;
}

bool ReadItemNumber(CBCGPProp* item, double scale, double* value, bool judgeFlag) {
    if (!item) return false;
    const double number = ScUtility::JudgeFigure(ItemText(item), judgeFlag);
    // A zero read with its sign reversed (a depth of 0 as an elevation) is still +0.
    return number != kFltMax && numtext::Scale(number, scale, value);
}

bool ReadItemSize(CBCGPProp* item, double scale, double* value) {
    double number = 0;
    if (!ReadItemNumber(item, scale, &number) || number < 0) return false;
    *value = number;
    return true;
}

TextRule ItemNumberRule(double scale, bool judgeFlag) {
    return KeptNumberRule([scale, judgeFlag](CBCGPProp* kept) {
        double value = 0;
        return ReadItemNumber(kept, scale, &value, judgeFlag);
    });
}

TextRule ItemSizeRule(double scale) {
    return KeptNumberRule([scale](CBCGPProp* kept) {
        double value = 0;
        return ReadItemSize(kept, scale, &value);
    });
}

CBCGPProp* NewSeepageGroup(DWORD_PTR id) {
    using namespace sectiontext;
    auto* seepage = new CBCGPProp(kSeepage, id, FALSE);
    seepage->AddSubItem(NewYesNoList(grouptext::kShow, grouptext::kYes, "", id + 1));
    seepage->AddSubItem(NewOptionItem(kInterfaceForm, "", kInterfaceForm, id + 2, {kAbruptStraight}, false));
    seepage->AddSubItem(new CPropStyleCombox(grouptext::kLineStyle, 1, CPropStyleCombox::kLineStyle,
                                             kestrel::kLineSetCommonAlt, kLineStyleDescription, id + 3));
    seepage->AddSubItem(new CBCGPropFloat(kWidth, _variant_t(0.0), 2, kWidthDescription, FALSE, id + 4));
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    auto* colour = new CBCGPColorProp(grouptext::kColor, text, nullptr, kColorDescription, id + 5);
    colour->EnableOtherButton(kOtherColors);
    colour->EnableAutomaticButton(grouptext::kAutomaticColor, text);
    seepage->AddSubItem(colour);
    return seepage;
}

TemplateManager::TemplateType TemplateTypeOfKind(int kind) {
    using namespace TemplateManager;
    static const TemplateType kTypes[] = {TPL_CORRELATION, TPL_CONNECTION, TPL_RESERVOIR, TPL_FENCE};
    return (kind >= 1 && kind <= 4) ? kTypes[kind - 1] : TPL_GENERAL;
}

void AddTemplateOptions(CBCGPProp* item, int kind) { AddTemplateOptionsOfType(item, TemplateTypeOfKind(kind)); }

void AddTemplateOptionsOfType(CBCGPProp* item, TemplateManager::TemplateType type) {
    if (!item) return;
    std::vector<CString> names;
    TemplateManager::CTemplateManagerFacade::Instance()->GetAllTemplateByTplType(names, type);
    for (const CString& name : names) item->AddOption(name, TRUE);
}

CString TemplateTextOfPath(const std::string& path) {
    if (path.empty()) return sectiontext::kNoTemplate;
    const TemplateManager::CTemplateManagerFacade* facade = TemplateManager::CTemplateManagerFacade::Instance();
    CString name;
    int place = TemplateManager::TPL_POS_NONE;
    facade->ParserFileNameByPath(path.c_str(), name, place, false);
    return facade->AppendTemplatePosStr(name, place);
}

std::string TemplatePathOfText(const CString& text, int kind) {
    return TemplatePathOfType(text, TemplateTypeOfKind(kind));
}

std::string TemplatePathOfType(const CString& text, TemplateManager::TemplateType type) {
    return TemplateManager::CTemplateManagerFacade::Instance()
        ->GetTemplateFileFullPath(text, type, TemplateManager::TPL_POS_BYNAME)
        .str();
}

}  // namespace section
