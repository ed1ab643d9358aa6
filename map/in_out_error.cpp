#include "map/in_out_error.h"

namespace {

// One per thread, so that a file operation on one thread never raises on
// another.
thread_local int PendingCode = 0;

struct TCodeMessage {
  int Code;
  const char* Message;
};

// 100 and 101 are never produced by the map files (out of data reads as 0,
// a full disk comes with the platform's number) but keep their messages.
constexpr TCodeMessage Messages[] = {
    {2, "File not found"},
    {3, "Invalid filename"},
    {4, "Too many open files"},
    {5, "File access denied"},
    {100, "Read beyond end of file"},
    {101, "Disk full"},
    {InvalidNumericInput, "Invalid numeric input"},
};

}  // namespace

EInOutError::EInOutError(std::string message, int errorCode)
    : Exception(std::move(message)), ErrorCode(errorCode) {}

void SetInOutError(int code) { PendingCode = code; }

int PendingInOutError() { return PendingCode; }

std::string InOutErrorMessage(int code) {
  for (const TCodeMessage& m : Messages)
    if (m.Code == code) return m.Message;
  return "I/O error " + std::to_string(code);
}

void CheckInOut() {
  if (PendingCode == 0) return;
  int code = PendingCode;
  PendingCode = 0;
  throw EInOutError(InOutErrorMessage(code), code);
}
