// The plane-map creator: which window each map object and layer opens (run-time class first, then
// type names, first match winning), the rows that answer NULL until their lists are built, the
// fault middle line's old name, the digitising host's contour sheet and the windows that cannot be
// made.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlaneListFixture.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListFaciesLine.h"
#include "planemap/PropListFaultBlock.h"
#include "planemap/PropListFaultLine.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListOilWaterLine.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListSandFill.h"
#include "planemap/PropListScatteredAppendControlPoint.h"
#include "planemap/layers/LayerDataPages.h"
#include "planemap/layers/PlanePropWndCreator.h"
#include "planemap/layers/PropListStratumMapLines.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/PropListWellBaseLine.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellSymbol.h"

namespace {

// The window the creator opens for the object, or NULL; the test owns it.
class Opened {
public:
    Opened(CWnd* wnd) : wnd_(wnd) {}
    ~Opened() {
        if (wnd_) platform::DestroyAndDelete(wnd_);
    }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    template <class T>
    bool Is() const {
        return dynamic_cast<T*>(wnd_) != nullptr;
    }
    CWnd* get() const { return wnd_; }
    std::vector<std::string> Tabs() const {
        auto* sheet = dynamic_cast<CPropWndMgr*>(wnd_);
        return sheet ? platform::TabCaptions(*sheet) : std::vector<std::string>{};
    }

private:
    CWnd* wnd_;
};

struct CreatorWorld {
    parsnip::MapFixture map;
    planetest::HostWindows host;
    CWnd* Open(CQXObject* object) { return CPlanePropWndCreator::CreateObjProp(object, &host.frame); }
    CWnd* OpenLayer(CQXLayer* layer) { return CPlanePropWndCreator::CreateLayerProp(layer, &host.frame); }
    CQXLayer* Layer(const char* kind) { return map.AddLayer(kind, kind); }
};

// Restores the executable path the platform reports.
struct ExecutablePath {
    explicit ExecutablePath(const char* path) : old(platform::Responder::Instance().ExecutablePath()) {
        platform::Responder::Instance().SetExecutablePath(path);
    }
    ~ExecutablePath() { platform::Responder::Instance().SetExecutablePath(old); }
    std::string old;
};

}  // namespace

// ---- objects --------------------------------------------------------------------------------------------

TEST(PlaneCreator, ObjectsOpenTheListOfTheirClassAndTypeName) {
    CreatorWorld w;
    // A circle is a line too: its own row comes first.
    EXPECT_TRUE(Opened(w.Open(w.map.Add<CQXObjectCircle>("圆"))).Is<CPropListEllipse>());
    EXPECT_TRUE(Opened(w.Open(w.map.AddPoint("虚拟井", {0, 0}, w.Layer("离散属性边界线"))))
                    .Is<CPropListScatteredAppendControlPoint>());
    EXPECT_TRUE(Opened(w.Open(w.map.AddPoint("虚拟井", {0, 0}, w.Layer("断层")))).Is<CPropListPoint>());
    EXPECT_TRUE(Opened(w.Open(w.map.Add<CQXObjectContour>("沉积相线"))).Is<CPropListFaciesLine>());
    EXPECT_TRUE(Opened(w.Open(w.map.AddFill("有效区域", {{0, 0}, {1, 0}, {1, 1}}))).Is<CPropListSandFill>());
    EXPECT_TRUE(Opened(w.Open(w.map.AddText("标注", "1.5", {0, 0}, w.Layer("点")))).Is<CPropListPointText>());
}

TEST(PlaneCreator, OilWaterBorderLinesOpenByTheirLayersKind) {
    CreatorWorld w;
    EXPECT_TRUE(
        Opened(w.Open(w.map.AddPolyline("油水边界线", {{0, 0}, {1, 1}}, w.Layer("油水边界")))).Is<CPropListOWLine>());
    Opened onPoints(w.Open(w.map.AddPolyline("油水边界线", {{0, 0}, {1, 1}}, w.Layer("点"))));
    EXPECT_TRUE(onPoints.Is<CPropListLine>());
    EXPECT_FALSE(onPoints.Is<CPropListOWLine>());
    CQXLayer* stratumMap = w.Layer("小层平面图");
    EXPECT_TRUE(Opened(w.Open(w.map.AddPolyline("油水边界线", {{0, 0}, {1, 1}}, stratumMap)))
                    .Is<CPropListOilWaterBorderLine>());
    EXPECT_TRUE(Opened(w.Open(w.map.AddPolyline("砂岩尖灭线", {{0, 0}, {1, 1}}, stratumMap))).Is<CPropListPinchOutLine>());
    EXPECT_TRUE(
        Opened(w.Open(w.map.AddPolyline("有效厚度零线", {{0, 0}, {1, 1}}, stratumMap))).Is<CPropListValidThickLine>());
}

