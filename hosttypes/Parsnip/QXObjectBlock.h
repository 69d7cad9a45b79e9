// CQXObjectBlock: a group of map objects handled as one (a fault block holds its two walls and
// its polygon). The block owns its members.
#pragma once

#include <memory>
#include <vector>

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectBlock : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectBlock)
public:
    explicit CQXObjectBlock(CQXLayer* layer = nullptr);
    ~CQXObjectBlock() override;

    // The first member of that type name; NULL when there is none.
    CQXObject* GetObjectByTypeName(CString typeName) const;

    // Library side for fixtures: the block takes the object over; the member joins the block's layer.
    CQXObject* AddObject(CQXObject* object);
    int GetObjectCount() const { return static_cast<int>(m_members.size()); }

protected:
    std::vector<std::unique_ptr<CQXObject>> m_members;
};
