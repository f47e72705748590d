#include "dbf/TzDbf.h"

#include "dbf/DbfError.h"
#include "dbf/LittleEndian.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>
#include <exception>
#include <optional>
#include <filesystem>
#include <sstream>

namespace zpx::dbf {

namespace {

namespace HeaderOffset {
constexpr std::size_t Version = 0;
constexpr std::size_t Date = 1;
constexpr std::size_t RecordCount = 4;
constexpr std::size_t HeaderLength = 8;
constexpr std::size_t RecordLength = 10;
constexpr std::size_t Fields = 32;
}  // namespace HeaderOffset

namespace FieldOffset {
constexpr std::size_t Name = 0;
constexpr std::size_t NameLength = 11;
constexpr std::size_t Type = 11;
constexpr std::size_t Length = 16;
constexpr std::size_t Decimals = 17;
}  // namespace FieldOffset

constexpr std::size_t PrologSize = 32;
constexpr std::size_t DescriptorSize = 32;
constexpr std::uint8_t DbaseIII = 3;
constexpr std::uint8_t FieldListEnd = 0x0D;
constexpr std::uint8_t FileEnd = 0x1A;
constexpr int MaxFields = 255;
constexpr std::uint64_t LockBase = 0x40000000;
constexpr std::uint64_t IndexLockOffset = LockBase;
constexpr std::uint64_t AppendLockOffset = LockBase + 1;
// Records read at once while an index is built.
constexpr std::size_t BuildChunkBytes = 4 << 20;

constexpr std::string_view OpenOperation = "Use/OpenDbf";

std::string trimmed(std::string_view text)
{
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

char upperAscii(char c);

std::string upperAscii(std::string text)
{
    for (char& c : text)
        c = upperAscii(c);
    return text;
}

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

std::string typeName(const FieldDef& def)
{
    switch (def.type) {
    case 'C': return "Character";
    case 'D': return "Date";
    case 'L': return "Logical";
    case 'M': return "Memo";
    default:
        return std::string(1, def.type) + "(" + std::to_string(def.length) + "," + std::to_string(def.decimals) + ")";
    }
}

void putDate(std::uint8_t* p)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    p[0] = static_cast<std::uint8_t>(local.tm_year);
    p[1] = static_cast<std::uint8_t>(local.tm_mon + 1);
    p[2] = static_cast<std::uint8_t>(local.tm_mday);
}

}  // namespace

std::string withDefaultExtension(std::string_view given, std::string_view extension)
{
    std::string name = trimmed(given);
    if (!name.empty() && name.back() == '.') {
        name.pop_back();
        return name;
    }
    const auto slash = name.find_last_of('/');
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        return name;
    const std::string upper = name + "." + std::string(extension);
    std::string lower = upper;
    for (std::size_t i = name.size() + 1; i < lower.size(); ++i)
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[i])));
    std::error_code ignored;
    return !std::filesystem::exists(upper, ignored) && std::filesystem::exists(lower, ignored) ? lower : upper;
}

// Changes every open index between the change marks readers look for.
class TTzDbf::IndexChange {
public:
    explicit IndexChange(TTzDbf& table) : table_(table)
    {
        for (OpenIndex& index : table.indexes_)
            index.ndx.beginChange();
    }
    ~IndexChange()
    {
        if (std::uncaught_exceptions() == 0)
            for (OpenIndex& index : table_.indexes_)
                index.ndx.endChange();
    }
    IndexChange(const IndexChange&) = delete;
    IndexChange& operator=(const IndexChange&) = delete;

private:
    TTzDbf& table_;
};

// Holds the index lock while a search walks the index: shared for readers,
// exclusive for a change. Every index header is read afresh under it.
class TTzDbf::SearchLock {
public:
    SearchLock(TTzDbf& table, bool exclusive, std::string_view operation) : table_(table)
    {
        table.data_.waitLock(IndexLockOffset, 1, !exclusive, operation);
        try {
            if (exclusive)
                table.readCount(operation);
            // Cached pages stay only while the change mark proves them
            // current; an odd mark under the lock is a writer that died.
            for (OpenIndex& index : table.indexes_)
                if (!index.ndx.revalidate(operation))
                    index.ndx.refresh(operation);
        } catch (...) {
            table.data_.unlock(IndexLockOffset, 1);
            throw;
        }
    }
    ~SearchLock() { table_.data_.unlock(IndexLockOffset, 1); }
    SearchLock(const SearchLock&) = delete;
    SearchLock& operator=(const SearchLock&) = delete;

private:
    TTzDbf& table_;
};

