#include "hosttypes/Oriel/ConnectionCreators.h"

IkelCalculator::~IkelCalculator() = default;
CnCSCalculator::~CnCSCalculator() = default;

CnConnectionCreator::~CnConnectionCreator() = default;

bool CnConnectionCreator::CheckParasValid() { return true; }

CnConnectionYCreator::~CnConnectionYCreator() = default;
CnConnectionContentCreator::~CnConnectionContentCreator() = default;
CnConnectionGroupCreator::~CnConnectionGroupCreator() = default;
CnPinchOutCreator::~CnPinchOutCreator() = default;

CnExtendCreator* CnExtendCreator::GetInstance() {
    static CnExtendCreator instance;
    return &instance;
}

CnExtendCreator::~CnExtendCreator() = default;

CnConnectionCreatorFactory::~CnConnectionCreatorFactory() = default;
