// Control lines of a single-well section: a drawn line with a pen, owned by the section.
#pragma once

#include <boost/shared_ptr.hpp>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"

class CQXObjectLine;
class CSingleWellSection;

namespace ControlLine {

class CSglCtrlLine : public ScObjInterface {
public:
    CSglCtrlLine();
    CSglCtrlLine(const CSglCtrlLine&) = default;
    CSglCtrlLine& operator=(const CSglCtrlLine&) = default;
    ~CSglCtrlLine() override;
    SC_DECLARE_ACCEPT()

    CQXObjectLine* GetLine() const { return m_pLine; }
    CSingleWellSection* GetOwner() const { return m_pOwner; }

    // ---- single-well library operations ----
    void SetLine(CQXObjectLine* line);
    void SetOwner(CSingleWellSection* section);
    QXLOGPEN GetLogPen() const;
    void SetLogPen(const QXLOGPEN& pen);

protected:
    CQXObjectLine* m_pLine;
    CSingleWellSection* m_pOwner;
    QXLOGPEN m_pen;
};

class CSglCtrllLineManager {
public:
    CSglCtrllLineManager();
    virtual ~CSglCtrllLineManager();

    // ---- single-well library operations ----
    unsigned int GetNum() const;
    boost::shared_ptr<CSglCtrlLine> GetObj(unsigned int i) const;  // empty when out of range
    void AddObj(boost::shared_ptr<CSglCtrlLine> line);

protected:
    std::vector<boost::shared_ptr<CSglCtrlLine>> m_lines;
};

}  // namespace ControlLine
