// The reference page (plane maps of the project folder, their layers, the reference information
// the page keeps alive) and the object pages, whose edits reach the active objects of their own
// kind only.
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <boost/make_shared.hpp>
#include <fstream>

#include "ProfileFixture.h"
#include "ProfilelineProp/PlLayerReferenceInfo.h"
#include "ProfilelineProp/PlProfilelineProperty.h"
#include "ProfilelineProp/PlWellSymbolProperty.h"
#include "ProfilelineProp/PlWellTrackProperty.h"
#include "ProfilelineProp/wellnameproperty.h"
#include "bcg/ColorProp.h"
#include "hostlibs/Harrow/HarrowTesting.h"
#include "hosttypes/Harrow/HarrowUtility.h"
#include "hosttypes/Harrow/KelProject.h"
#include "win32/Win32.h"

namespace fs = boost::filesystem;
using namespace pltest;
using Texts = std::vector<std::string>;

namespace {

// A project whose "\Map\Plane" folder holds the plane maps named, and goes away with the test.
class ProjectFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tessaly-profile-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_ / "Map" / "Plane");
        // The host names folders with '\'.
        std::string path = root_.string();
        for (char& c : path)
            if (c == '/') c = '\\';
        harrow::testing::SetProjectPath(path.c_str());
        info_ = boost::make_shared<CPlRefrenceInfo>();
        info_->SetLayerProperty(Layer());
        g_.entity.SetRefrenceInfo(info_);
    }
    void TearDown() override { fs::remove_all(root_); }
    void AddMap(const std::string& file) { std::ofstream(root_ / "Map" / "Plane" / file) << "map"; }

    fs::path root_;
    SampleGraph g_;
    boost::shared_ptr<CPlRefrenceInfo> info_;
};

TEST_F(ProjectFolder, PlaneMapsAreListedByNameAndBackslashesSeparateFolders) {
    AddMap("B.LVN");
    AddMap("A.LVN");
    AddMap("notes.txt");
    AddMap("lower.lvn");
    fs::create_directories(root_ / "Map" / "Plane" / "dir.LVN");
    std::vector<std::string> names;
    const CString folder = CKelProject::Instance()->GetProjectPath() + "\\Map\\Plane";
    EXPECT_EQ(CHarrowUtility::FindFile(folder, names), 2);
    EXPECT_EQ(names, (Texts{"A", "B"}));
    EXPECT_NE(GetFileAttributesA(folder + "\\A.LVN"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(folder + "\\C.LVN"), INVALID_FILE_ATTRIBUTES);
    names.clear();
    EXPECT_EQ(CHarrowUtility::FindFile(folder + "\\absent", names), 0);
    EXPECT_TRUE(names.empty());
}

TEST_F(ProjectFolder, OffersThePlaneMapsAndTheLayersOfTheReferenceMap) {
    AddMap("A.LVN");
    AddMap("B.LVN");
    Layer()->m_strPlaneMapFile = "B";
    Layer()->m_bShowReferenceMap = true;
    info_->AddShowLayer("等值线", true);
    info_->AddShowLayer("断层", false);
    OpenList<CPlLayerReferenceInfo> page(new CPlLayerReferenceInfo(&g_.entity));
    page.Show(&g_.entity);
    EXPECT_EQ(page.Options(CPlLayerReferenceInfo::kPlaneMapId), (Texts{"", "A", "B"}));
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kPlaneMapId), "B");
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kShowId), "是");
    CBCGPProp* first = page.Item(CPlLayerReferenceInfo::kFirstLayerId);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetName().str(), "等值线");
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kFirstLayerId), "是");
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kFirstLayerId + 1), "否");

    const uint64_t before = g_.entity.GetObjTimeStamp();
    ASSERT_TRUE(page.Pick(CPlLayerReferenceInfo::kPlaneMapId, "A"));
    EXPECT_EQ(CountLogged("CPlRefrenceInfo::SetFileName(A)"), 1);
    EXPECT_NE(g_.entity.GetObjTimeStamp(), before);
    ASSERT_TRUE(page.Pick(CPlLayerReferenceInfo::kFirstLayerId + 1, "是"));
    EXPECT_EQ(info_->GetShowLayerVisible(1), 1);
    // From code, a layer is shown only for "是": any other text hides it and shows "否".
    page.Report(CPlLayerReferenceInfo::kFirstLayerId + 1, "显示");
    EXPECT_EQ(info_->GetShowLayerVisible(1), 0);
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kFirstLayerId + 1), "否");

    info_->AddShowLayer("沉积相", false);
    ASSERT_TRUE(page.Pick(CPlLayerReferenceInfo::kShowId, "否"));
    page.Show(&g_.entity);
    EXPECT_NE(page.Item(CPlLayerReferenceInfo::kFirstLayerId + 2), nullptr) << "rebuilt from what is offered now";
    EXPECT_EQ(page.Item(CPlLayerReferenceInfo::kFirstLayerId)->GetParent()->GetSubItemsCount(), 3);
    EXPECT_TRUE(page.Enabled(CPlLayerReferenceInfo::kShowId));
    for (DWORD_PTR id : {DWORD_PTR(CPlLayerReferenceInfo::kPlaneMapId), DWORD_PTR(CPlLayerReferenceInfo::kLayersId),
                         CPlLayerReferenceInfo::kFirstLayerId + 2})
        EXPECT_FALSE(page.Enabled(id)) << id;
}

