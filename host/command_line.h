// command_line.h - the options of aap-import and their parsing.

#ifndef AAP_HOST_COMMAND_LINE_H_
#define AAP_HOST_COMMAND_LINE_H_

#include <optional>
#include <ostream>
#include <string>

namespace aap::host {

enum class OutputFormat {
    kCsv,        // a folder of CSV files
    kJsonLines,  // one JSON object per line
    kNone,       // no output, only the summary
};

// What the user asked for.
struct CommandLine {
    std::string company_file;
    bool probe = false;
    OutputFormat format = OutputFormat::kCsv;
    std::string output;  // folder (csv) or file (jsonl); "-" is standard output
    std::string module;  // empty: the module beside the program
    int start_period = 1;
    bool quiet = false;

    // Whether the import output goes to standard output (the summary then
    // goes to standard error).
    bool output_is_stdout() const { return format == OutputFormat::kJsonLines && output == "-"; }
};

// The outcome of parsing: either a command line to run, or an exit status
// (0 after --help or --version, 2 after a usage error) with its text already
// written to `out` or `err`.
struct ParsedCommandLine {
    std::optional<CommandLine> command_line;
    int exit_status = 0;
};

ParsedCommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

}  // namespace aap::host

#endif  // AAP_HOST_COMMAND_LINE_H_
