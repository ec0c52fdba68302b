// package_discovery.cpp - the package description and the company probe.

#include "plugin/package_discovery.h"

#include <string>

#include "db/engine/cdb.h"

namespace aap {

int LoadPackage(PackageInfo* package) {
    WriteRecordText(package->packageName, kPackageName);
    WriteRecordText(package->fileFilter, kFileFilter);
    package->packageLevel = kPackageLevel;
    return 1;
}

int FindFirstCompany(const char* path, CompanyInfo* company) {
    if (path == nullptr || company == nullptr) return 0;
    cdb::CdbDatabase database;
    cdb::CdbRecordset control;
    try {
        cdb::CdbDBEngine engine(false, true, nullptr, nullptr, nullptr, cdb::dbUseJet);
        database = engine.Workspaces[0].OpenDatabase(path, false, true, nullptr);
        control = database.OpenRecordset("GL_ControlInformation", cdb::dbOpenTable, cdb::dbReadOnly,
                                         cdb::dbDefaultLock);
        const cdb::COleVariant name = control.GetField("CompanyName");
        // Judged by the value's own type: a Null or numeric name is no company.
        const bool isCompany = name.vt == cdb::VT_BSTR;
        control.Close();
        database.Close();
        if (!isCompany) return 0;
        WriteRecordText(company->companyName, name.strVal);
        WriteRecordText(company->companyPath, path);
        return 1;
    } catch (...) {
        // Not a company database, or unreadable: answer 0 without a message.
        try {
            if (control.IsOpen()) control.Close();
            if (database.IsOpen()) database.Close();
        } catch (...) {
        }
        return 0;
    }
}

}  // namespace aap
