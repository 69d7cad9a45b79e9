#include "planemap/layers/PlanePropWndCreator.h"

#include <cctype>
#include <cstring>
#include <memory>

#include "framework/PropWndMgr.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Parsnip/QXObjectArrow.h"
#include "hosttypes/Parsnip/QXObjectBitmap.h"
#include "hosttypes/Parsnip/QXObjectBlock.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectCell.h"
#include "hosttypes/Parsnip/QXObjectCircle.h"
#include "hosttypes/Parsnip/QXObjectColorMark.h"
#include "hosttypes/Parsnip/QXObjectContour.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectFinger.h"
#include "hosttypes/Parsnip/QXObjectHint.h"
#include "hosttypes/Parsnip/QXObjectLegend.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Parsnip/QXObjectMultiText.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "hosttypes/Parsnip/QXObjectPoint.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "hosttypes/Parsnip/QXObjectQXM.h"
#include "hosttypes/Parsnip/QXObjectRect.h"
#include "hosttypes/Parsnip/QXObjectScale.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "hosttypes/Parsnip/QXObjectWeb.h"
#include "hosttypes/Tinder/CommonUtility.h"
#include "hosttypes/Vireo/QXObjectWellGraph.h"
#include "hosttypes/Zephyr/WpKit.h"
#include "planemap/BorderTexts.h"
#include "planemap/GeologyTexts.h"
#include "planemap/PropListAppendControlPoint.h"
#include "planemap/PropListArrow.h"
#include "planemap/PropListBorder.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListBorderLabel.h"
#include "planemap/PropListBound.h"
#include "planemap/PropListColorMark.h"
#include "planemap/PropListContour.h"
#include "planemap/PropListContourFill.h"
#include "planemap/PropListCtrlLine.h"
#include "planemap/PropListEllipse.h"
#include "planemap/PropListFaciesFill.h"
#include "planemap/PropListFaciesLine.h"
#include "planemap/PropListFaultBlock.h"
#include "planemap/PropListFaultLine.h"
#include "planemap/PropListFill.h"
#include "planemap/PropListFinger.h"
#include "planemap/PropListHint.h"
#include "planemap/PropListLegend.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListMultiText.h"
#include "planemap/PropListOilWaterFill.h"
#include "planemap/PropListOilWaterLine.h"
#include "planemap/PropListPicture.h"
#include "planemap/PropListPoint.h"
#include "planemap/PropListPointText.h"
#include "planemap/PropListRect.h"
#include "planemap/PropListRegionFill.h"
#include "planemap/PropListRegionLine.h"
#include "planemap/PropListSandFill.h"
#include "planemap/PropListSandLine.h"
#include "planemap/PropListScale.h"
#include "planemap/PropListScatteredAppendControlPoint.h"
#include "planemap/PropListScatteredFill.h"
#include "planemap/PropListScatteredLine.h"
#include "planemap/PropListTable.h"
#include "planemap/PropListText.h"
#include "planemap/PropListWeb.h"
#include "planemap/PropListWellNetFill.h"
#include "planemap/PropListWellNetLine.h"
#include "planemap/layers/LayerDataPages.h"
#include "planemap/layers/LayerTexts.h"
#include "planemap/layers/PropListAttributeLayerPages.h"
#include "planemap/layers/PropListBoundLayerBound.h"
#include "planemap/layers/PropListContourLayerData.h"
#include "planemap/layers/PropListContourLayerFill.h"
#include "planemap/layers/PropListContourLayerLine.h"
#include "planemap/layers/PropListCoordinate.h"
#include "planemap/layers/PropListCtrlLineLayerData.h"
#include "planemap/layers/PropListCtrlLineLayerLine.h"
#include "planemap/layers/PropListFaultLayerLine.h"
#include "planemap/layers/PropListLineLayerLine.h"
#include "planemap/layers/PropListPie.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"
#include "planemap/layers/PropListPointLayerPoint.h"
#include "planemap/layers/PropListSandLayerData.h"
#include "planemap/layers/PropListSandLayerLine.h"
#include "planemap/layers/PropListStratum.h"
#include "planemap/layers/PropListStratumLayerConnection.h"
#include "planemap/layers/PropListStratumLayerStratum.h"
#include "planemap/layers/PropListStratumMapLayerData.h"
#include "planemap/layers/PropListStratumMapLayerFill.h"
#include "planemap/layers/PropListStratumMapLayerLine.h"
#include "planemap/layers/PropListStratumMapLines.h"
#include "planemap/layers/PropListWellAbsence.h"
#include "planemap/layers/PropListWellBaseLine.h"
#include "planemap/layers/PropListWellLabel.h"
#include "planemap/layers/PropListWellLayerAbsence.h"
#include "planemap/layers/PropListWellLayerBaseLine.h"
#include "planemap/layers/PropListWellLayerName.h"
#include "planemap/layers/PropListWellLayerSymbol.h"
#include "planemap/layers/PropListWellNetLayerFill.h"
#include "planemap/layers/PropListWellNetLayerLine.h"
#include "planemap/layers/PropListWellPath.h"
#include "planemap/layers/PropListWellSymbol.h"
#include "planemap/layers/StratumDataPages.h"
#include "planemap/layers/StratumMapKinds.h"

