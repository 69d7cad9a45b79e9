#include "hostlibs/Parsnip/MapFixture.h"

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "hosttypes/Parsnip/QXMapFile.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "mfc/BoundedLog.h"

namespace parsnip::testing {
namespace {
// The newest notifications at least, bounded like the call log.
platform::BoundedLog<Notification>& NotificationLog() {
    static platform::BoundedLog<Notification> log(2048);
    return log;
}
}  // namespace

const std::vector<Notification>& Notifications() { return NotificationLog().items(); }
void ClearNotifications() { NotificationLog().clear(); }
void RecordNotification(const Notification& notification) { NotificationLog().push_back(notification); }
}  // namespace parsnip::testing

namespace parsnip {
namespace {
// Keeps the fixture's own setting-up out of the call log.
class QuietLog {
public:
    QuietLog() : m_wasEnabled(testing::IsCallLogEnabled()) { testing::EnableCallLog(false); }
    ~QuietLog() { testing::EnableCallLog(m_wasEnabled); }
    QuietLog(const QuietLog&) = delete;
    QuietLog& operator=(const QuietLog&) = delete;

private:
    bool m_wasEnabled;
};
}  // namespace

MapFixture::MapFixture() { Reset(); }
MapFixture::~MapFixture() = default;

CQXMap* MapFixture::Map() const { return m_mapFile ? m_mapFile->GetMap(0u) : nullptr; }

CQXLayer* MapFixture::Layer() const {
    CQXMap* map = Map();
    return map ? map->GetLayer(0u) : nullptr;
}

void MapFixture::Reset() {
    m_mapFile.reset();
    m_objects.clear();
    m_mapFile = std::make_unique<CQXMapFile>();
    AddMap("平面图");
    AddLayer("图层1");
}

CQXMap* MapFixture::AddMap(const char* name, const char* typeName) {
    QuietLog quiet;
    CQXMap* map = m_mapFile->AddMap(new CQXMap());
    map->SetName(name);
    map->SetTypeName(typeName);
    return map;
}

CQXLayer* MapFixture::AddLayer(const char* name, const char* typeName, CQXMap* map) {
    QuietLog quiet;
    if (!map) map = Map();
    if (!map) return nullptr;
    CQXLayer* layer = map->AddLayer(new CQXLayer(map));
    layer->SetName(name);
    layer->SetTypeName(typeName);
    return layer;
}

CQXObject* MapFixture::Adopt(std::unique_ptr<CQXObject> object, const char* typeName, CQXLayer* layer) {
    if (!object) return nullptr;
    QuietLog quiet;
    CQXObject* raw = object.get();
    m_objects.push_back(std::move(object));
    raw->SetTypeName(typeName);
    if (CQXLayer* target = LayerOr(layer)) target->AddObject(raw);
    return raw;
}

CQXObjectPolyline* MapFixture::AddPolyline(const char* typeName, const std::vector<FLOATPOINT>& points,
                                           CQXLayer* layer) {
    QuietLog quiet;
    CQXObjectPolyline* line = Add<CQXObjectPolyline>(typeName, layer);
    line->SetPoints(points);
    return line;
}

CQXObjectText* MapFixture::AddText(const char* typeName, const char* text, FLOATPOINT anchor, CQXLayer* layer) {
    QuietLog quiet;
    CQXObjectText* object = Add<CQXObjectText>(typeName, layer);
    object->SetString(text);
    object->MoveAnchor(anchor);
    return object;
}

CQXObjectPoint* MapFixture::AddPoint(const char* typeName, FLOATPOINT anchor, CQXLayer* layer) {
    QuietLog quiet;
    CQXObjectPoint* object = Add<CQXObjectPoint>(typeName, layer);
    object->MoveAnchor(anchor);
    return object;
}

CQXObjectFill* MapFixture::AddFill(const char* typeName, const std::vector<FLOATPOINT>& ring, CQXLayer* layer) {
    QuietLog quiet;
    CQXObjectFill* object = Add<CQXObjectFill>(typeName, layer);
    object->AddSegment(new CQXSegment(ring));
    return object;
}

void MapFixture::Select(CQXObject* object) {
    if (object && object->GetLayer()) object->GetLayer()->SetSelectedObject(object);
}

void MapFixture::Select(std::initializer_list<CQXObject*> objects) {
    for (CQXObject* object : objects) Select(object);
}

void MapFixture::ClearSelection(CQXLayer* layer) {
    if (CQXLayer* target = LayerOr(layer)) target->RemoveAllSelectedObject();
}

}  // namespace parsnip
