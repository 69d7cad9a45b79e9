// Well-plot kits: kinds and class tree, picture segments, sand-stratum options, shared
// segment data, the observer pair, drawing kits and the stamp policy of the kit library.
#include <gtest/gtest.h>

#include <stdexcept>

#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/InWpContent.h"
#include "hosttypes/Zephyr/InWpKit.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"

namespace {

class WellPlotKits : public ::testing::Test {
protected:
    void SetUp() override { zephyr::testing::Reset(); }
};

template <class Kit>
int KindOf() {
    Kit kit;
    return kit.GetWpKitType();
}

TEST_F(WellPlotKits, EveryKitAnswersItsKind) {
    EXPECT_EQ(0, KindOf<CWpKit>());
    EXPECT_EQ(1, KindOf<CWpWell>());
    EXPECT_EQ(2, KindOf<CWpInWell>());
    EXPECT_EQ(3, KindOf<CWpTrack>());
    EXPECT_EQ(4, KindOf<CWpDepth>());
    EXPECT_EQ(5, KindOf<CWpContent>());
    EXPECT_EQ(6, KindOf<CWpCurve>());
    EXPECT_EQ(7, KindOf<CWpResult>());
    EXPECT_EQ(8, KindOf<CWpOilTest>());
    EXPECT_EQ(9, KindOf<CWpSegment>());
    EXPECT_EQ(10, KindOf<CWpPicture>());
    EXPECT_EQ(12, KindOf<CWpWaterEntry>());
    EXPECT_EQ(13, KindOf<CWpText>());
    EXPECT_EQ(14, KindOf<CWpLthSample>());
    EXPECT_EQ(15, KindOf<CWpCorelith>());
    EXPECT_EQ(16, KindOf<CWpShoot>());
    EXPECT_EQ(17, KindOf<CWpFacies>());
    EXPECT_EQ(18, KindOf<CWpSand>());
    EXPECT_EQ(19, KindOf<CWpSymble>());
    EXPECT_EQ(20, KindOf<CWpStratum>());
    EXPECT_EQ(21, KindOf<CWpSandStratum>());
    EXPECT_EQ(23, KindOf<CWpProgram>());
    EXPECT_EQ(24, KindOf<CWpSymbleTexture>());
    EXPECT_EQ(25, KindOf<CWpSymbleCycle>());
    EXPECT_EQ(26, KindOf<CWpSymbleShoot>());
}

TEST_F(WellPlotKits, ClassTreeKeepsTheDispatchRowsReachable) {
    CWpCurve curve;
    EXPECT_TRUE(curve.IsKindOf(RUNTIME_CLASS(CWpContent)));
    EXPECT_TRUE(curve.IsKindOf(RUNTIME_CLASS(CQXObject)));
    CWpSymbleShoot symbleShoot;
    EXPECT_TRUE(symbleShoot.IsKindOf(RUNTIME_CLASS(CWpSymble)));
    EXPECT_TRUE(symbleShoot.IsKindOf(RUNTIME_CLASS(CWpSegment)));
    EXPECT_FALSE(symbleShoot.IsKindOf(RUNTIME_CLASS(CWpShoot)));
    CWpDepth depth;
    EXPECT_FALSE(depth.IsKindOf(RUNTIME_CLASS(CWpTrack)));
    for (CWpKit* kit : std::initializer_list<CWpKit*>{new CWpShoot, new CWpStratum, new CWpCorelith, new CWpLthSample,
                                                      new CWpSand, new CWpFacies, new CWpIntegratedCore}) {
        EXPECT_TRUE(kit->IsKindOf(RUNTIME_CLASS(CWpSegment))) << kit->GetRuntimeClass()->m_lpszClassName;
        delete kit;
    }
    CWpWell well;
    EXPECT_NE(nullptr, dynamic_cast<Observee*>(static_cast<CQXObject*>(&well)));
    EXPECT_STREQ("CWpSandStratum", CWpSandStratum().GetRuntimeClass()->m_lpszClassName);
}

TEST_F(WellPlotKits, PictureSegmentDefaultsGeometryAndLock) {
    CgPicSegment seg;
    EXPECT_TRUE(seg.GetPictureName().IsEmpty());
    EXPECT_DOUBLE_EQ(1.0, seg.GetBaseZoom());
    EXPECT_FALSE(seg.IsScaleLock());

    seg.SetRect(0, 100, 200, 0);
    EXPECT_DOUBLE_EQ(200, seg.GetWidth());
    EXPECT_DOUBLE_EQ(100, seg.GetHeight());
    EXPECT_DOUBLE_EQ(0.5, seg.GetScale());
    seg.SwitchScaleLock();
    EXPECT_TRUE(seg.IsScaleLock());
    seg.SwitchScaleLock();
    EXPECT_FALSE(seg.IsScaleLock());
    seg.LockScale();
    EXPECT_TRUE(seg.IsScaleLock());
    seg.UnlockScale();
    EXPECT_FALSE(seg.IsScaleLock());
}

TEST_F(WellPlotKits, PictureSegmentCopyTakesEveryField) {
    CgPicSegment seg;
    seg.SetRect(1, 9, 5, 3);
    seg.SetDetaX(0.25);
    seg.SetDetaY(-0.5);
    seg.set_id(42);
    seg.SetPictureName("岩心照片.bmp");
    seg.LockScale();
    seg.SetActive();
    seg.SetBaseZoom(2.5);
    CgPicSegment copy(seg);
    EXPECT_DOUBLE_EQ(1, copy.GetLeft());
    EXPECT_DOUBLE_EQ(5, copy.GetRight());
    EXPECT_DOUBLE_EQ(9, copy.GetTop());
    EXPECT_DOUBLE_EQ(3, copy.GetBottom());
    EXPECT_DOUBLE_EQ(0.25, copy.GetDetaX());
    EXPECT_DOUBLE_EQ(-0.5, copy.GetDetaY());
    EXPECT_EQ(42u, copy.get_id());
    EXPECT_EQ(CString("岩心照片.bmp"), copy.GetPictureName());
    EXPECT_TRUE(copy.IsScaleLock());
    EXPECT_TRUE(copy.IsActive());
    EXPECT_DOUBLE_EQ(2.5, copy.GetBaseZoom());
}

TEST_F(WellPlotKits, PictureActiveSegmentFollowsTheStoredIndex) {
    CWpPicture picture;
    EXPECT_EQ(nullptr, picture.GetActiveSeg());
    EXPECT_TRUE(picture.AddSegment());
    EXPECT_EQ(0, picture.GetSegCount());
    CgPicSegment* first = picture.AppendSegment(CgPicSegment());
    CgPicSegment* second = picture.AppendSegment(CgPicSegment());
    picture.SetActiveSegIndex(1);
    EXPECT_EQ(second, picture.GetActiveSeg());
    picture.SetActiveSegIndex(0);
    EXPECT_EQ(first, picture.GetActiveSeg());
    picture.SetActiveSegIndex(2);
    EXPECT_EQ(nullptr, picture.GetActiveSeg());
}

TEST_F(WellPlotKits, SandStratumOptionsAndGrade) {
    CWpSandStratum kit;
    EXPECT_EQ(0u, kit.GetFillOptionCount());
    EXPECT_EQ(0u, kit.GetLineOptionCount());
    EXPECT_EQ(0u, kit.GetTextOptionCount());
    EXPECT_THROW(kit.GetFillOption(0), std::out_of_range);

    kit.SetOptionRows(2);
    ASSERT_EQ(2u, kit.GetTextOptionCount());
    EXPECT_TRUE(kit.GetFillOption(1).show);
    EXPECT_EQ('\0', kit.GetLineOption(0).name[0]);
    kit.GetTextOption(1).decimals = 4;  // the reference is the kit's own row
    EXPECT_EQ(4, kit.GetTextOption(1).decimals);
    EXPECT_THROW(kit.GetLineOption(2), std::out_of_range);
    EXPECT_THROW(kit.GetTextOption(2), std::out_of_range);

    zephyr::testing::ClearCallLog();
    const uint64_t before = kit.GetTimeStamp();
    kit.Grade(3);
    EXPECT_EQ(3, kit.Grade());
    EXPECT_EQ(std::vector<std::string>{"CWpSandStratum::UpdateD2V"}, zephyr::testing::CallLog());
    EXPECT_GT(kit.GetTimeStamp(), before);

    kit.ValidSameDistance(true);
    kit.OnlyInStratum(true);
    kit.DataType(DATA_GRAPHIC);
    EXPECT_TRUE(kit.ValidSameDistance());
    EXPECT_FALSE(kit.UseShootData());
    EXPECT_TRUE(kit.OnlyInStratum());
    EXPECT_EQ(DATA_GRAPHIC, kit.DataType());
}

// Exposes the protected segment-data release.
class SegmentKit : public CWpSegment {
public:
    using CWpSegment::IniSegData;
};

TEST_F(WellPlotKits, ReleasingSegmentDataKeepsOtherHoldersAlive) {
    WPSEGMENT a;
    a.data = WpSegDataRef(new WPSEGDATA{7, 1.5, 2.0, 0.75});
    WPSEGMENT b = a;
    EXPECT_EQ(2, a.data.UseCount());

    SegmentKit kit;
    kit.IniSegData(a);
    EXPECT_EQ(nullptr, a.data.Get());
    EXPECT_EQ(1, a.data.UseCount());
    ASSERT_NE(nullptr, b.data.Get());
    EXPECT_EQ(7, b.data.Get()->runNumber);
    EXPECT_EQ(1, b.data.UseCount());

    kit.IniSegData(b);  // last holder: the data goes
    EXPECT_EQ(nullptr, b.data.Get());
    EXPECT_EQ(1, b.data.UseCount());
    kit.IniSegData(b);  // an empty record stays empty
    EXPECT_EQ(nullptr, b.data.Get());
}

TEST_F(WellPlotKits, OilTestReachesItsWellsData) {
    CWpOilTest oilTest;
    EXPECT_EQ(nullptr, oilTest.GetDataMgr());
    CWpWell well;
    oilTest.SetWell(&well);
    EXPECT_EQ(nullptr, oilTest.GetDataMgr());
    auto* data = new WDMgrIO;
    well.SetDataMgr(data);
    EXPECT_EQ(data, oilTest.GetDataMgr());
    EXPECT_EQ(DEPTH_MEASURED, data->GetDepthType());

    EXPECT_EQ(nullptr, oilTest.GetActiveSeg());
    oilTest.GetSegList().push_back(new CgOilTestSegment);
    oilTest.GetSegList().push_back(new CgOilTestSegment);
    oilTest.SetActiveSegIndex(1);
    EXPECT_EQ(oilTest.GetSegList().back(), oilTest.GetActiveSeg());
    EXPECT_EQ(2, oilTest.GetSegCount());
    oilTest.GetColWidth()->push_back(0.5f);
    EXPECT_EQ(1u, oilTest.GetColWidth()->size());
}

TEST_F(WellPlotKits, ReferenceGettersHandOutTheKitsOwnValues) {
    CWpCorelith corelith;
    corelith.GetNameFont().SetFaceName("宋体");
    EXPECT_EQ(CString("宋体"), corelith.GetNameFont().GetFaceName());
    CWpParam param;
    param.GetTextFont().size = 1200;
    EXPECT_FLOAT_EQ(1200, param.GetTextType().size);  // one font under both names
    param.SetTopHLine(true);
    param.SetRectBColorTemp("红色");
    EXPECT_TRUE(param.IsTopHLine());
    EXPECT_FALSE(param.IsMidHLine());
    EXPECT_EQ(CString("红色"), param.GetRectBColorTemp());
    CWpLthSample sample;
    QXLOGPEN pen = sample.GetSegLogPen();  // by value: a copy
    pen.color = RGB(1, 2, 3);
    EXPECT_EQ(0u, sample.GetSegLogPen().color);
    sample.SetSegLogPen(pen);
    EXPECT_EQ(RGB(1, 2, 3), sample.GetSegLogPen().color);
    CWpStratum stratum;
    stratum.SetFaultPointVisible(true);
    EXPECT_EQ(1, stratum.IsFaultPointVisible());
}

class CountingObserver : public Observer {
public:
    void OnNotify(Observee* subject) override {
        ++calls;
        last = subject;
    }
    int calls = 0;
    Observee* last = nullptr;
};

TEST_F(WellPlotKits, ObserverPairCopiesAndNotifies) {
    CWpTrack track;
    CountingObserver first, second;
    track.Attach(&first);
    track.Attach(&second);
    track.Attach(&first);  // once only
    EXPECT_FALSE(track.CheckNotify());

    Observee copy(track);
    EXPECT_EQ(track.GetObservers(), copy.GetObservers());
    Observee assigned;
    assigned = track;
    EXPECT_EQ(2u, assigned.GetObservers().size());

    second.SetSubject(&track);
    Observer observerCopy(second);
    EXPECT_EQ(static_cast<Observee*>(&track), observerCopy.GetSubject());

    zephyr::testing::ClearCallLog();
    second.NotifyObservee();
    EXPECT_EQ(1, first.calls);
    EXPECT_EQ(1, second.calls);
    EXPECT_EQ(static_cast<Observee*>(&track), first.last);
    EXPECT_EQ((std::vector<std::string>{"Observer::NotifyObservee", "Observee::Notify"}), zephyr::testing::CallLog());
}

TEST_F(WellPlotKits, DrawingKits) {
    InWpWell well;
    well.SetData(new WDMgrIO);
    well.ClearData();
    EXPECT_EQ(nullptr, well.GetData());
    well.ClearData();  // nothing held: nothing to do
    EXPECT_TRUE(well.IsEmpty());
    well.AddChild(new InWpTrack);
    EXPECT_FALSE(well.IsEmpty());

    InWpDepth depth;
    depth.SetLabelInterval(5, 2.5);
    EXPECT_DOUBLE_EQ(12.5, depth.GetLabelInterval());

    InWpCurve curve;
    EXPECT_TRUE(curve.GetLeftBorder().empty());
    curve.SetShowScale(InWpCurve::SCALE_HIDE);
    EXPECT_EQ(InWpCurve::SCALE_HIDE, curve.GetShowScale());
}

TEST_F(WellPlotKits, LibrarySettersStampHeaderSettersDoNot) {
    CWpWell well;
    CWpSand* sand = new CWpSand;
    well.AddChild(sand);
    EXPECT_EQ(&well, sand->GetWell());
    EXPECT_EQ(&well, sand->GetParent());
    EXPECT_EQ(sand, well.GetChild(0));
    EXPECT_EQ(nullptr, well.GetChild(1));

    uint64_t stamp = sand->GetTimeStamp();
    sand->SetFill(true);
    sand->SetFillColor(RGB(255, 0, 0));
    EXPECT_EQ(stamp, sand->GetTimeStamp());
    sand->SetTitleText("砂体");
    EXPECT_GT(sand->GetTimeStamp(), stamp);

    stamp = well.GetTimeStamp();
    well.SetDepthType(DEPTH_VERTICAL);
    EXPECT_GT(well.GetTimeStamp(), stamp);
    EXPECT_EQ(DEPTH_VERTICAL, well.GetDepthType());

    stamp = well.GetTimeStamp();
    zephyr::testing::Touch(&well);
    EXPECT_GT(well.GetTimeStamp(), stamp);
}

}  // namespace
