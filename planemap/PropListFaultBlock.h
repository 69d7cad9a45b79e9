// CPropListFaultBlock: a fault combination, a block holding a hanging-wall line "上盘", a footwall
// line "下盘" and a fault-zone polygon "断层多边形". It edits the fault name, the fault's sense
// (normal or reverse, the shown block only), the two walls' pens and the zone's fill; pen and fill
// edits reach the same part of every selected block.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectBlock;
class CQXObjectFill;
class CQXObjectLine;

class CPropListFaultBlock : public CWndLstPlane {
public:
    // The item data of the grid's items.
    enum : DWORD_PTR {
        kTypeId = 2000,
        kNameId = 2001,
        kSenseId = 2002,
        kGroupId = 2003,
        kHangingWallStyleId = 2004,
        kHangingWallWidthId = 2005,
        kHangingWallColorId = 2006,
        kFootwallStyleId = 2008,
        kFootwallWidthId = 2009,
        kFootwallColorId = 2010,
        kZoneFillId = 2011,
        kZoneColorId = 2012,
    };

    CPropListFaultBlock();
    ~CPropListFaultBlock() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // The three parts of a block; a part missing or of another class leaves its pointer NULL.
    struct Parts {
        CQXObjectLine* hangingWall = nullptr;
        CQXObjectLine* footwall = nullptr;
        CQXObjectFill* zone = nullptr;
        bool Complete() const { return hangingWall && footwall && zone; }
    };
    static Parts FindParts(CQXObjectBlock* block);

    CQXObjectBlock* Block() const;
    void RefreshWall(CBCGPProp* group, int first, CQXObjectLine* wall);
    void ApplyWallItem(CBCGPProp* item, CQXLayer* layer, CQXObjectLine* wall, const char* part, int field);
    void ApplyZoneItem(CBCGPProp* item, CQXLayer* layer, CQXObjectFill* zone);
};

// Sets the name of every selected block of the layer.
void SetBlockNames(CQXLayer* layer, const CString& name);
// Writes the pen to the part of that type name of every selected block whose part is a line, and
// the brush to the part of every selected block whose part is a fill; other blocks are skipped.
void SetBlockSubObjects(CQXLayer* layer, QXLOGPEN* pen, const CString& part);
void SetBlockSubObjects(CQXLayer* layer, QXLOGBRUSH* brush, const CString& part);
