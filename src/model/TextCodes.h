#pragma once
// Texts in download records: each character becomes a code into the project's character tables. A byte
// below 0x80 is a single-byte character, coded as its index in the single-byte table (one byte); a byte
// of 0x80 or more starts a two-byte character, coded big-endian as 0x8000 + base + its index in the
// double-byte table. New characters are appended to the tables in order of first use.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zl {

struct CCompileContext;

// A record gives a text's length in one byte: the part of `text` a record carries is at most 255 bytes,
// cut before a two-byte character that would not fit whole.
std::string_view RecordText(std::string_view text);

// Writes the codes of `text` at `to` (exactly text.size() bytes). A text the panel would misread (a
// byte that is not ASCII nor part of a whole two-byte code) is noted in the context's `unshowable`, which
// the compile refuses.
void WriteTextCodesInto(std::string_view text, std::uint8_t* to, std::uint16_t base, CCompileContext& ctx);

// The sentence that tells of such a text, after the name of what holds it.
std::string unshowableText(const std::string& unshowable);

// Adds `offset` (modulo 65536) to every two-byte code in the `length` code bytes at `codes`.
void RelocateTextCodes(std::uint8_t* codes, std::size_t length, std::uint16_t offset);

} // namespace zl
