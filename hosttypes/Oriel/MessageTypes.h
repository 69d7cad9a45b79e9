// The messages of the section model. Ids group by topic: 1001-1012 wells and scales,
// 2003-2010 strata and the well manager, 4000-4023 requests, connections, sand bodies and fault
// points. Requests (4000, 4011, 4015, 4016) are answered in place: the receiver fills the fields,
// the sender reads them once the send has returned. Pointers held by a message are not owned.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <utility>

#include "hosttypes/Oriel/Message.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/Collections.h"
#include "mfc/String.h"

class IkelWellAdapter;
class CnSand;
class CnConnectionGroup;
class CnSplitLine;
class CnSandLine;
class ScContainer;
class CnPinchParams;
class CnConnectionParams;
class CnExtendParams;

typedef CMessage<unsigned int> CSectionMessage;

class CMessageInsertWell : public CSectionMessage {
public:
    CMessageInsertWell(CString wellName, int index) : CSectionMessage(1001), m_wellName(wellName), m_index(index) {}
    CString GetWellName() const { return m_wellName; }
    int GetIndex() const { return m_index; }

private:
    CString m_wellName;
    int m_index;
};

class CMessageDeleteWell : public CSectionMessage {
public:
    explicit CMessageDeleteWell(CString wellName) : CSectionMessage(1002), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};

class CMessageSwitchWellPos : public CSectionMessage {
public:
    CMessageSwitchWellPos(int first, int second) : CSectionMessage(1003), m_first(first), m_second(second) {}
    int GetFirstPos() const { return m_first; }
    int GetSecondPos() const { return m_second; }

private:
    int m_first;
    int m_second;
};

// Refers to the caller's array, which must outlive the message.
class CMessageUpdateWellArray : public CSectionMessage {
public:
    explicit CMessageUpdateWellArray(CStringArray& wells) : CSectionMessage(1004), m_wells(&wells) {}
    CStringArray& GetWellArray() const { return *m_wells; }

private:
    CStringArray* m_wells;
};

class CMessageActiveWell : public CSectionMessage {
public:
    explicit CMessageActiveWell(CString wellName) : CSectionMessage(1005), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};

class CMessageWellRePosition : public CSectionMessage {
public:
    explicit CMessageWellRePosition(CString wellName) : CSectionMessage(1006), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};

class CMessageWellIndexChanged : public CSectionMessage {
public:
    CMessageWellIndexChanged(CString wellName, int oldIndex, int newIndex, bool flag)
        : CSectionMessage(1007), m_wellName(wellName), m_oldIndex(oldIndex), m_newIndex(newIndex), m_flag(flag) {}
    CString GetWellName() const { return m_wellName; }
    int GetOldIndex() const { return m_oldIndex; }
    int GetNewIndex() const { return m_newIndex; }
    bool GetFlag() const { return m_flag; }

private:
    CString m_wellName;
    int m_oldIndex;
    int m_newIndex;
    bool m_flag;
};

class CMessageXDistanceChanged : public CSectionMessage {
public:
    CMessageXDistanceChanged() : CSectionMessage(1008) {}
};

class CMessageXScaleChanged : public CSectionMessage {
public:
    CMessageXScaleChanged(double scale, double oldScale, float x)
        : CSectionMessage(1009), m_scale(scale), m_oldScale(oldScale), m_x(x) {}
    double GetXScale() const { return m_scale; }
    double GetXOldScale() const { return m_oldScale; }
    float GetX() const { return m_x; }

private:
    double m_scale;
    double m_oldScale;
    float m_x;
};

class CMessageYScaleChanged : public CSectionMessage {
public:
    CMessageYScaleChanged(double scale, double oldScale, float y)
        : CSectionMessage(1010), m_scale(scale), m_oldScale(oldScale), m_y(y) {}
    double GetYScale() const { return m_scale; }
    double GetYOldScale() const { return m_oldScale; }
    float GetY() const { return m_y; }

private:
    double m_scale;
    double m_oldScale;
    float m_y;
};

class CMessageScalerOrgChanged : public CSectionMessage {
public:
    explicit CMessageScalerOrgChanged(FLOATPOINT org) : CSectionMessage(1011), m_org(org) {}
    FLOATPOINT GetOrg() const { return m_org; }

private:
    FLOATPOINT m_org;
};

class CMessageEditTemplate : public CSectionMessage {
public:
    explicit CMessageEditTemplate(CString templateName) : CSectionMessage(1012), m_template(templateName) {}
    CString GetTemplate() const { return m_template; }

private:
    CString m_template;
};

class CMessageStratumChanged : public CSectionMessage {
public:
    explicit CMessageStratumChanged(CString wellName) : CSectionMessage(2003), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};

class CMessageStratumUpdate : public CSectionMessage {
public:
    explicit CMessageStratumUpdate(CString wellName) : CSectionMessage(2004), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};

class CMessageFESState : public CSectionMessage {
public:
    CMessageFESState(bool active, int stratumGrade)
        : CSectionMessage(2005), m_active(active), m_stratumGrade(stratumGrade) {}
    bool IsActive() const { return m_active; }
    int GetStratumGrade() const { return m_stratumGrade; }

private:
    bool m_active;
    int m_stratumGrade;
};

class CMessageWellMgrChanged : public CSectionMessage {
public:
    CMessageWellMgrChanged() : CSectionMessage(2010) {}
};

