-- Demo company: Harrow Valley Arts Alliance, a small non-profit arts centre (invented).
-- Structure: Prime part Account, Other part Fund (PartType 'Segment'), Derived part
-- Dept with rollup Region, rollup Group on Fund.
-- Fiscal year 1997 runs from 1996-07-01 to 1997-06-30 in 12 monthly periods; the
-- current period is 5 (November 1996). Journal entries run from fiscal 1996 period 10
-- to fiscal 1998 period 3; budgets exist for 1996, 1997 and 1998.
-- The build turns this script into build/demo/demo.db (tool aap-sql-to-sqlite).

CREATE TABLE GL_ControlInformation (
  CompanyName      TEXT(40),
  FiscalYear       SHORT,
  NumberOfPeriods  SHORT,
  CurrentGLPeriod  SHORT
);

CREATE TABLE GL_AcctPeriod (
  FiscalYear    SHORT,
  PeriodNumber  SHORT,
  BeginDate     DATETIME,
  EndDate       DATETIME
);

CREATE TABLE AA_AccountParts (
  PartNumber    SHORT,
  PartName      TEXT(18),
  PartType      TEXT(7),    -- 'Prime', 'Derived', or anything else (an ordinary part)
  FieldSize     SHORT,
  BriefHeading  TEXT(12)
);

CREATE TABLE AA_Rollups (
  RollupTableName  TEXT(18),
  AccountPartName  TEXT(18),
  FieldSize        SHORT,
  BriefHeading     TEXT(12)
);

-- Code tables. Every one has its code column (named after the table), Description,
-- BriefDescription and Status. The Prime part's table adds AccountType and one column
-- per Derived part; a part's table adds one column per rollup that hangs off it.
CREATE TABLE Account (
  Account           TEXT(10),
  Description       TEXT(50),
  BriefDescription  TEXT(30),
  Status            TEXT(1),
  AccountType       SHORT,
  Dept              TEXT(4)
);
CREATE TABLE Fund (
  Fund              TEXT(4),
  Description       TEXT(50),
  BriefDescription  TEXT(30),
  Status            TEXT(1),
  [Group]           TEXT(4)
);
CREATE TABLE Dept (
  Dept              TEXT(4),
  Description       TEXT(50),
  BriefDescription  TEXT(30),
  Status            TEXT(1),
  Region            TEXT(4)
);
CREATE TABLE Region (
  Region            TEXT(4),
  Description       TEXT(50),
  BriefDescription  TEXT(30),
  Status            TEXT(1)
);
CREATE TABLE [Group] (
  [Group]           TEXT(4),
  Description       TEXT(50),
  BriefDescription  TEXT(30),
  Status            TEXT(1)
);

-- One row per account: the codes of the base parts (one column per base part, named
-- after it). Balances and budgets point at it through LinkPointer.
CREATE TABLE GL_SummaryCodeBlock (
  RecordKey  LONG,
  Account    TEXT(10),
  Fund       TEXT(4)
);

CREATE TABLE GL_SumActualBalances (
  LinkPointer   LONG,
  FiscalYear    SHORT,
  PeriodNumber  SHORT,     -- 0 holds the opening balance
  Debits        CURRENCY,
  Credits       CURRENCY
);

CREATE TABLE GL_SumBudgetBalances (
  LinkPointer   LONG,
  BudgetNumber  SHORT,
  FiscalYear    SHORT,
  PeriodNumber  SHORT,
  Amount        DOUBLE
);

CREATE TABLE GL_SumBudgetQuantities (
  LinkPointer   LONG,
  BudgetNumber  SHORT,
  FiscalYear    SHORT,
  PeriodNumber  SHORT,
  Quantity      DOUBLE
);

CREATE TABLE GL_JournalEntry (
  Batch                   LONG,
  Entry                   LONG,
  FiscalYear              SHORT,
  PeriodNumber            SHORT,
  UpdateBeginningBalance  BIT,
  EntryDateStamp          DATETIME,
  SourceCode              TEXT(6),
  ApplyToYear             SHORT,
  ApplyToPeriod           SHORT,
  TransactionDate         DATETIME,
  PrimaryReference        TEXT(10),
  Explanation             TEXT(60)
);

-- One row per line; one code column per base part, named after it.
CREATE TABLE GL_JournalDetail (
  Batch         LONG,
  Entry         LONG,
  Line          LONG,
  SubLine       LONG,
  Account       TEXT(10),
  Fund          TEXT(4),
  Description   TEXT(60),
  DebitAmount   CURRENCY,
  CreditAmount  CURRENCY
);

-- Company and fiscal calendar
INSERT INTO GL_ControlInformation VALUES ('Harrow Valley Arts Alliance', 1997, 12, 5);

