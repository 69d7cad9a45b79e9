#include "hosttypes/Kestrel/GraphStyleManager.h"

#include <algorithm>
#include <cstring>

#include "hostlibs/Kestrel/KestrelInternal.h"
#include "hosttypes/Kestrel/KestrelTesting.h"

using namespace kestrel;

// ---- CGraphStyleManager ------------------------------------------------------------------------

CGraphStyleManager::CGraphStyleManager(const char* name, CGraphStyleManager* parent)
    : name_(name ? name : ""), parent_(parent) {}

CGraphStyleManager::~CGraphStyleManager() = default;

int CGraphStyleManager::GetChildStyleManagerCount() const { return static_cast<int>(children_.size()); }

CGraphStyleManager* CGraphStyleManager::GetChildStyleManager(int i) const {
    if (i < 0 || i >= GetChildStyleManagerCount()) return nullptr;
    return children_[static_cast<std::size_t>(i)].get();
}

CGraphStyleManager* CGraphStyleManager::GetChildStyleManagerByID(UINT id) const {
    for (const auto& child : children_)
        if (child->Holds(id)) return child.get();
    return nullptr;
}

CGraphStyleManager* CGraphStyleManager::GetChildStyleManagerByName(const char* name) const {
    if (!name) return nullptr;
    for (const auto& child : children_)
        if (child->name_ == name) return child.get();
    return nullptr;
}

int CGraphStyleManager::GetStyleCount() const { return static_cast<int>(styles_.size()); }

CGraphStyle* CGraphStyleManager::GetStyle(int i) const {
    if (i < 0 || i >= GetStyleCount()) return nullptr;
    return styles_[static_cast<std::size_t>(i)];
}

CGraphStyle* CGraphStyleManager::FindStyle(UINT id) const {
    for (CGraphStyle* s : styles_)
        if (s->GetID() == id) return s;
    for (const auto& child : children_)
        if (CGraphStyle* s = child->FindStyle(id)) return s;
    return nullptr;
}

bool CGraphStyleManager::Holds(UINT id) const {
    for (const CGraphStyle* s : styles_)
        if (s->GetID() == id) return true;
    for (const auto& child : children_)
        if (child->Holds(id)) return true;
    return false;
}

CGraphStyleManager* CGraphStyleManager::Root() {
    CGraphStyleManager* m = this;
    while (m->parent_) m = m->parent_;
    return m;
}

CGraphStyle* CGraphStyleManager::AddStyle(UINT id, const char* name, int pattern) {
    for (CGraphStyle* s : styles_)
        if (s->GetID() == id) return s;
    // The root owns every style; a set lists the root's style of that identifier.
    CGraphStyleManager* root = Root();
    CGraphStyle* style = nullptr;
    for (const auto& s : root->owned_)
        if (s->GetID() == id) style = s.get();
    if (!style) {
        root->owned_.push_back(std::make_unique<CGraphStyle>(id, name, pattern));
        style = root->owned_.back().get();
        if (root != this) root->styles_.push_back(style);
    }
    styles_.push_back(style);
    return style;
}

CGraphStyleManager* CGraphStyleManager::AddChildStyleManager(const char* name) {
    children_.push_back(std::make_unique<CGraphStyleManager>(name, this));
    return children_.back().get();
}

void CGraphStyleManager::RemoveAll() {
    children_.clear();
    styles_.clear();
    if (!parent_) {
        owned_.clear();
        return;
    }
    // A set's styles stay in the whole collection; only the set's own list is emptied.
}

// ---- stock catalogues --------------------------------------------------------------------------

