// Base of every profile-line object and the visitor that property creators implement: the
// twin of the section objects' base, with the same fields and defaults.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mfc/String.h"

class CDC;
class CView;

namespace KelProfileline {

// Kind of a profile-line object; 0 for objects that do not tell.
enum OBJINTERFACETYPE : int {
    OBJ_NONE = 0,
    OBJ_WELL_LABEL = 1,
    OBJ_WELL_SYMBOL = 2,
    OBJ_WELL_TRACK = 3,
    OBJ_PROFILE_LINE = 4,
    OBJ_CONTAINER = 5
};

class CPlObjInterface;

class CPlControlerInterface {
public:
    virtual ~CPlControlerInterface();
    virtual void SetBecontroler(CPlObjInterface* obj) {}
};

class CPlObjInterface {
public:
    CPlObjInterface();
    CPlObjInterface(const CPlObjInterface&) = default;
    CPlObjInterface& operator=(const CPlObjInterface&) = default;

    virtual ~CPlObjInterface();
    virtual void Accept(CPlControlerInterface* controler);
    virtual void DrawSelectedMark(CDC* dc, CView* view, int mode);
    virtual std::string GetMouseEventName() const;
    virtual OBJINTERFACETYPE GetObjType() const;
    virtual void SetObjType(OBJINTERFACETYPE type);

    CString GetObjName() const { return m_strObjName; }
    void SetObjName(const CString& name) { m_strObjName = name; }
    // Stamps the object with the utility library's current time stamp (defined with the
    // library, which owns the stamp counter).
    void ProChanged();
    void SetActive(bool active) { m_bActive = active; }
    bool IsActive() const { return m_bActive; }
    uint64_t GetObjTimeStamp() const { return m_nTimeStamp; }
    // The library's own stamp write; tests use it to simulate a change made elsewhere.
    void SetObjTimeStamp(uint64_t stamp) { m_nTimeStamp = stamp; }

protected:
    bool m_bActive;
    uint64_t m_nTimeStamp;
    CString m_strObjName;
    std::string m_strMouseEventName;
};

// The selection of a profile-line document, in selection order.
class CPlControlerClient {
public:
    CPlControlerClient() = default;
    CPlControlerClient(const CPlControlerClient&) = default;
    CPlControlerClient& operator=(const CPlControlerClient&) = default;
    virtual ~CPlControlerClient();

    // ---- profile-line library operations ----
    int GetActiveObjCount() const;
    CPlObjInterface* GetActiveObj(int i) const;  // NULL when i is out of range
    void SetActiveObjs(const std::vector<CPlObjInterface*>& objs);

protected:
    std::vector<CPlObjInterface*> m_activeObjs;
};

}  // namespace KelProfileline

// The Accept body every concrete profile-line object shares.
#define PL_DECLARE_ACCEPT() void Accept(KelProfileline::CPlControlerInterface* controler) override;
#define PL_IMPLEMENT_ACCEPT(cls)                                         \
    void cls::Accept(KelProfileline::CPlControlerInterface* controler) { \
        if (controler) controler->SetBecontroler(this);                  \
    }
