// CWpFacies: sedimentary facies along the well.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Zephyr/WpSegment.h"

class CWpFacies : public CWpSegment {
    DECLARE_DYNAMIC(CWpFacies)
public:
    CWpFacies();
    ~CWpFacies() override;
    WPKITTYPE GetWpKitType() override;

    QXLOGPEN& GetDivideLinePen();
    void SetDivideLinePen(const QXLOGPEN& pen);
    bool IsDivideLineVisible();
    void SetDivideLineVisible(bool visible);

protected:
    QXLOGPEN m_divideLinePen;
    bool m_bDivideLineVisible = false;

private:
    // Dragging a segment's edges: not done by this version of the kit.
    virtual void MoveSeg(int seg, double depth);
    virtual void MoveSegP(int seg, double depth, int edge);
};
