#include "framework/TemplateOptions.h"

#include "bcg/Prop.h"
#include "hosttypes/Sorrel/TemplateManager.h"

namespace {

int TemplateCount(CTemplateManager& m, TemplateKind kind) {
    switch (kind) {
        case TemplateKind::FontStyle:
            return m.GetTemplateFontStyleCount();
        case TemplateKind::Size:
            return m.GetTemplateSizeCount();
        case TemplateKind::Color:
            return m.GetTemplateColorCount();
        case TemplateKind::PointStyle:
            return m.GetTemplatePointStyleCount();
        case TemplateKind::LineStyle:
            return m.GetTemplateLineStyleCount();
        case TemplateKind::FillStyle:
            return m.GetTemplateFillStyleCount();
    }
    return 0;
}

const CStyleTemplate* TemplateAt(CTemplateManager& m, TemplateKind kind, int i) {
    switch (kind) {
        case TemplateKind::FontStyle:
            return m.GetTemplateFontStyle(i);
        case TemplateKind::Size:
            return m.GetTemplateSize(i);
        case TemplateKind::Color:
            return m.GetTemplateColor(i);
        case TemplateKind::PointStyle:
            return m.GetTemplatePointStyle(i);
        case TemplateKind::LineStyle:
            return m.GetTemplateLineStyle(i);
        case TemplateKind::FillStyle:
            return m.GetTemplateFillStyle(i);
    }
    return nullptr;
}

}  // namespace

void AppendTemplateOptions(CBCGPProp* item, TemplateKind kind) {
    if (!item) return;
    item->AddOption("", TRUE);
    CTemplateManager* manager = _AfxGetTemplateManager();
    if (!manager) return;
    const int n = TemplateCount(*manager, kind);
    for (int i = 0; i < n; ++i)
        if (const CStyleTemplate* t = TemplateAt(*manager, kind, i)) item->AddOption(t->GetName(), TRUE);
}

CStyleTemplate* FindNamedTemplate(TemplateKind kind, const char* name) {
    CTemplateManager* m = _AfxGetTemplateManager();
    if (!m || !name) return nullptr;
    switch (kind) {
        case TemplateKind::FontStyle:
            return m->GetTemplateFontStyle(name);
        case TemplateKind::Size:
            return m->GetTemplateSize(name);
        case TemplateKind::Color:
            return m->GetTemplateColor(name);
        case TemplateKind::PointStyle:
            return m->GetTemplatePointStyle(name);
        case TemplateKind::LineStyle:
            return m->GetTemplateLineStyle(name);
        case TemplateKind::FillStyle:
            return m->GetTemplateFillStyle(name);
    }
    return nullptr;
}
