#include "chart/KelPropListAxisGrid.h"

#include "chart/AxisTexts.h"
#include "chart/PlotItems.h"
#include "chart/PropListAxis.h"
#include "chart/PropListAxisTick.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Thistle/Axis.h"

using namespace axistext;

namespace {

// What differs between the major and the minor grid.
struct GridLevel {
    const char* caption;
    const char* showDescription;
    DWORD_PTR group, show, line;
    bool (CkelAxisGrid::*getShown)();
    void (CkelAxisGrid::*setShown)(bool);
    void (CkelAxisGrid::*getPen)(QXLOGPEN*);
    void (CkelAxisGrid::*setPen)(QXLOGPEN*);
};

using Page = CkelPropListAxisGrid;
const GridLevel kLevels[] = {
    {kMajorGrid, kShowMajorGridDescription, Page::kMajorGroupId, Page::kMajorShowId, Page::kMajorLineId,
     &CkelAxisGrid::GetShowMajorTicks, &CkelAxisGrid::SetShowMajorTicks, &CkelAxisGrid::GetMajorLogPen,
     &CkelAxisGrid::SetMajorLogPen},
    {kMinorGrid, kShowMinorGridDescription, Page::kMinorGroupId, Page::kMinorShowId, Page::kMinorLineId,
     &CkelAxisGrid::GetShowMinorTicks, &CkelAxisGrid::SetShowMinorTicks, &CkelAxisGrid::GetMinorLogPen,
     &CkelAxisGrid::SetMinorLogPen},
};

// The level an item belongs to: its show item, its line group or one of that group's items.
const GridLevel* LevelOf(DWORD_PTR id) {
    for (const GridLevel& level : kLevels)
        if (id >= level.show && id <= level.line + 3) return &level;
    return nullptr;
}

}  // namespace

CkelPropListAxisGrid::CkelPropListAxisGrid() = default;
CkelPropListAxisGrid::~CkelPropListAxisGrid() = default;

void CkelPropListAxisGrid::BuildItems(CBCGPPropList& list) {
    for (const GridLevel& level : kLevels) {
        auto* group = new CBCGPProp(level.caption, level.group, FALSE);
        group->AddSubItem(CreateYesNoProp(grouptext::kShow, level.show, _variant_t(""), level.showDescription));
        group->AddSubItem(chart::NewPenGroup(grouptext::kLineStyle, level.line));
        group->Expand(TRUE);
        list.AddProperty(group, TRUE, TRUE);
    }
}

void CkelPropListAxisGrid::ShowTarget(CBCGPPropList& list) {
    IkelAxis* axis = TargetAs<IkelAxis>();
    if (!axis) return;
    CkelAxisGrid* grid = axis->GetGrid();
    for (const GridLevel& level : kLevels) {
        const bool shown = (grid->*level.getShown)();
        SetYesNoProp(list.FindItemByData(level.show), shown);
        QXLOGPEN pen;
        (grid->*level.getPen)(&pen);
        CBCGPProp* line = list.FindItemByData(level.line);
        SetLineProp(line, pen);
        EnableSubItems(line, 0, -1, shown);
    }
    if (IsFixedScale(axis->GetAxisScaleType())) {
        EnableAllSubItems(list.FindItemByData(kMinorGroupId), FALSE);
        EnableAllSubItems(list.FindItemByData(kMinorLineId), FALSE);
    }
}

LRESULT CkelPropListAxisGrid::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    IkelAxis* axis = TargetAs<IkelAxis>();
    const GridLevel* level = item ? LevelOf(item->GetData()) : nullptr;
    if (!axis || !level) {
        UpdateView();
        return 0;
    }
    CkelAxisGrid* grid = axis->GetGrid();
    QXLOGPEN pen;
    (grid->*level->getPen)(&pen);
    const DWORD_PTR id = item->GetData();
    bool taken = true;
    if (id == level->show) {
        (grid->*level->setShown)(ReadYesNo(item));
        EnableAllSubItems(m_wndPropList.FindItemByData(level->line), (grid->*level->getShown)());
    } else if (id > level->line) {
        taken = chart::ReadPenSubItem(item, static_cast<int>(id - level->line - 1), pen);
        if (taken) (grid->*level->setPen)(&pen);
    }
    EndEdit(item, taken);
    return 0;
}
