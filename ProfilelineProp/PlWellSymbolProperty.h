// CPlWellSymbolProperty: the "井符号" page of a selected well symbol of a profile line. It shows
// the symbol's kind, its well and its position, and edits its point style. An edit reaches every
// active well symbol of the graph; active objects of other kinds are left alone.
#pragma once

#include "framework/WndLst.h"

namespace KelProfileline {
class CWellSymbol;
}

class CPlWellSymbolProperty : public CWndLst {
public:
    enum : DWORD_PTR {
        kTypeId = 1001,
        kWellId = 1002,
        kCoordinatesId = 1003,
        kXId = 1004,
        kYId = 1005,
        kSymbolGroupId = 1006,  // 1007 style, 1008 size, 1009 border colour, 1010 inner colour
        kFirstPointId = 1007,
        kLastPointId = 1010,
    };

    explicit CPlWellSymbolProperty(KelProfileline::CWellSymbol* symbol) : m_pSymbol(symbol) {}
    ~CPlWellSymbolProperty() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // A refused text, whoever refused it (the item or the reader), leaves a number item showing
    // the stored value again.
    void ShowItemAgain(CBCGPProp* item) override;

private:
    CBCGPProp* Item(DWORD_PTR id) { return m_wndPropList.FindItemByData(id, TRUE); }

    KelProfileline::CWellSymbol* m_pSymbol;
};
