// command_line_test.cpp - options, their defaults, and usage errors (exit 2).

#include "command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace aap::host {
namespace {

ParsedCommandLine parse(std::vector<const char*> words, std::string* err_text = nullptr) {
    words.insert(words.begin(), "aap-import");
    std::ostringstream out, err;
    ParsedCommandLine parsed =
        parse_command_line(static_cast<int>(words.size()), words.data(), out, err);
    if (err_text) *err_text = err.str();
    return parsed;
}

TEST(CommandLine, DefaultsAndChoices) {
    ParsedCommandLine csv = parse({"-o", "out", "demo.db"});
    ASSERT_TRUE(csv.command_line);
    EXPECT_EQ(csv.command_line->format, OutputFormat::kCsv);
    EXPECT_EQ(csv.command_line->start_period, 1);
    EXPECT_EQ(csv.command_line->output, "out");
    EXPECT_FALSE(csv.command_line->output_is_stdout());

    ParsedCommandLine jsonl = parse({"--format", "jsonl", "--start-period", "0", "demo.db"});
    ASSERT_TRUE(jsonl.command_line);
    EXPECT_EQ(jsonl.command_line->output, "-");
    EXPECT_TRUE(jsonl.command_line->output_is_stdout());
    EXPECT_EQ(jsonl.command_line->start_period, 0);

    ParsedCommandLine probe = parse({"--probe", "demo.db"});
    ASSERT_TRUE(probe.command_line);
    EXPECT_TRUE(probe.command_line->probe);
}

TEST(CommandLine, UsageErrorsExitWithTwoAndOneLine) {
    const std::vector<std::vector<const char*>> wrong = {
        {},                                      // no company file
        {"demo.db"},                             // csv without a folder
        {"-o", "-", "demo.db"},                  // csv to standard output
        {"--format", "xml", "demo.db"},          // unknown format
        {"-o", "out", "-p", "13", "demo.db"},    // period out of range
        {"-o", "out", "-p", "five", "demo.db"},  // not a number
        {"-o", "out", "--colour", "demo.db"},    // unknown option
        {"-o", "out", "one.db", "two.db"},       // two files
    };
    for (const auto& words : wrong) {
        std::string err;
        ParsedCommandLine parsed = parse(words, &err);
        EXPECT_FALSE(parsed.command_line);
        EXPECT_EQ(parsed.exit_status, 2);
        EXPECT_EQ(err.rfind("aap-import: ", 0), 0u) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line: " << err;
    }
}

TEST(CommandLine, HelpAndVersionExitWithZero) {
    for (const char* flag : {"--help", "--version"}) {
        ParsedCommandLine parsed = parse({flag});
        EXPECT_FALSE(parsed.command_line);
        EXPECT_EQ(parsed.exit_status, 0);
    }
}

}  // namespace
}  // namespace aap::host
