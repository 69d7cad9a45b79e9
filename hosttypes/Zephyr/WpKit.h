// CWpKit: a node of a well plot (the well, its tracks and the kits inside them). Kits are
// map objects and tell their observers when they change. The tree, title, frame, drawing and
// storage belong to the kit library; the header members are the kind and the accessors of
// the kinds below.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Zephyr/Observer.h"
#include "hosttypes/Zephyr/WpTypes.h"
#include "mfc/String.h"

class CWpWell;

class CWpKit : public CQXObject, public Observee {
    DECLARE_DYNAMIC(CWpKit)
public:
    // Frame style of a plot.
    enum BorderStyle : int { STYLE_FULL = 0, STYLE_SIMPLE = 1, STYLE_HIDDEN = 2 };
    // Edges of a kit's frame, as GetBorderVisible / SetBorderVisible take them.
    static constexpr int kBorderEdgeCount = 10;

    CWpKit();
    ~CWpKit() override;
    CWpKit(const CWpKit&) = delete;  // a kit is a node of its plot's tree
    CWpKit& operator=(const CWpKit&) = delete;

    // Virtual operations, in slot order.
    virtual WPKITTYPE GetWpKitType();
    virtual float GetBaseWidth();
    virtual void UpdateClient();
    virtual BOOL Recalculate();
    virtual void SetTitleFontScope(int scope);
    virtual void UpdateSelf();
    // After one of the kit's style settings (a style template) changed: the kit takes it up and redraws.
    virtual void OnSettingChanged();
    // After the kit's data binding, an interval's type or symbol, or a drawing size or colour changed.
    virtual void OnDataChanged();
    // The map object's post-edit update: a kit placed on a map brings itself up to date.
    void UpdateAfterEdit() override;

    // Tree (kit library): the kit owns its children.
    CWpKit* GetParent();
    int ChildrenCount();
    CWpKit* GetChild(int i);
    CWpWell* GetWell();
    void AddChild(CWpKit* child);

    // Title (kit library); the line break is '\n'. Direction: 0 automatic, 1 horizontal, 2 vertical.
    CString GetTitleText();
    void SetTitleText(CString text);
    int GetTitleDirection();
    void SetTitleDirection(int direction);
    // The title font is copied into *font, and from *font; a null font is passed over.
    void GetTitleFont(QXLOGFONT* font);
    void SetTitleFont(QXLOGFONT* font);
    // Scope of a title-font edit: 0 the kit, 1 kits of its kind, 2 all tracks.
    int GetTtlFtScope();
    void SetTtlFtScope(int scope);

    // Redraw (kit library).
    void InvalidSelf();
    void UpdateParent();
    void UpdateParentForWidth();

    // Frame (kit library). Widths and heights: 1000 units per centimetre. Scopes: 0 the kit, 1 kits
    // of its kind in the plot, 2 all kits of the plot.
    BorderStyle GetStyle();
    void SetStyle(BorderStyle style, bool apply);
    float GetWidth();
    void SetWidth(float width);
    void SetBaseWidth(float width);
    int GetTitleScope();
    void SetTitleScope(int scope);
    int GetBoderScope();
    void SetBoderScope(int scope);
    int GetBdrLnScope();
    void SetBdrLnScope(int scope);
    int GetTitleVisible();
    void SetTitleVisible(int visible);
    int GetBorderMode();
    void SetBorderMode(int mode);
    // 0 for an edge code outside 0 .. 9; such a code is not stored.
    int GetBorderVisible(int edge);
    void SetBorderVisible(int visible, int edge);
    QXLOGPEN GetBorderPen();
    void SetBorderPen(const QXLOGPEN& pen);
    QXLOGBRUSH GetClientBrush();
    void SetClientBrush(const QXLOGBRUSH& brush);
    CString GetClientFillStyleSet();
    void SetClientFillStyleSet(CString name);

    // Header (kit library): alignment -1 hidden, 0 top, 1 top and bottom.
    int GetHeadAlign();
    void SetHeadAlign(int align);
    float GetTitleHeight();
    void SetTitleHeight(float height);
    float GetClientHeight();
    void SetClientHeight(float height);
    // The plot's depth scale (1:n); set on the well, read from any kit of the plot through it.
    int GetDepthScale();
    void SetDepthScale(int scale);

    // ---- depth range of the plot (kit library) ----
    // Depths in metres; sand and shale equal thickness in metres, 0 for not set; the automatic
    // adjustment of depth lines and ruler is a flag.
    float GetTopDepth();
    void SetTopDepth(float depth);
    float GetBottomDepth();
    void SetBottomDepth(float depth);
    float GetSandThick();
    void SetSandThick(float thick);
    float GetShaleThick();
    void SetShaleThick(float thick);
    int GetAutoDepth();
    void SetAutoDepth(int automatic);

    // ---- drawing coordinates (kit library) ----
    // The depth a vertical drawing position stands for.
    float MapYToDep(float y);

protected:
    CWpKit* m_pParent = nullptr;
    std::vector<CWpKit*> m_children;
    CString m_strTitle;
    int m_nTitleDirection = 0;
    QXLOGFONT m_titleFont;
    int m_nTtlFtScope = 0;
    BorderStyle m_style = STYLE_FULL;
    float m_fWidth = 2000;
    float m_fBaseWidth = 2000;
    int m_nTitleScope = 0;
    int m_nBoderScope = 0;
    int m_nBdrLnScope = 0;
    int m_nTitleVisible = 1;
    int m_nBorderMode = -1;
    int m_borderVisible[kBorderEdgeCount] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    QXLOGPEN m_borderPen;
    QXLOGBRUSH m_clientBrush;
    CString m_strClientFillStyleSet;
    int m_nHeadAlign = 0;
    float m_fTitleHeight = 1000;
    float m_fClientHeight = 10000;
    int m_nDepthScale = 200;
    // depth range of the plot
    float m_fTopDepth = 0;
    float m_fBottomDepth = 0;
    float m_fSandThick = 0;
    float m_fShaleThick = 0;
    int m_nAutoDepth = 0;
};
