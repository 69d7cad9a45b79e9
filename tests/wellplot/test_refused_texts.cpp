// Texts a well-plot page does not take, whether its item or the page's reader refuses them: the
// page writes nothing (no setter, no stamp, no redraw, no kit of a scope) and the item shows the
// stored value again as the page shows it. A number that reads as zero is stored and shown
// unsigned.
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IntervalFixture.h"
#include "OpenedItem.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpText.h"
#include "wellplot/LstCurve.h"
#include "wellplot/LstDepth.h"
#include "wellplot/LstGrid.h"
#include "wellplot/LstHead.h"
#include "wellplot/LstOther.h"
#include "wellplot/LstTrack.h"
#include "wellplot/intervals/LstColth.h"
#include "wellplot/intervals/LstText.h"
#include "wellplot/intervals/LstWaterEntry.h"

using wptest::AllCalls;
using wptest::Names;
using wptest::Opened;
using wptest::OpenOn;

namespace {

QXLOGFONT FontOfSize(QXLOGFONT font, float hundredths) {
    font.size = hundredths;
    return font;
}

QXLOGPEN PenOfWidth(QXLOGPEN pen, float hundredths) {
    pen.width = hundredths;
    return pen;
}

// A page made for the first kit of class Kit (as the creator makes the pages that keep their kit),
// the kit prepared before the host shows it, and the item of the given id.
template <class List, class Kit>
Opened KeptKitItem(DWORD_PTR id, std::function<void(Kit*)> prepare = nullptr) {
    using Page = wptest::OpenPage<List>;
    auto page = std::make_shared<Page>(wptest::ForFirst<List, Kit>());
    Kit* kit = page->plot().template First<Kit>();
    if (prepare) prepare(kit);
    return OpenOn(page, kit, [id](Page& p) { return p.Item(id); });
}

// The item of a kit's title size, the title font given hundredths of that size first.
template <class List, class Kit>
Opened KeptKitTitleSize(DWORD_PTR id, float hundredths) {
    return KeptKitItem<List, Kit>(id, [hundredths](Kit* k) { wptest::SetTitleSize(k, hundredths); });
}

// The width item of a curve drawn as a line 0.50 wide.
Opened CurveLineWidth() {
    return KeptKitItem<CLstCurve, CWpCurve>(CLstCurve::kLineId + 2, [](CWpCurve* c) {
        c->SetType(CWpCurve::CURVE_LINE);
        c->SetPen(PenOfWidth(c->GetPen(), 50));
    });
}

// A page that works on the selected kit, the first of class Kit, and the item at path.
template <class Page, class Kit>
Opened SelectedKitItem(const std::string& path, std::function<void(Kit*)> prepare = nullptr) {
    auto page = std::make_shared<Page>();
    Kit* kit = page->plot().template First<Kit>();
    if (prepare) prepare(kit);
    return OpenOn(page, kit, [path](Page& p) { return p.Path(path); });
}

std::string Shown(CBCGPProp* item) { return item ? platform::GridDriver::Info(item).value : std::string("(none)"); }

struct Refusal {
    const char* what;
    std::function<Opened()> open;
    std::vector<std::string> texts;
    std::string shown;  // the stored value as the page shows it, before and after each text
};

// Texts that passed the item's own check but not the page's reader (a size no float holds in
// hundredths, a count no int holds, a size of 0 where it must be above 0): the page used to write
// the unchanged record, stamp the kit or keep showing the text.
TEST(RefusedTextTest, APageWritesNothingForATextItsReaderRefusesAndShowsTheStoredValueAgain) {
    using Curve = CLstCurve;
    const std::vector<std::string> huge{"1e39", "5e36"};
    const Refusal cases[] = {
        {"curve title size", [] { return KeptKitTitleSize<Curve, CWpCurve>(Curve::kTitleFontId + 2, 400); }, huge,
         "4.00"},
        {"curve unit size",
         [] {
             return KeptKitItem<Curve, CWpCurve>(
                 Curve::kUnitFontId + 2, [](CWpCurve* c) { c->SetUnitFont(FontOfSize(c->GetUnitFont(), 250)); });
         },
         huge, "2.50"},
        {"curve scale size",
         [] {
             return KeptKitItem<Curve, CWpCurve>(
                 Curve::kLimitFontId + 2, [](CWpCurve* c) { c->SetLimitFont(FontOfSize(c->GetLimitFont(), 0)); });
         },
         huge, "0.00"},
        {"curve line width", CurveLineWidth, huge, "0.50"},
        {"content track title size", [] { return KeptKitTitleSize<CLstTrack, CWpTrack>(CLstTrack::kFontSizeId, 400); },
         huge, "4.00"},
        {"header title size", [] { return KeptKitTitleSize<CLstHead, CWpWell>(CLstHead::kFontSizeId, 400); }, huge,
         "4.00"},
        {"header symbol size",
         [] {
             return KeptKitItem<CLstHead, CWpWell>(CLstHead::kSizeId, [](CWpWell* w) {
                 QXLOGPOINT point = w->GetTypePoint();
                 point.size = 250;
                 w->SetTypePoint(point);
             });
         },
         huge, "2.50"},
        {"text title size",
         [] { return KeptKitTitleSize<CLstText, CWpText>(CLstText::kTitleFontId + 2, 400); },
         {"1e400", "5e36", "-3"},
         "4.00"},
        {"text font size",
         [] {
             return KeptKitItem<CLstText, CWpText>(
                 CLstText::kTextFontId + 2, [](CWpText* t) { t->SetTextFont(FontOfSize(t->GetTextFont(), 400)); });
         },
         {"1e400", "5e36"},
         "4.00"},
        {"text frame width",
         [] {
             return KeptKitItem<CLstText, CWpText>(CLstText::kFramePenId + 2, [](CWpText* t) {
                 QXLOGPEN pen = PenOfWidth(QXLOGPEN(), 50);
                 t->SetTextBoundaryPen(&pen);
             });
         },
         {"1e400", "5e36"},
         "0.50"},
        {"water-entry title size",
         [] { return KeptKitTitleSize<CLstWaterEntry, CWpWaterEntry>(CLstWaterEntry::kTitleSizeId, 10000); },
         {"0", "-3", "1e999"},
         "100.00"},
        {"depth-track tick count",
         [] {
             return SelectedKitItem<wptest::OpenPage<CLstDepth>, CWpDepth>("刻度线/粗刻度线等分格数",
                                                                           [](CWpDepth* d) { d->SetTickNum(5); });
         },
         {"1e39", "-1", "1e2", "4294967296"},
         "5"},
        {"grid-line divisions",
         [] {
             return SelectedKitItem<wptest::OpenPage<CLstGrid>, CWpTrack>("刻度线/格数",
                                                                          [](CWpTrack* t) { t->SetMinScale(4); });
         },
         {"1e39", "-1", "1e2"},
         "4"},
        {"lithology boundary width",
         [] {
             return SelectedKitItem<wptest::IntervalPage<CLstColth>, CWpCorelith>(
                 "显示参数/分界线/线型设置/粗细", [](CWpCorelith* k) { k->GetDivideLogPen().width = 50; });
         },
         {"5e36", "-1", "abc"},
         "0.50"},
        {"lithology boundary point size",
         [] {
             return SelectedKitItem<wptest::IntervalPage<CLstColth>, CWpCorelith>(
                 "显示参数/分界点/点型设置/大小", [](CWpCorelith* k) { k->GetDivideLogPoint().size = 250; });
         },
         {"5e36", "-1"},
         "2.50"},
    };
    for (const Refusal& c : cases) {
        Opened open = c.open();
        ASSERT_NE(open.item(), nullptr) << c.what;
        EXPECT_EQ(Shown(open.item()), c.shown) << c.what;
        for (const std::string& text : c.texts) {
            parsnip::testing::ClearCallLog();
            const uint64_t stamp = open.kit->GetTimeStamp();
            const int redraws = open.redraws();
            EXPECT_TRUE(open.type(text)) << c.what << " " << text;
            EXPECT_EQ(AllCalls(), Names()) << c.what << " " << text;
            EXPECT_EQ(open.kit->GetTimeStamp(), stamp) << c.what << " " << text;
            EXPECT_EQ(open.redraws(), redraws) << c.what << " " << text;
            EXPECT_EQ(Shown(open.item()), c.shown) << c.what << " " << text;
        }
    }
}

// The curve's line width item keeps "3x" as the number 3, which its reader takes: the text is no
// refused one that would still stamp the curve.
TEST(RefusedTextTest, ACurveLineWidthTakesTheNumberItsItemKeeps) {
    Opened open = CurveLineWidth();
    ASSERT_TRUE(open.type("3x"));
    EXPECT_FLOAT_EQ(static_cast<CWpCurve*>(open.kit)->GetPen().width, 300);
    open.announce();
    EXPECT_EQ(Shown(open.item()), "3.00");
}

// A refused depth interval shows the stored one as the interval rule does ("%.1f"), whatever the
// item showed before.
TEST(RefusedTextTest, ARefusedDepthIntervalShowsTheStoredOneWithOneDecimal) {
    Opened open = SelectedKitItem<wptest::OpenPage<CLstGrid>, CWpTrack>("深度线/间隔(米)/中线",
                                                                        [](CWpTrack* t) { t->SetMidDep(2.5f); });
    ASSERT_TRUE(open.type("2.50"));  // taken: the same interval
    for (const char* text : {"0.05", "abc", "1e39"}) {
        const uint64_t stamp = open.kit->GetTimeStamp();
        ASSERT_TRUE(open.type(text));
        EXPECT_FLOAT_EQ(static_cast<CWpTrack*>(open.kit)->GetMidDep(), 2.5f) << text;
        EXPECT_EQ(open.kit->GetTimeStamp(), stamp) << text;
        EXPECT_EQ(Shown(open.item()), "2.5") << text;
    }
}

// An interval page refreshes on a kit stamp newer than its own: a refusal must not leave it with a
// stamp no kit reaches, or the page would never show the kit again.
TEST(RefusedTextTest, AnIntervalPageStillFollowsItsKitAfterARefusal) {
    wptest::IntervalPage<CLstColth> page;
    CWpCorelith* kit = page.plot().First<CWpCorelith>();
    page.Show(kit);
    ASSERT_TRUE(page.Type(CLstContent::kTitleFontId + 2, "-3"));
    EXPECT_EQ(page.Value(CLstContent::kTitleFontId + 2), "4.00");

    kit->SetTitleText("岩性柱");  // changed elsewhere: a newer stamp
    page.Show(kit);
    EXPECT_EQ(page.Value(CLstContent::kTitleNameId), "岩性柱");
}

struct Zero {
    const char* what;
    std::function<Opened()> open;
    std::function<double(CWpKit*)> stored;
    std::vector<std::string> texts;
    bool keepsText;  // a refused text leaves the item's text from before the edit (else "0.00")
};

// "-0" and a negative number too small for the field ("-5e-216" centimetres is a width whose
// thousandths underflow a float) are stored as +0 and shown "0.00" by the next refresh; a refused
// text in between changes nothing but the refused item's text.
TEST(RefusedTextTest, ANumberThatReadsAsZeroIsStoredAndShownUnsigned) {
    const Zero cases[] = {
        {"kit width",
         [] { return SelectedKitItem<wptest::OpenPage<CLstOther>, CWpTrack>("宽度(厘米)"); },
         [](CWpKit* k) { return static_cast<double>(k->GetWidth()); },
         {"-0", "-5e-216"},
         false},  // the width taken shows at once
        {"grid pen width",
         [] { return SelectedKitItem<wptest::OpenPage<CLstGrid>, CWpTrack>("刻度线/粗线线型/宽度(毫米)"); },
         [](CWpKit* k) { return static_cast<double>(static_cast<CWpTrack*>(k)->GetMajScalePen().width); },
         {"-0", "-5e-216"},
         true},
        {"lithology colour share",
         [] { return SelectedKitItem<wptest::IntervalPage<CLstColth>, CWpCorelith>("显示参数/参数宽度/颜色"); },
         [](CWpKit* k) { return static_cast<CWpCorelith*>(k)->GetColorPer(); },
         {"-0"},
         false},
    };
    for (const Zero& c : cases) {
        for (const std::string& zero : c.texts) {
            Opened open = c.open();
            ASSERT_TRUE(open.type(zero)) << c.what << " " << zero;
            EXPECT_EQ(c.stored(open.kit), 0) << c.what << " " << zero;
            EXPECT_FALSE(std::signbit(c.stored(open.kit))) << c.what << " " << zero;
            ASSERT_TRUE(open.type("-1")) << c.what;  // refused
            EXPECT_EQ(Shown(open.item()), c.keepsText ? zero : "0.00") << c.what << " " << zero;
            open.announce();
            EXPECT_EQ(Shown(open.item()), "0.00") << c.what << " " << zero;
        }
    }
}

}  // namespace
