// jet_reader_isolation_test.cpp - the reader program runs apart from the host:
// hangs, crashes, failures and bad streams become CdbExceptions naming the
// file and table, the child is always reaped, a slow but steady reader is
// never cut off, and the host's environment, descriptors and output streams
// stay the host's.  Misbehaviour comes from fake_jet_reader.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "db/engine/cdb_exception.h"
#include "db/engine/jet/jet_table_loader.h"
#include "db/engine/jet/reader_location.h"
#include "db/engine/jet/reader_process.h"
#include "jet_test_support.h"

namespace {

using cdb::jet::JetTableLoader;
using jet_test::Value;
using ::testing::HasSubstr;
using namespace std::chrono_literals;

void ExpectNoChildLeft() {
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a reader process was left behind";
    EXPECT_EQ(errno, ECHILD);
}

// Everything written to this process's standard output and error while it lives.
class CapturedOutput {
  public:
    explicit CapturedOutput(const std::string& file) {
        std::fflush(stdout);
        std::fflush(stderr);
        const int sink = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        savedOut_ = dup(1);
        savedError_ = dup(2);
        dup2(sink, 1);
        dup2(sink, 2);
        close(sink);
    }
    ~CapturedOutput() {
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(savedOut_, 1);
        dup2(savedError_, 2);
        close(savedOut_);
        close(savedError_);
    }

  private:
    int savedOut_;
    int savedError_;
};

class JetReaderIsolation : public ::testing::Test {
  protected:
    void SetUp() override {
        cdb::jet::SetReaderProgramForTesting(FAKE_JET_READER);
        cdb::jet::SetReaderStallTimeoutForTesting(300ms);
        loader_ = JetTableLoader::Open(jet_test::DataFile("demo.mdb"));
        copy_ = jet_test::MemoryDatabase();
    }
    void TearDown() override {
        cdb::jet::SetReaderProgramForTesting("");
        cdb::jet::SetReaderStallTimeoutForTesting(cdb::jet::kReaderStallTimeout);
        ExpectNoChildLeft();
    }

    // The message of the CdbException that loading `table` throws.
    std::string FailureOf(const std::string& table) {
        try {
            loader_->LoadTable(table, copy_.get());
        } catch (const cdb::CdbException& failure) {
            return failure.what();
        }
        ADD_FAILURE() << table << " loaded without a failure";
        return {};
    }

