#pragma once
// The clue bank table: a dBASE III data file (.DBF) with its .NDX indexes,
// opened shared with other programs. Texts are Windows-1252 bytes as they
// stand in the file; callers convert at their own boundary.
//
// Data file header:
//   OFFSET  SIZE  FIELD
//        0     1  version, 3 (no memo file)
//        1     3  date of the last update: year − 1900, month, day
//        4     4  number of records
//        8     2  header length: the offset of the first record
//       10     2  record length, the deletion flag included
//       12    20  reserved
//       32  32×n  field descriptors, then the byte 0x0D
// Field descriptor:
//        0    11  name, zero-padded
//       11     1  type: C character, N numeric, L logical, D date, M memo, F float
//       16     1  length
//       17     1  decimal count
// Records follow, fixed length: the deletion flag (" " live, "*" deleted)
// and the fields in order; the file ends with 0x1A.
//
// Locks, in the data file, tried once and never waited for:
//   0x40000000 + 1                             the append lock (1 byte)
//   0x40000000 + header length + (n−1) × reclen  the lock of record n
// Index changes are made under an exclusive lock of the byte 0x40000000, so
// no two writers change an index at once, and between change marks in the
// index header (NdxIndex). A search by a table without locks reads the pages
// cached since the last change and checks the mark afterwards; one that
// overlapped a change, and every search of a table holding locks, runs under
// the lock held shared. Under the lock the header is read afresh and cached
// pages are kept only when the mark proves them current; a change also reads
// the record count afresh. So no reader is misled by a page half split, and a
// record or index page written by another process is never overwritten from
// a stale copy.
//
// Failures throw DbfError with the engine's report.

#include "dbf/NdxIndex.h"
#include "dbf/SharedFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zpx::dbf {

struct FieldDef {
    std::string name;  // up to 10 characters
    char type = 'C';
    int length = 0;
    int decimals = 0;
};

// "BANK" gets the default extension; "BANK." asks for none. Where only the
// lower-case spelling exists (files written by other programs on Linux), that
// file is meant.
std::string withDefaultExtension(std::string_view given, std::string_view extension);

// Makes a new, empty data file; an existing file is refused.
void createDataFile(const std::string& fileName, const std::vector<FieldDef>& fields);

class TTzDbf {
public:
    // `componentName` names the table in reports ("[CluesDBF.FindExact]").
    explicit TTzDbf(std::string componentName = "CluesDBF");
    TTzDbf(const TTzDbf&) = delete;
    TTzDbf& operator=(const TTzDbf&) = delete;

    bool Active() const { return data_.isOpen(); }
    void SetActive(bool active);
    void SetDbfFileName(std::string_view fileName);
    const std::string& DbfFileName() const { return fileName_; }
    // Index names without extension get "NDX"; several are separated by
    // blanks, the first ordering navigation and searches; empty closes them.
    void SetIndexTo(std::string_view indexNames);
    void SetHideDeletedRecs(bool hide) { hideDeleted_ = hide; }

    bool FindExact(std::string_view text);
    bool FindNear(std::string_view text);
    int MoveBy(int distance);
    void First();
    void Last();
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    // Positions on record `number` (1-based) whatever the order.
    void GoTo(std::uint32_t number);
    std::uint32_t RecNo() const { return current_; }
    std::uint32_t RecordCount();
    bool Deleted();

    int FieldCount();
    std::string Field(int number);
    std::string GetField(std::string_view name);
    std::string GetCField(std::string_view name);
    bool GetLField(std::string_view name);
    void SetCField(std::string_view name, std::string_view text);
    void SetLField(std::string_view name, bool value);

    void ClearRecord();
    void ReplaceRec();
    void AppendRec();
    void DeleteRec();
    // Appends `count` records in one write, `fill(i)` setting the fields of
    // each into the cleared record buffer; under the append lock.
    void AppendRecs(std::size_t count, const std::function<void(std::size_t)>& fill);

    bool RLock();
    bool ALock();
    void UnLock();

    // Builds (or rebuilds) an index of `keyField` over every record and
    // makes it the only open index.
    void BuildIndex(std::string_view indexName, std::string_view keyField);
    // Walks the controlling index: every entry in order, and the problems of
    // its shape.
    std::vector<std::string> WalkIndex(const std::function<void(const IndexEntry&)>& visit);
    // The key the controlling index gives the current record buffer.
    std::string CurrentKey();

private:
    struct FieldSlot {
        FieldDef def;
        std::size_t offset = 0;  // within the record, after the deletion flag
    };
    struct OpenIndex {
        NdxIndex ndx;
        std::size_t field = 0;
        bool upper = false;
    };
    class SearchLock;
    class IndexChange;

    void requireOpen(std::string_view operation) const;
    const FieldSlot& field(std::string_view name, std::string_view operation, char type);
    void openData();
    void readCount(std::string_view operation);
    std::uint64_t recordOffset(std::uint32_t number) const;
    void readRecord(std::uint32_t number, std::string& into, std::string_view operation);
    bool recordDeleted(std::uint32_t number, std::string_view operation);
    std::string keyOf(const OpenIndex& index, std::string_view record) const;
    bool settle(IndexPosition& at, bool forward, std::string_view operation);
    template <typename Search>
    auto search(std::string_view operation, Search search) -> decltype(search());
    void reposition(IndexPosition& at);
    void become(std::uint32_t number, std::string_view operation);
    void becomeEnd();
    void touchHeader(std::string_view operation);
    bool takeLock(std::uint64_t offset, std::uint64_t length, std::string_view operation);
    bool holdsLock(std::uint64_t offset) const;

    std::string componentName_;
    std::string fileName_;
    SharedFile data_;
    std::vector<FieldSlot> fields_;
    std::size_t headerLength_ = 0;
    std::size_t recordLength_ = 0;
    std::uint32_t recordCount_ = 0;
    std::vector<OpenIndex> indexes_;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> locks_;
    bool hideDeleted_ = false;
    std::uint32_t current_ = 0;  // 0: past the last record
    std::string currentKey_;
    std::string buffer_;
    std::uint32_t settledNumber_ = 0;  // the record last read while searching
    std::string settled_;
    bool bof_ = false;
    bool eof_ = false;
};

}  // namespace zpx::dbf