TEST_F(ProjectFolder, AMissingMapIsNotShownAndAnEmptyFolderOffersNothing) {
    Layer()->m_strPlaneMapFile = "gone";
    OpenList<CPlLayerReferenceInfo> page(new CPlLayerReferenceInfo(&g_.entity));
    page.Show(&g_.entity);
    EXPECT_TRUE(page.Options(CPlLayerReferenceInfo::kPlaneMapId).empty());
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kPlaneMapId), "");
}

TEST_F(ProjectFolder, ThePageKeepsTheInformationItWasGivenAlive) {
    info_->AddShowLayer("断层", true);
    Layer()->m_bShowReferenceMap = true;
    OpenList<CPlLayerReferenceInfo> page(new CPlLayerReferenceInfo(&g_.entity));
    g_.entity.SetRefrenceInfo(boost::make_shared<CPlRefrenceInfo>());
    info_.reset();  // the container no longer holds the first information: only the page does
    g_.entity.ProChanged();
    page.Show(&g_.entity);
    EXPECT_EQ(page.Value(CPlLayerReferenceInfo::kFirstLayerId), "是");
    ASSERT_TRUE(page.Pick(CPlLayerReferenceInfo::kFirstLayerId, "否"));
    EXPECT_EQ(CountLogged("CPlRefrenceInfo::SetLayerVisible(断层,0)"), 1);

    CPlCnEntity bare;  // no reference information at all
    OpenList<CPlLayerReferenceInfo> empty(new CPlLayerReferenceInfo(&bare));
    empty.Show(&bare);
    EXPECT_EQ(empty.Value(CPlLayerReferenceInfo::kShowId), "");
}

// ---- object pages ------------------------------------------------------------------------------------