void createDataFile(const std::string& fileName, const std::vector<FieldDef>& fields)
{
    const std::size_t headerLength = PrologSize + fields.size() * DescriptorSize + 1;
    std::size_t recordLength = 1;
    for (const FieldDef& f : fields)
        recordLength += static_cast<std::size_t>(f.length);
    if (fields.empty() || fields.size() > MaxFields)
        throw DbfError(ErrorCode::InvalidParameter, fileName + " [Create]");
    std::vector<std::uint8_t> header(headerLength + 1, 0);
    header[HeaderOffset::Version] = DbaseIII;
    putDate(&header[HeaderOffset::Date]);
    put2(&header[HeaderOffset::HeaderLength], static_cast<std::uint32_t>(headerLength));
    put2(&header[HeaderOffset::RecordLength], static_cast<std::uint32_t>(recordLength));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::uint8_t* d = &header[PrologSize + i * DescriptorSize];
        std::memcpy(d + FieldOffset::Name, fields[i].name.data(), std::min<std::size_t>(fields[i].name.size(), 10));
        d[FieldOffset::Type] = static_cast<std::uint8_t>(fields[i].type);
        d[FieldOffset::Length] = static_cast<std::uint8_t>(fields[i].length);
        d[FieldOffset::Decimals] = static_cast<std::uint8_t>(fields[i].decimals);
    }
    header[headerLength - 1] = FieldListEnd;
    header[headerLength] = FileEnd;
    const SharedFile file = SharedFile::open(fileName, "Create", true);
    file.writeAt(0, header.data(), header.size(), "Create");
    file.sync("Create");
}

TTzDbf::TTzDbf(std::string componentName) : componentName_(std::move(componentName)) {}

void TTzDbf::requireOpen(std::string_view operation) const
{
    if (!Active())
        throw DbfError(ErrorCode::InvalidOperation,
                       "Database is not open [" + componentName_ + "." + std::string(operation) + "]");
}

void TTzDbf::SetDbfFileName(std::string_view fileName)
{
    const bool wasOpen = Active();
    SetActive(false);
    fileName_ = withDefaultExtension(fileName, "DBF");
    if (wasOpen)
        SetActive(true);
}

void TTzDbf::SetActive(bool active)
{
    if (!active) {
        UnLock();
        indexes_.clear();
        data_.close();
        fields_.clear();
        current_ = 0;
        bof_ = eof_ = false;
        return;
    }
    if (Active())
        return;
    try {
        openData();
    } catch (...) {
        data_.close();
        fields_.clear();
        throw;
    }
}

void TTzDbf::openData()
{
    data_ = SharedFile::open(fileName_, OpenOperation);
    const std::string notDbase = fileName_ + " is not a dBASE database.";
    std::array<std::uint8_t, PrologSize> prolog{};
    if (data_.readAt(0, prolog.data(), prolog.size(), OpenOperation) < prolog.size())
        throw DbfError(ErrorCode::NotDbase, notDbase + " (Prolog is less than 32 bytes) [USE/OpenDBF]");
    if (prolog[HeaderOffset::Version] != DbaseIII)
        throw DbfError(ErrorCode::NotDbase, notDbase + "(Invalid version byte)+ [USE/OpenDBF]");
    headerLength_ = get2(&prolog[HeaderOffset::HeaderLength]);
    recordLength_ = get2(&prolog[HeaderOffset::RecordLength]);
    std::size_t fieldCount = headerLength_ > PrologSize ? (headerLength_ - PrologSize) / DescriptorSize : 0;
    const auto outOfRange = [&] {
        return DbfError(ErrorCode::NotDbase, notDbase + " (Number of fields is out of range) [Use/OpenDbf]");
    };
    if (fieldCount == 0 || fieldCount > MaxFields)
        throw outOfRange();
    std::vector<std::uint8_t> list(fieldCount * DescriptorSize);
    data_.readExactly(PrologSize, list.data(), list.size(), OpenOperation, ErrorCode::DiskRead);
    std::size_t offset = 1;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const std::uint8_t* d = &list[i * DescriptorSize];
        if (d[0] == FieldListEnd)
            break;
        FieldSlot f;
        const char* name = reinterpret_cast<const char*>(d + FieldOffset::Name);
        f.def.name = trimmed(std::string_view(name, strnlen(name, FieldOffset::NameLength)));
        f.def.type = static_cast<char>(d[FieldOffset::Type]);
        f.def.length = d[FieldOffset::Length];
        f.def.decimals = d[FieldOffset::Decimals];
        f.offset = offset;
        if (!std::strchr("CNLDMF", f.def.type) || f.def.type == 0 || f.def.length == 0)
            throw DbfError(ErrorCode::InvalidFieldType, fileName_ + " [Use/OpenDbf]");
        offset += static_cast<std::size_t>(f.def.length);
        fields_.push_back(std::move(f));
    }
    if (fields_.empty())
        throw outOfRange();
    if (offset != recordLength_)
        throw DbfError(ErrorCode::NotDbase, notDbase + " (Record length does not match the fields) [Use/OpenDbf]");
    readCount(OpenOperation);
    if (data_.size(OpenOperation) < headerLength_ + std::uint64_t{recordCount_} * recordLength_)
        throw DbfError(ErrorCode::UnexpectedEnd, "Error reading " + fileName_ + " [Use/OpenDbf]");
    buffer_.assign(recordLength_, ' ');
    bof_ = eof_ = false;
    if (recordCount_ > 0)
        become(1, OpenOperation);
    else
        becomeEnd();
}

