// reader_process.cpp - starting, watching and reaping the Jet reader program.
//
// One child per request, started with posix_spawn.  The parent only reads
// (two pipes: the message stream and the child's standard error), so it can
// never be hurt by SIGPIPE; it polls with a timeout that restarts whenever
// message bytes arrive, and ends the child with SIGKILL when none have come
// for the stall timeout.  Every path out of RunReader reaps the child.
#include "db/engine/jet/reader_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>

#include "db/engine/jet/reader_location.h"

namespace cdb::jet {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Pipe capacity asked for (Linux allows unprivileged processes up to 1 MiB).
constexpr int kPipeCapacity = 1 << 20;
constexpr std::size_t kReadChunk = 1 << 20;
// How much of the child's standard error is kept for messages.
constexpr std::size_t kStderrKept = 4096;
constexpr std::size_t kStderrQuoted = 300;
// Descriptors of the parent's pipe ends are moved at least this high, so the
// child's descriptor set-up (0-3) can never overwrite one of them.
constexpr int kFirstPrivateFd = 10;

std::atomic<milliseconds::rep> gStallTimeoutMs{kReaderStallTimeout.count()};

std::string& ProgramOverride() {
    static std::string path;
    return path;
}

std::string ErrnoText(int error) {
    return std::strerror(error);
}

class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_ = -1;
};

// A copy of `fd`, close-on-exec, numbered kFirstPrivateFd or higher.
int Lift(int fd) {
    const int lifted = fcntl(fd, F_DUPFD_CLOEXEC, kFirstPrivateFd);
    if (lifted < 0) throw ReaderFailure("cannot create a pipe for the reader: " + ErrnoText(errno));
    return lifted;
}

// A pipe whose two ends are lifted as above.
void OpenPipe(Descriptor& readEnd, Descriptor& writeEnd) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw ReaderFailure("cannot create a pipe for the reader: " + ErrnoText(errno));
    }
    const Descriptor rawRead(ends[0]);
    const Descriptor rawWrite(ends[1]);
    readEnd.Reset(Lift(rawRead.Get()));
    writeEnd.Reset(Lift(rawWrite.Get()));
}

