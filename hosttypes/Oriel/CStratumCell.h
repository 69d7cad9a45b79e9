// One stratum of one well between its top and bottom lines in a section.
#pragma once

#include <string>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Oriel/ScObjInterface.h"

class CQXObjectFill;
class CQXObjectPolyline;

class CStratumCell : public ScObjInterface {
public:
    explicit CStratumCell(const std::string& stratum = std::string());
    CStratumCell(const CStratumCell&) = default;
    CStratumCell& operator=(const CStratumCell&) = default;
    ~CStratumCell() override;
    SC_DECLARE_ACCEPT()

    std::string GetStratumName() const { return m_strStratumName; }
    void SetAsVirtual(bool isVirtual) { m_bVirtual = isVirtual; }
    bool IsVirtual() const { return m_bVirtual; }
    CQXObjectPolyline* GetBottomLine() const { return m_pBottomLine; }

    // ---- section-library operations ----
    void SetStratumName(const std::string& name);
    void SetBottomLine(CQXObjectPolyline* line);
    // The cell's boundary pen, copied into *pen.
    void GetStratumLogPen(QXLOGPEN* pen);
    void SetStratumLogPen(QXLOGPEN* pen);
    QXLOGFONT GetStratumFont() const;
    void SetStratumFont(const QXLOGFONT& font);

protected:
    std::string m_strStratumName;
    bool m_bVirtual;
    CQXObjectPolyline* m_pBottomLine;
    QXLOGPEN m_pen;
    QXLOGFONT m_font;

public:
    // The cell's boundary line, and the fill of its interval (NULL when the cell has none).
    CQXObjectPolyline* GetStratumLine() const { return m_pStratumLine; }
    CQXObjectFill* GetStratumFill() const { return m_pStratumFill; }
    void SetStratumLine(CQXObjectPolyline* line) { m_pStratumLine = line; }
    void SetStratumFill(CQXObjectFill* fill) { m_pStratumFill = fill; }

protected:
    CQXObjectPolyline* m_pStratumLine = nullptr;
    CQXObjectFill* m_pStratumFill = nullptr;
};
