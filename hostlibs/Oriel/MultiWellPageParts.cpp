// Library operations of the scale bars, the ruler frame and the sand symbols that the multi-well
// section pages edit. Setters store their value; Update() of either object is logged where it is
// defined.
#include <cstring>
#include <string>

#include "hosttypes/Oriel/CStratumAdapter.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Osprey/WellDataManager.h"

// ---- scale bars ----
CString ScDisScale::GetContent() const { return m_strContent; }
void ScDisScale::SetContent(CString text) { m_strContent = text; }
double ScDisScale::GetContentOffset() const { return m_dContentOffset; }
void ScDisScale::SetContentOffset(double offset) { m_dContentOffset = offset; }
QXLOGFONT ScDisScale::GetContentFont() const { return m_contentFont; }
void ScDisScale::SetContentFont(QXLOGFONT font) { m_contentFont = font; }
double ScDisScale::GetContentSize() const { return m_dContentSize; }
void ScDisScale::SetContentSize(double size) { m_dContentSize = size; }
COLORREF ScDisScale::GetContentColor() const { return m_contentColor; }
void ScDisScale::SetContentColor(COLORREF color) { m_contentColor = color; }
int ScDisScale::GetStyle() const { return m_nStyle; }
void ScDisScale::SetStyle(int style) { m_nStyle = style; }
double ScDisScale::GetInterval() const { return m_dInterval; }
void ScDisScale::SetInterval(double interval) { m_dInterval = interval; }
CString ScDisScale::GetWordText() const { return m_strWordText; }
void ScDisScale::SetWordText(CString text) { m_strWordText = text; }
void ScDisScale::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_logFont;
}
void ScDisScale::SetLogFont(QXLOGFONT* font) {
    if (font) m_logFont = *font;
}
double ScDisScale::GetLogSize() const { return m_dLogSize; }
void ScDisScale::SetLogSize(double size) { m_dLogSize = size; }
COLORREF ScDisScale::GetLogColor() const { return m_logColor; }
void ScDisScale::SetLogColor(COLORREF color) { m_logColor = color; }
int ScDisScale::GetAglin() const { return m_nAlign; }
void ScDisScale::SetAglin(int align) { m_nAlign = align; }
int ScDisScale::GetDigit() const { return m_nDigit; }
void ScDisScale::SetDigit(int digits) { m_nDigit = digits; }
COLORREF ScDisScale::GetLineColor() const { return m_lineColor; }
void ScDisScale::SetLineColor(COLORREF color) { m_lineColor = color; }
unsigned int ScDisScale::GetLineStyle() const { return m_nLineStyle; }
void ScDisScale::SetLineStyle(unsigned int style) { m_nLineStyle = style; }
double ScDisScale::GetLineSize() const { return m_dLineSize; }
void ScDisScale::SetLineSize(double size) { m_dLineSize = size; }

// ---- ruler frame ----
namespace {
// The indexed attribute, or NULL for an index outside its enumeration.
template <class T, std::size_t N>
T* Slot(T (&values)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? &values[index] : nullptr;
}
template <class T, std::size_t N>
T Read(const T (&values)[N], int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? values[index] : T();
}
}  // namespace

