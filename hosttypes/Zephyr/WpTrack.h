// CWpTrack: a track of a well plot; CWpDepth: the depth track (not a CWpTrack).
#pragma once

#include "hosttypes/Zephyr/WpKit.h"

class CWpTrack : public CWpKit {
    DECLARE_DYNAMIC(CWpTrack)
public:
    CWpTrack();
    ~CWpTrack() override;
    WPKITTYPE GetWpKitType() override;

    // Scale (kit library): linear or logarithmic, with the values at the left and right edges.
    int IsLogScale();
    void LogScale(int log);
    double GetLeft();
    void SetLeft(float left);
    double GetRight();
    void SetRight(float right);

    // Grid lines (kit library). Scopes: 0 the track, 1 all curve tracks, 2 all content tracks.
    int GetScaleScope();
    void SetScaleScope(int scope);
    int GetDepthScope();
    void SetDepthScope(int scope);
    int IsShowScale();
    void ShowScale(int show);
    int IsShowDepth();
    void ShowDepth(int show);
    int GetMinScale();  // divisions of a linear scale
    void SetMinScale(int count);
    int IsShowMid();
    void ShowMid(int show);
    QXLOGPEN GetMajScalePen();
    void SetMajScalePen(const QXLOGPEN& pen);
    QXLOGPEN GetMidScalePen();
    void SetMidScalePen(const QXLOGPEN& pen);
    QXLOGPEN GetMinScalePen();
    void SetMinScalePen(const QXLOGPEN& pen);
    // Depth-line intervals in metres.
    float GetMajDep();
    void SetMajDep(float interval);
    float GetMidDep();
    void SetMidDep(float interval);
    float GetMinDep();
    void SetMinDep(float interval);
    QXLOGPEN GetMajDepPen();
    void SetMajDepPen(const QXLOGPEN& pen);
    QXLOGPEN GetMidDepPen();
    void SetMidDepPen(const QXLOGPEN& pen);
    QXLOGPEN GetMinDepPen();
    void SetMinDepPen(const QXLOGPEN& pen);

protected:
    int m_nLogScale = 0;
    double m_dLeft = 0;
    double m_dRight = 100;
    int m_nScaleScope = 0;
    int m_nDepthScope = 0;
    int m_nShowScale = 1;
    int m_nShowDepth = 1;
    int m_nMinScale = 5;
    int m_nShowMid = 0;
    QXLOGPEN m_majScalePen;
    QXLOGPEN m_midScalePen;
    QXLOGPEN m_minScalePen;
    float m_fMajDep = 10;
    float m_fMidDep = 5;
    float m_fMinDep = 1;
    QXLOGPEN m_majDepPen;
    QXLOGPEN m_midDepPen;
    QXLOGPEN m_minDepPen;
};

class CWpDepth : public CWpKit {
    DECLARE_DYNAMIC(CWpDepth)
public:
    CWpDepth();
    ~CWpDepth() override;
    WPKITTYPE GetWpKitType() override;

    DepthType GetShowDepthType();
    void SetShowDepthType(DepthType type);

    // Depth labels and ticks (kit library). Label direction: 0 horizontal, 1 at 90°, 2 at 270°.
    // Tick sides: -1 hidden, 0 left, 1 right, 2 both, 3 .. 5 the same with coarse ticks only.
    double GetDepthSpace();
    void SetDepthSpace(double space);
    int GetDepthAlign();
    void SetDepthAlign(int align);
    QXLOGFONT GetDepthFont();
    void SetDepthFont(const QXLOGFONT& font);
    double GetTickSpace();
    void SetTickSpace(double space);
    int GetTickNum();
    void SetTickNum(int count);
    int GetTickAlign();
    void SetTickAlign(int align);
    QXLOGPEN GetTickPen();
    void SetTickPen(const QXLOGPEN& pen);

protected:
    DepthType m_showDepthType = DEPTH_MEASURED;
    double m_dDepthSpace = 25;
    int m_nDepthAlign = 1;
    QXLOGFONT m_depthFont;
    double m_dTickSpace = 5;
    int m_nTickNum = 5;
    int m_nTickAlign = 2;
    QXLOGPEN m_tickPen;
};
