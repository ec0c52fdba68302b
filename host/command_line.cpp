// command_line.cpp - option parsing with CLI11 (see command_line.h).

#include "command_line.h"

#include <CLI/CLI.hpp>
#include <map>

namespace aap::host {
namespace {

constexpr int kUsageError = 2;

constexpr const char* kDescription =
    "Imports one general-ledger company from its database file through a converter\n"
    "module and writes it as CSV or JSON Lines.";

constexpr const char* kFooter =
    "Examples:\n"
    "  aap-import --output out/demo demo.db                 CSV files in out/demo\n"
    "  aap-import --format jsonl --start-period 5 demo.db   JSON Lines on standard output\n"
    "  aap-import --probe demo.db                           what the module sees in demo.db\n"
    "\n"
    "Exit status: 0 complete import, 1 the file is not a company database, the module\n"
    "refused the company or reported a failure, 2 usage error.";

}  // namespace

ParsedCommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
    CommandLine command_line;
    const std::map<std::string, OutputFormat> formats = {
        {"csv", OutputFormat::kCsv},
        {"jsonl", OutputFormat::kJsonLines},
        {"none", OutputFormat::kNone},
    };
    std::string format_name = "csv";

    CLI::App app(kDescription, "aap-import");
    app.footer(kFooter);
    app.set_version_flag("--version", AAP_HOST_VERSION);
    app.add_option("COMPANY_FILE", command_line.company_file, "The company database file")
        ->type_name("")
        ->required();
    app.add_flag("--probe", command_line.probe,
                 "Only show the package and the company found in the file");
    app.add_option("-f,--format", format_name,
                   "Output: csv (a folder), jsonl (JSON Lines) or none (summary only)")
        ->check(CLI::IsMember({"csv", "jsonl", "none"}))
        ->type_name("FORMAT")
        ->capture_default_str();
    app.add_option("-o,--output", command_line.output,
                   "Folder for csv; file for jsonl, - for standard output (the default)")
        ->type_name("PATH");
    app.add_option("-p,--start-period", command_line.start_period,
                   "First period of the current fiscal year to import journal entries from")
        ->check(CLI::Range(0, 12))
        ->type_name("N")
        ->capture_default_str();
    app.add_option("-m,--module", command_line.module,
                   "The converter module (default: AAPVantrel.so beside aap-import)")
        ->type_name("PATH");
    app.add_flag("-q,--quiet", command_line.quiet, "No progress bar and no summary");

    ParsedCommandLine result;
    try {
        app.parse(argc, argv);
        command_line.format = formats.at(format_name);
        if (!command_line.probe) {
            if (command_line.format == OutputFormat::kCsv && command_line.output.empty()) {
                throw CLI::ValidationError("--format csv writes a folder: name it with --output");
            }
            if (command_line.format == OutputFormat::kCsv && command_line.output == "-") {
                throw CLI::ValidationError("--format csv writes a folder, not standard output");
            }
            if (command_line.format == OutputFormat::kJsonLines && command_line.output.empty()) {
                command_line.output = "-";
            }
        }
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return result;
    } catch (const CLI::CallForVersion&) {
        out << "aap-import " << AAP_HOST_VERSION << "\n";
        return result;
    } catch (const CLI::ParseError& error) {
        err << "aap-import: " << error.what() << " (see aap-import --help)\n";
        result.exit_status = kUsageError;
        return result;
    }
    result.command_line = command_line;
    return result;
}

}  // namespace aap::host