using planecreator::ListFactory;
using planecreator::SheetPages;

namespace {

namespace lt = layertext;

template <class List>
CWndLstPlane* Make() {
    return new List;
}

template <class Kind>
bool IsA(CQXObject* object) {
    return dynamic_cast<Kind*>(object) != nullptr;
}

// Up to four type names compared whole; none: any type name.
struct Names {
    const char* name[4];
    bool Match(const CString& text) const {
        if (!name[0]) return true;
        for (const char* n : name)
            if (n && text == n) return true;
        return false;
    }
};

// ---- table A: map objects by run-time class --------------------------------------------------------
// The first row whose class the object is decides its class's rows; inside them the first row
// whose type name, layer kind and condition match gives the window; none of them: NULL.

enum class Opens {
    kList,    // the row's list; NULL until that list is built
    kLine,    // the line list by type name (table B)
    kBorder,  // the border sheet
};

struct ObjectRow {
    bool (*isKind)(CQXObject*);
    Names typeNames;
    const char* layerKind;  // NULL: any layer
    bool completeFault;     // the block holds a hanging wall, a footwall and a fault polygon
    Opens opens;
    ListFactory make;
};

// clang-format off
const SheetPages kBorderSheet{{
    {bordertext::kBorderPage, Make<CPropListBorder>, false},
    {bordertext::kGridPage, Make<CPropListBorderGrid>, false},
    {bordertext::kLabelPage, Make<CPropListBorderLabel>, false},
}};

const ObjectRow kObjectRows[] = {
    {IsA<CQXObjectPoint>, {{"井位", "井口", "井底"}}, nullptr, false, Opens::kList, Make<CPropListWellSymbol>},
    {IsA<CQXObjectPoint>, {{"缺失标志"}}, nullptr, false, Opens::kList, Make<CPropListWellAbsence>},
    {IsA<CQXObjectPoint>, {{lt::kVirtualWell}}, lt::kFaciesLineLayer, false, Opens::kList, Make<CPropListAppendControlPoint>},
    {IsA<CQXObjectPoint>, {{lt::kVirtualWell}}, lt::kScatteredLineLayer, false, Opens::kList,
     Make<CPropListScatteredAppendControlPoint>},
    {IsA<CQXObjectPoint>, {{lt::kPieLayer}}, nullptr, false, Opens::kList, Make<CPropListPie>},
    {IsA<CQXObjectPoint>, {}, nullptr, false, Opens::kList, Make<CPropListPoint>},
    {IsA<CQXObjectContour>, {{"等值线"}}, nullptr, false, Opens::kList, Make<CPropListContour>},
    {IsA<CQXObjectContour>, {}, nullptr, false, Opens::kLine, nullptr},
    {IsA<CQXObjectText>, {{"井名"}}, nullptr, false, Opens::kList, Make<CPropListWellLabel>},
    {IsA<CQXObjectText>, {}, lt::kPointLayer, false, Opens::kList, Make<CPropListPointText>},
    {IsA<CQXObjectText>, {}, nullptr, false, Opens::kList, Make<CPropListText>},
    {IsA<CQXObjectPie>, {}, nullptr, false, Opens::kList, Make<CPropListPie>},
    {IsA<CQXObjectPolyline>, {}, nullptr, false, Opens::kLine, nullptr},
    {IsA<CQXObjectFill>, {{"等值填充", "等值线填充"}}, nullptr, false, Opens::kList, Make<CPropListContourFill>},
    {IsA<CQXObjectFill>, {{"沉积相填充"}}, nullptr, false, Opens::kList, Make<CPropListFaciesFill>},
    {IsA<CQXObjectFill>, {{"离散属性填充"}}, nullptr, false, Opens::kList, Make<CPropListScatteredFill>},
    {IsA<CQXObjectFill>, {{"有效区域", geotext::kSandFill}}, nullptr, false, Opens::kList, Make<CPropListSandFill>},
    {IsA<CQXObjectFill>, {{"油水填充"}}, nullptr, false, Opens::kList, Make<CPropListOWFill>},
    {IsA<CQXObjectFill>, {{"区域填充"}}, nullptr, false, Opens::kList, Make<CPropListRegionFill>},
    {IsA<CQXObjectFill>, {{geotext::kWellNetArea}}, nullptr, false, Opens::kList, Make<CPropListWellNetFill>},
    {IsA<CQXObjectFill>, {}, nullptr, false, Opens::kList, Make<CPropListFill>},
    {IsA<CQXObjectColorMark>, {}, nullptr, false, Opens::kList, Make<CPropListColorMark>},
    {IsA<CQXObjectCell>, {}, nullptr, false, Opens::kList, Make<CPropListTable>},
    {IsA<CQXObjectBitmap>, {}, nullptr, false, Opens::kList, Make<CPropListPicture>},
    {IsA<CQXObjectQXM>, {}, nullptr, false, Opens::kList, Make<CPropListPicture>},
    {IsA<CWpKit>, {}, nullptr, false, Opens::kList, Make<CPropListStratum>},
    {IsA<CQXObjectWellGraph>, {}, nullptr, false, Opens::kList, Make<CPropListStratum>},
    {IsA<CQXObjectBlock>, {{lt::kFaultBlock}}, nullptr, true, Opens::kList, Make<CPropListFaultBlock>},
    {IsA<CQXObjectMultiText>, {}, nullptr, false, Opens::kList, Make<CPropListMultiText>},
    {IsA<CQXObjectCircle>, {}, nullptr, false, Opens::kList, Make<CPropListEllipse>},
    {IsA<CQXObjectRect>, {}, nullptr, false, Opens::kList, Make<CPropListRect>},
    {IsA<CQXObjectArrow>, {}, nullptr, false, Opens::kList, Make<CPropListArrow>},
    {IsA<CQXObjectWeb>, {}, nullptr, false, Opens::kList, Make<CPropListWeb>},
    {IsA<CQXObjectLine>, {}, nullptr, false, Opens::kList, Make<CPropListLine>},
    {IsA<CQXObjectLegend>, {}, nullptr, false, Opens::kList, Make<CPropListLegend>},
    {IsA<CQXObjectScale>, {}, nullptr, false, Opens::kList, Make<CPropListScale>},
    {IsA<CQXObjectFinger>, {}, nullptr, false, Opens::kList, Make<CPropListFinger>},
    {IsA<CQXObjectHint>, {}, nullptr, false, Opens::kList, Make<CPropListHint>},
    {IsA<CQXObjectBorder>, {}, nullptr, false, Opens::kBorder, nullptr},
    {IsA<CQXObjectCoordinate>, {}, nullptr, false, Opens::kList, Make<CPropListCoordinate>},
};
// clang-format on

// ---- table B: line objects by type name --------------------------------------------------------------

struct LineRow {
    Names typeNames;
    const char* layerKind;  // NULL: any layer
    ListFactory make;       // NULL until the list is built
};

// clang-format off
const LineRow kLineRows[] = {
    {{{"上部井斜线", "下部井斜线"}}, nullptr, Make<CPropListWellPath>},
    {{{"井排基线", "井排线"}}, nullptr, Make<CPropListWellBaseLine>},
    {{{"沉积相线"}}, nullptr, Make<CPropListFaciesLine>},
    {{{"离散属性边界线"}}, nullptr, Make<CPropListScatteredLine>},
    {{{"有效虚线边界", geotext::kValidSolidBoundary, geotext::kSandDashedBoundary, geotext::kSandSolidBoundary}}, nullptr, Make<CPropListSandLine>},
    {{{lt::kOilWaterLine}}, lt::kOilWaterLayer, Make<CPropListOWLine>},
    {{{"区域边界线"}}, nullptr, Make<CPropListRegionLine>},
    {{{geotext::kFootwall, geotext::kHangingWall, geotext::kFaultPolygon, geotext::kFaultCentre}}, nullptr, Make<CPropListFaultLine>},
    {{{geotext::kCtrlLine}}, nullptr, Make<CPropListCtrlLine>},
    {{{geotext::kBoundLine}}, nullptr, Make<CPropListBound>},
    {{{stratummap::kPinchOutLine}}, nullptr, Make<CPropListPinchOutLine>},
    {{{stratummap::kValidThickLine}}, nullptr, Make<CPropListValidThickLine>},
    {{{lt::kOilWaterLine}}, lt::kStratumMapLayer, Make<CPropListOilWaterBorderLine>},
    {{{"连通井网线"}}, nullptr, Make<CPropListWellNetLine>},
    {{}, nullptr, Make<CPropListLine>},
};
// clang-format on

// ---- table C: layers by type name ------------------------------------------------------------------

struct LayerRow {
    Names layerKinds;
    SheetPages pages;
};

// clang-format off
const LayerRow kLayerRows[] = {
    {{{lt::kWellLayer}},
     {{{lt::kDataPage, Make<CPropListWellLayerData>, false},
       {lt::kWellNamePage, Make<CPropListWellLayerName>, false},
       {lt::kWellSymbolPage, Make<CPropListWellLayerSymbol>, false},
       {lt::kWellRowPage, Make<CPropListWellLayerBaseLine>, false},
       {lt::kAbsencePage, Make<CPropListWellLayerAbsence>, false}}}},
    {{{lt::kStratumLayer}},
     {{{lt::kDataPage, Make<CPropListStratumLayerData>, false},
       {lt::kStratumSectionPage, Make<CPropListStratumLayerStratum>, false},
       {lt::kConnectionPage, Make<CPropListStratumLayerConnection>, false}}}},
    {{{lt::kFaciesLineLayer, lt::kFaciesFillLayer}},
     {{{lt::kDataPage, Make<CPropListFaciesLayerData>, false},
       {lt::kFaciesLinePage, Make<CPropListFaciesLayerLine>, false},
       {lt::kVirtualWellPage, Make<CPropListFaciesLayerAppendControlPoint>, false}}}},
    {{{lt::kScatteredLineLayer, lt::kScatteredFillLayer}},
     {{{lt::kDataPage, Make<CPropListScatteredLayerData>, false},
       {lt::kScatteredLineLayer, Make<CPropListScatteredLayerLine>, false},
       {lt::kVirtualWellPage, Make<CPropListScatteredLayerAppendControlPoint>, false}}}},
    {{{lt::kContourLayer, lt::kContourFillLayer}},
     {{{lt::kDataPage, Make<CPropListContourLayerData>, true},
       {lt::kContourLayer, Make<CPropListContourLayerLine>, false},
       {lt::kContourAreaPage, Make<CPropListContourLayerFill>, true}}}},
    {{{lt::kBoundLayer}},
     {{{lt::kDataPage, Make<CPropListBoundLayerData>, false},
       {lt::kBoundLayer, Make<CPropListBoundLayerBound>, false}}}},
    {{{lt::kFaultLayer}},
     {{{lt::kDataPage, Make<CPropListFaultLayerData>, false},
       {lt::kFaultLinePage, Make<CPropListFaultLayerLine>, false}}}},
    {{{lt::kSandLayer}},
     {{{lt::kDataPage, Make<CPropListSandLayerData>, false},
       {lt::kSandLinePage, Make<CPropListSandLayerLine>, false}}}},
    {{{lt::kOilWaterLayer, lt::kOilWaterFillLayer}},
     {{{lt::kDataPage, Make<CPropListOilWaterLayerData>, false},
       {lt::kOilWaterLinePage, Make<CPropListOilWaterLayerLine>, false}}}},
    {{{lt::kRegionLayer, lt::kRegionFillLayer}},
     {{{lt::kDataPage, Make<CPropListRegionLayerData>, false},
       {lt::kRegionLinePage, Make<CPropListRegionLayerLine>, false}}}},
    {{{lt::kCtrlLineLayer}},
     {{{lt::kDataPage, Make<CPropListCtrlLineLayerData>, false},
       {lt::kCtrlLineLayer, Make<CPropListCtrlLineLayerLine>, false}}}},
    {{{lt::kPointLayer}},
     {{{lt::kDataPage, Make<CPropListPointLayerData>, false},
       {lt::kPointLayer, Make<CPropListPointLayerPoint>, false}}}},
    {{{lt::kLineLayer}},
     {{{lt::kDataPage, Make<CPropListLineLayerData>, false},
       {lt::kLineLayer, Make<CPropListLineLayerLine>, false}}}},
    {{{lt::kPieLayer}},
     {{{lt::kDataPage, Make<CPropListPieLayerData>, false},
       {lt::kShowPage, Make<CPropListPieLayerObj>, false}}}},
    {{{lt::kWellNetLayer}},
     {{{lt::kDataPage, Make<CPropListWellNetLayerData>, false},
       {lt::kWellNetLinePage, Make<CPropListWellNetLayerLine>, false},
       {lt::kWellNetAreaPage, Make<CPropListWellNetLayerFill>, false}}}},
    {{{lt::kStratumMapLayer}},
     {{{lt::kDataPage, Make<CPropListStratumMapLayerData>, false},
       {lt::kLineLayer, Make<CPropListStratumMapLayerLine>, false},
       {lt::kFillPage, Make<CPropListStratumMapLayerFill>, false}}}},
    {{{lt::kGeneralLayer}}, {{{lt::kDataPage, Make<CPropListGeneralLayerData>, false}}}},
};
// clang-format on

// ---- rows ----------------------------------------------------------------------------------------------

bool IsCompleteFault(CQXObject* object) {
    auto* block = dynamic_cast<CQXObjectBlock*>(object);
    if (!block) return false;
    CQXObject* up = block->GetObjectByTypeName(geotext::kHangingWall);
    CQXObject* down = block->GetObjectByTypeName(geotext::kFootwall);
    CQXObject* polygon = block->GetObjectByTypeName(geotext::kFaultPolygon);
    return up && down && polygon;
}

bool Matches(const ObjectRow& row, CQXObject* object, const CString& typeName, const CString& layerKind) {
    return row.typeNames.Match(typeName) && (!row.layerKind || layerKind == row.layerKind) &&
           (!row.completeFault || IsCompleteFault(object));
}

// The first row of the object's class whose tests pass; NULL when none of them does.
const ObjectRow* FindObjectRow(CQXObject* object, const CString& typeName, const CString& layerKind) {
    for (const ObjectRow& row : kObjectRows) {
        if (!row.isKind(object)) continue;
        for (const ObjectRow* r = &row; r != std::end(kObjectRows) && r->isKind == row.isKind; ++r)
            if (Matches(*r, object, typeName, layerKind)) return r;
        return nullptr;
    }
    return nullptr;
}

// The host's executable path, read once into the utility library's shared buffer.
const char* ReadHostPath() {
    constexpr DWORD kPathChars = 200;
    char* buffer = AfxGetBufA();
    const DWORD n = GetModuleFileNameA(nullptr, buffer, kPathChars);
    buffer[n < kPathChars ? n : kPathChars - 1] = 0;
    return buffer;
}

std::size_t PageCount(const SheetPages& pages) {
    std::size_t n = 0;
    while (n < planecreator::kMaxSheetPages && pages.page[n].caption) ++n;
    return n;
}

}  // namespace

