// The sweep over the plane map: the window of every object and every layer of the demo host's
// sample map, each opened through the plane-map creator.
#include <gtest/gtest.h>

#include "host/PlaneMapSample.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "sweep/Sweep.h"

namespace {

using demo::planesample::SampleMap;

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

void DumpStyles(sweep::State& state, const std::string& key, const QXLOGPEN& pen, const QXLOGBRUSH& brush,
                const QXLOGFONT& font, const QXLOGPOINT& point) {
    state.Put(key + ".pen", std::to_string(pen.style) + "/" + std::to_string(pen.color));
    state.Size(key + ".pen.width", pen.width);
    state.Put(key + ".brush", std::to_string(brush.style) + "/" + std::to_string(brush.fillColor) + "/" +
                                  std::to_string(brush.lineColor) + "/" + std::to_string(brush.backMode));
    state.Size(key + ".brush.size", brush.size);
    state.Put(key + ".font", std::string(font.faceName) + "/" + std::to_string(font.color));
    state.Size(key + ".font.size", font.size);
    state.Put(key + ".point", std::to_string(point.style) + "/" + std::to_string(point.innerColor));
    state.Size(key + ".point.size", point.size);
}

// A layer and every object in it, through their getters: what one window edits (the object, the
// objects of its type selected with it, or the layer and its objects).
void DumpLayer(CQXLayer* layer, sweep::State& state) {
    QXLOGPEN pen;
    QXLOGBRUSH brush;
    QXLOGFONT font;
    QXLOGPOINT point;
    layer->GetLogPen(&pen);
    layer->GetLogBrush(&brush);
    layer->GetLogFont(&font);
    layer->GetLogPoint(&point);
    state.Put("layer", demo::planesample::DescribeLayer(layer));
    state.Put("layer.stamp", std::to_string(layer->GetTimeStamp()));
    state.Put("layer.properties", std::to_string(layer->GetPropertyManager()->GetPropertyCount()));
    DumpStyles(state, "layer", pen, brush, font, point);
    for (int i = 0; i < layer->GetObjectCount(); ++i) {
        CQXObject* object = layer->GetObjectG(i);
        const std::string key = "object" + std::to_string(i);
        state.Put(key, demo::planesample::Describe(object));
        state.Put(key + ".stamp", std::to_string(object->GetTimeStamp()));
        QXLOGPEN objectPen;
        QXLOGFONT objectFont;
        QXLOGPOINT objectPoint;
        QXLOGBRUSH objectBrush;
        if (auto* line = dynamic_cast<CQXObjectPolyline*>(object)) line->GetLogPen(&objectPen);
        if (auto* text = dynamic_cast<CQXObjectText*>(object)) text->GetLogFont(&objectFont);
        if (auto* mark = dynamic_cast<CQXObjectPoint*>(object)) mark->GetLogPoint(&objectPoint);
        if (auto* fill = dynamic_cast<CQXObjectFill*>(object)) fill->GetLogBrush(&objectBrush);
        DumpStyles(state, key, objectPen, objectBrush, objectFont, objectPoint);
    }
}

TEST(SweepPlaneMap, EveryPageOfEveryObjectAndLayer) {
    SampleMap sample;
    CQXMap* map = sample.map.Map();
    // Every edit stays within the shown object's layer (its same-type objects) or the shown layer.
    CQXLayer* scope = nullptr;
    sweep::Sweeper sweeper("plane map", [&scope](sweep::State& state) { DumpLayer(scope, state); });
    for (CQXObject* object : Objects(map)) {
        // The host selects the object in its layer, then asks the creator for its window.
        scope = object->GetLayer();
        sample.map.ClearSelection(scope);
        sample.map.Select(object);
        const std::string name = std::string(object->GetTypeName().str()) + " \"" + object->GetName().str() + "\" in " +
                                 object->GetLayer()->GetName().str();
        sweeper.Sweep(name, [object](CWnd* frame) { return CPlanePropWndCreator::CreateObjProp(object, frame); },
                      reinterpret_cast<LPARAM>(object));
        sample.map.ClearSelection(object->GetLayer());
    }
    for (CQXLayer* layer : Layers(map)) {
        scope = layer;
        const std::string name = std::string("layer ") + layer->GetName().str() + " (" + layer->GetTypeName().str() + ")";
        sweeper.Sweep(name, [layer](CWnd* frame) -> CWnd* { return CPlanePropWndCreator::CreateLayerProp(layer, frame); },
                      reinterpret_cast<LPARAM>(layer));
    }
    EXPECT_GT(sweeper.Typed(), 0);
    std::cout << "[sweep] plane map: " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts, "
              << sweeper.Unopened().size() << " without a window\n";
}

}  // namespace