TEST(ProfileObjectPages, LineEditsReachEveryActiveLineAndNothingElse) {
    SampleGraph g;
    CPlProfileline another;
    another.SetLineType(LINE_PROJECTION);
    another.SetContainer(&g.entity);
    g.Activate({&g.projected, g.Label(0), &another});
    QXLOGFONT font;
    font.size = 750;
    g.Label(0)->SetLabelFont(font);
    OpenList<CPlProfilelineProperty> page(new CPlProfilelineProperty(&g.projected));
    page.Show(&g.projected);
    EXPECT_EQ(page.Value(CPlProfilelineProperty::kTypeId), "投影连井线");
    EXPECT_EQ(page.Value(CPlProfilelineProperty::kWidthId), "0.02") << "several objects are active";
    lodestar::testing::ClearCallLog();

    ASSERT_TRUE(page.Type(CPlProfilelineProperty::kAngleId, "180"));
    EXPECT_DOUBLE_EQ(g.projected.GetAngle(), 180);
    EXPECT_DOUBLE_EQ(another.GetAngle(), 180);
    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(CPlProfilelineProperty::kAngleId, "361"));
    ASSERT_TRUE(page.Type(CPlProfilelineProperty::kAngleId, "360"));
    EXPECT_TRUE(lodestar::testing::CallLog().empty());
    EXPECT_DOUBLE_EQ(another.GetAngle(), 180);

    ASSERT_TRUE(page.Type(CPlProfilelineProperty::kWidthId, "0.25"));
    EXPECT_FLOAT_EQ(g.projected.GetLinePen().width, 25.0f);
    EXPECT_FLOAT_EQ(another.GetLinePen().width, 25.0f);
    EXPECT_FLOAT_EQ(g.sequence.GetLinePen().width, 0.0f) << "not active";
    EXPECT_FLOAT_EQ(g.Label(0)->GetLabelFont().size, 750.0f) << "the label among the lines keeps its values";
    EXPECT_EQ(CountLogged("CWellLabel::SetLabelFont"), 0);
    EXPECT_EQ(g.entity.GetObjTimeStamp(), 0u);

    OpenList<CPlProfilelineProperty> sequence(new CPlProfilelineProperty(&g.sequence));
    EXPECT_EQ(sequence.list().GetPropList().FindItemByData(CPlProfilelineProperty::kAngleId, TRUE), nullptr);
}

TEST(ProfileObjectPages, LabelsShowNeutralValuesWhenSeveralAreActive) {
    SampleGraph g;
    QXLOGFONT font;
    font.SetFaceName("黑体");
    font.size = 1200;
    font.color = RGB(9, 9, 9);
    g.Label(0)->SetLabelFont(font);
    g.Activate({g.Label(0)});
    OpenList<CPlWellLabelProperty> page(new CPlWellLabelProperty(g.Label(0)));
    page.Show(g.Label(0));
    EXPECT_EQ(page.Value(CPlWellLabelProperty::kWellId), "W1");
    EXPECT_EQ(page.Value(CPlWellLabelProperty::kFaceId), "黑体");
    EXPECT_EQ(page.Value(CPlWellLabelProperty::kSizeId), "12.00");

    g.Activate({g.Label(0), g.Label(1), &g.sequence});
    g.Label(0)->ProChanged();
    page.Show(g.Label(0));
    EXPECT_FALSE(page.Enabled(CPlWellLabelProperty::kWellId));
    EXPECT_EQ(page.Value(CPlWellLabelProperty::kWellId), "W1") << "left as it was";
    EXPECT_EQ(page.Value(CPlWellLabelProperty::kFaceId), "");
    EXPECT_EQ(dynamic_cast<CBCGPColorProp*>(page.Item(CPlWellLabelProperty::kColorId))->GetColor(), 0u);
    EXPECT_EQ(page.Value(CPlWellLabelProperty::kSizeId), "4.00");

    // Entered and left as it shows the neutral "4.00": no edit, every label keeps its own size.
    const float second = g.Label(1)->GetLabelFont().size;
    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(page.Type(CPlWellLabelProperty::kSizeId, "4.00"));
    EXPECT_FLOAT_EQ(g.Label(0)->GetLabelFont().size, 1200.0f);
    EXPECT_FLOAT_EQ(g.Label(1)->GetLabelFont().size, second);
    EXPECT_EQ(lodestar::testing::CallLog(), Texts{});

    ASSERT_TRUE(page.Type(CPlWellLabelProperty::kSizeId, "10"));
    for (int i : {0, 1}) {
        EXPECT_FLOAT_EQ(g.Label(i)->GetLabelFont().size, 1000.0f);
        EXPECT_EQ(g.Label(i)->GetLabelFont().GetFaceName().str(), "黑体");
        EXPECT_EQ(g.Label(i)->GetLabelFont().color, RGB(9, 9, 9));
    }
    ASSERT_TRUE(page.Type(CPlWellLabelProperty::kTextId, "注"));
    EXPECT_EQ(g.Label(1)->GetLabelText().str(), "注");
}

