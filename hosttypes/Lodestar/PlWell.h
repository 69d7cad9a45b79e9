// A well along a profile line and the three drawn parts of it: label, symbol and track.
// Each part is a profile-line object and a well component, in that order.
#pragma once

#include <boost/shared_ptr.hpp>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Lodestar/PlObjInterface.h"
#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/String.h"
#include "mfc/Types.h"

class CQXObjectText;
class CQXObjectPoint;

namespace KelProfileline {

class CPlWellMgr;
class CWellLabel;
class CWellSymbol;
class CWellTrack;

class CPlWell {
public:
    CPlWell();
    CPlWell(const CPlWell&) = default;
    CPlWell& operator=(const CPlWell&) = default;
    virtual ~CPlWell();

    // ---- header-defined members ----
    int IsIncline() const { return m_nIncline; }
    void SetIncline(int incline) { m_nIncline = incline; }
    int IsVisible() const { return m_nVisible; }
    void SetVisible(int visible) { m_nVisible = visible; }
    CPlObjInterface* GetActiveObj() const { return m_pActiveObj; }
    CPlWellMgr* GetWellMgr() const { return m_pWellMgr; }
    boost::shared_ptr<CWellLabel> GetWellLabel() const { return m_label; }

    // ---- profile-line library operations ----
    CString GetName() const;
    void SetName(const CString& name);
    void SetWellMgr(CPlWellMgr* mgr);
    void SetActiveObj(CPlObjInterface* obj);
    void SetWellLabel(boost::shared_ptr<CWellLabel> label);
    // Symbols by kind (3 well head, 4 well bottom) and tracks by kind (5 upper, 6 lower); empty
    // pointers for other kinds.
    boost::shared_ptr<CWellSymbol> GetSymbol(int kind) const;
    void SetSymbol(int kind, boost::shared_ptr<CWellSymbol> symbol);
    boost::shared_ptr<CWellTrack> GetTrack(int kind) const;
    void SetTrack(int kind, boost::shared_ptr<CWellTrack> track);

protected:
    int m_nIncline;
    int m_nVisible;
    CPlObjInterface* m_pActiveObj;
    CPlWellMgr* m_pWellMgr;
    boost::shared_ptr<CWellLabel> m_label;
    // State of the library's own operations.
    CString m_strName;
    boost::shared_ptr<CWellSymbol> m_headSymbol;
    boost::shared_ptr<CWellSymbol> m_bottomSymbol;
    boost::shared_ptr<CWellTrack> m_upperTrack;
    boost::shared_ptr<CWellTrack> m_lowerTrack;
};

class CWellComponent {
public:
    CWellComponent();
    CWellComponent(const CWellComponent&) = default;
    CWellComponent& operator=(const CWellComponent&) = default;
    virtual ~CWellComponent();

    OBJINTERFACETYPE GetObjType() const { return m_objType; }
    void SetObjType(OBJINTERFACETYPE type) { m_objType = type; }
    CPlWell* GetParent() const { return m_pParent; }
    virtual void SetPosition(FLOATPOINT pos) { m_position = pos; }
    FLOATPOINT GetPosition() const { return m_position; }
    void SetZoomFactor(double zoom) { m_dZoomFactor = zoom; }
    double GetZoomFactor() const { return m_dZoomFactor; }
    void SetDrawRect(CRect rect) { m_drawRect = rect; }
    void SetSize(double size) { m_dSize = size; }
    double GetSize() const { return m_dSize; }

    // ---- profile-line library operations ----
    void SetParent(CPlWell* well);

protected:
    OBJINTERFACETYPE m_objType;
    CPlWell* m_pParent;
    FLOATPOINT m_position;
    double m_dZoomFactor;
    CRect m_drawRect;
    double m_dSize;
};

// The two bases both know an object type; a part answers its component's.
#define PL_COMPONENT_OBJTYPE()                                                            \
    OBJINTERFACETYPE GetObjType() const override { return CWellComponent::GetObjType(); } \
    void SetObjType(OBJINTERFACETYPE type) override { CWellComponent::SetObjType(type); }

class CWellLabel : public CPlObjInterface, public CWellComponent {
public:
    CWellLabel();
    CWellLabel(const CWellLabel&);
    CWellLabel& operator=(const CWellLabel&);
    ~CWellLabel() override;
    PL_DECLARE_ACCEPT()
    PL_COMPONENT_OBJTYPE()

    CQXObjectText* GetQXObjectText() const { return m_pText; }

    // ---- profile-line library operations ----
    void SetQXObjectText(CQXObjectText* text);
    CString GetWellName() const;  // the parent well's name, empty without one
    CString GetLabelText() const;
    void SetLabelText(CString text);
    QXLOGFONT GetLabelFont() const;
    void SetLabelFont(const QXLOGFONT& font);

protected:
    CQXObjectText* m_pText;
    // State of the library's own operations.
    CString m_strLabelText;
    QXLOGFONT m_labelFont;
};

class CWellSymbol : public CPlObjInterface, public CWellComponent {
public:
    CWellSymbol();
    CWellSymbol(const CWellSymbol&);
    CWellSymbol& operator=(const CWellSymbol&);
    ~CWellSymbol() override;
    PL_DECLARE_ACCEPT()
    PL_COMPONENT_OBJTYPE()

    CQXObjectPoint* GetSymbolPoint() const { return m_pPoint; }

    // ---- profile-line library operations ----
    void SetSymbolPoint(CQXObjectPoint* point);
    CString GetTypeName() const;
    void SetTypeName(const CString& name);
    double GetAnchorX() const;
    double GetAnchorY() const;
    QXLOGPOINT GetSymbolLogPoint() const;
    void SetSymbolLogPoint(const QXLOGPOINT& point);

protected:
    CQXObjectPoint* m_pPoint;
    // State of the library's own operations.
    CString m_strTypeName;
    QXLOGPOINT m_logPoint;
};

class CWellTrack : public CPlObjInterface, public CWellComponent {
public:
    CWellTrack();
    CWellTrack(const CWellTrack&);
    CWellTrack& operator=(const CWellTrack&);
    ~CWellTrack() override;
    PL_DECLARE_ACCEPT()
    PL_COMPONENT_OBJTYPE()

    void SetBeginSymbol(CWellSymbol* symbol) { m_pBeginSymbol = symbol; }
    void SetEndSymbol(CWellSymbol* symbol) { m_pEndSymbol = symbol; }
    bool GetShowStyle() const { return m_bShowStyle; }
    void SetShowStyle(bool show) { m_bShowStyle = show; }

    // ---- profile-line library operations ----
    int GetTrackType() const;  // 5 upper track, 6 lower track
    void SetTrackType(int type);
    QXLOGPEN GetLogPen() const;
    void SetLogPen(const QXLOGPEN& pen);

    // Drawn as a straight line from begin to end symbol; the pages write it directly.
    BYTE m_byStraightLine;

protected:
    CWellSymbol* m_pBeginSymbol;
    CWellSymbol* m_pEndSymbol;
    bool m_bShowStyle;
    // State of the library's own operations.
    int m_nTrackType;
    QXLOGPEN m_logPen;
};

}  // namespace KelProfileline
