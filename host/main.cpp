// main.cpp - aap-import: the command-line program that runs a whole import
// through a converter module and writes it as CSV or JSON Lines.

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "command_line.h"
#include "csv_folder_sink.h"
#include "import_error.h"
#include "import_run.h"
#include "import_summary.h"
#include "jsonl_sink.h"
#include "module_library.h"
#include "module_session.h"
#include "progress_bar.h"
#include "stderr_capture.h"
#include "windows1252.h"

namespace {

using namespace aap::host;

void require_readable(const std::string& path) {
    if (::access(path.c_str(), R_OK) != 0) {
        throw ImportError("cannot read " + path + ": " + std::strerror(errno));
    }
}

std::filesystem::path module_path(const CommandLine& command_line) {
    if (!command_line.module.empty()) return command_line.module;
    return ModuleLibrary::default_path();
}

int run_probe(const CommandLine& command_line) {
    require_readable(command_line.company_file);
    ProbeResult probe;
    {
        StderrCapture capture;
        ModuleLibrary module(module_path(command_line));
        ModuleSession session(module.api(), capture);
        probe = probe_company(session, command_line.company_file);
        session.pass_on_messages();
    }
    std::cout << "Package: " << to_utf8(FieldText(probe.package.packageName)) << "\n"
              << "File filter: " << to_utf8(FieldText(probe.package.fileFilter)) << "\n"
              << "Level: " << probe.package.packageLevel << "\n";
    if (!probe.is_company) {
        std::cout.flush();
        throw ImportError(command_line.company_file + " is not a company database");
    }
    std::cout << "Company: " << to_utf8(FieldText(probe.company.companyName))
              << "\n"
              // The path is the user's own bytes, already in the system's encoding.
              << "Path: " << FieldText(probe.company.companyPath) << "\n";
    return 0;
}

std::unique_ptr<ImportSink> make_sink(const CommandLine& command_line) {
    switch (command_line.format) {
        case OutputFormat::kCsv:
            return std::make_unique<CsvFolderSink>(command_line.output);
        case OutputFormat::kJsonLines:
            return std::make_unique<JsonLinesSink>(command_line.output);
        case OutputFormat::kNone:
            break;
    }
    return std::make_unique<NullSink>();
}

std::string output_line(const CommandLine& command_line) {
    switch (command_line.format) {
        case OutputFormat::kCsv: {
            std::string line = "Output: " + command_line.output + " (";
            const char* separator = "";
            for (const char* name : CsvFolderSink::kFileNames) {
                line += separator;
                line += name;
                separator = ", ";
            }
            return line + ")\n";
        }
        case OutputFormat::kJsonLines:
            return command_line.output == "-" ? "Output: standard output\n"
                                              : "Output: " + command_line.output + "\n";
        case OutputFormat::kNone:
            break;
    }
    return {};
}

int run_import_command(const CommandLine& command_line) {
    require_readable(command_line.company_file);
    const std::unique_ptr<ImportSink> sink = make_sink(command_line);
    ImportSummary summary;
    {
        StderrCapture capture;
        const bool show_progress = !command_line.quiet && ::isatty(capture.user_stderr()) == 1;
        ProgressBar progress(capture.user_stderr(), show_progress);
        ModuleLibrary module(module_path(command_line));
        ModuleSession session(module.api(), capture);
        run_import(session, command_line.company_file, command_line.start_period, *sink, summary,
                   progress);
    }
    if (!command_line.quiet) {
        // The summary stays out of the way of output written to standard output.
        std::ostream& report = command_line.output_is_stdout() ? std::cerr : std::cout;
        report << summary.text() << output_line(command_line);
        report.flush();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed output pipe is reported as a write error, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);

    const ParsedCommandLine parsed = parse_command_line(argc, argv, std::cout, std::cerr);
    if (!parsed.command_line) return parsed.exit_status;
    const CommandLine& command_line = *parsed.command_line;
    try {
        return command_line.probe ? run_probe(command_line) : run_import_command(command_line);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "aap-import: " << error.what() << "\n";
        return 1;
    }
}
