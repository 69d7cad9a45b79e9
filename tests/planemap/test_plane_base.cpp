// The plane-list base: when a list re-reads, and how one edit reaches the selected objects.
#include <gtest/gtest.h>

#include <vector>

#include "framework/ItemGroupsFill.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/WndLstPlane.h"
#include "PlaneListFixture.h"

namespace {

// n lines of one type name in the sample map's first layer.
struct Lines {
    parsnip::MapFixture map;
    CQXLayer& layer = *map.Layer();
    std::vector<CQXObjectPolyline*> lines;
    explicit Lines(int n, const char* typeName = "线") {
        for (int i = 0; i < n; ++i) lines.push_back(map.AddPolyline(typeName, {}));
    }
    void Select(std::initializer_list<int> which) {
        layer.RemoveAllSelectedObject();
        for (int i : which) layer.SetSelectedObject(lines[static_cast<std::size_t>(i)]);
    }
};

}  // namespace

TEST(PlaneBase, ReReadsOnlyWhenTargetSelectionOrStampsMove) {
    Lines fx(3);
    fx.Select({0});
    CWndLstPlane list;
    CQXObject* a = fx.lines[0];
    EXPECT_EQ(1, list.CheckTargetChanged(a));
    EXPECT_EQ(0, list.CheckTargetChanged(a));

    fx.Select({0, 1});  // one more selected
    EXPECT_EQ(1, list.CheckTargetChanged(a));
    EXPECT_EQ(2, list.GetSelectionCount());
    EXPECT_EQ(0, list.CheckTargetChanged(a));
    fx.Select({0});  // deselected again
    EXPECT_EQ(1, list.CheckTargetChanged(a));
    EXPECT_EQ(0, list.CheckTargetChanged(a));

    fx.Select({1});  // same size, other member
    EXPECT_EQ(1, list.CheckTargetChanged(a));
    EXPECT_EQ(fx.lines[1], list.GetSelectionAt(0));
    EXPECT_EQ(0, list.CheckTargetChanged(a));

    fx.lines[1]->OnChanged(0);  // a selected object changed
    EXPECT_EQ(1, list.CheckTargetChanged(a));
    EXPECT_EQ(0, list.CheckTargetChanged(a));
    fx.lines[2]->OnChanged(0);  // an unselected one did: nothing to show
    EXPECT_EQ(0, list.CheckTargetChanged(a));

    EXPECT_EQ(1, list.CheckTargetChanged(fx.lines[1]));  // another target
    EXPECT_EQ(0, list.CheckTargetChanged(fx.lines[1]));
}

TEST(PlaneBase, NewerWellDataGivesOneMoreRefreshAfterASelectionChange) {
    Lines fx(2);
    fx.Select({0});
    CWndLstPlane list;
    EXPECT_EQ(1, list.CheckTargetChanged(fx.lines[0]));
    EXPECT_EQ(0, list.CheckTargetChanged(fx.lines[0]));

    osprey::testing::TouchWellData();
    EXPECT_EQ(1, list.CheckTargetChanged(fx.lines[0]));
    EXPECT_EQ(0, list.CheckTargetChanged(fx.lines[0]));

    // The selection path stores the objects' stamp only, so well data newer than them
    // make the next test answer once more, then it settles.
    fx.Select({0, 1});
    EXPECT_EQ(1, list.CheckTargetChanged(fx.lines[0]));
    EXPECT_EQ(1, list.CheckTargetChanged(fx.lines[0]));
    EXPECT_EQ(0, list.CheckTargetChanged(fx.lines[0]));
}

TEST(PlaneBase, LayerTargetFollowsTheLayerStampAndWellData) {
    Lines fx(1);
    CQXLayer other;
    CWndLstPlane list;
    EXPECT_EQ(1, list.CheckTargetChanged(&fx.layer));
    EXPECT_EQ(1, list.GetMode());
    EXPECT_EQ(&fx.layer, list.GetLayer());
    EXPECT_EQ(0, list.CheckTargetChanged(&fx.layer));
    fx.lines[0]->OnChanged(0);  // objects do not move a layer target
    EXPECT_EQ(0, list.CheckTargetChanged(&fx.layer));
    fx.layer.ProChanged();
    EXPECT_EQ(1, list.CheckTargetChanged(&fx.layer));
    osprey::testing::TouchWellData();
    EXPECT_EQ(1, list.CheckTargetChanged(&fx.layer));
    EXPECT_EQ(0, list.CheckTargetChanged(&fx.layer));
    EXPECT_EQ(1, list.CheckTargetChanged(&other));
}

TEST(PlaneBase, ObjectWithoutLayerCountsAsNothingSelected) {
    CQXObjectPolyline loose;
    CWndLstPlane list;
    EXPECT_EQ(1, list.CheckTargetChanged(&loose));
    EXPECT_EQ(0, list.GetSelectionCount());
    EXPECT_EQ(0, list.CheckTargetChanged(&loose));
}

