#include "model/note.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace calevrin {

namespace {
bool Chiffre(char c) { return c >= '0' && c <= '9'; }

// Grade texts are read at every paint: the number is rebuilt on the stack, never allocated.
constexpr std::size_t TailleTampon = 64;
}  // namespace

std::string PointDecimal(std::string_view saisie) {
  std::string r(saisie);
  for (std::size_t i = 1; i + 1 < r.size(); ++i)
    if (r[i] == ',' && Chiffre(r[i - 1]) && Chiffre(r[i + 1])) r[i] = '.';
  return r;
}

bool LireNombre(std::string_view t, double& valeur) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  char canon[TailleTampon];  // sign, digits, ".", digits, "e", exponent: the form from_chars reads
  std::size_t n = 0;
  const auto ajouter = [&](char c) {
    if (n < TailleTampon) canon[n] = c;
    ++n;
  };
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') ajouter('-');
    ++i;
  }
  if (i == t.size()) return false;  // at least one character after the sign
  bool chiffre = false;
  const std::size_t debutMantisse = n;
  while (i < t.size() && Chiffre(t[i])) {
    ajouter(t[i++]);
    chiffre = true;
  }
  if (n == debutMantisse) ajouter('0');
  if (i < t.size() && t[i] == '.') {
    ajouter('.');
    ++i;
    while (i < t.size() && Chiffre(t[i])) {
      ajouter(t[i++]);
      chiffre = true;
    }
  }
  bool exposantNegatif = false;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    std::size_t j = i + 1;
    ajouter('e');
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
      exposantNegatif = t[j] == '-';
      ajouter(t[j++]);
    }
    const std::size_t debut = j;
    while (j < t.size() && Chiffre(t[j])) ajouter(t[j++]);
    if (j == debut) return false;
    i = j;
  }
  if (i != t.size()) return false;
  if (!chiffre) {  // "." or "E5": no significant digit, the value is zero
    valeur = 0.0;
    return true;
  }
  if (n > TailleTampon) return false;  // longer than any text a grade field holds
  double v = 0.0;
  const auto [fin, ec] = std::from_chars(canon, canon + n, v);
  if (ec == std::errc::result_out_of_range) {
    // Underflow is a zero; a value beyond the range of a Double is no number at all.
    if (!exposantNegatif) return false;
    valeur = 0.0;
    return true;
  }
  if (ec != std::errc() || fin != canon + n || !std::isfinite(v)) return false;
  valeur = v == 0.0 ? 0.0 : v;  // no negative zero
  return true;
}

TNote LireNote(std::string_view texte, const TOptions& options) {
  char tampon[TailleTampon];
  const std::size_t n = std::min(texte.size(), TailleTampon);
  for (std::size_t i = 0; i < n; ++i) {
    const char c = texte[i];
    tampon[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  const std::string_view haut(tampon, n);
  if (texte.size() > TailleTampon) return {};
  if (double v = 0.0; LireNombre(haut, v)) return {v, NoteNombre};
  if (options.utiliserL) {
    for (const TCorrespondance& c : options.cores) {
      // An emptied entry of the table must not turn every empty cell into a grade.
      if (!c.coresL.empty() && c.coresL == haut) return {c.coresV, NoteLettre};
    }
  }
  return {};
}

}  // namespace calevrin
