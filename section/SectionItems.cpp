#include "section/SectionItems.h"

#include <cmath>
#include <vector>

#include "hosttypes/Oriel/ScUtility.h"
#include "framework/PropItems.h"
#include "section/SectionTexts.h"
#include "win32/Win32.h"

namespace section {

bool ReadItemNumber(CBCGPProp* item, double scale, double* value) {
    if (!item) return false;
    const double number = ScUtility::JudgeFigure(ItemText(item), false);
    if (number == kFltMax) return false;
    const double scaled = number * scale;
    if (!std::isfinite(scaled)) return false;
    *value = scaled;
    return true;
}

TemplateManager::TemplateType TemplateTypeOfKind(int kind) {
    using namespace TemplateManager;
    static const TemplateType kTypes[] = {TPL_CORRELATION, TPL_CONNECTION, TPL_RESERVOIR, TPL_FENCE};
    return (kind >= 1 && kind <= 4) ? kTypes[kind - 1] : TPL_GENERAL;
}

void AddTemplateOptions(CBCGPProp* item, int kind) {
    if (!item) return;
    std::vector<CString> names;
    TemplateManager::CTemplateManagerFacade::Instance()->GetAllTemplateByTplType(names, TemplateTypeOfKind(kind));
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
    return TemplateManager::CTemplateManagerFacade::Instance()
        ->GetTemplateFileFullPath(text, TemplateTypeOfKind(kind), TemplateManager::TPL_POS_BYNAME)
        .str();
}

}  // namespace section
