#include "hosttypes/Pennant/SingleWellSection.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

const char* const kStratumListEnd = "Stratum_End";

CSingleProperty::CSingleProperty()
    : m_nGrade(0),
      m_dXScale(1000.0),
      m_dYScale(500.0),
      m_nSandShowMode(0),
      m_bEnvelopeVisible(false),
      m_stratumList(1, STRATUMINFO{kStratumListEnd, 0}) {}
CSingleProperty::CSingleProperty(const CSingleProperty&) = default;
CSingleProperty& CSingleProperty::operator=(const CSingleProperty&) = default;
CSingleProperty::~CSingleProperty() = default;

CSglControlerClient::~CSglControlerClient() = default;

SC_IMPLEMENT_ACCEPT(CSingleWellSection)
