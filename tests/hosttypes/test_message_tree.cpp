// The section message tree: linking, filters, consumption, unlinking and the message records.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Oriel/Message.h"
#include "hosttypes/Oriel/MessageTypes.h"

namespace {

typedef CMessageNode<unsigned int> Node;

// A node that records what reaches it and may consume chosen ids.
class Probe : public Node {
public:
    Probe(std::string name, std::vector<std::string>* trace) : m_name(std::move(name)), m_trace(trace) {}
    bool OnUpMessage(CSectionMessage* msg) override {
        m_trace->push_back("up:" + m_name);
        return m_consumeUp;
    }
    bool OnDownMessage(CSectionMessage* msg) override {
        m_trace->push_back("down:" + m_name);
        return m_consumeDown;
    }
    bool m_consumeUp = false;
    bool m_consumeDown = false;

private:
    std::string m_name;
    std::vector<std::string>* m_trace;
};

// root - a - leaf, root - b
class TreeTest : public ::testing::Test {
protected:
    TreeTest() : root("root", &trace), a("a", &trace), b("b", &trace), leaf("leaf", &trace) {
        root.AddSubNode(&a);
        root.AddSubNode(&b);
        leaf.SetParNode(&a);
    }
    std::vector<std::string> trace;
    Probe root, a, b, leaf;
    CMessageActiveWell msg{"W1"};
};

TEST_F(TreeTest, UpwardMessageClimbsToTheRootSkippingTheSender) {
    leaf.SendUpMessage(&msg);
    EXPECT_EQ((std::vector<std::string>{"up:a", "up:root"}), trace);
}

TEST_F(TreeTest, UpFilterStopsTheMessageBeforeTheNodesHandler) {
    a.AddUpMessageFiltrateItem(1005);
    leaf.SendUpMessage(&msg);
    EXPECT_TRUE(trace.empty());
    a.DeleteUpMessageFiltrateItem(1005);
    a.DeleteUpMessageFiltrateItem(4711);  // absent ids are ignored
    leaf.SendUpMessage(&msg);
    EXPECT_EQ(2u, trace.size());
}

TEST_F(TreeTest, ConsumedUpwardMessageGoesNoFurther) {
    a.m_consumeUp = true;
    Node::SendUpMessage(&leaf, &msg);  // the static form starts at the node given
    EXPECT_EQ((std::vector<std::string>{"up:leaf", "up:a"}), trace);
}

TEST_F(TreeTest, DownwardMessageReachesEveryDescendantDepthFirst) {
    root.SendDownMessage(&msg);
    ASSERT_EQ(3u, trace.size());
    // children in address order, each subtree before the next child
    std::vector<std::string> expected = (&a < &b) ? std::vector<std::string>{"down:a", "down:leaf", "down:b"}
                                                  : std::vector<std::string>{"down:b", "down:a", "down:leaf"};
    EXPECT_EQ(expected, trace);
}

TEST_F(TreeTest, DownFilterSkipsTheWholeSubtree) {
    a.AddDownMessageFiltrateItem(1005);
    Node::SendDownMessage(&root, &msg);
    EXPECT_EQ((std::vector<std::string>{"down:root", "down:b"}), trace);
    trace.clear();
    a.ClearDownMessageFilter();
    a.m_consumeDown = true;  // consumed: a handles it, leaf does not see it
    root.SendDownMessage(&msg);
    EXPECT_EQ(2u, trace.size());
    EXPECT_EQ(0, std::count(trace.begin(), trace.end(), "down:leaf"));
}

TEST_F(TreeTest, RootSendsNothingUpAndLeafNothingDown) {
    root.SendUpMessage(&msg);
    leaf.SendDownMessage(&msg);
    EXPECT_TRUE(trace.empty());
}

TEST_F(TreeTest, LinkingTwiceAnswersFalse) {
    EXPECT_FALSE(root.AddSubNode(&a));
    EXPECT_FALSE(a.SetParNode(&root));
    EXPECT_TRUE(root.FindSubNode(&a));
    EXPECT_EQ(2u, root.GetSubNodeCount());
}

TEST_F(TreeTest, RemovingANonChildLeavesItsParentLinkAlone) {
    EXPECT_FALSE(root.RemoveSubNode(&leaf));
    EXPECT_EQ(&a, leaf.GetParNode());
    EXPECT_TRUE(a.RemoveSubNode(&leaf));
    EXPECT_EQ(nullptr, leaf.GetParNode());
    EXPECT_EQ(0u, a.GetSubNodeCount());
}

TEST_F(TreeTest, ReparentingLeavesNoStaleChildBehind) {
    leaf.SetParNode(&b);
    EXPECT_FALSE(a.FindSubNode(&leaf));
    EXPECT_TRUE(b.FindSubNode(&leaf));
    root.SendDownMessage(&msg);
    EXPECT_EQ(1, std::count(trace.begin(), trace.end(), "down:leaf"));

    leaf.SetParNode(nullptr);
    EXPECT_FALSE(b.FindSubNode(&leaf));
    EXPECT_EQ(nullptr, leaf.GetParNode());
}

TEST_F(TreeTest, LinkingUnderADescendantIsRefused) {
    EXPECT_FALSE(leaf.AddSubNode(&root));
    EXPECT_FALSE(a.SetParNode(&a));
    EXPECT_EQ(nullptr, root.GetParNode());
    EXPECT_EQ(&root, a.GetParNode());
}

TEST(MessageNodeTest, DestroyingANodeUnlinksItBothWays) {
    std::vector<std::string> trace;
    Probe root("root", &trace), child("child", &trace);
    {
        Probe middle("middle", &trace);
        root.AddSubNode(&middle);
        middle.AddSubNode(&child);
    }
    EXPECT_EQ(nullptr, child.GetParNode());
    EXPECT_EQ(0u, root.GetSubNodeCount());
    CMessageXDistanceChanged msg;
    root.SendDownMessage(&msg);  // would touch the destroyed node if it were still listed
    EXPECT_TRUE(trace.empty());
}

TEST(MessageNodeTest, HandlerMayDestroyASiblingDuringDelivery) {
    std::vector<std::string> trace;
    Probe root("root", &trace);
    auto first = std::make_unique<Probe>("x", &trace);
    auto second = std::make_unique<Probe>("y", &trace);
    root.AddSubNode(first.get());
    root.AddSubNode(second.get());
    // whichever child comes first destroys the other
    class Killer : public Node {
    public:
        explicit Killer(std::unique_ptr<Probe>* victim) : m_victim(victim) {}
        bool OnDownMessage(CSectionMessage*) override {
            m_victim->reset();
            return false;
        }
        std::unique_ptr<Probe>* m_victim;
    };
    Probe* lowest = first.get() < second.get() ? first.get() : second.get();
    std::unique_ptr<Probe>* victim = lowest == first.get() ? &second : &first;
    Killer killer(victim);
    lowest->AddSubNode(&killer);
    CMessageXDistanceChanged msg;
    root.SendDownMessage(&msg);
    EXPECT_EQ((std::vector<std::string>{lowest == first.get() ? "down:x" : "down:y"}), trace);
    EXPECT_EQ(1u, root.GetSubNodeCount());
}

TEST(MessageNodeTest, CopyTakesFiltersButJoinsNoTree) {
    std::vector<std::string> trace;
    Probe root("root", &trace), child("child", &trace), grandchild("grandchild", &trace);
    root.AddSubNode(&child);
    child.AddSubNode(&grandchild);
    child.AddUpMessageFiltrateItem(1008);
    CMessageXDistanceChanged msg;
    {
        Probe copy(child);
        EXPECT_EQ(nullptr, copy.GetParNode());
        EXPECT_EQ(0u, copy.GetSubNodeCount());
        EXPECT_FALSE(root.FindSubNode(&copy));
        Node::SendUpMessage(&copy, &msg);  // filtered at the copy
        EXPECT_TRUE(trace.empty());
        copy.ClearUpMessageFilter();
        Node::SendUpMessage(&copy, &msg);  // handled by the copy, with no parent to climb to
        EXPECT_EQ((std::vector<std::string>{"up:child"}), trace);
    }
    // destroying the copy left the source's links alone
    EXPECT_EQ(&root, child.GetParNode());
    EXPECT_EQ(&child, grandchild.GetParNode());
}

TEST(MessageTypesTest, IdsAndFieldsSurviveACopy) {
    CMessageXScaleChanged x(2.0, 1.0, 3.5f);
    CMessageXScaleChanged xc(x);
    EXPECT_EQ(1009u, xc.GetMessageID());
    EXPECT_EQ(2.0, xc.GetXScale());
    EXPECT_EQ(1.0, xc.GetXOldScale());
    EXPECT_EQ(3.5f, xc.GetX());

    CMessageScalerOrgChanged org(FLOATPOINT(1.5, -2.5));
    EXPECT_EQ(1011u, org.GetMessageID());
    EXPECT_EQ(1.5, org.GetOrg().x);

    CMessageDelFaultPoint del("井1");
    CMessageDelFaultPoint delCopy = del;
    EXPECT_EQ("井1", delCopy.GetWellName());
    EXPECT_EQ(4021u, delCopy.GetMessageID());

    CMessageGetConnectionGroup get;
    EXPECT_EQ(nullptr, get.GetSplitLine());
    EXPECT_EQ(nullptr, get.GetSandLine());
    EXPECT_EQ(nullptr, get.GetContainer());
    EXPECT_EQ(nullptr, get.GetConnectionGoup());

    CMessageGetPinchoutParams pinch;
    EXPECT_FALSE(pinch.GetPinchParams());
    CMessageGetConnectionParams con;
    EXPECT_FALSE(con.GetConnectionParams());

    CMessageRequest request(&get);
    EXPECT_EQ(4000u, request.GetMessageID());
    EXPECT_EQ(&get, request.GetRequestedMsg());
}

}  // namespace
