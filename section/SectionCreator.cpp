#include "section/SectionCreator.h"

#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "section/LayertProperyLst.h"
#include "section/SectionTexts.h"

SectionCreatorBase::~SectionCreatorBase() = default;

CPropWndMgr* SectionCreatorBase::NewSheet(std::initializer_list<Page> pages) {
    auto* sheet = new CPropWndMgr(0, 0);
    for (const Page& page : pages) sheet->AddLstPage(page.list, page.caption);
    sheet->Initialize();
    return sheet;
}

CPropWndMgr* SectionCreatorBase::MakeSheet(CWnd* parent, std::initializer_list<Page> pages) {
    CPropWndMgr* sheet = NewSheet(pages);
    if (!sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0)) {
        delete sheet;  // destroys what was made of its window and frees its pages and lists
        return nullptr;
    }
    return sheet;
}

void SectionCreatorBase::BuildSheet(std::initializer_list<Page> pages) {
    if (CPropWndMgr* sheet = MakeSheet(m_pParent, pages)) m_pCreated = sheet;
}

CWnd* SectionCreatorBase::CreateLayerProperty(CQXLayer* layer, CWnd* parent) {
    CPropWndMgr* sheet = NewSheet({{sectiontext::kLayerNamePage, new CLayertProperyLst(layer)}});
    sheet->Create(parent, WS_CHILD | WS_VISIBLE, 0);
    return sheet;
}