-- Period 0 (the opening) first, then the twelve months from July 1996
INSERT INTO GL_AcctPeriod VALUES (1997, 0, '1996-07-01', '1996-07-01');
INSERT INTO GL_AcctPeriod VALUES (1997, 1, '1996-07-01', '1996-07-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 2, '1996-08-01', '1996-08-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 3, '1996-09-01', '1996-09-30');
INSERT INTO GL_AcctPeriod VALUES (1997, 4, '1996-10-01', '1996-10-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 5, '1996-11-01', '1996-11-30');
INSERT INTO GL_AcctPeriod VALUES (1997, 6, '1996-12-01', '1996-12-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 7, '1997-01-01', '1997-01-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 8, '1997-02-01', '1997-02-28');
INSERT INTO GL_AcctPeriod VALUES (1997, 9, '1997-03-01', '1997-03-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 10, '1997-04-01', '1997-04-30');
INSERT INTO GL_AcctPeriod VALUES (1997, 11, '1997-05-01', '1997-05-31');
INSERT INTO GL_AcctPeriod VALUES (1997, 12, '1997-06-01', '1997-06-30');

-- Account parts, stored out of PartNumber order; the Derived part sorts last
-- whatever its number
INSERT INTO AA_AccountParts VALUES (3, 'Dept', 'Derived', 4, 'Department');
INSERT INTO AA_AccountParts VALUES (1, 'Account', 'Prime', 10, 'Account');
INSERT INTO AA_AccountParts VALUES (2, 'Fund', 'Segment', 4, 'Fund');

INSERT INTO AA_Rollups VALUES ('Group', 'Fund', 4, 'Fund Group');
INSERT INTO AA_Rollups VALUES ('Region', 'Dept', 4, 'Region');

-- Chart of accounts. AccountType values: table hits 10 11 12 14 17 19 20 21 27 29
-- 30 39 40 41 50 51; range fall-backs 15 23 35 45 47 55 57 58 60 0 -3; one empty
INSERT INTO Account VALUES ('10100', 'Cash - Operating Checking', 'Operating Cash', 'A', 10, 'ADM');
INSERT INTO Account VALUES ('10300', 'Petty Cash', 'Petty Cash', 'A', 11, 'ADM');
INSERT INTO Account VALUES ('12100', 'Grants Receivable', 'Grants Receivable', 'A', 12, 'DEV');
INSERT INTO Account VALUES ('12200', 'Pledges Receivable', 'Pledges Receivable', 'A', 12, 'DEV');
INSERT INTO Account VALUES ('13100', 'Gift Shop Inventory', 'Shop Inventory', 'A', 14, 'FAC');
INSERT INTO Account VALUES ('15100', 'Prepaid Insurance', 'Prepaid Insurance', 'A', 15, 'ADM');
INSERT INTO Account VALUES ('17100', 'Building and Improvements', 'Building', 'A', 17, 'FAC');
INSERT INTO Account VALUES ('19100', 'Accumulated Depreciation - Building', 'Accum Depreciation', 'A', 19, 'FAC');
INSERT INTO Account VALUES ('20100', 'Accounts Payable', 'Accounts Payable', 'A', 20, 'ADM');
INSERT INTO Account VALUES ('21100', 'Accrued Salaries and Wages', 'Accrued Salaries', 'A', 21, 'ADM');
INSERT INTO Account VALUES ('23100', 'Payroll Taxes Payable', 'Payroll Taxes Payable', 'A', 23, 'ADM');
INSERT INTO Account VALUES ('27100', 'Deferred Subscription Revenue', 'Deferred Revenue', 'A', 27, 'PRG');
INSERT INTO Account VALUES ('29100', 'Mortgage Note Payable - First Riverside Bank', 'Mortgage Payable', 'A', 29, 'FAC');
INSERT INTO Account VALUES ('30100', 'Net Assets - Unrestricted', 'Unrestricted Net Assets', 'A', 30, 'ADM');
INSERT INTO Account VALUES ('35100', 'Net Assets - Temporarily Restricted', 'Restricted Net Assets', 'A', 35, 'ADM');
INSERT INTO Account VALUES ('39100', 'Current Year Surplus (Deficit)', 'Current Surplus', 'A', 39, 'ADM');
INSERT INTO Account VALUES ('40100', 'Individual Contributions', 'Contributions', 'A', 40, 'DEV');
INSERT INTO Account VALUES ('41100', 'Foundation and Government Grants', 'Grants', 'A', 41, 'DEV');
INSERT INTO Account VALUES ('45100', 'Ticket and Subscription Sales', 'Ticket Sales', 'A', 45, 'PRG');
INSERT INTO Account VALUES ('45200', 'Class and Workshop Tuition', 'Tuition', 'A', 45, 'EDU');
INSERT INTO Account VALUES ('47100', 'Gift Shop Sales', 'Shop Sales', 'A', 47, 'FAC');
INSERT INTO Account VALUES ('50100', 'Salaries and Wages', 'Salaries', 'A', 50, 'ADM');
INSERT INTO Account VALUES ('51100', 'Employee Benefits and Payroll Taxes', 'Benefits', 'A', 51, 'ADM');
INSERT INTO Account VALUES ('55100', 'Artist and Performer Fees', 'Artist Fees', 'A', 55, 'PRG');
INSERT INTO Account VALUES ('55200', 'Instructor Fees', 'Instructor Fees', 'A', 55, 'EDU');
INSERT INTO Account VALUES ('57100', 'Occupancy, Rent and Utilities', 'Occupancy', 'A', 57, 'FAC');
INSERT INTO Account VALUES ('58100', 'Printing and Advertising', 'Printing/Advertising', 'A', 58, 'DEV');
INSERT INTO Account VALUES ('60100', 'Depreciation Expense', 'Depreciation', 'A', 60, 'FAC');
INSERT INTO Account VALUES ('90100', 'Suspense - Unidentified Receipts', 'Suspense', 'A', 0, 'ADM');
INSERT INTO Account VALUES ('99900', 'Conversion Clearing - Prior System', 'Conversion Clearing', 'I', -3, 'ADM');
INSERT INTO Account VALUES ('99950', 'Statistical - Volunteer Hours', 'Volunteer Hours', 'I', NULL, 'ADM');

INSERT INTO Dept VALUES ('ADM', 'Administration and General', 'Administration', 'A', 'MAIN');
INSERT INTO Dept VALUES ('DEV', 'Development and Fundraising', 'Development', 'A', 'MAIN');
INSERT INTO Dept VALUES ('EDU', 'Education and Community Classes', 'Education', 'A', 'WEST');
INSERT INTO Dept VALUES ('FAC', 'Facilities and Gallery Operations', 'Facilities', 'A', 'EAST');
INSERT INTO Dept VALUES ('PRG', 'Performances and Exhibitions', 'Programs', 'A', 'EAST');

INSERT INTO Region VALUES ('EAST', 'East Riverside Arts Center', 'East Center', 'A');
INSERT INTO Region VALUES ('MAIN', 'Main Office - 14 Harrow Street', 'Main Office', 'A');
INSERT INTO Region VALUES ('WEST', 'West Hills Community Studio', 'West Studio', 'A');

INSERT INTO Fund VALUES ('BLD', 'Building Renovation Fund', 'Building Fund', 'A', 'RES');
INSERT INTO Fund VALUES ('GEN', 'General Operating Fund', 'General Operating', 'A', 'UNR');
INSERT INTO Fund VALUES ('GRT', 'State Arts Council Grant 1996-97', 'State Grant', 'A', 'RES');
INSERT INTO Fund VALUES ('SCH', 'Youth Scholarship Fund', 'Scholarships', 'A', 'RES');

INSERT INTO [Group] VALUES ('RES', 'Temporarily Restricted Funds', 'Restricted', 'A');
INSERT INTO [Group] VALUES ('UNR', 'Unrestricted Funds', 'Unrestricted', 'A');

-- One row per account (Account and Fund codes); keys start at 101
INSERT INTO GL_SummaryCodeBlock VALUES (101, '10100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (102, '10100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (103, '10100', 'GRT');
INSERT INTO GL_SummaryCodeBlock VALUES (104, '10100', 'SCH');
INSERT INTO GL_SummaryCodeBlock VALUES (105, '10300', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (106, '12100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (107, '12100', 'GRT');
INSERT INTO GL_SummaryCodeBlock VALUES (108, '12200', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (109, '12200', 'SCH');
INSERT INTO GL_SummaryCodeBlock VALUES (110, '13100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (111, '15100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (112, '17100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (113, '17100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (114, '19100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (115, '19100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (116, '20100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (117, '21100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (118, '23100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (119, '27100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (120, '29100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (121, '29100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (122, '30100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (123, '35100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (124, '35100', 'GRT');
INSERT INTO GL_SummaryCodeBlock VALUES (125, '35100', 'SCH');
INSERT INTO GL_SummaryCodeBlock VALUES (126, '39100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (127, '40100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (128, '40100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (129, '40100', 'SCH');
INSERT INTO GL_SummaryCodeBlock VALUES (130, '41100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (131, '41100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (132, '41100', 'GRT');
INSERT INTO GL_SummaryCodeBlock VALUES (133, '45100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (134, '45200', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (135, '45200', 'SCH');
INSERT INTO GL_SummaryCodeBlock VALUES (136, '47100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (137, '50100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (138, '50100', 'GRT');
INSERT INTO GL_SummaryCodeBlock VALUES (139, '51100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (140, '55100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (141, '55100', 'GRT');
INSERT INTO GL_SummaryCodeBlock VALUES (142, '55200', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (143, '55200', 'SCH');
INSERT INTO GL_SummaryCodeBlock VALUES (144, '57100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (145, '57100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (146, '58100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (147, '60100', 'BLD');
INSERT INTO GL_SummaryCodeBlock VALUES (148, '60100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (149, '90100', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (150, '99900', 'GEN');
INSERT INTO GL_SummaryCodeBlock VALUES (151, '99950', 'GEN');

-- Journal entries: fiscal 1996 periods 10-12, fiscal 1997 periods 1-12, fiscal 1998
-- periods 1-3. Three entries update the beginning balance. Entry 106/3 has no
-- EntryDateStamp, 109/1 no Explanation, 107/3 a single zero line, 110/3 applies to
-- period 9. Entry 106/4 was keyed late and is stored last.
INSERT INTO GL_JournalEntry VALUES (95, 1, 1996, 10, 0, '1996-04-15 10:05:00', 'CR', 1996, 10, '1996-04-12', 'DEP 0496-2', 'Spring appeal - April deposits');
INSERT INTO GL_JournalEntry VALUES (95, 2, 1996, 11, 0, '1996-05-09 14:20:00', 'CD', 1996, 11, '1996-05-08', 'CHK 4302', 'Gallery lighting repair - Bright Spark Electric');
INSERT INTO GL_JournalEntry VALUES (96, 1, 1996, 12, 0, '1996-06-28 16:45:00', 'PR', 1996, 12, '1996-06-28', 'PR 06/96', 'June 1996 payroll');
INSERT INTO GL_JournalEntry VALUES (101, 1, 1997, 1, 0, '1996-07-22 09:12:00', 'CR', 1997, 1, '1996-07-19', 'DEP 0796-1', '1996-97 season subscriptions');
INSERT INTO GL_JournalEntry VALUES (101, 2, 1997, 1, 0, '1996-07-30 11:40:00', 'CD', 1997, 1, '1996-07-30', 'CHK 4398', 'Annual property and liability insurance');
INSERT INTO GL_JournalEntry VALUES (102, 1, 1997, 2, 0, '1996-08-30 17:02:00', 'PR', 1997, 2, '1996-08-30', 'PR 08/96', 'August 1996 payroll');
INSERT INTO GL_JournalEntry VALUES (103, 1, 1997, 3, 0, '1996-09-17 10:30:00', 'CR', 1997, 3, '1996-09-16', 'DEP 0996-1', 'State Arts Council - first installment');
INSERT INTO GL_JournalEntry VALUES (103, 2, 1997, 3, 0, '1996-09-27 15:15:00', 'CD', 1997, 3, '1996-09-27', 'CHK 4451', 'Fall term instructors - scholarship students');
INSERT INTO GL_JournalEntry VALUES (104, 1, 1997, 4, 0, '1996-10-14 08:55:00', 'CD', 1997, 4, '1996-10-11', 'CHK 4477', 'Roof replacement - Kessler Roofing');
INSERT INTO GL_JournalEntry VALUES (104, 2, 1997, 4, 0, '1996-10-25 13:10:00', 'CR', 1997, 4, '1996-10-25', 'DEP 1096-3', 'Fall classes tuition');
INSERT INTO GL_JournalEntry VALUES (104, 3, 1997, 4, 1, '1996-11-02 09:00:00', 'GJ', 1997, 0, '1996-10-31', 'AUD 96-01', 'Auditor''s adjustment to fiscal 1996 payables');
INSERT INTO GL_JournalEntry VALUES (105, 1, 1997, 5, 0, '1996-11-25 09:47:00', 'CR', 1997, 5, '1996-11-22', 'DEP 1196-2', 'Holiday gala ticket sales');
INSERT INTO GL_JournalEntry VALUES (105, 2, 1997, 5, 0, '1996-11-29 15:31:00', 'CD', 1997, 5, '1996-11-29', 'CHK 4522', 'November concert series - artist fees');
INSERT INTO GL_JournalEntry VALUES (105, 3, 1997, 5, 0, '1996-11-29 17:20:00', 'PR', 1997, 5, '1996-11-29', 'PR 11/96', 'November 1996 payroll');
INSERT INTO GL_JournalEntry VALUES (106, 1, 1997, 6, 0, '1997-01-03 10:14:00', 'CR', 1997, 6, '1996-12-31', 'DEP 1296-4', 'Year-end appeal');
INSERT INTO GL_JournalEntry VALUES (106, 2, 1997, 6, 0, '1996-12-20 11:05:00', 'CR', 1997, 6, '1996-12-20', 'DEP 1296-2', 'Scholarship gifts - Linden family');
INSERT INTO GL_JournalEntry VALUES (106, 3, 1997, 6, 0, NULL, 'GJ', 1997, 6, '1996-12-31', 'JE 97-011', 'December depreciation - building');
INSERT INTO GL_JournalEntry VALUES (107, 1, 1997, 7, 0, '1997-01-17 14:48:00', 'CD', 1997, 7, '1997-01-17', 'CHK 4590', 'Winter term instructors');
INSERT INTO GL_JournalEntry VALUES (107, 2, 1997, 7, 0, '1997-02-03 09:20:00', 'CR', 1997, 7, '1997-01-31', 'DEP 0197-5', 'Gift shop sales - January');
INSERT INTO GL_JournalEntry VALUES (107, 3, 1997, 7, 0, '1997-02-03 09:41:00', 'GJ', 1997, 7, '1997-01-31', 'CHK 4512', 'Void check 4512 - issued in error and destroyed');
INSERT INTO GL_JournalEntry VALUES (108, 1, 1997, 8, 0, '1997-02-28 16:58:00', 'PR', 1997, 8, '1997-02-28', 'PR 02/97', 'February 1997 payroll');
INSERT INTO GL_JournalEntry VALUES (108, 2, 1997, 8, 0, '1997-02-03 10:02:00', 'CD', 1997, 8, '1997-02-03', 'CHK 4601', 'Mortgage payment - February');
INSERT INTO GL_JournalEntry VALUES (109, 1, 1997, 9, 0, '1997-03-24 09:05:00', 'CR', 1997, 9, '1997-03-21', 'DEP 0397-3', NULL);
INSERT INTO GL_JournalEntry VALUES (109, 2, 1997, 9, 0, '1997-04-01 08:30:00', 'GJ', 1997, 9, '1997-03-31', 'JE 97-019', 'Pledges collected in March');
INSERT INTO GL_JournalEntry VALUES (110, 1, 1997, 10, 0, '1997-04-09 13:37:00', 'CD', 1997, 10, '1997-04-09', 'INV 5521', 'Spring brochure - Mill Street Press');
INSERT INTO GL_JournalEntry VALUES (110, 2, 1997, 10, 0, '1997-04-18 10:10:00', 'CR', 1997, 10, '1997-04-18', 'DEP 0497-2', 'State Arts Council - second installment');
INSERT INTO GL_JournalEntry VALUES (110, 3, 1997, 10, 0, '1997-05-02 11:45:00', 'GJ', 1997, 9, '1997-04-30', 'JE 97-022', 'Correct March shop sales posted as tuition');
INSERT INTO GL_JournalEntry VALUES (111, 1, 1997, 11, 0, '1997-05-30 17:11:00', 'PR', 1997, 11, '1997-05-30', 'PR 05/97', 'May 1997 payroll');
INSERT INTO GL_JournalEntry VALUES (111, 2, 1997, 11, 0, '1997-05-01 09:25:00', 'CD', 1997, 11, '1997-05-01', 'CHK 4688', 'West Hills studio rent - May');
INSERT INTO GL_JournalEntry VALUES (112, 1, 1997, 12, 0, '1997-06-20 15:00:00', 'CR', 1997, 12, '1997-06-20', 'DEP 0697-4', 'Summer arts camp tuition');
INSERT INTO GL_JournalEntry VALUES (112, 2, 1997, 12, 0, '1997-07-08 10:20:00', 'GJ', 1997, 12, '1997-06-30', 'JE 97-031', 'Accrue June salaries earned, paid in July');
INSERT INTO GL_JournalEntry VALUES (112, 3, 1997, 12, 1, '1997-07-09 14:05:00', 'GJ', 1997, 0, '1997-06-30', 'JE 97-032', 'Restate opening pledges receivable');
INSERT INTO GL_JournalEntry VALUES (112, 4, 1997, 12, 0, '1997-07-09 14:12:00', 'GJ', 1997, 12, '1997-06-30', 'JE 97-033', 'Depreciation January to June - building');
INSERT INTO GL_JournalEntry VALUES (113, 1, 1998, 1, 0, '1997-07-21 09:33:00', 'CR', 1998, 1, '1997-07-18', 'DEP 0797-1', '1997-98 season subscriptions');
INSERT INTO GL_JournalEntry VALUES (113, 2, 1998, 1, 1, '1997-07-25 16:40:00', 'GJ', 1998, 0, '1997-07-01', 'CLOSE 97', 'Close fiscal 1997 surplus to unrestricted net assets');
INSERT INTO GL_JournalEntry VALUES (114, 1, 1998, 2, 0, '1997-08-29 17:05:00', 'PR', 1998, 2, '1997-08-29', 'PR 08/97', 'August 1997 payroll');
INSERT INTO GL_JournalEntry VALUES (115, 1, 1998, 3, 0, '1997-09-02 10:50:00', 'CD', 1998, 3, '1997-09-02', 'CHK 4790', 'Annual property and liability insurance');
INSERT INTO GL_JournalEntry VALUES (106, 4, 1997, 6, 0, '1997-01-14 08:15:00', 'CD', 1997, 6, '1996-12-31', 'CHK 4561', 'December utilities - Harrow Gas and Electric');

-- Journal lines. A Line split in SubLines 1 and 2 carries one amount per part;
-- plain lines have SubLine 0. Lines of 102/1 and 106/4 are stored out of order.
INSERT INTO GL_JournalDetail VALUES (95, 1, 1, 0, '10100', 'GEN', 'Deposit of spring appeal gifts', 4125.00, 0);
INSERT INTO GL_JournalDetail VALUES (95, 1, 2, 0, '40100', 'GEN', 'Spring appeal gifts', 0, 4125.00);
INSERT INTO GL_JournalDetail VALUES (95, 2, 1, 0, '57100', 'GEN', 'Track lighting repair, east gallery', 612.40, 0);
INSERT INTO GL_JournalDetail VALUES (95, 2, 2, 0, '10100', 'GEN', 'Check 4302', 0, 612.40);
INSERT INTO GL_JournalDetail VALUES (96, 1, 1, 0, '50100', 'GEN', 'Gross wages, June', 14210.00, 0);
INSERT INTO GL_JournalDetail VALUES (96, 1, 2, 0, '10100', 'GEN', 'Net pay', 0, 11365.22);
INSERT INTO GL_JournalDetail VALUES (96, 1, 3, 0, '23100', 'GEN', 'Withholding and FICA', 0, 2844.78);
INSERT INTO GL_JournalDetail VALUES (101, 1, 1, 0, '10100', 'GEN', 'Subscription deposits, July', 18450.00, 0);
INSERT INTO GL_JournalDetail VALUES (101, 1, 2, 0, '27100', 'GEN', 'Subscriptions for the coming season', 0, 18450.00);
INSERT INTO GL_JournalDetail VALUES (101, 2, 1, 0, '15100', 'GEN', 'Policy 7731-A, Aug 96 - Jul 97', 5880.00, 0);
INSERT INTO GL_JournalDetail VALUES (101, 2, 2, 0, '10100', 'GEN', 'Check 4398', 0, 5880.00);
INSERT INTO GL_JournalDetail VALUES (102, 1, 1, 2, '50100', 'GEN', 'Gross wages, program staff', 4000.00, 0);
INSERT INTO GL_JournalDetail VALUES (102, 1, 1, 1, '50100', 'GEN', 'Gross wages, administration', 9980.50, 0);
INSERT INTO GL_JournalDetail VALUES (102, 1, 2, 0, '51100', 'GEN', 'Employer FICA and health plan', 2113.75, 0);
INSERT INTO GL_JournalDetail VALUES (102, 1, 3, 0, '10100', 'GEN', 'Net pay and tax deposits', 0, 16094.25);
INSERT INTO GL_JournalDetail VALUES (103, 1, 1, 0, '10100', 'GRT', 'Grant installment received', 15000.00, 0);
INSERT INTO GL_JournalDetail VALUES (103, 1, 2, 0, '12100', 'GRT', 'Grant receivable reduced', 0, 15000.00);
INSERT INTO GL_JournalDetail VALUES (103, 2, 1, 0, '55200', 'SCH', 'Instructor fees, fall term', 2400.00, 0);
INSERT INTO GL_JournalDetail VALUES (103, 2, 2, 0, '10100', 'SCH', 'Check 4451', 0, 2400.00);
INSERT INTO GL_JournalDetail VALUES (104, 1, 1, 0, '17100', 'BLD', 'Roof replacement, main hall', 22750.00, 0);
INSERT INTO GL_JournalDetail VALUES (104, 1, 2, 0, '10100', 'BLD', 'Check 4477', 0, 22750.00);
INSERT INTO GL_JournalDetail VALUES (104, 2, 1, 0, '10100', 'GEN', 'Tuition deposits', 6375.00, 0);
INSERT INTO GL_JournalDetail VALUES (104, 2, 2, 0, '45200', 'GEN', 'Tuition, fall classes', 0, 6375.00);
INSERT INTO GL_JournalDetail VALUES (104, 3, 1, 0, '30100', 'GEN', 'Unrecorded fiscal 1996 invoices', 1250.00, 0);
INSERT INTO GL_JournalDetail VALUES (104, 3, 2, 0, '20100', 'GEN', 'Unrecorded fiscal 1996 invoices', 0, 1250.00);
INSERT INTO GL_JournalDetail VALUES (105, 1, 1, 0, '10100', 'GEN', 'Gala ticket deposits', 9812.50, 0);
INSERT INTO GL_JournalDetail VALUES (105, 1, 2, 0, '45100', 'GEN', 'Holiday gala tickets', 0, 9812.50);
INSERT INTO GL_JournalDetail VALUES (105, 2, 1, 0, '55100', 'GEN', 'Riverside Chamber Players', 4500.00, 0);
INSERT INTO GL_JournalDetail VALUES (105, 2, 2, 0, '55100', 'GRT', 'Touring artist, grant funded', 3000.00, 0);
INSERT INTO GL_JournalDetail VALUES (105, 2, 3, 0, '10100', 'GEN', 'Check 4522', 0, 4500.00);
INSERT INTO GL_JournalDetail VALUES (105, 2, 4, 0, '10100', 'GRT', 'Check 4523', 0, 3000.00);
INSERT INTO GL_JournalDetail VALUES (105, 3, 1, 1, '50100', 'GEN', 'Gross wages, general', 14102.33, 0);
INSERT INTO GL_JournalDetail VALUES (105, 3, 1, 2, '50100', 'GRT', 'Gross wages, grant-funded coordinator', 1500.00, 0);
INSERT INTO GL_JournalDetail VALUES (105, 3, 2, 0, '51100', 'GEN', 'Employer FICA and health plan', 2205.6625, 0);
INSERT INTO GL_JournalDetail VALUES (105, 3, 3, 0, '10100', 'GEN', 'Net pay and deposits', 0, 17807.9925);
INSERT INTO GL_JournalDetail VALUES (106, 1, 1, 0, '10100', 'GEN', 'Year-end appeal deposits', 21640.00, 0);
INSERT INTO GL_JournalDetail VALUES (106, 1, 2, 0, '12200', 'GEN', 'Pledges made in December', 3500.00, 0);
INSERT INTO GL_JournalDetail VALUES (106, 1, 3, 0, '40100', 'GEN', 'Year-end appeal gifts and pledges', 0, 25140.00);
INSERT INTO GL_JournalDetail VALUES (106, 2, 1, 0, '10100', 'SCH', 'Scholarship gift', 4250.00, 0);
INSERT INTO GL_JournalDetail VALUES (106, 2, 2, 0, '40100', 'SCH', 'Scholarship gift', 0, 4250.00);
INSERT INTO GL_JournalDetail VALUES (106, 3, 1, 0, '60100', 'BLD', 'Depreciation, December', 1718.75, 0);
INSERT INTO GL_JournalDetail VALUES (106, 3, 2, 0, '19100', 'BLD', 'Depreciation, December', 0, 1718.75);
INSERT INTO GL_JournalDetail VALUES (107, 1, 1, 0, '55200', 'GEN', 'Instructor fees, winter term', 3150.00, 0);
INSERT INTO GL_JournalDetail VALUES (107, 1, 2, 0, '55200', 'SCH', 'Instructor fees, scholarship places', 1200.00, 0);
INSERT INTO GL_JournalDetail VALUES (107, 1, 3, 0, '10100', 'GEN', 'Check 4590', 0, 3150.00);
INSERT INTO GL_JournalDetail VALUES (107, 1, 4, 0, '10100', 'SCH', 'Check 4591', 0, 1200.00);
INSERT INTO GL_JournalDetail VALUES (107, 2, 1, 0, '10100', 'GEN', 'Shop deposits', 1487.35, 0);
INSERT INTO GL_JournalDetail VALUES (107, 2, 2, 0, '47100', 'GEN', 'Shop sales, January', 0, 1487.35);
INSERT INTO GL_JournalDetail VALUES (107, 3, 1, 0, '10100', 'GEN', 'Check 4512 voided', 0, 0);
INSERT INTO GL_JournalDetail VALUES (108, 1, 1, 1, '50100', 'GEN', 'Gross wages, general', 14388.10, 0);
INSERT INTO GL_JournalDetail VALUES (108, 1, 1, 2, '50100', 'GRT', 'Gross wages, grant-funded coordinator', 1500.00, 0);
INSERT INTO GL_JournalDetail VALUES (108, 1, 2, 0, '51100', 'GEN', 'Employer FICA and health plan', 2251.0875, 0);
INSERT INTO GL_JournalDetail VALUES (108, 1, 3, 0, '10100', 'GEN', 'Net pay and deposits', 0, 18139.1875);
INSERT INTO GL_JournalDetail VALUES (108, 2, 1, 0, '29100', 'BLD', 'Principal', 1850.00, 0);
INSERT INTO GL_JournalDetail VALUES (108, 2, 2, 0, '57100', 'BLD', 'Interest', 1410.42, 0);
INSERT INTO GL_JournalDetail VALUES (108, 2, 3, 0, '10100', 'BLD', 'Check 4601', 0, 3260.42);
INSERT INTO GL_JournalDetail VALUES (109, 1, 1, 0, '10100', 'GEN', 'Spring concert ticket deposits', 12904.00, 0);
INSERT INTO GL_JournalDetail VALUES (109, 1, 2, 0, '45100', 'GEN', 'Spring concert tickets', 0, 12904.00);
INSERT INTO GL_JournalDetail VALUES (109, 2, 1, 0, '10100', 'GEN', 'Pledge payments', 2000.00, 0);
INSERT INTO GL_JournalDetail VALUES (109, 2, 2, 0, '12200', 'GEN', 'Pledge payments', 0, 2000.00);
INSERT INTO GL_JournalDetail VALUES (110, 1, 1, 0, '58100', 'GEN', 'Brochure printing, 4000 copies', 2316.8850, 0);
INSERT INTO GL_JournalDetail VALUES (110, 1, 2, 0, '20100', 'GEN', 'Invoice 5521', 0, 2316.8850);
INSERT INTO GL_JournalDetail VALUES (110, 2, 1, 0, '10100', 'GRT', 'Grant installment received', 7500.00, 0);
INSERT INTO GL_JournalDetail VALUES (110, 2, 2, 0, '41100', 'GRT', 'Grant revenue', 0, 7500.00);
INSERT INTO GL_JournalDetail VALUES (110, 3, 1, 0, '45200', 'GEN', 'Reverse tuition', 318.60, 0);
INSERT INTO GL_JournalDetail VALUES (110, 3, 2, 0, '47100', 'GEN', 'Shop sales, March', 0, 318.60);
INSERT INTO GL_JournalDetail VALUES (111, 1, 1, 1, '50100', 'GEN', 'Gross wages, general', 14388.10, 0);
INSERT INTO GL_JournalDetail VALUES (111, 1, 1, 2, '50100', 'GRT', 'Gross wages, grant-funded coordinator', 1500.00, 0);
INSERT INTO GL_JournalDetail VALUES (111, 1, 2, 0, '51100', 'GEN', 'Employer FICA and health plan', 2251.0875, 0);
INSERT INTO GL_JournalDetail VALUES (111, 1, 3, 0, '10100', 'GEN', 'Net pay and deposits', 0, 18139.1875);
INSERT INTO GL_JournalDetail VALUES (111, 2, 1, 0, '57100', 'GEN', 'Studio rent', 2250.00, 0);
INSERT INTO GL_JournalDetail VALUES (111, 2, 2, 0, '10100', 'GEN', 'Check 4688', 0, 2250.00);
INSERT INTO GL_JournalDetail VALUES (112, 1, 1, 0, '10100', 'GEN', 'Camp tuition deposits', 8640.00, 0);
INSERT INTO GL_JournalDetail VALUES (112, 1, 2, 0, '45200', 'SCH', 'Camp places funded by scholarships', 960.00, 0);
INSERT INTO GL_JournalDetail VALUES (112, 1, 3, 0, '45200', 'GEN', 'Summer camp tuition', 0, 9600.00);
INSERT INTO GL_JournalDetail VALUES (112, 2, 1, 0, '50100', 'GEN', 'Accrued salaries, last third of June', 3412.6667, 0);
INSERT INTO GL_JournalDetail VALUES (112, 2, 2, 0, '21100', 'GEN', 'Accrued salaries', 0, 3412.6667);
INSERT INTO GL_JournalDetail VALUES (112, 3, 1, 0, '12200', 'GEN', 'Pledge omitted from opening balance', 500.00, 0);
INSERT INTO GL_JournalDetail VALUES (112, 3, 2, 0, '30100', 'GEN', 'Pledge omitted from opening balance', 0, 500.00);
INSERT INTO GL_JournalDetail VALUES (112, 4, 1, 0, '60100', 'BLD', 'Depreciation, six months', 10312.50, 0);
INSERT INTO GL_JournalDetail VALUES (112, 4, 2, 0, '19100', 'BLD', 'Depreciation, six months', 0, 10312.50);
INSERT INTO GL_JournalDetail VALUES (113, 1, 1, 0, '10100', 'GEN', 'Subscription deposits, July', 19975.00, 0);
INSERT INTO GL_JournalDetail VALUES (113, 1, 2, 0, '27100', 'GEN', 'Subscriptions for the coming season', 0, 19975.00);
INSERT INTO GL_JournalDetail VALUES (113, 2, 1, 0, '39100', 'GEN', 'Fiscal 1997 surplus', 4812.19, 0);
INSERT INTO GL_JournalDetail VALUES (113, 2, 2, 0, '30100', 'GEN', 'Fiscal 1997 surplus', 0, 4812.19);
INSERT INTO GL_JournalDetail VALUES (114, 1, 1, 1, '50100', 'GEN', 'Gross wages, general', 14820.00, 0);
INSERT INTO GL_JournalDetail VALUES (114, 1, 1, 2, '50100', 'GEN', 'Gross wages, summer camp staff', 2160.00, 0);
INSERT INTO GL_JournalDetail VALUES (114, 1, 2, 0, '51100', 'GEN', 'Employer FICA and health plan', 2419.9275, 0);
INSERT INTO GL_JournalDetail VALUES (114, 1, 3, 0, '10100', 'GEN', 'Net pay and deposits', 0, 19399.9275);
INSERT INTO GL_JournalDetail VALUES (115, 1, 1, 0, '15100', 'GEN', 'Policy 7731-A, Sep 97 - Aug 98', 6120.00, 0);
INSERT INTO GL_JournalDetail VALUES (115, 1, 2, 0, '10100', 'GEN', 'Check 4790', 0, 6120.00);
INSERT INTO GL_JournalDetail VALUES (106, 4, 2, 0, '10100', 'GEN', 'Check 4561', 0, 1143.2750);
INSERT INTO GL_JournalDetail VALUES (106, 4, 1, 0, '57100', 'GEN', 'Gas and electric, December', 1143.2750, 0);

-- Actual balances. Period 0 of fiscal 1997 holds the opening balances; periods 1-12
-- (and fiscal 1996 and 1998) hold the totals of the journal lines posted to them.
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 0, 48215.37, 0);
INSERT INTO GL_SumActualBalances VALUES (105, 1997, 0, 250.00, 0);
INSERT INTO GL_SumActualBalances VALUES (108, 1997, 0, 12400.00, 0);
INSERT INTO GL_SumActualBalances VALUES (110, 1997, 0, 3187.4250, 0);
INSERT INTO GL_SumActualBalances VALUES (111, 1997, 0, 2940.00, 0);
INSERT INTO GL_SumActualBalances VALUES (116, 1997, 0, 0, 8712.58);
INSERT INTO GL_SumActualBalances VALUES (117, 1997, 0, 0, 6305.12);
INSERT INTO GL_SumActualBalances VALUES (118, 1997, 0, 0, 1118.4375);
INSERT INTO GL_SumActualBalances VALUES (122, 1997, 0, 0, 50856.6575);
INSERT INTO GL_SumActualBalances VALUES (149, 1997, 0, 125.00, 125.00);
INSERT INTO GL_SumActualBalances VALUES (101, 1997, 0, 85000.00, 0);
INSERT INTO GL_SumActualBalances VALUES (112, 1997, 0, 412500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (114, 1997, 0, 0, 96250.00);
INSERT INTO GL_SumActualBalances VALUES (120, 1997, 0, 0, 240000.00);
INSERT INTO GL_SumActualBalances VALUES (123, 1997, 0, 0, 161250.00);
INSERT INTO GL_SumActualBalances VALUES (104, 1997, 0, 18640.25, 0);
INSERT INTO GL_SumActualBalances VALUES (109, 1997, 0, 5000.00, 0);
INSERT INTO GL_SumActualBalances VALUES (125, 1997, 0, 0, 23640.25);
INSERT INTO GL_SumActualBalances VALUES (107, 1997, 0, 15000.00, 0);
INSERT INTO GL_SumActualBalances VALUES (124, 1997, 0, 0, 15000.00);
INSERT INTO GL_SumActualBalances VALUES (102, 1996, 10, 4125.00, 0);
INSERT INTO GL_SumActualBalances VALUES (128, 1996, 10, 0, 4125.00);
INSERT INTO GL_SumActualBalances VALUES (102, 1996, 11, 0, 612.40);
INSERT INTO GL_SumActualBalances VALUES (145, 1996, 11, 612.40, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1996, 12, 0, 11365.22);
INSERT INTO GL_SumActualBalances VALUES (118, 1996, 12, 0, 2844.78);
INSERT INTO GL_SumActualBalances VALUES (137, 1996, 12, 14210.00, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 1, 18450.00, 5880.00);
INSERT INTO GL_SumActualBalances VALUES (111, 1997, 1, 5880.00, 0);
INSERT INTO GL_SumActualBalances VALUES (119, 1997, 1, 0, 18450.00);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 2, 0, 16094.25);
INSERT INTO GL_SumActualBalances VALUES (137, 1997, 2, 13980.50, 0);
INSERT INTO GL_SumActualBalances VALUES (139, 1997, 2, 2113.75, 0);
INSERT INTO GL_SumActualBalances VALUES (103, 1997, 3, 15000.00, 0);
INSERT INTO GL_SumActualBalances VALUES (104, 1997, 3, 0, 2400.00);
INSERT INTO GL_SumActualBalances VALUES (107, 1997, 3, 0, 15000.00);
INSERT INTO GL_SumActualBalances VALUES (143, 1997, 3, 2400.00, 0);
INSERT INTO GL_SumActualBalances VALUES (101, 1997, 4, 0, 22750.00);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 4, 6375.00, 0);
INSERT INTO GL_SumActualBalances VALUES (112, 1997, 4, 22750.00, 0);
INSERT INTO GL_SumActualBalances VALUES (134, 1997, 4, 0, 6375.00);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 5, 9812.50, 22307.9925);
INSERT INTO GL_SumActualBalances VALUES (103, 1997, 5, 0, 3000.00);
INSERT INTO GL_SumActualBalances VALUES (133, 1997, 5, 0, 9812.50);
INSERT INTO GL_SumActualBalances VALUES (137, 1997, 5, 14102.33, 0);
INSERT INTO GL_SumActualBalances VALUES (138, 1997, 5, 1500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (139, 1997, 5, 2205.6625, 0);
INSERT INTO GL_SumActualBalances VALUES (140, 1997, 5, 4500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (141, 1997, 5, 3000.00, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 6, 21640.00, 1143.2750);
INSERT INTO GL_SumActualBalances VALUES (104, 1997, 6, 4250.00, 0);
INSERT INTO GL_SumActualBalances VALUES (108, 1997, 6, 3500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (114, 1997, 6, 0, 1718.75);
INSERT INTO GL_SumActualBalances VALUES (128, 1997, 6, 0, 25140.00);
INSERT INTO GL_SumActualBalances VALUES (129, 1997, 6, 0, 4250.00);
INSERT INTO GL_SumActualBalances VALUES (145, 1997, 6, 1143.2750, 0);
INSERT INTO GL_SumActualBalances VALUES (147, 1997, 6, 1718.75, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 7, 1487.35, 3150.00);
INSERT INTO GL_SumActualBalances VALUES (104, 1997, 7, 0, 1200.00);
INSERT INTO GL_SumActualBalances VALUES (136, 1997, 7, 0, 1487.35);
INSERT INTO GL_SumActualBalances VALUES (142, 1997, 7, 3150.00, 0);
INSERT INTO GL_SumActualBalances VALUES (143, 1997, 7, 1200.00, 0);
INSERT INTO GL_SumActualBalances VALUES (101, 1997, 8, 0, 3260.42);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 8, 0, 18139.1875);
INSERT INTO GL_SumActualBalances VALUES (120, 1997, 8, 1850.00, 0);
INSERT INTO GL_SumActualBalances VALUES (137, 1997, 8, 14388.10, 0);
INSERT INTO GL_SumActualBalances VALUES (138, 1997, 8, 1500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (139, 1997, 8, 2251.0875, 0);
INSERT INTO GL_SumActualBalances VALUES (144, 1997, 8, 1410.42, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 9, 14904.00, 0);
INSERT INTO GL_SumActualBalances VALUES (108, 1997, 9, 0, 2000.00);
INSERT INTO GL_SumActualBalances VALUES (133, 1997, 9, 0, 12904.00);
INSERT INTO GL_SumActualBalances VALUES (103, 1997, 10, 7500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (116, 1997, 10, 0, 2316.8850);
INSERT INTO GL_SumActualBalances VALUES (132, 1997, 10, 0, 7500.00);
INSERT INTO GL_SumActualBalances VALUES (134, 1997, 10, 318.60, 0);
INSERT INTO GL_SumActualBalances VALUES (136, 1997, 10, 0, 318.60);
INSERT INTO GL_SumActualBalances VALUES (146, 1997, 10, 2316.8850, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 11, 0, 20389.1875);
INSERT INTO GL_SumActualBalances VALUES (137, 1997, 11, 14388.10, 0);
INSERT INTO GL_SumActualBalances VALUES (138, 1997, 11, 1500.00, 0);
INSERT INTO GL_SumActualBalances VALUES (139, 1997, 11, 2251.0875, 0);
INSERT INTO GL_SumActualBalances VALUES (145, 1997, 11, 2250.00, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1997, 12, 8640.00, 0);
INSERT INTO GL_SumActualBalances VALUES (114, 1997, 12, 0, 10312.50);
INSERT INTO GL_SumActualBalances VALUES (117, 1997, 12, 0, 3412.6667);
INSERT INTO GL_SumActualBalances VALUES (134, 1997, 12, 0, 9600.00);
INSERT INTO GL_SumActualBalances VALUES (135, 1997, 12, 960.00, 0);
INSERT INTO GL_SumActualBalances VALUES (137, 1997, 12, 3412.6667, 0);
INSERT INTO GL_SumActualBalances VALUES (147, 1997, 12, 10312.50, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1998, 1, 19975.00, 0);
INSERT INTO GL_SumActualBalances VALUES (119, 1998, 1, 0, 19975.00);
INSERT INTO GL_SumActualBalances VALUES (102, 1998, 2, 0, 19399.9275);
INSERT INTO GL_SumActualBalances VALUES (137, 1998, 2, 16980.00, 0);
INSERT INTO GL_SumActualBalances VALUES (139, 1998, 2, 2419.9275, 0);
INSERT INTO GL_SumActualBalances VALUES (102, 1998, 3, 0, 6120.00);
INSERT INTO GL_SumActualBalances VALUES (111, 1998, 3, 6120.00, 0);

-- Budget amounts (positive for expenses, negative for revenue). Fiscal 1996:
-- budget 1; fiscal 1997 and 1998: budgets 1 (original) and 2 (revised).
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 1, -3609.6);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 2, -2707.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 3, -4512.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 4, -5414.4);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 5, -7219.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 6, -27072.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 7, -5414.4);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 8, -4512.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 9, -7219.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 10, -7219.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 11, -6316.8);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1996, 12, -9024.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 1, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 3, -14100.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 4, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 5, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 6, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 7, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 8, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 9, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 10, -7050.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 11, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1996, 12, -7050.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 1, -3948.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 2, -3158.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 3, -6316.8);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 4, -7106.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 5, -7896.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 6, -10264.8);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 7, -4737.6);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 8, -5527.2);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 9, -7896.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 10, -7106.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 11, -6316.8);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1996, 12, -8685.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 1, -4331.52);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 3, -5053.44);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 4, -3609.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 5, -2165.76);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 6, -721.92);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 7, -5053.44);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 8, -2887.68);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 9, -3609.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 10, -2887.68);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 11, -1443.84);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1996, 12, -4331.52);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 1, -507.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 3, -676.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 4, -676.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 5, -846.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 6, -2030.4);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 7, -507.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 8, -507.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 9, -676.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 10, -676.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 11, -507.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1996, 12, -846.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 1, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 2, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 3, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 4, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 5, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 6, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 7, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 8, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 9, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 10, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 11, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1996, 12, 13536.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 1, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 2, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 3, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 4, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 5, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 6, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 7, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 8, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 9, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 10, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 11, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1996, 12, 2115.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 1, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 2, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 3, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 4, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 5, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 6, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 7, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 8, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 9, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 10, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 11, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1996, 12, 2820.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 1, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 2, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 3, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 4, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 5, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 6, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 7, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 8, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 9, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 10, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 11, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1996, 12, 1692.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 1, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 2, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 3, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 4, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 5, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 6, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 7, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 8, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 9, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 10, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 11, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1996, 12, 2397.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 1, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 2, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 3, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 4, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 5, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 6, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 7, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 8, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 9, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 10, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 11, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1996, 12, 752.0);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 1, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 2, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 3, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 4, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 5, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 6, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 7, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 8, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 9, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 10, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 11, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1996, 12, 1615.62);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 1, -3840.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 2, -2880.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 3, -4800.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 4, -5760.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 5, -7680.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 6, -28800.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 7, -5760.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 8, -4800.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 9, -7680.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 10, -7680.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 11, -6720.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1997, 12, -9600.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 1, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 3, -15000.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 4, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 5, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 6, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 7, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 8, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 9, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 10, -7500.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 11, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1997, 12, -7500.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 1, -4200.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 2, -3360.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 3, -6720.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 4, -7560.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 5, -8400.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 6, -10920.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 7, -5040.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 8, -5880.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 9, -8400.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 10, -7560.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 11, -6720.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1997, 12, -9240.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 1, -4608.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 3, -5376.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 4, -3840.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 5, -2304.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 6, -768.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 7, -5376.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 8, -3072.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 9, -3840.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 10, -3072.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 11, -1536.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1997, 12, -4608.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 1, -540.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 3, -720.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 4, -720.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 5, -900.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 6, -2160.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 7, -540.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 8, -540.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 9, -720.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 10, -720.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 11, -540.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1997, 12, -900.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 1, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 2, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 3, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 4, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 5, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 6, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 7, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 8, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 9, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 10, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 11, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1997, 12, 14400.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 1, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 2, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 3, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 4, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 5, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 6, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 7, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 8, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 9, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 10, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 11, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1997, 12, 2250.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 1, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 2, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 3, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 4, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 5, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 6, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 7, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 8, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 9, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 10, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 11, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1997, 12, 3000.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 1, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 2, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 3, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 4, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 5, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 6, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 7, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 8, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 9, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 10, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 11, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1997, 12, 1800.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 1, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 2, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 3, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 4, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 5, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 6, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 7, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 8, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 9, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 10, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 11, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1997, 12, 2550.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 1, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 2, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 3, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 4, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 5, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 6, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 7, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 8, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 9, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 10, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 11, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1997, 12, 800.0);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 1, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 2, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 3, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 4, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 5, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 6, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 7, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 8, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 9, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 10, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 11, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1997, 12, 1718.75);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 1, -3936.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 2, -2952.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 3, -4920.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 4, -5904.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 5, -7872.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 6, -29520.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 7, -5904.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 8, -4920.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 9, -7872.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 10, -7872.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 11, -6888.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1997, 12, -9840.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 1, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 3, -15375.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 4, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 5, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 6, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 7, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 8, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 9, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 10, -7687.5);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 11, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1997, 12, -7687.5);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 1, -4305.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 2, -3444.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 3, -6888.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 4, -7749.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 5, -8610.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 6, -11193.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 7, -5166.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 8, -6027.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 9, -8610.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 10, -7749.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 11, -6888.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1997, 12, -9471.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 1, -4723.2);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 3, -5510.4);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 4, -3936.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 5, -2361.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 6, -787.2);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 7, -5510.4);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 8, -3148.8);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 9, -3936.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 10, -3148.8);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 11, -1574.4);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1997, 12, -4723.2);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 1, -553.5);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 3, -738.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 4, -738.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 5, -922.5);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 6, -2214.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 7, -553.5);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 8, -553.5);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 9, -738.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 10, -738.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 11, -553.5);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1997, 12, -922.5);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 1, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 2, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 3, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 4, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 5, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 6, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 7, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 8, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 9, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 10, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 11, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1997, 12, 14760.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 1, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 2, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 3, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 4, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 5, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 6, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 7, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 8, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 9, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 10, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 11, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1997, 12, 2306.25);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 1, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 2, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 3, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 4, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 5, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 6, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 7, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 8, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 9, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 10, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 11, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1997, 12, 3075.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 1, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 2, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 3, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 4, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 5, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 6, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 7, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 8, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 9, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 10, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 11, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1997, 12, 1845.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 1, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 2, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 3, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 4, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 5, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 6, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 7, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 8, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 9, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 10, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 11, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1997, 12, 2613.75);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 1, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 2, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 3, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 4, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 5, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 6, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 7, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 8, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 9, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 10, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 11, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1997, 12, 820.0);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 1, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 2, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 3, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 4, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 5, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 6, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 7, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 8, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 9, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 10, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 11, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1997, 12, 1761.72);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 1, -3993.6);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 2, -2995.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 3, -4992.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 4, -5990.4);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 5, -7987.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 6, -29952.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 7, -5990.4);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 8, -4992.0);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 9, -7987.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 10, -7987.2);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 11, -6988.8);
INSERT INTO GL_SumBudgetBalances VALUES (128, 1, 1998, 12, -9984.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 1, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 3, -15600.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 4, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 5, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 6, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 7, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 8, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 9, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 10, -7800.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 11, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 1, 1998, 12, -7800.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 1, -4368.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 2, -3494.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 3, -6988.8);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 4, -7862.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 5, -8736.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 6, -11356.8);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 7, -5241.6);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 8, -6115.2);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 9, -8736.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 10, -7862.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 11, -6988.8);
INSERT INTO GL_SumBudgetBalances VALUES (133, 1, 1998, 12, -9609.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 1, -4792.32);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 3, -5591.04);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 4, -3993.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 5, -2396.16);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 6, -798.72);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 7, -5591.04);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 8, -3194.88);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 9, -3993.6);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 10, -3194.88);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 11, -1597.44);
INSERT INTO GL_SumBudgetBalances VALUES (134, 1, 1998, 12, -4792.32);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 1, -561.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 3, -748.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 4, -748.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 5, -936.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 6, -2246.4);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 7, -561.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 8, -561.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 9, -748.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 10, -748.8);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 11, -561.6);
INSERT INTO GL_SumBudgetBalances VALUES (136, 1, 1998, 12, -936.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 1, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 2, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 3, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 4, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 5, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 6, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 7, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 8, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 9, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 10, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 11, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (137, 1, 1998, 12, 14976.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 1, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 2, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 3, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 4, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 5, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 6, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 7, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 8, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 9, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 10, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 11, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (139, 1, 1998, 12, 2340.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 1, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 2, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 3, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 4, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 5, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 6, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 7, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 8, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 9, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 10, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 11, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 1, 1998, 12, 3120.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 1, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 2, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 3, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 4, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 5, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 6, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 7, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 8, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 9, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 10, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 11, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 1, 1998, 12, 1872.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 1, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 2, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 3, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 4, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 5, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 6, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 7, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 8, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 9, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 10, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 11, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (145, 1, 1998, 12, 2652.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 1, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 2, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 3, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 4, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 5, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 6, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 7, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 8, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 9, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 10, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 11, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (146, 1, 1998, 12, 832.0);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 1, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 2, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 3, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 4, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 5, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 6, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 7, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 8, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 9, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 10, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 11, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (147, 1, 1998, 12, 1787.5);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 1, -4093.44);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 2, -3070.08);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 3, -5116.8);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 4, -6140.16);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 5, -8186.88);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 6, -30700.8);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 7, -6140.16);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 8, -5116.8);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 9, -8186.88);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 10, -8186.88);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 11, -7163.52);
INSERT INTO GL_SumBudgetBalances VALUES (128, 2, 1998, 12, -10233.6);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 1, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 3, -15990.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 4, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 5, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 6, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 7, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 8, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 9, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 10, -7995.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 11, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (132, 2, 1998, 12, -7995.0);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 1, -4477.2);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 2, -3581.76);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 3, -7163.52);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 4, -8058.96);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 5, -8954.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 6, -11640.72);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 7, -5372.64);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 8, -6268.08);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 9, -8954.4);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 10, -8058.96);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 11, -7163.52);
INSERT INTO GL_SumBudgetBalances VALUES (133, 2, 1998, 12, -9849.84);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 1, -4912.13);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 3, -5730.82);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 4, -4093.44);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 5, -2456.06);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 6, -818.69);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 7, -5730.82);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 8, -3274.75);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 9, -4093.44);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 10, -3274.75);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 11, -1637.38);
INSERT INTO GL_SumBudgetBalances VALUES (134, 2, 1998, 12, -4912.13);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 1, -575.64);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 3, -767.52);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 4, -767.52);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 5, -959.4);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 6, -2302.56);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 7, -575.64);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 8, -575.64);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 9, -767.52);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 10, -767.52);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 11, -575.64);
INSERT INTO GL_SumBudgetBalances VALUES (136, 2, 1998, 12, -959.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 1, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 2, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 3, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 4, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 5, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 6, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 7, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 8, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 9, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 10, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 11, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (137, 2, 1998, 12, 15350.4);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 1, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 2, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 3, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 4, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 5, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 6, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 7, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 8, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 9, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 10, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 11, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (139, 2, 1998, 12, 2398.5);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 1, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 2, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 3, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 4, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 5, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 6, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 7, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 8, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 9, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 10, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 11, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (140, 2, 1998, 12, 3198.0);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 1, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 2, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 3, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 4, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 5, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 6, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 7, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 8, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 9, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 10, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 11, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (142, 2, 1998, 12, 1918.8);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 1, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 2, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 3, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 4, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 5, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 6, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 7, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 8, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 9, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 10, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 11, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (145, 2, 1998, 12, 2718.3);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 1, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 2, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 3, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 4, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 5, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 6, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 7, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 8, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 9, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 10, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 11, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (146, 2, 1998, 12, 852.8);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 1, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 2, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 3, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 4, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 5, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 6, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 7, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 8, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 9, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 10, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 11, 1832.19);
INSERT INTO GL_SumBudgetBalances VALUES (147, 2, 1998, 12, 1832.19);

