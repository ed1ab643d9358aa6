#pragma once
// The syntax of one number of a map file: an optional sign, then decimal
// digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X") and hex digits.
#include <cstdint>

// Converts the whole token; false when it does not fit the syntax or the range
// (decimal: a 32-bit signed value; hex: at most 8 significant digits, taken as
// 32 signed bits and negated by "-"). `value` is meaningless after false.
bool ParseNumberToken(const char* token, int length, int32_t& value);
