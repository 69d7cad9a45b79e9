// Run-time classes, constructors and destructors of the well-plot kits.
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpSegment.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpText.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"

IMPLEMENT_DYNAMIC(CWpKit, CQXObject)
IMPLEMENT_DYNAMIC(CWpWell, CWpKit)
IMPLEMENT_DYNAMIC(CWpInWell, CWpKit)
IMPLEMENT_DYNAMIC(CWpTrack, CWpKit)
IMPLEMENT_DYNAMIC(CWpDepth, CWpKit)
IMPLEMENT_DYNAMIC(CWpContent, CWpKit)
IMPLEMENT_DYNAMIC(CWpCurve, CWpContent)
IMPLEMENT_DYNAMIC(CWpSegment, CWpContent)
IMPLEMENT_DYNAMIC(CWpPicture, CWpContent)
IMPLEMENT_DYNAMIC(CWpOilTest, CWpContent)
IMPLEMENT_DYNAMIC(CWpText, CWpContent)
IMPLEMENT_DYNAMIC(CWpParam, CWpContent)
IMPLEMENT_DYNAMIC(CWpResult, CWpContent)
IMPLEMENT_DYNAMIC(CWpSidewallCore, CWpContent)
IMPLEMENT_DYNAMIC(CWpSandStratum, CWpContent)
IMPLEMENT_DYNAMIC(CWpWaterEntry, CWpContent)
IMPLEMENT_DYNAMIC(CWpProgram, CWpContent)
IMPLEMENT_DYNAMIC(CWpSand, CWpSegment)
IMPLEMENT_DYNAMIC(CWpFacies, CWpSegment)
IMPLEMENT_DYNAMIC(CWpCorelith, CWpSegment)
IMPLEMENT_DYNAMIC(CWpShoot, CWpSegment)
IMPLEMENT_DYNAMIC(CWpLthSample, CWpSegment)
IMPLEMENT_DYNAMIC(CWpStratum, CWpSegment)
IMPLEMENT_DYNAMIC(CWpIntegratedCore, CWpSegment)
IMPLEMENT_DYNAMIC(CWpSymble, CWpSegment)
IMPLEMENT_DYNAMIC(CWpSymbleTexture, CWpSymble)
IMPLEMENT_DYNAMIC(CWpSymbleCycle, CWpSymble)
IMPLEMENT_DYNAMIC(CWpSymbleShoot, CWpSymble)

// Titles and depth labels start in 宋体 at 4 mm.
CWpKit::CWpKit() {
    m_titleFont.SetFaceName("宋体");
    m_titleFont.size = 400;
}
// The texts drawn inside interval kits start in 宋体 at 3 mm.
static QXLOGFONT IntervalFont() {
    QXLOGFONT font;
    font.SetFaceName("宋体");
    font.size = 300;
    return font;
}

CWpWell::CWpWell() = default;
CWpInWell::CWpInWell() = default;
CWpInWell::~CWpInWell() = default;
CWpTrack::CWpTrack() = default;
CWpTrack::~CWpTrack() = default;
CWpDepth::CWpDepth() {
    m_depthFont.SetFaceName("宋体");
    m_depthFont.size = 400;
}
CWpDepth::~CWpDepth() = default;
CWpContent::CWpContent() = default;
CWpContent::~CWpContent() = default;
CWpCurve::CWpCurve() = default;
CWpCurve::~CWpCurve() = default;
CWpSegment::CWpSegment() = default;
CWpSegment::~CWpSegment() = default;
CWpPicture::CWpPicture() = default;
CWpPicture::~CWpPicture() = default;
// The oil test's cell, label and pie fonts start in 宋体 at 3 mm.
CWpOilTest::CWpOilTest() {
    for (QXLOGFONT* font : {&m_cellFont, &m_labelFont, &m_pieLabelFont, &m_pieSideFont}) {
        font->SetFaceName("宋体");
        font->size = 300;
    }
}
CWpSidewallCore::CWpSidewallCore() = default;
CWpSidewallCore::~CWpSidewallCore() = default;
CWpSandStratum::CWpSandStratum() = default;
CWpSandStratum::~CWpSandStratum() = default;
CWpProgram::CWpProgram() = default;
CWpProgram::~CWpProgram() = default;
CWpSand::CWpSand() { m_thkTextFont = IntervalFont(); }
CWpSand::~CWpSand() = default;
CWpFacies::CWpFacies() { m_faciesNameFont = IntervalFont(); }
CWpFacies::~CWpFacies() = default;
CWpCorelith::CWpCorelith() {
    SetSubject(this);
    m_nameFont = IntervalFont();
}
CWpCorelith::~CWpCorelith() = default;
CWpShoot::CWpShoot() = default;
CWpShoot::~CWpShoot() = default;
CWpLthSample::CWpLthSample() { m_markLogFont = IntervalFont(); }
CWpLthSample::~CWpLthSample() = default;
CWpStratum::CWpStratum() = default;
CWpStratum::~CWpStratum() = default;
CWpIntegratedCore::CWpIntegratedCore() { m_textFont = IntervalFont(); }
CWpIntegratedCore::~CWpIntegratedCore() = default;
CWpSymble::CWpSymble() = default;
CWpSymble::~CWpSymble() = default;
CWpSymbleTexture::CWpSymbleTexture() = default;
CWpSymbleTexture::~CWpSymbleTexture() = default;
CWpSymbleCycle::CWpSymbleCycle() = default;
CWpSymbleCycle::~CWpSymbleCycle() = default;
CWpSymbleShoot::CWpSymbleShoot() = default;
CWpSymbleShoot::~CWpSymbleShoot() = default;

CWpKit::~CWpKit() {
    for (CWpKit* child : m_children) delete child;
}

CWpWell::~CWpWell() { delete m_pDataMgr; }

CWpOilTest::~CWpOilTest() {
    for (CgOilTestSegment* seg : m_segments) delete seg;
    delete m_pData;
}

CWpText::~CWpText() {
    for (CgTextSegment* seg : m_segments) delete seg;
    delete m_pEdit;
}

CWpResult::~CWpResult() {
    for (CgResultSegment* seg : m_segments) delete seg;
}
