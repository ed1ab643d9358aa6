#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {

// Always present on the machines we run on (fonts-dejavu-core); used when
// fontconfig has nothing or hands us a file FreeType cannot scale.
constexpr const char* FallbackFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// A layout file may carry any integer; beyond this a glyph bitmap is larger
// than any window and the glyph cache would only eat memory.
constexpr int MaxPixelHeight = 1000;
constexpr char32_t Replacement = 0xFFFD;

struct TFaceChoice {
  std::string File;
  int Index = 0;
  bool Embolden = false;  // bold asked for, but the family has no bold face
};

struct TGlyph {
  int Advance = 0;  // whole pixels
  int Left = 0;     // bitmap origin relative to the pen, y up from the baseline
  int Top = 0;
  int Width = 0;
  int Rows = 0;
  std::vector<uint8_t> Coverage;
};

struct TSizedFont {
  FT_Face Face = nullptr;
  FT_Size Size = nullptr;
  TFontMetrics Metrics;
  int EmboldenPixels = 0;  // 0 unless bold is synthesised
  std::unordered_map<char32_t, TGlyph> Glyphs;
};

// Length of the sequence a lead byte announces, 0 for bytes that never lead.
int SequenceLength(uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The second byte's range is narrower after some leads: that is what rules
// out overlong forms, surrogates and code points above U+10FFFF.
bool ValidSecond(uint8_t lead, uint8_t second) {
  uint8_t low = 0x80, high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  return second >= low && second <= high;
}

// Decodes the code point at `pos` and moves past it. A malformed sequence
// becomes one U+FFFD for its longest valid-looking prefix (at least one
// byte), so broken text shows replacement marks instead of stopping.
char32_t NextCodePoint(std::string_view text, size_t& pos) {
  auto lead = uint8_t(text[pos]);
  int length = SequenceLength(lead);
  if (length == 1) return ++pos, lead;
  ++pos;
  if (length == 0) return Replacement;
  char32_t cp = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i, ++pos) {
    if (pos >= text.size()) return Replacement;
    auto next = uint8_t(text[pos]);
    bool valid = i == 1 ? ValidSecond(lead, next) : (next & 0xC0) == 0x80;
    if (!valid) return Replacement;
    cp = (cp << 6) | (next & 0x3F);
  }
  return cp;
}

// The ascent and descent the cell is built from, in font units: the OS/2
// "win" metrics, which cover every glyph of the font, or hhea without them.
std::pair<double, double> CellExtent(FT_Face face) {
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
    return {double(os2->usWinAscent), double(os2->usWinDescent)};
  auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (hhea && hhea->Ascender - hhea->Descender > 0)
    return {double(hhea->Ascender), double(-hhea->Descender)};
  if (face->ascender - face->descender > 0) return {double(face->ascender), double(-face->descender)};
  return {face->units_per_EM * 0.8, face->units_per_EM * 0.2};
}

int ClampHeight(int height) {
  if (height == 0) height = TFont().Height;
  return std::clamp(height, -MaxPixelHeight, MaxPixelHeight);
}

}  // namespace

struct TFontEngine::TImpl {
  FT_Library Library = nullptr;
  std::map<std::pair<std::string, bool>, TFaceChoice> Choices;
  std::map<std::pair<std::string, int>, FT_Face> Faces;  // null: the file failed to load
  std::map<std::tuple<std::string, int, bool, int>, std::unique_ptr<TSizedFont>> Sized;

  FT_Face FaceFor(const std::string& file, int index);
  TFaceChoice AskFontconfig(const std::string& family, bool bold);
  const TFaceChoice& Choose(const std::string& family, bool bold);
  TSizedFont& SizedFor(const TFont& font);
  const TGlyph& GlyphFor(TSizedFont& sized, char32_t cp);
};

