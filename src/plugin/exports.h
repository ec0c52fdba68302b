// exports.h - the ten functions the module exports to its host.
//
// Plain C functions with undecorated names, each returning 1 or 0.  An
// argument the module does not read still holds its position.  No C++
// exception ever leaves one of them: each catches everything at the boundary,
// shows what must be shown under the message convention, and returns 0.
// Calls must not overlap; the host calls them in the order of one import:
// package, probe, load, codes, entries with their lines, unload.

#ifndef AAP_PLUGIN_EXPORTS_H_
#define AAP_PLUGIN_EXPORTS_H_

#include <cstdint>

#include "plugin/host_records.h"

#define AAP_EXPORT extern "C" __attribute__((visibility("default")))

AAP_EXPORT int AAP_LoadPackage(aap::PackageInfo* package);
AAP_EXPORT int AAP_FindFirstCompany(const char* path, aap::CompanyInfo* company);
AAP_EXPORT int AAP_FindNextCompany(void);
AAP_EXPORT int AAP_FindClose(void);
AAP_EXPORT int AAP_LoadCompany(aap::CompanyInfo* company, aap::AccountStructure* structure,
                               int32_t* entryTotal);
AAP_EXPORT int AAP_LoadAcctPartCode(void* unused, aap::AccountStructure* structure,
                                    aap::AccountRecord* account);
AAP_EXPORT int AAP_LoadEntry(aap::CompanyInfo* company, aap::AccountStructure* structure,
                             void* unused, aap::EntryRecord* entry, char* entryDescription);
AAP_EXPORT int AAP_LoadDetail(void* unused1, aap::AccountStructure* structure,
                              aap::DetailAccount* detailAccount, void* unused4,
                              aap::DetailRecord* detail);
AAP_EXPORT int AAP_LoadInvoiceDetail(void);
AAP_EXPORT int AAP_UnloadCompany(void* unused, aap::AccountStructure* structure);

#endif  // AAP_PLUGIN_EXPORTS_H_
