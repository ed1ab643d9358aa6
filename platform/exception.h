#pragma once
// The root of the editor's exceptions: a message text and a class name, as
// the error box and the last-chance report show them.
#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message);
  const char* what() const noexcept override { return Message.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

  std::string Message;
  // Where the exception was made: the code address of the last-chance report.
  const void* Address;
};

// Declares an exception class `name` derived from `base` with its own class name.
#define VARNOCK_EXCEPTION(name, base)                           \
  class name : public base {                                    \
   public:                                                      \
    using base::base;                                           \
    const char* ClassName() const override { return #name; }    \
  }

// "%s" in `format` replaced by `value`, as the messages of the editor are built.
std::string FormatMessage(const std::string& format, const std::string& value);