FT_Face TFontEngine::TImpl::FaceFor(const std::string& file, int index) {
  auto [it, fresh] = Faces.try_emplace({file, index}, nullptr);
  if (!fresh) return it->second;
  FT_Face face = nullptr;
  if (FT_New_Face(Library, file.c_str(), index, &face) != 0) return nullptr;
  // Bitmap-only faces cannot take the sizes the layout asks for.
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return it->second = face;
}

TFaceChoice TFontEngine::TImpl::AskFontconfig(const std::string& family, bool bold) {
  // Built field by field rather than with FcNameParse, which would read a
  // '-' or ':' inside the family name as size or property syntax.
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  TFaceChoice choice;
  if (!match) return choice;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
    choice.File = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &choice.Index);
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcBool embolden = FcFalse;
  FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
  choice.Embolden = bold && (embolden || weight < FC_WEIGHT_DEMIBOLD);
  FcPatternDestroy(match);
  return choice;
}

const TFaceChoice& TFontEngine::TImpl::Choose(const std::string& family, bool bold) {
  auto [it, fresh] = Choices.try_emplace({family, bold});
  if (!fresh) return it->second;
  TFaceChoice choice = AskFontconfig(family, bold);
  if (choice.File.empty() || !FaceFor(choice.File, choice.Index)) {
    choice = {FallbackFile, 0, bold};
    if (!FaceFor(choice.File, 0)) {
      Choices.erase(it);
      throw EFontError("no usable font for \"" + family + "\", not even " + FallbackFile);
    }
  }
  return it->second = choice;
}

// Windows heights: negative is the em height, positive the cell height.
// The cell is made of the win ascent and descent scaled to the em, each
// rounded to the nearest pixel (DejaVu Sans at an 11 px em: 10.2 + 2.6 gives
// 10 + 3). The few glyphs that reach the win extents themselves (the breve
// of Й, a full-depth |) may then poke a pixel out of the cell; rounding up
// instead would add a mostly empty pixel row to almost every size. For a
// positive height the descent takes what the rounded ascent leaves, so the
// cell is exactly the height asked for.
TSizedFont& TFontEngine::TImpl::SizedFor(const TFont& font) {
  const TFaceChoice& choice = Choose(font.Name, font.Bold);
  int height = ClampHeight(font.Height);
  auto key = std::make_tuple(choice.File, choice.Index, choice.Embolden, height);
  auto it = Sized.find(key);
  if (it != Sized.end()) return *it->second;

  auto sized = std::make_unique<TSizedFont>();
  sized->Face = FaceFor(choice.File, choice.Index);
  auto [winAscent, winDescent] = CellExtent(sized->Face);
  double unitsPerEm = sized->Face->units_per_EM;
  double em = height < 0 ? -height : height * unitsPerEm / (winAscent + winDescent);
  double scale = em / unitsPerEm;
  TFontMetrics& m = sized->Metrics;
  m.Ascent = int(std::lround(winAscent * scale));
  if (height < 0) {
    m.Descent = int(std::lround(winDescent * scale));
  } else {
    m.Ascent = std::min(m.Ascent, height);
    m.Descent = height - m.Ascent;
  }

  if (FT_New_Size(sized->Face, &sized->Size) != 0 || FT_Activate_Size(sized->Size) != 0)
    throw EFontError("cannot create a size for " + choice.File);
  FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_NOMINAL, 0, std::max<FT_Long>(64, std::lround(em * 64)), 0, 0};
  if (FT_Request_Size(sized->Face, &request) != 0)
    throw EFontError("cannot scale " + choice.File + " to " + std::to_string(height) + " px");
  // A synthetic bold stroke of about an em/24, at least a pixel, so small
  // UI text visibly thickens as it does with a real bold face.
  if (choice.Embolden) sized->EmboldenPixels = std::max(1, int(std::lround(em / 24)));
  return *Sized.emplace(key, std::move(sized)).first->second;
}