void TTzDbf::readCount(std::string_view operation)
{
    std::array<std::uint8_t, 4> count{};
    data_.readExactly(HeaderOffset::RecordCount, count.data(), count.size(), operation, ErrorCode::DiskRead);
    recordCount_ = get4(count.data());
}

std::uint64_t TTzDbf::recordOffset(std::uint32_t number) const
{
    return headerLength_ + std::uint64_t{number - 1} * recordLength_;
}

void TTzDbf::readRecord(std::uint32_t number, std::string& into, std::string_view operation)
{
    if (number == 0 || number > recordCount_)
        readCount(operation);
    if (number == 0 || number > recordCount_)
        throw DbfError(ErrorCode::BeyondRange, "Record " + std::to_string(number) + " of " + fileName_ + " [" +
                                                   std::string(operation) + "]");
    into.resize(recordLength_);
    data_.readExactly(recordOffset(number), into.data(), recordLength_, operation, ErrorCode::UnexpectedEnd);
}

bool TTzDbf::recordDeleted(std::uint32_t number, std::string_view operation)
{
    std::string record;
    readRecord(number, record, operation);
    return record[0] == '*';
}

void TTzDbf::become(std::uint32_t number, std::string_view operation)
{
    if (number == settledNumber_)
        buffer_ = settled_;
    else
        readRecord(number, buffer_, operation);
    settledNumber_ = 0;
    current_ = number;
    currentKey_ = indexes_.empty() ? std::string() : keyOf(indexes_.front(), buffer_);
}

void TTzDbf::becomeEnd()
{
    current_ = 0;
    currentKey_.clear();
    buffer_.assign(recordLength_, ' ');
}

std::string TTzDbf::keyOf(const OpenIndex& index, std::string_view record) const
{
    const FieldSlot& f = fields_[index.field];
    std::string key(record.substr(f.offset, static_cast<std::size_t>(f.def.length)));
    return index.upper ? upperAscii(std::move(key)) : key;
}

std::string TTzDbf::CurrentKey()
{
    requireOpen("CurrentKey");
    return indexes_.empty() ? std::string() : keyOf(indexes_.front(), buffer_);
}

void TTzDbf::SetIndexTo(std::string_view indexNames)
{
    requireOpen("SetIndexTo");
    indexes_.clear();
    std::istringstream names{std::string(indexNames)};
    int order = 0;
    for (std::string name; names >> name;) {
        const std::string operation = "SetIndexTo(...," + std::to_string(++order) + ")";
        OpenIndex index{NdxIndex::open(withDefaultExtension(name, "NDX"), operation), 0, false};
        // The key is one character field, as dBASE writes it: ENTRY or UPPER(ENTRY).
        std::string expression = upperAscii(trimmed(index.ndx.keyExpression()));
        if (expression.starts_with("UPPER(") && expression.ends_with(")")) {
            index.upper = true;
            expression = trimmed(expression.substr(6, expression.size() - 7));
        }
        const auto found = std::find_if(fields_.begin(), fields_.end(),
                                        [&](const FieldSlot& f) { return sameName(f.def.name, expression); });
        if (found == fields_.end() || found->def.type != 'C')
            throw DbfError(ErrorCode::FormatNotSupported, index.ndx.name() + " [" + operation + "]");
        if (static_cast<std::size_t>(found->def.length) != index.ndx.keyLength())
            throw DbfError(ErrorCode::CorruptIndex, index.ndx.name() + " [" + operation + "]");
        index.field = static_cast<std::size_t>(found - fields_.begin());
        indexes_.push_back(std::move(index));
    }
    if (!indexes_.empty())
        First();
}

