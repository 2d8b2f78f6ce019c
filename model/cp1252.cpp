#include "model/cp1252.h"

namespace calevrin {

namespace {
// 0x80..0x9F; 0 marks the five bytes that Windows-1252 leaves undefined.
constexpr char32_t Table80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

void AjouterUtf8(std::string& s, char32_t u) {
  if (u < 0x80) {
    s += static_cast<char>(u);
  } else if (u < 0x800) {
    s += static_cast<char>(0xC0 | (u >> 6));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else if (u < 0x10000) {
    s += static_cast<char>(0xE0 | (u >> 12));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (u >> 18));
    s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  }
}

bool LireUtf8(std::string_view s, std::size_t& i, char32_t& u) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    u = c;
    ++i;
    return true;
  }
  int n = 0;
  char32_t min = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 1, u = c & 0x1F, min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    n = 2, u = c & 0x0F, min = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 3, u = c & 0x07, min = 0x10000;
  } else {
    return false;
  }
  if (i + static_cast<std::size_t>(n) >= s.size()) return false;
  for (int j = 1; j <= n; ++j) {
    const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(j)]);
    if ((d & 0xC0) != 0x80) return false;
    u = (u << 6) | (d & 0x3F);
  }
  if (u < min || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) return false;
  i += static_cast<std::size_t>(n) + 1;
  return true;
}

char32_t Cp1252VersUnicode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) {
    const char32_t u = Table80[c - 0x80];
    return u != 0 ? u : c;  // undefined bytes pass through as the C1 controls
  }
  return c;
}

int UnicodeVersCp1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  if (u >= 0x80 && u <= 0x9F && Table80[u - 0x80] == 0) return static_cast<int>(u);  // undefined bytes
  for (int i = 0; i < 32; ++i)
    if (Table80[i] == u) return 0x80 + i;
  return -1;
}

std::string Utf8DepuisCp1252(std::string_view cp1252) {
  std::string r;
  r.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) AjouterUtf8(r, Cp1252VersUnicode(static_cast<unsigned char>(c)));
  return r;
}

std::optional<std::string> Cp1252DepuisUtf8(std::string_view utf8) {
  std::string r;
  r.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t u = 0;
    if (!LireUtf8(utf8, i, u)) return std::nullopt;
    const int b = UnicodeVersCp1252(u);
    if (b < 0) return std::nullopt;
    r += static_cast<char>(b);
  }
  return r;
}

std::string CouperUtf8(std::string_view utf8, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t compte = 0; i < utf8.size() && compte < n; ++compte) {
    ++i;
    while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
  }
  return std::string(utf8.substr(0, i));
}

}  // namespace calevrin