TEST(PlaneCreator, TheFirstMatchingClassDecidesEvenWhenItsRowHasNoListYet) {
    CreatorWorld w;
    // The type name is tested before the layer's kind; a contour of a well-row line's type name
    // takes the line dispatch.
    EXPECT_TRUE(Opened(w.Open(w.map.AddPoint("井位", {0, 0}))).Is<CPropListWellSymbol>());
    EXPECT_TRUE(Opened(w.Open(w.map.AddText("井名", "W1", {0, 0}, w.Layer("点")))).Is<CPropListWellLabel>());
    EXPECT_TRUE(Opened(w.Open(w.map.Add<CQXObjectContour>("井排线"))).Is<CPropListWellBaseLine>());

    // A fault block lacking one of its three parts opens nothing, not a later class's list.
    auto* block = w.map.Add<CQXObjectBlock>("断层");
    for (const char* part : {"上盘", "断层多边形"}) {
        auto* line = new CQXObjectLine;
        line->SetTypeName(part);
        block->AddObject(line);
    }
    EXPECT_EQ(nullptr, Opened(w.Open(block)).get());
    auto* footwall = new CQXObjectLine;
    footwall->SetTypeName("下盘");
    block->AddObject(footwall);
    EXPECT_TRUE(Opened(w.Open(block)).Is<CPropListFaultBlock>());
}

TEST(PlaneCreator, TheOldMiddleLineNameIsReplacedAndOpensTheFaultLineList) {
    CreatorWorld w;
    CQXObjectPolyline* line = w.map.AddPolyline("倾向", {{0, 0}, {1, 1}});
    EXPECT_TRUE(Opened(w.Open(line)).Is<CPropListFaultLine>());
    EXPECT_EQ("断层中线", std::string(line->GetTypeName().GetString()));
}

TEST(PlaneCreator, NothingOpensWithoutParentLayerOrWindow) {
    CreatorWorld w;
    CQXObjectPolyline* line = w.map.AddPolyline("倾向", {{0, 0}, {1, 1}});
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateObjProp(line, nullptr));
    EXPECT_EQ("倾向", std::string(line->GetTypeName().GetString()));  // nothing read or changed
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateObjProp(nullptr, &w.host.frame));
    CQXObjectLine loose;  // in no layer
    EXPECT_EQ(nullptr, w.Open(&loose));

    // A parent that has no window: neither a list nor a sheet can be made, and none is left over.
    CWnd windowless;
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateObjProp(line, &windowless));
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateObjProp(w.map.Add<CQXObjectBorder>("边框"), &windowless));
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateLayerProp(w.Layer("线"), &windowless));
}

TEST(PlaneCreator, ABorderOpensItsThreePageSheet) {
    CreatorWorld w;
    Opened sheet(w.Open(w.map.Add<CQXObjectBorder>("边框")));
    EXPECT_EQ(sheet.Tabs(), (std::vector<std::string>{"边框", "格网", "标注"}));
}

// ---- layers ---------------------------------------------------------------------------------------------