TEST(ProfileObjectPages, SymbolAndTrackEditsReachTheirActiveKind) {
    SampleGraph g;
    g.Head(0)->SetPosition(FLOATPOINT{12.5, 30});
    g.Activate({g.Head(0), g.Head(1), g.Upper(0)});
    OpenList<CPlWellSymbolProperty> symbols(new CPlWellSymbolProperty(g.Head(0)));
    symbols.Show(g.Head(0));
    EXPECT_EQ(symbols.Value(CPlWellSymbolProperty::kTypeId), "井口符号");
    EXPECT_EQ(symbols.Value(CPlWellSymbolProperty::kWellId), "W1");
    EXPECT_FALSE(symbols.Enabled(CPlWellSymbolProperty::kXId));
    ASSERT_TRUE(symbols.Type(CPlWellSymbolProperty::kSymbolGroupId + 2, "1.5"));
    EXPECT_FLOAT_EQ(g.Head(1)->GetSymbolLogPoint().size, 150.0f);
    EXPECT_EQ(CountLogged("CWellSymbol::SetSymbolLogPoint"), 2);

    g.Activate({g.Upper(0), g.Upper(1), g.Head(0)});
    OpenList<CPlWellTrackProperty> tracks(new CPlWellTrackProperty(g.Upper(0)));
    tracks.Show(g.Upper(0));
    EXPECT_EQ(tracks.Value(CPlWellTrackProperty::kShowModeId), "");
    EXPECT_FALSE(tracks.Enabled(CPlWellTrackProperty::kTypeId));
    lodestar::testing::ClearCallLog();
    ASSERT_TRUE(tracks.Pick(CPlWellTrackProperty::kShowModeId, "直线"));
    EXPECT_EQ(g.Upper(0)->m_byStraightLine, 1);
    EXPECT_EQ(g.Upper(1)->m_byStraightLine, 1);
    EXPECT_EQ(g.well[0]->GetTrack(PL_TRACK_LOWER)->m_byStraightLine, 0);
    EXPECT_EQ(lodestar::testing::CallLog(), (Texts{"CPlContainer::RebuildTracks", "CPlContainer::UpdateWnd"}));
    // Straight only for "直线": any other text from code is the real track, on every active track.
    lodestar::testing::ClearCallLog();
    tracks.Report(CPlWellTrackProperty::kShowModeId, "曲线");
    EXPECT_EQ(g.Upper(0)->m_byStraightLine, 0);
    EXPECT_EQ(g.Upper(1)->m_byStraightLine, 0);
    EXPECT_EQ(tracks.Value(CPlWellTrackProperty::kShowModeId), "实际轨迹");
    EXPECT_EQ(lodestar::testing::CallLog(), (Texts{"CPlContainer::RebuildTracks", "CPlContainer::UpdateWnd"}));
    ASSERT_TRUE(tracks.Pick(CPlWellTrackProperty::kShowModeId, "直线"));

    g.Activate({g.Upper(1)});
    g.Upper(1)->ProChanged();
    OpenList<CPlWellTrackProperty> one(new CPlWellTrackProperty(g.Upper(1)));
    one.Show(g.Upper(1));
    EXPECT_EQ(one.Value(CPlWellTrackProperty::kShowModeId), "直线");
    EXPECT_EQ(one.Value(CPlWellTrackProperty::kTypeId), "5");

    // Only the edited field decides: a width that does not read (-100) never blocks a picked
    // colour and "自动" reads black; a size shown rounded ("2.50" for 249.96) stays as stored.
    QXLOGPEN pen = g.Upper(1)->GetLogPen();
    pen.width = -100;
    g.Upper(1)->SetLogPen(pen);
    g.Upper(1)->ProChanged();
    one.Show(g.Upper(1));
    ASSERT_TRUE(one.ChooseColor(CPlWellTrackProperty::kLastLineId, RGB(200, 0, 0)));
    EXPECT_EQ(g.Upper(1)->GetLogPen().color, RGB(200, 0, 0));
    EXPECT_EQ(g.Upper(1)->GetLogPen().width, -100);
    ASSERT_TRUE(one.ChooseAutomatic(CPlWellTrackProperty::kLastLineId));
    EXPECT_EQ(g.Upper(1)->GetLogPen().color, 0u);

    g.Activate({g.Head(1)});
    QXLOGPOINT point = g.Head(1)->GetSymbolLogPoint();
    point.size = 249.96f;
    g.Head(1)->SetSymbolLogPoint(point);
    g.Head(1)->ProChanged();
    OpenList<CPlWellSymbolProperty> symbol(new CPlWellSymbolProperty(g.Head(1)));
    symbol.Show(g.Head(1));
    ASSERT_EQ(symbol.Value(CPlWellSymbolProperty::kSymbolGroupId + 2), "2.50");
    ASSERT_TRUE(symbol.ChooseColor(CPlWellSymbolProperty::kSymbolGroupId + 3, RGB(0, 200, 0)));
    EXPECT_EQ(g.Head(1)->GetSymbolLogPoint().borderColor, RGB(0, 200, 0));
    EXPECT_EQ(g.Head(1)->GetSymbolLogPoint().size, 249.96f);
}

