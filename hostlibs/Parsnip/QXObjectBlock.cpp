#include "hosttypes/Parsnip/QXObjectBlock.h"

IMPLEMENT_DYNAMIC(CQXObjectBlock, CQXObject)

CQXObjectBlock::CQXObjectBlock(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectBlock"); }
CQXObjectBlock::~CQXObjectBlock() = default;

CQXObject* CQXObjectBlock::GetObjectByTypeName(CString typeName) const {
    for (const auto& member : m_members)
        if (member->GetTypeName() == typeName) return member.get();
    return nullptr;
}

CQXObject* CQXObjectBlock::AddObject(CQXObject* object) {
    if (!object || object == this) return nullptr;
    for (const auto& member : m_members)
        if (member.get() == object) return object;  // taken over once only
    object->SetLayer(GetLayer());
    m_members.emplace_back(object);
    Touched("CQXObjectBlock::AddObject", object->GetTypeName().str());
    return object;
}
