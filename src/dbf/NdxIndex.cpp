#include "dbf/NdxIndex.h"

#include "dbf/DbfError.h"
#include "dbf/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

namespace zpx::dbf {

namespace {

namespace HeaderOffset {
constexpr std::size_t Root = 0;
constexpr std::size_t PageCount = 4;
constexpr std::size_t Generation = 8;
constexpr std::size_t KeyLength = 12;
constexpr std::size_t KeysPerPage = 14;
constexpr std::size_t KeyType = 16;
constexpr std::size_t EntrySize = 18;
constexpr std::size_t Unique = 23;
constexpr std::size_t Expression = 24;
}  // namespace HeaderOffset

constexpr std::size_t MaxKeyLength = 100;
constexpr std::size_t EntriesOffset = 4;
// Two megabytes of pages keep the upper four levels of a bank of a million
// words at hand; memory stays flat however large the bank grows.
constexpr std::size_t CacheSlots = 4096;
// Pages written by one bulk write.
constexpr std::size_t BuildChunkPages = 256;

std::size_t entrySizeFor(std::size_t keyLength)
{
    return (keyLength + 8 + 3) / 4 * 4;
}

// How many entries a page holds: a branch also needs its last child number.
std::uint32_t physicalMaxKeys(std::size_t entrySize, bool leaf)
{
    return static_cast<std::uint32_t>((NdxPageSize - EntriesOffset - (leaf ? 0 : 4)) / entrySize);
}

int compareKeys(std::string_view a, std::string_view b)
{
    return std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
}

}  // namespace

struct NdxIndex::Node {
    struct Entry {
        std::uint32_t child = 0;
        std::uint32_t record = 0;
        std::string key;
    };
    std::uint32_t number = 0;
    bool leaf = true;
    std::vector<Entry> entries;
    std::uint32_t lastChild = 0;
};

NdxIndex NdxIndex::open(const std::string& name, std::string_view operation)
{
    NdxIndex index(SharedFile::open(name, operation));
    index.cache_.reset(new Page[CacheSlots]);
    index.cachedPages_.assign(CacheSlots, 0);
    index.refresh(operation);
    return index;
}

void NdxIndex::corrupt() const
{
    throw DbfError(ErrorCode::CorruptIndex, file_.name() + " [" + operation_ + "]");
}

void NdxIndex::readHeader(std::string_view operation)
{
    operation_ = operation;
    std::array<std::uint8_t, NdxPageSize> header{};
    if (file_.readAt(0, header.data(), header.size(), operation) != header.size())
        corrupt();
    if (get2(&header[HeaderOffset::KeyType]) != 0)
        throw DbfError(ErrorCode::FormatNotSupported, file_.name() + " [" + operation_ + "]");
    root_ = get4(&header[HeaderOffset::Root]);
    pageCount_ = get4(&header[HeaderOffset::PageCount]);
    generation_ = get4(&header[HeaderOffset::Generation]);
    keyLength_ = get2(&header[HeaderOffset::KeyLength]);
    keysPerPage_ = get2(&header[HeaderOffset::KeysPerPage]);
    entrySize_ = get2(&header[HeaderOffset::EntrySize]);
    if (keyLength_ == 0 || keyLength_ > MaxKeyLength || entrySize_ < keyLength_ + 8 ||
        physicalMaxKeys(entrySize_, false) < 2 || pageCount_ < 2 || root_ == 0 || root_ >= pageCount_)
        corrupt();
    const char* expression = reinterpret_cast<const char*>(&header[HeaderOffset::Expression]);
    keyExpression_.assign(expression, strnlen(expression, NdxPageSize - HeaderOffset::Expression));
}

void NdxIndex::clearCache()
{
    std::fill(cachedPages_.begin(), cachedPages_.end(), 0);
}

void NdxIndex::refresh(std::string_view operation)
{
    readHeader(operation);
    clearCache();
    cachedGeneration_ = generation_;
}

bool NdxIndex::revalidate(std::string_view operation)
{
    const std::uint32_t root = root_, pages = pageCount_;
    readHeader(operation);
    if (generation_ % 2 != 0)
        return false;
    if (generation_ != cachedGeneration_ || root != root_ || pages != pageCount_)
        clearCache();
    cachedGeneration_ = generation_;
    return true;
}

bool NdxIndex::unchangedSince(std::string_view operation) const
{
    std::array<std::uint8_t, 4> generation{};
    return file_.readAt(HeaderOffset::Generation, generation.data(), generation.size(), operation) ==
               generation.size() &&
           get4(generation.data()) == cachedGeneration_;
}

void NdxIndex::writeGeneration(std::uint32_t generation)
{
    generation_ = cachedGeneration_ = generation;
    std::array<std::uint8_t, 4> bytes{};
    put4(bytes.data(), generation);
    file_.writeAt(HeaderOffset::Generation, bytes.data(), bytes.size(), operation_);
}

void NdxIndex::beginChange()
{
    writeGeneration(generation_ | 1);
}

void NdxIndex::endChange()
{
    writeGeneration((generation_ | 1) + 1);
}

std::string NdxIndex::searchKey(std::string_view text) const
{
    std::string key(text.substr(0, keyLength_));
    key.resize(keyLength_, ' ');
    return key;
}

std::uint32_t NdxIndex::maxKeys(bool leaf) const
{
    const std::uint32_t physical = physicalMaxKeys(entrySize_, leaf);
    return keysPerPage_ >= 2 ? std::min(physical, keysPerPage_) : physical;
}

const NdxIndex::Page& NdxIndex::page(std::uint32_t number)
{
    if (number == 0 || number >= pageCount_)
        corrupt();
    Page& slot = cache_[number % CacheSlots];
    if (cachedPages_[number % CacheSlots] == number)
        return slot;
    Page fresh;
    if (file_.readAt(std::uint64_t{number} * NdxPageSize, fresh.bytes.data(), NdxPageSize, operation_) != NdxPageSize)
        corrupt();
    // Every entry is checked once here, so the accessors can trust the page.
    const std::uint32_t n = count(fresh);
    const bool leaf = isLeaf(fresh);
    if (n > physicalMaxKeys(entrySize_, leaf))
        corrupt();
    for (std::uint32_t i = 0; i < n + (leaf ? 0 : 1); ++i) {
        const std::uint32_t c = child(fresh, i);
        if (leaf ? c != 0 || record(fresh, i) == 0 : c == 0 || c >= pageCount_)
            corrupt();
    }
    slot = fresh;
    cachedPages_[number % CacheSlots] = number;
    return slot;
}

std::uint32_t NdxIndex::count(const Page& p) const
{
    return get4(p.bytes.data());
}

bool NdxIndex::isLeaf(const Page& p) const
{
    return count(p) == 0 || child(p, 0) == 0;
}

std::uint32_t NdxIndex::child(const Page& p, std::uint32_t i) const
{
    return get4(&p.bytes[EntriesOffset + i * entrySize_]);
}

std::uint32_t NdxIndex::record(const Page& p, std::uint32_t i) const
{
    return get4(&p.bytes[EntriesOffset + i * entrySize_ + 4]);
}

std::string_view NdxIndex::key(const Page& p, std::uint32_t i) const
{
    return {reinterpret_cast<const char*>(&p.bytes[EntriesOffset + i * entrySize_ + 8]), keyLength_};
}

bool NdxIndex::seek(std::string_view wanted, IndexPosition& at)
{
    at.depth = 0;
    std::uint32_t number = root_;
    for (;;) {
        if (at.depth == NdxMaxDepth)
            corrupt();
        const Page& p = page(number);
        const std::uint32_t n = count(p);
        std::uint32_t i = 0;
        while (i < n && compareKeys(key(p, i), wanted) < 0)
            ++i;
        at.steps[at.depth++] = {number, i};
        if (isLeaf(p))
            break;
        number = child(p, i);
    }
    return settleForward(at);
}

bool NdxIndex::descendEdge(IndexPosition& at, std::uint32_t from, bool leftmost)
{
    std::uint32_t number = from;
    for (;;) {
        if (at.depth == NdxMaxDepth)
            corrupt();
        const Page& p = page(number);
        const std::uint32_t n = count(p);
        if (isLeaf(p)) {
            at.steps[at.depth++] = {number, leftmost || n == 0 ? 0 : n - 1};
            return n > 0;
        }
        const std::uint32_t i = leftmost ? 0 : n;
        at.steps[at.depth++] = {number, i};
        number = child(p, i);
    }
}

// Moves a cursor that stands past its leaf's last entry to the next entry.
bool NdxIndex::settleForward(IndexPosition& at)
{
    for (std::uint64_t budget = std::uint64_t{pageCount_} + NdxMaxDepth; budget > 0; --budget) {
        const IndexPosition::Step leaf = at.steps[at.depth - 1];
        if (leaf.entry < count(page(leaf.page))) {
            at.atEnd = false;
            return true;
        }
        int d = at.depth - 2;
        while (d >= 0 && at.steps[d].entry >= count(page(at.steps[d].page)))
            --d;
        if (d < 0) {
            at.atEnd = true;
            return false;
        }
        ++at.steps[d].entry;
        at.depth = d + 1;
        descendEdge(at, child(page(at.steps[d].page), at.steps[d].entry), true);
    }
    corrupt();
}

bool NdxIndex::first(IndexPosition& at)
{
    at.depth = 0;
    descendEdge(at, root_, true);
    return settleForward(at);
}

bool NdxIndex::last(IndexPosition& at)
{
    at.depth = 0;
    at.atEnd = false;
    if (descendEdge(at, root_, false))
        return true;
    at.steps[at.depth - 1].entry = 0;
    if (previous(at))
        return true;
    at.atEnd = true;
    return false;
}

bool NdxIndex::next(IndexPosition& at)
{
    if (at.atEnd)
        return false;
    ++at.steps[at.depth - 1].entry;
    return settleForward(at);
}

bool NdxIndex::previous(IndexPosition& at)
{
    if (at.atEnd)
        return last(at);
    if (at.steps[at.depth - 1].entry > 0) {
        --at.steps[at.depth - 1].entry;
        return true;
    }
    for (std::uint64_t budget = std::uint64_t{pageCount_} + NdxMaxDepth; budget > 0; --budget) {
        int d = at.depth - 2;
        while (d >= 0 && at.steps[d].entry == 0)
            --d;
        if (d < 0)
            return false;
        --at.steps[d].entry;
        at.depth = d + 1;
        if (descendEdge(at, child(page(at.steps[d].page), at.steps[d].entry), false))
            return true;
    }
    corrupt();
}

IndexEntry NdxIndex::entry(const IndexPosition& at)
{
    const IndexPosition::Step leaf = at.steps[at.depth - 1];
    const Page& p = page(leaf.page);
    if (at.atEnd || leaf.entry >= count(p))
        corrupt();
    return {std::string(key(p, leaf.entry)), record(p, leaf.entry)};
}

NdxIndex::Node NdxIndex::readNode(std::uint32_t number)
{
    const Page& p = page(number);
    Node node;
    node.number = number;
    node.leaf = isLeaf(p);
    const std::uint32_t n = count(p);
    for (std::uint32_t i = 0; i < n; ++i)
        node.entries.push_back({child(p, i), record(p, i), std::string(key(p, i))});
    if (!node.leaf)
        node.lastChild = child(p, n);
    return node;
}

void NdxIndex::writeNode(const Node& node)
{
    Page p{};
    put4(p.bytes.data(), static_cast<std::uint32_t>(node.entries.size()));
    std::size_t offset = EntriesOffset;
    for (const Node::Entry& e : node.entries) {
        put4(&p.bytes[offset], e.child);
        put4(&p.bytes[offset + 4], e.record);
        std::memcpy(&p.bytes[offset + 8], e.key.data(), std::min(e.key.size(), keyLength_));
        offset += entrySize_;
    }
    if (!node.leaf)
        put4(&p.bytes[offset], node.lastChild);
    file_.writeAt(std::uint64_t{node.number} * NdxPageSize, p.bytes.data(), NdxPageSize, operation_);
    cache_[node.number % CacheSlots] = p;
    cachedPages_[node.number % CacheSlots] = node.number;
}

void NdxIndex::insert(std::string_view wanted, std::uint32_t recordNumber)
{
    const std::string newKey = searchKey(wanted);
    IndexPosition path;
    std::uint32_t number = root_;
    for (;;) {
        if (path.depth == NdxMaxDepth)
            corrupt();
        const Page& p = page(number);
        const std::uint32_t n = count(p);
        std::uint32_t i = 0;
        // After every equal key, so equal keys keep the order they came in.
        while (i < n && compareKeys(key(p, i), newKey) <= 0)
            ++i;
        path.steps[path.depth++] = {number, i};
        if (isLeaf(p))
            break;
        number = child(p, i);
    }
    int level = path.depth - 1;
    Node node = readNode(path.steps[level].page);
    node.entries.insert(node.entries.begin() + path.steps[level].entry, {0, recordNumber, newKey});
    const std::uint32_t pagesBefore = pageCount_;
    const std::uint32_t rootBefore = root_;
    while (node.entries.size() > maxKeys(node.leaf)) {
        // The lower half moves to a new page; the upper half keeps this
        // page, so the key above it in the parent stays right.
        Node lower;
        lower.number = pageCount_++;
        lower.leaf = node.leaf;
        Node::Entry raised{lower.number, 0, {}};
        if (node.leaf) {
            const std::size_t half = (node.entries.size() + 1) / 2;
            lower.entries.assign(node.entries.begin(), node.entries.begin() + half);
            node.entries.erase(node.entries.begin(), node.entries.begin() + half);
            raised.key = lower.entries.back().key;
        } else {
            const std::size_t half = node.entries.size() / 2;
            lower.entries.assign(node.entries.begin(), node.entries.begin() + half);
            lower.lastChild = node.entries[half].child;
            raised.key = node.entries[half].key;
            node.entries.erase(node.entries.begin(), node.entries.begin() + half + 1);
        }
        writeNode(lower);
        writeNode(node);
        if (level == 0) {
            Node top;
            top.number = pageCount_++;
            top.leaf = false;
            top.entries.push_back(raised);
            top.lastChild = node.number;
            node = top;
            root_ = top.number;
            break;
        }
        --level;
        node = readNode(path.steps[level].page);
        node.entries.insert(node.entries.begin() + path.steps[level].entry, raised);
    }
    writeNode(node);
    if (pageCount_ != pagesBefore || root_ != rootBefore) {
        std::array<std::uint8_t, 8> header{};
        put4(&header[HeaderOffset::Root], root_);
        put4(&header[HeaderOffset::PageCount], pageCount_);
        file_.writeAt(0, header.data(), header.size(), operation_);
    }
}

bool NdxIndex::remove(std::string_view wanted, std::uint32_t recordNumber)
{
    const std::string key = searchKey(wanted);
    IndexPosition at;
    for (bool found = seek(key, at); found; found = next(at)) {
        const IndexEntry e = entry(at);
        if (e.key != key)
            return false;
        if (e.record == recordNumber) {
            Node leaf = readNode(at.steps[at.depth - 1].page);
            leaf.entries.erase(leaf.entries.begin() + at.steps[at.depth - 1].entry);
            writeNode(leaf);
            return true;
        }
    }
    return false;
}

std::vector<std::string> NdxIndex::walk(const std::function<void(const IndexEntry&)>& visit)
{
    std::vector<std::string> problems;
    std::set<std::uint32_t> seen;
    int leafDepth = -1;
    std::optional<std::string> previousKey;
    const auto where = [](std::uint32_t number) { return "index page " + std::to_string(number) + ": "; };

    // Returns the highest key under the page, if it holds any.
    std::function<std::optional<std::string>(std::uint32_t, int)> visitPage =
        [&](std::uint32_t number, int depth) -> std::optional<std::string> {
        if (depth >= NdxMaxDepth) {
            problems.push_back(where(number) + "the tree is deeper than " + std::to_string(NdxMaxDepth) + " levels");
            return std::nullopt;
        }
        if (!seen.insert(number).second) {
            problems.push_back(where(number) + "reached twice");
            return std::nullopt;
        }
        Node node;
        try {
            node = readNode(number);
        } catch (const DbfError&) {
            problems.push_back(where(number) + "damaged");
            return std::nullopt;
        }
        if (node.leaf) {
            if (leafDepth < 0)
                leafDepth = depth;
            else if (leafDepth != depth)
                problems.push_back(where(number) + "a leaf at another depth than the others");
            for (const Node::Entry& e : node.entries) {
                if (previousKey && compareKeys(*previousKey, e.key) > 0)
                    problems.push_back(where(number) + "key \"" + e.key + "\" out of order");
                previousKey = e.key;
                visit({e.key, e.record});
            }
            return node.entries.empty() ? std::nullopt : std::optional(node.entries.back().key);
        }
        std::optional<std::string> highest;
        for (const Node::Entry& e : node.entries) {
            const auto below = visitPage(e.child, depth + 1);
            if (below && compareKeys(*below, e.key) > 0)
                problems.push_back(where(number) + "key \"" + e.key + "\" is below the keys under it");
            highest = e.key;
        }
        if (auto below = visitPage(node.lastChild, depth + 1))
            highest = below;
        return highest;
    };
    visitPage(root_, 0);
    return problems;
}

void NdxIndex::build(const SharedFile& file, std::string_view keyExpression, std::size_t keyLength,
                     const std::vector<IndexEntry>& entries, std::string_view operation)
{
    // A rebuilt index counts on from the old one's changes, so readers that
    // cached its pages read them afresh.
    std::array<std::uint8_t, 4> oldGeneration{};
    const bool rebuilt = file.readAt(HeaderOffset::Generation, oldGeneration.data(), 4, operation) == 4;
    const std::uint32_t generation = rebuilt ? ((get4(oldGeneration.data()) | 1) + 1) : 0;
    if (rebuilt) {
        // Marked as changing while the pages are rewritten under readers' feet.
        put4(oldGeneration.data(), generation - 1);
        file.writeAt(HeaderOffset::Generation, oldGeneration.data(), 4, operation);
    }
    const std::size_t entrySize = entrySizeFor(keyLength);
    // Leaves hold as many keys as branches, so later inserts split both alike.
    const std::uint32_t branchKeys = physicalMaxKeys(entrySize, false);
    const std::uint32_t leafKeys = branchKeys;
    std::vector<std::uint8_t> chunk;
    std::uint32_t nextPage = 1;
    const auto flush = [&] {
        file.writeAt(std::uint64_t{nextPage - chunk.size() / NdxPageSize} * NdxPageSize, chunk.data(), chunk.size(),
                     operation);
        chunk.clear();
    };
    // Appends one page and returns its number.
    const auto emit = [&](const std::vector<const IndexEntry*>& keys, const std::vector<std::uint32_t>& children) {
        const std::size_t at = chunk.size();
        chunk.resize(at + NdxPageSize);
        std::uint8_t* p = &chunk[at];
        put4(p, static_cast<std::uint32_t>(keys.size()));
        for (std::size_t i = 0; i < keys.size(); ++i) {
            std::uint8_t* e = p + EntriesOffset + i * entrySize;
            put4(e, children.empty() ? 0 : children[i]);
            put4(e + 4, children.empty() ? keys[i]->record : 0);
            std::memset(e + 8, ' ', keyLength);
            std::memcpy(e + 8, keys[i]->key.data(), std::min(keyLength, keys[i]->key.size()));
        }
        if (!children.empty())
            put4(p + EntriesOffset + keys.size() * entrySize, children.back());
        const std::uint32_t number = nextPage++;
        if (chunk.size() >= BuildChunkPages * NdxPageSize)
            flush();
        return number;
    };

    // One level: each page's number and the highest key under it.
    std::vector<std::pair<std::uint32_t, const IndexEntry*>> level;
    const IndexEntry none;
    for (std::size_t start = 0; start < entries.size() || level.empty(); start += leafKeys) {
        std::vector<const IndexEntry*> keys;
        for (std::size_t i = start; i < std::min(entries.size(), start + leafKeys); ++i)
            keys.push_back(&entries[i]);
        level.emplace_back(emit(keys, {}), keys.empty() ? &none : keys.back());
    }
    while (level.size() > 1) {
        // Children spread evenly, so no branch is left with a single child.
        const std::size_t pages = (level.size() + branchKeys) / (branchKeys + 1);
        std::vector<std::pair<std::uint32_t, const IndexEntry*>> upper;
        std::size_t taken = 0;
        for (std::size_t page = 0; page < pages; ++page) {
            const std::size_t share = (level.size() - taken) / (pages - page);
            std::vector<const IndexEntry*> keys;
            std::vector<std::uint32_t> children;
            for (std::size_t i = taken; i < taken + share; ++i) {
                children.push_back(level[i].first);
                if (i + 1 < taken + share)
                    keys.push_back(level[i].second);
            }
            upper.emplace_back(emit(keys, children), level[taken + share - 1].second);
            taken += share;
        }
        level = std::move(upper);
    }
    flush();

    std::array<std::uint8_t, NdxPageSize> header{};
    put4(&header[HeaderOffset::Root], level.front().first);
    put4(&header[HeaderOffset::PageCount], nextPage);
    put4(&header[HeaderOffset::Generation], generation);
    put2(&header[HeaderOffset::KeyLength], static_cast<std::uint32_t>(keyLength));
    put2(&header[HeaderOffset::KeysPerPage], branchKeys);
    put2(&header[HeaderOffset::KeyType], 0);
    put2(&header[HeaderOffset::EntrySize], static_cast<std::uint32_t>(entrySize));
    header[HeaderOffset::Unique] = 0;
    std::memcpy(&header[HeaderOffset::Expression], keyExpression.data(),
                std::min(keyExpression.size(), NdxPageSize - HeaderOffset::Expression - 1));
    file.writeAt(0, header.data(), header.size(), operation);
    file.truncate(std::uint64_t{nextPage} * NdxPageSize, operation);
}

}  // namespace zpx::dbf
