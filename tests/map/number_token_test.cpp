#include "map/number_token.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

bool Parse(const std::string& token, int32_t& value) { return ParseNumberToken(token.data(), int(token.size()), value); }

// The full 32-bit values, which a map file only shows by their low 8 bits.
TEST(NumberToken, ValidTokensAndTheirValues) {
  const std::pair<std::string, int32_t> cases[] = {
      {"0", 0},
      {"007", 7},
      {"+25", 25},
      {"-1", -1},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"00000000000000000000002147483647", INT_MAX},
      {"$FF", 255},
      {"0x1f", 31},
      {"0X1F", 31},
      {"x1F", 31},
      {"X1f", 31},
      {"$FFFFFFFF", -1},
      {"$7FFFFFFF", INT_MAX},
      {"$80000000", INT_MIN},
      {"-$80000000", INT_MIN},
      {"-$10", -16},
      {"+0x10", 16},
      {"-x1", -1},
      {"$000000000FFFFFFFF", -1},  // leading zeros are not significant
      {"$0", 0},
      {"0", 0},
  };
  for (const auto& [token, expected] : cases) {
    int32_t value = 12345;
    EXPECT_TRUE(Parse(token, value)) << token;
    EXPECT_EQ(value, expected) << token;
  }
}

TEST(NumberToken, MalformedTokens) {
  const std::string cases[] = {
      "2147483648", "-2147483649", "99999999999999999999", "$100000000", "$1FFFFFFFF",
      "1.5",        "12a",         "-",                    "+",          "$",
      "0x",         "x",           "+-5",                  "--5",        "$-5",
      "0x-5",       "0xG",         "$FG",                  "0$5",        "00x5",
      "5-",         "1e3",         "\xEF\xBB\xBF" "5",     "\xB5",       "$$5",
  };
  for (const std::string& token : cases) {
    int32_t value;
    EXPECT_FALSE(Parse(token, value)) << token;
  }
}

}  // namespace
