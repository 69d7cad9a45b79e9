// CWpWaterEntry: water-entry (production profile) curves; CWpProgram: the drilling program.
#pragma once

#include "hosttypes/Zephyr/WpContent.h"

class CWpWaterEntry : public CWpContent {
    DECLARE_DYNAMIC(CWpWaterEntry)
public:
    CWpWaterEntry();
    ~CWpWaterEntry() override;
    WPKITTYPE GetWpKitType() override;
};

class CWpProgram : public CWpContent {
    DECLARE_DYNAMIC(CWpProgram)
public:
    CWpProgram();
    ~CWpProgram() override;
    WPKITTYPE GetWpKitType() override;
};
