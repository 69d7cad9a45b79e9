// The section model's message tree. Model objects (well manager, scaler, section, ruler and
// segment managers, positioner, mouse handlers) are nodes; typed messages travel upward from a
// node towards the root or downward to all of its descendants. A node may refuse ids in either
// direction (filters) and may consume a message in its handler. Delivery is synchronous.
//
// Upward (MessageFromDown, starting at the receiving node): an id in the node's up filter stops
// the message there unhandled; otherwise OnUpMessage runs, and unless it consumed the message
// the parent receives it next. Downward (MessageFromUp): an id in the node's down filter skips the
// node and its whole subtree; otherwise OnDownMessage runs, and unless it consumed the message
// every child receives it, depth first, children in address order. A sender never receives its
// own message; the static senders start at the node given.
#pragma once

#include <set>
#include <vector>

template <class IdT>
class CMessage {
public:
    explicit CMessage(IdT id) : m_id(id) {}
    CMessage(const CMessage&) = default;
    CMessage& operator=(const CMessage&) = default;
    virtual ~CMessage() = default;

    IdT GetMessageID() const { return m_id; }

protected:
    IdT m_id;
};

template <class IdT>
class CMessageNode {
public:
    typedef CMessage<IdT> MessageType;
    typedef std::set<CMessageNode*> SubNodeSet;
    typedef typename SubNodeSet::const_iterator SubIterator;

    CMessageNode() = default;
    // A copy takes the filters but joins no tree: sharing links with the source would leave
    // one of the two pointing at nodes that have forgotten it.
    CMessageNode(const CMessageNode& other);
    // Keeps this node's own place in the tree; takes the other node's filters.
    CMessageNode& operator=(const CMessageNode& other);
    virtual ~CMessageNode();

    // Handlers answer true when they consume the message.
    virtual bool OnUpMessage(MessageType* msg) { return false; }
    virtual bool OnDownMessage(MessageType* msg) { return false; }

    // Links this node under p (detaching it from a former parent first); NULL detaches it.
    // False, with nothing changed, when this node already is a child of p.
    bool SetParNode(CMessageNode* p);
    // Links c under this node (detaching it from a former parent first); false when c already is a
    // child, or is this node or one of its ancestors.
    bool AddSubNode(CMessageNode* c);
    bool FindSubNode(CMessageNode* c) const;
    // False, leaving c alone, when c is not a child.
    bool RemoveSubNode(CMessageNode* c);

    CMessageNode* GetParNode() const { return m_parent; }
    unsigned int GetSubNodeCount() const { return static_cast<unsigned int>(m_subNodes.size()); }
    SubIterator SubBegin() const { return m_subNodes.begin(); }
    SubIterator SubEnd() const { return m_subNodes.end(); }

    void AddUpMessageFiltrateItem(IdT id) { m_upFilter.insert(id); }
    void AddDownMessageFiltrateItem(IdT id) { m_downFilter.insert(id); }
    void DeleteUpMessageFiltrateItem(IdT id) { m_upFilter.erase(id); }
    void DeleteDownMessageFiltrateItem(IdT id) { m_downFilter.erase(id); }
    void ClearUpMessageFilter() { m_upFilter.clear(); }
    void ClearDownMessageFilter() { m_downFilter.clear(); }

    // To the parent and on upward; a root sends nothing.
    void SendUpMessage(MessageType* msg);
    // To every child and on downward; a leaf sends nothing.
    void SendDownMessage(MessageType* msg);
    // Delivery starting at node itself.
    static void SendUpMessage(CMessageNode* node, MessageType* msg);
    static void SendDownMessage(CMessageNode* node, MessageType* msg);

    void MessageFromDown(MessageType* msg);
    void MessageFromUp(MessageType* msg);

private:
    void DetachFromParent();
    void DeliverToChildren(MessageType* msg);

    CMessageNode* m_parent = nullptr;
    SubNodeSet m_subNodes;
    std::set<IdT> m_downFilter;
    std::set<IdT> m_upFilter;
};

template <class IdT>
CMessageNode<IdT>::CMessageNode(const CMessageNode& other)
    : m_downFilter(other.m_downFilter), m_upFilter(other.m_upFilter) {}

template <class IdT>
CMessageNode<IdT>& CMessageNode<IdT>::operator=(const CMessageNode& other) {
    m_downFilter = other.m_downFilter;
    m_upFilter = other.m_upFilter;
    return *this;
}

template <class IdT>
CMessageNode<IdT>::~CMessageNode() {
    DetachFromParent();
    for (CMessageNode* c : m_subNodes) c->m_parent = nullptr;
}

template <class IdT>
void CMessageNode<IdT>::DetachFromParent() {
    if (m_parent) m_parent->RemoveSubNode(this);
    m_parent = nullptr;
}

template <class IdT>
bool CMessageNode<IdT>::SetParNode(CMessageNode* p) {
    if (!p) {
        DetachFromParent();
        return true;
    }
    return p->AddSubNode(this);
}

template <class IdT>
bool CMessageNode<IdT>::AddSubNode(CMessageNode* c) {
    if (!c || m_subNodes.count(c)) return false;
    // Linking a node under itself or under its own descendant would close a loop that upward
    // delivery never leaves.
    for (CMessageNode* a = this; a; a = a->m_parent) {
        if (a == c) return false;
    }
    c->DetachFromParent();
    m_subNodes.insert(c);
    c->m_parent = this;
    return true;
}

template <class IdT>
bool CMessageNode<IdT>::FindSubNode(CMessageNode* c) const {
    return m_subNodes.count(c) != 0;
}

template <class IdT>
bool CMessageNode<IdT>::RemoveSubNode(CMessageNode* c) {
    if (!m_subNodes.erase(c)) return false;
    c->m_parent = nullptr;
    return true;
}

template <class IdT>
void CMessageNode<IdT>::SendUpMessage(MessageType* msg) {
    if (m_parent) m_parent->MessageFromDown(msg);
}

template <class IdT>
void CMessageNode<IdT>::SendDownMessage(MessageType* msg) {
    DeliverToChildren(msg);
}

template <class IdT>
void CMessageNode<IdT>::SendUpMessage(CMessageNode* node, MessageType* msg) {
    if (node) node->MessageFromDown(msg);
}

template <class IdT>
void CMessageNode<IdT>::SendDownMessage(CMessageNode* node, MessageType* msg) {
    if (node) node->MessageFromUp(msg);
}

template <class IdT>
void CMessageNode<IdT>::MessageFromDown(MessageType* msg) {
    for (CMessageNode* node = this; node; node = node->m_parent) {
        if (node->m_upFilter.count(msg->GetMessageID())) return;
        if (node->OnUpMessage(msg)) return;
    }
}

template <class IdT>
void CMessageNode<IdT>::MessageFromUp(MessageType* msg) {
    if (m_downFilter.count(msg->GetMessageID())) return;
    if (OnDownMessage(msg)) return;
    DeliverToChildren(msg);
}

template <class IdT>
void CMessageNode<IdT>::DeliverToChildren(MessageType* msg) {
    // A handler may unlink or destroy nodes of this level: walk a snapshot and skip whoever
    // has left meanwhile.
    const std::vector<CMessageNode*> children(m_subNodes.begin(), m_subNodes.end());
    for (CMessageNode* c : children) {
        if (m_subNodes.count(c)) c->MessageFromUp(msg);
    }
}

extern template class CMessage<unsigned int>;
extern template class CMessageNode<unsigned int>;
