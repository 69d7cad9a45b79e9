#include "hostlibs/Zephyr/PlotFixture.h"

#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
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

namespace zephyr {

namespace {

// Keeps the call log as it was while a plot is built.
class QuietLog {
public:
    QuietLog() : m_was(parsnip::testing::IsCallLogEnabled()) { parsnip::testing::EnableCallLog(false); }
    ~QuietLog() { parsnip::testing::EnableCallLog(m_was); }
    QuietLog(const QuietLog&) = delete;
    QuietLog& operator=(const QuietLog&) = delete;

private:
    bool m_was;
};

}  // namespace

PlotFixture::PlotFixture() : m_well(std::make_unique<CWpWell>()) {
    QuietLog quiet;
    m_well->SetName("井1");
    m_well->SetTitleText("井1");
}

PlotFixture::~PlotFixture() = default;

void PlotFixture::Attach(CWpKit* parent, CWpKit* kit, const char* title) {
    QuietLog quiet;
    kit->SetTitleText(title);
    (parent ? parent : m_well.get())->AddChild(kit);
}

CWpDepth* PlotFixture::AddDepth(const char* title) { return Add<CWpDepth>(m_well.get(), title); }
CWpTrack* PlotFixture::AddTrack(const char* title) { return Add<CWpTrack>(m_well.get(), title); }

void PlotFixture::BuildSample() {
    AddDepth("深度");
    CWpTrack* first = AddTrack("曲线道1");
    Add<CWpCurve>(first, "GR");
    Add<CWpCurve>(first, "SP");
    CWpTrack* second = AddTrack("曲线道2");
    Add<CWpCurve>(second, "AC");
    Add<CWpCurve>(second, "RT");
    CWpTrack* misc = AddTrack("综合道");
    Add<CWpProgram>(misc, "程序");
    Add<CWpContent>(misc, "内容");
    Add<CWpSegment>(misc, "分段");
    Add<CWpPicture>(misc, "图片");
    Add<CWpOilTest>(misc, "试油");
    Add<CWpText>(misc, "文本");
    Add<CWpParam>(misc, "参数");
    Add<CWpResult>(misc, "解释结果");
    Add<CWpSidewallCore>(misc, "井壁取芯");
    Add<CWpSandStratum>(misc, "砂层组");
    Add<CWpWaterEntry>(misc, "产液剖面");
    Add<CWpSand>(misc, "砂岩");
    Add<CWpFacies>(misc, "沉积相");
    Add<CWpCorelith>(misc, "岩性");
    Add<CWpShoot>(misc, "射孔");
    Add<CWpLthSample>(misc, "岩样");
    Add<CWpStratum>(misc, "地层");
    Add<CWpIntegratedCore>(misc, "取芯综合");
    Add<CWpSymble>(misc, "符号");
    Add<CWpSymbleTexture>(misc, "层理");
    Add<CWpSymbleCycle>(misc, "旋回");
    Add<CWpSymbleShoot>(misc, "射孔符号");
    Add<CWpKit>(m_well.get(), "组件");
    Add<CWpInWell>(m_well.get(), "井内井");
}

void PlotFixture::BuildTracks(int tracks, int kits) {
    for (int t = 0; t < tracks; ++t) {
        CWpTrack* track = AddTrack("道");
        for (int k = 0; k < kits; ++k) Add<CWpCurve>(track, "曲线");
    }
}

std::vector<CWpKit*> PlotFixture::AllKits() const {
    std::vector<CWpKit*> kits{m_well.get()};
    for (size_t i = 0; i < kits.size(); ++i)  // breadth first keeps every parent before its kits
        for (int c = 0; c < kits[i]->ChildrenCount(); ++c) kits.push_back(kits[i]->GetChild(c));
    return kits;
}

}  // namespace zephyr
