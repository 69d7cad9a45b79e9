#include "KitSession.h"

#include <sstream>

#include "driver/CellGridDriver.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "framework/WndPag.h"
#include "hostlibs/Zephyr/PlotFixture.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/intervals/CellTypesGridCtrl.h"
#include "wellplot/intervals/OilTestPage.h"
#include "driver/CellGridDriver.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/intervals/LstSandStratumGrid.h"


namespace demo {

std::string OneLine(const CString& text) {
    std::string s = text.str();
    for (std::size_t at = s.find('\n'); at != std::string::npos; at = s.find('\n', at + 2)) s.replace(at, 1, "⏎");
    return s;
}

std::string Describe(CWpKit* kit) {
    std::ostringstream out;
    out << kit->GetRuntimeClass()->m_lpszClassName << " 标题=" << OneLine(kit->GetTitleText())
        << " 宽度=" << kit->GetWidth() << " 边框模式=" << kit->GetBorderMode();
    if (auto* track = dynamic_cast<CWpTrack*>(kit))
        out << " 对数=" << track->IsLogScale() << " 粗线间隔=" << track->GetMajDep();
    if (auto* depth = dynamic_cast<CWpDepth*>(kit)) out << " 刻度=" << depth->GetTickAlign();
    if (auto* well = dynamic_cast<CWpWell*>(kit)) {
        out << " 标题区高度=" << kit->GetTitleHeight() << " 图头=" << kit->GetHeadAlign();
        out << " 深度=" << well->GetTopDepth() << "-" << well->GetBottomDepth() << " 分层级别=" << well->GetUnitClass()
            << " 单元=" << well->GetTopUnit().str() << "-" << well->GetBottomUnit().str()
            << " 比例=1:" << well->GetDepthScale();
    }
    if (auto* oilTest = dynamic_cast<CWpOilTest*>(kit)) {
        out << " 风格=" << oilTest->m_nDisplayStyle << " 表格=" << oilTest->m_nRowNumber << "x" << oilTest->m_nColNumber
            << " 条形图道=" << oilTest->m_dBarWidth << " 网格线型=" << oilTest->m_gridPen.style << " 单元格=";
        for (const CString& text : oilTest->m_cellTexts) out << '[' << text.str() << ']';
        out << " 列宽=";
        for (float w : *oilTest->GetColWidth()) out << w << ' ';
        out << "饼图数据=" << oilTest->m_nPieDataChoice << " 上部属性=" << oilTest->m_pieUpper.size();
    }
    if (auto* picture = dynamic_cast<CWpPicture*>(kit)) {
        out << " 类型=" << picture->GetType();
        if (CgPicSegment* seg = picture->GetActiveSeg())
            out << " 锁定比例=" << seg->IsScaleLock() << " 顶深=" << picture->GetActiveSegTopDepth();
    }
    if (auto* curve = dynamic_cast<CWpCurve*>(kit))
        out << " 左值=" << curve->GetLeft() << " 右值=" << curve->GetRight() << " 对数=" << curve->IsLogScale()
            << " 填充=" << curve->FillCount() << "/" << curve->FillAt();
    if (auto* seg = dynamic_cast<CWpSegment*>(kit)) {
        const int active = seg->GetActiveSeg();
        out << " 数据源=" << seg->GetDataSource() << " 当前段=" << active;
        if (active >= 0) out << " 顶深=" << seg->GetSegTopDpth(active) << " 底深=" << seg->GetSegBottomDpth(active);
    }
    if (auto* lith = dynamic_cast<CWpCorelith*>(kit))
        out << " 表=" << lith->GetTableName() << " 字段=" << lith->GetCorelithField() << "," << lith->GetColorField()
            << " 颜色=" << lith->GetColorName(0).str();
    if (auto* sample = dynamic_cast<CWpLthSample*>(kit))
        out << " 表=" << sample->GetTableName() << " 字段=" << sample->GetDepthFiledName() << ","
            << sample->GetNumberFiledName();
    if (auto* core = dynamic_cast<CWpIntegratedCore*>(kit))
        out << " 取芯数据源=" << core->GetDataSource() << " 表=" << core->GetTable() << " 字段=" << core->GetCoreTubeField()
            << "," << core->GetCoreLengthField() << " 芯长="
            << (core->GetSeg(0) && core->GetSeg(0)->data.Get() ? core->GetSeg(0)->data.Get()->coreLength : 0.0);
    if (auto* sand = dynamic_cast<CWpSand*>(kit))
        out << " 数据=" << (sand->GetData() ? std::to_string(sand->GetData()->GetKind()) : std::string("-"))
            << " 小数位数=" << sand->GetThkTextPrecision() << " 符号=" << sand->GetSymbleType();
    if (auto* param = dynamic_cast<CWpParam*>(kit))
        out << " 数据=" << param->GetDataType().str() << "/" << param->GetDataTable().str() << "/"
            << param->GetDataField().str() << " 线粗=" << param->GetLineType().width
            << " 线色模板=" << param->GetLineColorTemp().str() << " 边界色模板=" << param->GetRectBColorTemp().str()
            << " 内部色模板=" << param->GetRectIColorTemp().str();
    if (auto* result = dynamic_cast<CWpResult*>(kit))
        out << " 数据=" << result->GetDataType().str() << "/" << result->GetDataTable().str() << "/"
            << result->GetDataField().str();
    if (auto* strata = dynamic_cast<CWpSandStratum*>(kit)) {
        out << " 数据类型=" << strata->DataType() << " 级别=" << strata->Grade() << " 填充显示=";
        for (unsigned i = 0; i < strata->GetFillOptionCount(); ++i) out << strata->GetFillOption(i).show;
        out << " 文本位置=";
        for (unsigned i = 0; i < strata->GetTextOptionCount(); ++i) out << strata->GetTextOption(i).position << ' ';
    }
    if (auto* stratum = dynamic_cast<CWpStratum*>(kit))
        out << " 层源=" << stratum->m_nDataSource << " 表=" << stratum->GetTableName() << " 字段=" << stratum->GetFiledName()
            << " 背景色=" << stratum->IsBkColorUsed();
    if (auto* shoot = dynamic_cast<CWpShoot*>(kit)) {
        LOGSHOOT record;
        WDMgrIO* data = shoot->GetWell() ? shoot->GetWell()->GetDataMgr() : nullptr;
        const bool bound = data && data->FindData(shoot->GetData(), record);
        out << " 射孔数据=" << (bound ? std::string(record.name) : std::string("-")) << " 类型="
            << (shoot->GetSegCount() > 0 ? shoot->GetSegType(0) : 0);
        if (LogShootMgrIO* mgr = shoot->GetShootMgr())
            out << " 符号=" << *mgr->GetShootSymbol() << "," << *mgr->GetReShootSymbol();
    }
    if (auto* facies = dynamic_cast<CWpFacies*>(kit))
        out << " 相源=" << facies->m_faciesSource << " 相名=" << facies->GetFaciesName(0).str();
    DescribeSymbolKit(kit, out);
    DescribeTextKit(kit, out);
    DescribeProfileKit(kit, out);
    return out.str();
}

}  // namespace demo
