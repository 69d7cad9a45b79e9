// CPropListSandLine: a boundary line of a sand body or of its effective area: the body number (its
// name), its line class (type name, shown only) and its pen. Choosing a body number gives the line
// that body's standard pen for its class, kept in its layer's attributes. Edits change the shown
// line only.
// sandlist: the body number item both sand lists show.
#pragma once

#include "planemap/WndLstPlane.h"

class CQXObjectLine;
class CQXPropertyManager;

class CPropListSandLine : public CWndLstPlane {
public:
    CPropListSandLine();
    ~CPropListSandLine() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    CQXObjectLine* Line() const;
    void ApplyBodyNumber(CQXObjectLine* line, const CString& number, QXLOGPEN& pen);
};

namespace sandlist {

// The bodies of the layer: the largest n for which "LOGBRUSH_1" .. "LOGBRUSH_n" all hold a fill
// in the layer's attributes; 0 without a layer.
int CountBodies(CQXLayer* layer);
// The body number item, pick only.
CBCGPProp* NewBodyItem(DWORD_PTR id);
// Shows the object's body number (its name) and offers "1" .. the bodies of its layer (none
// without a layer).
void ShowBody(CBCGPProp* item, CQXObject* object);
// The object joins the body: its name becomes the number. Answers the attribute store of its
// layer, which keeps the bodies' standard pens and fills; NULL without a layer.
CQXPropertyManager* JoinBody(CQXObject* object, const CString& number);

}  // namespace sandlist
