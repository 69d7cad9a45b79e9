// The sweep over the plane map: the window of every object and every layer of the demo host's
// sample map, each opened through the plane-map creator. The sample's objects are split into a
// few runs, each a test of its own, so that they run side by side.
#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/ItemGroupsLine.h"
#include "host/PlaneMapSample.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCtrlLine.h"
#include "hosttypes/Wicket/DataHelper.h"
#include "planemap/ConversionRows.h"
#include "planemap/PlaneListFixture.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"
#include "planemap/layers/PropListWellNetLayerLine.h"
#include "sweep/Sweep.h"

namespace {

using demo::planesample::SampleMap;
using sweep::AsSize;
using sweep::Fields;
using sweep::State;

std::vector<CQXLayer*> Layers(CQXMap* map) {
    std::vector<CQXLayer*> layers;
    for (int i = 0; i < map->GetLayerCount(); ++i) layers.push_back(map->GetLayer(i));
    return layers;
}

std::vector<CQXObject*> Objects(CQXMap* map) {
    std::vector<CQXObject*> objects;
    for (CQXLayer* layer : Layers(map))
        for (int i = 0; i < layer->GetObjectCount(); ++i) objects.push_back(layer->GetObjectG(i));
    return objects;
}

std::string Text(const CString& text) { return text.str(); }

// The pens and fonts a border keeps, each read by its own getter.
using BorderPenGetter = void (CQXObjectBorder::*)(QXLOGPEN*) const;
using BorderFontGetter = void (CQXObjectBorder::*)(QXLOGFONT*) const;
const std::pair<const char*, BorderPenGetter> kBorderPens[] = {
    {".outer", &CQXObjectBorder::GetOuterLogPen},          {".inner", &CQXObjectBorder::GetInnerLogPen},
    {".graticule.scale", &CQXObjectBorder::GetGScaleLine}, {".graticule.scale2", &CQXObjectBorder::GetGScaleLine2},
    {".kilometre.scale", &CQXObjectBorder::GetKScaleLine}, {".kilometre.scale2", &CQXObjectBorder::GetKScaleLine2},
    {".graticule", &CQXObjectBorder::GetGraticuleLogPen},  {".kilometre", &CQXObjectBorder::GetKLineLogPen}};
const std::pair<const char*, BorderFontGetter> kBorderFonts[] = {
    {".title", &CQXObjectBorder::GetTitleFont},
    {".graticule", &CQXObjectBorder::GetGraticuleFont},
    {".graticule2", &CQXObjectBorder::GetGraticuleFont2},
    {".kilometre", &CQXObjectBorder::GetKScaleLabelFont},
    {".kilometre2", &CQXObjectBorder::GetKScaleLabelFont2}};

void DumpBorder(State& state, const std::string& key, CQXObjectBorder* border) {
    for (const auto& [name, get] : kBorderPens) Fields(state, key, border, name, get);
    for (const auto& [name, get] : kBorderFonts) Fields(state, key, border, name, get);
    Fields(state, key, border, "", &CQXObjectBorder::GetLogBrush, ".width", AsSize(&CQXObjectBorder::GetBorderWidth));
    state.Put(key, ".title", Text(border->GetPrefix()) + "/" + Text(border->GetStratum()) + "/" +
                                  Text(border->GetPostfix()) + "/" + Text(border->GetStratumAlias()));
    state.Put(key, ".title.distance", border->GetTitleDist());
    state.Put(key + ".grids",
              std::to_string(border->GetDrawGraticule()) + "/" + std::to_string(border->GetDrawKilometerGrid()) + "/" +
                  std::to_string(border->GetGDrawScale()) + "/" + std::to_string(border->GetKDrawScale()) + "/" +
                  std::to_string(border->GetGFrequency()) + "/" + std::to_string(border->GetKFrequency()) + "/" +
                  std::to_string(border->GetGGridDrawType()) + "/" + std::to_string(border->GetKGridDrawType()) + "/" +
                  std::to_string(border->GetUnit()));
    state.Put(key + ".directions",
              std::to_string(border->GetGTextDirectionX()) + "/" + std::to_string(border->GetGTextDirectionY()) + "/" +
                  std::to_string(border->GetKTextDirectionX()) + "/" + std::to_string(border->GetKTextDirectionY()) +
                  "/" + std::to_string(border->GetKNumCountX2()) + "/" + std::to_string(border->GetKNumCountY2()));
    const std::pair<const char*, double> numbers[] = {
        {"graticule.x", border->GetGraticuleIntervalX()}, {"graticule.y", border->GetGraticuleIntervalY()},
        {"kilometre.x", border->GetKIntervalX()},         {"kilometre.y", border->GetKIntervalY()},
        {"graticule.scale", border->GetGScaleLength()},   {"graticule.scale2", border->GetGScaleLength2()},
        {"kilometre.scale", border->GetKScaleLength()},   {"kilometre.scale2", border->GetKScaleLength2()},
        {"graticule.cross", border->GetGCrossLength()},   {"kilometre.cross", border->GetKCrossLength()}};
    for (const auto& [name, value] : numbers) state.Put(key + "." + name, value);
    const FLOATRECT extent = border->GetBorderExtent();
    state.Put(key, ".extent.left", extent.left);
    state.Put(key, ".extent.top", extent.top);
    state.Put(key, ".extent.right", extent.right);
    state.Put(key, ".extent.bottom", extent.bottom);
}

void DumpCoordinate(State& state, const std::string& key, CQXObjectCoordinate* axes) {
    state.Put(key, ".height", axes->m_dHeight);
    state.Put(key, ".names", Text(axes->m_strXName) + "/" + Text(axes->m_strYName) + "/" +
                                  std::to_string(axes->m_nScaleLength) + "/" + std::to_string(axes->GetAxisXFactor()));
    const std::pair<const char*, double> numbers[] = {{"x.min", axes->m_dXMin},
                                                      {"x.max", axes->m_dXMax},
                                                      {"y.min", axes->m_dYMin},
                                                      {"y.max", axes->m_dYMax},
                                                      {"x.division", axes->m_dXDivision},
                                                      {"y.division", axes->m_dYDivision},
                                                      {"x.interval", axes->m_dXLabelInterval},
                                                      {"y.interval", axes->m_dYLabelInterval}};
    for (const auto& [name, value] : numbers) state.Put(key + "." + name, value);
    state.Put(key, ".labels", std::to_string(axes->m_nXLabelShow) + "/" + std::to_string(axes->m_nYLabelShow) + "/" +
                                   std::to_string(axes->m_nXLabelSide) + "/" + std::to_string(axes->m_nYLabelSide) +
                                   "/" + std::to_string(axes->m_nXLabelDecimal) + "/" +
                                   std::to_string(axes->m_nYLabelDecimal));
    using Axes = CQXObjectCoordinate;
    Fields(state, key, axes, ".x.name", &Axes::m_XNameFont, ".y.name", &Axes::m_YNameFont, ".x.label",
           &Axes::m_XLabelFont, ".y.label", &Axes::m_YLabelFont, ".x.axis", &Axes::m_XAxisPen, ".y.axis",
           &Axes::m_YAxisPen, ".trend", &Axes::m_TrendPen, ".x.scale", &Axes::m_XScalePen, ".y.scale",
           &Axes::m_YScalePen, ".x.grid", &Axes::m_XGridPen, ".y.grid", &Axes::m_YGridPen);
}

void DumpPie(State& state, const std::string& key, CQXObjectPie* pie) {
    using Pie = CQXObjectPie;
    Fields(state, key, pie, "", &Pie::GetFont, "", &Pie::GetPen);
    QXLOGPEN pen;
    pie->GetDrawOrgLine(&pen);  // a name the pie also gives to its switch
    state.Pen(key, ".origin", pen);
    Fields(state, key, pie, ".bottom", &Pie::GetBotPen);
    state.Put(key, ".pie", std::to_string(pie->GetRecordCount()) + "/" + std::to_string(pie->GetShapeType()) + "/" +
                                std::to_string(pie->GetXMove()) + "/" + std::to_string(pie->GetYMove()) + "/" +
                                std::to_string(pie->GetDrawOrgLine()) + "/" + std::to_string(pie->GetDrawBotLine()) +
                                "/" + std::to_string(pie->GetUpPropCount()));
    Fields(state, key, pie, ".bottom.width", AsSize(&Pie::GetBotWidth), ".radius", &Pie::GetRadius, ".radius.up",
           &Pie::GetUpRadius, ".bar.width", AsSize(&Pie::GetBarWidth), ".bar.height", &Pie::GetBarHeight,
           ".bar.interval", &Pie::GetBarInterv, ".bar.curve", &Pie::GetBarCurveHeight);
}

// The kinds of object an object is, found once for its address and class: the dump runs after
// every text, and an object met again at an address is of the same class or found anew.
struct ObjectKinds {
    const std::type_info* type;
    sweep::KindsOf<CQXObjectLine, CQXObjectPolyline, CQXObjectContour, CQXObjectCtrlLine, CQXObjectArrow,
                   CQXObjectCircle, CQXObjectRect, CQXObjectText, CQXObjectMultiText, CQXObjectPoint, CQXObjectFill,
                   CQXObjectHint, CQXObjectBitmap, CQXObjectQXM, CQXObjectBorder, CQXObjectCell, CQXObjectColorMark,
                   CQXObjectCoordinate, CQXObjectFinger, CQXObjectLegend, CQXObjectPie, CQXObjectScale, CQXObjectWeb,
                   CQXObjectBlock, CWpWell, CQXObjectWellGraph>
        as;
};

const ObjectKinds& KindsOf(CQXObject* object) {
    static std::unordered_map<const CQXObject*, ObjectKinds> kinds;
    auto found = kinds.find(object);
    const auto fresh = [object] { return ObjectKinds{&typeid(*object), decltype(ObjectKinds::as)(object)}; };
    if (found == kinds.end()) return kinds.emplace(object, fresh()).first->second;
    if (*found->second.type != typeid(*object)) found->second = fresh();
    return found->second;
}

// One object through its getters, its attributes and its stamp.
void DumpObject(State& state, const std::string& key, CQXObject* object) {
    const ObjectKinds& kinds = KindsOf(object);
    state.Put(key, demo::planesample::Describe(object));
    state.Put(key, ".stamp", std::to_string(object->GetTimeStamp()));
    state.Put(key, ".shown", std::to_string(object->GetVisible()) + "/" + Text(object->GetName()));
    state.Attributes(key, *object->GetPropertyManager());
    if (auto* line = kinds.as.As<CQXObjectLine>())
        Fields(state, key, line, "", &CQXObjectLine::GetLogPen, "", &CQXObjectLine::GetLogBrush);
    if (auto* line = kinds.as.As<CQXObjectPolyline>()) {
        for (CArrow* arrow : {line->GetBegArrow(), line->GetEndArrow()}) {
            const std::string at = key + (arrow == line->GetBegArrow() ? ".arrow.begin" : ".arrow.end");
            state.Put(at, arrow->GetArrowType());
            state.Size(at + ".size", arrow->GetArrowLength());
        }
        state.Put(key, ".angle", line->GetAngle());
    }
    if (auto* contour = kinds.as.As<CQXObjectContour>()) {
        Fields(state, key, contour, ".label", &CQXObjectContour::GetLogFont);
        state.Put(key, ".label", Text(contour->GetLabel()) + "/" + std::to_string(contour->GetLabelVisible()) + "/" +
                                      std::to_string(contour->GetDecimal()));
        Fields(state, key, contour, ".label.start", &CQXObjectContour::GetStartDistance, ".label.distance",
               &CQXObjectContour::GetLabelDistance);
    }
    if (auto* ctrl = kinds.as.As<CQXObjectCtrlLine>())
        Fields(state, key, ctrl, "", &CQXObjectCtrlLine::GetFont, ".index", &CQXObjectCtrlLine::GetDrawIndex);
    if (auto* arrow = kinds.as.As<CQXObjectArrow>()) {
        state.Put(key, ".arrow", std::to_string(arrow->GetHeadPercent()) + "/" +
                                      std::to_string(arrow->GetBodyPercent()) + "/" +
                                      std::to_string(arrow->GetStyle()));
        Fields(state, key, arrow, ".height", &CQXObjectArrow::GetHeight, ".arrow", &CQXObjectArrow::GetLogBrush);
    }
    if (auto* circle = kinds.as.As<CQXObjectCircle>())
        Fields(state, key, circle, ".angle", &CQXObjectCircle::GetAngle, ".radius.a", &CQXObjectCircle::GetRadiusA,
               ".radius.b", &CQXObjectCircle::GetRadiusB, ".start", &CQXObjectCircle::GetStartAngle, ".stop",
               &CQXObjectCircle::GetStopAngle);
    if (auto* rect = kinds.as.As<CQXObjectRect>())
        Fields(state, key, rect, ".angle", &CQXObjectRect::GetAngle, ".radius.a", &CQXObjectRect::GetRadiusA,
               ".radius.b", &CQXObjectRect::GetRadiusB);
    if (auto* text = kinds.as.As<CQXObjectText>())
        Fields(state, key, text, "", &CQXObjectText::GetLogFont, ".angle", &CQXObjectText::GetAngle);
    if (auto* multi = kinds.as.As<CQXObjectMultiText>()) {
        Fields(state, key, multi, "", &CQXObjectMultiText::GetLogFont, "", &CQXObjectMultiText::GetLogBrush, ".angle",
               &CQXObjectMultiText::GetAngle);
        state.Put(key, ".align", std::to_string(multi->GetHAlign()) + "/" + std::to_string(multi->GetVAlign()));
    }
    if (auto* mark = kinds.as.As<CQXObjectPoint>()) Fields(state, key, mark, "", &CQXObjectPoint::GetLogPoint);
    if (auto* fill = kinds.as.As<CQXObjectFill>()) Fields(state, key, fill, "", &CQXObjectFill::GetLogBrush);
    if (auto* hint = kinds.as.As<CQXObjectHint>()) {
        Fields(state, key, hint, "", &CQXObjectHint::GetLogPen, "", &CQXObjectHint::GetLogBrush, "",
               &CQXObjectHint::GetLogFont);
        state.Put(key + ".align",
                  std::to_string(hint->GetHorizontalAlign()) + "/" + std::to_string(hint->GetVerticalAlign()));
    }
    if (auto* bitmap = kinds.as.As<CQXObjectBitmap>())
        Fields(state, key, bitmap, ".radius.a", &CQXObjectBitmap::GetRadiusA, ".radius.b",
               &CQXObjectBitmap::GetRadiusB);
    if (auto* qxm = kinds.as.As<CQXObjectQXM>()) {
        Fields(state, key, qxm, ".radius.a", &CQXObjectQXM::GetRadiusA, ".radius.b", &CQXObjectQXM::GetRadiusB);
        double x = 0, y = 0;
        qxm->GetQXMCenter(x, y);
        state.Put(key, ".centre.x", x);
        state.Put(key, ".centre.y", y);
    }
    if (auto* border = kinds.as.As<CQXObjectBorder>()) DumpBorder(state, key, border);
    if (auto* cell = kinds.as.As<CQXObjectCell>()) {
        if (const QXLOGFONT* standard = cell->GetDefaultFont()) state.Font(key, ".default", *standard);
        Fields(state, key, cell, ".top", &CQXObjectCell::GetTopBorderPen, ".bottom", &CQXObjectCell::GetBottomBorderPen,
               ".left", &CQXObjectCell::GetLeftBorderPen, ".right", &CQXObjectCell::GetRightBorderPen, ".centre",
               &CQXObjectCell::GetCenterBorderPen);
        state.Put(key, ".cells", std::to_string(cell->GetColumnCount()) + "x" + std::to_string(cell->GetRowCount()));
        for (int c = 0; c < cell->GetColumnCount(); ++c)
            for (int r = 0; r < cell->GetRowCount(); ++r)
                if (COneCell* one = cell->GetCell(c, r)) {
                    const std::string at = key + ".cell" + std::to_string(c) + "," + std::to_string(r);
                    Fields(state, at, one, "", &COneCell::GetLogFont, "", &COneCell::GetLogBrush);
                    state.Put(at + ".align", std::to_string(one->GetHAlign()) + "/" + std::to_string(one->GetVAlign()));
                }
    }
    if (auto* mark = kinds.as.As<CQXObjectColorMark>()) {
        Fields(state, key, mark, "", &CQXObjectColorMark::GetLogFont);
        state.Put(key, ".mark", std::to_string(mark->GetDirection()) + "/" + std::to_string(mark->GetDecimal()) + "/" +
                                     std::to_string(mark->GetLabelAlign()) + "/" +
                                     std::to_string(mark->GetLabelInterval()));
        Fields(state, key, mark, ".radius.a", &CQXObjectColorMark::GetRadiusA, ".radius.b",
               &CQXObjectColorMark::GetRadiusB);
    }
    if (auto* axes = kinds.as.As<CQXObjectCoordinate>()) DumpCoordinate(state, key, axes);
    if (auto* finger = kinds.as.As<CQXObjectFinger>()) {
        Fields(state, key, finger, "", &CQXObjectFinger::GetLogPen, ".left", &CQXObjectFinger::GetLeftBrush, ".right",
               &CQXObjectFinger::GetRightBrush, "", &CQXObjectFinger::GetLogFont);
        state.Put(key, ".finger", std::to_string(finger->GetStyle()) + "/" + Text(finger->GetNorthText()) + "/" +
                                       Text(finger->GetSouthText()) + "/" + Text(finger->GetEastText()) + "/" +
                                       Text(finger->GetWestText()));
    }
    if (auto* legend = kinds.as.As<CQXObjectLegend>()) {
        Fields(state, key, legend, ".legend", &CQXObjectLegend::GetLegendFont, "", &CQXObjectLegend::GetLogFont,
               ".outer", &CQXObjectLegend::GetOuterLineLogPen, "", &CQXObjectLegend::GetLogPen);
        state.Put(key, ".legend", Text(legend->GetTitle()) + "/" + std::to_string(legend->GetFontPosition()) + "/" +
                                       std::to_string(legend->GetColCount()));
        Fields(state, key, legend, ".space.left", &CQXObjectLegend::GetLSpace, ".space.top",
               &CQXObjectLegend::GetTSpace, ".space.between", &CQXObjectLegend::GetDSpace);
    }
    if (auto* pie = kinds.as.As<CQXObjectPie>()) DumpPie(state, key, pie);
    if (auto* scale = kinds.as.As<CQXObjectScale>()) {
        Fields(state, key, scale, "", &CQXObjectScale::GetLogFont, "", &CQXObjectScale::GetLogPen);
        state.Put(key, ".scale", std::to_string(scale->GetStep()) + "/" + std::to_string(scale->GetDecimalNum()) +
                                      "/" + Text(scale->GetUnitWord()) + "/" +
                                      std::to_string(scale->GetZeroFromStart()) + "/" +
                                      std::to_string(scale->GetStyle()));
        Fields(state, key, scale, ".height", &CQXObjectScale::GetHeight, ".size", AsSize(&CQXObjectScale::GetSize));
    }
    if (auto* web = kinds.as.As<CQXObjectWeb>())
        Fields(state, key, web, "", &CQXObjectWeb::GetLogPen, ".style", &CQXObjectWeb::GetStyle, ".gap.x",
               AsSize(&CQXObjectWeb::GetXGap), ".gap.y", AsSize(&CQXObjectWeb::GetYGap));
    if (auto* block = kinds.as.As<CQXObjectBlock>())
        for (const char* part : {"上盘", "下盘", "断层多边形"})
            if (CQXObject* member = block->GetObjectByTypeName(part)) DumpObject(state, key + "." + part, member);
    if (auto* well = kinds.as.As<CWpWell>())
        Fields(state, key, well, ".title", &CWpWell::GetTitleFont, ".border", &CWpWell::GetBorderPen, ".client",
               &CWpWell::GetClientBrush, ".width", AsSize(&CWpWell::GetWidth));
    if (auto* graph = kinds.as.As<CQXObjectWellGraph>())
        Fields(state, key, graph, ".head", &CQXObjectWellGraph::GetHeadLogPen, "", &CQXObjectWellGraph::GetPointOption);
}

// A layer and every object in it, through their getters: what one window edits (the object, the
// objects of its type selected with it, or the layer and its objects), and the map options the
// layer pages write.
void DumpLayer(CQXLayer* layer, State& state) {
    state.Put("layer", demo::planesample::DescribeLayer(layer));
    state.Put("layer.stamp", std::to_string(layer->GetTimeStamp()));
    state.Attributes("layer", *layer->GetPropertyManager());
    Fields(state, "layer", layer, "", &CQXLayer::GetLogPen, "", &CQXLayer::GetLogBrush, "", &CQXLayer::GetLogFont, "",
           &CQXLayer::GetLogPoint);
    for (int i = 0; i < layer->GetObjectCount(); ++i)
        DumpObject(state, "object" + std::to_string(i), layer->GetObjectG(i));
    if (std::string(layer->GetTypeName().str()) == "饼图") {
        kel::plane::CPieLayer pie(layer);
        state.Put("layer.dates", std::string(pie.GetDate1().Format("%Y-%m-%d").str()) + "/" +
                                     pie.GetDate2().Format("%Y-%m-%d").str() + "/" +
                                     pie.GetDateBegin().Format("%Y-%m-%d").str() + "/" +
                                     pie.GetDateEnd().Format("%Y-%m-%d").str());
    }
    kel::plane::CPlaneOption* options = kel::plane::CPlaneOption::Instance();
    using Options = kel::plane::CPlaneOption;
    Fields(state, "options", options, ".bound", &Options::m_BoundPen, ".virtual", &Options::m_VirtualWellPoint, ".up",
           &Options::m_UpPen, ".down", &Options::m_DnPen, ".fault", &Options::m_FaultBrush);
}

// Every edit stays within the shown object's layer (its same-type objects) or the shown layer.
// The objects are swept in runs of every parts-th one, starting at part.
void SweepObjects(int part, int parts) {
    SampleMap sample;
    CQXMap* map = sample.map.Map();
    // The table's default font gets a size no typed text reads as: a negative size typed into the
    // table's font means that default, which then shows as the change it is.
    for (const auto& [caption, object] : sample.furniture)
        if (auto* table = dynamic_cast<CQXObjectCell*>(object)) {
            table->GetDefaultFont()->size = 1234;
            // A stored field that fails to read: a group edit of another field must still write.
            table->TopBorderPen().width = -100;
        }
    using sweep::Restyle;
    const auto sized = [](float size) { return [size](auto& record) { record.size = size; }; };
    Restyle(sample.wellHead, &CQXObjectPoint::GetLogPoint, &CQXObjectPoint::SetLogPoint, sized(-100));
    // Values with more digits than their items show: a pick in their group must keep them.
    Restyle(sample.well1, &CQXObjectPoint::GetLogPoint, &CQXObjectPoint::SetLogPoint, sized(249.96f));
    Restyle(sample.road1, &CQXObjectPolyline::GetLogPen, &CQXObjectPolyline::SetLogPen,
            [](QXLOGPEN& pen) { pen.width = 99.96f; });
    Restyle(sample.title, &CQXObjectText::GetLogFont, &CQXObjectText::SetLogFont, sized(1234.5f));
    // The column's interval runs from stratum "2" to "3" of 1/2/3: a stop above the start is
    // refused. A column whose well has no strata of its grade drops every edit of its interval.
    sample.column->SetTopUnit("2");
    CWpWell* unstratified = sample.map.Add<CWpWell>("层段剖面", sample.sectionLayer);
    unstratified->SetName("无分层");
    unstratified->SetUnitClass(1);
    unstratified->SetTopUnit("1");
    unstratified->SetBottomUnit("3");
    CQXLayer* scope = nullptr;
    sweep::Sweeper sweeper("plane map", [&scope](State& state) { DumpLayer(scope, state); });
    // A vertical well's line is the same whichever way its track is drawn; a column whose well has
    // no strata of its grade drops every edit.
    sweeper.MayRefusePicks("上部井斜线 \"直1\" in 井位 / 轨迹显示方式");
    sweeper.MayRefusePicks("层段剖面 \"无分层\" in 剖面");
    const std::vector<CQXObject*> objects = Objects(map);
    for (std::size_t i = static_cast<std::size_t>(part); i < objects.size(); i += static_cast<std::size_t>(parts)) {
        CQXObject* object = objects[i];
        // The host selects the object alone in its layer, then asks the creator for its window.
        scope = object->GetLayer();
        const auto selectAlone = [&sample, scope](CQXObject* shown) {
            return [&sample, scope, shown] {
                sample.map.ClearSelection(scope);
                sample.map.Select(shown);
            };
        };
        selectAlone(object)();
        const std::string name = std::string(object->GetTypeName().str()) + " \"" + object->GetName().str() + "\" in " +
                                 object->GetLayer()->GetName().str();
        // Another object of the same kind in the layer, shown in the same window as the host shows
        // it (selected alone): its values are its own. (Not the column that drops every edit.)
        std::vector<sweep::Sweeper::Other> others;
        for (CQXObject* other : objects)
            if (other != object && other != unstratified && other->GetLayer() == scope &&
                typeid(*other) == typeid(*object)) {
                others.push_back({reinterpret_cast<LPARAM>(other), selectAlone(other)});
                break;
            }
        if (!others.empty()) sweeper.SetAnnounceHooks(selectAlone(object), nullptr);
        sweeper.Sweep(
            name, [object](CWnd* frame) { return CPlanePropWndCreator::CreateObjProp(object, frame); },
            reinterpret_cast<LPARAM>(object), others);
        sweeper.SetAnnounceHooks(nullptr, nullptr);
        sample.map.ClearSelection(object->GetLayer());
    }
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] plane map objects " << part << "/" << parts << ": " << sweeper.Pages().size() << " pages, "
              << sweeper.Typed() << " texts, " << sweeper.Unopened().size() << " without a window\n";
}

