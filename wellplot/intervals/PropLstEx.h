// CPropLstEx: an item naming a style template of the parameter kit's style pages (or a well's
// symbol), with two buttons at the end of its row: the grid's own, which drops the list of template
// names, and a second one ("...") that opens the named template in the template library's editor,
// follows a rename of it, stores its name in the kit's template field that the owning page and the
// item's kind select, and has the kit and the view redrawn.
#pragma once

#include "bcg/Prop.h"
#include "framework/TwoButtonProp.h"

class CDC;
class CWndLst;
class CWpKit;

class CPropLstEx : public CBCGPProp {
public:
    // mode: the template kind (TemplateItemMode: 0 colour, 1 size, 2 point style, 3 line style,
    // 4 fill style, 5 font); caption: the second button's text.
    CPropLstEx(const CString& name, const CString& value, const char* description, DWORD_PTR data, int mode,
               const CString& caption);
    ~CPropLstEx() override;

    void OnDrawButton(CDC* dc, CRect rect) override;
    void OnClickButton(CPoint point) override;
    void AdjustButtonRect() override;
    virtual void OnDrawButtonEX(CDC* dc, CRect rect);
    // A click on the second button: see the header comment. A click outside it, an empty value or
    // a name the template manager does not hold change nothing and redraw nothing; without a kit
    // the click ends once the template was edited and the options follow its name.
    virtual void OnClickButtonEx(CPoint point);
    virtual void SetWpKit(CWpKit* kit) { m_pKit = kit; }
    virtual void SetWpProplist(CWndLst* list) { m_pList = list; }

    int GetMode() const { return m_nMode; }
    CWpKit* GetWpKit() const { return m_pKit; }
    CWndLst* GetWpProplist() const { return m_pList; }
    const CRect& GetFirstButtonRect() const { return m_rectFirst; }
    const CRect& GetSecondButtonRect() const { return m_rectSecond; }

private:
    void StoreTemplateName(const CString& oldName, const CString& newName);

    CRect m_rectFirst;
    CRect m_rectSecond;
    CString m_strCaption;
    int m_nMode;
    CWpKit* m_pKit = nullptr;
    CWndLst* m_pList = nullptr;
};
