#pragma once
// The pending I/O code and the error check. A file operation that fails does
// not throw: it leaves its code pending, and the error check that follows it
// turns the code into an EInOutError. So a caller decides where a failure is
// raised, and a failed read can still store its cell first.
#include <string>

#include "platform/exception.h"

class EInOutError : public Exception {
 public:
  EInOutError(std::string message, int errorCode);
  const char* ClassName() const override { return "EInOutError"; }

  // The pending code that raised it: a Windows error number, or the
  // channel's own InvalidNumericInput.
  int ErrorCode;
};

// The channel's own codes; every other code is the platform's error number.
constexpr int FileNotOpen = 103;
constexpr int InvalidNumericInput = 106;

// Stores `code` (nonzero) as this thread's pending code.
void SetInOutError(int code);
// This thread's pending code, 0 when nothing is pending; left as it is.
int PendingInOutError();

// The message for a code: "File not found" for 2 ... "I/O error %d" for any
// code without a message of its own.
std::string InOutErrorMessage(int code);

// The error check: if a code is pending, clears it and throws EInOutError
// with it.
void CheckInOut();