namespace {

struct StockStyle {
    UINT id;
    const char* name;
    int pattern;
};

template <std::size_t N>
void AddSet(CGraphStyleManager& root, const char* setName, const StockStyle (&styles)[N]) {
    CGraphStyleManager* set = root.AddChildStyleManager(setName);
    for (const StockStyle& s : styles) set->AddStyle(s.id, s.name, s.pattern);
}

constexpr StockStyle kCommonLines[] = {
    {1, "实线", kLineSolid},     {2, "虚线", kLineDash},           {3, "点线", kLineDot},
    {4, "点划线", kLineDashDot}, {5, "双点划线", kLineDashDotDot},
};
constexpr StockStyle kGeologyLines[] = {
    {11, "断层线", kLineTicked},
    {12, "双线", kLineDouble},
    {13, "地层界线", kLineDash},
    {14, "尖灭线", kLineDot},
};
constexpr StockStyle kBoundaryLines[] = {
    {21, "工区边界", kLineDashDot},
    {22, "行政边界", kLineDashDotDot},
    {23, "油水边界", kLineDouble},
};

constexpr StockStyle kCommonFills[] = {
    {kBrushStyleNone, "无填充", kFillNone},
    {kBrushStyleSolid, "实心", kFillSolid},
    {1002, "横线", kFillHorizontal},
    {1003, "竖线", kFillVertical},
    {1004, "网格", kFillGrid},
    {1005, "斜线", kFillDiagonal},
};
constexpr StockStyle kLithologyFills[] = {
    {1101, "砂岩", kFillDots},
    {1102, "泥岩", kFillHorizontal},
    {1103, "灰岩", kFillGrid},
    {1104, "砾岩", kFillDots},
};
constexpr StockStyle kFaciesFills[] = {
    {1201, "河道", kFillDiagonal},
    {1202, "河漫滩", kFillHorizontal},
    {1203, "前缘", kFillVertical},
};

constexpr StockStyle kCommonPointStyles[] = {
    {1, "方块", kPointSquare}, {2, "圆点", kPointCircle}, {3, "三角", kPointTriangle},
    {4, "十字", kPointCross},  {5, "星号", kPointStar},   {6, "菱形", kPointDiamond},
};
constexpr StockStyle kCommonPoints[] = {
    {1, "方块", kPointSquare},
    {2, "圆点", kPointCircle},
    {3, "三角", kPointTriangle},
    {6, "菱形", kPointDiamond},
};
constexpr StockStyle kWellPoints[] = {
    {1001, "油井", kPointCircle},     {1002, "水井", kPointCircle}, {1003, "气井", kPointStar},
    {1004, "注水井", kPointTriangle}, {1005, "干井", kPointCross},
};
constexpr StockStyle kSpecialPoints[] = {
    {2001, "三角点", kPointTriangle},
    {2002, "标记点", kPointDiamond},
    {2003, "控制点", kPointStar},
};
constexpr StockStyle kSymbolPoints[] = {
    {3001, "方框", kPointSquare},
    {3002, "圆圈", kPointCircle},
    {3003, "叉号", kPointCross},
};

void LoadLines(CGraphStyleManager& root) {
    root.RemoveAll();
    AddSet(root, kLineSetCommon, kCommonLines);
    AddSet(root, kLineSetCommonAlt, kCommonLines);
    AddSet(root, kLineSetGeology, kGeologyLines);
    AddSet(root, kLineSetBoundary, kBoundaryLines);
}

void LoadFills(CGraphStyleManager& root) {
    root.RemoveAll();
    AddSet(root, kFillSetCommon, kCommonFills);
    AddSet(root, kFillSetLithology, kLithologyFills);
    AddSet(root, kFillSetFacies, kFaciesFills);
    root.AddChildStyleManager(kFillSetCustom);
}

void LoadPoints(CGraphStyleManager& root) {
    root.RemoveAll();
    AddSet(root, kPointSetCommonStyle, kCommonPointStyles);
    AddSet(root, kPointSetCommon, kCommonPoints);
    AddSet(root, kPointSetWell, kWellPoints);
    AddSet(root, kPointSetSpecial, kSpecialPoints);
    AddSet(root, kPointSetSymbol, kSymbolPoints);
}

CGraphStyleManager& LineRoot() {
    static CGraphStyleManager* root = [] {
        auto* m = new CGraphStyleManager(kAllStyles);
        LoadLines(*m);
        return m;
    }();
    return *root;
}

CGraphStyleManager& FillRoot() {
    static CGraphStyleManager* root = [] {
        auto* m = new CGraphStyleManager(kAllStyles);
        LoadFills(*m);
        return m;
    }();
    return *root;
}

CGraphStyleManager& PointRoot() {
    static CGraphStyleManager* root = [] {
        auto* m = new CGraphStyleManager(kAllStyles);
        LoadPoints(*m);
        return m;
    }();
    return *root;
}

CGraphStyleManager* Lookup(CGraphStyleManager& root, const char* name) {
    if (!name || !*name || root.GetName() == name) return &root;
    return root.GetChildStyleManagerByName(name);
}

}  // namespace

CGraphStyleManager* AfxGetLineStyleManager(const char* name) { return Lookup(LineRoot(), name); }
CGraphStyleManager* AfxGetFillStyleManager(const char* name) { return Lookup(FillRoot(), name); }
CGraphStyleManager* AfxGetPointStyleManager(const char* name) { return Lookup(PointRoot(), name); }

void kestrel::detail::LoadStockCatalogues() {
    LoadLines(LineRoot());
    LoadFills(FillRoot());
    LoadPoints(PointRoot());
}

namespace kestrel::testing {

void ClearCatalogues() {
    LineRoot().RemoveAll();
    FillRoot().RemoveAll();
    PointRoot().RemoveAll();
}

}  // namespace kestrel::testing
