#include "render/name_key.h"

#include <cstdint>

namespace {

constexpr char32_t MalformedByte = 0xDC00;

char32_t LowerCase(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + (U'a' - U'A');
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А..Я -> а..я
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ..Џ, Ё among them -> ѐ..џ
  return c;
}

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence at `at` and advances past it; a byte that does not
// start a valid, shortest-form sequence of a scalar value is taken alone.
char32_t DecodeNext(std::string_view text, size_t& at) {
  uint8_t lead = uint8_t(text[at]);
  int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
  if (extra == 0) {
    ++at;
    return lead;
  }
  if (extra > 0 && at + extra < text.size()) {
    char32_t value = lead & (0x3F >> extra);
    bool valid = true;
    for (int i = 1; i <= extra && valid; ++i) {
      uint8_t next = uint8_t(text[at + i]);
      valid = IsContinuation(next);
      value = value << 6 | (next & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    valid = valid && value >= Smallest[extra] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    if (valid) {
      at += size_t(extra) + 1;
      return value;
    }
  }
  ++at;
  return MalformedByte + lead;
}

}  // namespace

std::u32string FoldedName(std::string_view name) {
  std::u32string folded;
  for (size_t at = 0; at < name.size();) folded.push_back(LowerCase(DecodeNext(name, at)));
  return folded;
}

int NameBucket(std::u32string_view folded) {
  uint64_t key = uint64_t(folded.size()) * 16;
  if (folded.size() >= 2) key += uint64_t(folded.front()) + folded[folded.size() - 2];
  return int(key % 256);
}
