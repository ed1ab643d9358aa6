#pragma once
// The form in which picture names are compared and indexed. Names are UTF-8,
// but the editor thinks of them as text of characters ("х" is one character),
// so both the comparison and the index work on Unicode code points of the
// lower-cased name, never on bytes.
#include <string>
#include <string_view>

// The code points of `name`, Latin A-Z and Cyrillic А-Я, Ѐ-Џ lowered; other
// characters are kept. A byte that is not part of valid UTF-8 becomes
// U+DC00 + byte, a value no valid sequence decodes to, so two different
// malformed names never fold to the same text.
std::u32string FoldedName(std::string_view name);

// The index bucket of a folded name, 0..255: length x 16 plus the first and the
// second-to-last code point (those two only for names of two or more
// characters), modulo 256.
int NameBucket(std::u32string_view folded);
