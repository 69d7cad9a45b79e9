// CWpWaterEntry: water-entry (production profile) curves; CWpProgram: the drilling program.
#pragma once

#include "hosttypes/Zephyr/WpContent.h"

class CWpWaterEntry : public CWpContent {
    DECLARE_DYNAMIC(CWpWaterEntry)
public:
    CWpWaterEntry();
    ~CWpWaterEntry() override;
    WPKITTYPE GetWpKitType() override;

    // Kit library: true for a production profile, false for an injection profile.
    bool IsProductedFluid();
    void SetProductedFluid(bool produced);

protected:
    bool m_bProductedFluid = true;
};

class CWpProgram : public CWpContent {
    DECLARE_DYNAMIC(CWpProgram)
public:
    CWpProgram();
    ~CWpProgram() override;
    WPKITTYPE GetWpKitType() override;
};
