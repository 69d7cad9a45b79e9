#include "hostlibs/Zephyr/WellDataFixture.h"

#include "hosttypes/Zephyr/WDMgrIO.h"

namespace zephyr {

LogStratumDIO* SetLayering(WDMgrIO* data, int level, const std::vector<UnitDef>& units) {
    if (!data) return nullptr;
    LogStratumDIO* parents = level > 0 ? data->GetStratum(level - 1, "") : nullptr;
    LogStratumDIO* layering = data->AddStratum(level, "");
    for (const UnitDef& def : units) {
        LOGSTRATUMUNIT unit;
        unit.name = def.name;
        unit.top = def.top;
        unit.thickness = def.thickness;
        unit.parentName = def.parent;
        unit.parent = parents && *def.parent ? parents->FindUnit(CString(def.parent)) : -1;
        const int index = static_cast<int>(layering->m_units.size());
        if (unit.parent >= 0) {
            LOGSTRATUMUNIT& parent = parents->m_units[static_cast<std::size_t>(unit.parent)];
            if (parent.firstSub < 0) parent.firstSub = index;
            parent.lastSub = index;
        }
        layering->m_units.push_back(unit);
    }
    return layering;
}

WDMgrIO* NewSampleWellData() {
    auto* data = new WDMgrIO();
    SetLayering(data, 0, {{"沙一段", 1000, 200}, {"沙二段", 1200, 300}});
    SetLayering(data, 1,
                {{"沙一1", 1000, 100, "沙一段"},
                 {"沙一2", 1100, 100, "沙一段"},
                 {"沙二1", 1200, 150, "沙二段"},
                 {"沙二2", 1350, 150, "沙二段"}});
    SetLayering(data, 2,
                {{"沙二1-1", 1200, 80, "沙二1"}, {"沙二1-2", 1280, 70, "沙二1"}, {"沙二2-1", 1350, 150, "沙二2"}});
    LogSandDIO* sand = data->AddSand(1, "");
    for (int i = 1; i <= 3; ++i) {
        LOGSAND record;
        record.id = i;
        record.name = FormatString("砂%d", i);
        sand->m_records.push_back(record);
    }
    for (const char* curve : {"GR", "SP", "AC", "RT", "CAL"}) data->AddCurveName(curve);
    return data;
}

}  // namespace zephyr
