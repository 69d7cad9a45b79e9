// The graph-tool library's style pickers: owner-drawn drop-down lists of line, fill and point
// styles and of font faces. Each style entry's text is its style number ("%u") and its item
// data the style identifier; a font entry's text is the face name.
#pragma once

#include "hosttypes/Kestrel/GraphStyleManager.h"
#include "mfc/Controls.h"

// What the three style pickers share: the list of a catalogue's style group and the drawing
// of each entry's sample.
class CGraphStyleCombox : public CComboBox {
    DECLARE_DYNAMIC(CGraphStyleCombox)
public:
    // The style behind the pointer is the initial choice (the pointer is only read; NULL: no
    // initial choice). Lists the whole collection until a group is set.
    void Initialize(UINT* selected);
    // Lists the group's styles in catalogue order; the empty name, "所有样式" and a name the
    // catalogue does not know list the whole collection. The initial choice is selected when
    // it is listed. The flag is kept (GetStyleGroupFlag) and does not change the list.
    void SetStyleGroup(const char* group, int flag);
    int GetStyleGroupFlag() const { return m_groupFlag; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

protected:
    CGraphStyleCombox() = default;
    // Appends the group's styles that are not listed yet, then selects the initial choice.
    void AppendGroup(const char* group, int flag);
    virtual CGraphStyleManager* Catalogue() const = 0;
    virtual int EntryHeight() const = 0;
    // The sample of a style in rect (logical units, MM_HIMETRIC).
    virtual void DrawSample(CDC* dc, UINT style, const CRect& rect) const = 0;

private:
    void SelectInitial();

    UINT* m_selected = nullptr;
    int m_groupFlag = 0;
};

class CLineStyleCombox : public CGraphStyleCombox {
    DECLARE_DYNAMIC(CLineStyleCombox)
public:
    CLineStyleCombox() = default;

protected:
    CGraphStyleManager* Catalogue() const override;
    int EntryHeight() const override { return 20; }
    void DrawSample(CDC* dc, UINT style, const CRect& rect) const override;
};

class CFillStyleCombox : public CGraphStyleCombox {
    DECLARE_DYNAMIC(CFillStyleCombox)
public:
    CFillStyleCombox() = default;

protected:
    CGraphStyleManager* Catalogue() const override;
    int EntryHeight() const override { return 24; }
    void DrawSample(CDC* dc, UINT style, const CRect& rect) const override;
};

class CPointStyleCombox : public CGraphStyleCombox {
    DECLARE_DYNAMIC(CPointStyleCombox)
public:
    CPointStyleCombox() = default;
    // Appends a further group's styles after those listed (each style listed once).
    void AddStyleGroup(const char* group, int flag);

protected:
    CGraphStyleManager* Catalogue() const override;
    int EntryHeight() const override { return 24; }
    void DrawSample(CDC* dc, UINT style, const CRect& rect) const override;
};

// Font faces the library offers, in this order.
namespace kestrel {
extern const char* const kFontFaces[];
extern const int kFontFaceCount;
}  // namespace kestrel

class CFontNameBox : public CComboBox {
    DECLARE_DYNAMIC(CFontNameBox)
public:
    CFontNameBox() = default;
    // Lists the faces and selects the one behind the pointer when it is listed (NULL: nothing
    // selected). The box keeps the pointer: an entry chosen in it is written there.
    void Initialize(CString* face);
    // Nonzero: each entry is drawn in its own face; zero: in the box's font.
    void SetDisplayUseRealFont(int useRealFont) { m_realFont = useRealFont != 0; }
    int GetDisplayUseRealFont() const { return m_realFont ? 1 : 0; }

    void DrawItem(LPDRAWITEMSTRUCT dis) override;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override;

protected:
    void OnSelchange();
    DECLARE_MESSAGE_MAP()

private:
    CString* m_face = nullptr;
    bool m_realFont = true;
};