// Moves off deleted records (when they are hidden) in the given direction.
bool TTzDbf::settle(IndexPosition& at, bool forward, std::string_view operation)
{
    NdxIndex& ndx = indexes_.front().ndx;
    bool ok = !at.atEnd;
    while (ok && hideDeleted_) {
        settledNumber_ = ndx.entry(at).record;
        readRecord(settledNumber_, settled_, operation);
        if (settled_[0] != '*')
            break;
        ok = forward ? ndx.next(at) : ndx.previous(at);
    }
    return ok;
}

template <typename Search>
auto TTzDbf::search(std::string_view operation, Search search) -> decltype(search())
{
    NdxIndex& ndx = indexes_.front().ndx;
    settledNumber_ = 0;
    if (locks_.empty() && ndx.revalidate(operation)) {
        try {
            auto found = search();
            if (ndx.unchangedSince(operation))
                return found;
        } catch (const DbfError&) {
            if (ndx.unchangedSince(operation))
                throw;
        }
    }
    const SearchLock lock(*this, false, operation);
    return search();
}

// Finds the current record again in an index another process may have changed.
void TTzDbf::reposition(IndexPosition& at)
{
    NdxIndex& ndx = indexes_.front().ndx;
    if (current_ == 0) {
        at.atEnd = true;
        return;
    }
    IndexPosition nearest;
    bool ok = ndx.seek(currentKey_, at);
    nearest = at;
    for (; ok; ok = ndx.next(at)) {
        const IndexEntry e = ndx.entry(at);
        if (e.key != currentKey_)
            break;
        if (e.record == current_)
            return;
    }
    at = nearest;
}

void TTzDbf::First()
{
    requireOpen("First");
    bof_ = eof_ = false;
    if (indexes_.empty()) {
        GoTo(1);
        if (current_ != 0 && hideDeleted_ && Deleted())
            MoveBy(1);
        return;
    }
    NdxIndex& ndx = indexes_.front().ndx;
    const auto found = search("First", [&]() -> std::optional<std::uint32_t> {
        IndexPosition at;
        ndx.first(at);
        return settle(at, true, "First") ? std::optional(ndx.entry(at).record) : std::nullopt;
    });
    if (found)
        become(*found, "First");
    else {
        becomeEnd();
        bof_ = eof_ = true;
    }
}

void TTzDbf::Last()
{
    requireOpen("Last");
    bof_ = eof_ = false;
    if (indexes_.empty()) {
        GoTo(RecordCount());
        if (current_ != 0 && hideDeleted_ && Deleted())
            MoveBy(-1);
        return;
    }
    NdxIndex& ndx = indexes_.front().ndx;
    const auto found = search("Last", [&]() -> std::optional<std::uint32_t> {
        IndexPosition at;
        ndx.last(at);
        return settle(at, false, "Last") ? std::optional(ndx.entry(at).record) : std::nullopt;
    });
    if (found)
        become(*found, "Last");
    else {
        becomeEnd();
        bof_ = eof_ = true;
    }
}

void TTzDbf::GoTo(std::uint32_t number)
{
    requireOpen("GoTo");
    readCount("GoTo");
    settledNumber_ = 0;
    bof_ = eof_ = false;
    if (number == 0 || number > recordCount_) {
        becomeEnd();
        eof_ = true;
        return;
    }
    become(number, "GoTo");
}

std::uint32_t TTzDbf::RecordCount()
{
    requireOpen("RecordCount");
    readCount("RecordCount");
    return recordCount_;
}

bool TTzDbf::Deleted()
{
    requireOpen("Deleted");
    return current_ != 0 && buffer_[0] == '*';
}

