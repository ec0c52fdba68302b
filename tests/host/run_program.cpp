// run_program.cpp - running built programs from tests (see run_program.h).

#include "run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace aap::host::test {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::filesystem::path fresh_folder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(AAP_TEST_WORK_DIR) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

ProgramResult run_program(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments,
                          const std::filesystem::path& working_dir) {
    // Output goes to files, so that neither stream can block the other.
    const std::filesystem::path out_path = working_dir / ".program-stdout";
    const std::filesystem::path err_path = working_dir / ".program-stderr";

    std::vector<std::string> words = {program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
            dup2(err, 2) < 0 || chdir(working_dir.c_str()) != 0) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    ProgramResult result;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exit_status = WEXITSTATUS(status);
    }
    result.out = read_file(out_path);
    result.err = read_file(err_path);
    std::filesystem::remove(out_path);
    std::filesystem::remove(err_path);
    return result;
}

}  // namespace aap::host::test