// The running child.  Destroying it while it runs kills and reaps it.
class Child {
  public:
    Child() = default;
    ~Child() { KillAndReap(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t* PidSlot() { return &pid_; }
    void Forget() { pid_ = -1; }

    void KillAndReap() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

    // Waits up to `limit` for the child to exit.  Returns false on timeout.
    // `status` is empty when the status is lost (the host reaps children
    // itself, or ignores SIGCHLD).
    bool WaitFor(milliseconds limit, std::optional<int>& status) {
        const auto deadline = Clock::now() + limit;
        auto pause = std::chrono::microseconds(100);
        for (;;) {
            int raw = 0;
            const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
            if (done == pid_) {
                status = raw;
                pid_ = -1;
                return true;
            }
            if (done < 0 && errno != EINTR) {
                status.reset();
                pid_ = -1;
                return true;
            }
            if (done == 0) {
                if (Clock::now() >= deadline) return false;
                const timespec wait{0, static_cast<long>(pause.count() * 1000)};
                nanosleep(&wait, nullptr);
                pause = std::min(pause * 2, std::chrono::microseconds(10'000));
            }
        }
    }

  private:
    pid_t pid_ = -1;
};

class SpawnSetup {
  public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

void Spawn(const std::string& program, const std::vector<std::string>& arguments, int dataWrite,
           int errorWrite, Child& child) {
    SpawnSetup setup;
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&setup.actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, errorWrite, 2);
    posix_spawn_file_actions_adddup2(&setup.actions, dataWrite, wire::kProtocolFd);
    // Descriptors the host opened without close-on-exec stay out of the child.
    posix_spawn_file_actions_addclosefrom_np(&setup.actions, wire::kProtocolFd + 1);

    // The host's signal dispositions and mask are not the child's business.
    sigset_t all;
    sigfillset(&all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&setup.attributes, &all);
    posix_spawnattr_setsigmask(&setup.attributes, &none);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // An empty environment: libmdb reads MDBPATH, MDBOPTS, MDBICONV and
    // MDB_JET3_CHARSET, and none of the host's settings may steer it.
    char* environment[] = {nullptr};

    const int error = posix_spawn(child.PidSlot(), program.c_str(), &setup.actions,
                                  &setup.attributes, argv.data(), environment);
    if (error != 0) {
        child.Forget();
        throw ReaderFailure("cannot start the reader program " + program + ": " + ErrnoText(error));
    }
}

// Bytes received and not yet taken as whole messages.
class InputBuffer {
  public:
    char* Space(std::size_t wanted) {
        if (bytes_.size() - end_ < wanted) {
            if (begin_ > 0) {
                std::memmove(bytes_.data(), bytes_.data() + begin_, end_ - begin_);
                end_ -= begin_;
                begin_ = 0;
            }
            if (bytes_.size() - end_ < wanted) bytes_.resize(end_ + wanted);
        }
        return bytes_.data() + end_;
    }
    void Commit(std::size_t count) { end_ += count; }
    std::string_view Pending() const { return {bytes_.data() + begin_, end_ - begin_}; }
    void Consume(std::size_t count) {
        begin_ += count;
        if (begin_ == end_) begin_ = end_ = 0;
    }

  private:
    std::vector<char> bytes_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

bool IsKnownKind(std::uint8_t kind) {
    switch (static_cast<wire::MessageKind>(kind)) {
        case wire::MessageKind::kTableNames:
        case wire::MessageKind::kColumns:
        case wire::MessageKind::kRows:
        case wire::MessageKind::kEnd:
        case wire::MessageKind::kError:
            return true;
    }
    return false;
}

// Splits the stream into messages and hands them on.
class MessageSplitter {
  public:
    explicit MessageSplitter(const MessageHandler& onMessage) : onMessage_(onMessage) {}

    void Take(InputBuffer& input) {
        for (;;) {
            const std::string_view pending = input.Pending();
            if (pending.size() < wire::kHeaderSize) return;
            const auto kind = static_cast<std::uint8_t>(pending[0]);
            std::uint32_t size = 0;
            std::memcpy(&size, pending.data() + 1, sizeof size);
            if (!IsKnownKind(kind) || size > wire::kMaxPayload || ended_) {
                throw ReaderFailure("the reader program sent a malformed stream");
            }
            if (pending.size() - wire::kHeaderSize < size) return;
            Deliver(static_cast<wire::MessageKind>(kind), pending.substr(wire::kHeaderSize, size));
            input.Consume(wire::kHeaderSize + size);
        }
    }

    bool Ended() const { return ended_; }
    const std::optional<std::string>& Error() const { return error_; }

  private:
    void Deliver(wire::MessageKind kind, std::string_view payload) {
        if (kind == wire::MessageKind::kError) {
            error_.emplace(payload);
            return;
        }
        if (kind == wire::MessageKind::kEnd) ended_ = true;
        try {
            onMessage_(kind, payload);
        } catch (const wire::MalformedMessage& malformed) {
            throw ReaderFailure(malformed.what());
        }
    }

    const MessageHandler& onMessage_;
    bool ended_ = false;
    std::optional<std::string> error_;
};

// The last words of the child's standard error, for a failure message.
std::string StderrNote(const std::string& captured) {
    std::string text = captured;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    if (text.empty()) return {};
    if (text.size() > kStderrQuoted) text = "..." + text.substr(text.size() - kStderrQuoted);
    for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return " (its last output: " + text + ")";
}

std::string SignalName(int signal) {
    const char* name = sigabbrev_np(signal);
    return name != nullptr ? std::string("SIG") + name : "signal " + std::to_string(signal);
}

}  // namespace

void SetReaderStallTimeoutForTesting(milliseconds timeout) {
    gStallTimeoutMs = timeout.count();
}

void SetReaderProgramForTesting(const std::string& path) {
    ProgramOverride() = path;
}

void RunReader(const std::vector<std::string>& arguments, const MessageHandler& onMessage) {
    std::string program = ProgramOverride();
    if (program.empty()) program = FindReaderProgram();
    if (program.empty()) {
        std::string places;
        for (const std::string& candidate : ReaderProgramCandidates()) {
            places += (places.empty() ? "" : ", ") + candidate;
        }
        throw ReaderFailure("the reader program aap-jet-reader is not installed (looked for " +
                            places + ")");
    }

    Descriptor dataRead, dataWrite, errorRead, errorWrite;
    OpenPipe(dataRead, dataWrite);
    OpenPipe(errorRead, errorWrite);
    fcntl(dataRead.Get(), F_SETPIPE_SZ, kPipeCapacity);  // a smaller pipe only costs speed

    Child child;
    Spawn(program, arguments, dataWrite.Get(), errorWrite.Get(), child);
    dataWrite.Close();
    errorWrite.Close();

    const milliseconds stallTimeout{gStallTimeoutMs.load()};
    InputBuffer input;
    MessageSplitter splitter(onMessage);
    std::string captured;
    bool dataOpen = true;
    bool errorOpen = true;
    auto lastProgress = Clock::now();

    while (dataOpen || errorOpen) {
        const auto left = lastProgress + stallTimeout - Clock::now();
        if (left <= Clock::duration::zero()) {
            child.KillAndReap();
            throw ReaderFailure("the reader program made no progress for " +
                                std::to_string(stallTimeout.count()) + " ms and was ended" +
                                StderrNote(captured));
        }
        pollfd watched[2];
        nfds_t count = 0;
        if (dataOpen) watched[count++] = {dataRead.Get(), POLLIN, 0};
        if (errorOpen) watched[count++] = {errorRead.Get(), POLLIN, 0};
        const auto waitMs =
            std::min<milliseconds::rep>(std::chrono::ceil<milliseconds>(left).count(), INT_MAX);
        const int ready = ::poll(watched, count, static_cast<int>(waitMs));
        if (ready < 0) {
            if (errno == EINTR) continue;
            throw ReaderFailure("waiting for the reader failed: " + ErrnoText(errno));
        }
        for (nfds_t i = 0; i < count; ++i) {
            if (watched[i].revents == 0) continue;
            if (watched[i].fd == errorRead.Get()) {
                char chunk[4096];
                const ssize_t got = ::read(errorRead.Get(), chunk, sizeof chunk);
                if (got > 0) {
                    captured.append(chunk, static_cast<std::size_t>(got));
                    if (captured.size() > kStderrKept) {
                        captured.erase(0, captured.size() - kStderrKept);
                    }
                } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
                    errorOpen = false;
                }
                continue;
            }
            const ssize_t got = ::read(dataRead.Get(), input.Space(kReadChunk), kReadChunk);
            if (got > 0) {
                input.Commit(static_cast<std::size_t>(got));
                splitter.Take(input);
                lastProgress = Clock::now();
            } else if (got == 0) {
                dataOpen = false;
            } else if (errno != EINTR && errno != EAGAIN) {
                throw ReaderFailure("reading from the reader failed: " + ErrnoText(errno));
            }
        }
    }

    std::optional<int> status;
    if (!child.WaitFor(stallTimeout, status)) {
        child.KillAndReap();
        throw ReaderFailure("the reader program closed its output but did not exit" +
                            StderrNote(captured));
    }
    if (status && WIFSIGNALED(*status)) {
        throw ReaderFailure("the reader program crashed (" + SignalName(WTERMSIG(*status)) + ")" +
                            StderrNote(captured));
    }
    if (splitter.Error()) throw ReaderFailure(*splitter.Error());
    if (status && WIFEXITED(*status) && WEXITSTATUS(*status) != 0) {
        throw ReaderFailure("the reader program failed (exit status " +
                            std::to_string(WEXITSTATUS(*status)) + ")" + StderrNote(captured));
    }
    if (!input.Pending().empty()) {
        throw ReaderFailure("the reader program's stream stops in the middle of a message");
    }
    if (!splitter.Ended()) {
        throw ReaderFailure("the reader program stopped before it had sent everything" +
                            StderrNote(captured));
    }
}

}  // namespace cdb::jet
