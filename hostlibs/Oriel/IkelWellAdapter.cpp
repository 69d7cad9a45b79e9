// The well's own operations. Setters store their value and leave the stamp alone: the pages
// stamp the section themselves where an edit calls for it.
#include "hosttypes/Oriel/IkelWellAdapter.h"

#include "hostlibs/Oriel/OrielLog.h"

using oriel::detail::Log;
using oriel::detail::Num;

namespace {
std::string Tag(const IkelWellAdapter* well, const char* op) {
    return std::string("IkelWellAdapter::") + op + "[" + well->GetName() + "]";
}
}  // namespace

void IkelWellAdapter::SetName(const std::string& name) { m_strName = name; }

void IkelWellAdapter::SetTemplate(const std::string& path, bool reload) {
    m_strTemplate = path;
    Log(Tag(this, "SetTemplate") + "(" + path + "," + (reload ? "true" : "false") + ")");
}

void IkelWellAdapter::SetWidth(double width) {
    m_dWidth = width;
    Log(Tag(this, "SetWidth") + "(" + Num(width) + ")");
}
double IkelWellAdapter::GetWidth() const { return m_dWidth; }
// The narrowest the well column may be drawn.
double IkelWellAdapter::GetMinWidth() const { return 100.0; }

void IkelWellAdapter::SetDepthType(int type) {
    m_nDepthType = type;
    Log(Tag(this, "SetDepthType") + "(" + std::to_string(type) + ")");
}
int IkelWellAdapter::GetDepthType() const { return m_nDepthType; }

void IkelWellAdapter::SetTopStratum(const std::string& stratum) {
    m_strTopStratum = stratum;
    Log(Tag(this, "SetTopStratum") + "(" + stratum + ")");
}
void IkelWellAdapter::SetBottomStratum(const std::string& stratum) {
    m_strBottomStratum = stratum;
    Log(Tag(this, "SetBottomStratum") + "(" + stratum + ")");
}
void IkelWellAdapter::SetTopExtendDepth(double depth) {
    m_dTopExtendDepth = depth;
    Log(Tag(this, "SetTopExtendDepth") + "(" + Num(depth) + ")");
}
void IkelWellAdapter::SetBottomExtendDepth(double depth) {
    m_dBottomExtendDepth = depth;
    Log(Tag(this, "SetBottomExtendDepth") + "(" + Num(depth) + ")");
}
void IkelWellAdapter::SetTopDepth(double depth) {
    m_dTopDepth = depth;
    Log(Tag(this, "SetTopDepth") + "(" + Num(depth) + ")");
}
void IkelWellAdapter::SetBottomDepth(double depth) {
    m_dBottomDepth = depth;
    Log(Tag(this, "SetBottomDepth") + "(" + Num(depth) + ")");
}
double IkelWellAdapter::GetTopDepth() const { return m_dTopDepth; }
double IkelWellAdapter::GetBottomDepth() const { return m_dBottomDepth; }
void IkelWellAdapter::SetAlignLength(double length) { m_dAlignLength = length; }
void IkelWellAdapter::SetPrjAngle(double angle) { m_dPrjAngle = angle; }

void IkelWellAdapter::SetRefWell(const std::string& well) {
    m_strRefWell = well;
    Log(Tag(this, "SetRefWell") + "(" + well + ")");
}
void IkelWellAdapter::SetConnectPos(int pos) {
    m_nConnectPos = pos;
    Log(Tag(this, "SetConnectPos") + "(" + std::to_string(pos) + ")");
}
int IkelWellAdapter::GetConnectPos() const { return m_nConnectPos; }
void IkelWellAdapter::SetLeftJoint(double offset) {
    m_dLeftJoint = offset;
    Log(Tag(this, "SetLeftJoint") + "(" + Num(offset) + ")");
}
void IkelWellAdapter::SetRightJoint(double offset) {
    m_dRightJoint = offset;
    Log(Tag(this, "SetRightJoint") + "(" + Num(offset) + ")");
}
double IkelWellAdapter::GetLeftJoint() const { return m_dLeftJoint; }
double IkelWellAdapter::GetRightJoint() const { return m_dRightJoint; }

void IkelWellAdapter::DataTypeChanged() { Log(Tag(this, "DataTypeChanged") + "()"); }

void IkelWellAdapter::SaveOldWellInfo() {
    m_oldWellInfo.position = m_position;
    m_oldWellInfo.topDepth = m_dTopDepth;
    m_oldWellInfo.bottomDepth = m_dBottomDepth;
    Log(Tag(this, "SaveOldWellInfo") + "()");
}
void IkelWellAdapter::SaveOldWellPosInfo() {
    m_oldWellPosInfo.position = m_position;
    m_oldWellPosInfo.topDepth = m_dTopDepth;
    m_oldWellPosInfo.bottomDepth = m_dBottomDepth;
    Log(Tag(this, "SaveOldWellPosInfo") + "()");
}
void IkelWellAdapter::SaveOldWellJointInfo() {
    m_oldWellJointInfo.leftJoint = m_dLeftJoint;
    m_oldWellJointInfo.rightJoint = m_dRightJoint;
    Log(Tag(this, "SaveOldWellJointInfo") + "()");
}

void IkelWellAdapter::SetPosition(const FLOATPOINT& pos, bool update) {
    m_position = pos;
    Log(Tag(this, "SetPosition") + "(" + Num(pos.x) + "," + Num(pos.y) + "," + (update ? "true" : "false") + ")");
}
void IkelWellAdapter::Update() { Log(Tag(this, "Update") + "()"); }
// Map y grows upward while depth grows downward.
double IkelWellAdapter::MapY2Depth(double y) const { return -y; }
bool IkelWellAdapter::IsInclinedWell() const { return m_bInclined; }
void IkelWellAdapter::SetInclinedWell(bool inclined) { m_bInclined = inclined; }
