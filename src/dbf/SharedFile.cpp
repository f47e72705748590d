#include "dbf/SharedFile.h"

#include "dbf/DbfError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zpx::dbf {

namespace {

std::string bracketed(std::string_view operation)
{
    return " [" + std::string(operation) + "]";
}

}  // namespace

SharedFile::SharedFile(SharedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), name_(std::move(other.name_)), writable_(other.writable_)
{
}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        name_ = std::move(other.name_);
        writable_ = other.writable_;
    }
    return *this;
}

SharedFile::~SharedFile()
{
    close();
}

void SharedFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

SharedFile SharedFile::open(const std::string& name, std::string_view operation, bool createNew)
{
    const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (createNew ? O_CREAT | O_EXCL : 0);
    bool writable = true;
    int fd = ::open(name.c_str(), O_RDWR | flags, 0666);
    if (fd < 0 && !createNew && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        writable = false;
        fd = ::open(name.c_str(), O_RDONLY | flags);
    }
    const auto refuse = [&](int error) {
        return DbfError(codeOfSystemError(error, false), "Attempt to open " + name + bracketed(operation));
    };
    if (fd < 0)
        throw refuse(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw refuse(EACCES);
    }
    // Only the open itself had to be non-blocking (a FIFO must not hang it).
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return SharedFile(fd, name, writable);
}

void SharedFile::fail(int error, bool writing, std::string_view operation) const
{
    throw DbfError(codeOfSystemError(error, writing),
                   (writing ? "Error writing " : "Error reading ") + name_ + bracketed(operation));
}

std::uint64_t SharedFile::size(std::string_view operation) const
{
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        fail(errno, false, operation);
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t SharedFile::readAt(std::uint64_t offset, void* buffer, std::size_t size, std::string_view operation) const
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd_, static_cast<char*>(buffer) + done, size - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno, false, operation);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void SharedFile::readExactly(std::uint64_t offset, void* buffer, std::size_t size, std::string_view operation,
                             int shortReadCode) const
{
    if (readAt(offset, buffer, size, operation) != size)
        throw DbfError(shortReadCode, "Error reading " + name_ + bracketed(operation));
}

void SharedFile::writeAt(std::uint64_t offset, const void* buffer, std::size_t size, std::string_view operation) const
{
    if (!writable_)
        fail(EACCES, true, operation);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd_, static_cast<const char*>(buffer) + done, size - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : ENOSPC, true, operation);
        done += static_cast<std::size_t>(n);
    }
}

void SharedFile::truncate(std::uint64_t size, std::string_view operation) const
{
    if (!writable_ || ::ftruncate(fd_, static_cast<off_t>(size)) != 0)
        fail(writable_ ? errno : EACCES, true, operation);
}

void SharedFile::sync(std::string_view operation) const
{
    if (::fsync(fd_) != 0)
        fail(errno, true, operation);
}

bool SharedFile::tryLock(std::uint64_t offset, std::uint64_t length, std::string_view operation) const
{
    if (!writable_)
        fail(EACCES, true, operation);
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    region.l_start = static_cast<off_t>(offset);
    region.l_len = static_cast<off_t>(length);
    if (::fcntl(fd_, F_OFD_SETLK, &region) == 0)
        return true;
    if (errno == EAGAIN || errno == EACCES)
        return false;
    throw DbfError(ErrorCode::LockViolation, name_ + bracketed(operation));
}

void SharedFile::waitLock(std::uint64_t offset, std::uint64_t length, bool shared, std::string_view operation) const
{
    struct flock region {};
    region.l_type = shared || !writable_ ? F_RDLCK : F_WRLCK;
    region.l_whence = SEEK_SET;
    region.l_start = static_cast<off_t>(offset);
    region.l_len = static_cast<off_t>(length);
    while (::fcntl(fd_, F_OFD_SETLKW, &region) != 0)
        if (errno != EINTR)
            throw DbfError(ErrorCode::LockViolation, name_ + bracketed(operation));
}

void SharedFile::unlock(std::uint64_t offset, std::uint64_t length) const
{
    struct flock region {};
    region.l_type = F_UNLCK;
    region.l_whence = SEEK_SET;
    region.l_start = static_cast<off_t>(offset);
    region.l_len = static_cast<off_t>(length);
    ::fcntl(fd_, F_OFD_SETLK, &region);
}

}  // namespace zpx::dbf
