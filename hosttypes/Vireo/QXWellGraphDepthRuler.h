// CQXWellGraphDepthRuler: the depth ruler drawn beside a well graph on a map.
#pragma once

#include "hosttypes/Vireo/QXObjectWellGraph.h"

class CQXWellGraphDepthRuler : public CQXObject {
    DECLARE_DYNAMIC(CQXWellGraphDepthRuler)
public:
    explicit CQXWellGraphDepthRuler(CQXLayer* layer = nullptr);
    CQXWellGraphDepthRuler(const CQXWellGraphDepthRuler& other);
    CQXWellGraphDepthRuler& operator=(const CQXWellGraphDepthRuler&) = default;
    ~CQXWellGraphDepthRuler() override;

    // Follows the graph's well; without a graph the ruler has no well name.
    void SetWellGraph(CQXObjectWellGraph* graph) {
        m_pWellGraph = graph;
        m_strWellName = graph ? graph->GetWellName() : CString();
    }
    CQXObjectWellGraph* GetWellGraph() const { return m_pWellGraph; }
    CString GetWellName() const { return m_strWellName; }

    // The size changes the ruler's drawing: the change is announced.
    void SetWidth(double width) {
        m_dWidth = width;
        OnChanged(0);
    }
    void SetHeight(double height) {
        m_dHeight = height;
        OnChanged(0);
    }
    double GetWidth() const { return m_dWidth; }
    double GetHeight() const { return m_dHeight; }
    int GetDrawType() const { return m_nDrawType; }
    void SetDrawType(int type) { m_nDrawType = type; }

    void SetTopBorderVisible(int visible) { m_nTopBorderVisible = visible; }
    void SetBottomBorderVisible(int visible) { m_nBottomBorderVisible = visible; }
    void SetLeftBorderVisible(int visible) { m_nLeftBorderVisible = visible; }
    void SetRightBorderVisible(int visible) { m_nRightBorderVisible = visible; }
    void SetLeftMarkVisible(int visible) { m_nLeftMarkVisible = visible; }
    void SetRightMarkVisible(int visible) { m_nRightMarkVisible = visible; }
    int IsTopBorderVisible() const { return m_nTopBorderVisible; }
    int IsBottomBorderVisible() const { return m_nBottomBorderVisible; }
    int IsLeftBorderVisible() const { return m_nLeftBorderVisible; }
    int IsRightBorderVisible() const { return m_nRightBorderVisible; }
    int IsLeftMarkVisible() const { return m_nLeftMarkVisible; }
    int IsRightMarkVisible() const { return m_nRightMarkVisible; }

protected:
    CQXObjectWellGraph* m_pWellGraph = nullptr;
    CString m_strWellName;
    double m_dWidth = 0.0;
    double m_dHeight = 0.0;
    int m_nDrawType = 0;
    int m_nTopBorderVisible = 1;
    int m_nBottomBorderVisible = 1;
    int m_nLeftBorderVisible = 1;
    int m_nRightBorderVisible = 1;
    int m_nLeftMarkVisible = 1;
    int m_nRightMarkVisible = 0;
};
