// Drawing counterparts of the frame kits: the base, composites (wells and tracks) and the
// depth track.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpTypes.h"
#include "mfc/String.h"

class WDMgrIO;

class InWpKit {
public:
    InWpKit();
    virtual ~InWpKit();
    InWpKit(const InWpKit&) = delete;
    InWpKit& operator=(const InWpKit&) = delete;
};

class InWpComposite : public InWpKit {
public:
    InWpComposite();
    ~InWpComposite() override;  // deletes its children

    bool IsEmpty();

    // Kit library.
    void AddChild(InWpKit* child);

protected:
    std::vector<InWpKit*> m_children;
};

class InWpWell : public InWpComposite {
public:
    InWpWell();
    ~InWpWell() override;

    CString GetWellName();
    void SetWellName(CString name);
    POINT GetFirstDrawPt();
    double GetHeadAngle();
    bool IsRightOritation();
    // Deletes the held well data, if any.
    virtual void ClearData();

    // Kit library: the drawing well takes ownership of its data.
    void SetData(WDMgrIO* data);
    WDMgrIO* GetData();

protected:
    CString m_strWellName;
    POINT m_firstDrawPt{0, 0};
    double m_dHeadAngle = 0;
    bool m_bRightOritation = true;
    WDMgrIO* m_pData = nullptr;
};

class InWpTrack : public InWpComposite {
public:
    InWpTrack();
    ~InWpTrack() override;

    void SetLeftVal(double value);
    void SetRightVal(double value);

    // Kit library.
    double GetLeftVal();
    double GetRightVal();

protected:
    double m_dLeftVal = 0;
    double m_dRightVal = 0;
};

class InWpDepth : public InWpKit {
public:
    InWpDepth();
    ~InWpDepth() override;

    DepthType GetShowDepthType();
    void SetShowDepthType(DepthType type);
    int GetLabelOritation();
    void SetLabelOritation(int orientation);
    // The label step: the interval times its factor.
    double GetLabelInterval();

    // Kit library.
    void SetLabelInterval(int factor, double interval);

protected:
    DepthType m_showDepthType = DEPTH_MEASURED;
    int m_nLabelOritation = 0;
    int m_nLabelFactor = 1;
    double m_dInterval = 0;
};
