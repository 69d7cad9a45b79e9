#include "hosttypes/Oriel/ScWellMgr.h"

#include "hosttypes/Oriel/IkelWellAdapter.h"

ScWellMgr::ScWellMgr() : m_bInclined(false), m_lineType(PROFILE_NONE) {}

ScWellMgr::~ScWellMgr() = default;

// A NULL member would crash on the first well; with no member there is nothing to apply.
void ScWellMgr::SetValue(void (IkelWellAdapter::*f)()) {
    if (!f) return;
    for (IkelWellAdapter* well : m_wells)
        if (well) (well->*f)();
}

void ScWellMgr::SetValue(void (IkelWellAdapter::*f)(double), double v) {
    if (!f) return;
    for (IkelWellAdapter* well : m_wells)
        if (well) (well->*f)(v);
}

void ScWellMgr::SetValue(void (IkelWellAdapter::*f)(const std::string&), std::string v) {
    if (!f) return;
    for (IkelWellAdapter* well : m_wells)
        if (well) (well->*f)(v);
}
