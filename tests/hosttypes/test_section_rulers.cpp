// Rulers, scales, the look-down map, fault points and the mouse handlers of the section view.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Oriel/SectionEvents.h"

namespace {

class SectionRulers : public ::testing::Test {
protected:
    void SetUp() override { oriel::testing::Reset(); }
};

// Counts its destructions, so that a test sees when the counted pointer frees it.
class CountedTranslator : public ScCoordsTranslatorInterface {
public:
    explicit CountedTranslator(int* deaths) : m_deaths(deaths) {}
    ~CountedTranslator() override { ++*m_deaths; }

private:
    int* m_deaths;
};

QXLOGPEN Pen(COLORREF color, float width) {
    QXLOGPEN pen;
    pen.style = 7;
    pen.color = color;
    pen.width = width;
    return pen;
}

TEST_F(SectionRulers, ScaleHeightTakesOnlyPositiveValues) {
    ScDisScale scale;
    scale.SetHeight(2.5);
    EXPECT_DOUBLE_EQ(2.5, scale.GetHeight());
    scale.SetHeight(0);
    scale.SetHeight(-5);
    scale.SetHeight(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(2.5, scale.GetHeight());
    scale.SetHeight(1e-9);
    EXPECT_DOUBLE_EQ(1e-9, scale.GetHeight());

    ScDepthScale depthScale;  // the same rule through the derived scale
    depthScale.SetHeight(-1);
    depthScale.SetHeight(4);
    EXPECT_DOUBLE_EQ(4.0, depthScale.GetHeight());
}

TEST_F(SectionRulers, ShowLinePenAlsoSetsTheSecondColourQianPenDoesNot) {
    ScDisRuler ruler;
    ruler.SetQianLinePen(Pen(RGB(0, 0, 255), 30));
    EXPECT_EQ(0u, ruler.GetShowColor());
    ruler.SetShowLinePen(Pen(RGB(255, 0, 0), 50));
    EXPECT_EQ(RGB(255, 0, 0), ruler.GetShowColor());
    ruler.SetQianLinePen(Pen(RGB(0, 255, 0), 10));
    EXPECT_EQ(RGB(255, 0, 0), ruler.GetShowColor());

    QXLOGPEN show = ruler.GetShowLinePen();
    QXLOGPEN qian = ruler.GetQianLinePen();
    EXPECT_EQ(RGB(255, 0, 0), show.color);
    EXPECT_FLOAT_EQ(50.f, show.width);
    EXPECT_EQ(RGB(0, 255, 0), qian.color);
    EXPECT_EQ(7u, qian.style);
    show.color = 0;  // a copy: the ruler keeps its pen
    EXPECT_EQ(RGB(255, 0, 0), ruler.GetShowLinePen().color);
}

TEST_F(SectionRulers, DepthRulerNarrowsFontAndFrameSizesToSinglePrecision) {
    ScDepthRuler ruler;
    ruler.SetNameFontSize(10.3);
    EXPECT_EQ(static_cast<float>(10.3), ruler.GetNameFontSize());
    QXLOGFONT font;
    ruler.GetNameFont(font);
    EXPECT_EQ(static_cast<float>(10.3), font.size);

    ruler.SetNameFontClr(RGB(9, 8, 7));
    EXPECT_EQ(RGB(9, 8, 7), ruler.GetNameFontClr());
    ruler.SetTopFrameLineSize(0.1);
    EXPECT_EQ(static_cast<double>(0.1f), ruler.GetTopFrameLineSize());
    ruler.SetRightFrameClr(RGB(1, 1, 1));
    ruler.SetBottFrameLineStyle(12);
    EXPECT_EQ(RGB(1, 1, 1), ruler.GetRightFrameClr());
    EXPECT_EQ(12u, ruler.GetBottFrameLineStyle());
    EXPECT_EQ(0u, ruler.GetTopFrameLineStyle());  // sides are independent

    ruler.SetRulerTitle("深度");
    EXPECT_EQ(CString("深度"), ruler.GetRulerTitle());

    // A size single precision cannot hold leaves the field as it was.
    ruler.SetNameFontSize(1e39);
    EXPECT_EQ(static_cast<float>(10.3), ruler.GetNameFontSize());
    ruler.SetTopFrameLineSize(-1e300);
    EXPECT_EQ(static_cast<double>(0.1f), ruler.GetTopFrameLineSize());
    ruler.SetMarkFontSize(true, 900);
    ruler.SetMarkFontSize(true, std::numeric_limits<double>::quiet_NaN());
    ruler.SetWideMarkLineSize(false, 50);
    ruler.SetWideMarkLineSize(false, 9e296);
    ruler.SetMarkLineSize(true, 1e39);
    EXPECT_DOUBLE_EQ(900, ruler.GetMarkFontSize(true));
    EXPECT_DOUBLE_EQ(50, ruler.GetWideMarkLineSize(false));
    EXPECT_DOUBLE_EQ(0, ruler.GetMarkLineSize(true));
}

TEST_F(SectionRulers, ReplacingTheTranslatorWithItselfKeepsItAlive) {
    int deaths = 0;
    ScDepthRuler ruler;
    {
        SmartPtr<ScCoordsTranslatorInterface> t(new CountedTranslator(&deaths));
        ruler.SetCoordsTranslator(t);
        EXPECT_EQ(2, t.use_count());
    }
    // Only the ruler holds it now: handing it back must not free it first.
    ruler.SetCoordsTranslator(ruler.GetCoordsTranslator());
    EXPECT_EQ(0, deaths);
    EXPECT_EQ(1, ruler.GetCoordsTranslator().use_count() - 1);

    // Another translator releases the former one.
    ruler.SetCoordsTranslator(SmartPtr<ScCoordsTranslatorInterface>(new CountedTranslator(&deaths)));
    EXPECT_EQ(1, deaths);

    ScLookDownForm form;
    SmartPtr<ScCoordsTranslatorInterface> shared = ruler.GetCoordsTranslator();
    form.SetCoordsTranslator(shared);
    form.SetCoordsTranslator(form.GetTranslator());
    EXPECT_EQ(shared.get(), form.GetTranslator().get());
    EXPECT_EQ(3, shared.use_count());
    EXPECT_EQ(1, deaths);
}

TEST_F(SectionRulers, CountedPointerFreesOnceAtTheLastRelease) {
    int deaths = 0;
    {
        SmartPtr<ScCoordsTranslatorInterface> a(new CountedTranslator(&deaths));
        SmartPtr<ScCoordsTranslatorInterface> b(a);
        SmartPtr<ScCoordsTranslatorInterface> c;
        c = b;
        a = a;  // self-assignment
        EXPECT_EQ(3, a.use_count());
        b = SmartPtr<ScCoordsTranslatorInterface>();
        EXPECT_EQ(2, a.use_count());
        EXPECT_FALSE(b);
    }
    EXPECT_EQ(1, deaths);
    SmartPtr<ScCoordsTranslatorInterface> empty;
    EXPECT_EQ(0, empty.use_count());
}

TEST_F(SectionRulers, LookDownDataNamesAndPens) {
    ScLookDownForm form;
    form.AddData("W1", FLOATPOINT(0, 0));
    form.AddData("W2", FLOATPOINT(1, 1));
    EXPECT_EQ("W2", form.GetDataName(1));
    EXPECT_EQ("", form.GetDataName(2));
    EXPECT_EQ("", form.GetDataName(-1));

    QXLOGPEN line = Pen(RGB(1, 2, 3), 20);
    form.SetLine(line);
    form.SetLineClr(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), form.GetLine().color);
    EXPECT_FLOAT_EQ(20.f, form.GetLine().width);
    form.SetFrameLine(line);
    form.SetFrameClr(RGB(7, 7, 7));
    EXPECT_EQ(RGB(7, 7, 7), form.GetFrameClr());
    EXPECT_EQ(RGB(1, 2, 3), line.color);  // the caller's pen is not touched

    form.ByXorYAxisShadow(1);
    EXPECT_EQ(SHADE_BY_X, form.GetDrawShadowLineMode());
    form.ClearShadow();
    EXPECT_EQ(SHADE_NONE, form.GetDrawShadowLineMode());
}

TEST_F(SectionRulers, FrameTextsAndFaultPointCopies) {
    ScRulerFrame frame;
    frame.SetTitleText(std::string("综合柱状图"));
    frame.SetInscribeText("制图人");
    EXPECT_EQ(CString("综合柱状图"), frame.GetTitleText());
    EXPECT_EQ(CString("制图人"), frame.GetInscribeText());

    CrWellFaultPointMgr mgr;
    CrWellFaultPoint* wellPoints = mgr.CreateFaultPoint();
    CrFaultPoint* point = wellPoints->AddFaultPoint();
    EXPECT_EQ(wellPoints, point->GetParent());
    EXPECT_EQ(&mgr, wellPoints->GetMgr());
    QXLOGPOINT symbol;
    symbol.style = 4;
    symbol.size = 250;
    point->SetLogPoint(symbol);
    QXLOGFONT font;
    font.SetFaceName("宋体");
    point->SetLabelFont(font);
    EXPECT_EQ(4u, point->GetLogPoint().style);
    EXPECT_EQ(CString("宋体"), point->GetLabelFont().GetFaceName());

    // Copies of the manager share the wells' lists.
    CrWellFaultPointMgr copy(mgr);
    mgr.CreateFaultPoint();
    EXPECT_EQ(2u, mgr.GetCount());
    EXPECT_EQ(1u, copy.GetCount());
    EXPECT_EQ(wellPoints, copy.GetWellFaultPoint(0));

    void (CrFaultPoint::*setter)(int) = &CrFaultPoint::SetDisplayStyle;
    (point->*setter)(3);
    EXPECT_EQ(3, point->GetDisplayStyle());
}

TEST_F(SectionRulers, MouseHandlersAnswersAndNames) {
    CDefaultEvent def;
    EXPECT_EQ(CString("CDefaultEvent"), def.GetName());
    EXPECT_EQ(2, def.OnLButtonDown(nullptr, nullptr, 0, CPoint(1, 1)));
    EXPECT_EQ(0, def.OnLButtonUp(nullptr, nullptr, 0, CPoint(1, 1)));
    EXPECT_EQ(0, def.OnMouseMove(nullptr, nullptr, 0, CPoint(1, 1)));

    CWellEvent well;
    ScMouseMessager& base = well;
    EXPECT_TRUE(base.GetName().IsEmpty());
    EXPECT_EQ(0, base.OnLButtonDown(nullptr, nullptr, 0, CPoint()));
    EXPECT_EQ(0, base.OnKeyDown(nullptr, nullptr, 13, 1, 0));

    // Through the message-node base the handler is destroyed whole.
    CMessageNode<unsigned int>* node = new CnEditSandFillEvent;
    delete node;

    ScLookDownForm form;
    ScLookDownFormEvent formEvent;
    formEvent.SetBecontroler(&form);
    EXPECT_EQ(&form, formEvent.GetLookDownForm());
    ScLookDownFormEvent copy(formEvent);
    EXPECT_EQ(&form, copy.GetLookDownForm());

    // Handlers ignore objects offered through Accept.
    form.Accept(&def);
    form.Accept(&well);
}

}  // namespace
