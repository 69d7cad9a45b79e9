#include "wellplot/intervals/PropWnd.h"

#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
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
#include "wellplot/LstCurve.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstGrid.h"
#include "wellplot/LstHead.h"
#include "wellplot/LstOther.h"
#include "wellplot/LstTrack.h"
#include "wellplot/LstWell.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/LstColth.h"
#include "wellplot/intervals/LstFacies.h"
#include "wellplot/intervals/LstIntegratedCore.h"
#include "wellplot/intervals/LstLthSample.h"
#include "wellplot/intervals/LstOilTestPie.h"
#include "wellplot/intervals/LstPicture.h"
#include "wellplot/intervals/LstProgram.h"
#include "wellplot/intervals/LstParam.h"
#include "wellplot/intervals/LstParamStyle.h"
#include "wellplot/intervals/LstResult.h"
#include "wellplot/intervals/LstSand.h"
#include "wellplot/intervals/LstSandStratum.h"
#include "wellplot/intervals/LstSandStratumGrid.h"
#include "wellplot/intervals/LstShoot.h"
#include "wellplot/intervals/LstShootMgr.h"
#include "wellplot/intervals/LstSidewallCore.h"
#include "wellplot/intervals/LstStratum.h"
#include "wellplot/intervals/LstSymble.h"
#include "wellplot/intervals/LstText.h"
#include "wellplot/intervals/LstWaterEntry.h"
#include "wellplot/intervals/OilTestPage.h"

