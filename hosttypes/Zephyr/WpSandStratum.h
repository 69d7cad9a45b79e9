// CWpSandStratum: sand bodies grouped by stratum, with fill, line and text options per row
// of the sand-stratum grids.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpContent.h"

class CWpSandStratum : public CWpContent {
    DECLARE_DYNAMIC(CWpSandStratum)
public:
    // Option records of one grid row (kit library's fields; sizes fixed by the stored files).
    // Each row: its name, whether it is drawn, where across the track (fractions of the width,
    // left and right; a text's position 0 to 100), and its style.
    struct FILLOPTION {
        char name[32] = {};
        BOOL show = TRUE;
        double left = 0;
        double right = 1;
        QXLOGBRUSH brush;
    };
    struct LINEOPTION {
        char name[32] = {};
        BOOL show = TRUE;
        double left = 0;
        double right = 1;
        QXLOGPEN pen;
    };
    struct TEXTOPTIONEX {
        char name[32] = {};
        BOOL show = TRUE;
        double position = 50;
        QXLOGFONT font;
        int decimals = 2;
    };

    CWpSandStratum();
    ~CWpSandStratum() override;
    WPKITTYPE GetWpKitType() override;

    bool ValidSameDistance() const;
    void ValidSameDistance(bool valid);
    bool UseShootData() const;
    void UseShootData(bool use);
    bool OnlyInStratum() const;
    void OnlyInStratum(bool only);
    DATATYPE DataType() const;
    void DataType(DATATYPE type);
    int Grade() const;
    // Stores the stratum grade and has the kit rebuild its rows for it.
    void Grade(int grade);
    unsigned GetFillOptionCount();
    unsigned GetLineOptionCount();
    unsigned GetTextOptionCount();
    // Entry i of the option rows; i must be below the matching count (std::out_of_range otherwise).
    FILLOPTION& GetFillOption(unsigned i);
    LINEOPTION& GetLineOption(unsigned i);
    TEXTOPTIONEX& GetTextOption(unsigned i);

    // Kit library: recomputes the rows from the well data of the current grade.
    virtual void UpdateD2V();
    void SetOptionRows(unsigned rows);

protected:
    bool m_bValidSameDistance = false;
    bool m_bUseShootData = false;
    bool m_bOnlyInStratum = false;
    DATATYPE m_dataType = DATA_WELL;
    int m_nGrade = 0;
    std::vector<FILLOPTION> m_fillOptions;
    std::vector<LINEOPTION> m_lineOptions;
    std::vector<TEXTOPTIONEX> m_textOptions;
};

static_assert(sizeof(CWpSandStratum::FILLOPTION) == 80, "fill option rows are 80 bytes");
static_assert(sizeof(CWpSandStratum::LINEOPTION) == 80, "line option rows are 80 bytes");
static_assert(sizeof(CWpSandStratum::TEXTOPTIONEX) == 136, "text option rows are 136 bytes");
