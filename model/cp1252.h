#pragma once
// Windows-1252, the encoding of every text of the class document, to and from UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace calevrin {

char32_t Cp1252VersUnicode(unsigned char c);
// The Windows-1252 byte of a code point, or -1 when it has none.
int UnicodeVersCp1252(char32_t u);

void AjouterUtf8(std::string& s, char32_t u);
// Decodes one code point of well-formed UTF-8 at s[i] and moves i past it; false (i unchanged)
// on a malformed, cut or overlong sequence or a surrogate.
bool LireUtf8(std::string_view s, std::size_t& i, char32_t& u);

std::string Utf8DepuisCp1252(std::string_view cp1252);
// nullopt when a character has no Windows-1252 form or the text is not valid UTF-8.
std::optional<std::string> Cp1252DepuisUtf8(std::string_view utf8);
// Cuts to at most n characters without splitting a multi-byte sequence.
std::string CouperUtf8(std::string_view utf8, std::size_t n);

}  // namespace calevrin