constexpr int kObjectRuns = 3;

TEST(SweepPlaneMap, EveryPageOfEveryObjectFirstRun) { SweepObjects(0, kObjectRuns); }
TEST(SweepPlaneMap, EveryPageOfEveryObjectSecondRun) { SweepObjects(1, kObjectRuns); }
TEST(SweepPlaneMap, EveryPageOfEveryObjectThirdRun) { SweepObjects(2, kObjectRuns); }

// The border page shown for one border while the map's selection has since changed without a new
// selection message: to another border and a frame, or to the other border alone. What a text
// does must not depend on rereading the selection.
TEST(SweepPlaneMap, BorderPageWhileTheSelectionChanges) {
    SampleMap sample;
    CQXObjectBorder* shown = sample.border;
    CQXObjectBorder* other = sample.map.Add<CQXObjectBorder>("边框", shown->GetLayer());
    CQXObjectBorder* frame = sample.map.Add<CQXObjectBorder>("图框", shown->GetLayer());
    sweep::Sweeper sweeper("plane map", [&](State& state) { DumpLayer(shown->GetLayer(), state); });
    const std::pair<const char*, std::vector<CQXObject*>> selections[] = {
        {"another border and a frame", {other, frame}}, {"another border", {other}}};
    for (const auto& [caption, selection] : selections) {
        sweeper.SetAnnounceHooks(
            [&] {
                sample.map.ClearSelection(shown->GetLayer());
                sample.map.Select(shown);
            },
            [&, selection = selection] {
                sample.map.ClearSelection(shown->GetLayer());
                for (CQXObject* object : selection) sample.map.Select(object);
            });
        sweeper.Sweep(
            std::string("边框, then ") + caption,
            [shown](CWnd* frameWnd) { return CPlanePropWndCreator::CreateObjProp(shown, frameWnd); },
            reinterpret_cast<LPARAM>(shown));
    }
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
}

