// The template store of the stand-in: a few sample templates per section kind, as file paths
// under the system and the project template folders.
#include "hosttypes/Tamarind/TemplateManagerFacade.h"

#include <map>
#include <string>

#include "hostlibs/Tamarind/Testing.h"
#include "hosttypes/Sorrel/TemplateManager.h"

using tamarind::testing::Template;
using TemplateManager::CTemplateManagerFacade;
using TemplateManager::TemplateType;

namespace {

const char kSystemFolder[] = "/kel/templates/system/";
const char kProjectFolder[] = "/kel/project/templates/";
const char kExtension[] = ".tpl";

std::map<int, std::vector<Template>> SampleStore() {
    using namespace TemplateManager;
    return {
        {TPL_CORRELATION, {{"标准对比", TPL_POS_SYSTEM}}},
        {TPL_CONNECTION, {{"标准连井", TPL_POS_SYSTEM}, {"连井模板", TPL_POS_PROJECT}}},
        {TPL_RESERVOIR, {{"油藏剖面", TPL_POS_SYSTEM}}},
        {TPL_SINGLEWELL, {{"单井剖面", TPL_POS_SYSTEM}}},
        {TPL_FENCE, {{"栅状图", TPL_POS_SYSTEM}}},
        {TPL_STRATUMSECTION, {{"层段剖面", TPL_POS_SYSTEM}, {"小层剖面", TPL_POS_PROJECT}}},
        {TPL_CONTOURCOLOR, {{"彩虹色", TPL_POS_SYSTEM}, {"地形色", TPL_POS_PROJECT}}},
        {TPL_GENERAL, {{"通用模板", TPL_POS_SYSTEM}}},
    };
}

std::map<int, std::vector<Template>>& Store() {
    static std::map<int, std::vector<Template>> store = SampleStore();
    return store;
}

const std::vector<Template>& TemplatesOf(TemplateType type) {
    static const std::vector<Template> none;
    auto it = Store().find(type);
    return it == Store().end() ? none : it->second;
}

std::string PathOf(const Template& t, TemplateType type) {
    const char* folder = t.posType == TemplateManager::TPL_POS_SYSTEM ? kSystemFolder : kProjectFolder;
    return folder + std::to_string(static_cast<int>(type)) + "/" + t.name + kExtension;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

CTemplateManagerFacade* CTemplateManagerFacade::Instance() {
    static CTemplateManagerFacade facade;
    return &facade;
}

void CTemplateManagerFacade::GetAllTemplateByTplType(std::vector<CString>& names, TemplateType type) const {
    for (const Template& t : TemplatesOf(type)) names.push_back(AppendTemplatePosStr(t.name.c_str(), t.posType));
}

CString CTemplateManagerFacade::GetTemplateFileFullPath(const CString& name, TemplateType type, int posType) const {
    for (const Template& t : TemplatesOf(type)) {
        const bool match = posType == TPL_POS_BYNAME ? AppendTemplatePosStr(t.name.c_str(), t.posType) == name
                                                     : (t.posType == posType && name == t.name.c_str());
        if (match) return PathOf(t, type).c_str();
    }
    return CString();
}

void CTemplateManagerFacade::ParserFileNameByPath(const CString& path, CString& name, int& posType,
                                                  bool withExtension) const {
    const std::string& p = path.str();
    posType = StartsWith(p, kSystemFolder)    ? TPL_POS_SYSTEM
              : StartsWith(p, kProjectFolder) ? TPL_POS_PROJECT
                                              : TPL_POS_NONE;
    std::string file = p.substr(p.find_last_of("/\\") == std::string::npos ? 0 : p.find_last_of("/\\") + 1);
    const std::size_t dot = file.rfind('.');
    if (!withExtension && dot != std::string::npos && dot > 0) file.erase(dot);
    name = file.c_str();
}

CString CTemplateManagerFacade::AppendTemplatePosStr(const CString& name, int posType) const {
    if (posType == TPL_POS_SYSTEM) return name + "[系统]";
    if (posType == TPL_POS_PROJECT) return name + "[工区]";
    return name;
}

namespace tamarind::testing {
void SetTemplates(TemplateManager::TemplateType type, const std::vector<Template>& templates) {
    Store()[type] = templates;
}
void Reset() { Store() = SampleStore(); }
}  // namespace tamarind::testing

CStyleTemplate* CTemplateManagerFacade::GetGeneralTemplate(const CString& name, TemplateType type) const {
    CTemplateManager* manager = _AfxGetTemplateManager();
    const char* text = name.GetString();
    switch (type) {
        case TemplateManager::TPL_COLOR:
            return manager->GetTemplateColor(text);
        case TemplateManager::TPL_SIZE:
            return manager->GetTemplateSize(text);
        case TemplateManager::TPL_POINTSTYLE:
            return manager->GetTemplatePointStyle(text);
        case TemplateManager::TPL_LINESTYLE:
            return manager->GetTemplateLineStyle(text);
        case TemplateManager::TPL_FILLSTYLE:
            return manager->GetTemplateFillStyle(text);
        case TemplateManager::TPL_FONTSTYLE:
            return manager->GetTemplateFontStyle(text);
        default:
            return nullptr;
    }
}
