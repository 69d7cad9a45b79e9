// CWpKit: a node of a well plot (the well, its tracks and the kits inside them). Kits are
// map objects and tell their observers when they change. The tree, title, drawing and
// storage belong to the kit library; the header members are the kind and the accessors of
// the kinds below.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Zephyr/Observer.h"
#include "hosttypes/Zephyr/WpTypes.h"
#include "mfc/String.h"

class CWpWell;

class CWpKit : public CQXObject, public Observee {
    DECLARE_DYNAMIC(CWpKit)
public:
    CWpKit();
    ~CWpKit() override;
    CWpKit(const CWpKit&) = delete;  // a kit is a node of its plot's tree
    CWpKit& operator=(const CWpKit&) = delete;

    virtual WPKITTYPE GetWpKitType();

    // Tree (kit library): the kit owns its children.
    CWpKit* GetParent();
    int ChildrenCount();
    CWpKit* GetChild(int i);
    CWpWell* GetWell();
    void AddChild(CWpKit* child);

    // Title (kit library); the line break is '\n'.
    CString GetTitleText();
    void SetTitleText(CString text);

protected:
    CWpKit* m_pParent = nullptr;
    std::vector<CWpKit*> m_children;
    CString m_strTitle;
};
