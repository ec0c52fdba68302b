// cdb.cpp - the Cdb* handles over DatabaseImpl and RecordsetImpl.
#include "db/engine/cdb.h"

#include "db/engine/engine_internal.h"

namespace cdb {

using internal::DatabaseImpl;
using internal::RecordsetImpl;

namespace {
[[noreturn]] void NotOpen(const char* what) {
    throw CdbException(std::string("Cannot ") + what + ": the object is not open");
}
}  // namespace

// ------------------------------------------------------------------ CdbField

CdbField::CdbField(std::shared_ptr<RecordsetImpl> rs, int index)
    : rs_(std::move(rs)), index_(index) {}

COleVariant CdbField::GetValue() const {
    if (!rs_) NotOpen("read a field");
    COleVariant v;
    rs_->Value(index_, v);
    return v;
}

std::string CdbField::GetName() const {
    if (!rs_) NotOpen("read a field name");
    return rs_->Column(index_).name;
}

uint16_t CdbField::GetType() const {
    if (!rs_) NotOpen("read a field type");
    return VarTypeOf(rs_->Column(index_).type);
}

// ------------------------------------------------------------------ CdbFields

CdbFields::CdbFields(std::shared_ptr<RecordsetImpl> rs) : rs_(std::move(rs)) {}

int CdbFields::GetCount() const {
    if (!rs_) NotOpen("count the fields");
    return rs_->FieldCount();
}

CdbField CdbFields::Item(int index) const {
    if (!rs_) NotOpen("read a field");
    rs_->Column(index);  // checks the index
    return CdbField(rs_, index);
}

CdbField CdbFields::Item(const char* name) const {
    if (!rs_) NotOpen("read a field");
    return CdbField(rs_, rs_->FieldIndex(name));
}

// ------------------------------------------------------------------ CdbRecordset

CdbRecordset::CdbRecordset() = default;
CdbRecordset::~CdbRecordset() = default;
CdbRecordset::CdbRecordset(const CdbRecordset&) = default;
CdbRecordset& CdbRecordset::operator=(const CdbRecordset&) = default;
CdbRecordset::CdbRecordset(std::shared_ptr<RecordsetImpl> impl) : impl_(std::move(impl)) {}

bool CdbRecordset::GetEOF() const {
    if (!impl_) NotOpen("test for the end of a recordset");
    return impl_->Eof();
}

void CdbRecordset::MoveNext() {
    if (!impl_) NotOpen("move to the next record");
    impl_->MoveNext();
}

void CdbRecordset::MoveFirst() {
    if (!impl_) NotOpen("move to the first record");
    impl_->MoveFirst();
}

void CdbRecordset::MoveLast(int) {
    if (!impl_) NotOpen("move to the last record");
    impl_->MoveLast();
}

int32_t CdbRecordset::GetRecordCount() const {
    if (!impl_) NotOpen("count the records");
    return impl_->RecordCount();
}

CdbFields CdbRecordset::Fields() const {
    if (!impl_) NotOpen("read the fields");
    impl_->FieldCount();  // throws when the recordset is closed
    return CdbFields(impl_);
}

COleVariant CdbRecordset::GetField(const char* name) const {
    if (!impl_) NotOpen("read a field");
    COleVariant v;
    impl_->Value(impl_->FieldIndex(name), v);
    return v;
}

void CdbRecordset::Close() {
    if (!impl_) NotOpen("close a recordset");
    impl_->Close();
}

bool CdbRecordset::IsOpen() const {
    return impl_ && impl_->IsOpen();
}

// ------------------------------------------------------------------ CdbDatabase

CdbDatabase::CdbDatabase() = default;
CdbDatabase::~CdbDatabase() = default;
CdbDatabase::CdbDatabase(const CdbDatabase&) = default;
CdbDatabase& CdbDatabase::operator=(const CdbDatabase&) = default;
CdbDatabase::CdbDatabase(std::shared_ptr<DatabaseImpl> impl) : impl_(std::move(impl)) {}

CdbRecordset CdbDatabase::OpenRecordset(const char* source, int type, int options, int) {
    if (!impl_) NotOpen("open a recordset");
    return CdbRecordset(impl_->OpenRecordset(source, type, options));
}

CdbQueryDef CdbDatabase::CreateQueryDef(const char* name, const char* sql) {
    if (!impl_) NotOpen("create a stored query");
    impl_->CreateQueryDef(name, sql);
    return CdbQueryDef(name);
}

void CdbDatabase::Close() {
    if (!impl_) NotOpen("close a database");
    impl_->Close();
}

bool CdbDatabase::IsOpen() const {
    return impl_ && impl_->IsOpen();
}

// ------------------------------------------------------------------ workspace, engine

CdbDatabase CdbWorkspace::OpenDatabase(const char* name, bool, bool readOnly, const char*) {
    return CdbDatabase(DatabaseImpl::Open(name, readOnly));
}

CdbDatabase CdbWorkspace::CreateDatabase(const char* name, const char*, int) {
    return CdbDatabase(DatabaseImpl::Create(name));
}

CdbWorkspace& CdbWorkspaces::Item(int index) {
    if (index != 0) {
        throw CdbException(
            "Item not found in this collection: only workspace 0 exists (asked for " +
            std::to_string(index) + ")");
    }
    return workspace0_;
}

CdbDBEngine::CdbDBEngine(bool, bool, const char*, const char*, const char*, int type) {
    if (type != dbUseJet) {
        throw CdbException("Cannot start the database engine: only the Jet engine type (" +
                           std::to_string(dbUseJet) + ") is offered, not " + std::to_string(type));
    }
}

}  // namespace cdb
