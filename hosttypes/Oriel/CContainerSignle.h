// The section the user works on: the current container, reached from every page.
#pragma once

class ScContainer;

class CContainerSignle {
public:
    ScContainer* m_pContainer = nullptr;

    // ---- section-library operations ----
    static CContainerSignle* Instance();
    // Makes container current; its display record becomes the current record too.
    void SetContainer(ScContainer* container);
    ScContainer* GetContainer() const { return m_pContainer; }
};
