#include "platform/texte.h"

namespace calevrin::plateforme {

namespace {
// The code points of bytes 0x80..0x9F; the five undefined bytes keep their C1 code.
constexpr char16_t Plage80[32] = {u'\u20AC', 0x81,      u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020',
                                  u'\u2021', u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', 0x8D,
                                  u'\u017D', 0x8F,      0x90,      u'\u2018', u'\u2019', u'\u201C', u'\u201D',
                                  u'\u2022', u'\u2013', u'\u2014', u'\u02DC', u'\u2122', u'\u0161', u'\u203A',
                                  u'\u0153', 0x9D,      u'\u017E', u'\u0178'};
}  // namespace

QString DepuisCp1252(std::string_view cp1252) {
  QString r;
  r.reserve(static_cast<qsizetype>(cp1252.size()));
  for (const char c : cp1252) {
    const auto b = static_cast<unsigned char>(c);
    r += QChar(b >= 0x80 && b <= 0x9F ? Plage80[b - 0x80] : static_cast<char16_t>(b));
  }
  return r;
}

std::optional<std::string> VersCp1252(const QString& texte) {
  std::string r;
  r.reserve(static_cast<std::size_t>(texte.size()));
  for (const QChar q : texte) {
    const char16_t u = q.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      r += static_cast<char>(u);
      continue;
    }
    int trouve = -1;
    for (int i = 0; i < 32 && trouve < 0; ++i)
      if (Plage80[i] == u) trouve = 0x80 + i;
    if (trouve < 0) return std::nullopt;
    r += static_cast<char>(trouve);
  }
  return r;
}

}  // namespace calevrin::plateforme