// A text the number item refuses writes nothing: the shown object's record is not copied to the
// other active objects, whose sizes, widths and angles stay their own, and the item shows what the
// page shows for the objects again.
TEST(ProfileObjectPages, ARefusedTextLeavesEveryActiveObjectAsItWas) {
    // The last ones are numbers, but a size or width kept in hundredths in single precision cannot
    // hold them, and no angle is that large.
    const char* const refused[] = {"abc", "-1", "1e400", "-3e87", "nan", "--2", "1e39", "3.5e38", "9e296"};
    SampleGraph g;

    QXLOGPOINT point;
    point.size = 200;
    g.Head(1)->SetSymbolLogPoint(point);
    g.Activate({g.Head(0), g.Head(1)});
    OpenList<CPlWellSymbolProperty> symbols(new CPlWellSymbolProperty(g.Head(0)));
    symbols.Show(g.Head(0));
    QXLOGPEN pen;
    pen.width = 30;
    g.Upper(1)->SetLogPen(pen);
    OpenList<CPlWellTrackProperty> tracks(new CPlWellTrackProperty(g.Upper(0)));
    QXLOGFONT font;
    font.size = 1200;
    g.Label(1)->SetLabelFont(font);
    OpenList<CPlWellLabelProperty> labels(new CPlWellLabelProperty(g.Label(0)));
    pen.width = 50;
    g.sequence.SetLinePen(pen);
    g.sequence.SetLineType(LINE_PROJECTION);
    g.sequence.SetAngle(0.004);
    OpenList<CPlProfilelineProperty> lines(new CPlProfilelineProperty(&g.projected));
    lodestar::testing::ClearCallLog();

    for (const char* text : refused) {
        EXPECT_TRUE(symbols.Type(CPlWellSymbolProperty::kSymbolGroupId + 2, text));
        EXPECT_FLOAT_EQ(g.Head(1)->GetSymbolLogPoint().size, 200.0f) << text;
    }
    EXPECT_EQ(symbols.Value(CPlWellSymbolProperty::kSymbolGroupId + 2), "0.00");

    g.Activate({g.Upper(0), g.Upper(1)});
    tracks.Show(g.Upper(0));
    for (const char* text : refused) {
        EXPECT_TRUE(tracks.Type(CPlWellTrackProperty::kFirstLineId + 1, text));
        EXPECT_FLOAT_EQ(g.Upper(1)->GetLogPen().width, 30.0f) << text;
    }

    g.Activate({g.Label(0), g.Label(1)});
    labels.Show(g.Label(0));
    for (const char* text : refused) {
        EXPECT_TRUE(labels.Type(CPlWellLabelProperty::kSizeId, text));
        EXPECT_FLOAT_EQ(g.Label(1)->GetLabelFont().size, 1200.0f) << text;
        EXPECT_FLOAT_EQ(g.Label(0)->GetLabelFont().size, 0.0f) << text;
    }
    EXPECT_EQ(labels.Value(CPlWellLabelProperty::kSizeId), "4.00");

    g.Activate({&g.projected, &g.sequence});
    lines.Show(&g.projected);
    for (const char* text : refused) {
        EXPECT_TRUE(lines.Type(CPlProfilelineProperty::kWidthId, text));
        EXPECT_TRUE(lines.Type(CPlProfilelineProperty::kAngleId, text));
        EXPECT_FLOAT_EQ(g.sequence.GetLinePen().width, 50.0f) << text;
        EXPECT_DOUBLE_EQ(g.sequence.GetAngle(), 0.004) << text;
    }
    EXPECT_TRUE(lines.Type(CPlProfilelineProperty::kAngleId, "360"));
    EXPECT_DOUBLE_EQ(g.sequence.GetAngle(), 0.004);
    // Several lines are active: the page shows its neutral width and angle.
    EXPECT_EQ(lines.Value(CPlProfilelineProperty::kWidthId), "0.02");
    EXPECT_EQ(lines.Value(CPlProfilelineProperty::kAngleId), "0.00");
    EXPECT_EQ(lodestar::testing::CallLog(), Texts{}) << "nothing set, nothing redrawn";
}

