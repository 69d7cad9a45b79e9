#include "hosttypes/Sorrel/TemplateManager.h"

#include <cstring>
#include <utility>
#include "mfc/BoundedLog.h"

namespace {

// Names of the stock catalogue.
constexpr const char kColorBlack[] = "黑色";
constexpr const char kColorRed[] = "红色";
constexpr const char kColorGreen[] = "绿色";
constexpr const char kColorBlue[] = "蓝色";
constexpr const char kSizeSmall[] = "小号";
constexpr const char kSizeMedium[] = "中号";
constexpr const char kSizeLarge[] = "大号";
constexpr const char kPointWell[] = "井点";
constexpr const char kPointMark[] = "标记点";
constexpr const char kLineThin[] = "细线";
constexpr const char kLineThick[] = "粗线";
constexpr const char kFillSolid[] = "实心填充";
constexpr const char kFillNone[] = "无填充";
constexpr const char kFontTitle[] = "标题";
constexpr const char kFontBody[] = "正文";
constexpr const char kFontNote[] = "注释";
constexpr const char kFaceSong[] = "宋体";
constexpr const char kFaceHei[] = "黑体";
constexpr const char kFaceKai[] = "楷体";

std::function<void(CStyleTemplate&)> g_editScript;
// Bounded: tests read the newest calls, a long session must not grow.
platform::BoundedLog<std::string> g_callLog(4096);

template <class T>
T* At(const std::vector<std::unique_ptr<T>>& list, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= list.size()) return nullptr;
    return list[static_cast<std::size_t>(i)].get();
}

template <class T>
T* Named(const std::vector<std::unique_ptr<T>>& list, const char* name) {
    if (!name) return nullptr;
    for (const auto& t : list)
        if (std::strcmp(t->GetName(), name) == 0) return t.get();
    return nullptr;
}

template <class T, class... Args>
T* Append(std::vector<std::unique_ptr<T>>& list, Args&&... args) {
    list.push_back(std::make_unique<T>(std::forward<Args>(args)...));
    return list.back().get();
}

QXLOGPOINT MakePoint(UINT style, COLORREF inner, COLORREF border, float size) {
    QXLOGPOINT p;
    p.style = style;
    p.innerColor = inner;
    p.borderColor = border;
    p.size = size;
    return p;
}

QXLOGPEN MakePen(UINT style, COLORREF color, float width) {
    QXLOGPEN p;
    p.style = style;
    p.color = color;
    p.width = width;
    return p;
}

QXLOGBRUSH MakeBrush(UINT style, COLORREF fill, COLORREF line, float size, UINT backMode) {
    QXLOGBRUSH b;
    b.style = style;
    b.fillColor = fill;
    b.lineColor = line;
    b.size = size;
    b.backMode = backMode;
    return b;
}

QXLOGFONT MakeFont(const char* face, float size, COLORREF color) {
    QXLOGFONT f;
    f.color = color;
    f.transparent = 1;
    f.backColor = RGB(255, 255, 255);
    f.size = size;
    f.SetFaceName(face);
    return f;
}

}  // namespace

void CStyleTemplate::Edit() {
    g_callLog.push_back(std::string("Edit ") + GetName().GetString());
    if (g_editScript) g_editScript(*this);
}

CTemplateManager::CTemplateManager() { LoadDefaults(); }
CTemplateManager::~CTemplateManager() = default;

int CTemplateManager::GetTemplateColorCount() const { return static_cast<int>(colors_.size()); }
CTemplateColor* CTemplateManager::GetTemplateColor(int i) const { return At(colors_, i); }
CTemplateColor* CTemplateManager::GetTemplateColor(const char* name) const { return Named(colors_, name); }

int CTemplateManager::GetTemplateSizeCount() const { return static_cast<int>(sizes_.size()); }
CTemplateSize* CTemplateManager::GetTemplateSize(int i) const { return At(sizes_, i); }
CTemplateSize* CTemplateManager::GetTemplateSize(const char* name) const { return Named(sizes_, name); }

int CTemplateManager::GetTemplatePointStyleCount() const { return static_cast<int>(points_.size()); }
CTemplatePointStyle* CTemplateManager::GetTemplatePointStyle(int i) const { return At(points_, i); }
CTemplatePointStyle* CTemplateManager::GetTemplatePointStyle(const char* name) const { return Named(points_, name); }

