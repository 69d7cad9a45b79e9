// Redraws the current section, unless updating is held off during a batch of edits.
#pragma once

class ScContainer;

class ScUpdateView {
public:
    explicit ScUpdateView(ScContainer* container = nullptr) : m_pContainer(container), m_bDisabled(false) {}

    void Update();
    void DisableUpdate() { m_bDisabled = true; }
    void EnableUpdate() { m_bDisabled = false; }
    void SetContainer(ScContainer* container) { m_pContainer = container; }
    ScContainer* GetContainer() const { return m_pContainer; }

    // ---- section-library operations ----
    static ScUpdateView* Instance();

private:
    ScContainer* m_pContainer;
    bool m_bDisabled;
};
