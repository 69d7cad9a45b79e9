// Map worlds for tests and the demo host: a map file owning its maps, maps owning their layers,
// and the objects of the layers owned by the fixture. Building a world leaves the call log as it
// was; stamps are renewed as usual.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "win32/Win32.h"

class CQXLayer;
class CQXMap;
class CQXMapFile;
class CQXObjectFill;
class CQXObjectPoint;
class CQXObjectPolyline;
class CQXObjectText;

namespace parsnip::testing {
// One SendNotifyMessageA (or SendNotifyMessage) call, with everything it was given.
struct Notification {
    const CQXMapFile* mapFile = nullptr;
    CQXMap* map = nullptr;
    CQXLayer* layer = nullptr;
    CQXObject* object = nullptr;
    UINT code = 0;
};
const std::vector<Notification>& Notifications();
void ClearNotifications();  // also done by Reset()
// Library side.
void RecordNotification(const Notification& notification);
bool IsCallLogEnabled();
}  // namespace parsnip::testing

namespace parsnip {

class MapFixture {
public:
    // One map file with one map "平面图" holding one layer "图层1".
    MapFixture();
    ~MapFixture();
    MapFixture(const MapFixture&) = delete;
    MapFixture& operator=(const MapFixture&) = delete;

    CQXMapFile* MapFile() const { return m_mapFile.get(); }
    // The first map, and the first layer of the first map.
    CQXMap* Map() const;
    CQXLayer* Layer() const;

    CQXMap* AddMap(const char* name, const char* typeName = "");
    // A new layer of map (the first map when NULL).
    CQXLayer* AddLayer(const char* name, const char* typeName = "", CQXMap* map = nullptr);

    // A new object of kind T with that type name, listed by layer (the first layer when NULL) and
    // owned by the fixture.
    template <class T>
    T* Add(const char* typeName, CQXLayer* layer = nullptr) {
        T* object = new T();
        Adopt(std::unique_ptr<CQXObject>(object), typeName, layer);
        return object;
    }
    // Takes any object over the same way.
    CQXObject* Adopt(std::unique_ptr<CQXObject> object, const char* typeName, CQXLayer* layer = nullptr);

    CQXObjectPolyline* AddPolyline(const char* typeName, const std::vector<FLOATPOINT>& points,
                                   CQXLayer* layer = nullptr);
    CQXObjectText* AddText(const char* typeName, const char* text, FLOATPOINT anchor, CQXLayer* layer = nullptr);
    CQXObjectPoint* AddPoint(const char* typeName, FLOATPOINT anchor, CQXLayer* layer = nullptr);
    // A fill whose outer ring runs through the points.
    CQXObjectFill* AddFill(const char* typeName, const std::vector<FLOATPOINT>& ring, CQXLayer* layer = nullptr);

    // Appends objects to their layers' selections, in order (objects without a layer are skipped).
    void Select(CQXObject* object);
    void Select(std::initializer_list<CQXObject*> objects);
    // Empties the selection of layer (the first layer when NULL).
    void ClearSelection(CQXLayer* layer = nullptr);

    // Frees everything and builds the starting world again.
    void Reset();

private:
    CQXLayer* LayerOr(CQXLayer* layer) const { return layer ? layer : Layer(); }

    // Maps and layers are freed with the map file; objects after it (nothing reads them on the way).
    std::vector<std::unique_ptr<CQXObject>> m_objects;
    std::unique_ptr<CQXMapFile> m_mapFile;
};

}  // namespace parsnip