namespace {

// The three ways a list is bound to its kit.
// Empty list: it works on the object of the selection message.
template <class List>
CWndLst* Empty(CWpKit*) {
    return new List();
}
// The kit handed to the list's constructor, which keeps it as it is (CLstTrack, CLstHead) or
// converted to its own kit class (CLstProgram, CLstFacies, CLstIntegratedCore).
template <class List>
CWndLst* WithKit(CWpKit* kit) {
    return new List(kit);
}

// A sheet page that is a page class of its own, made for the kit (the oil-test page).
template <class Page>
CBCGPPropertyPage* OwnPage(CWpKit* kit) {
    return new Page(kit);
}

// A page of a row: a list wrapped in a CWndPag, or a page of its own; the unused places of a row's
// page array have no maker.
struct PageDef {
    const char* caption;
    CWndLst* (*make)(CWpKit* kit);
    CBCGPPropertyPage* (*makePage)(CWpKit* kit) = nullptr;
};

struct RowDef {
    CRuntimeClass* kitClass;
    PageDef pages[5];
};

constexpr PageDef kNoPage = {nullptr, nullptr};

// Captions that pages of several kits share.
constexpr const char* kPageShoot = "射孔";
constexpr const char* kPageGeneral = "常规";
constexpr const char* kPageLine = "线";
constexpr const char* kPageText = "文本";

// The tests in order; the first class the kit belongs to gives its pages.
const RowDef* Rows() {
    static const RowDef rows[] = {
        {RUNTIME_CLASS(CWpWell), {{wptext::kPageWell, Empty<CLstWell>}, {wptext::kPageHead, WithKit<CLstHead>}}},
        {RUNTIME_CLASS(CWpDepth), {{wptext::kPageDepth, Empty<CLstDepth>}}},
        {RUNTIME_CLASS(CWpTrack), {{wptext::kPageTrack, WithKit<CLstTrack>}, {wptext::kPageGrid, Empty<CLstGrid>}}},
        {RUNTIME_CLASS(CWpCurve), {{wptext::kPageCurve, WithKit<CLstCurve>}}},
        {RUNTIME_CLASS(CWpStratum), {{"地层", Empty<CLstStratum>}}},
        {RUNTIME_CLASS(CWpSand), {{"砂岩", Empty<CLstSand>}}},
        {RUNTIME_CLASS(CWpFacies), {{"沉积相", WithKit<CLstFacies>}}},
        {RUNTIME_CLASS(CWpCorelith), {{"岩性", Empty<CLstColth>}}},
        {RUNTIME_CLASS(CWpShoot), {{kPageShoot, Empty<CLstShoot>}, {"射孔配置", Empty<CLstShootMgr>}}},
        {RUNTIME_CLASS(CWpLthSample), {{"岩样", Empty<CLstLthSample>}}},
        {RUNTIME_CLASS(CWpSymbleShoot), {{kPageShoot, Empty<CLstSymbleShoot>}}},
        {RUNTIME_CLASS(CWpSymbleCycle), {{"旋回", Empty<CLstSymbleCycle>}}},
        {RUNTIME_CLASS(CWpPicture), {{"图片", WithKit<CLstPicture>}}},
        {RUNTIME_CLASS(CWpText), {{kPageText, WithKit<CLstText>}}},
        {RUNTIME_CLASS(CWpParam),
         {{kPageGeneral, WithKit<CLstParam>},
          {kPageLine, WithKit<CLstParamLine>},
          {"点", WithKit<CLstParamPoint>},
          {kPageText, WithKit<CLstParamText>},
          {"矩形填充", WithKit<CLstParamRectFill>}}},
        {RUNTIME_CLASS(CWpResult), {{"解释结果", WithKit<CLstResult>}}},
        {RUNTIME_CLASS(CWpOilTest), {{"试油", nullptr, OwnPage<COilTestPage>}, {"饼图", WithKit<CLstOilTestPie>}}},
        {RUNTIME_CLASS(CWpSymbleTexture), {{"层理", Empty<CLstSymbleTexture>}}},
        {RUNTIME_CLASS(CWpWaterEntry), {{nullptr, WithKit<CLstWaterEntry>}}},  // captioned by the kit: WaterEntryCaption
        {RUNTIME_CLASS(CWpProgram), {{wptext::kPageProgram, WithKit<CLstProgram>}}},
        {RUNTIME_CLASS(CWpSandStratum),
         {{kPageGeneral, Empty<CLstSandStratum>},
          {"填充", Empty<CLstSandStratumFill>},
          {kPageLine, Empty<CLstSandStratumLine>},
          {kPageText, Empty<CLstSandStratumText>}}},
        {RUNTIME_CLASS(CWpSidewallCore), {{"井壁取芯", WithKit<CLstSidewallCore>}}},
        {RUNTIME_CLASS(CWpIntegratedCore), {{"取芯综合", WithKit<CLstIntegratedCore>}}},
        {nullptr, {kNoPage}},
    };
    return rows;
}

// The production or injection profile's page caption.
const char* WaterEntryCaption(CWpKit* kit) {
    auto* entry = static_cast<CWpWaterEntry*>(kit);
    return entry->IsProductedFluid() ? "产液" : "吸水";
}

void AddPages(CPropWndMgr* sheet, const RowDef& row, CWpKit* kit) {
    for (const PageDef& page : row.pages) {
        if (!page.make && !page.makePage) break;
        const char* caption = page.caption ? page.caption : WaterEntryCaption(kit);
        if (page.makePage)
            sheet->AddDialogPage(page.makePage(kit), caption);
        else if (page.make)
            sheet->AddDialogPage(new CWndPag(page.make(kit)), caption);
    }
}

}  // namespace

CWnd* CPropWnd::Create(CWpKit* kit, CWnd* parent) {
    if (!kit) return nullptr;
    auto* sheet = new CPropWndMgr(0, 0);
    bool openOnPie = false;
    for (const RowDef* row = Rows(); row->kitClass; ++row) {
        if (!kit->IsKindOf(row->kitClass)) continue;
        AddPages(sheet, *row, kit);
        // The oil test opens on its pie page when it was last edited there.
        if (row->kitClass == RUNTIME_CLASS(CWpOilTest)) {
            auto* oilTest = dynamic_cast<CWpOilTest*>(kit);
            openOnPie = oilTest && oilTest->m_bPieActive;
        }
        break;
    }
    sheet->AddDialogPage(new CWndPag(new CLstOther()), wptext::kPageOther);
    sheet->Initialize();
    // The sheet knows its pages once initialised; before its window exists this only chooses the
    // page it opens on.
    if (openOnPie) sheet->SetActivePage(1);
    sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0);
    return sheet;
}
