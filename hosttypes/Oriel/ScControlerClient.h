// The selection side of a section container: which objects are active, and which kind of
// section the container is.
#pragma once

#include <vector>

class ScObjInterface;

class ScControlerClient {
public:
    enum CONTAINERTYPE : int { CT_BASE = 0, CT_CORRELATION = 1, CT_CONNECTION = 2, CT_RESERVOIR = 3, CT_FENCE = 4 };

    ScControlerClient() = default;
    ScControlerClient(const ScControlerClient&) = default;
    ScControlerClient& operator=(const ScControlerClient&) = default;
    virtual ~ScControlerClient();

    virtual CONTAINERTYPE GetType() const { return CT_BASE; }

    // ---- section-library operations ----
    // The current selection, in selection order.
    std::vector<ScObjInterface*> GetActiveObj() const;
    void SetActiveObj(const std::vector<ScObjInterface*>& objs);
    void ClearActiveObj();

protected:
    std::vector<ScObjInterface*> m_activeObjs;
};
