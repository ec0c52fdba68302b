// reader_main.cpp - aap-jet-reader, the program that reads Jet files for the
// module.  libmdb can crash or loop on a damaged file, so it runs only here,
// in a child of the host, never in the host's own process.
//
//   aap-jet-reader tables FILE         lists the user tables
//   aap-jet-reader table FILE NAME     sends one table's columns and rows
//
// Messages go to descriptor 3 (reader_protocol.h); whatever libmdb prints on
// standard output or error is the parent's to discard.  Exit status 0 when
// everything was sent, otherwise ReaderExit.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "db/engine/jet/jet_file_reader.h"
#include "db/engine/jet/message_output.h"
#include "db/engine/jet/reader_protocol.h"

namespace {

using cdb::jet::JetFileReader;
using cdb::jet::MessageOutput;
using cdb::jet::wire::MessageKind;

enum ReaderExit {
    kUsage = 2,
    kReadFailed = 3,
    kLoaderGone = 4,
};

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Keeps a runaway read from taking the machine down with it: no core files,
// and (outside sanitizer builds, which reserve huge address ranges) a ceiling
// on memory.
void LimitResources() {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!kSanitized) {
        constexpr rlim_t kAddressSpace = rlim_t{4} << 30;
        const rlimit memory{kAddressSpace, kAddressSpace};
        setrlimit(RLIMIT_AS, &memory);
    }
}

void SendTableNames(const std::string& path, MessageOutput& out) {
    JetFileReader reader(path);
    const auto names = reader.UserTableNames();
    std::string payload;
    cdb::jet::wire::ByteWriter writer(payload);
    writer.Put(static_cast<std::uint32_t>(names.size()));
    for (const std::string& name : names) writer.PutSized(name);
    out.Send(MessageKind::kTableNames, payload);
    std::string end;
    cdb::jet::wire::ByteWriter(end).Put(static_cast<std::uint64_t>(names.size()));
    out.Send(MessageKind::kEnd, end);
}

}  // namespace

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    LimitResources();
    if (fcntl(cdb::jet::wire::kProtocolFd, F_GETFD) == -1) {
        std::fprintf(stderr, "aap-jet-reader: run by the AAPVantrel module, not by hand\n");
        return kUsage;
    }

    MessageOutput out(cdb::jet::wire::kProtocolFd);
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "tables" && argc == 3) {
            SendTableNames(argv[2], out);
        } else if (command == "table" && argc == 4) {
            JetFileReader reader(argv[2]);
            reader.SendTable(argv[3], out);
        } else {
            out.Send(MessageKind::kError, "the reader program was called wrongly");
            return kUsage;
        }
    } catch (const cdb::jet::OutputClosed&) {
        return kLoaderGone;
    } catch (const std::exception& failure) {
        try {
            out.Send(MessageKind::kError, failure.what());
        } catch (const cdb::jet::OutputClosed&) {
            return kLoaderGone;
        }
        return kReadFailed;
    }
    return 0;
}
