// Conversion between the program's UTF-8 text and the Windows-1251 bytes of the project image.
#pragma once

#include <string>
#include <string_view>

#include "model/image.h"

namespace jadvalon {

// UTF-8 to Windows-1251. Uzbek letters the code page lacks become their nearest letter
// (Қ→К, Ғ→Г, Ҳ→Х), apostrophe-like marks become ', anything else unrepresentable becomes '?'.
std::string utf8ToCp1251(std::string_view utf8);

// Windows-1251 to UTF-8; the one unassigned byte (0x98) becomes U+FFFD.
std::string cp1251ToUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// Stores UTF-8 text into a fixed string, cut to its capacity after conversion. Bytes after the new
// text keep their old values.
template <std::size_t N>
void storeText(FixedString<N>& target, std::string_view utf8) {
  const std::string bytes = utf8ToCp1251(utf8);
  const std::size_t length = bytes.size() < N ? bytes.size() : N;
  for (std::size_t i = 0; i < length; ++i) target.bytes[i] = bytes[i];
  target.length = static_cast<std::uint8_t>(length);
}

// The text of a fixed string as UTF-8. A length byte above the capacity (a damaged record) is
// read as the capacity.
template <std::size_t N>
std::string loadText(const FixedString<N>& source) {
  const std::size_t length = source.length < N ? source.length : N;
  return cp1251ToUtf8(std::string_view(source.bytes, length));
}

}  // namespace jadvalon