bool TTzDbf::FindExact(std::string_view text)
{
    requireOpen("FindExact");
    if (indexes_.empty())
        throw DbfError(ErrorCode::IndexNotOpen, fileName_ + " [FindExact]");
    NdxIndex& ndx = indexes_.front().ndx;
    const std::string key = ndx.searchKey(text);
    const auto found = search("FindExact", [&]() -> std::optional<std::uint32_t> {
        IndexPosition at;
        if (!ndx.seek(key, at) || !settle(at, true, "FindExact"))
            return std::nullopt;
        const IndexEntry entry = ndx.entry(at);
        return entry.key == key ? std::optional(entry.record) : std::nullopt;
    });
    if (!found)
        return false;
    bof_ = eof_ = false;
    become(*found, "FindExact");
    return true;
}

bool TTzDbf::FindNear(std::string_view text)
{
    requireOpen("FindNear");
    if (indexes_.empty())
        throw DbfError(ErrorCode::IndexNotOpen, fileName_ + " [FindNear]");
    NdxIndex& ndx = indexes_.front().ndx;
    const std::string key = ndx.searchKey(text);
    const auto found = search("FindNear", [&]() -> std::optional<std::uint32_t> {
        IndexPosition at;
        return ndx.seek(key, at) && settle(at, true, "FindNear") ? std::optional(ndx.entry(at).record)
                                                                 : std::nullopt;
    });
    bof_ = eof_ = false;
    if (found) {
        become(*found, "FindNear");
        return true;
    }
    becomeEnd();
    eof_ = true;
    return false;
}

int TTzDbf::MoveBy(int distance)
{
    requireOpen("MoveBy");
    bof_ = eof_ = false;
    const bool forward = distance > 0;
    int moved = 0;
    if (indexes_.empty()) {
        readCount("MoveBy");
        std::uint32_t at = current_ == 0 ? recordCount_ + 1 : current_;
        while (moved < std::abs(distance)) {
            std::uint32_t step = at;
            do
                step = forward ? step + 1 : step - 1;
            while (step >= 1 && step <= recordCount_ && hideDeleted_ && recordDeleted(step, "MoveBy"));
            if (step < 1 || step > recordCount_)
                break;
            at = step;
            ++moved;
        }
        if (moved < std::abs(distance))
            (forward ? eof_ : bof_) = true;
        if (at >= 1 && at <= recordCount_)
            become(at, "MoveBy");
        return forward ? moved : -moved;
    }
    NdxIndex& ndx = indexes_.front().ndx;
    struct Move {
        int moved = 0;
        std::uint32_t record = 0;
    };
    const Move move = search("MoveBy", [&] {
        Move result;
        IndexPosition at;
        reposition(at);
        while (result.moved < std::abs(distance)) {
            IndexPosition step = at;
            if (!(forward ? ndx.next(step) : ndx.previous(step)) || !settle(step, forward, "MoveBy"))
                break;
            at = step;
            ++result.moved;
        }
        if (result.moved > 0)
            result.record = ndx.entry(at).record;
        return result;
    });
    if (move.moved < std::abs(distance))
        (forward ? eof_ : bof_) = true;
    if (move.moved > 0)
        become(move.record, "MoveBy");
    return forward ? move.moved : -move.moved;
}

int TTzDbf::FieldCount()
{
    requireOpen("FieldCount");
    return static_cast<int>(fields_.size());
}

std::string TTzDbf::Field(int number)
{
    requireOpen("Field");
    if (number < 1 || number > static_cast<int>(fields_.size()))
        throw DbfError(ErrorCode::InvalidParameter,
                       "Field " + std::to_string(number) + " not in '" + fileName_ + "' [Field]");
    return fields_[static_cast<std::size_t>(number - 1)].def.name;
}

const TTzDbf::FieldSlot& TTzDbf::field(std::string_view name, std::string_view operation, char type)
{
    requireOpen(operation);
    const auto found = std::find_if(fields_.begin(), fields_.end(),
                                    [&](const FieldSlot& f) { return sameName(f.def.name, name); });
    if (found == fields_.end())
        throw DbfError(ErrorCode::InvalidParameter, "Field '" + std::string(name) + "' not in '" + fileName_ + "' [" +
                                                        std::string(operation) + "]");
    if (type != 0 && found->def.type != type)
        throw DbfError(ErrorCode::InvalidParameter,
                       "'" + std::string(operation) + "()' expects field '" + std::string(name) + "' to be of type:\r\n'" +
                           typeName({"", type, 0, 0}) + "'.'" + fileName_ + "' actually is: '" + typeName(found->def) +
                           "'");
    return *found;
}

