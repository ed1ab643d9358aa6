#include "platform/fonts.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// What the font file itself says, read with FreeType independently of the
// engine, so expectations follow the installed fonts instead of copied output.
struct TFaceFacts {
  std::string Family;
  bool Bold = false;
  double UnitsPerEm = 0;
  double WinAscent = 0;
  double WinDescent = 0;
  double CapitalHaHeight = 0;  // the outline height of "Х", in font units
};

TFaceFacts ReadFacts(const std::string& file) {
  static FT_Library library = [] {
    FT_Library l = nullptr;
    FT_Init_FreeType(&l);
    return l;
  }();
  TFaceFacts facts;
  FT_Face face = nullptr;
  if (FT_New_Face(library, file.c_str(), 0, &face) != 0) {
    ADD_FAILURE() << "FreeType cannot open " << file;
    return facts;
  }
  facts.Family = face->family_name ? face->family_name : "";
  facts.Bold = face->style_flags & FT_STYLE_FLAG_BOLD;
  facts.UnitsPerEm = face->units_per_EM;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  EXPECT_NE(os2, nullptr) << file;
  if (os2) facts.WinAscent = os2->usWinAscent, facts.WinDescent = os2->usWinDescent;
  if (FT_Load_Char(face, U'Х', FT_LOAD_NO_SCALE) == 0) {
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    facts.CapitalHaHeight = box.yMax - box.yMin;
  }
  FT_Done_Face(face);
  return facts;
}

struct TInk {
  std::map<std::pair<int, int>, int> Pixels;  // (x, y) -> coverage
  int Top = INT_MAX, Bottom = INT_MIN, Left = INT_MAX, Right = INT_MIN;
  int Rows() const { return Pixels.empty() ? 0 : Bottom - Top + 1; }
};

TInk InkOf(const TFont& font, const std::string& text) {
  TInk ink;
  TFontEngine::Instance().Render(font, text, [&](int x, int y, uint8_t coverage) {
    EXPECT_GT(coverage, 0);
    // Neighbouring glyphs may both reach into a pixel; keep the darker.
    int& kept = ink.Pixels[{x, y}];
    kept = std::max<int>(kept, coverage);
    ink.Top = std::min(ink.Top, y), ink.Bottom = std::max(ink.Bottom, y);
    ink.Left = std::min(ink.Left, x), ink.Right = std::max(ink.Right, x);
  });
  return ink;
}

TFont FontOf(const std::string& name, int height, bool bold = false) {
  TFont font;
  font.Name = name;
  font.Height = height;
  font.Bold = bold;
  return font;
}

TFaceFacts FactsFor(const TFont& font) { return ReadFacts(TFontEngine::Instance().FileFor(font.Name, font.Bold)); }

}  // namespace

TEST(FontResolution, FamiliesMapToTheInstalledSubstitutes) {
  struct TCase {
    const char* Family;
    bool Bold;
    const char* Expected;
  } cases[] = {
      {"MS Sans Serif", false, "DejaVu Sans"},
      {"MS Sans Serif", true, "DejaVu Sans"},
      {"Tahoma", false, "DejaVu Sans"},
      {"Arial", false, "Liberation Sans"},
      {"Arial", true, "Liberation Sans"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Family) + (c.Bold ? " bold" : ""));
    TFaceFacts facts = ReadFacts(TFontEngine::Instance().FileFor(c.Family, c.Bold));
    EXPECT_EQ(facts.Family, c.Expected);
    EXPECT_EQ(facts.Bold, c.Bold);
  }
}

TEST(FontResolution, UnknownFamilyStillGivesALoadableFace) {
  TFont font = FontOf("No Such Family-12:bold", -11);
  EXPECT_FALSE(ReadFacts(TFontEngine::Instance().FileFor(font.Name)).Family.empty());
  EXPECT_GT(TFontEngine::Instance().TextWidth(font, "Файл"), 0);
}

