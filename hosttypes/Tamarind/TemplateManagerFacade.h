// The style-template facade of the template library: the drawing templates of the section kinds,
// kept in the system's template folder or in the project's, each known by its file name.
#pragma once

#include <vector>

#include "mfc/String.h"

class CStyleTemplate;

namespace TemplateManager {

// Kinds of template: the style templates 3 to 8 (kept by the drawing-program library's template
// manager), the section kinds' drawing templates 11 to 15, the stratum-section templates 16, the
// colour templates of contour fills 17 and 19 for any other drawing. A fixed int type: the host
// may hand a code beyond these, which the facade answers with nothing.
enum TemplateType : int {
    TPL_COLOR = 3,
    TPL_SIZE = 4,
    TPL_POINTSTYLE = 5,
    TPL_LINESTYLE = 6,
    TPL_FILLSTYLE = 7,
    TPL_FONTSTYLE = 8,
    TPL_CORRELATION = 11,
    TPL_CONNECTION = 12,
    TPL_RESERVOIR = 13,
    TPL_SINGLEWELL = 14,
    TPL_FENCE = 15,
    TPL_STRATUMSECTION = 16,
    TPL_CONTOURCOLOR = 17,
    TPL_GENERAL = 19,
};

// Where a template lies. TPL_POS_BYNAME: the place written in a name decorated by
// AppendTemplatePosStr.
enum TemplatePosType : int { TPL_POS_NONE = -1, TPL_POS_SYSTEM = 0, TPL_POS_PROJECT = 1, TPL_POS_BYNAME = 2 };

class CTemplateManagerFacade {
public:
    // ---- template-library operations ----
    static CTemplateManagerFacade* Instance();
    // Appends the decorated name of every template of the type, in the store's order.
    void GetAllTemplateByTplType(std::vector<CString>& names, TemplateType type) const;
    // The file of the template of that type named name (decorated for TPL_POS_BYNAME, plain for a
    // place); "" when there is none, e.g. for "<不使用>".
    CString GetTemplateFileFullPath(const CString& name, TemplateType type, int posType) const;
    // The file name of a template path (without its extension unless asked) and its place
    // (TPL_POS_NONE for a path outside both folders).
    void ParserFileNameByPath(const CString& path, CString& name, int& posType, bool withExtension) const;
    // The name as the lists show it: "name[系统]", "name[工区]"; the name alone for any other place.
    CString AppendTemplatePosStr(const CString& name, int posType) const;
    // The style template of that name and kind (3 to 8) from the template manager; NULL for a name
    // of no template of the kind and for any other kind.
    CStyleTemplate* GetGeneralTemplate(const CString& name, TemplateType type) const;
};

}  // namespace TemplateManager
