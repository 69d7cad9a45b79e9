// Profile-line windows opened in a host window and driven as a user would, over the sample graph
// of the profile-line library's fixture (two wells, W1 and W2).
#pragma once

#include <gtest/gtest.h>
#include <log4cplus/appender.h>
#include <log4cplus/logger.h>
#include <log4cplus/spi/loggingevent.h>

#include <boost/make_shared.hpp>
#include <initializer_list>
#include <string>
#include <vector>

#include "ProfilelineProp/PlPropertyWnd.h"
#include "hostlibs/Lodestar/GraphFixture.h"
#include "hostlibs/Lodestar/Testing.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"
#include "section/SectionTestFixture.h"

namespace pltest {

using namespace KelProfileline;

using SampleGraph = lodestar::GraphFixture;

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
    // A change reported for each group row (a row that holds no value of its own): each writes
    // nothing and still ends with the redraw.
    void ExpectRowReportsOnlyRedraw(std::initializer_list<DWORD_PTR> groups) {
        for (DWORD_PTR group : groups) {
            lodestar::testing::ClearCallLog();
            if (CBCGPProp* item = this->Item(group)) this->list().GetPropList().OnPropertyChanged(item);
            EXPECT_EQ(lodestar::testing::CallLog(), std::vector<std::string>{"CPlContainer::UpdateWnd"}) << group;
        }
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