// A change reported from code with a text no reader takes, on the object pages: no active object
// takes it, nothing is drawn, and the item shows what the page shows for the objects again.
// A text refused, reported or typed, writes nothing and shows the stored value again, whoever
// refused it.
TEST(ProfileObjectPages, ARefusedTextShowsTheStoredValue) {
    SampleGraph g;
    QXLOGPOINT point;
    point.size = 200;
    g.Head(0)->SetSymbolLogPoint(point);
    QXLOGPEN pen;
    pen.width = 30;
    g.Upper(0)->SetLogPen(pen);
    g.sequence.SetLinePen(pen);
    g.sequence.SetLineType(LINE_PROJECTION);  // a projection line has an angle
    g.sequence.SetAngle(12.5);
    g.Activate({g.Head(0)});
    OpenList<CPlWellSymbolProperty> symbols(new CPlWellSymbolProperty(g.Head(0)));
    symbols.Show(g.Head(0));
    OpenList<CPlWellTrackProperty> tracks(new CPlWellTrackProperty(g.Upper(0)));
    tracks.Show(g.Upper(0));
    OpenList<CPlWellLabelProperty> labels(new CPlWellLabelProperty(g.Label(0)));
    labels.Show(g.Label(0));
    g.Activate({&g.sequence});
    OpenList<CPlProfilelineProperty> lines(new CPlProfilelineProperty(&g.sequence));
    lines.Show(&g.sequence);
    lodestar::testing::ClearCallLog();

    symbols.Report(CPlWellSymbolProperty::kSymbolGroupId + 2, "1e39");
    EXPECT_EQ("2.00", symbols.Value(CPlWellSymbolProperty::kSymbolGroupId + 2));
    tracks.Report(CPlWellTrackProperty::kFirstLineId + 1, "-1");
    EXPECT_EQ("0.30", tracks.Value(CPlWellTrackProperty::kFirstLineId + 1));
    const std::string size = labels.Value(CPlWellLabelProperty::kSizeId);
    labels.Report(CPlWellLabelProperty::kSizeId, "-1");
    EXPECT_EQ(size, labels.Value(CPlWellLabelProperty::kSizeId));
    lines.Report(CPlProfilelineProperty::kWidthId, "-2");
    EXPECT_EQ("0.30", lines.Value(CPlProfilelineProperty::kWidthId));
    lines.Report(CPlProfilelineProperty::kAngleId, "1e999");
    EXPECT_EQ("12.50", lines.Value(CPlProfilelineProperty::kAngleId));
    EXPECT_EQ(lodestar::testing::CallLog(), Texts{});
    EXPECT_FLOAT_EQ(200, g.Head(0)->GetSymbolLogPoint().size);
    EXPECT_FLOAT_EQ(30, g.Upper(0)->GetLogPen().width);
    EXPECT_DOUBLE_EQ(12.5, g.sequence.GetAngle());
    pen.width = 45;  // changed elsewhere, not refreshed
    g.Upper(0)->SetLogPen(pen);
    tracks.Type(CPlWellTrackProperty::kFirstLineId + 1, "-1");
    EXPECT_EQ("0.45", tracks.Value(CPlWellTrackProperty::kFirstLineId + 1));
    EXPECT_FLOAT_EQ(45, g.Upper(0)->GetLogPen().width);
}

