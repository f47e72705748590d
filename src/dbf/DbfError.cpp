#include "dbf/DbfError.h"

#include <cerrno>

namespace zpx::dbf {

namespace {

std::string reportText(int code, const std::string& context)
{
    return "Error # " + std::to_string(code) + " (" + errorDescription(code) + ")\r\n" + context;
}

}  // namespace

std::string errorDescription(int code)
{
    switch (code) {
    case 2: return "File not found";
    case 3: return "Path not found";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 32: return "File sharing violation";
    case 33: return "File lock violation";
    case 100: return "Disk read error";
    case 101: return "Disk write error (probable cause: Disk Full).";
    case 210: return "Not a dBASE data file";
    case 211: return "Invalid database field type encountered";
    case 212: return "Request beyond range";
    case 213: return "End of file found unexpectedly";
    case 214: return "File already in use";
    case 215: return "No database in use";
    case 217: return "Insufficient memory";
    case 220: return "Invalid parameter";
    case 221: return "Index file not open";
    case 222: return "Corrupted index file";
    case 223: return "Index version mismatch";
    case 227: return "Insufficient disk space ";
    case 1103: return "Invalid Operation ";
    case 1200: return "Record not locked";
    case 1201: return "File not locked";
    case 1202:
        return "Semaphore file error. Possible solutions: log into network or load SHARE.EXE before running Windows";
    case 1300: return "File format not supported";
    default: return code >= 1203 && code <= 1299 ? "Network Error" : "Undefined error";
    }
}

DbfError::DbfError(int code, std::string context)
    : std::runtime_error(reportText(code, context)), code_(code), context_(std::move(context))
{
}

int codeOfSystemError(int error, bool writing)
{
    switch (error) {
    case ENOENT: return ErrorCode::FileNotFound;
    case ENOTDIR: return ErrorCode::PathNotFound;
    case EMFILE:
    case ENFILE: return ErrorCode::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return ErrorCode::AccessDenied;
    case ETXTBSY: return ErrorCode::SharingViolation;
    default: return writing ? ErrorCode::DiskWrite : ErrorCode::DiskRead;
    }
}

}  // namespace zpx::dbf
