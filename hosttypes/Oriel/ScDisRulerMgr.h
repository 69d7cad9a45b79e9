// The distance rulers of a section and which of them are selected.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/Message.h"

class ScDisRuler;
class ScContainer;
class ScWellPositionor;

class ScDisRulerMgr : public CMessageNode<unsigned int> {
public:
    ScDisRulerMgr() = default;
    ScDisRulerMgr(const ScDisRulerMgr&) = default;
    ScDisRulerMgr& operator=(const ScDisRulerMgr&) = default;
    ~ScDisRulerMgr() override;

    unsigned int GetDisRulerCount() const { return static_cast<unsigned int>(m_rulers.size()); }
    bool IsEmpty() const { return m_rulers.empty(); }
    std::vector<ScDisRuler*>& GetSelectDisRuler() { return m_selected; }
    void SetContainer(ScContainer* container) { m_pContainer = container; }
    ScContainer* GetContainer() const { return m_pContainer; }
    void SetWSCWellPositionor(ScWellPositionor* positionor) { m_pPositionor = positionor; }

    // ---- section-library operations ----
    void AddDisRuler(boost::shared_ptr<ScDisRuler> ruler);
    ScDisRuler* GetDisRuler(unsigned int i) const;
    void SetSelShowLinePen(const QXLOGPEN& pen);
    void SetSelArrowStyle(unsigned int style);
    void SetSelQianHeight(double height);
    void SetSelQianLinePen(const QXLOGPEN& pen);
    void SetSelUnit(int unit);
    void SetSelNameFont(const QXLOGFONT& font);
    void RefurbishDisRuler();

protected:
    std::vector<boost::shared_ptr<ScDisRuler>> m_rulers;
    std::vector<ScDisRuler*> m_selected;
    ScContainer* m_pContainer = nullptr;
    ScWellPositionor* m_pPositionor = nullptr;
};
