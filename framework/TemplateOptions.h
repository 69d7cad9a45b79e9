// Option lists from the style-template manager: "" first, then every template's name of a kind,
// in the manager's order; an option the item already holds is not added again, so a later call only
// appends new names. Callers decide whether the item's own options stay.
#pragma once

class CBCGPProp;

enum class TemplateKind { FontStyle, Size, Color, PointStyle, LineStyle, FillStyle };

void AppendTemplateOptions(CBCGPProp* item, TemplateKind kind);

class CStyleTemplate;
// The manager's template of the kind named so (the first of that name); NULL for none.
CStyleTemplate* FindNamedTemplate(TemplateKind kind, const char* name);
