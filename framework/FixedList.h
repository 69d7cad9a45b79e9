// Fixed lists: an option item whose texts stand for values, read in one place. A list knows its
// options with their values and what it takes for any other text (a text reported from code, or
// typed where the item lets a text be typed): one value, or none, which is a refusal.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "bcg/Prop.h"
#include "framework/Export.h"
#include "framework/GroupTexts.h"
#include "framework/OptionTables.h"
#include "mfc/String.h"

// What a fixed list takes for a text that is none of its options.
struct OtherText {
    bool taken;  // false: such a text is refused
    int value;   // the value taken when taken
};
inline constexpr OtherText kOtherRefused{false, 0};
constexpr OtherText OtherTakenAs(int value) { return OtherText{true, value}; }
// A rule computing the value of any other text (a numbered text, a text taken only when not
// empty): true with *value set, false for a text refused.
using OtherTextRule = std::function<bool(const CString& text, int* value)>;

class TESSALY_API CFixedListProp : public CBCGPProp {
    DECLARE_DYNAMIC(CFixedListProp)
public:
    // An item showing value first, with no options yet; allowEdit lets a text be typed.
    CFixedListProp(const CString& name, const CString& value, const char* description, DWORD_PTR data,
                   OtherText other, bool allowEdit = false);

    // Adds an option standing for value (shown in the drop-down too).
    void AddEntry(const CString& text, int value);
    void AddEntries(const TextValue* table, std::size_t count);
    template <std::size_t N>
    void AddEntries(const TextValue (&table)[N]) {
        AddEntries(table, N);
    }
    // A text the list reads and shows for value without offering it in the drop-down (a value
    // that a text beyond the options stands for, shown as the refresh shows it).
    void AddUnofferedEntry(const CString& text, int value);
    // The texts of table that no entry holds yet, as unoffered entries (texts of other option sets
    // of the same values, read back from code).
    void AddUnofferedEntries(const TextValue* table, std::size_t count);
    template <std::size_t N>
    void AddUnofferedEntries(const TextValue (&table)[N]) {
        AddUnofferedEntries(table, N);
    }
    // The drop-down offers only these texts, in this order; every entry is still read and shown
    // (a text reported from code), and a text offered that is no entry is read by the rule.
    void OfferOnly(std::initializer_list<const char*> offered);
    void OfferOnly(const std::vector<CString>& offered);
    // Drops every option (lists whose options follow the data: datasets, columns, layers).
    void ClearEntries();
    void SetOther(OtherText other) { m_other = other; }
    OtherText GetOther() const { return m_other; }
    // Any other text read by rule instead of by the OtherText (an empty rule restores that).
    void SetOtherRule(OtherTextRule rule) { m_otherRule = std::move(rule); }
    // What an accepted text shows when no entry stands for the value taken: the text the page's
    // refresh shows for such a value. nullptr (the default): the item keeps the text.
    void ShowUnlistedAs(const char* shown);
    const char* UnlistedShown() const { return m_unlistedShown ? m_unlisted.str().c_str() : nullptr; }
    // The same where that text follows the value (a number shown as the refresh formats it); it
    // comes before ShowUnlistedAs. An empty function restores the fixed text.
    void ShowUnlistedBy(std::function<CString(int value)> shown) { m_unlistedBy = std::move(shown); }
    // What an accepted text shows for value when no entry stands for it; false when it keeps its text.
    bool UnlistedText(int value, CString* shown) const;

    // The value a text stands for: an option's value, else the rule for any other text; false when
    // the list refuses the text.
    bool ValueOf(const CString& text, int* value) const;
    // The value of an option or unoffered entry that is the text; false for any other text.
    bool EntryValue(const CString& text, int* value) const;
    // The text of the first option standing for value, else of the first unoffered entry; nullptr
    // when none does.
    const char* TextOf(int value) const;
    const std::vector<std::pair<CString, int>>& Entries() const { return m_entries; }
    const std::vector<std::pair<CString, int>>& UnofferedEntries() const { return m_unoffered; }

private:
    std::vector<std::pair<CString, int>> m_entries;
    std::vector<std::pair<CString, int>> m_unoffered;
    OtherText m_other;
    OtherTextRule m_otherRule;
    bool m_unlistedShown = false;
    CString m_unlisted;
    std::function<CString(int)> m_unlistedBy;
};

// The fixed list an item is, or nullptr for any other item.
TESSALY_API CFixedListProp* FixedListOf(CBCGPProp* item);

// The one reader of a fixed list's text. Accepted (an option, or any other text the list takes):
// true, *value set; an option the item offers keeps showing itself, any other text is replaced by
// the first entry (an option, else an unoffered entry) standing for the value taken; where none
// stands for it, the item shows the list's text for such a value (ShowUnlistedAs), or keeps its
// text. Refused: false, nothing written, and the item alone shows again the text the refused one
// replaced. An item that is no fixed list is refused the same way.
TESSALY_API bool ReadFixedList(CBCGPProp* item, int* value);

// A fixed list item built from a table, first showing shown.
TESSALY_API CFixedListProp* NewFixedListItem(const char* name, const CString& shown, const char* description,
                                             DWORD_PTR id, const TextValue* table, std::size_t count,
                                             OtherText other, bool allowEdit = false);
template <std::size_t N>
CFixedListProp* NewFixedListItem(const char* name, const CString& shown, const char* description, DWORD_PTR id,
                                 const TextValue (&table)[N], OtherText other, bool allowEdit = false) {
    return NewFixedListItem(name, shown, description, id, table, N, other, allowEdit);
}

// ---- yes/no switches: "是" 1, "否" 0 ------------------------------------------------------------------
inline constexpr TextValue kYesNoEntries[] = {{grouptext::kYes, 1}, {grouptext::kNo, 0}};
// A switch first showing shown; any other text as other says (no, by default); no typing.
TESSALY_API CFixedListProp* NewYesNoList(const CString& name, const CString& shown, const char* description,
                                         DWORD_PTR id, OtherText other = OtherTakenAs(0));
// The answer of a switch (any two-state list: its value is not 0) through ReadFixedList: false for
// a text refused. An item that is no fixed list (a switch a group builds as a plain item) is read
// as "是" yes, any other text no, never refused, and shows the answer taken.
TESSALY_API bool ReadYesNo(CBCGPProp* item, bool* yes);
// The same where the switch refuses no text (a refusal would read as no).
TESSALY_API bool ReadYesNo(CBCGPProp* item);
