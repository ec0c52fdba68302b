// package_discovery.h - what the module imports, and which company a file holds.

#ifndef AAP_PLUGIN_PACKAGE_DISCOVERY_H_
#define AAP_PLUGIN_PACKAGE_DISCOVERY_H_

#include "plugin/host_records.h"

namespace aap {

inline constexpr char kPackageName[] = "Vantrel Server 2.X";
inline constexpr char kFileFilter[] = "*.mdb";
inline constexpr int16_t kPackageLevel = 2;

// Fills the package description; returns 1.
int LoadPackage(PackageInfo* package);

// Examines one file: 1 when it is a company database, with its path and
// company name written into `company`; 0 (silently, `company` untouched)
// when it is not or reading it failed.  Works on database objects of its own,
// so a probe never disturbs a loaded company, and leaves nothing open.
int FindFirstCompany(const char* path, CompanyInfo* company);

}  // namespace aap

#endif  // AAP_PLUGIN_PACKAGE_DISCOVERY_H_
