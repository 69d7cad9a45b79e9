// The four style pages of a parameter kit: "线" (CLstParamLine), "点" (CLstParamPoint), "文本"
// (CLstParamText) and "矩形填充" (CLstParamRectFill). One body, CLstParamStyle, builds, refreshes
// and writes back every page from the page's table: its visibility switches, then per style aspect
// (style, size, colour) a template item and the value item that the template name, while set,
// disables.
#pragma once

#include "framework/WndLst.h"

class CWpKit;
class CWpParam;
struct ParamStylePageDef;

class CLstParamStyle : public CWndLst {
public:
    enum class Page { Line, Point, Text, RectFill };

    ~CLstParamStyle() override;
    Page GetPage() const { return m_page; }
    CWpParam* GetKit() const { return m_pKit; }

protected:
    // kit: kept when it is a parameter kit.
    CLstParamStyle(Page page, CWpKit* kit);

    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    const ParamStylePageDef& Def() const;
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id); }

    Page m_page;
    CWpParam* m_pKit = nullptr;
};

class CLstParamLine : public CLstParamStyle {
    DECLARE_DYNCREATE(CLstParamLine)
public:
    enum : DWORD_PTR {
        kTopHLineId = 3000,
        kMidHLineId,
        kBottomHLineId,
        kLeftVLineId,
        kMidVLineId,
        kRightVLineId,
        kLineGroupId,
        kLineTypeTemplateId,
        kLineTypeId,
        kLineSizeTemplateId,
        kLineSizeId,
        kLineColorTemplateId,
        kLineColorId,
    };
    CLstParamLine();
    explicit CLstParamLine(CWpKit* kit);
};

class CLstParamPoint : public CLstParamStyle {
    DECLARE_DYNCREATE(CLstParamPoint)
public:
    enum : DWORD_PTR {
        kTopPointId = 4000,
        kMidPointId,
        kBottomPointId,
        kPointGroupId,
        kPointTypeTemplateId,
        kPointTypeId,
        kPointSizeTemplateId,
        kPointSizeId,
        kPointColorTemplateId,
        kPointColorId,
    };
    CLstParamPoint();
    explicit CLstParamPoint(CWpKit* kit);
};

class CLstParamText : public CLstParamStyle {
    DECLARE_DYNCREATE(CLstParamText)
public:
    enum : DWORD_PTR {
        kTopHTextId = 5000,
        kMidHTextId,
        kBottomHTextId,
        kLeftVTextId,
        kMidVTextId,
        kRightVTextId,
        kFontGroupId,
        kFontTemplateId,
        kFontFaceId,
        kFontSizeTemplateId,
        kFontSizeId,
        kFontColorTemplateId,
        kFontColorId,
    };
    CLstParamText();
    explicit CLstParamText(CWpKit* kit);
};

class CLstParamRectFill : public CLstParamStyle {
    DECLARE_DYNCREATE(CLstParamRectFill)
public:
    enum : DWORD_PTR {
        kFillVisibleId = 6000,
        kFillTemplateId,
        kFillStyleId,
        kFillSizeTemplateId,
        kFillSizeId,
        kBorderColorTemplateId,
        kBorderColorId,
        kInnerColorTemplateId,
        kInnerColorId,
    };
    CLstParamRectFill();
    explicit CLstParamRectFill(CWpKit* kit);
};
