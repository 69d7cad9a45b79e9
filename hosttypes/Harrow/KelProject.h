// CKelProject: the map-core library's one open project, with its folder and its spatial
// reference (the projection that turns map units into longitudes and latitudes).
#pragma once

#include "mfc/String.h"

namespace harrow::detail {
struct ProjectAccess;
}  // namespace harrow::detail

class CKELSpatialReference {
public:
    CKELSpatialReference() = default;
    CKELSpatialReference(const CKELSpatialReference&) = default;
    CKELSpatialReference& operator=(const CKELSpatialReference&) = default;
    virtual ~CKELSpatialReference() = default;

    // ---- map-core library operations ----
    // True when the project's spatial reference is complete enough to convert map units to
    // geographic coordinates.
    bool Validate() const;

protected:
    friend struct harrow::detail::ProjectAccess;
    bool m_bValid = true;
};

class CKelProject {
public:
    // ---- map-core library operations ----
    static CKelProject* Instance();
    CKELSpatialReference& SpatialReference();
    // The project's folder, without a closing separator.
    CString GetProjectPath() const;

    CKelProject() = default;
    CKelProject(const CKelProject&) = delete;
    CKelProject& operator=(const CKelProject&) = delete;
    virtual ~CKelProject() = default;

protected:
    friend struct harrow::detail::ProjectAccess;
    CKELSpatialReference m_spatialReference;
    CString m_strProjectPath;
};
