#include "tests/fuzz/byte_mutator.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// Pieces of the format and of its edges: prefixes, signs, separators, the
// end-of-data byte, a NUL, high bytes and a BOM, numbers at their limits.
constexpr std::array Pieces = {
    "0"sv, "1"sv, "5"sv, "9"sv, "-"sv, "+"sv, "$"sv, "0x"sv, "0X"sv, "x"sv, "X"sv, "\x1A"sv, " "sv, "\t"sv,
    "\r\n"sv, "\0"sv, "\x7F"sv, "\x80"sv, "\xFF"sv, "\xC3\xA9"sv, "\xEF\xBB\xBF"sv, "2147483647"sv,
    "2147483648"sv, "-2147483648"sv, "-2147483649"sv, "$FFFFFFFF"sv, "$100000000"sv, "-$80000000"sv,
    "$000000000000001"sv, "00000000000000000000000000000001"sv, "abc"sv, "1e5"sv, "0.5"sv};
// Bytes repeated into runs long enough to cross the 32-byte token limit.
constexpr std::string_view RunBytes = "09F$-x \xFF\x1A";

}  // namespace

TByteMutator::TByteMutator(std::vector<std::string> seeds, uint64_t start)
    : Seeds(std::move(seeds)), Random(start) {
  if (Seeds.empty()) Seeds.emplace_back();
}

size_t TByteMutator::Below(size_t bound) { return bound == 0 ? 0 : size_t(Random() % bound); }

std::string TByteMutator::Next() {
  std::string bytes = Below(4) == 0 ? Previous : Seeds[Below(Seeds.size())];
  for (size_t i = 0, count = 1 + Below(4); i < count; ++i) Mutate(bytes);
  if (bytes.size() > MaxSize) bytes.resize(MaxSize);
  Previous = bytes;
  return bytes;
}

void TByteMutator::Mutate(std::string& bytes) {
  switch (Below(8)) {
    case 0:
    case 1: return ChangeByte(bytes);
    case 2:
    case 3: return InsertPiece(bytes);
    case 4: return InsertRun(bytes);
    case 5: return Truncate(bytes);
    case 6: return EraseRange(bytes);
    default: return Splice(bytes);
  }
}

void TByteMutator::ChangeByte(std::string& bytes) {
  if (bytes.empty()) return InsertPiece(bytes);
  char& c = bytes[Below(bytes.size())];
  if (Below(2) == 0) c = char(c ^ (1 << Below(8)));
  else c = char(Below(256));
}

void TByteMutator::InsertPiece(std::string& bytes) {
  std::string_view piece = Pieces[Below(Pieces.size())];
  bytes.insert(Below(bytes.size() + 1), piece);
}

void TByteMutator::InsertRun(std::string& bytes) {
  size_t length = 1 + Below(100);
  bytes.insert(Below(bytes.size() + 1), length, RunBytes[Below(RunBytes.size())]);
}

void TByteMutator::Truncate(std::string& bytes) { bytes.resize(Below(bytes.size() + 1)); }

void TByteMutator::EraseRange(std::string& bytes) {
  size_t from = Below(bytes.size() + 1);
  bytes.erase(from, 1 + Below(64));
}

// The front of this input and the back of a seed, cut at arbitrary places.
void TByteMutator::Splice(std::string& bytes) {
  const std::string& other = Seeds[Below(Seeds.size())];
  bytes.resize(Below(bytes.size() + 1));
  bytes.append(other, Below(other.size() + 1));
}
