// fake_jet_reader.cpp - a stand-in for aap-jet-reader that misbehaves on
// request, so the tests can watch the loader survive hangs, crashes and bad
// streams.  It speaks the real protocol (reader_protocol.h).
//
//   fake_jet_reader tables FILE      lists the behaviours below as tables;
//                                    hangs instead when FILE's name starts
//                                    with "hang"
//   fake_jet_reader table FILE NAME  behaves as NAME says
#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "db/engine/jet/reader_protocol.h"

namespace {

using namespace cdb::jet::wire;

const std::vector<std::string> kBehaviours = {
    "hang",  "hang-after-rows", "slow-but-steady", "crash",  "exit-with-message",
    "error", "garbage",         "cut-message",     "no-end", "wrong-count",
    "noisy", "descriptors",     "flood",
};

void WriteAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(kProtocolFd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) std::exit(4);
        done += static_cast<std::size_t>(n);
    }
}

std::string Message(MessageKind kind, const std::string& payload) {
    std::string message;
    ByteWriter writer(message);
    writer.Put(static_cast<std::uint8_t>(kind));
    writer.PutSized(payload);
    return message;
}

// One TEXT(255) column named Value; the header claims `headerRows` rows.
std::string Columns(std::uint64_t headerRows) {
    std::string payload;
    ByteWriter writer(payload);
    writer.Put(headerRows);
    writer.Put<std::uint32_t>(1);
    writer.Put(static_cast<std::uint8_t>(ValueKind::kText));
    writer.Put<std::uint32_t>(255);
    writer.PutSized("Value");
    return Message(MessageKind::kColumns, payload);
}

std::string Rows(const std::vector<std::string>& texts) {
    std::string payload;
    ByteWriter writer(payload);
    writer.Put(static_cast<std::uint32_t>(texts.size()));
    for (const std::string& text : texts) {
        writer.Put<std::uint8_t>(1);
        writer.PutSized(text);
    }
    return Message(MessageKind::kRows, payload);
}

std::string End(std::uint64_t rows) {
    std::string payload;
    ByteWriter(payload).Put(rows);
    return Message(MessageKind::kEnd, payload);
}

[[noreturn]] void HangForever() {
    for (;;) pause();
}

// The descriptors this process has open, as "0 1 2 3".
std::string OpenDescriptors() {
    std::string list;
    DIR* folder = opendir("/proc/self/fd");
    const int own = dirfd(folder);
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == own) continue;
        list += (list.empty() ? "" : " ") + std::string(entry->d_name);
    }
    closedir(folder);
    return list;
}

void Behave(const std::string& name) {
    if (name == "hang") HangForever();
    if (name == "hang-after-rows") {
        WriteAll(Columns(3) + Rows({"a", "b"}));
        HangForever();
    }
    if (name == "slow-but-steady") {
        WriteAll(Columns(10));
        for (int i = 0; i < 10; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            WriteAll(Rows({std::to_string(i)}));
        }
        WriteAll(End(10));
        return;
    }
    if (name == "crash") {
        WriteAll(Columns(1));
        signal(SIGSEGV, SIG_DFL);  // a sanitizer's handler would turn it into an exit
        raise(SIGSEGV);
    }
    if (name == "exit-with-message") {
        std::fprintf(stderr, "error: reading page 4711 failed\n");
        std::exit(3);
    }
    if (name == "error") {
        WriteAll(Columns(1) +
                 Message(MessageKind::kError, "row 7: the value lies outside its page"));
        std::exit(3);
    }
    if (name == "garbage") {
        WriteAll(std::string("\x52\xff\xff\xff\x7f garbage", 14));
        return;
    }
    if (name == "cut-message") {
        WriteAll(Columns(1) + Rows({"whole"}).substr(0, 9));
        return;
    }
    if (name == "no-end") {
        WriteAll(Columns(1) + Rows({"a"}));
        return;
    }
    if (name == "wrong-count") {
        WriteAll(Columns(5) + Rows({"a", "b", "c"}) + End(3));
        return;
    }
    if (name == "noisy") {
        for (int i = 0; i < 10000; ++i) {  // more than a pipe holds
            std::printf("stdout chatter %d\n", i);
            std::fprintf(stderr, "stderr chatter %d\n", i);
        }
        std::fflush(stdout);
        WriteAll(Columns(1) + Rows({"quiet"}) + End(1));
        return;
    }
    if (name == "descriptors") {
        WriteAll(Columns(1) + Rows({OpenDescriptors()}) + End(1));
        return;
    }
    if (name == "flood") {
        WriteAll(Columns(1'000'000'000));
        const std::string batch = Rows(std::vector<std::string>(1000, "row"));
        for (;;) WriteAll(batch);
    }
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "tables") == 0) {
        const char* slash = std::strrchr(argv[2], '/');
        if (std::strncmp(slash != nullptr ? slash + 1 : argv[2], "hang", 4) == 0) HangForever();
        std::string payload;
        ByteWriter writer(payload);
        writer.Put(static_cast<std::uint32_t>(kBehaviours.size()));
        for (const std::string& name : kBehaviours) writer.PutSized(name);
        WriteAll(Message(MessageKind::kTableNames, payload) + End(kBehaviours.size()));
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "table") == 0) {
        Behave(argv[3]);
        return 0;
    }
    return 2;
}