TEST(FontMetrics, NegativeHeightIsTheEmAndTheCellFollowsTheWinMetrics) {
  for (int em : {8, 11, 13, 16, 24}) {
    for (const char* family : {"MS Sans Serif", "Arial"}) {
      SCOPED_TRACE(std::string(family) + " em " + std::to_string(em));
      TFont font = FontOf(family, -em);
      TFaceFacts facts = FactsFor(font);
      double scale = em / facts.UnitsPerEm;
      TFontMetrics metrics = TFontEngine::Instance().Metrics(font);
      EXPECT_NEAR(metrics.Ascent, facts.WinAscent * scale, 0.5);
      EXPECT_NEAR(metrics.Descent, facts.WinDescent * scale, 0.5);
      // The capital's ink height shows the glyphs really are at this em.
      TInk ink = InkOf(font, "Х");
      EXPECT_NEAR(ink.Rows(), facts.CapitalHaHeight * scale, 1.0);
    }
  }
}

TEST(FontMetrics, PositiveHeightIsExactlyTheCell) {
  for (int height : {10, 13, 14, 20, 33}) {
    for (const char* family : {"MS Sans Serif", "Arial"}) {
      SCOPED_TRACE(std::string(family) + " height " + std::to_string(height));
      TFont font = FontOf(family, height);
      TFaceFacts facts = FactsFor(font);
      double scale = height / (facts.WinAscent + facts.WinDescent);
      TFontMetrics metrics = TFontEngine::Instance().Metrics(font);
      EXPECT_EQ(metrics.CellHeight(), height);
      EXPECT_NEAR(metrics.Ascent, facts.WinAscent * scale, 0.5);
      EXPECT_NEAR(InkOf(font, "Х").Rows(), facts.CapitalHaHeight * scale, 1.0);
    }
  }
}

TEST(FontMetrics, OutOfRangeHeightsGiveAUsableCell) {
  for (int height : {0, INT_MIN, INT_MAX, -1, 1}) {
    SCOPED_TRACE(height);
    TFontMetrics metrics = TFontEngine::Instance().Metrics(FontOf("Arial", height));
    EXPECT_GT(metrics.CellHeight(), 0);
    EXPECT_LE(metrics.CellHeight(), 2000);
  }
}

TEST(FontRender, CapitalsSitOnTheBaselineAndDescendersGoBelowIt) {
  for (TFont font : {FontOf("MS Sans Serif", -11), FontOf("Arial", 14), FontOf("Tahoma", -11, true)}) {
    SCOPED_TRACE(font.Name + " " + std::to_string(font.Height));
    int ascent = TFontEngine::Instance().Metrics(font).Ascent;
    EXPECT_EQ(InkOf(font, "ХН").Bottom, ascent - 1);
    EXPECT_GE(InkOf(font, "р").Bottom, ascent + 1);
  }
}

// Rows stay strictly inside the cell. Columns may bleed one pixel past
// either end: letters whose ink touches their advance box (K, v, y, Ж in
// these fonts) spill anti-aliased coverage into the neighbouring pixel, as
// they do between letters. Left out are the few glyphs that reach the win
// extents themselves (Й, |, U+FFFD): the cell's rounded ascent or descent
// can fall a fraction short of them, and hinting makes that a whole pixel.
TEST(FontRender, InkStaysInsideTheCellAndTheAdvance) {
  const char* texts[] = {"Файл", "ХХ", "Генерировать ландшафт", "Hello, World!", "jgypq fff", "[Wj]", "ёщ{}"};
  TFont fonts[] = {FontOf("MS Sans Serif", -11), FontOf("MS Sans Serif", -11, true), FontOf("Arial", 14),
                   FontOf("Arial", 33, true), FontOf("Tahoma", -16)};
  for (const TFont& font : fonts) {
    TFontMetrics metrics = TFontEngine::Instance().Metrics(font);
    for (const char* text : texts) {
      SCOPED_TRACE(font.Name + " " + std::to_string(font.Height) + (font.Bold ? " bold: " : ": ") + text);
      TInk ink = InkOf(font, text);
      ASSERT_FALSE(ink.Pixels.empty());
      EXPECT_GE(ink.Top, 0);
      EXPECT_LT(ink.Bottom, metrics.CellHeight());
      EXPECT_GE(ink.Left, -1);
      EXPECT_LE(ink.Right, TFontEngine::Instance().TextWidth(font, text));
    }
  }
}

