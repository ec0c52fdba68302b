// csv_writer_test.cpp - RFC 4180 quoting of CSV fields.

#include "csv_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "run_program.h"

namespace aap::host {
namespace {

TEST(CsvWriter, QuotesExactlyTheFieldsThatNeedIt) {
    const std::filesystem::path path = test::fresh_folder("csv_writer") / "rows.csv";
    {
        OutputFile file(path);
        CsvWriter csv(file);
        csv.text("plain");
        csv.text("a,b");
        csv.text("say \"hi\"");
        csv.text("two\nlines");
        csv.text("cr\rhere");
        csv.text(" padded ");
        csv.empty();
        csv.end_row();
        csv.record_text("Caf\xE9, \x93quoted\x94");
        csv.integer(-42);
        csv.amount(-0.0, AmountKind::kCurrency);
        csv.end_row();
        file.close();
    }
    EXPECT_EQ(test::read_file(path),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\rhere\", padded ,\r\n"
              "\"Caf\u00E9, \u201Cquoted\u201D\",-42,0\r\n");
}

}  // namespace
}  // namespace aap::host