const TGlyph& TFontEngine::TImpl::GlyphFor(TSizedFont& sized, char32_t cp) {
  auto [it, fresh] = sized.Glyphs.try_emplace(cp);
  TGlyph& glyph = it->second;
  if (!fresh) return glyph;
  FT_Face face = sized.Face;
  FT_Activate_Size(sized.Size);  // the face is shared by every size of it
  // No embedded bitmaps: they could not be emboldened and would ignore the
  // anti-aliasing every other size gets.
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, cp), FT_LOAD_TARGET_NORMAL | FT_LOAD_NO_BITMAP) != 0)
    return glyph;
  FT_GlyphSlot slot = face->glyph;
  glyph.Advance = int((slot->advance.x + 32) >> 6);
  if (sized.EmboldenPixels > 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    // Widens to the right only; the extra pixel goes into the advance.
    FT_Outline_EmboldenXY(&slot->outline, sized.EmboldenPixels * 64, 0);
    glyph.Advance += sized.EmboldenPixels;
  }
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return glyph;
  glyph.Left = slot->bitmap_left;
  glyph.Top = slot->bitmap_top;
  glyph.Width = int(bitmap.width);
  glyph.Rows = int(bitmap.rows);
  glyph.Coverage.resize(size_t(glyph.Width) * glyph.Rows);
  for (int row = 0; row < glyph.Rows; ++row) {
    // A negative pitch stores the rows bottom-up.
    int source = bitmap.pitch >= 0 ? row : glyph.Rows - 1 - row;
    const uint8_t* line = bitmap.buffer + ptrdiff_t(source) * std::abs(bitmap.pitch);
    std::copy(line, line + glyph.Width, glyph.Coverage.begin() + ptrdiff_t(row) * glyph.Width);
  }
  return glyph;
}

TFontEngine& TFontEngine::Instance() {
  // Never destroyed: FreeType and fontconfig stay alive until the process
  // ends, so nothing depends on the order of static destructors at exit.
  static TFontEngine* engine = new TFontEngine;
  return *engine;
}

TFontEngine::TFontEngine() : Impl(new TImpl) {
  FcInit();
  if (FT_Init_FreeType(&Impl->Library) != 0) throw EFontError("FreeType failed to initialise");
  // Full hinting, horizontal as well as vertical: at UI sizes stems snap to
  // whole pixels and each glyph's ink fits its whole-pixel advance. The
  // default interpreter hints only vertically, which leaves one-pixel grey
  // stems and glyphs that spill past their rounded advance.
  FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
  FT_Property_Set(Impl->Library, "truetype", "interpreter-version", &interpreter);
}

TFontEngine::~TFontEngine() { delete Impl; }

TFontMetrics TFontEngine::Metrics(const TFont& font) { return Impl->SizedFor(font).Metrics; }

// No kerning: a string's width stays the sum of its letters' widths, so text
// measured in pieces lines up with text measured whole, and fonts that keep
// their kerning only in GPOS (DejaVu) behave like those with a kern table.
int TFontEngine::TextWidth(const TFont& font, std::string_view utf8) {
  TSizedFont& sized = Impl->SizedFor(font);
  int width = 0;
  for (size_t pos = 0; pos < utf8.size();) width += Impl->GlyphFor(sized, NextCodePoint(utf8, pos)).Advance;
  return width;
}

void TFontEngine::Render(const TFont& font, std::string_view utf8,
                         const std::function<void(int x, int y, uint8_t coverage)>& plot) {
  TSizedFont& sized = Impl->SizedFor(font);
  int penX = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    const TGlyph& glyph = Impl->GlyphFor(sized, NextCodePoint(utf8, pos));
    int left = penX + glyph.Left, top = sized.Metrics.Ascent - glyph.Top;
    for (int row = 0; row < glyph.Rows; ++row)
      for (int column = 0; column < glyph.Width; ++column)
        if (uint8_t coverage = glyph.Coverage[size_t(row) * glyph.Width + column])
          plot(left + column, top + row, coverage);
    penX += glyph.Advance;
  }
}

std::string TFontEngine::FileFor(const std::string& family, bool bold) { return Impl->Choose(family, bold).File; }
