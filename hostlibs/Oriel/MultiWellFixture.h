// The objects of a multi-well section that have pages of their own, in a section world
// (SectionFixture.h) for tests, the demo host and benchmarks: a distance and a depth scale bar in
// the section's scale-bar manager, the section's ruler frame, stratum cells (each with its boundary
// line, most with an interval fill) and stratum groups, and one sand fill of every fill type, each
// over a sand of the first well in the connection group of stratum "1".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScDisScaleMgr.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

namespace oriel {

template <class Container>
class MultiWellFixture {
public:
    // Sand fills of the types 0 to 5 in this order; their sands carry these codes.
    static constexpr int kFillTypes = 6;

    explicit MultiWellFixture(int wells = 3) : section_(wells) {
        scales_.SetContainer(&section_.Section());
        distance_.SetDisScaleMgr(&scales_);
        depth_.SetDisScaleMgr(&scales_);
        group_.SetStratumName("1");
        sands_.SetWellGraph(&section_.Well(0));
        for (int type = 0; type < kFillTypes; ++type) {
            auto* sand = new CnSand;
            sand->SetMgr(&sands_);
            sand->SetFaciesCode("HKB");
            sand->SetLithCode("1");
            sand->SetOilCode("3");
            sands_.AddObj(sand);
            auto fill = std::make_unique<CnSandFill>();
            fill->SetSymFillType(static_cast<SymbolFillType>(type));
            fill->SetFillType(type <= SYMFILL_OIL);
            fill->SetSandFillMgr(group_.GetSandFillMgr());
            fill->AddSand(sand);
            auto object = std::make_unique<CQXObjectFill>();
            QXLOGBRUSH brush;
            brush.style = 1001;
            brush.size = 500;
            object->SetLogBrush(&brush);
            fill->SetFillObject(object.get());
            group_.GetSandFillMgr()->AddFill(fill.get());
            fills_.push_back(std::move(fill));
            fillObjects_.push_back(std::move(object));
        }
        testing::ClearCallLog();
    }
    MultiWellFixture(const MultiWellFixture&) = delete;
    MultiWellFixture& operator=(const MultiWellFixture&) = delete;

    SectionFixture<Container>& World() { return section_; }
    Container& Section() { return section_.Section(); }
    ScDisScale& Distance() { return distance_; }
    ScDepthScale& Depth() { return depth_; }
    ScRulerFrame& Frame() { return *section_.Section().GetRulerFrame(); }
    CnSandFill& Fill(int type) { return *fills_[static_cast<std::size_t>(type)]; }
    CQXObjectFill& FillObject(int type) { return *fillObjects_[static_cast<std::size_t>(type)]; }

    // A stratum cell of the stratum, with its boundary line and, unless told otherwise, an
    // interval fill.
    CStratumCell& AddCell(const std::string& stratum, bool withFill = true) {
        auto cell = std::make_unique<CStratumCell>(stratum);
        auto line = std::make_unique<CQXObjectPolyline>();
        cell->SetStratumLine(line.get());
        lines_.push_back(std::move(line));
        if (withFill) {
            auto fill = std::make_unique<CQXObjectFill>();
            cell->SetStratumFill(fill.get());
            fillObjects_.push_back(std::move(fill));
        }
        cells_.push_back(std::move(cell));
        return *cells_.back();
    }
    // Adds count stratum groups to the section.
    void AddStratumGroups(int count) {
        for (int i = 0; i < count; ++i)
            section_.Section().GetStratumGroupManager()->CreateObj();
    }
    // Makes the objects the section's selection, in order.
    void Select(const std::vector<ScObjInterface*>& objects) { section_.Section().SetActiveObj(objects); }

private:
    SectionFixture<Container> section_;
    ScDisScaleMgr scales_;
    ScDisScale distance_;
    ScDepthScale depth_;
    CnConnectionGroup group_;
    CnSandMgr sands_;
    std::vector<std::unique_ptr<CnSandFill>> fills_;
    std::vector<std::unique_ptr<CQXObjectFill>> fillObjects_;
    std::vector<std::unique_ptr<CQXObjectPolyline>> lines_;
    std::vector<std::unique_ptr<CStratumCell>> cells_;
};

}  // namespace oriel
