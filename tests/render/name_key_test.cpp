#include "render/name_key.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TFoldCase {
  const char* Name;
  std::u32string Expected;
};

class FoldedNameTest : public testing::TestWithParam<TFoldCase> {};

TEST_P(FoldedNameTest, LowersLatinAndCyrillicAndKeepsMalformedBytesApart) {
  EXPECT_EQ(FoldedName(GetParam().Name), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoldedNameTest,
    testing::Values(TFoldCase{"", U""}, TFoldCase{"AZaz@[`{09", U"azaz@[`{09"},
                    // А Я а я: the whole capital block maps 0x20 down.
                    TFoldCase{"\u0410\u042F\u0430\u044F", U"\u0430\u044F\u0430\u044F"},
                    // Ѐ Ё Ђ Џ: the capitals before А map 0x50 down.
                    TFoldCase{"\u0400\u0401\u0402\u040F", U"\u0450\u0451\u0452\u045F"},
                    TFoldCase{"25\u042525", U"25\u044525"},
                    // Latin-1 letters and characters beyond the BMP are left as they are.
                    TFoldCase{"\u00C0\u00E9\U0001F600", U"\u00C0\u00E9\U0001F600"},
                    // Stray continuation, truncated lead, overlong slash, encoded surrogate,
                    // beyond U+10FFFF: each byte stands alone.
                    TFoldCase{"\x80", U"\xDC80"}, TFoldCase{"a\xD1", U"a\xDCD1"},
                    TFoldCase{"\xC0\xAF", U"\xDCC0\xDCAF"}, TFoldCase{"\xED\xA0\x80", U"\xDCED\xDCA0\xDC80"},
                    TFoldCase{"\xF4\x90\x80\x80", U"\xDCF4\xDC90\xDC80\xDC80"},
                    // A lead byte followed by an ASCII letter keeps the letter.
                    TFoldCase{"\xD0Q", U"\xDCD0q"}));

struct TBucketCase {
  const char* Name;
  int Expected;
};

class NameBucketTest : public testing::TestWithParam<TBucketCase> {};

TEST_P(NameBucketTest, IsLengthTimes16PlusFirstAndSecondToLastCodeModulo256) {
  EXPECT_EQ(NameBucket(FoldedName(GetParam().Name)), GetParam().Expected);
}

// Worked by hand: "25х25" is 5 characters (80) + '2' (50) + '2' (50) = 180;
// "350х350" is 7 (112) + '3' (51) + '5' (53) = 216; "яб" is 2 (32) + 2 x я
// (1103) = 2238 = 8 x 256 + 190; "Ёж" is 32 + 2 x ё (1105) = 2242 -> 194; 16
// a's are 256 + 97 + 97 = 450 -> 194; a single character counts only its length.
INSTANTIATE_TEST_SUITE_P(Cases, NameBucketTest,
                         testing::Values(TBucketCase{"", 0}, TBucketCase{"a", 16}, TBucketCase{"\u0416", 16},
                                         TBucketCase{"25\u044525", 180}, TBucketCase{"25\u042525", 180},
                                         TBucketCase{"350\u0445350", 216}, TBucketCase{"\u044F\u0431", 190},
                                         TBucketCase{"\u042F\u0411", 190}, TBucketCase{"\u0401\u0436", 194},
                                         TBucketCase{"aaaaaaaaaaaaaaaa", 194}, TBucketCase{"AAAAAAAAAAAAAAAA", 194}));

}  // namespace
