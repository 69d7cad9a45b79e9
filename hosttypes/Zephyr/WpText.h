// CWpText: free texts over depth ranges.
#pragma once

#include <list>

#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class CWpText : public CWpContent {
    DECLARE_DYNAMIC(CWpText)
public:
    CWpText();
    ~CWpText() override;  // deletes its segments
    WPKITTYPE GetWpKitType() override;

    std::list<CgTextSegment*>& GetSegList();
    bool IsTransparent();
    CgEdit* GetEditPtr();

    // ---- the text's look and its active segment (kit library) ----
    // The text font; its second colour word is the text's background colour.
    QXLOGFONT GetTextFont();
    void SetTextFont(QXLOGFONT font);
    void SetTransparent(bool transparent);
    // Alignments, kept as their option texts ("左对齐", "居中", "右对齐"; "顶对齐", "居中", "底对齐").
    CString GetTextAlignH();
    void SetTextAlignH(CString align);
    CString GetTextAlignV();
    void SetTextAlignV(CString align);
    // The line of the frame around the text.
    void GetTextBoundaryPen(QXLOGPEN& pen);
    void SetTextBoundaryPen(QXLOGPEN* pen);
    // The active segment's depth range (metres, growing downward); 0 without one. The setters
    // refuse (false, nothing changed) a depth without an active segment, one that is no finite
    // number, or a top not above the bottom.
    double GetActiveSegTopDepth();
    double GetActiveSegBotDepth();
    bool SetActiveSegTopDepth(float depth);
    bool SetActiveSegBotDepth(float depth);

    // Set-up (kit library): a new segment from top to bottom, which the kit owns; the active one
    // (-1 or an index past the segments: none).
    CgTextSegment* AppendSegment(double top, double bottom);
    void SetActiveSegIndex(int i);
    CgTextSegment* GetActiveSeg();

protected:
    std::list<CgTextSegment*> m_segments;
    bool m_bTransparent = false;
    CgEdit* m_pEdit = nullptr;
    // the text's look and its active segment
    QXLOGFONT m_textFont;
    CString m_strAlignH;
    CString m_strAlignV;
    QXLOGPEN m_boundaryPen;
    int m_nActiveSeg = -1;
};