std::string TTzDbf::GetField(std::string_view name)
{
    const FieldSlot& f = field(name, "GetField", 0);
    return buffer_.substr(f.offset, static_cast<std::size_t>(f.def.length));
}

std::string TTzDbf::GetCField(std::string_view name)
{
    const FieldSlot& f = field(name, "GetCField", 'C');
    return buffer_.substr(f.offset, static_cast<std::size_t>(f.def.length));
}

bool TTzDbf::GetLField(std::string_view name)
{
    const FieldSlot& f = field(name, "GetLField", 'L');
    return std::strchr("TtYy", buffer_[f.offset]) != nullptr && buffer_[f.offset] != 0;
}

void TTzDbf::SetCField(std::string_view name, std::string_view text)
{
    const FieldSlot& f = field(name, "SetCField", 'C');
    const auto length = static_cast<std::size_t>(f.def.length);
    std::string value(text.substr(0, length));
    value.resize(length, ' ');
    buffer_.replace(f.offset, length, value);
}

void TTzDbf::SetLField(std::string_view name, bool value)
{
    const FieldSlot& f = field(name, "SetLField", 'L');
    buffer_[f.offset] = value ? 'T' : 'F';
}

void TTzDbf::ClearRecord()
{
    requireOpen("ClearRecord");
    buffer_.assign(recordLength_, ' ');
}

bool TTzDbf::holdsLock(std::uint64_t offset) const
{
    return std::any_of(locks_.begin(), locks_.end(), [&](const auto& lock) { return lock.first == offset; });
}

bool TTzDbf::takeLock(std::uint64_t offset, std::uint64_t length, std::string_view operation)
{
    if (!data_.tryLock(offset, length, operation))
        return false;
    if (!holdsLock(offset))
        locks_.emplace_back(offset, length);
    return true;
}

bool TTzDbf::RLock()
{
    requireOpen("RLock");
    if (current_ == 0)
        throw DbfError(ErrorCode::BeyondRange, fileName_ + " [RLock]");
    return takeLock(LockBase + recordOffset(current_), recordLength_, "RLock");
}

bool TTzDbf::ALock()
{
    requireOpen("ALock");
    return takeLock(AppendLockOffset, 1, "ALock");
}

void TTzDbf::UnLock()
{
    for (const auto& [offset, length] : locks_)
        data_.unlock(offset, length);
    locks_.clear();
}

void TTzDbf::touchHeader(std::string_view operation)
{
    std::array<std::uint8_t, 7> header{};
    putDate(&header[HeaderOffset::Date - 1]);
    put4(&header[HeaderOffset::RecordCount - 1], recordCount_);
    data_.writeAt(HeaderOffset::Date, header.data(), header.size(), operation);
}

void TTzDbf::ReplaceRec()
{
    requireOpen("ReplaceRec");
    if (current_ == 0)
        throw DbfError(ErrorCode::BeyondRange, fileName_ + " [ReplaceRec]");
    if (!holdsLock(LockBase + recordOffset(current_)))
        throw DbfError(ErrorCode::RecordNotLocked, fileName_ + " [ReplaceRec]");
    const SearchLock lock(*this, true, "ReplaceRec");
    std::string old;
    readRecord(current_, old, "ReplaceRec");
    data_.writeAt(recordOffset(current_), buffer_.data(), recordLength_, "ReplaceRec");
    touchHeader("ReplaceRec");
    const IndexChange change(*this);
    for (OpenIndex& index : indexes_) {
        const std::string before = keyOf(index, old);
        const std::string after = keyOf(index, buffer_);
        if (before != after) {
            index.ndx.remove(before, current_);
            index.ndx.insert(after, current_);
        }
    }
    currentKey_ = indexes_.empty() ? std::string() : keyOf(indexes_.front(), buffer_);
}

void TTzDbf::AppendRec()
{
    requireOpen("AppendRec");
    if (!holdsLock(AppendLockOffset))
        throw DbfError(ErrorCode::FileNotLocked, fileName_ + " [AppendRec]");
    const SearchLock lock(*this, true, "AppendRec");
    const std::uint32_t number = recordCount_ + 1;
    std::string record = buffer_;
    record.push_back(static_cast<char>(FileEnd));
    data_.writeAt(recordOffset(number), record.data(), record.size(), "AppendRec");
    recordCount_ = number;
    touchHeader("AppendRec");
    {
        const IndexChange change(*this);
        for (OpenIndex& index : indexes_)
            index.ndx.insert(keyOf(index, buffer_), number);
    }
    current_ = number;
    currentKey_ = indexes_.empty() ? std::string() : keyOf(indexes_.front(), buffer_);
    bof_ = eof_ = false;
}

