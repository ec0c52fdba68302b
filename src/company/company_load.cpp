// company_load.cpp - opening a company and its fiscal calendar.
//
// The load runs in fixed steps: open the database (guarded: "database"
// message), open the control table and every stream recordset (guarded:
// "tables" message), check the accounting periods, build the account
// structure (the part-tables message), and count the selected entries.  The
// reads between the guarded steps report their failures like the tables
// step, so every failure reaches the user as exactly one message.

#include "company/company_load.h"

#include <cstdio>
#include <exception>
#include <string>

#include "company/account_parts.h"
#include "db/field_readers.h"
#include "db/read_only_query.h"

namespace aap {

namespace {

// The journal entries from a start year and period on, and their lines.
std::string EntryQuery(int startYear, int startPeriod) {
    char sql[512];
    std::snprintf(sql, sizeof sql,
                  "SELECT * FROM GL_JournalEntry WHERE UpdateBeginningBalance = 0 AND "
                  "(FiscalYear > %d OR (FiscalYear = %d AND PeriodNumber >= %d)) "
                  "ORDER BY Batch, Entry;",
                  startYear, startYear, startPeriod);
    return sql;
}

std::string DetailQuery(int startYear, int startPeriod) {
    char sql[1024];
    std::snprintf(sql, sizeof sql,
                  "SELECT GL_JournalDetail.* FROM GL_JournalDetail INNER JOIN GL_JournalEntry ON "
                  "(GL_JournalDetail.Batch = GL_JournalEntry.Batch) AND (GL_JournalDetail.Entry = "
                  "GL_JournalEntry.Entry) WHERE GL_JournalEntry.UpdateBeginningBalance = 0 AND "
                  "(GL_JournalEntry.FiscalYear > %d OR (GL_JournalEntry.FiscalYear = %d AND "
                  "GL_JournalEntry.PeriodNumber >= %d)) ORDER BY GL_JournalDetail.Batch, "
                  "GL_JournalDetail.Entry, GL_JournalDetail.Line, GL_JournalDetail.SubLine;",
                  startYear, startYear, startPeriod);
    return sql;
}

constexpr char kPeriodQuery[] = "SELECT * FROM [GL_AcctPeriod] WHERE [PeriodNumber] <> 0;";
constexpr char kPartsQuery[] =
    "SELECT * FROM [AA_AccountParts] ORDER BY "
    "IIf([PartType]='Derived',100+[PartNumber],[PartNumber]);";
constexpr char kRollupsQuery[] =
    "SELECT * FROM [AA_Rollups] ORDER BY AccountPartName, RollupTableName;";
constexpr char kOpeningQuery[] =
    "SELECT * FROM GL_SumActualBalances INNER JOIN GL_SummaryCodeBlock ON "
    "GL_SumActualBalances.LinkPointer = GL_SummaryCodeBlock.RecordKey WHERE PeriodNumber = 0;";

// Closes the company database (and with it every recordset opened on it)
// and hands back the failure to show.
CallOutcome FailAndClose(ConverterState& state, CallOutcome failure) {
    try {
        if (state.companyDb.IsOpen()) state.companyDb.Close();
    } catch (...) {
    }
    return failure;
}

// The calendar month in which the fiscal year starts, from the first
// period's begin month and number (16-bit arithmetic, as the source keeps it).
int16_t FiscalStartMonth(int16_t beginMonth, int16_t periodNumber) {
    return static_cast<int16_t>(periodNumber > beginMonth ? beginMonth - periodNumber + 13
                                                          : beginMonth - periodNumber + 1);
}

}  // namespace

CallOutcome LoadCompany(ConverterState& state, CompanyInfo* company, AccountStructure* structure,
                        int32_t* entryTotal) {
    state.companyLoaded = false;
    // A budget stream of an earlier company that was never finished.
    state.DiscardScratch();

    cdb::CdbDBEngine engine(false, true, nullptr, nullptr, nullptr, cdb::dbUseJet);
    structure->partCount = 0;
    structure->linkedCount = 0;

    const std::string path(FieldText(company->companyPath));
    try {
        state.companyDb = engine.Workspaces[0].OpenDatabase(path.c_str(), false, true, nullptr);
    } catch (const std::exception& error) {
        return CallOutcome::Failure(kUnableToOpenDatabase, error.what());
    }

    try {
        state.controlRs = state.companyDb.OpenRecordset("GL_ControlInformation", cdb::dbOpenTable,
                                                        cdb::dbReadOnly, cdb::dbDefaultLock);
        ReadTextField(state.controlRs, "CompanyName", company->companyName);
        company->fiscalYear = ReadShortField(state.controlRs, "FiscalYear");
        company->companyNote[0] = '\0';
        state.startYear = company->fiscalYear;
        state.startPeriod = company->currentPeriod;
        state.periodRs = OpenReadOnlyQuery(state.companyDb, kPeriodQuery);
        state.partsRs = OpenReadOnlyQuery(state.companyDb, kPartsQuery);
        state.rollupsRs = OpenReadOnlyQuery(state.companyDb, kRollupsQuery);
        state.openingRs = OpenReadOnlyQuery(state.companyDb, kOpeningQuery);
        state.entryRs =
            OpenReadOnlyQuery(state.companyDb, EntryQuery(state.startYear, state.startPeriod));
        state.detailRs =
            OpenReadOnlyQuery(state.companyDb, DetailQuery(state.startYear, state.startPeriod));
    } catch (const std::exception& error) {
        return FailAndClose(state, CallOutcome::Failure(kUnableToOpenTables, error.what()));
    }

    try {
        if (state.periodRs.GetEOF()) {
            return FailAndClose(state, CallOutcome::Failure(kNotEnoughPeriods,
                                                            "GL_AcctPeriod has no period "
                                                            "other than period 0"));
        }
        const int16_t beginMonth = ReadDateField(state.periodRs, "BeginDate").month;
        const int16_t periodNumber = ReadShortField(state.periodRs, "PeriodNumber");
        company->fiscalStartMonth = FiscalStartMonth(beginMonth, periodNumber);

        const int16_t periods = ReadShortField(state.controlRs, "NumberOfPeriods");
        if (periods != 12) {
            char message[96];
            std::snprintf(message, sizeof message, kPeriodCountFormat, periods);
            return FailAndClose(state, CallOutcome::Failure(message));
        }
        company->currentPeriod = ReadShortField(state.controlRs, "CurrentGLPeriod");
    } catch (const std::exception& error) {
        return FailAndClose(state, CallOutcome::Failure(kUnableToOpenTables, error.what()));
    }

    CallOutcome parts = LoadAccountParts(state, structure);
    if (parts.result != 1) return FailAndClose(state, std::move(parts));

    int32_t total = 0;
    try {
        // The exact count costs one pass to the end of the entries.
        if (state.entryRs.GetRecordCount() != 0) {
            state.entryRs.MoveLast();
            state.entryRs.MoveFirst();
        }
        total = state.entryRs.GetRecordCount() + 1;
    } catch (const std::exception& error) {
        return FailAndClose(state, CallOutcome::Failure(kUnableToOpenTables, error.what()));
    }
    *entryTotal = total;

    state.lastBatch = 0;
    state.budgetPhase = 0;
    state.openingPhase = 0;
    state.entryKeyValid = false;
    state.streamOver = false;
    state.companyLoaded = true;
    return CallOutcome::Done(1);
}

}  // namespace aap
