#pragma once
// One open data or index file of the clue bank, shared with other processes:
// positioned reads and writes that report failures in the engine's terms, and
// byte-range locks that belong to this open file alone (open-file-description
// locks), so two tables in one process never release each other's locks.

#include <cstdint>
#include <string>
#include <string_view>

namespace zpx::dbf {

class SharedFile {
public:
    SharedFile() = default;
    SharedFile(const SharedFile&) = delete;
    SharedFile& operator=(const SharedFile&) = delete;
    SharedFile(SharedFile&& other) noexcept;
    SharedFile& operator=(SharedFile&& other) noexcept;
    ~SharedFile();

    // Opens for reading and writing (reading only when writing is denied);
    // `createNew` makes a new file and refuses an existing one. Only regular
    // files are opened. Failures throw with "Attempt to open NAME [operation]".
    static SharedFile open(const std::string& name, std::string_view operation, bool createNew = false);

    bool isOpen() const { return fd_ >= 0; }
    const std::string& name() const { return name_; }
    void close();

    std::uint64_t size(std::string_view operation) const;
    // Reads up to `size` bytes; returns how many the file held there.
    std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t size, std::string_view operation) const;
    // Reads exactly `size` bytes, or throws the given code ("Error reading NAME [operation]").
    void readExactly(std::uint64_t offset, void* buffer, std::size_t size, std::string_view operation,
                     int shortReadCode) const;
    void writeAt(std::uint64_t offset, const void* buffer, std::size_t size, std::string_view operation) const;
    void truncate(std::uint64_t size, std::string_view operation) const;
    void sync(std::string_view operation) const;

    // An exclusive lock tried once; false when another open file holds the range.
    bool tryLock(std::uint64_t offset, std::uint64_t length, std::string_view operation) const;
    // A lock waited for; `shared` lets other readers hold it at the same time.
    void waitLock(std::uint64_t offset, std::uint64_t length, bool shared, std::string_view operation) const;
    void unlock(std::uint64_t offset, std::uint64_t length) const;

private:
    SharedFile(int fd, std::string name, bool writable) : fd_(fd), name_(std::move(name)), writable_(writable) {}
    [[noreturn]] void fail(int error, bool writing, std::string_view operation) const;

    int fd_ = -1;
    std::string name_;
    bool writable_ = false;
};

}  // namespace zpx::dbf
