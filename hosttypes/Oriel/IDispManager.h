// The host's display manager, and the adapter the property window hands to the host in its place.
#pragma once

class IDispManager {
public:
    virtual ~IDispManager();
    // The active object as a CQXObject* passed as long (0 when none).
    virtual void GetActiveObj(long& object) = 0;
};

class CPropWndDispMgrAdapter : public IDispManager {
public:
    explicit CPropWndDispMgrAdapter(IDispManager* target = nullptr) : m_pTarget(target) {}
    CPropWndDispMgrAdapter(const CPropWndDispMgrAdapter&) = default;
    CPropWndDispMgrAdapter& operator=(const CPropWndDispMgrAdapter&) = default;
    ~CPropWndDispMgrAdapter() override;

    void GetActiveObj(long& object) override;

private:
    IDispManager* m_pTarget;
};
