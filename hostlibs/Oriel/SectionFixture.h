// A multi-well section world for tests, the demo host and benchmarks: a section container of
// any kind (correlation, connection, reservoir, fence) on a layer of a map, its wells in its well
// manager and selected, its display record holding strata of level 1 with their settings bytes,
// and two connection groups. The section becomes the current one while the fixture lives.
// Building the world starts the section library's call log afresh.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/IkelWellAdapter.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScWellMgr.h"

namespace oriel {

template <class Container>
class SectionFixture {
public:
    // Strata "1", "2", "3", ... (the first three are the sample well data's level-1 names) with
    // the bytes 0x05, 0x00, 0x1F, 0x05, 0x00, 0x1F, ...; wells "W1", "W2", ... 300 wide, from
    // 1000 m + 100 m per well down to 2000 m, by depth.
    explicit SectionFixture(int wells = 3, int strata = 3) : container_(maps_.Layer()) {
        static const unsigned char kBytes[] = {0x05, 0x00, 0x1F};
        CMapProperty& record = Record();
        record.m_nGrade = 1;
        record.m_strTopStratum = "1";
        record.m_strBottomStratum = std::to_string(strata);
        for (int i = 0; i < strata; ++i) record.m_content.strata.emplace_back(std::to_string(i + 1), kBytes[i % 3]);
        std::vector<ScObjInterface*> selected;
        for (int i = 0; i < wells; ++i) {
            auto well = std::make_unique<IkelWellAdapter>();
            well->SetName("W" + std::to_string(i + 1));
            well->SetWidth(300);
            well->SetTopDepth(1000 + 100 * i);
            well->SetBottomDepth(2000);
            well->SetTopStratum("1");
            well->SetBottomStratum(std::to_string(strata));
            container_.GetWellMgr()->AddWell(well.get());
            selected.push_back(well.get());
            wells_.push_back(std::move(well));
        }
        container_.SetActiveObj(selected);
        container_.GetConMgrVector().CreateObj()->SetWell("W1", "W2");
        container_.GetConMgrVector().CreateObj()->SetWell("W2", "W3");
        CContainerSignle::Instance()->SetContainer(&container_);
        testing::ClearCallLog();
    }
    ~SectionFixture() {
        if (CContainerSignle::Instance()->GetContainer() == &container_)
            CContainerSignle::Instance()->SetContainer(nullptr);
    }
    SectionFixture(const SectionFixture&) = delete;
    SectionFixture& operator=(const SectionFixture&) = delete;

    Container& Section() { return container_; }
    // The section's object part, as the host hands it over.
    ScObjInterface* Object() { return &container_; }
    CMapProperty& Record() { return *container_.GetProperty(); }
    CQXMap* Map() const { return maps_.Map(); }
    IkelWellAdapter& Well(int i) { return *wells_[static_cast<std::size_t>(i)]; }
    int WellCount() const { return static_cast<int>(wells_.size()); }

private:
    parsnip::MapFixture maps_;
    Container container_;
    std::vector<std::unique_ptr<IkelWellAdapter>> wells_;
};

}  // namespace oriel
