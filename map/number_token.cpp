#include "map/number_token.h"

namespace {

constexpr int MaxHexDigits = 8;
// The magnitude of the most negative 32-bit value, one beyond the largest.
constexpr uint32_t MostNegativeMagnitude = 0x80000000u;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Length of a hexadecimal prefix at `at`, 0 if none.
int HexPrefixLength(const char* token, int at, int length) {
  char c = token[at];
  if (c == '$' || c == 'x' || c == 'X') return 1;
  if (c == '0' && at + 1 < length && (token[at + 1] == 'x' || token[at + 1] == 'X')) return 2;
  return 0;
}

bool ParseHex(const char* digits, int count, uint32_t& bits) {
  bits = 0;
  int significant = 0;
  for (int i = 0; i < count; ++i) {
    int d = HexDigitValue(digits[i]);
    if (d < 0) return false;
    if (significant > 0 || d != 0) ++significant;
    if (significant > MaxHexDigits) return false;
    bits = bits << 4 | uint32_t(d);
  }
  return true;
}

// The magnitude, at most `limit`; digits only.
bool ParseDecimal(const char* digits, int count, uint32_t limit, uint32_t& magnitude) {
  uint64_t sum = 0;
  for (int i = 0; i < count; ++i) {
    char c = digits[i];
    if (c < '0' || c > '9') return false;
    sum = sum * 10 + uint64_t(c - '0');
    if (sum > limit) return false;
  }
  magnitude = uint32_t(sum);
  return true;
}

}  // namespace

bool ParseNumberToken(const char* token, int length, int32_t& value) {
  int at = 0;
  bool negative = false;
  if (at < length && (token[at] == '-' || token[at] == '+')) negative = token[at++] == '-';
  int prefix = at < length ? HexPrefixLength(token, at, length) : 0;
  at += prefix;
  if (at == length) return false;  // a sign or prefix with nothing after it
  uint32_t bits;
  if (prefix > 0) {
    if (!ParseHex(token + at, length - at, bits)) return false;
  } else {
    uint32_t limit = negative ? MostNegativeMagnitude : MostNegativeMagnitude - 1;
    if (!ParseDecimal(token + at, length - at, limit, bits)) return false;
  }
  // Two's complement throughout: "-$80000000" and "-2147483648" both wrap to
  // the most negative value, "$FFFFFFFF" is -1.
  value = int32_t(negative ? 0u - bits : bits);
  return true;
}
