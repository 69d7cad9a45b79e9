#include "planemap/PropListPicture.h"

#include "framework/PropSizeText.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"

namespace {

const char kPictureKind[] = "图片";
const char kSource[] = "来源";
const char kScale[] = "显示比例";
const char kBaseX[] = "插入图片的基点坐标X";
const char kBaseY[] = "插入图片的基点坐标Y";

struct ItemRow {
    DWORD_PTR id;
    const char* label;
    const char* value;
    bool editable;
};

const ItemRow kItems[] = {
    {CPropListPicture::kTypeId, planetext::kType, kPictureKind, false},
    {CPropListPicture::kSourceId, kSource, "", false},
    {CPropListPicture::kXId, planetext::kX, "", true},
    {CPropListPicture::kYId, planetext::kY, "", true},
    {CPropListPicture::kLengthId, planetext::kLength, "", true},
    {CPropListPicture::kWidthId, planetext::kWidth, "", true},
    {CPropListPicture::kRotationId, planetext::kRotation, "", true},
    {CPropListPicture::kScaleId, kScale, "", true},
    {CPropListPicture::kBaseXId, kBaseX, "", true},
    {CPropListPicture::kBaseYId, kBaseY, "", true},
};

// A number item's text as the edit takes it: no number reads as 0; a length or width is never
// negative; the rotation is read in degrees into radians. False, value untouched, when refused.
bool ReadNumberItem(const CString& text, DWORD_PTR id, double* value) {
    switch (id) {
        case CPropListPicture::kLengthId:
        case CPropListPicture::kWidthId:
            return planemap::ReadLength(text, 1, value);
        case CPropListPicture::kRotationId:
            return planemap::ReadAngle(text, value);
        default:
            return planemap::ReadNumber(text, 1, value);
    }
}

bool IsNumberItem(DWORD_PTR id) { return id != CPropListPicture::kTypeId && id != CPropListPicture::kSourceId; }

// A raster picture turns; an embedded map has a display scale and a base point instead.
bool KindHasItem(bool raster, DWORD_PTR id) {
    switch (id) {
        case CPropListPicture::kRotationId:
            return raster;
        case CPropListPicture::kScaleId:
        case CPropListPicture::kBaseXId:
        case CPropListPicture::kBaseYId:
            return !raster;
        default:
            return true;
    }
}

}  // namespace

CPropListPicture::CPropListPicture() = default;
CPropListPicture::~CPropListPicture() = default;

CQXObjectBitmap* CPropListPicture::Bitmap() const { return dynamic_cast<CQXObjectBitmap*>(m_pTarget); }
CQXObjectQXM* CPropListPicture::Qxm() const { return dynamic_cast<CQXObjectQXM*>(m_pTarget); }

int CPropListPicture::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    for (const ItemRow& row : kItems) {
        // A number item refuses what its edit refuses.
        auto* item = IsNumberItem(row.id) ? new CBCGPropSizeText(row.label, _variant_t(row.value), "", row.id,
                                                                 ReaderRule(&ReadNumberItem, row.id))
                                          : new CBCGPProp(row.label, _variant_t(row.value), "", row.id);
        if (!row.editable) item->AllowEdit(FALSE);
        m_wndPropList.AddProperty(item, TRUE, TRUE);
    }
    return 0;
}

void CPropListPicture::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    if (GetMode() == 1) {
        EnableAllItems(FALSE);
        return;
    }
    CQXObjectBitmap* bitmap = Bitmap();
    CQXObjectQXM* qxm = bitmap ? nullptr : Qxm();
    if (!bitmap && !qxm) return;
    // A layer shown before has disabled everything; a picture starts from all items enabled.
    EnableAllItems(TRUE);
    ShowValues(bitmap, qxm);
}

void CPropListPicture::ShowValues(CQXObjectBitmap* bitmap, CQXObjectQXM* qxm) {
    SetItemText(FindItem(kSourceId), bitmap ? bitmap->GetFileName() : qxm->GetFileName());
    for (DWORD_PTR id : {kXId, kYId, kLengthId, kWidthId}) ShowPictureValue(bitmap, qxm, FindItem(id));
    ShowKindItems(bitmap, qxm);
}

