#include "platform/exception.h"

Exception::Exception(std::string message)
    : Message(std::move(message)), Address(__builtin_return_address(0)) {}

std::string FormatMessage(const std::string& format, const std::string& value) {
  std::string text = format;
  size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}
