// The "图设置" pages of the four section kinds. Each stores an edit through CGraphSetor, then has
// the section library apply it: the steps of every item and kind are one table (GraphSetors.cpp).
// After the steps the page updates the section's window and, but on reservoirs, marks it modified.
#pragma once

#include "section/GraphSetor.h"

class CnConnection;
class CrCorrelation;
namespace KelFence {
class CFence;
}
namespace KelReservoir::Connection {
class CkelReservoir;
}

class CCnGraphSetor : public CGraphSetor {
public:
    explicit CCnGraphSetor(CnConnection* section);

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};

class CCrGraphSetor : public CGraphSetor {
public:
    explicit CCrGraphSetor(CrCorrelation* section);

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};

class CFcGraphSetor : public CGraphSetor {
public:
    explicit CFcGraphSetor(KelFence::CFence* section);

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};

class CRsGraphSetor : public CGraphSetor {
public:
    explicit CRsGraphSetor(KelReservoir::Connection::CkelReservoir* section);
    // A reservoir with curves goes back to its stored state; otherwise the range is taken as on
    // every section and the flow units are rebuilt.
    void UpdateDisplayRange() override;

protected:
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
};
