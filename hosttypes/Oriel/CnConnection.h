// A connection section: wells with their sand bodies connected between neighbours.
#pragma once

#include "hosttypes/Oriel/ScContainer.h"

class CnConnection : public ScContainer {
public:
    explicit CnConnection(CQXLayer* layer = nullptr);
    ~CnConnection() override;
    SC_DECLARE_ACCEPT()

    CONTAINERTYPE GetType() const override { return CT_CONNECTION; }
    void DuplicateAttribute(CQXObject* obj) override;

    // Whether the section lies in the project's own work area (property windows are offered only then);
    // the section library keeps it as a plain byte of the section.
    bool m_bSameWorkArea = true;
};
