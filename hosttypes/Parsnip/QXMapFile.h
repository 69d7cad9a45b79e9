// CQXMapFile: a map document. It owns its maps and keeps the print extent, the document flags,
// the trace mode, the menu the maps contribute and a mask shared with whoever asks for it.
#pragma once

#include <vector>

#include <boost/shared_ptr.hpp>

#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/Object.h"
#include "mfc/String.h"

class CQXMap;
class CQXLayer;
class CQXObject;

// The clip outline of a map document (map points, in order, implicitly closed).
class CMask {
public:
    CMask() = default;
    virtual ~CMask() = default;

    std::vector<FLOATPOINT> m_outline;
};

class CQXMapFile : public CObject {
    DECLARE_DYNAMIC(CQXMapFile)
public:
    // How traced (digitised) points are used: not at all, as points, as lines.
    enum TRACEUSEMODE : int { TRACEUSE_NONE = 0, TRACEUSE_POINT = 1, TRACEUSE_LINE = 2 };
    struct MENUENTRY {
        UINT nID = 0;
        CString strText;
    };

    CQXMapFile();
    // Frees the maps (and so their layers).
    ~CQXMapFile() override;
    CQXMapFile(const CQXMapFile&) = delete;
    CQXMapFile& operator=(const CQXMapFile&) = delete;

    // Header members. Indexed reads outside the arrays answer NULL, 0 or "".
    int GetMapCount() const { return static_cast<int>(m_maps.size()); }
    CQXMap* GetMap(unsigned int i) const { return i < m_maps.size() ? m_maps[i] : nullptr; }
    FLOATRECT GetPrintRect() const { return m_printRect; }
    void SetEditable(int editable) { m_nEditable = editable; }
    int GetEditable() const { return m_nEditable; }
    void SetTransparent(int transparent) { m_nTransparent = transparent; }
    int GetTransparent() const { return m_nTransparent; }
    void SetTraceUseMode(TRACEUSEMODE mode) { m_nTraceUseMode = mode; }
    TRACEUSEMODE GetTraceUseMode() const { return m_nTraceUseMode; }
    int GetMenuCount() const { return static_cast<int>(m_menu.size()); }
    UINT GetMenuID(unsigned int i) const { return i < m_menu.size() ? m_menu[i].nID : 0; }
    CString GetMenuStringA(unsigned int i) const { return i < m_menu.size() ? m_menu[i].strText : CString(); }
    // A further owner of the shared mask (empty when the document has none).
    boost::shared_ptr<CMask> GetMask() const { return m_mask; }

    // Library operations. Tells the document's views that an object (or a layer, or a map)
    // changed; code 2 is the one the property lists send after a rename or a new symbol.
    void SendNotifyMessageA(CQXMap* map, CQXLayer* layer, CQXObject* object, UINT code);
    // The same operation under its other spelling.
    void SendNotifyMessage(CQXMap* map, CQXLayer* layer, CQXObject* object, UINT code) {
        SendNotifyMessageA(map, layer, object, code);
    }

    // Library side for fixtures.
    // The document takes the map over and becomes its map file.
    CQXMap* AddMap(CQXMap* map);
    void SetPrintRect(const FLOATRECT& rect) { m_printRect = rect; }
    void AddMenu(UINT id, const char* text) { m_menu.push_back(MENUENTRY{id, CString(text)}); }
    void SetMask(boost::shared_ptr<CMask> mask) { m_mask = std::move(mask); }

protected:
    std::vector<CQXMap*> m_maps;
    FLOATRECT m_printRect;
    int m_nEditable = 1;
    int m_nTransparent = 0;
    TRACEUSEMODE m_nTraceUseMode = TRACEUSE_NONE;
    std::vector<MENUENTRY> m_menu;
    boost::shared_ptr<CMask> m_mask;
};
