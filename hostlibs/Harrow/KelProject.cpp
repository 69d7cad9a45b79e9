#include "hosttypes/Harrow/KelProject.h"

#include <memory>

#include "hostlibs/Harrow/HarrowTesting.h"

namespace harrow::detail {
// The stand-in's way into the project it configures for tests.
struct ProjectAccess {
    static void SetValid(CKelProject& project, bool valid) { project.m_spatialReference.m_bValid = valid; }
    static void SetPath(CKelProject& project, const CString& path) { project.m_strProjectPath = path; }
};
}  // namespace harrow::detail

namespace {
using harrow::detail::ProjectAccess;

std::unique_ptr<CKelProject>& Slot() {
    static std::unique_ptr<CKelProject> project;
    return project;
}
}  // namespace

bool CKELSpatialReference::Validate() const { return m_bValid; }

CKelProject* CKelProject::Instance() {
    if (!Slot()) {
        Slot() = std::make_unique<CKelProject>();
        ProjectAccess::SetPath(*Slot(), harrow::testing::kDefaultProjectPath);
    }
    return Slot().get();
}

CKELSpatialReference& CKelProject::SpatialReference() { return m_spatialReference; }

CString CKelProject::GetProjectPath() const { return m_strProjectPath; }

namespace harrow::testing {
void Reset() { Slot().reset(); }
void SetSpatialReferenceValid(bool valid) { ProjectAccess::SetValid(*CKelProject::Instance(), valid); }
void SetProjectPath(const CString& path) { ProjectAccess::SetPath(*CKelProject::Instance(), path); }
}  // namespace harrow::testing