TEST(PlaneBase, SameClassTestComparesClassNames) {
    CQXLayer layer;
    CQXObjectPolyline p1, p2;
    CQXObjectLine plain;
    for (CQXObject* o : std::vector<CQXObject*>{&p1, &p2, &plain}) layer.AddObject(o);
    CWndLstPlane list;
    list.CheckTargetChanged(&p1);
    EXPECT_TRUE(list.IsSameClassSelected());  // empty copy
    layer.SetSelectedObject(&p1);
    layer.SetSelectedObject(&p2);
    list.CheckTargetChanged(&p1);
    EXPECT_TRUE(list.IsSameClassSelected());
    layer.SetSelectedObject(&plain);
    list.CheckTargetChanged(&p1);
    EXPECT_FALSE(list.IsSameClassSelected());
}

TEST(PlaneBase, SameTypeEditReachesMatchingSelectedObjectsInOrderOnly) {
    Lines fx(4);
    fx.lines[1]->SetTypeName("断层");
    fx.Select({2, 1, 0});  // the fourth line is of the type but not selected
    parsnip::testing::ClearCallLog();
    SetSameTypeObjects(&fx.layer, &CQXObjectPolyline::SetClose, 1, CString("线"));
    std::vector<const void*> order;
    for (const auto& call : parsnip::testing::CallLog())
        if (call.operation == "CQXObjectPolyline::SetClose") order.push_back(call.target);
    EXPECT_EQ((std::vector<const void*>{fx.lines[2], fx.lines[0]}), order);
    EXPECT_EQ(0, fx.lines[1]->IsClosed());
    EXPECT_EQ(0, fx.lines[3]->IsClosed());

    // An object of the type name but not of the setter's class is left alone.
    CQXObjectLine plain;
    plain.SetTypeName("线");
    fx.layer.AddObject(&plain);
    fx.layer.SetSelectedObject(&plain);
    SetSameTypeObjects(&fx.layer, &CQXObjectPolyline::SetClose, 0, CString("线"));
    EXPECT_EQ(0, fx.lines[2]->IsClosed());

    parsnip::testing::ClearCallLog();
    UpdateSameTypeObjects(&fx.layer, "线");
    EXPECT_EQ(3, parsnip::testing::CountCalls("CQXObject::OnChanged"));
    fx.layer.DeleteObject(&plain);
}

TEST(PlaneBase, FillSubItemEditsTheBrushOfEveryLine) {
    Lines fx(2);
    fx.Select({0, 1});
    CBCGPProp* group = CreateFillProp("填充", kPlaneFillGroupId);
    QXLOGBRUSH brush;
    fx.lines[0]->GetLogBrush(&brush);

    CBCGPProp* back = group->GetSubItem(5);
    back->SetValue(_variant_t("否"));
    ApplyFillSubItem(back, &fx.layer, &brush, "线");
    QXLOGBRUSH stored;
    fx.lines[1]->GetLogBrush(&stored);
    EXPECT_EQ(13u, stored.backMode);
    back->SetValue(_variant_t("是"));
    ApplyFillSubItem(back, &fx.layer, &brush, "线");
    fx.lines[0]->GetLogBrush(&stored);
    EXPECT_EQ(100u, stored.backMode);

    parsnip::testing::ClearCallLog();
    CBCGPProp* set = group->GetSubItem(0);
    set->SetValue(_variant_t(""));
    ApplyFillSubItem(set, &fx.layer, &brush, "线");
    CBCGPProp* size = group->GetSubItem(4);
    size->SetValue(_variant_t("abc"));
    ApplyFillSubItem(size, &fx.layer, &brush, "线");
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectLine::SetLogBrush"));

    size->SetValue(_variant_t("2.5"));
    ApplyFillSubItem(size, &fx.layer, &brush, "线");
    fx.lines[1]->GetLogBrush(&stored);
    EXPECT_FLOAT_EQ(250.0f, stored.size);
    delete group;
}

namespace {
// A list with one group and one item, refreshed through the common start of the lists that
// edit several objects.
class TwoItemList : public CWndLstPlane {
public:
    enum : DWORD_PTR { kGroupId = 2001, kValueId = 2002, kNameId = 2003 };
    int reads = 0;

protected:
    int InitPropWnd() override {
        if (CWndLst::InitPropWnd() == -1) return -1;
        auto* group = new CBCGPProp("组", kGroupId);
        group->AddSubItem(new CBCGPProp("值", _variant_t(""), "", kValueId));
        m_wndPropList.AddProperty(group);
        m_wndPropList.AddProperty(new CBCGPProp("名称", _variant_t(""), "", kNameId));
        return 0;
    }
    void UpdateBCGPProperty(long object, CString) override {
        if (BeginMultiRefresh(object)) ++reads;
    }
};
}  // namespace

