#include "hosttypes/Lodestar/PlProfileline.h"

namespace KelProfileline {

CPlProfileline::CPlProfileline() : m_lineType(LINE_SEQUENCE), m_dAngle(0.0), m_pContainer(nullptr) {
    m_strObjName = "CPlProfileline";
}
CPlProfileline::CPlProfileline(const CPlProfileline&) = default;
CPlProfileline& CPlProfileline::operator=(const CPlProfileline&) = default;
CPlProfileline::~CPlProfileline() = default;
PL_IMPLEMENT_ACCEPT(CPlProfileline)

}  // namespace KelProfileline
