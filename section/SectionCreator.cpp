#include "section/SectionCreator.h"

#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "section/LayertProperyLst.h"
#include "section/SectionTexts.h"

SectionCreatorBase::~SectionCreatorBase() = default;

void SectionCreatorBase::BuildSheet(std::initializer_list<ListPage> pages) {
    if (CPropWndMgr* sheet = MakeListSheet(m_pParent, pages)) m_pCreated = sheet;
}

CWnd* SectionCreatorBase::CreateLayerProperty(CQXLayer* layer, CWnd* parent) {
    CPropWndMgr* sheet = NewListSheet({{sectiontext::kLayerNamePage, new CLayertProperyLst(layer)}});
    sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0);
    return sheet;
}