-- Budget quantities: tickets, class places, staff hours. Fiscal 1996: budget 1;
-- fiscal 1997: budgets 1, 2 and 3 (one more than the amounts); fiscal 1998: budgets 1 and
-- 2 (as many as the amounts).
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 1, 263.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 2, 210.6);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 3, 421.1);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 4, 473.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 5, 526.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 6, 684.3);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 7, 315.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 8, 368.5);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 9, 526.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 10, 473.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 11, 421.1);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1996, 12, 579.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 1, 72.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 2, 0.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 3, 84.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 4, 60.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 5, 36.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 6, 12.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 7, 84.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 8, 48.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 9, 60.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 10, 48.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 11, 24.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1996, 12, 72.2);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 1, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 2, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 3, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 4, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 5, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 6, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 7, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 8, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 9, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 10, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 11, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1996, 12, 752.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 1, 280.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 2, 224.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 3, 448.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 4, 504.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 5, 560.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 6, 728.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 7, 336.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 8, 392.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 9, 560.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 10, 504.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 11, 448.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1997, 12, 616.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 1, 76.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 3, 89.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 4, 64.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 5, 38.4);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 6, 12.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 7, 89.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 8, 51.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 9, 64.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 10, 51.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 11, 25.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1997, 12, 76.8);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 1, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 2, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 3, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 4, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 5, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 6, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 7, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 8, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 9, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 10, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 11, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1997, 12, 800.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 1, 294.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 2, 235.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 3, 470.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 4, 529.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 5, 588.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 6, 764.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 7, 352.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 8, 411.6);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 9, 588.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 10, 529.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 11, 470.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1997, 12, 646.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 1, 80.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 3, 94.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 4, 67.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 5, 40.3);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 6, 13.4);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 7, 94.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 8, 53.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 9, 67.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 10, 53.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 11, 26.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1997, 12, 80.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 1, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 2, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 3, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 4, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 5, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 6, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 7, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 8, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 9, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 10, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 11, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1997, 12, 840.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 1, 308.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 2, 246.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 3, 492.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 4, 554.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 5, 616.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 6, 800.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 7, 369.6);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 8, 431.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 9, 616.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 10, 554.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 11, 492.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 3, 1997, 12, 677.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 1, 84.5);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 2, 0.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 3, 98.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 4, 70.4);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 5, 42.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 6, 14.1);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 7, 98.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 8, 56.3);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 9, 70.4);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 10, 56.3);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 11, 28.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 3, 1997, 12, 84.5);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 1, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 2, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 3, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 4, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 5, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 6, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 7, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 8, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 9, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 10, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 11, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 3, 1997, 12, 880.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 1, 291.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 2, 233.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 3, 465.9);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 4, 524.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 5, 582.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 6, 757.1);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 7, 349.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 8, 407.7);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 9, 582.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 10, 524.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 11, 465.9);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 1, 1998, 12, 640.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 1, 79.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 3, 93.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 4, 66.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 5, 39.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 6, 13.3);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 7, 93.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 8, 53.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 9, 66.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 10, 53.2);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 11, 26.6);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 1, 1998, 12, 79.9);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 1, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 2, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 3, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 4, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 5, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 6, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 7, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 8, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 9, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 10, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 11, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 1, 1998, 12, 832.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 1, 305.8);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 2, 244.6);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 3, 489.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 4, 550.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 5, 611.5);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 6, 795.0);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 7, 366.9);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 8, 428.1);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 9, 611.5);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 10, 550.4);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 11, 489.2);
INSERT INTO GL_SumBudgetQuantities VALUES (133, 2, 1998, 12, 672.7);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 1, 83.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 2, 0.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 3, 97.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 4, 69.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 5, 41.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 6, 14.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 7, 97.8);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 8, 55.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 9, 69.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 10, 55.9);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 11, 28.0);
INSERT INTO GL_SumBudgetQuantities VALUES (134, 2, 1998, 12, 83.9);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 1, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 2, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 3, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 4, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 5, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 6, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 7, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 8, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 9, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 10, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 11, 873.6);
INSERT INTO GL_SumBudgetQuantities VALUES (137, 2, 1998, 12, 873.6);