TEST(SweepPlaneMap, EveryPageOfEveryLayer) {
    SampleMap sample;
    CQXMap* map = sample.map.Map();
    // A chart layer of dynamic data drawn as multi-column bars shows its begin and end dates: a
    // begin after the end, or an end before the begin, is refused.
    kel::plane::CPieLayer dynamic(sample.map.AddLayer("动态产量", "饼图"));
    dynamic.SetShapeType(2);
    dynamic.SetDataType(2);
    dynamic.SetRecordCount(2);
    dynamic.SetDateBegin(COleDateTime(2020, 1, 1, 0, 0, 0));
    dynamic.SetDateEnd(COleDateTime(2020, 12, 31, 0, 0, 0));
    CQXLayer* scope = nullptr;
    sweep::Sweeper sweeper("plane map", [&scope](State& state) { DumpLayer(scope, state); });
    for (CQXLayer* layer : Layers(map)) {
        scope = layer;
        const std::string name =
            std::string("layer ") + layer->GetName().str() + " (" + layer->GetTypeName().str() + ")";
        sweeper.Sweep(
            name, [layer](CWnd* frame) -> CWnd* { return CPlanePropWndCreator::CreateLayerProp(layer, frame); },
            reinterpret_cast<LPARAM>(layer));
    }
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] plane map layers: " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts, "
              << sweeper.Unopened().size() << " without a window\n";
}

