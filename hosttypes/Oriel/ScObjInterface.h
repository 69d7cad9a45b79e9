// Base of every selectable section object: active flag, modification stamp and the
// class-name text by which the property creators choose their pages.
#pragma once

#include <cstdint>
#include <string>

#include "mfc/String.h"
#include "mfc/Types.h"

class CDC;
class CView;
class ScControlerInterface;

class ScObjInterface {
public:
    ScObjInterface();
    ScObjInterface(const ScObjInterface&) = default;
    ScObjInterface& operator=(const ScObjInterface&) = default;

    virtual ~ScObjInterface();
    virtual void Accept(ScControlerInterface* controler);
    virtual void DrawSelectedMark(CDC* dc, CView* view, int mode);
    virtual bool HitTest(const CPoint& pt);
    virtual std::string GetMouseEventName();

    CString GetObjName() const { return m_strObjName; }
    void SetObjName(CString name) { m_strObjName = name; }
    // Stamps the object with the utility library's current time stamp.
    void ProChanged();
    void SetActive(bool active) { m_bActive = active; }
    bool IsActive() const { return m_bActive; }
    uint64_t GetTimeStamp() const { return m_nTimeStamp; }
    // The library's own stamp write; tests use it to simulate a change made elsewhere.
    void SetTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

protected:
    bool m_bActive;
    uint64_t m_nTimeStamp;
    CString m_strObjName;
    std::string m_strMouseEventName;
};

// The Accept body every concrete section object shares: the controller receives the
// object itself and picks its handling by the object's class-name text.
#define SC_DECLARE_ACCEPT() void Accept(ScControlerInterface* controler) override;
#define SC_IMPLEMENT_ACCEPT(cls)                        \
    void cls::Accept(ScControlerInterface* controler) { \
        if (controler) controler->SetBecontroler(this); \
    }
