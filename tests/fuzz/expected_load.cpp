#include "tests/fuzz/expected_load.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace {

// Bytes 0..32 separate numbers; a longer run of other bytes is cut into
// numbers of at most this many bytes.
constexpr char LastBlank = ' ';
constexpr size_t LongestToken = 32;
constexpr size_t MostHexDigits = 8;
constexpr uint64_t LargestDecimal = 2147483647;

bool IsBlank(char c) { return (unsigned char)c <= (unsigned char)LastBlank; }

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// The value of one number, or none when it is malformed or out of range.
std::optional<int32_t> TokenValue(std::string_view token) {
  bool negative = token.starts_with('-');
  if (negative || token.starts_with('+')) token.remove_prefix(1);
  bool hex = TakePrefix(token, "0x") || TakePrefix(token, "0X") || TakePrefix(token, "$") ||
             TakePrefix(token, "x") || TakePrefix(token, "X");
  if (token.empty()) return std::nullopt;
  if (hex) {
    size_t firstSignificant = token.find_first_not_of('0');
    // All zeros is zero; otherwise only the significant digits are limited.
    if (firstSignificant == std::string_view::npos) return 0;
    token.remove_prefix(firstSignificant);
    if (token.size() > MostHexDigits) return std::nullopt;
  }
  uint64_t magnitude = 0;
  auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), magnitude, hex ? 16 : 10);
  if (error != std::errc{} || end != token.data() + token.size()) return std::nullopt;
  if (!hex && magnitude > LargestDecimal + (negative ? 1 : 0)) return std::nullopt;
  uint32_t bits = uint32_t(magnitude);
  return int32_t(negative ? 0u - bits : bits);
}

}  // namespace

TExpectedLoad ExpectedLoad(std::string_view bytes) {
  // Ctrl+Z ends the data wherever it stands.
  std::string_view data = bytes.substr(0, bytes.find('\x1A'));
  TExpectedLoad expected;
  size_t at = 0;
  for (int cell = 0; cell < MapCellCount; ++cell) {
    while (at < data.size() && IsBlank(data[at])) ++at;
    // Data that ends early leaves the rest of the map water.
    if (at == data.size()) break;
    size_t end = at;
    while (end < data.size() && end - at < LongestToken && !IsBlank(data[end])) ++end;
    std::optional<int32_t> value = TokenValue(data.substr(at, end - at));
    if (!value) {
      expected.FailingCell = cell;
      return expected;
    }
    expected.Cells[cell] = uint8_t(*value);
    at = end;
  }
  return expected;
}
