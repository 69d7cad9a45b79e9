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
    friend class GraphSteps;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // The wells shadowed by the projection of the text, then updated with the rulers and the
    // section.
    void ApplyProjectionType(const CString& text);
};

class CCrGraphSetor : public CGraphSetor {
public:
    explicit CCrGraphSetor(CrCorrelation* section);

protected:
    friend class GraphSteps;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // The section's fault points made again for the wells as they now stand.
    void RecreateFaultPoints();
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
    friend class GraphSteps;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;
    // The reservoir's spacing of the text: as on the other sections, but only the real distance
    // and the projection move wells, and a projection drops the fault lines.
    void ApplyWellSpacingType(const CString& text);
    // The reservoir's projection of the text: its flow units and fault lines go, the wells are
    // shadowed with the alignment off, then updated with the rulers and the section.
    void ApplyProjectionType(const CString& text);
    // Whether a well of the section is inclined (the reservoir then goes back to its stored state
    // rather than moving wells).
    bool HasInclinedWell() const;

private:
    KelReservoir::Connection::CkelReservoir* Reservoir() const;
};
