#include "model/note.h"

#include <charconv>
#include <cmath>
#include <string>

namespace calevrin {

namespace {
bool Chiffre(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool LireNombre(std::string_view t, double& valeur) {
  std::size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  std::string canon;  // rebuilt in the form from_chars reads: sign, digits, ".", digits, "e", exponent
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') canon += '-';
    ++i;
  }
  if (i == t.size()) return false;  // at least one character after the sign
  bool chiffreMantisse = false;
  std::string mantisse;
  while (i < t.size() && Chiffre(t[i])) {
    mantisse += t[i++];
    chiffreMantisse = true;
  }
  std::string decimales;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && Chiffre(t[i])) {
      decimales += t[i++];
      chiffreMantisse = true;
    }
  }
  std::string exposant;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    std::size_t j = i + 1;
    std::string e;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) e += t[j++];
    const std::size_t debut = j;
    while (j < t.size() && Chiffre(t[j])) e += t[j++];
    if (j == debut) return false;
    exposant = e;
    i = j;
  }
  if (i != t.size()) return false;

  canon += mantisse.empty() ? "0" : mantisse;
  if (!decimales.empty()) canon += "." + decimales;
  if (!exposant.empty()) canon += "e" + exposant;
  if (!chiffreMantisse) {  // "." or "E5": no significant digit, the value is zero
    valeur = 0.0;
    return true;
  }
  double v = 0.0;
  const auto [fin, ec] = std::from_chars(canon.data(), canon.data() + canon.size(), v);
  if (ec == std::errc::result_out_of_range) {
    // Underflow is a zero; a value beyond the range of a Double is no number at all.
    if (!exposant.empty() && exposant[0] == '-') {
      valeur = 0.0;
      return true;
    }
    return false;
  }
  if (ec != std::errc() || fin != canon.data() + canon.size() || !std::isfinite(v)) return false;
  valeur = v == 0.0 ? 0.0 : v;  // no negative zero
  return true;
}

TNote LireNote(std::string_view texte, const TOptions& options) {
  std::string haut(texte);
  for (char& c : haut)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  TNote n;
  if (double v = 0.0; LireNombre(haut, v)) return {v, NoteNombre};
  if (options.utiliserL) {
    for (const TCorrespondance& c : options.cores) {
      // An emptied entry of the table must not turn every empty cell into a grade.
      if (!c.coresL.empty() && c.coresL == haut) return {c.coresV, NoteLettre};
    }
  }
  return n;
}

}  // namespace calevrin