// Identical letters have no kerning between them, and the second copy is
// the first shifted by exactly one advance.
TEST(FontRender, LettersFollowEachOtherByTheirAdvance) {
  for (TFont font : {FontOf("MS Sans Serif", -11), FontOf("Arial", 20, true)}) {
    SCOPED_TRACE(font.Name);
    TFontEngine& engine = TFontEngine::Instance();
    int single = engine.TextWidth(font, "Х");
    ASSERT_GT(single, 0);
    EXPECT_EQ(engine.TextWidth(font, "ХХ"), 2 * single);
    EXPECT_EQ(engine.TextWidth(font, "Файл"),
              engine.TextWidth(font, "Ф") + engine.TextWidth(font, "а") + engine.TextWidth(font, "й") +
                  engine.TextWidth(font, "л"));
    EXPECT_EQ(engine.TextWidth(font, ""), 0);

    TInk one = InkOf(font, "Х"), two = InkOf(font, "ХХ");
    std::map<std::pair<int, int>, int> expected;
    for (auto [at, coverage] : one.Pixels) {
      expected[at] = std::max(expected[at], coverage);
      auto shifted = std::pair(at.first + single, at.second);
      expected[shifted] = std::max(expected[shifted], coverage);
    }
    EXPECT_EQ(two.Pixels, expected);
  }
}

TEST(FontRender, BoldIsHeavierThanRegular) {
  // Liberation Sans has a bold face; DejaVu Math TeX Gyre has none, so its
  // bold is synthesised from the regular outline.
  for (const char* family : {"Arial", "DejaVu Math TeX Gyre"}) {
    SCOPED_TRACE(family);
    TFont regular = FontOf(family, -13), bold = FontOf(family, -13, true);
    long regularInk = 0, boldInk = 0;
    for (auto [at, coverage] : InkOf(regular, "Файл").Pixels) regularInk += coverage;
    for (auto [at, coverage] : InkOf(bold, "Файл").Pixels) boldInk += coverage;
    EXPECT_GT(boldInk, regularInk * 1.2);
    TFontEngine& engine = TFontEngine::Instance();
    EXPECT_GT(engine.TextWidth(bold, "Файл"), engine.TextWidth(regular, "Файл"));
  }
}

// Each malformed sequence reads as one U+FFFD per broken piece, and what
// follows it is still decoded.
TEST(FontText, MalformedUtf8ReadsAsReplacementCharacters) {
  struct TCase {
    std::string Broken;
    std::string Meaning;
  } cases[] = {
      {"\xff\xfe", "\uFFFD\uFFFD"},
      {"\xd0", "\uFFFD"},                                 // truncated two-byte sequence
      {"\xd0" "a", "\uFFFD" "a"},                         // lead byte without its continuation
      {"\xd0" "Ф", "\uFFFDФ"},                            // a new sequence starts early
      {"Ф\x80\x80", "Ф\uFFFD\uFFFD"},                     // stray continuation bytes
      {"\xc0\xaf", "\uFFFD\uFFFD"},                       // overlong '/'
      {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},             // UTF-16 surrogate
      {"\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},   // above U+10FFFF
      {"\xe2\x82" "x", "\uFFFD" "x"},                     // truncated three-byte sequence
      {"\xf0\x9f\x98", "\uFFFD"},                         // truncated four-byte sequence at the end
  };
  TFont font = FontOf("MS Sans Serif", -11);
  TFontEngine& engine = TFontEngine::Instance();
  ASSERT_GT(engine.TextWidth(font, "\uFFFD"), 0);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Meaning);
    EXPECT_EQ(engine.TextWidth(font, c.Broken), engine.TextWidth(font, c.Meaning));
    EXPECT_EQ(InkOf(font, c.Broken).Pixels, InkOf(font, c.Meaning).Pixels);
  }
}