unsigned int ScRulerFrame::GetFrameLineStyle() const { return m_nFrameLineStyle; }
void ScRulerFrame::SetFrameLineStyle(unsigned int style) { m_nFrameLineStyle = style; }
unsigned int ScRulerFrame::GetFirstGridLineStyle() const { return m_nFirstGridLineStyle; }
void ScRulerFrame::SetFirstGridLineStyle(unsigned int style) { m_nFirstGridLineStyle = style; }
unsigned int ScRulerFrame::GetSecondGridLineStyle() const { return m_nSecondGridLineStyle; }
void ScRulerFrame::SetSecondGridLineStyle(unsigned int style) { m_nSecondGridLineStyle = style; }
double ScRulerFrame::GetFrameLineSize() const { return m_dFrameLineSize; }
void ScRulerFrame::SetFrameLineSize(double size) { m_dFrameLineSize = size; }
double ScRulerFrame::GetStartDepth() const { return m_dStartDepth; }
void ScRulerFrame::SetStartDepth(double depth) { m_dStartDepth = depth; }
double ScRulerFrame::GetEndDepth() const { return m_dEndDepth; }
void ScRulerFrame::SetEndDepth(double depth) { m_dEndDepth = depth; }
double ScRulerFrame::GetTimes(RulerFrameTimesType type) const { return Read(m_times, type); }
void ScRulerFrame::SetTimes(RulerFrameTimesType type, int times) {
    if (double* slot = Slot(m_times, type)) *slot = times;
}
double ScRulerFrame::GetMarkLength(RulerFrameMarkLengthType type) const { return Read(m_markLengths, type); }
void ScRulerFrame::SetMarkLength(RulerFrameMarkLengthType type, double length) {
    if (double* slot = Slot(m_markLengths, type)) *slot = length;
}
double ScRulerFrame::GetRulerFrameFSize(RulerFrameFSizeType type) const { return Read(m_sizes, type); }
void ScRulerFrame::SetRulerFrameFSize(RulerFrameFSizeType type, double size) {
    if (double* slot = Slot(m_sizes, type)) *slot = size;
}
double ScRulerFrame::GetGridInterval(int grid) const { return Read(m_gridIntervals, grid); }
void ScRulerFrame::SetGridInterval(int grid, double interval) {
    if (double* slot = Slot(m_gridIntervals, grid)) *slot = interval;
}
COLORREF ScRulerFrame::GetMarkClr(RulerFrameColorType type) const { return Read(m_colors, type); }
void ScRulerFrame::SetMarkClr(RulerFrameColorType type, COLORREF color) {
    if (COLORREF* slot = Slot(m_colors, type)) *slot = color;
}
bool ScRulerFrame::GetShow(RulerFrameShowType type) const { return Read(m_shows, type); }
void ScRulerFrame::SetShow(RulerFrameShowType type, bool show) {
    if (bool* slot = Slot(m_shows, type)) *slot = show;
}
int ScRulerFrame::GetPos(RulerFramePosType type) const { return Read(m_positions, type); }
void ScRulerFrame::SetPos(RulerFramePosType type, int pos) {
    if (int* slot = Slot(m_positions, type)) *slot = pos;
}
QXLOGFONT ScRulerFrame::GetRulerFrameFont(RulerFrameLogFontType type) const {
    return (type >= 0 && type < RF_FONT_COUNT) ? m_fonts[type] : QXLOGFONT();
}
void ScRulerFrame::SetRulerFrameFont(RulerFrameLogFontType type, QXLOGFONT font) {
    if (type >= 0 && type < RF_FONT_COUNT) m_fonts[type] = font;
}

// ---- sand symbols ----
// Types of the symbol catalogues: 0 facies, 1 lithology, 2 oil-gas-water.
namespace {
struct Symbol {
    std::string name;
    QXLOGBRUSH brush;
};

std::string Field(const char* field) { return std::string(field, strnlen(field, kWellStyleNameSize)); }

// The catalogue entry of the type whose name is name (byName) or whose code is code.
bool FindSymbol(int type, const std::string& key, bool byName, Symbol* found) {
    CWellDataManager* data = CWellDataManager::Instance();
    if (type == SYMFILL_FACIES) {
        CFaciesTypeManager* facies = data->GetFaciesTypeManager();
        for (int i = 0; facies && i < facies->GetFaciesCount(); ++i) {
            const FACIESTYPE& entry = facies->GetFaciesTypeArray()[i];
            if ((byName ? Field(entry.name) : Field(entry.code)) == key) {
                *found = {Field(entry.name), entry.brush};
                return true;
            }
        }
    } else if (type == SYMFILL_LITH) {
        CLithTypeManager* lith = data->GetLithTypeManager();
        for (int i = 0; i < lith->GetLithCount(); ++i) {
            const LITHOLOGY& entry = lith->GetLithArray()[i];
            if ((byName ? Field(entry.name) : std::to_string(entry.code)) == key) {
                *found = {Field(entry.name), entry.brush};
                return true;
            }
        }
    } else if (type == SYMFILL_OIL) {
        CSymbolManager* oil = data->GetOilSymbolManager();
        for (int i = 0; i < oil->GetCount(); ++i) {
            const SYMBOLTYPE* entry = oil->GetData(i);
            if ((byName ? Field(entry->name) : std::to_string(entry->code)) == key) {
                *found = {Field(entry->name), entry->brush};
                return true;
            }
        }
    }
    return false;
}
}  // namespace

CSandSymbolAdapter::CSandSymbolAdapter(CnSand* sand, int type) : m_nType(type) {
    if (sand) m_sands.push_back(sand);
}
CSandSymbolAdapter::CSandSymbolAdapter(const std::vector<CnSand*>& sands, int type) : m_sands(sands), m_nType(type) {}

// The name chosen, else that of the symbol the first sand's code stands for.
std::string CSandSymbolAdapter::GetName() const {
    if (!m_strName.empty() || m_sands.empty() || !m_sands.front()) return m_strName;
    Symbol symbol;
    const std::string code = m_sands.front()->GetCode(static_cast<SymbolFillType>(m_nType));
    return !code.empty() && FindSymbol(m_nType, code, false, &symbol) ? symbol.name : std::string();
}
void CSandSymbolAdapter::SetName(const std::string& name) { m_strName = name; }
// The brush of the symbol named; a default brush for a name the catalogue lacks.
QXLOGBRUSH CSandSymbolAdapter::GetBrush() const {
    Symbol symbol;
    return FindSymbol(m_nType, GetName(), true, &symbol) ? symbol.brush : QXLOGBRUSH();
}
