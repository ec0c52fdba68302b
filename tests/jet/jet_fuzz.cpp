// jet_fuzz.cpp - a mutation loop over Jet files through the whole open-and-
// read path (loader, reader program, libmdb).
//
//   jet_fuzz [--iterations N] [--seconds S] [--seed N] [--keep DIR] FILE...
//
// Each round damages a copy of one FILE (flipped bytes, random runs, zeroed
// or copied pages, a cut at a page boundary, extreme 16/32-bit values, mostly
// in the first pages where the catalog and table definitions live), then
// opens it and loads every table into an in-memory SQLite database.  Loading
// may succeed or throw CdbException; anything else is a fault of the module
// and ends the run with status 1.  A round whose reader crashed or stalled is
// one that would have taken the host down if libmdb ran in its process: with
// --keep, such inputs are saved to DIR (as is the input of a round that
// failed) for use as regression cases.  Stops after N rounds or S seconds,
// whichever comes first (default: 200 rounds).
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "db/engine/cdb_exception.h"
#include "db/engine/jet/jet_table_loader.h"
#include "db/engine/jet/reader_process.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kPage = 4096;
// Outcomes worth keeping: the reader died or was ended by the watchdog.
constexpr const char* kCrashed = "crashed";
constexpr const char* kStalled = "made no progress";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class Mutator {
  public:
    explicit Mutator(std::uint64_t seed) : random_(seed) {}

    std::string Mutate(std::string bytes) {
        const int steps = 1 + static_cast<int>(Below(3));
        for (int i = 0; i < steps && bytes.size() > kPage; ++i) MutateOnce(bytes);
        return bytes;
    }

  private:
    std::uint64_t Below(std::uint64_t limit) { return random_() % limit; }

    // An offset, three times in four within the first pages.
    std::size_t Offset(const std::string& bytes) {
        const std::size_t span = Below(4) != 0 ? std::min(bytes.size(), 8 * kPage) : bytes.size();
        return Below(span);
    }

    void MutateOnce(std::string& bytes) {
        const std::size_t pages = bytes.size() / kPage;
        switch (Below(6)) {
            case 0:  // flip a few bits
                for (int i = 0, n = 1 + static_cast<int>(Below(8)); i < n; ++i) {
                    bytes[Offset(bytes)] ^= static_cast<char>(1u << Below(8));
                }
                break;
            case 1: {  // a run of random bytes
                const std::size_t at = Offset(bytes);
                const std::size_t length = std::min<std::size_t>(1 + Below(64), bytes.size() - at);
                for (std::size_t i = 0; i < length; ++i)
                    bytes[at + i] = static_cast<char>(random_());
                break;
            }
            case 2:  // a page of zeros
                std::memset(bytes.data() + Below(pages) * kPage, 0, kPage);
                break;
            case 3: {  // one page copied over another
                const std::size_t from = Below(pages) * kPage;
                std::memcpy(bytes.data() + Below(pages) * kPage, bytes.data() + from, kPage);
                break;
            }
            case 4:  // cut at a page boundary
                bytes.resize(std::max<std::size_t>(2, 1 + Below(pages)) * kPage);
                break;
            default: {  // an extreme 16- or 32-bit value
                static const std::uint32_t kExtremes[] = {0,          1,          0x7f,      0x80,
                                                          0xff,       0x7fff,     0x8000,    0xffff,
                                                          0x7fffffff, 0x80000000, 0xffffffff};
                const std::uint32_t value = kExtremes[Below(std::size(kExtremes))];
                const std::size_t width = Below(2) != 0 ? 2 : 4;
                const std::size_t at = std::min(Offset(bytes), bytes.size() - width);
                std::memcpy(bytes.data() + at, &value, width);
                break;
            }
        }
    }

    std::mt19937_64 random_;
};

