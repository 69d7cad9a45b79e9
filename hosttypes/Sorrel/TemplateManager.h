// The style-template manager of the drawing-program library: named colours, sizes and
// point, line, fill and font styles that objects refer to by name. One manager serves the
// whole process (_AfxGetTemplateManager); its templates live as long as the manager holds them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"
#include "win32/Win32.h"

// What every template has: a name and the library's own editor.
class CStyleTemplate {
public:
    explicit CStyleTemplate(const char* name) : name_(name ? name : "") {}
    virtual ~CStyleTemplate() = default;
    CStyleTemplate(const CStyleTemplate&) = delete;
    CStyleTemplate& operator=(const CStyleTemplate&) = delete;

    CString GetName() const { return name_; }
    void SetName(const char* name) { name_ = name ? name : ""; }

    // Lets the user change the template (and possibly rename it) in the library's own dialog.
    virtual void Edit();

private:
    CString name_;
};

class CTemplateColor : public CStyleTemplate {
public:
    CTemplateColor(const char* name, COLORREF color) : CStyleTemplate(name), color_(color) {}
    COLORREF GetColor() const { return color_; }
    void SetColor(COLORREF color) { color_ = color; }

private:
    COLORREF color_;
};

class CTemplateSize : public CStyleTemplate {
public:
    // Sizes in hundredths, like the sizes of the style records.
    CTemplateSize(const char* name, double size) : CStyleTemplate(name), size_(size) {}
    double GetSize() const { return size_; }
    void SetSize(double size) { size_ = size; }

private:
    double size_;
};

class CTemplatePointStyle : public CStyleTemplate {
public:
    CTemplatePointStyle(const char* name, const QXLOGPOINT& point) : CStyleTemplate(name), point_(point) {}
    const QXLOGPOINT& GetLogPoint() const { return point_; }
    void SetLogPoint(const QXLOGPOINT& point) { point_ = point; }

private:
    QXLOGPOINT point_;
};

class CTemplateLineStyle : public CStyleTemplate {
public:
    CTemplateLineStyle(const char* name, const QXLOGPEN& pen) : CStyleTemplate(name), pen_(pen) {}
    const QXLOGPEN& GetLogPen() const { return pen_; }
    void SetLogPen(const QXLOGPEN& pen) { pen_ = pen; }

private:
    QXLOGPEN pen_;
};

class CTemplateFillStyle : public CStyleTemplate {
public:
    CTemplateFillStyle(const char* name, const QXLOGBRUSH& brush) : CStyleTemplate(name), brush_(brush) {}
    const QXLOGBRUSH& GetLogBrush() const { return brush_; }
    void SetLogBrush(const QXLOGBRUSH& brush) { brush_ = brush; }

private:
    QXLOGBRUSH brush_;
};

class CTemplateFontStyle : public CStyleTemplate {
public:
    CTemplateFontStyle(const char* name, const QXLOGFONT& font) : CStyleTemplate(name), font_(font) {}
    const QXLOGFONT& GetLogFont() const { return font_; }
    void SetLogFont(const QXLOGFONT& font) { font_ = font; }

private:
    QXLOGFONT font_;
};

// Templates of each kind in catalogue order. Index lookups out of range and name lookups
// that match nothing answer NULL; a name lookup answers the first template of that name.
class CTemplateManager {
public:
    CTemplateManager();
    ~CTemplateManager();
    CTemplateManager(const CTemplateManager&) = delete;
    CTemplateManager& operator=(const CTemplateManager&) = delete;

    int GetTemplateColorCount() const;
    CTemplateColor* GetTemplateColor(int i) const;
    CTemplateColor* GetTemplateColor(const char* name) const;

    int GetTemplateSizeCount() const;
    CTemplateSize* GetTemplateSize(int i) const;
    CTemplateSize* GetTemplateSize(const char* name) const;

    int GetTemplatePointStyleCount() const;
    CTemplatePointStyle* GetTemplatePointStyle(int i) const;
    CTemplatePointStyle* GetTemplatePointStyle(const char* name) const;

    int GetTemplateLineStyleCount() const;
    CTemplateLineStyle* GetTemplateLineStyle(int i) const;
    CTemplateLineStyle* GetTemplateLineStyle(const char* name) const;

    int GetTemplateFillStyleCount() const;
    CTemplateFillStyle* GetTemplateFillStyle(int i) const;
    CTemplateFillStyle* GetTemplateFillStyle(const char* name) const;

    int GetTemplateFontStyleCount() const;
    CTemplateFontStyle* GetTemplateFontStyle(int i) const;
    CTemplateFontStyle* GetTemplateFontStyle(const char* name) const;

    // Catalogue maintenance (the library's own editors and the tests use these).
    CTemplateColor* AddTemplateColor(const char* name, COLORREF color);
    CTemplateSize* AddTemplateSize(const char* name, double size);
    CTemplatePointStyle* AddTemplatePointStyle(const char* name, const QXLOGPOINT& point);
    CTemplateLineStyle* AddTemplateLineStyle(const char* name, const QXLOGPEN& pen);
    CTemplateFillStyle* AddTemplateFillStyle(const char* name, const QXLOGBRUSH& brush);
    CTemplateFontStyle* AddTemplateFontStyle(const char* name, const QXLOGFONT& font);
    void RemoveAll();
    void LoadDefaults();  // RemoveAll, then the stock catalogue

private:
    std::vector<std::unique_ptr<CTemplateColor>> colors_;
    std::vector<std::unique_ptr<CTemplateSize>> sizes_;
    std::vector<std::unique_ptr<CTemplatePointStyle>> points_;
    std::vector<std::unique_ptr<CTemplateLineStyle>> lines_;
    std::vector<std::unique_ptr<CTemplateFillStyle>> fills_;
    std::vector<std::unique_ptr<CTemplateFontStyle>> fonts_;
};

// The process's one template manager.
CTemplateManager* _AfxGetTemplateManager();

namespace sorrel::testing {
// Stock catalogue back, no edit script, empty call log.
void Reset();
// Empties every kind of the catalogue (a host without templates).
void ClearTemplates();
// What the template editor does when Edit runs (default: the user cancels, nothing changes).
void SetEditScript(std::function<void(CStyleTemplate&)> script);
// "Edit <name>" for every Edit, in call order (the name before the edit).
const std::vector<std::string>& CallLog();
void ClearCallLog();
}  // namespace sorrel::testing
