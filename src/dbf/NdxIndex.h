#pragma once
// A dBASE III index (.NDX): a B-tree of 512-byte pages over one key.
//
// Header (page 0):
//   OFFSET  SIZE  FIELD
//        0     4  root page number
//        4     4  number of pages in the file (the next page to allocate)
//        8     4  reserved; this engine counts its changes here (odd while
//                 one is being made), so readers know when cached pages are stale
//       12     2  key length
//       14     2  keys per page
//       16     2  key type (0 character, 1 numeric)
//       18     2  entry size: key length + 8, rounded up to a multiple of 4
//       20     3  reserved
//       23     1  unique flag
//       24   488  key expression, zero-terminated
//
// Node pages (1 … pages − 1):
//   OFFSET  SIZE  FIELD
//        0     4  number of keys n
//        4    n×  entries: child page (4), record number (4), key (key length, padded)
//
// A leaf's entries have child 0 and name a record. A branch's entries have
// a child and record number 0; its key is the highest key under that child;
// one more child number follows the n entries (the keys above the last key).
// Numbers are little-endian. Character keys are padded with spaces and
// compared byte by byte, so "WORD" < "WORD&" < "WORDS".
//
// Pages are read as needed into a small cache. `refresh` empties it, so a
// page written by another process is read again after a lock is taken;
// `revalidate` keeps it while the change count stands.

#include "dbf/SharedFile.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zpx::dbf {

constexpr std::size_t NdxPageSize = 512;
constexpr int NdxMaxDepth = 32;

struct IndexEntry {
    std::string key;
    std::uint32_t record = 0;
};

// Where a cursor stands: the page and entry at every level, root first. At
// the leaf, `entry` may equal the leaf's count while the cursor moves.
struct IndexPosition {
    struct Step {
        std::uint32_t page = 0;
        std::uint32_t entry = 0;
    };
    std::array<Step, NdxMaxDepth> steps{};
    int depth = 0;
    bool atEnd = true;
};

class NdxIndex {
public:
    // Opens an existing index and checks its header (a character key of 1 to
    // 100 bytes, entries that fit a page, a root inside the file).
    static NdxIndex open(const std::string& name, std::string_view operation);

    // Writes a complete index of `entries` (sorted by key, then record) into
    // `file` from page 0 on, every page full, and cuts the file after it.
    static void build(const SharedFile& file, std::string_view keyExpression, std::size_t keyLength,
                      const std::vector<IndexEntry>& entries, std::string_view operation);

    const std::string& name() const { return file_.name(); }
    const std::string& keyExpression() const { return keyExpression_; }
    std::size_t keyLength() const { return keyLength_; }

    // Reads the header again and forgets every cached page.
    void refresh(std::string_view operation);
    // Reads the header again, keeping the cached pages unless the index has
    // changed since; false while a change is being made.
    bool revalidate(std::string_view operation);
    // Whether the change count still stands where `revalidate` found it.
    bool unchangedSince(std::string_view operation) const;
    // Bracket every change of the index's pages (under the exclusive lock).
    void beginChange();
    void endChange();

    // The search key of a text: cut to the key length, padded with spaces.
    std::string searchKey(std::string_view text) const;

    // First entry whose key is >= `key`; false (at the end) when none.
    bool seek(std::string_view key, IndexPosition& at);
    bool first(IndexPosition& at);
    bool last(IndexPosition& at);
    bool next(IndexPosition& at);
    bool previous(IndexPosition& at);
    IndexEntry entry(const IndexPosition& at);

    void insert(std::string_view key, std::uint32_t record);
    // Removes the entry of that key and record; false when there is none.
    bool remove(std::string_view key, std::uint32_t record);

    // Walks every page in key order, calling `visit` for each leaf entry;
    // returns the problems found in the tree's shape and order.
    std::vector<std::string> walk(const std::function<void(const IndexEntry&)>& visit);

private:
    // Left uninitialised, so cache slots cost memory only once used.
    struct Page {
        std::array<std::uint8_t, NdxPageSize> bytes;
    };
    struct Node;  // a page taken apart for a change

    explicit NdxIndex(SharedFile file) : file_(std::move(file)) {}
    void readHeader(std::string_view operation);
    const Page& page(std::uint32_t number);
    std::uint32_t count(const Page& p) const;
    bool isLeaf(const Page& p) const;
    std::uint32_t child(const Page& p, std::uint32_t i) const;
    std::uint32_t record(const Page& p, std::uint32_t i) const;
    std::string_view key(const Page& p, std::uint32_t i) const;
    std::uint32_t maxKeys(bool leaf) const;
    bool descendEdge(IndexPosition& at, std::uint32_t from, bool leftmost);
    bool settleForward(IndexPosition& at);
    Node readNode(std::uint32_t number);
    void writeNode(const Node& node);
    [[noreturn]] void corrupt() const;
    void clearCache();
    void writeGeneration(std::uint32_t generation);

    SharedFile file_;
    std::string operation_;
    std::string keyExpression_;
    std::size_t keyLength_ = 0;
    std::size_t entrySize_ = 0;
    std::uint32_t keysPerPage_ = 0;
    std::uint32_t root_ = 0;
    std::uint32_t pageCount_ = 0;
    std::uint32_t generation_ = 0;
    std::uint32_t cachedGeneration_ = 0;
    std::unique_ptr<Page[]> cache_;           // direct-mapped by page number
    std::vector<std::uint32_t> cachedPages_;  // the page in each slot, 0 for none
};

}  // namespace zpx::dbf
