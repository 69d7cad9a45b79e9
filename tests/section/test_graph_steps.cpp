// Every item of the "图设置" page on every section kind: the exact calls, stamps ("stamp") and
// modify flags ("modify") of one edit, in order, on a section of one well "W1" whose record holds
// the scales 1:1000 and 1:500 and the bottom depth 2500, with no alignment, started engine, curve
// or inclined well. "SAVE" stands for the well saving its place and joint, "END" for the window
// update followed by the modify flag.
#include <gtest/gtest.h>

#include <string>

#include "section/GraphPageFixture.h"

namespace {

using KelReservoir::Connection::CkelReservoir;
using sectiontest::CallTrace;
using sectiontest::GraphPage;
using G = CGraphSetor;

// What the edit puts into the item: a text, or a number when text is NULL.
struct Value {
    const char* text;
    double number;
};

struct Row {
    DWORD_PTR id;
    Value value;
    const char* expected[4];  // correlation, connection, reservoir, fence
};

std::string Expand(std::string text) {
    const std::pair<std::string, std::string> abbreviations[] = {
        {"SAVE", "IkelWellAdapter::SaveOldWellPosInfo[W1]() | IkelWellAdapter::SaveOldWellJointInfo[W1]()"},
        {"END", "ScContainer::UpdateWnd() | modify"}};
    for (const auto& [shortText, longText] : abbreviations)
        for (std::size_t at = text.find(shortText); at != std::string::npos; at = text.find(shortText, at))
            text.replace(at, shortText.size(), longText), at += longText.size();
    return text;
}

template <class Container>
std::string Edit(const Row& row) {
    GraphPage<Container> page(1);
    page.Record().m_dBottomDepth = 2500;
    CBCGPProp* item = page.open.list().GetPropList().FindItemByData(row.id, TRUE);
    if (!item) return "<no item>";
    if (row.value.text)
        item->SetValue(_variant_t(row.value.text));
    else
        item->SetValue(_variant_t(row.value.number));
    CallTrace trace(page.section.Section());
    page.Notify(row.id);
    return trace.Text();
}

const Row kRows[] = {
    {G::kTemplateId,
     {"<不使用>", 0},
     {"SAVE | modify | CMapProperty::ChangeTemplate() | ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | "
      "ScContainer::Refresh() | ScDisRulerMgr::RefurbishDisRuler() | END",
      "SAVE | modify | CMapProperty::ChangeTemplate() | ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | "
      "ScConGroupMgrVector::CreateAll() | ScContainer::Refresh() | ScDisRulerMgr::RefurbishDisRuler() | END",
      "SAVE | modify | CMapProperty::ChangeTemplate() | ScContainer::OnScaleChanged(1,1) | "
      "ScDisRulerMgr::RefurbishDisRuler() | ScContainer::UpdateWnd()",
      "SAVE | modify | CMapProperty::ChangeTemplate() | ScContainer::PrepareScale(1,1) | "
      "ScDisRulerMgr::RefurbishDisRuler() | END"}},
    {G::kLayoutId, {nullptr, 0}, {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kDepthTypeId,
     {"垂深", 0},
     {"modify | IkelWellAdapter::DataTypeChanged[W1]() | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | "
      "ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | ScContainer::Refresh() | END",
      "modify | IkelWellAdapter::DataTypeChanged[W1]() | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | "
      "ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | ScConGroupMgrVector::CreateAll() | "
      "ScContainer::Refresh() | END",
      "modify | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::DataTypeChanged[W1]() | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | "
      "ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | ScConGroupMgrVector::CreateAll() | "
      "ScContainer::Refresh() | END"}},
    {G::kSpacingTypeId,
     {"实际距离", 0},
     {"SAVE | modify | END",
      "SAVE | modify | ScWellPositionor::SetSpacingType(1) | ScWellPositionor::ArrangeWellByRealDis() | "
      "ScLookDownForm::ClearShadow() | ScContainer::Refresh() | ScContainer::OnScaleChanged(1,1) | stamp | END",
      "SAVE | modify | ScWellPositionor::SetSpacingType(1) | ScWellPositionor::ArrangeWellByRealDis() | "
      "ScLookDownForm::ClearShadow() | ScContainer::Refresh() | ScContainer::OnScaleChanged(1,1) | "
      "CkelFlowUnitManager::Rebuild | stamp | ScContainer::UpdateWnd()",
      "SAVE | modify | END"}},
    {G::kIntervalId,
     {nullptr, 200},
     {"SAVE | modify | ScWellPositionor::SetSpacingType(0) | ScWellPositionor::ChangeXDistance() | "
      "ScLookDownForm::ClearShadow() | ScContainer::Refresh() | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | ScWellPositionor::SetSpacingType(0) | ScWellPositionor::ChangeXDistance() | "
      "ScLookDownForm::ClearShadow() | ScContainer::Refresh() | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | ScContainer::UpdateWnd()", "SAVE | modify | END"}},
    {G::kProjectionId,
     {"Y方向", 0},
     {"SAVE | modify | END",
      "SAVE | modify | ScLookDownForm::ByXorYAxisShadow(0) | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() "
      "| ScDisRulerMgr::RefurbishDisRuler() | ScContainer::Refresh() | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | ScLookDownForm::ByXorYAxisShadow(0) | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() "
      "| ScDisRulerMgr::RefurbishDisRuler() | ScRulerFrame::UpdateRulerFrameRect() | ScContainer::Refresh() | "
      "ScContainer::OnScaleChanged(1,1) | CkelFlowUnitManager::Rebuild | ScContainer::UpdateWnd()",
      "SAVE | modify | END"}},
    {G::kSpacingLayerId,
     {"井口", 0},
     {"SAVE | modify | END",
      "SAVE | modify | ScWellPositionor::ArrangeWell() | stamp | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | ScWellPositionor::ArrangeWell() | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | stamp | ScContainer::OnScaleChanged(1,1) | CkelFlowUnitManager::Rebuild "
      "| ScContainer::UpdateWnd()",
      "SAVE | modify | IkelWellAdapter::SetPosition[W1](0,0,true) | CSectionTransform::TransformWell(W1) | "
      "IkelWellAdapter::SaveOldWellInfo[W1]() | ScContainer::PrepareRefresh(0) | stamp | END"}},
    {G::kXScaleId,
     {"1:2000", 0},
     {"SAVE | modify | ScScaler::SetXScale(2000) | ScContainer::OnScaleChanged(0.5,1) | stamp | END",
      "SAVE | modify | ScScaler::SetXScale(2000) | ScContainer::OnScaleChanged(0.5,1) | stamp | END",
      "SAVE | modify | ScScaler::SetXScale(2000) | ScContainer::PrepareScale(0.0005,1) | "
      "ScDisRulerMgr::RefurbishDisRuler() | stamp | ScContainer::UpdateWnd()",
      "SAVE | modify | IkelWellAdapter::SetPosition[W1](0,0,true) | CSectionTransform::TransformWell(W1) | "
      "IkelWellAdapter::SaveOldWellInfo[W1]() | ScContainer::PrepareRefresh(0) | stamp | END"}},
    {G::kYScaleId,
     {"1:250", 0},
     {"SAVE | modify | ScScaler::SetYScale(250) | ScContainer::OnScaleChanged(1,2) | stamp | END",
      "SAVE | modify | ScScaler::SetYScale(250) | ScContainer::OnScaleChanged(1,2) | stamp | END",
      "SAVE | modify | ScScaler::SetYScale(250) | ScContainer::PrepareScale(1,2) | stamp | ScContainer::UpdateWnd()",
      "SAVE | modify | ScScaler::SetYScale(250) | ScContainer::OnScaleChanged(1,2) | "
      "IkelWellAdapter::SaveOldWellInfo[W1]() | IkelWellAdapter::SetPosition[W1](0,0,true) | "
      "CSectionTransform::TransformWell(W1) | IkelWellAdapter::SaveOldWellInfo[W1]() | stamp | "
      "ScContainer::PrepareRefresh(0) | END"}},
    {G::kConnectPosId,
     {"左右搭接位置", 0},
     {"SAVE | modify | IkelWellAdapter::SetConnectPos[W1](4) | ScContainer::OnScaleChanged(1,1) | stamp | END",
      "SAVE | modify | IkelWellAdapter::SetConnectPos[W1](4) | ScContainer::OnScaleChanged(1,1) | stamp | END",
      "SAVE | modify | IkelWellAdapter::SetConnectPos[W1](4) | ScContainer::PrepareScale(1,1) | "
      "ScDisRulerMgr::RefurbishDisRuler() | ScRulerFrame::UpdateRulerFrameRect() | stamp | ScContainer::UpdateWnd()",
      "SAVE | modify | IkelWellAdapter::SetConnectPos[W1](4) | ScContainer::OnScaleChanged(1,1) | END"}},
    {G::kLeftJointId,
     {nullptr, 1.5},
     {"SAVE | modify | IkelWellAdapter::SetLeftJoint[W1](150) | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | IkelWellAdapter::SetLeftJoint[W1](150) | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | IkelWellAdapter::SetLeftJoint[W1](150) | ScContainer::PrepareScale(1,1) | "
      "ScContainer::UpdateWnd()",
      "SAVE | modify | IkelWellAdapter::SetLeftJoint[W1](150) | ScContainer::OnScaleChanged(1,1) | END"}},
    {G::kRightJointId,
     {nullptr, 2.5},
     {"SAVE | modify | IkelWellAdapter::SetRightJoint[W1](250) | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | IkelWellAdapter::SetRightJoint[W1](250) | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | IkelWellAdapter::SetRightJoint[W1](250) | ScContainer::PrepareScale(1,1) | "
      "ScContainer::UpdateWnd()",
      "SAVE | modify | IkelWellAdapter::SetRightJoint[W1](250) | ScContainer::OnScaleChanged(1,1) | END"}},
    {G::kShowJointId, {"是", 0}, {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kFillBlankId, {"是", 0}, {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kGradeId,
     {"三级", 0},
     {"modify | CMapProperty::ChangeGrade(2) | ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | "
      "ScContainer::Refresh() | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | stamp | END",
      "modify | CMapProperty::ChangeGrade(2) | ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | "
      "ScConGroupMgrVector::CreateAll() | ScContainer::Refresh() | ScWellMgr::UpdateWell() | "
      "CMapProperty::UpdateProperty() | stamp | END",
      "modify | CMapProperty::ChangeGrade(2) | ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | "
      "ScConGroupMgrVector::CreateAll() | ScContainer::Refresh() | CkelFlowUnitManager::Rebuild | "
      "ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | stamp | ScContainer::UpdateWnd()",
      "modify | CMapProperty::ChangeGrade(2) | ScWellMgr::SortWells() | CStratumGroupManager::CreateAll() | "
      "ScConGroupMgrVector::CreateAll() | ScContainer::Refresh() | ScWellMgr::UpdateWell() | "
      "CMapProperty::UpdateProperty() | END"}},
    {G::kRangeId, {nullptr, 0}, {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kRangeTypeId,
     {"分层", 0},
     {"modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | "
      "IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | ScWellMgr::UpdateWell() | "
      "ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | stamp | END",
      "modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | "
      "IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | ScWellMgr::UpdateWell() | "
      "ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | stamp | END",
      "modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | "
      "CkelFlowUnitManager::ReBuildWithOSWInfo | IkelWellAdapter::SetBottomStratum[W1](3) | "
      "ScContainer::ReLayout(false) | CkelFlowUnitManager::ReBuildWithOSWInfo | ScWellMgr::UpdateWell() | "
      "CkelFlowUnitManager::Rebuild | ScDisRulerMgr::RefurbishDisRuler() | ScRulerFrame::UpdateRulerFrameRect() | "
      "stamp | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | "
      "IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | ScWellMgr::UpdateWell() | "
      "ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | stamp | END"}},
    {G::kTopStratumId,
     {"1", 0},
     {"modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | stamp | END",
      "modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | stamp | END",
      "modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | "
      "CkelFlowUnitManager::ReBuildWithOSWInfo | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | stamp | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetTopStratum[W1](1) | ScContainer::ReLayout(true) | stamp | END"}},
    {G::kTopExtendId,
     {nullptr, 20},
     {"modify | IkelWellAdapter::SetTopExtendDepth[W1](20) | END",
      "modify | IkelWellAdapter::SetTopExtendDepth[W1](20) | END",
      "modify | IkelWellAdapter::SetTopExtendDepth[W1](20) | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetTopExtendDepth[W1](20) | END"}},
    {G::kBottomStratumId,
     {"3", 0},
     {"modify | IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | stamp | END",
      "modify | IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | stamp | END",
      "modify | IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | "
      "CkelFlowUnitManager::ReBuildWithOSWInfo | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | stamp | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetBottomStratum[W1](3) | ScContainer::ReLayout(false) | stamp | END"}},
    {G::kBottomExtendId,
     {nullptr, 30},
     {"modify | IkelWellAdapter::SetBottomExtendDepth[W1](30) | END",
      "modify | IkelWellAdapter::SetBottomExtendDepth[W1](30) | END",
      "modify | IkelWellAdapter::SetBottomExtendDepth[W1](30) | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetBottomExtendDepth[W1](30) | END"}},
    {G::kTopDepthId,
     {nullptr, 1200},
     {"modify | IkelWellAdapter::SetTopDepth[W1](1200) | ScContainer::ReLayout(true) | END",
      "modify | IkelWellAdapter::SetTopDepth[W1](1200) | ScContainer::ReLayout(true) | END",
      "modify | IkelWellAdapter::SetTopDepth[W1](1200) | CDesignerWellMgr::SetTopDepth(1200.000000) | "
      "ScContainer::ReLayout(true) | CkelFlowUnitManager::ReBuildWithOSWInfo | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetTopDepth[W1](1200) | ScContainer::ReLayout(true) | END"}},
    {G::kBottomDepthId,
     {nullptr, 1800},
     {"modify | IkelWellAdapter::SetBottomDepth[W1](1800) | ScContainer::ReLayout(false) | END",
      "modify | IkelWellAdapter::SetBottomDepth[W1](1800) | ScContainer::ReLayout(false) | END",
      "modify | IkelWellAdapter::SetBottomDepth[W1](1800) | CDesignerWellMgr::SetBottomDepth(1800.000000) | "
      "ScContainer::ReLayout(false) | CkelFlowUnitManager::ReBuildWithOSWInfo | ScDisRulerMgr::RefurbishDisRuler() | "
      "ScRulerFrame::UpdateRulerFrameRect() | ScContainer::UpdateWnd()",
      "modify | IkelWellAdapter::SetBottomDepth[W1](1800) | ScContainer::ReLayout(false) | END"}},
    {G::kOtherId, {nullptr, 0}, {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kWellWidthId,
     {nullptr, 3},
     {"SAVE | modify | ScWellMgr::SetWellWidth(300) | IkelWellAdapter::SetWidth[W1](300) | ScWellMgr::UpdateWell() | "
      "CMapProperty::UpdateProperty() | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | ScWellMgr::SetWellWidth(300) | IkelWellAdapter::SetWidth[W1](300) | ScWellMgr::UpdateWell() | "
      "CMapProperty::UpdateProperty() | ScContainer::OnScaleChanged(1,1) | END",
      "SAVE | modify | ScWellMgr::SetWellWidth(300) | IkelWellAdapter::SetWidth[W1](300) | "
      "CDesignerWellMgr::SetWellWidth(300.000000) | ScWellMgr::UpdateWell() | CMapProperty::UpdateProperty() | "
      "ScContainer::OnScaleChanged(1,1) | ScDisRulerMgr::RefurbishDisRuler() | ScRulerFrame::UpdateRulerFrameRect() | "
      "ScContainer::UpdateWnd()",
      "SAVE | modify | ScWellMgr::SetWellWidth(300) | IkelWellAdapter::SetWidth[W1](300) | ScWellMgr::UpdateWell() | "
      "CMapProperty::UpdateProperty() | ScContainer::OnScaleChanged(1,1) | END"}},
    {G::kLeftExtendId,
     {nullptr, 0.02},
     {"modify | CMapProperty::ChangeExtend(2000,true) | END", "modify | CMapProperty::ChangeExtend(2000,true) | END",
      "modify | CMapProperty::ChangeExtend(2000,true) | CkelFlowUnitManager::Rebuild | ScContainer::UpdateWnd()",
      "modify | END"}},
    {G::kRightExtendId,
     {nullptr, 0.03},
     {"modify | CMapProperty::ChangeExtend(3000,false) | END", "modify | CMapProperty::ChangeExtend(3000,false) | END",
      "modify | CMapProperty::ChangeExtend(3000,false) | CkelFlowUnitManager::Rebuild | ScContainer::UpdateWnd()",
      "modify | END"}},
    {G::kExtendFormId,
     {"外推处理", 0},
     {"modify | END", "modify | ScConGroupMgrVector::CreateExtend() | CStratumGroupManager::CreateExtend() | END",
      "modify | CStratumGroupManager::CreateExtend() | ScConGroupMgrVector::CreateExtend() | "
      "CkelFlowUnitManager::Rebuild | ScContainer::UpdateWnd()",
      "modify | END"}},
    {G::kShowVirtualWellId,
     {"是", 0},
     {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kMissingId,
     {nullptr, 0},
     {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kCalVirtualId,
     {"是", 0},
     {"modify | CMapProperty::ShowVirStratum(true) | stamp | END",
      "modify | CMapProperty::ShowVirStratum(true) | stamp | END", "modify | ScContainer::UpdateWnd()",
      "modify | END"}},
    {G::kConnectVirtualId,
     {"是", 0},
     {"modify | stamp | END", "modify | stamp | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kVirPenStyleId,
     {nullptr, 0},
     {"modify | CMapProperty::SetVirPen() | END", "modify | CMapProperty::SetVirPen() | END",
      "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kVirPenWidthId,
     {nullptr, 0.5},
     {"modify | CMapProperty::SetVirPen() | END", "modify | CMapProperty::SetVirPen() | END",
      "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kVirPenColorId,
     {nullptr, 0},
     {"modify | CMapProperty::SetVirPen() | END", "modify | CMapProperty::SetVirPen() | END",
      "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kNameFontId,
     {nullptr, 0},
     {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kNameFaceId,
     {"黑体", 0},
     {"modify | CMapProperty::ChangeStratumNameFont() | END", "modify | CMapProperty::ChangeStratumNameFont() | END",
      "modify | CMapProperty::ChangeStratumNameFont() | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kNameSizeId,
     {nullptr, 12},
     {"modify | CMapProperty::ChangeStratumNameFont() | END", "modify | CMapProperty::ChangeStratumNameFont() | END",
      "modify | CMapProperty::ChangeStratumNameFont() | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kNameColorId,
     {nullptr, 0},
     {"modify | CMapProperty::ChangeStratumNameFont() | END", "modify | CMapProperty::ChangeStratumNameFont() | END",
      "modify | CMapProperty::ChangeStratumNameFont() | ScContainer::UpdateWnd()", "modify | END"}},
    {G::kNamePlaceId,
     {"右边显示", 0},
     {"modify | END", "modify | END", "modify | ScContainer::UpdateWnd()", "<no item>"}},
};

TEST(GraphPageStepTable, EveryItemOnEveryKind) {
    for (const Row& row : kRows) {
        const std::string got[4] = {Edit<CrCorrelation>(row), Edit<CnConnection>(row), Edit<CkelReservoir>(row),
                                    Edit<KelFence::CFence>(row)};
        for (int kind = 0; kind < 4; ++kind)
            EXPECT_EQ(Expand(row.expected[kind]), got[kind]) << "item " << row.id << ", kind " << kind + 1;
    }
}

}  // namespace
