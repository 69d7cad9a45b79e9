// Function objects with which a pane decides whether the object it shows changed since it
// last showed it: the object's stamp against the pane's; a difference is copied to the pane.
#pragma once

#include "framework/Export.h"

class CWndProp;
class ScObjInterface;
class CQXLayer;
namespace KelProfileline {
class CPlObjInterface;
}

// Over a section object or a profile-line object (one of the two pointers is set).
class TESSALY_API CProChangedChecker {
public:
    CProChangedChecker(ScObjInterface* object, CWndProp* pane) : m_pObject(object), m_pPane(pane) {}
    CProChangedChecker(KelProfileline::CPlObjInterface* object, CWndProp* pane) : m_pPlObject(object), m_pPane(pane) {}
    bool operator()();

private:
    ScObjInterface* m_pObject = nullptr;
    KelProfileline::CPlObjInterface* m_pPlObject = nullptr;
    CWndProp* m_pPane;
};

class TESSALY_API ScProChangedChecker {
public:
    ScProChangedChecker(ScObjInterface* object, CWndProp* pane) : m_pObject(object), m_pPane(pane) {}
    bool operator()();

private:
    ScObjInterface* m_pObject;
    CWndProp* m_pPane;
};

class TESSALY_API CLayerChangedChecker {
public:
    CLayerChangedChecker(CQXLayer* layer, CWndProp* pane) : m_pLayer(layer), m_pPane(pane) {}
    bool operator()();

private:
    CQXLayer* m_pLayer;
    CWndProp* m_pPane;
};
