// A profile line across the plane map, with the real positions of its points.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Lodestar/PlObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/String.h"

namespace KelProfileline {

// How the wells of a line were chosen: in drawing order ("顺序连井线") or by projection
// onto the line ("投影连井线").
enum LineType : int { LINE_NONE = 0, LINE_SEQUENCE = 1, LINE_PROJECTION = 2 };

class CPlContainer;
class CPlWell;

class CPlProfileline : public CPlObjInterface {
public:
    CPlProfileline();
    CPlProfileline(const CPlProfileline&);
    CPlProfileline& operator=(const CPlProfileline&);
    ~CPlProfileline() override;
    PL_DECLARE_ACCEPT()

    // ---- header-defined members ----
    void SetLineName(const CString& name) { m_strLineName = name; }
    CString GetLineName() const { return m_strLineName; }
    QXLOGPEN GetLinePen() const { return m_linePen; }
    void SetLineType(LineType type) { m_lineType = type; }
    const std::vector<FLOATPOINT>& GetRealPosPoint() const { return m_realPos; }

    // ---- profile-line library operations ----
    LineType GetLineType() const;
    void SetLinePen(const QXLOGPEN& pen);
    double GetAngle() const;
    void SetAngle(double angle);
    CPlContainer* GetContainer() const;
    void SetContainer(CPlContainer* container);
    void SetRealPosPoint(const std::vector<FLOATPOINT>& points);

protected:
    CString m_strLineName;
    QXLOGPEN m_linePen;
    QXLOGPEN m_selectedPen;
    LineType m_lineType;
    std::vector<FLOATPOINT> m_realPos;
    std::vector<CPlWell*> m_wells;
    boost::shared_ptr<void> m_drawing;
    // State of the library's own operations.
    double m_dAngle;
    CPlContainer* m_pContainer;
};

}  // namespace KelProfileline