// With several objects active the refresh shows neutral values that no object holds (0.02, 4.00,
// 0.00): a refused report shows the item's text from before, the value last taken, and a valid
// report after it is taken by every active object.
TEST(ProfileObjectPages, ARefusedReportWithSeveralActiveShowsTheTextFromBefore) {
    SampleGraph g({"桩1", "桩2", "桩3"});
    const std::vector<CPlObjInterface*> lineSet{&g.projected, &g.sequence};
    const std::vector<CPlObjInterface*> labelSet{g.Label(0), g.Label(1), g.Label(2)};
    const std::vector<CPlObjInterface*> trackSet{g.Upper(0), g.Upper(1), g.Upper(2)};
    g.Activate(lineSet);
    OpenList<CPlProfilelineProperty> lines(new CPlProfilelineProperty(&g.projected));
    lines.Show(&g.projected);
    ASSERT_EQ("0.02", lines.Value(CPlProfilelineProperty::kWidthId));
    g.Activate(labelSet);
    OpenList<CPlWellLabelProperty> labels(new CPlWellLabelProperty(g.Label(0)));
    labels.Show(g.Label(0));
    ASSERT_EQ("4.00", labels.Value(CPlWellLabelProperty::kSizeId));
    g.Activate(trackSet);
    OpenList<CPlWellTrackProperty> tracks(new CPlWellTrackProperty(g.Upper(0)));
    tracks.Show(g.Upper(0));
    // A step for each item, with the objects active that the item edits.
    auto each = [&](auto step) {
        g.Activate(lineSet);
        step(lines, CPlProfilelineProperty::kWidthId);
        step(lines, CPlProfilelineProperty::kAngleId);
        g.Activate(labelSet);
        step(labels, CPlWellLabelProperty::kSizeId);
        g.Activate(trackSet);
        step(tracks, CPlWellTrackProperty::kFirstLineId + 1);
    };

    each([](auto& page, DWORD_PTR id) { ASSERT_TRUE(page.Type(id, "3")) << id; });
    lodestar::testing::ClearCallLog();
    each([](auto& page, DWORD_PTR id) { page.ExpectRefusedReportsShow(id, "3.00"); });
    EXPECT_EQ(lodestar::testing::CallLog(), Texts{});

    each([](auto& page, DWORD_PTR id) { page.Report(id, "7"); });
    for (CPlProfileline* line : {&g.projected, &g.sequence}) {
        EXPECT_FLOAT_EQ(700, line->GetLinePen().width);
        EXPECT_DOUBLE_EQ(7, line->GetAngle());
    }
    for (int i : {0, 1, 2}) {
        EXPECT_FLOAT_EQ(700, g.Label(i)->GetLabelFont().size) << i;
        EXPECT_FLOAT_EQ(700, g.Upper(i)->GetLogPen().width) << i;
    }
}

}  // namespace