TEST(PlaneCreator, LayersOpenTheSheetOfTheirKind) {
    CreatorWorld w;
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("控制线"))).Tabs(), (std::vector<std::string>{"数据", "控制线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("边界"))).Tabs(), (std::vector<std::string>{"数据", "边界"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("线"))).Tabs(), (std::vector<std::string>{"数据", "线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("通用"))).Tabs(), (std::vector<std::string>{"数据"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("点"))).Tabs(), (std::vector<std::string>{"数据", "点"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("井位"))).Tabs(),
              (std::vector<std::string>{"数据", "井名", "井符号", "井排线", "缺失标志"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("剖面"))).Tabs(), (std::vector<std::string>{"数据", "层段剖面", "连通线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("连通井网"))).Tabs(),
              (std::vector<std::string>{"数据", "连通井网线", "连通井网区"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("小层平面图"))).Tabs(), (std::vector<std::string>{"数据", "线", "填充"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("断层"))).Tabs(), (std::vector<std::string>{"数据", "断层线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("砂体"))).Tabs(), (std::vector<std::string>{"数据", "砂体分布线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("油水填充"))).Tabs(), (std::vector<std::string>{"数据", "油水分布线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("区域边界"))).Tabs(), (std::vector<std::string>{"数据", "区划线"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("沉积相填充"))).Tabs(), (std::vector<std::string>{"数据", "相带线", "虚拟井"}));
    EXPECT_EQ(Opened(w.OpenLayer(w.Layer("离散属性边界线"))).Tabs(),
              (std::vector<std::string>{"数据", "离散属性边界线", "虚拟井"}));
}

TEST(PlaneCreator, UnknownLayerKindsRowsWithoutTheirListsAndNoParentOpenNothing) {
    CreatorWorld w;
    EXPECT_EQ(nullptr, Opened(w.OpenLayer(w.Layer("图层X"))).get());
    EXPECT_EQ(nullptr, Opened(w.OpenLayer(w.Layer("断层 "))).get());  // kinds are compared whole
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateLayerProp(w.Layer("线"), nullptr));
    EXPECT_EQ(nullptr, CPlanePropWndCreator::CreateLayerProp(nullptr, &w.host.frame));
}

// ---- the digitising host -----------------------------------------------------------------------------------

TEST(PlaneCreator, TheDigitisingHostIsKnownByItsFileNamesPrefix) {
    for (const char* yes : {"/opt/QUILLMARK.exe", "D:quillmark7", "C:\\x\\QuillMark", "quillmark"})
        EXPECT_TRUE(planecreator::IsDigitisingHost(yes)) << yes;
    for (const char* no : {"/opt/myquillmark", "/opt/quillmark/host", "quillmar", "", "C:\\quill mark.exe"})
        EXPECT_FALSE(planecreator::IsDigitisingHost(no)) << no;
    EXPECT_FALSE(planecreator::IsDigitisingHost(nullptr));
}

TEST(PlaneCreator, TheDigitisingHostsContourSheetHasTheLinePageOnly) {
    CreatorWorld w;
    {
        ExecutablePath path("/opt/QuillMark.exe");
        EXPECT_EQ(Opened(w.OpenLayer(w.Layer("等值线"))).Tabs(), (std::vector<std::string>{"等值线"}));
    }
    {
        ExecutablePath path("/opt/quill");
        EXPECT_EQ(Opened(w.OpenLayer(w.Layer("等值填充"))).Tabs(), (std::vector<std::string>{"数据", "等值线", "等值区"}));
    }
}

TEST(PlaneCreator, PagesLeftOutInTheDigitisingHostOnly) {
    CreatorWorld w;
    const planecreator::SheetPages pages{{
        {"数据", +[]() -> CWndLstPlane* { return new CPropListGeneralLayerData; }, true},
        {"线", +[]() -> CWndLstPlane* { return new CPropListLineLayerLine; }, false},
        {"等值区", +[]() -> CWndLstPlane* { return new CPropListGeneralLayerData; }, true},
    }};
    {
        ExecutablePath path("/opt/QuillMark-2.exe");
        EXPECT_EQ(Opened(planecreator::CreateSheet(pages, &w.host.frame)).Tabs(), (std::vector<std::string>{"线"}));
    }
    {
        ExecutablePath path("/opt/myquillmark");
        EXPECT_EQ(Opened(planecreator::CreateSheet(pages, &w.host.frame)).Tabs(),
                  (std::vector<std::string>{"数据", "线", "等值区"}));
    }
}

TEST(PlaneCreator, ATabFirstShownAfterTheSelectionMessageWritesNothingUntilTheNext) {
    CreatorWorld w;
    CQXLayer* lines = w.Layer("线");
    Opened sheet(w.OpenLayer(lines));
    auto* mgr = dynamic_cast<CPropWndMgr*>(sheet.get());
    ASSERT_NE(nullptr, mgr);
    platform::SendSelectionChanged(*mgr, &w.host.view, reinterpret_cast<LPARAM>(lines));
    ASSERT_TRUE(platform::ChooseTab(*mgr, 1));
    auto* page = dynamic_cast<CWndPag*>(mgr->GetPage(1));
    auto* list = page ? dynamic_cast<CPropListLineLayerLine*>(page->GetWndLst()) : nullptr;
    ASSERT_NE(nullptr, list);
    platform::GridDriver grid(&list->GetPropList());

    parsnip::testing::ClearCallLog();
    grid.TypeText(grid.FindByData(CPropListLineLayerLine::kWidthId), "2");
    EXPECT_TRUE(parsnip::testing::CallLog().empty());

    platform::SendSelectionChanged(*mgr, &w.host.view, reinterpret_cast<LPARAM>(lines));
    grid.TypeText(grid.FindByData(CPropListLineLayerLine::kWidthId), "2");
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CLineLayer::SetPen", lines));
}
