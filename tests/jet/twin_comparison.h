// twin_comparison.h - compares the loader's copy of a Jet table with the
// table's SQLite twin, whose columns carry Jet type names but keep dates as
// ISO text and currency in whole units.

#ifndef AAP_TESTS_JET_TWIN_COMPARISON_H_
#define AAP_TESTS_JET_TWIN_COMPARISON_H_

#include <sqlite3.h>

#include <string>
#include <vector>

#include "jet_test_support.h"

namespace jet_test {

// The declared type the copy must have for a twin column declared `twinType`.
std::string CopyTypeForTwin(const std::string& twinType);

// Every difference between table `table` of `twin` and of `copy`: declared
// types, row count, and each value under the copy's storage rules (currency
// as exact ten-thousandths, dates as the stored OLE double, floating-point
// values bit for bit, texts byte for byte).  Empty when they agree.
std::vector<std::string> CompareWithTwin(sqlite3* twin, sqlite3* copy, const std::string& table);

}  // namespace jet_test

#endif  // AAP_TESTS_JET_TWIN_COMPARISON_H_