// The well layer's pages shown while its well-row base line is there, the line gone from the layer
// right after each time the host announces the layer: a pick of "井排基线" is refused with its
// message, and nothing else happens.
TEST(SweepPlaneMap, WellLayerWhoseBaseLineIsGone) {
    SampleMap sample;
    CQXLayer* layer = sample.wellLayer;
    sweep::Sweeper sweeper("plane map", [layer](State& state) { DumpLayer(layer, state); });
    sweeper.SetAnnounceHooks(
        [&] {
            layer->DeleteObject(sample.baseLine);
            layer->AddObject(sample.baseLine);
        },
        [&] { layer->DeleteObject(sample.baseLine); });
    sweeper.Sweep(
        "layer 井位 without its base line",
        [layer](CWnd* frame) -> CWnd* { return CPlanePropWndCreator::CreateLayerProp(layer, frame); },
        reinterpret_cast<LPARAM>(layer));
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
}

// A conversion from text that a page names, beside the list that reads the same texts: each row of
// its table and a text no row names gives the row's value, and the text reported into the list as a
// host reports it stores the value the conversion gives. Before each report the stored value is one
// no row gives, so that a list that wrote nothing is caught too.
struct Conversion {
    std::string what;
    std::vector<std::pair<const char*, int>> rows;
    std::function<int(const CString&)> convert;
    std::function<void(const char*)> report;
    std::function<void(int)> store;
    std::function<int()> stored;
};