class CMessageRequest : public CSectionMessage {
public:
    explicit CMessageRequest(CSectionMessage* requested) : CSectionMessage(4000), m_requested(requested) {}
    CSectionMessage* GetRequestedMsg() const { return m_requested; }

private:
    CSectionMessage* m_requested;
};

class CMessageUpdateCon : public CSectionMessage {
public:
    CMessageUpdateCon(IkelWellAdapter* leftWell, CnSand* leftSand, IkelWellAdapter* rightWell, CnSand* rightSand)
        : CSectionMessage(4010),
          m_leftWell(leftWell),
          m_leftSand(leftSand),
          m_rightWell(rightWell),
          m_rightSand(rightSand) {}
    IkelWellAdapter* GetLeftWell() const { return m_leftWell; }
    CnSand* GetLeftSand() const { return m_leftSand; }
    IkelWellAdapter* GetRightWell() const { return m_rightWell; }
    CnSand* GetRightSand() const { return m_rightSand; }

private:
    IkelWellAdapter* m_leftWell;
    CnSand* m_leftSand;
    IkelWellAdapter* m_rightWell;
    CnSand* m_rightSand;
};

// The sender names a split line, sand line or container; the receiver answers the group.
class CMessageGetConnectionGroup : public CSectionMessage {
public:
    CMessageGetConnectionGroup() : CSectionMessage(4011) {}
    void SetConnnectionGroup(CnConnectionGroup* group) { m_group = group; }
    CnConnectionGroup* GetConnectionGoup() const { return m_group; }
    void SetSplitLine(CnSplitLine* line) { m_splitLine = line; }
    CnSplitLine* GetSplitLine() const { return m_splitLine; }
    void SetSandLine(CnSandLine* line) { m_sandLine = line; }
    CnSandLine* GetSandLine() const { return m_sandLine; }
    void SetContainer(ScContainer* container) { m_container = container; }
    ScContainer* GetContainer() const { return m_container; }

private:
    CnConnectionGroup* m_group = nullptr;
    CnSplitLine* m_splitLine = nullptr;
    CnSandLine* m_sandLine = nullptr;
    ScContainer* m_container = nullptr;
};

class CMessageUpdateWellStratumLine : public CSectionMessage {
public:
    CMessageUpdateWellStratumLine() : CSectionMessage(4013) {}
    void SetParam(int value) { m_param = value; }
    int GetParam() const { return m_param; }

private:
    int m_param = 0;
};

class CMessageClearActiveObj : public CSectionMessage {
public:
    CMessageClearActiveObj() : CSectionMessage(4014) {}
};

// Answered with the pinch-out and extension parameters in force.
class CMessageGetPinchoutParams : public CSectionMessage {
public:
    CMessageGetPinchoutParams() : CSectionMessage(4015) {}
    void SetPinchParams(boost::shared_ptr<CnPinchParams> p) { m_pinch = p; }
    boost::shared_ptr<CnPinchParams> GetPinchParams() const { return m_pinch; }
    void SetExtendParams(boost::shared_ptr<CnExtendParams> p) { m_extend = p; }
    boost::shared_ptr<CnExtendParams> GetExtendParams() const { return m_extend; }

private:
    boost::shared_ptr<CnPinchParams> m_pinch;
    boost::shared_ptr<CnExtendParams> m_extend;
};

// Answered with the connection and pinch-out parameters in force.
class CMessageGetConnectionParams : public CSectionMessage {
public:
    CMessageGetConnectionParams() : CSectionMessage(4016) {}
    void SetConnectionParams(boost::shared_ptr<CnConnectionParams> p) { m_connection = p; }
    boost::shared_ptr<CnConnectionParams> GetConnectionParams() const { return m_connection; }
    void SetPinchParams(boost::shared_ptr<CnPinchParams> p) { m_pinch = p; }
    boost::shared_ptr<CnPinchParams> GetPinchParams() const { return m_pinch; }

private:
    boost::shared_ptr<CnConnectionParams> m_connection;
    boost::shared_ptr<CnPinchParams> m_pinch;
};

class CMessageUpdateSandPro : public CSectionMessage {
public:
    CMessageUpdateSandPro() : CSectionMessage(4017) {}
    void SetParam(int value) { m_param = value; }
    int GetParam() const { return m_param; }

private:
    int m_param = 0;
};

class CMessageAddFaultPoint : public CSectionMessage {
public:
    CMessageAddFaultPoint(CString wellName, double depth)
        : CSectionMessage(4019), m_wellName(wellName), m_depth(depth) {}
    CString GetWellName() const { return m_wellName; }
    double GetDepth() const { return m_depth; }

private:
    CString m_wellName;
    double m_depth;
};

class CMessageShowFaultPoint : public CSectionMessage {
public:
    explicit CMessageShowFaultPoint(bool show) : CSectionMessage(4020), m_show(show) {}
    bool IsShow() const { return m_show; }

private:
    bool m_show;
};

class CMessageDelFaultPoint : public CSectionMessage {
public:
    explicit CMessageDelFaultPoint(std::string wellName) : CSectionMessage(4021), m_wellName(std::move(wellName)) {}
    std::string GetWellName() const { return m_wellName; }

private:
    std::string m_wellName;
};

class CMessageShowWell : public CSectionMessage {
public:
    explicit CMessageShowWell(CString wellName) : CSectionMessage(4022), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};

class CMessageHideWell : public CSectionMessage {
public:
    explicit CMessageHideWell(CString wellName) : CSectionMessage(4023), m_wellName(wellName) {}
    CString GetWellName() const { return m_wellName; }

private:
    CString m_wellName;
};
