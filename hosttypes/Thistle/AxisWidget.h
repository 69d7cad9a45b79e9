// Parts of a chart axis: the widget base, the grid and the title.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/Geometry.h"

class IkelAxisWidget {
public:
    IkelAxisWidget();
    virtual ~IkelAxisWidget();
    IkelAxisWidget(const IkelAxisWidget&) = default;
    IkelAxisWidget& operator=(const IkelAxisWidget&) = default;

    FLOATRECT GetEnvelope() const;
    uint64_t GetTimeStamp() const;
    void SetTimeStamp(uint64_t stamp);

protected:
    FLOATRECT m_envelope;
    uint64_t m_timeStamp = 0;
};

class CkelAxisGrid : public IkelAxisWidget {
public:
    CkelAxisGrid();
    ~CkelAxisGrid() override;
    CkelAxisGrid(const CkelAxisGrid&) = default;
    CkelAxisGrid& operator=(const CkelAxisGrid&) = default;

    std::vector<double>& GetMajorGridPos();
    std::vector<double>& GetMinorGridPos();
    std::vector<double>& GetDataGridPos();
    void ClearMajorGridPos();
    void ClearMinorGridPos();
    void ClearDataGridPos();

    // Chart library.
    bool GetShowMajorTicks();
    void SetShowMajorTicks(bool show);
    bool GetShowMinorTicks();
    void SetShowMinorTicks(bool show);
    void GetMajorLogPen(QXLOGPEN* pen);
    void SetMajorLogPen(QXLOGPEN* pen);
    void GetMinorLogPen(QXLOGPEN* pen);
    void SetMinorLogPen(QXLOGPEN* pen);

protected:
    std::vector<double> m_majorGridPos;
    std::vector<double> m_minorGridPos;
    std::vector<double> m_dataGridPos;
    bool m_bShowMajor = false;
    bool m_bShowMinor = false;
    QXLOGPEN m_majorPen;
    QXLOGPEN m_minorPen;
};

// The axis title; its setters only store (the axis is redrawn by whoever edits it).
class CkelAxisTitle : public IkelAxisWidget {
public:
    CkelAxisTitle();
    ~CkelAxisTitle() override;
    CkelAxisTitle(const CkelAxisTitle&) = default;
    CkelAxisTitle& operator=(const CkelAxisTitle&) = default;

    std::string GetText() const;
    void SetText(const std::string& text);
    int GetTitleType() const;
    void GetFont(QXLOGFONT* font) const;
    void SetFont(QXLOGFONT* font);
    int GetHAlign() const;
    void SetHAlign(int align);
    int GetVAlign() const;
    void SetVAlign(int align);
    double GetXOffset() const;
    void SetXOffset(double offset);
    double GetYOffset() const;
    void SetYOffset(double offset);
    FLOATPOINT GetPos() const;
    void SetPos(const FLOATPOINT& pos);
    double GetRotateAngle() const;
    void SetRotateAngle(double angle);

    // Chart library: 0 left, 1 right, 2 middle, 3 top, 4 bottom.
    int GetTitleRelativePos();
    void SetTitleRelativePos(int pos);

protected:
    std::string m_strText;
    int m_nTitleType = 0;
    double m_dRotateAngle = 0;
    QXLOGFONT m_font;
    int m_nHAlign = 0;
    int m_nVAlign = 0;
    double m_dXOffset = 0;
    double m_dYOffset = 0;
    FLOATPOINT m_pos;
    int m_nRelativePos = 2;
};
