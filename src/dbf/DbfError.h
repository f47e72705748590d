#pragma once
// The table engine's report: a numeric code with its description and a
// context text saying where it happened, shown to the user as
//
//   Error # 210 (Not a dBASE data file)
//   BANK.DBF is not a dBASE database. (Prolog is less than 32 bytes) [USE/OpenDBF]

#include <stdexcept>
#include <string>

namespace zpx::dbf {

namespace ErrorCode {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int SharingViolation = 32;
constexpr int LockViolation = 33;
constexpr int DiskRead = 100;
constexpr int DiskWrite = 101;
constexpr int NotDbase = 210;
constexpr int InvalidFieldType = 211;
constexpr int BeyondRange = 212;
constexpr int UnexpectedEnd = 213;
constexpr int InvalidParameter = 220;
constexpr int IndexNotOpen = 221;
constexpr int CorruptIndex = 222;
constexpr int RecordNotLocked = 1200;
constexpr int FileNotLocked = 1201;
constexpr int InvalidOperation = 1103;
constexpr int FormatNotSupported = 1300;
}  // namespace ErrorCode

std::string errorDescription(int code);

class DbfError : public std::runtime_error {
public:
    DbfError(int code, std::string context);

    int code() const { return code_; }
    const std::string& context() const { return context_; }

private:
    int code_;
    std::string context_;
};

// The code a failed system call of a file operation is reported with.
int codeOfSystemError(int error, bool writing);

}  // namespace zpx::dbf