// ---- the sheets ------------------------------------------------------------------------------------------

namespace planecreator {

bool IsDigitisingHost(const char* path) {
    if (!path) return false;
    const char* name = path;
    if (const char* slash = std::strrchr(path, '/'))
        name = slash + 1;
    else if (const char* backslash = std::strrchr(path, '\\'))
        name = backslash + 1;
    else if (const char* colon = std::strrchr(path, ':'))
        name = colon + 1;
    for (const char* prefix = layertext::kDigitisingHostPrefix; *prefix; ++prefix, ++name)
        if (!*name ||
            std::toupper(static_cast<unsigned char>(*name)) != std::toupper(static_cast<unsigned char>(*prefix)))
            return false;
    return true;
}

CPropWndMgr* CreateSheet(const SheetPages& pages, CWnd* parent) {
    const std::size_t count = PageCount(pages);
    for (std::size_t i = 0; i < count; ++i)
        if (!pages.page[i].make) return nullptr;

    auto sheet = std::make_unique<CPropWndMgr>(0, 0);
    const char* hostPath = nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        const SheetPage& page = pages.page[i];
        if (page.leftOutWhenDigitising) {
            if (!hostPath) hostPath = ReadHostPath();
            if (IsDigitisingHost(hostPath)) continue;
        }
        std::unique_ptr<CWndLstPlane> list(page.make());
        if (!list || !sheet->AddLstPage(list.get(), page.caption)) return nullptr;
        list.release();  // the sheet's page owns it now
    }
    sheet->Initialize();
    if (!sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0)) return nullptr;
    return sheet.release();
}

}  // namespace planecreator

