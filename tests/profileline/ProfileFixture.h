// Profile-line windows opened in a host window and driven as a user would, over a sample graph:
// an entity with a sequential and a projected line and two wells, each with a label, a head and a
// bottom symbol and an upper and a lower track.
#pragma once

#include <gtest/gtest.h>
#include <log4cplus/appender.h>
#include <log4cplus/logger.h>
#include <log4cplus/spi/loggingevent.h>

#include <boost/make_shared.hpp>
#include <string>
#include <vector>

#include "ProfilelineProp/PlPropertyWnd.h"
#include "hostlibs/Lodestar/Testing.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"
#include "section/SectionTestFixture.h"

namespace pltest {

using namespace KelProfileline;

struct SampleGraph {
    CPlCnEntity entity;
    CPlWellMgr wells;
    CPlProfilelineMgr lines;
    CPlProfileline sequence;
    CPlProfileline projected;
    std::vector<boost::shared_ptr<CPlWell>> well;

    SampleGraph() {
        entity.m_pWellMgr = &wells;
        entity.m_pProfilelineMgr = &lines;
        wells.SetContainer(&entity);
        lines.SetContainer(&entity);
        sequence.SetLineType(LINE_SEQUENCE);
        projected.SetLineType(LINE_PROJECTION);
        for (CPlProfileline* line : {&sequence, &projected}) {
            line->SetContainer(&entity);
            lines.AddLine(line);
        }
        for (const char* name : {"W1", "W2"}) {
            auto w = boost::make_shared<CPlWell>();
            w->SetName(name);
            w->SetWellLabel(boost::make_shared<CWellLabel>());
            for (int kind : {PL_SYMBOL_HEAD, PL_SYMBOL_BOTTOM}) {
                auto symbol = boost::make_shared<CWellSymbol>();
                symbol->SetTypeName(kind == PL_SYMBOL_HEAD ? "井口" : "井底");
                w->SetSymbol(kind, symbol);
            }
            for (int kind : {PL_TRACK_UPPER, PL_TRACK_LOWER}) w->SetTrack(kind, boost::make_shared<CWellTrack>());
            wells.AddWell(w);
            well.push_back(w);
        }
    }
    CWellLabel* Label(int i) { return well[i]->GetWellLabel().get(); }
    CWellSymbol* Head(int i) { return well[i]->GetSymbol(PL_SYMBOL_HEAD).get(); }
    CWellTrack* Upper(int i) { return well[i]->GetTrack(PL_TRACK_UPPER).get(); }
    void Activate(std::vector<CPlObjInterface*> objects) { entity.SetActiveObjs(objects); }
};

inline boost::shared_ptr<CLayerProperty> Layer() { return CPropertySignle::Instance()->GetProperty(); }

inline int CountLogged(const std::string& entry) {
    int n = 0;
    for (const std::string& e : lodestar::testing::CallLog()) n += e == entry ? 1 : 0;
    return n;
}

// A list on its own in the host frame, shown the profile-line object the host names.
template <class List>
class OpenList : public sectiontest::OpenList<List> {
public:
    using sectiontest::OpenList<List>::OpenList;
    void Show(CPlObjInterface* object) { platform::SendSelectionChanged(this->list(), nullptr, PlObjectArg(object)); }
    std::vector<std::string> Options(DWORD_PTR id) {
        CBCGPProp* item = this->Item(id);
        return item ? platform::GridDriver::Info(item).options : std::vector<std::string>();
    }
    bool Enabled(DWORD_PTR id) {
        CBCGPProp* item = this->Item(id);
        return item && item->IsEnabled();
    }
};

// A list that was never given a window: its grid cannot be made.
template <class List>
struct Unshown : List {
    using List::List;
    int Fill() { return this->InitPropWnd(); }
};

// The records the root logger writes while it lives, at the level given.
class LogCapture {
public:
    struct Record {
        std::string message;
        std::string file;
        int level;
    };
    explicit LogCapture(log4cplus::LogLevel level) : appender_(new Sink(records_)) {
        log4cplus::Logger root = log4cplus::Logger::getRoot();
        oldLevel_ = root.getLogLevel();
        root.setLogLevel(level);
        root.addAppender(appender_);
    }
    ~LogCapture() {
        log4cplus::Logger root = log4cplus::Logger::getRoot();
        root.removeAppender(appender_);
        root.setLogLevel(oldLevel_);
    }
    const std::vector<Record>& records() const { return records_; }

private:
    class Sink : public log4cplus::Appender {
    public:
        explicit Sink(std::vector<Record>& records) : records_(records) {}
        ~Sink() override { destructorImpl(); }
        void close() override {}

    protected:
        void append(const log4cplus::spi::InternalLoggingEvent& event) override {
            records_.push_back({event.getMessage(), event.getFile(), event.getLogLevel()});
        }

    private:
        std::vector<Record>& records_;
    };
    std::vector<Record> records_;
    log4cplus::SharedAppenderPtr appender_;
    log4cplus::LogLevel oldLevel_;
};

}  // namespace pltest