int CTemplateManager::GetTemplateLineStyleCount() const { return static_cast<int>(lines_.size()); }
CTemplateLineStyle* CTemplateManager::GetTemplateLineStyle(int i) const { return At(lines_, i); }
CTemplateLineStyle* CTemplateManager::GetTemplateLineStyle(const char* name) const { return Named(lines_, name); }

int CTemplateManager::GetTemplateFillStyleCount() const { return static_cast<int>(fills_.size()); }
CTemplateFillStyle* CTemplateManager::GetTemplateFillStyle(int i) const { return At(fills_, i); }
CTemplateFillStyle* CTemplateManager::GetTemplateFillStyle(const char* name) const { return Named(fills_, name); }

int CTemplateManager::GetTemplateFontStyleCount() const { return static_cast<int>(fonts_.size()); }
CTemplateFontStyle* CTemplateManager::GetTemplateFontStyle(int i) const { return At(fonts_, i); }
CTemplateFontStyle* CTemplateManager::GetTemplateFontStyle(const char* name) const { return Named(fonts_, name); }

CTemplateColor* CTemplateManager::AddTemplateColor(const char* name, COLORREF color) {
    return Append(colors_, name, color);
}
CTemplateSize* CTemplateManager::AddTemplateSize(const char* name, double size) { return Append(sizes_, name, size); }
CTemplatePointStyle* CTemplateManager::AddTemplatePointStyle(const char* name, const QXLOGPOINT& point) {
    return Append(points_, name, point);
}
CTemplateLineStyle* CTemplateManager::AddTemplateLineStyle(const char* name, const QXLOGPEN& pen) {
    return Append(lines_, name, pen);
}
CTemplateFillStyle* CTemplateManager::AddTemplateFillStyle(const char* name, const QXLOGBRUSH& brush) {
    return Append(fills_, name, brush);
}
CTemplateFontStyle* CTemplateManager::AddTemplateFontStyle(const char* name, const QXLOGFONT& font) {
    return Append(fonts_, name, font);
}

void CTemplateManager::RemoveAll() {
    colors_.clear();
    sizes_.clear();
    points_.clear();
    lines_.clear();
    fills_.clear();
    fonts_.clear();
}

void CTemplateManager::LoadDefaults() {
    RemoveAll();
    const COLORREF black = RGB(0, 0, 0);
    AddTemplateColor(kColorBlack, black);
    AddTemplateColor(kColorRed, RGB(255, 0, 0));
    AddTemplateColor(kColorGreen, RGB(0, 128, 0));
    AddTemplateColor(kColorBlue, RGB(0, 0, 255));

    AddTemplateSize(kSizeSmall, 200.0);
    AddTemplateSize(kSizeMedium, 400.0);
    AddTemplateSize(kSizeLarge, 800.0);

    AddTemplatePointStyle(kPointWell, MakePoint(1, RGB(255, 255, 255), black, 300.0f));
    AddTemplatePointStyle(kPointMark, MakePoint(2, RGB(255, 0, 0), black, 200.0f));

    AddTemplateLineStyle(kLineThin, MakePen(1, black, 10.0f));
    AddTemplateLineStyle(kLineThick, MakePen(1, black, 50.0f));

    AddTemplateFillStyle(kFillSolid, MakeBrush(kBrushStyleSolid, RGB(192, 192, 192), black, 980.0f, kBackModeOpaque));
    AddTemplateFillStyle(kFillNone,
                         MakeBrush(kBrushStyleNone, RGB(255, 255, 255), black, 980.0f, kBackModeTransparent));

    AddTemplateFontStyle(kFontTitle, MakeFont(kFaceHei, 1600.0f, black));
    AddTemplateFontStyle(kFontBody, MakeFont(kFaceSong, 900.0f, black));
    AddTemplateFontStyle(kFontNote, MakeFont(kFaceKai, 750.0f, RGB(0, 0, 255)));
}

CTemplateManager* _AfxGetTemplateManager() {
    static CTemplateManager manager;
    return &manager;
}

namespace sorrel::testing {

void Reset() {
    _AfxGetTemplateManager()->LoadDefaults();
    g_editScript = nullptr;
    g_callLog.clear();
}

void ClearTemplates() { _AfxGetTemplateManager()->RemoveAll(); }

void SetEditScript(std::function<void(CStyleTemplate&)> script) { g_editScript = std::move(script); }

const std::vector<std::string>& CallLog() { return g_callLog.items(); }

void ClearCallLog() { g_callLog.clear(); }

}  // namespace sorrel::testing