// ---- the creator -------------------------------------------------------------------------------------------

CWndLstPlane* CPlanePropWndCreator::CreateSinglePropPage(CWndLstPlane* list, CWnd* parent) {
    std::unique_ptr<CWndLstPlane> owned(list);
    if (!owned || !owned->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), parent, kPropListCtrlId))
        return nullptr;
    return owned.release();
}

CWndLstPlane* CPlanePropWndCreator::CreateObjPropLine(CQXObject* object, CWnd*) {
    CQXLayer* layer = object ? object->GetLayer() : nullptr;
    if (!layer) return nullptr;
    const CString typeName = object->GetTypeName();
    const CString layerKind = layer->GetTypeName();
    for (const LineRow& row : kLineRows)
        if (row.typeNames.Match(typeName) && (!row.layerKind || layerKind == row.layerKind))
            return row.make ? row.make() : nullptr;
    return nullptr;
}

CWnd* CPlanePropWndCreator::CreateObjProp(CQXObject* object, CWnd* parent) {
    if (!object || !parent || !object->GetLayer()) return nullptr;
    const CString typeName = object->GetTypeName();
    const CString layerKind = object->GetLayer()->GetTypeName();
    // The old name of a fault's middle line; the line dispatch below reads the new one.
    if (typeName == lt::kDip) object->SetTypeName(geotext::kFaultCentre);

    const ObjectRow* row = FindObjectRow(object, typeName, layerKind);
    if (!row) return nullptr;
    switch (row->opens) {
        case Opens::kList:
            return row->make ? CreateSinglePropPage(row->make(), parent) : nullptr;
        case Opens::kLine: {
            CWndLstPlane* list = CreateObjPropLine(object, nullptr);
            return list ? CreateSinglePropPage(list, parent) : nullptr;
        }
        case Opens::kBorder:
            return planecreator::CreateSheet(kBorderSheet, parent);
    }
    return nullptr;
}

CPropWndMgr* CPlanePropWndCreator::CreateLayerProp(CQXLayer* layer, CWnd* parent) {
    if (!layer || !parent) return nullptr;
    const CString kind = layer->GetTypeName();
    for (const LayerRow& row : kLayerRows)
        if (row.layerKinds.Match(kind)) return planecreator::CreateSheet(row.pages, parent);
    return nullptr;
}