void TTzDbf::AppendRecs(std::size_t count, const std::function<void(std::size_t)>& fill)
{
    requireOpen("AppendRecs");
    if (!holdsLock(AppendLockOffset))
        throw DbfError(ErrorCode::FileNotLocked, fileName_ + " [AppendRecs]");
    const SearchLock lock(*this, true, "AppendRecs");
    const std::uint32_t first = recordCount_ + 1;
    std::string chunk;
    std::uint32_t written = 0;
    for (std::size_t i = 0; i < count; ++i) {
        buffer_.assign(recordLength_, ' ');
        fill(i);
        chunk += buffer_;
        if (chunk.size() >= BuildChunkBytes || i + 1 == count) {
            if (i + 1 == count)
                chunk.push_back(static_cast<char>(FileEnd));
            data_.writeAt(recordOffset(first + written), chunk.data(), chunk.size(), "AppendRecs");
            written = static_cast<std::uint32_t>(i + 1);
            chunk.clear();
        }
    }
    if (count == 0)
        return;
    recordCount_ += static_cast<std::uint32_t>(count);
    touchHeader("AppendRecs");
    const IndexChange change(*this);
    for (OpenIndex& index : indexes_)
        for (std::uint32_t number = first; number <= recordCount_; ++number) {
            readRecord(number, chunk, "AppendRecs");
            index.ndx.insert(keyOf(index, chunk), number);
        }
    current_ = recordCount_;
    currentKey_ = indexes_.empty() ? std::string() : keyOf(indexes_.front(), buffer_);
    bof_ = eof_ = false;
}

void TTzDbf::DeleteRec()
{
    requireOpen("DeleteRec");
    if (current_ == 0)
        throw DbfError(ErrorCode::BeyondRange, fileName_ + " [DeleteRec]");
    if (!holdsLock(LockBase + recordOffset(current_)))
        throw DbfError(ErrorCode::RecordNotLocked, fileName_ + " [DeleteRec]");
    buffer_[0] = '*';
    data_.writeAt(recordOffset(current_), buffer_.data(), 1, "DeleteRec");
}

void TTzDbf::BuildIndex(std::string_view indexName, std::string_view keyField)
{
    requireOpen("BuildIndex");
    const FieldSlot& key = field(keyField, "BuildIndex", 'C');
    const std::string name = withDefaultExtension(indexName, "NDX");
    indexes_.clear();
    SharedFile file;
    try {
        file = SharedFile::open(name, "BuildIndex", true);
    } catch (const DbfError&) {
        file = SharedFile::open(name, "BuildIndex");
    }
    {
    const SearchLock lock(*this, true, "BuildIndex");
    std::vector<IndexEntry> entries;
    entries.reserve(recordCount_);
    const std::size_t perChunk = std::max<std::size_t>(1, BuildChunkBytes / recordLength_);
    std::string chunk;
    for (std::uint32_t first = 1; first <= recordCount_; first += static_cast<std::uint32_t>(perChunk)) {
        const std::size_t records = std::min<std::size_t>(perChunk, recordCount_ - first + 1);
        chunk.resize(records * recordLength_);
        data_.readExactly(recordOffset(first), chunk.data(), chunk.size(), "BuildIndex", ErrorCode::UnexpectedEnd);
        for (std::size_t i = 0; i < records; ++i)
            entries.push_back({chunk.substr(i * recordLength_ + key.offset, static_cast<std::size_t>(key.def.length)),
                               first + static_cast<std::uint32_t>(i)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const IndexEntry& a, const IndexEntry& b) { return a.key < b.key; });
    NdxIndex::build(file, key.def.name, static_cast<std::size_t>(key.def.length), entries, "BuildIndex");
    }
    file.close();
    SetIndexTo(name);
}

std::vector<std::string> TTzDbf::WalkIndex(const std::function<void(const IndexEntry&)>& visit)
{
    requireOpen("WalkIndex");
    if (indexes_.empty())
        throw DbfError(ErrorCode::IndexNotOpen, fileName_ + " [WalkIndex]");
    const SearchLock lock(*this, false, "WalkIndex");
    return indexes_.front().ndx.walk(visit);
}

}  // namespace zpx::dbf
