// What the section pages share in reading and writing their items: numbers typed into an item,
// read by the section library's check, and the section kinds' drawing templates (their type, the
// names offered, the file a name stands for and the text a file shows as).
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "bcg/Prop.h"
#include "framework/FixedList.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Tamarind/TemplateManagerFacade.h"

namespace section {

// The number in the item's text (ScUtility::JudgeFigure, handed the flag) times scale; false,
// value untouched, when the text is no number or the scaled value is not finite.
bool ReadItemNumber(CBCGPProp* item, double scale, double* value, bool judgeFlag = false);
// The same for a width, size or length, which is never negative: a negative is refused too.
bool ReadItemSize(CBCGPProp* item, double scale, double* value);

// ---- the rules of the readers, for the items the text is typed into --------------------------------
// A number item keeps the leading number of a typed text and its list reads that number, so these
// are KeptNumberRule's (framework/PropFloat.h). ReadItemNumber's and ReadItemSize's rules.
TextRule ItemNumberRule(double scale = 1.0, bool judgeFlag = false);
TextRule ItemSizeRule(double scale = 1.0);

// ---- fixed lists ------------------------------------------------------------------------------------
// A fixed list whose texts are those of table, each standing for its value, and other for any
// other text, read through ReadFixedList. A page may take and show texts it does not offer:
// offered, when given, are the options of the drop-down (a refresh that sets the options again
// keeps every text of the table). An accepted text whose value no entry stands for shows empty, as
// the section pages' refreshes show such a value.
CFixedListProp* NewList(const char* name, const char* shown, const char* description, DWORD_PTR id,
                        const TextValue* table, std::size_t count, OtherText other,
                        std::initializer_list<const char*> offered = {}, bool allowEdit = false);
template <std::size_t N>
CFixedListProp* NewList(const char* name, const char* shown, const char* description, DWORD_PTR id,
                        const TextValue (&table)[N], OtherText other, std::initializer_list<const char*> offered = {},
                        bool allowEdit = false) {
    return NewList(name, shown, description, id, table, N, other, offered, allowEdit);
}

// An editable list of scales offering options: a text the page's rule refuses is refused.
CBCGPProp* NewScaleItem(const char* name, DWORD_PTR id, const char* const* options, std::size_t count, TextRule rule);
template <std::size_t N>
CBCGPProp* NewScaleItem(const char* name, DWORD_PTR id, const char* const (&options)[N], TextRule rule) {
    return NewScaleItem(name, id, options, N, std::move(rule));
}

// What an edit did with its item's text: refused it (nothing written), or took it, for some pages
// also stamping the object so that the next refresh reads it again.
enum class Edited { Refused, Taken, Stamped };

// The "渗流界面" group of the sand pages: shown flag (id+1), interface form (id+2), line style
// (id+3), width (id+4) and colour (id+5).
CBCGPProp* NewSeepageGroup(DWORD_PTR id);

// The drawing-template type of a section kind (1 correlation, 2 connection, 3 reservoir,
// 4 fence); 19 for any other kind.
TemplateManager::TemplateType TemplateTypeOfKind(int kind);

// Adds the names of every template of the section kind's type to the item's options (unique).
void AddTemplateOptions(CBCGPProp* item, int kind);
void AddTemplateOptionsOfType(CBCGPProp* item, TemplateManager::TemplateType type);
// The text a template path shows as: "<不使用>" for none, else the template's name with its place.
CString TemplateTextOfPath(const std::string& path);
// The file of the template an option text names, for a section kind (the template facade's answer,
// also for "<不使用>").
std::string TemplatePathOfText(const CString& text, int kind);
std::string TemplatePathOfType(const CString& text, TemplateManager::TemplateType type);

}  // namespace section