    std::unique_ptr<JetTableLoader> loader_;
    jet_test::Database copy_;
};

TEST_F(JetReaderIsolation, EveryMisbehaviourBecomesACdbExceptionAndLeavesNoTable) {
    const struct {
        const char* behaviour;
        const char* explanation;
    } cases[] = {
        {"hang", "made no progress for 300 ms"},
        {"hang-after-rows", "made no progress"},
        {"crash", "crashed (SIGSEGV)"},
        {"exit-with-message", "error: reading page 4711 failed"},
        {"error", "row 7: the value lies outside its page"},
        {"garbage", "malformed"},
        {"cut-message", "middle of a message"},
        {"no-end", "stopped before it had sent everything"},
        {"wrong-count", "3 rows were read but the table's header says 5"},
    };
    for (const auto& c : cases) {
        const std::string message = FailureOf(c.behaviour);
        EXPECT_THAT(message, HasSubstr(c.explanation)) << c.behaviour;
        EXPECT_THAT(message, HasSubstr("demo.mdb")) << c.behaviour;
        EXPECT_THAT(message, HasSubstr("\"" + std::string(c.behaviour) + "\"")) << c.behaviour;
        EXPECT_TRUE(jet_test::Query(copy_.get(), "SELECT name FROM sqlite_master").empty())
            << c.behaviour << " left a table behind";
        ExpectNoChildLeft();
    }
}

TEST_F(JetReaderIsolation, AReaderThatKeepsSendingIsNeverCutOff) {
    // Ten rows a tenth of a second apart: a second in all, three times the
    // (shortened) stall timeout, but never silent for long.
    loader_->LoadTable("slow-but-steady", copy_.get());
    EXPECT_EQ(jet_test::Query(copy_.get(), "SELECT count(*) FROM \"slow-but-steady\"")[0][0],
              Value(std::int64_t{10}));
}

TEST_F(JetReaderIsolation, AFailingInsertEndsAReaderThatIsStillSending) {
    ASSERT_EQ(sqlite3_exec(copy_.get(), "CREATE TABLE flood (x)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_THAT(FailureOf("flood"), HasSubstr("already exists"));
}

TEST_F(JetReaderIsolation, OpeningAFileWhoseListingHangsFails) {
    jet_test::TempFolder folder;
    std::filesystem::copy_file(jet_test::DataFile("demo.mdb"), folder.File("hang.mdb"));
    try {
        JetTableLoader::Open(folder.File("hang.mdb"));
        ADD_FAILURE() << "opened";
    } catch (const cdb::CdbException& failure) {
        EXPECT_THAT(failure.what(), HasSubstr("hang.mdb"));
        EXPECT_THAT(failure.what(), HasSubstr("made no progress"));
    }
}

TEST_F(JetReaderIsolation, TheReaderPrintsNothingToTheHostsOutput) {
    jet_test::TempFolder folder;
    {
        CapturedOutput captured(folder.File("output"));
        loader_->LoadTable("noisy", copy_.get());
    }
    EXPECT_EQ(jet_test::ReadBytes(folder.File("output")), "");
    EXPECT_EQ(jet_test::Query(copy_.get(), "SELECT Value FROM noisy")[0][0],
              Value(std::string("quiet")));
}

TEST_F(JetReaderIsolation, TheReaderGetsOnlyItsOwnDescriptors) {
    const int leaky = open("/dev/null", O_RDONLY);  // no close-on-exec
    ASSERT_GE(leaky, 0);
    loader_->LoadTable("descriptors", copy_.get());
    close(leaky);
    EXPECT_EQ(jet_test::Query(copy_.get(), "SELECT Value FROM descriptors")[0][0],
              Value(std::string("0 1 2 3")));
}

// A host that ignores SIGCHLD has its children reaped by the kernel, so their
// exit status is lost; the end of the stream still tells a whole table.
TEST(JetReaderHost, IgnoringChildSignalsStillLoadsAndStillNoticesFailures) {
    const auto previous = signal(SIGCHLD, SIG_IGN);
    const auto loader = JetTableLoader::Open(jet_test::DataFile("demo.mdb"));
    const auto copy = jet_test::MemoryDatabase();
    loader->LoadTable("Fund", copy.get());
    cdb::jet::SetReaderProgramForTesting(FAKE_JET_READER);
    const auto fake = JetTableLoader::Open(jet_test::DataFile("demo.mdb"));
    try {
        fake->LoadTable("crash", copy.get());
        ADD_FAILURE() << "a crashing reader went unnoticed";
    } catch (const cdb::CdbException& failure) {
        EXPECT_THAT(failure.what(), HasSubstr("stopped before it had sent everything"));
    }
    cdb::jet::SetReaderProgramForTesting("");
    signal(SIGCHLD, previous);
    EXPECT_EQ(jet_test::Query(copy.get(), "SELECT count(*) FROM Fund")[0][0],
              Value(std::int64_t{4}));
}

// Installed, the reader sits beside the module; a test program finds the one
// this build tree made.
TEST(JetReaderLocation, LooksBesideItsOwnBinaryFirst) {
    const auto candidates = cdb::jet::ReaderProgramCandidates();
    ASSERT_FALSE(candidates.empty());
    const auto ownFolder = std::filesystem::canonical("/proc/self/exe").parent_path();
    EXPECT_EQ(candidates.front(), (ownFolder / "aap-jet-reader").string());
    const std::string found = cdb::jet::FindReaderProgram();
    EXPECT_EQ(std::filesystem::path(found).filename(), "aap-jet-reader");
}

// The real reader program, with libmdb's settings set in the host's
// environment: none of them may reach it.
TEST(JetReaderEnvironment, HostSettingsForLibmdbDoNotReachTheReader) {
    ASSERT_FALSE(cdb::jet::FindReaderProgram().empty());
    setenv("MDBICONV", "UTF-16LE", 1);
    setenv("MDB_JET3_CHARSET", "UTF-16", 1);
    setenv("MDBPATH", ":", 1);
    const auto loader = JetTableLoader::Open(jet_test::DataFile("types.mdb"));
    const auto copy = jet_test::MemoryDatabase();
    loader->LoadTable("TypeCases", copy.get());
    unsetenv("MDBICONV");
    unsetenv("MDB_JET3_CHARSET");
    unsetenv("MDBPATH");
    EXPECT_EQ(jet_test::Query(copy.get(), "SELECT Text10 FROM TypeCases WHERE CaseId = 14")[0][0],
              Value(std::string("M\u00fcller")));
}

}  // namespace
