// CWpText: free texts over depth ranges.
#pragma once

#include <list>

#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class CWpText : public CWpContent {
    DECLARE_DYNAMIC(CWpText)
public:
    CWpText();
    ~CWpText() override;  // deletes its segments
    WPKITTYPE GetWpKitType() override;

    std::list<CgTextSegment*>& GetSegList();
    bool IsTransparent();
    CgEdit* GetEditPtr();

protected:
    std::list<CgTextSegment*> m_segments;
    bool m_bTransparent = false;
    CgEdit* m_pEdit = nullptr;
};