// Opens `path` and loads every table; returns "" or the CdbException text.
std::string LoadEverything(const std::string& path) {
    try {
        const auto loader = cdb::jet::JetTableLoader::Open(path);
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        std::string failure;
        for (const std::string& table : loader->TableNames()) {
            try {
                loader->LoadTable(table, db);
            } catch (const cdb::CdbException& e) {
                // Keep the most telling failure of the round.
                if (failure.empty() || std::strstr(e.what(), kCrashed) != nullptr ||
                    std::strstr(e.what(), kStalled) != nullptr) {
                    failure = e.what();
                }
            }
        }
        sqlite3_close(db);
        return failure;
    } catch (const cdb::CdbException& e) {
        return e.what();
    }
}

int Usage() {
    std::cerr << "usage: jet_fuzz [--iterations N] [--seconds S] [--seed N] [--keep DIR] FILE...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long iterations = -1;
    double seconds = -1;
    std::uint64_t seed = 1;
    std::string keep;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--iterations" && hasValue) {
            iterations = std::stol(argv[++i]);
        } else if (argument == "--seconds" && hasValue) {
            seconds = std::stod(argv[++i]);
        } else if (argument == "--seed" && hasValue) {
            seed = std::stoull(argv[++i]);
        } else if (argument == "--keep" && hasValue) {
            keep = argv[++i];
        } else if (argument.rfind("--", 0) == 0) {
            return Usage();
        } else {
            inputs.push_back(argument);
        }
    }
    if (inputs.empty()) return Usage();
    if (iterations < 0 && seconds < 0) iterations = 200;

    std::vector<std::string> originals;
    for (const std::string& input : inputs) originals.push_back(ReadFile(input));
    // Rounds that stall cost the watchdog's time; keep it short here.
    cdb::jet::SetReaderStallTimeoutForTesting(std::chrono::milliseconds(2000));

    const auto work =
        std::filesystem::temp_directory_path() / ("jet-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(work);
    if (!keep.empty()) std::filesystem::create_directories(keep);
    const std::string current = (work / "input.mdb").string();

    Mutator mutator(seed);
    std::map<std::string, long> outcomes;
    const auto started = Clock::now();
    long round = 0;
    for (; (iterations < 0 || round < iterations) &&
           (seconds < 0 || std::chrono::duration<double>(Clock::now() - started).count() < seconds);
         ++round) {
        const std::size_t which = round % originals.size();
        const std::string damaged = mutator.Mutate(originals[which]);
        WriteFile(current, damaged);
        // Saved before the round runs: if the module dies, the input is there.
        if (!keep.empty()) WriteFile(keep + "/last-round.mdb", damaged);
        std::string failure;
        try {
            failure = LoadEverything(current);
        } catch (const std::exception& e) {
            std::cerr << "round " << round << ": unexpected exception: " << e.what() << "\n";
            return 1;
        }
        std::string outcome = failure.empty() ? "loaded" : "CdbException";
        if (failure.find(kCrashed) != std::string::npos) outcome = "reader crashed";
        if (failure.find(kStalled) != std::string::npos) outcome = "reader stalled";
        ++outcomes[outcome];
        if (!keep.empty() && outcome.rfind("reader", 0) == 0) {
            const std::string name = std::filesystem::path(inputs[which]).stem().string() + "-" +
                                     (outcome == "reader crashed" ? "crash" : "stall") + "-" +
                                     std::to_string(seed) + "-" + std::to_string(round) + ".mdb";
            WriteFile(keep + "/" + name, damaged);
            std::cout << "kept " << name << ": " << failure << "\n";
        }
    }
    if (!keep.empty()) std::filesystem::remove(keep + "/last-round.mdb");
    std::filesystem::remove_all(work);

    std::cout << round << " rounds in "
              << std::chrono::duration<double>(Clock::now() - started).count() << " s:";
    for (const auto& [outcome, count] : outcomes)
        std::cout << " " << outcome << " " << count << ";";
    std::cout << "\n";
    return 0;
}
