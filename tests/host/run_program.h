// run_program.h - running a built program from a test and collecting what it
// printed and how it ended.

#ifndef AAP_TESTS_HOST_RUN_PROGRAM_H_
#define AAP_TESTS_HOST_RUN_PROGRAM_H_

#include <filesystem>
#include <string>
#include <vector>

namespace aap::host::test {

struct ProgramResult {
    int exit_status = -1;  // -1: did not exit normally
    std::string out;       // standard output
    std::string err;       // standard error
};

// Runs `program` with `arguments` in the folder `working_dir`, standard input
// empty, and waits for it.
ProgramResult run_program(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments,
                          const std::filesystem::path& working_dir);

// The whole content of a file ("" when it cannot be read).
std::string read_file(const std::filesystem::path& path);

void write_file(const std::filesystem::path& path, const std::string& text);

// A fresh empty folder for one test, under the build tree; removed first when
// a previous run left it.
std::filesystem::path fresh_folder(const std::string& name);

}  // namespace aap::host::test

#endif  // AAP_TESTS_HOST_RUN_PROGRAM_H_
