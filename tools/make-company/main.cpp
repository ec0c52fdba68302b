// make-company: writes a synthetic general-ledger company of a chosen size to a SQLite
// file, deterministically from a seed.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>

#include "company_file.h"
#include "company_options.h"

int main(int argc, char** argv) {
    CLI::App app{
        "Writes a synthetic general-ledger company to a SQLite file. The same seed and options "
        "give a byte-identical file. Counts left open grow with --lines (default 10000).",
        "make-company"};
    CompanyOptions options;
    std::string output;
    std::string linesPerEntry;
    bool quiet = false;
    app.add_option("output", output, "SQLite file to write (replaced if it exists)")->required();
    app.add_option("--seed", options.seed, "seed of every random draw")->capture_default_str();
    auto* lines = app.add_option("--lines", options.lines, "journal lines, exactly");
    app.add_option("--entries", options.entries, "journal entries, exactly (instead of --lines)")
        ->excludes(lines);
    app.add_option("--lines-per-entry", linesPerEntry,
                   "range of lines per entry, MIN-MAX (default 2-8)");
    app.add_option("--accounts", options.accounts,
                   "codes of the Prime part Account (default: 2 x sqrt(lines))");
    app.add_option("--other-parts", options.otherParts,
                   "base parts besides Account (Fund, Location, ...)")
        ->capture_default_str();
    app.add_option("--derived-parts", options.derivedParts, "Derived parts (Dept, Division, ...)")
        ->capture_default_str();
    app.add_option("--rollups", options.rollups,
                   "rollups, hung off the Derived, then the Other parts")
        ->capture_default_str();
    app.add_option("--codes-per-part", options.codesPerPart,
                   "codes of each Other and Derived part (default: accounts / 50, 3 to 400)");
    app.add_option("--years", options.years, "fiscal years of journal history")
        ->capture_default_str();
    app.add_option("--start-year", options.startYear, "first fiscal year of the history")
        ->capture_default_str();
    app.add_option("--current-year", options.currentYear,
                   "the company's current fiscal year (default: the start year, so that an import "
                   "takes the whole history)");
    app.add_option("--start-month", options.startMonth,
                   "calendar month in which a fiscal year starts")
        ->capture_default_str();
    app.add_option("--current-period", options.currentPeriod, "the company's current period")
        ->capture_default_str();
    app.add_option("--budgets", options.budgets, "budget numbers per budgeted year (0: no budgets)")
        ->capture_default_str();
    app.add_option("--budget-years", options.budgetYears,
                   "budgeted years, from the current year on")
        ->capture_default_str();
    app.add_flag(
        "--keyed", options.keyed,
        "add the indexes the accounting server keeps (GL_JournalEntry and GL_JournalDetail "
        "on Batch, Entry; GL_SummaryCodeBlock on RecordKey)");
    app.add_option("--company-name", options.companyName,
                   "CompanyName (default: Synthetic Company SEED)");
    app.add_flag("--quiet,-q", quiet, "print nothing on success");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : 2;  // --help is not an error; a usage error is 2
    }

    if (!linesPerEntry.empty()) {
        int lo = 0;
        int hi = 0;
        char extra = 0;
        const int fields = std::sscanf(linesPerEntry.c_str(), "%d-%d%c", &lo, &hi, &extra);
        if (fields == 1) {
            hi = lo;
        } else if (fields != 2) {
            std::cerr << "make-company: --lines-per-entry takes MIN-MAX, such as 2-8\n";
            return 2;
        }
        options.minLinesPerEntry = lo;
        options.maxLinesPerEntry = hi;
    }

    try {
        options = resolveOptions(options);
        const auto started = std::chrono::steady_clock::now();
        const std::vector<TableRowCount> counts = writeCompany(options, output);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        if (!quiet) {
            std::printf("%s: seed %llu, %d accounts, %d codes per part, in %.1f s\n",
                        output.c_str(), static_cast<unsigned long long>(options.seed),
                        *options.accounts, *options.codesPerPart, took.count());
            for (const TableRowCount& count : counts) {
                std::printf("  %-24s %10lld\n", count.table.c_str(),
                            static_cast<long long>(count.rows));
            }
        }
    } catch (const std::invalid_argument& error) {
        std::cerr << "make-company: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "make-company: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
