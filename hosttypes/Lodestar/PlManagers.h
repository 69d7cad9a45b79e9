// The wells and the profile lines of a profile-line document.
#pragma once

#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"

namespace KelProfileline {

class CPlContainer;
class CPlProfileline;
class CPlWell;

class CPlWellMgr {
public:
    CPlWellMgr();
    CPlWellMgr(const CPlWellMgr&) = default;
    CPlWellMgr& operator=(const CPlWellMgr&) = default;
    virtual ~CPlWellMgr();

    // ---- header-defined members ----
    // A copy: editing the returned list leaves the manager's wells alone.
    std::vector<boost::shared_ptr<CPlWell>> GetWellVector() const { return m_wells; }
    void SetContainer(CPlContainer* container) { m_pContainer = container; }
    CPlContainer* GetContainer() const { return m_pContainer; }

    // ---- profile-line library operations (each applies to every well) ----
    void AddWell(boost::shared_ptr<CPlWell> well);
    void SetLabelFont(const QXLOGFONT& font);
    void SetWellLabelRefertype(const std::string& text);
    void SetWellLabelAlign(const std::string& text);
    void SetWellLabelOffset(double offset);
    void SetSymbolLogPoint(int kind, const QXLOGPOINT& point);  // 3 well head, 4 well bottom
    void SetTrackPen(int kind, const QXLOGPEN& pen);            // 5 upper track, 6 lower track

protected:
    std::vector<boost::shared_ptr<CPlWell>> m_wells;
    CPlContainer* m_pContainer;
};

class CPlProfilelineMgr {
public:
    CPlProfilelineMgr();
    CPlProfilelineMgr(const CPlProfilelineMgr&) = default;
    CPlProfilelineMgr& operator=(const CPlProfilelineMgr&) = default;
    virtual ~CPlProfilelineMgr();

    // ---- header-defined members ----
    std::vector<CPlProfileline*> GetProfileVector() const { return m_lines; }
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    void SetContainer(CPlContainer* container) { m_pContainer = container; }
    CPlContainer* GetContainer() const { return m_pContainer; }

    // ---- profile-line library operations ----
    void AddLine(CPlProfileline* line);    // not owned
    void SetLinePen(const QXLOGPEN& pen);  // every line

protected:
    std::vector<CPlProfileline*> m_lines;
    CPlContainer* m_pContainer;
};

}  // namespace KelProfileline