// The items of the other kind are disabled and empty.
void CPropListPicture::ShowKindItems(CQXObjectBitmap* bitmap, CQXObjectQXM* qxm) {
    for (DWORD_PTR id : {kRotationId, kScaleId, kBaseXId, kBaseYId}) {
        CBCGPProp* item = FindItem(id);
        if (!item) continue;
        item->Enable(KindHasItem(bitmap != nullptr, id) ? TRUE : FALSE);
        ShowPictureValue(bitmap, qxm, item);
    }
}

// A number item shows the picture's value as the refresh shows it: "%.2f", the rotation in
// degrees; an item the picture's kind has not is empty.
void CPropListPicture::ShowPictureValue(CQXObjectBitmap* bitmap, CQXObjectQXM* qxm, CBCGPProp* item) {
    if (!item) return;
    QXPOINT anchor;
    (bitmap ? static_cast<CQXObject*>(bitmap) : qxm)->GetAnchor(&anchor);
    double baseX = 0, baseY = 0;
    if (qxm) qxm->GetQXMCenter(baseX, baseY);
    double value = 0;
    switch (item->GetData()) {
        case kXId:
            value = anchor.x;
            break;
        case kYId:
            value = anchor.y;
            break;
        case kLengthId:
            value = bitmap ? bitmap->GetRadiusA() : qxm->GetRadiusA();
            break;
        case kWidthId:
            value = bitmap ? bitmap->GetRadiusB() : qxm->GetRadiusB();
            break;
        case kRotationId:
            SetItemText(item, bitmap ? planemap::AngleText(bitmap->GetAngle()) : CString());
            return;
        case kScaleId:
        case kBaseXId:
        case kBaseYId:
            if (!qxm) {
                SetItemText(item, CString());
                return;
            }
            value = item->GetData() == kScaleId ? qxm->GetFactor() : item->GetData() == kBaseXId ? baseX : baseY;
            break;
        default:
            return;
    }
    ShowFixed(item, value, 2);
}

LRESULT CPropListPicture::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CQXObjectBitmap* bitmap = Bitmap();
    CQXObjectQXM* qxm = bitmap ? nullptr : Qxm();
    CQXObject* picture = bitmap ? static_cast<CQXObject*>(bitmap) : qxm;
    if (!item || !picture) {
        UpdateView();
        return 0;
    }
    QXPOINT anchor;
    picture->GetAnchor(&anchor);
    double baseX = 0, baseY = 0;
    if (qxm) qxm->GetQXMCenter(baseX, baseY);
    const CString text = VariantToText(item->GetValue());
    double v = 0;
    // A refused number (set from code), or one for an item the picture's kind has not, writes
    // nothing and redraws nothing; the item shows the stored value (or nothing) again.
    if (IsNumberItem(item->GetData()) &&
        (!ReadNumberItem(text, item->GetData(), &v) || !KindHasItem(bitmap != nullptr, item->GetData()))) {
        ShowPictureValue(bitmap, qxm, item);
        return 0;
    }

    // The shown picture only; no other selected object takes the edit.
    switch (item->GetData()) {
        case kSourceId:
            bitmap ? bitmap->SetFileName(text) : qxm->SetFileName(text);
            break;
        case kXId:
            anchor.x = v;  // y and both bytes stay as read
            picture->MoveAnchor(anchor);
            break;
        case kYId:
            anchor.y = v;
            picture->MoveAnchor(anchor);
            break;
        case kLengthId:
            bitmap ? bitmap->SetRadiusA(v) : qxm->SetRadiusA(v);
            break;
        case kWidthId:
            bitmap ? bitmap->SetRadiusB(v) : qxm->SetRadiusB(v);
            break;
        case kRotationId:
            bitmap->SetAngle(v);
            break;
        case kScaleId:
            qxm->SetFactor(v);
            break;
        case kBaseXId:
            qxm->SetQXMCenter(v, baseY);
            break;
        case kBaseYId:
            qxm->SetQXMCenter(baseX, v);
            break;
        default:
            break;
    }
    UpdateView();
    return 0;
}
