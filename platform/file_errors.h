#pragma once
// The error numbers of the file functions. The editor's messages key on the
// Windows error numbers, so the file functions speak them too; errno is turned
// into one of them by the table in file_errors.cpp and nowhere else.
#include <string>

constexpr int ErrorSuccess = 0;
constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorTooManyOpenFiles = 4;
constexpr int ErrorAccessDenied = 5;
constexpr int ErrorSharingViolation = 32;
constexpr int ErrorFileExists = 80;
constexpr int ErrorDiskFull = 112;
constexpr int ErrorFilenameTooLong = 206;
constexpr int ErrorFileTooLarge = 223;

// An errno with no Windows counterpart comes out as this base + errno. Bit 29
// is the one Windows leaves to applications, so such a number never equals a
// system error number, and the errno can still be read off the message
// ("I/O error 536870917" is 0x20000000 + 5, EIO).
constexpr int ErrorFromErrnoBase = 0x20000000;

// The Windows error number for `err`, which came from an operation on
// `fileName`. The name decides between "file not found" and "path not found":
// ENOENT says only that something on the path is missing.
int ErrorFromErrno(int err, const std::string& fileName);