TEST(PlaneBase, MixedSelectionDisablesAndAUniformOneEnablesAgain) {
    CQXLayer layer;
    CQXObjectPolyline a, b;
    CQXObjectLine plain;
    for (CQXObject* o : std::vector<CQXObject*>{&a, &b, &plain}) layer.AddObject(o);
    planetest::OpenList<TwoItemList> open;
    layer.SetSelectedObject(&a);
    layer.SetSelectedObject(&plain);
    open.Show(&a);
    EXPECT_FALSE(open.Enabled(TwoItemList::kGroupId));
    EXPECT_FALSE(open.Enabled(TwoItemList::kValueId));
    EXPECT_FALSE(open.Enabled(TwoItemList::kNameId));
    EXPECT_EQ(0, open.list().reads);

    layer.RemoveAllSelectedObject();
    layer.SetSelectedObject(&a);
    layer.SetSelectedObject(&b);
    open.Show(&a);
    EXPECT_TRUE(open.Enabled(TwoItemList::kValueId));
    EXPECT_TRUE(open.Enabled(TwoItemList::kNameId));
    EXPECT_EQ(1, open.list().reads);
    open.Show(&a);  // nothing changed: no re-read
    EXPECT_EQ(1, open.list().reads);
}

TEST(PlaneBase, TheSameMembersInAnotherOrderAreNoChangeAnotherMemberIs) {
    for (int n : {4, 5}) {  // an even and an odd count
        Lines fx(n + 1);
        std::vector<int> order;
        for (int i = 0; i < n; ++i) order.push_back(i);
        fx.layer.RemoveAllSelectedObject();
        for (int i : order) fx.layer.SetSelectedObject(fx.lines[static_cast<std::size_t>(i)]);
        CWndLstPlane list;
        CQXObject* a = fx.lines[0];
        EXPECT_EQ(1, list.CheckTargetChanged(a));
        EXPECT_EQ(0, list.CheckTargetChanged(a));

        fx.layer.RemoveAllSelectedObject();  // the last two change places
        for (int i = 0; i < n; ++i)
            fx.layer.SetSelectedObject(fx.lines[static_cast<std::size_t>(i < n - 2 ? i : 2 * n - 3 - i)]);
        EXPECT_EQ(0, list.CheckTargetChanged(a)) << n;
        fx.lines[n - 1]->OnChanged(0);  // a newer stamp behind the reordered place still counts
        EXPECT_EQ(1, list.CheckTargetChanged(a)) << n;
        EXPECT_EQ(0, list.CheckTargetChanged(a)) << n;

        fx.layer.RemoveAllSelectedObject();  // the last one replaced by the unselected line
        for (int i = 0; i < n; ++i) fx.layer.SetSelectedObject(fx.lines[static_cast<std::size_t>(i < n - 1 ? i : n)]);
        EXPECT_EQ(1, list.CheckTargetChanged(a)) << n;
        EXPECT_EQ(fx.lines[static_cast<std::size_t>(n)], list.GetSelectionAt(n - 1));
    }
}

TEST(PlaneBase, SameTypeWritesFollowEachObjectsClassAndSurviveARename) {
    Lines fx(3);
    // Lines of the type name that are not polylines, between the polylines.
    CQXObjectLine plainA, plainB;
    plainA.SetTypeName("线");
    plainB.SetTypeName("线");
    fx.layer.AddObject(&plainA);
    fx.layer.AddObject(&plainB);
    fx.layer.RemoveAllSelectedObject();
    for (CQXObject* o : std::vector<CQXObject*>{fx.lines[0], &plainA, fx.lines[1], &plainB, fx.lines[2]})
        fx.layer.SetSelectedObject(o);
    parsnip::testing::ClearCallLog();
    SetSameTypeObjects(&fx.layer, &CQXObjectPolyline::SetClose, 1, CString("线"));
    EXPECT_EQ(3, parsnip::testing::CountCalls("CQXObjectPolyline::SetClose"));
    for (CQXObjectPolyline* line : fx.lines) EXPECT_EQ(1, line->IsClosed());

    // The type name handed over is the shown object's own: renaming that object first must not
    // change which objects the write reaches.
    SetSameTypeObjects(&fx.layer, &CQXObject::SetTypeName, "断层", fx.lines[0]->GetTypeName());
    for (CQXObject* o : std::vector<CQXObject*>{fx.lines[0], &plainA, fx.lines[1], &plainB, fx.lines[2]})
        EXPECT_EQ(CString("断层"), o->GetTypeName());
    fx.layer.DeleteObject(&plainA);
    fx.layer.DeleteObject(&plainB);
}