void ExpectListReadsAsItsConversion(const Conversion& c) {
    constexpr int kNoRowsValue = 77;
    for (const auto& [text, value] : c.rows) {
        EXPECT_EQ(value, c.convert(text)) << c.what << ": " << text;
        c.store(kNoRowsValue);
        c.report(text);
        EXPECT_EQ(c.convert(text), c.stored()) << c.what << ": the list reads " << text << " otherwise";
    }
}

TEST(SweepPlaneMap, EachConversionByNameAndTheListReadingItsTextsAgree) {
    SampleMap sample;
    using planetest::OpenList;

    // The grid line styles of both grids of a border that draws both.
    CQXObjectBorder* border = sample.border;
    border->SetDrawGraticule(1);
    border->SetDrawKilometerGrid(1);
    OpenList<CPropListBorderGrid> grid(sample.map, {border});
    const auto gridStyle = [](const CString& text) { return static_cast<int>(GridLineStyleFromName(text)); };
    using Border = CQXObjectBorder;
    for (auto [id, set, get] :
         {std::make_tuple(CPropListBorderGrid::kGLineStyleId, &Border::SetGGridDrawType, &Border::GetGGridDrawType),
          std::make_tuple(CPropListBorderGrid::kKLineStyleId, &Border::SetKGridDrawType, &Border::GetKGridDrawType)})
        ExpectListReadsAsItsConversion(
            {"grid line style " + std::to_string(id), planetest::kGridLineStyleRows, gridStyle,
             [&grid, id = id](const char* text) { grid.Report(id, text); },
             [border, set = set](int value) { (border->*set)(static_cast<Border::GridDrawType>(value)); },
             [border, get = get] { return static_cast<int>((border->*get)()); }});

    // The label contents of a pie and of multi-column bars, which offer other texts.
    kel::plane::CPieLayer pie(sample.pieLayer);
    for (int shape : {0, 2}) {
        pie.SetShapeType(shape);
        OpenList<CPropListPieLayerObj> display(sample.pieLayer);
        for (int line = 1; line <= 3; ++line)
            ExpectListReadsAsItsConversion(
                {"label content " + std::to_string(line) + " of shape " + std::to_string(shape),
                 planetest::kLabelContentRows, &CPropListPieLayerObj::TextShowStyleFromName,
                 [&display, line](const char* text) {
                     display.Report(CPropListPieLayerObj::kFirstContentId + line - 1, text);
                 },
                 [&pie, line](int value) { pie.SetTextShowStyle(line, value); },
                 [&pie, line] { return pie.GetTextShowStyle(line); }});
    }

    // The strata of the well table the pie layer reads.
    pie.SetShapeType(0);
    pie.SetDataType(0);
    pie.SetTableName("小层数据表");
    OpenList<CPropListPieLayerData> data(sample.pieLayer);
    CStringArray strata;
    CDataHelper::GetStratumNames(strata, pie.GetTableName());
    ASSERT_GT(strata.GetSize(), 1);
    std::vector<std::pair<const char*, int>> positions;
    for (int i = 0; i < strata.GetSize(); ++i) positions.emplace_back(strata.GetAt(i).GetString(), i);
    positions.emplace_back("无此层", -1);
    ExpectListReadsAsItsConversion(
        {"stratum", positions, [&data](const CString& text) { return data.list().GetDataLayerIndex(text); },
         [&data](const char* text) { data.Report(CPropListPieLayerData::kStratumId, text); },
         [&pie](int value) { pie.SetDataLayer(value); }, [&pie] { return pie.GetDataLayer(); }});

    // The arrows at both ends of the well-net layer's lines.
    OpenList<CPropListWellNetLayerLine> net(sample.wellNetLayer);
    CQXObjectPolyline* link = sample.wellNetLink;
    for (bool begin : {true, false}) {
        const auto arrow = [link, begin] { return begin ? link->GetBegArrow() : link->GetEndArrow(); };
        const DWORD_PTR id = begin ? CPropListWellNetLayerLine::kBeginArrowId : CPropListWellNetLayerLine::kEndArrowId;
        ExpectListReadsAsItsConversion({begin ? "begin arrow" : "end arrow",
                                        {{"空", 0}, {"简单样式", 1}, {"直角样式", 2}, {"无此样式", 0}},
                                        [](const CString& text) { return ArrowTypeFromText(text); },
                                        [&net, id](const char* text) { net.Report(id, text); },
                                        [arrow](int value) { arrow()->SetArrowType(value); },
                                        [arrow] { return arrow()->GetArrowType(); }});
    }
}

}  // namespace
