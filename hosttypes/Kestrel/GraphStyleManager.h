// Style catalogues of the graph-tool library. Line, fill and point styles each form a tree: the
// root stands for the whole collection and holds every style once, in catalogue order; its
// children are named sets, each listing some of those styles (a style may be in several sets).
// Styles are known by their identifier, the number stored in word 0 of a style record.
#pragma once

#include <memory>
#include <vector>

#include "mfc/String.h"
#include "win32/Win32.h"

namespace kestrel {

// The name of a catalogue's root: the set that stands for the whole collection.
inline constexpr char kAllStyles[] = "所有样式";

// Sets of the stock catalogues that callers ask for by name.
inline constexpr char kLineSetCommon[] = "常用线形";
inline constexpr char kLineSetCommonAlt[] = "常用线型";  // the same set under its other spelling
inline constexpr char kLineSetGeology[] = "地质线";
inline constexpr char kLineSetBoundary[] = "边界线";
inline constexpr char kFillSetCommon[] = "常用填充";
inline constexpr char kFillSetLithology[] = "岩性填充";
inline constexpr char kFillSetFacies[] = "沉积相";
inline constexpr char kFillSetCustom[] = "自定义";  // holds no style
inline constexpr char kPointSetCommonStyle[] = "常用点风格";
inline constexpr char kPointSetCommon[] = "常用点";
inline constexpr char kPointSetWell[] = "井符号";
inline constexpr char kPointSetSpecial[] = "特殊标志";
inline constexpr char kPointSetSymbol[] = "常用符号";

// How the drawing tools draw a style (the catalogue keeps one per style).
enum LinePattern : int {
    kLineSolid = 0,
    kLineDash,
    kLineDot,
    kLineDashDot,
    kLineDashDotDot,
    kLineDouble,  // two parallel strokes
    kLineTicked,  // a stroke with short ticks on its left side
};
enum FillPattern : int {
    kFillNone = 0,
    kFillSolid,
    kFillHorizontal,
    kFillVertical,
    kFillGrid,
    kFillDiagonal,
    kFillDots,
};
enum PointShape : int {
    kPointSquare = 0,
    kPointCircle,
    kPointTriangle,
    kPointCross,
    kPointStar,
    kPointDiamond,
};

}  // namespace kestrel

class CGraphStyle {
public:
    CGraphStyle(UINT id, const char* name, int pattern) : id_(id), name_(name ? name : ""), pattern_(pattern) {}
    CGraphStyle(const CGraphStyle&) = delete;
    CGraphStyle& operator=(const CGraphStyle&) = delete;

    UINT GetID() const { return id_; }
    CString GetName() const { return name_; }
    // A kestrel::LinePattern, FillPattern or PointShape, as the catalogue says.
    int GetPattern() const { return pattern_; }

private:
    UINT id_;
    CString name_;
    int pattern_;
};

class CGraphStyleManager {
public:
    explicit CGraphStyleManager(const char* name, CGraphStyleManager* parent = nullptr);
    ~CGraphStyleManager();
    CGraphStyleManager(const CGraphStyleManager&) = delete;
    CGraphStyleManager& operator=(const CGraphStyleManager&) = delete;

    CString GetName() const { return name_; }

    int GetChildStyleManagerCount() const;
    // NULL for an index outside 0..count-1.
    CGraphStyleManager* GetChildStyleManager(int i) const;
    // The first child set (in order) that holds the style, NULL when none does.
    CGraphStyleManager* GetChildStyleManagerByID(UINT id) const;
    // The child set of that name, NULL when none has it.
    CGraphStyleManager* GetChildStyleManagerByName(const char* name) const;

    int GetStyleCount() const;
    // NULL for an index outside 0..count-1 (also past the last style).
    CGraphStyle* GetStyle(int i) const;
    // The style of that identifier among this manager's styles, or its sets' (NULL when none).
    CGraphStyle* FindStyle(UINT id) const;

    // Catalogue building (the library's loader and the tests). A style added to a set joins
    // the whole collection too, once; adding an identifier already listed answers the style
    // listed, whatever name and pattern are given.
    CGraphStyle* AddStyle(UINT id, const char* name, int pattern);
    CGraphStyleManager* AddChildStyleManager(const char* name);
    // Forgets every style and set below this manager (pointers handed out become invalid).
    void RemoveAll();

private:
    CGraphStyleManager* Root();
    bool Holds(UINT id) const;

    CString name_;
    CGraphStyleManager* parent_;
    std::vector<std::unique_ptr<CGraphStyle>> owned_;  // root only: every style of the collection
    std::vector<CGraphStyle*> styles_;
    std::vector<std::unique_ptr<CGraphStyleManager>> children_;
};

// The catalogues. The empty name (or NULL, or the root's own name "所有样式") answers the
// root, the whole collection; another name answers the child set of that name, NULL when
// there is none. The names with and without the leading underscore are the same operation.
CGraphStyleManager* AfxGetLineStyleManager(const char* name = "");
CGraphStyleManager* AfxGetFillStyleManager(const char* name = "");
CGraphStyleManager* AfxGetPointStyleManager(const char* name = "");
inline CGraphStyleManager* _AfxGetLineStyleManager(const char* name = "") { return AfxGetLineStyleManager(name); }
inline CGraphStyleManager* _AfxGetFillStyleManager(const char* name = "") { return AfxGetFillStyleManager(name); }
inline CGraphStyleManager* _AfxGetPointStyleManager(const char* name = "") { return AfxGetPointStyleManager(name); }
