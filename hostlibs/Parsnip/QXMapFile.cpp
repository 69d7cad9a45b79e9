#include "hosttypes/Parsnip/QXMapFile.h"

#include <algorithm>

#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXMap.h"

IMPLEMENT_DYNAMIC(CQXMapFile, CObject)

CQXMapFile::CQXMapFile() = default;

CQXMapFile::~CQXMapFile() {
    for (CQXMap* map : m_maps) delete map;
}

void CQXMapFile::SendNotifyMessageA(CQXMap* map, CQXLayer* layer, CQXObject* object, UINT code) {
    parsnip::testing::Record("CQXMapFile::SendNotifyMessageA", this, std::to_string(code));
    parsnip::testing::RecordNotification(parsnip::testing::Notification{this, map, layer, object, code});
}

CQXMap* CQXMapFile::AddMap(CQXMap* map) {
    if (!map) return nullptr;
    map->SetMapFile(this);
    // Taken over once only: a second entry would free it twice.
    if (std::find(m_maps.begin(), m_maps.end(), map) != m_maps.end()) return map;
    m_maps.push_back(map);
    return map;
}
