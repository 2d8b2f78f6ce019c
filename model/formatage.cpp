#include "model/formatage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "model/note.h"

namespace calevrin {

namespace {

// A value as the configuration file writes it, 15 significant digits, spelt out in decimal:
// rounding works on these digits, so 0.15 is a half and an average computed as 12.4499999...
// for an exact 12.45 rounds as the teacher would by hand.
struct TDecimal {
  bool negatif = false;
  std::string entier;    // at least one digit, no leading zero except "0"
  std::string fraction;  // possibly empty, no trailing zero
};

TDecimal Decomposer(double v) {
  TDecimal d;
  d.negatif = std::signbit(v);
  char tampon[32];
  // d.dddddddddddddde±x: 15 digits, then the exponent.
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(v), std::chars_format::scientific, 14);
  const std::string_view t(tampon, static_cast<std::size_t>(r.ptr - tampon));
  const std::size_t posE = t.find('e');
  std::string chiffres;
  chiffres += t[0];
  if (posE > 2) chiffres.append(t.substr(2, posE - 2));
  int exposant = 0;
  for (std::size_t i = posE + 2; i < t.size(); ++i) exposant = exposant * 10 + (t[i] - '0');
  if (t[posE + 1] == '-') exposant = -exposant;
  const int nbEntiers = exposant + 1;  // digits before the decimal point
  if (nbEntiers <= 0) {
    d.entier.assign(1, '0');
    d.fraction.assign(static_cast<std::size_t>(-nbEntiers), '0');
    d.fraction += chiffres;
  } else if (static_cast<std::size_t>(nbEntiers) >= chiffres.size()) {
    d.entier = chiffres;
    d.entier.append(static_cast<std::size_t>(nbEntiers) - chiffres.size(), '0');
  } else {
    d.entier = chiffres.substr(0, static_cast<std::size_t>(nbEntiers));
    d.fraction = chiffres.substr(static_cast<std::size_t>(nbEntiers));
  }
  while (!d.fraction.empty() && d.fraction.back() == '0') d.fraction.pop_back();
  return d;
}

bool Zero(const std::string& chiffres) { return chiffres.find_first_not_of('0') == std::string::npos; }

// Adds one to a string of decimal digits.
void Incrementer(std::string& chiffres) {
  for (std::size_t i = chiffres.size(); i-- > 0;) {
    if (chiffres[i] != '9') {
      ++chiffres[i];
      return;
    }
    chiffres[i] = '0';
  }
  chiffres.insert(chiffres.begin(), '1');
}

// Subtracts one from a string of decimal digits that is not zero.
void Decrementer(std::string& chiffres) {
  for (std::size_t i = chiffres.size(); i-- > 0;) {
    if (chiffres[i] != '0') {
      --chiffres[i];
      break;
    }
    chiffres[i] = '9';
  }
  if (chiffres.size() > 1 && chiffres[0] == '0') chiffres.erase(0, 1);
}

}  // namespace

std::string FormaterDecimales(double v, int decimales) {
  if (!std::isfinite(v)) return "?";
  const TDecimal d = Decomposer(v);
  const std::size_t n = static_cast<std::size_t>(std::max(decimales, 0));
  std::string chiffres = d.entier + d.fraction.substr(0, std::min(n, d.fraction.size()));
  chiffres.append(d.entier.size() + n - chiffres.size(), '0');
  if (d.fraction.size() > n && d.fraction[n] >= '5') Incrementer(chiffres);
  std::string texte = d.negatif && !Zero(chiffres) ? "-" : "";
  texte.append(chiffres, 0, chiffres.size() - n);
  if (n > 0) {
    texte += '.';
    texte.append(chiffres, chiffres.size() - n, n);
  }
  return texte;
}

namespace {

// Compares the fraction 0.<fraction> with centiemes / 100.
int ComparerFraction(const std::string& fraction, int centiemes) {
  int deux = 0;
  for (std::size_t i = 0; i < 2; ++i) deux = deux * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
  if (deux != centiemes) return deux < centiemes ? -1 : 1;
  return fraction.size() > 2 ? 1 : 0;  // no trailing zeros are kept, so anything further is more
}

// The integer part i = floor(value) and the fraction f = value - i in [0, 1), on the decimal
// digits. The floor makes every mode keep its meaning for a negative average (nearest stays
// nearest, lower stays lower); for values >= 0 it is the truncation.
struct TPartage {
  bool negatif = false;  // i < 0
  std::string module;    // |i|
  std::string fraction;  // digits of the value's own fraction, before the floor is taken
  bool fractionNulle = true;

  // f < centiemes / 100
  bool FInferieur(int centiemes) const {
    if (fractionNulle) return centiemes > 0;
    if (!negatif) return ComparerFraction(fraction, centiemes) < 0;
    return ComparerFraction(fraction, 100 - centiemes) > 0;  // f = 1 - 0.fraction
  }

  std::string I() const { return (negatif ? "-" : "") + module; }
  std::string IPlusUn() const {
    std::string m = module;
    if (!negatif) {
      Incrementer(m);
      return m;
    }
    Decrementer(m);
    return Zero(m) ? "0" : "-" + m;
  }
  std::string IPlusDemi() const {
    if (!negatif) return module + ".5";
    std::string m = module;
    Decrementer(m);
    return "-" + m + ".5";
  }
};

TPartage Partager(double v) {
  const TDecimal d = Decomposer(v);
  TPartage p;
  p.module = d.entier;
  p.fraction = d.fraction;
  p.fractionNulle = d.fraction.empty();
  if (d.negatif && !Zero(d.entier)) p.negatif = true;
  if (d.negatif && !p.fractionNulle) {
    p.negatif = true;
    Incrementer(p.module);
  }
  return p;
}

}  // namespace

namespace {

// FormaterNombre for the values averages take, on the same 15 digits but in integers: the
// sheet writes a hundred of them at every paint. False when the value needs the general way.
bool FormaterNombreRapide(double valeur, std::string& texte) {
  if (!std::isfinite(valeur) || std::fabs(valeur) >= 1e12) return false;
  char tampon[32];
  const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(valeur), std::chars_format::scientific, 14);
  const std::string_view t(tampon, static_cast<std::size_t>(r.ptr - tampon));
  const std::size_t posE = t.find('e');
  if (posE != 16) return false;  // also when there is no exponent
  std::uint64_t mantisse = static_cast<std::uint64_t>(t[0] - '0');
  for (std::size_t i = 2; i < posE; ++i) mantisse = mantisse * 10 + static_cast<std::uint64_t>(t[i] - '0');
  int exposant = 0;
  for (std::size_t i = posE + 2; i < t.size(); ++i) exposant = exposant * 10 + (t[i] - '0');
  if (t[posE + 1] == '-') exposant = -exposant;
  // The value is mantisse x 10^(exposant - 14); tenths are mantisse x 10^(exposant - 13).
  std::uint64_t dixiemes = 0;
  if (exposant >= -2) {
    const int retires = 13 - exposant;  // 2..15 digits dropped
    std::uint64_t p = 1;
    for (int i = 0; i < retires; ++i) p *= 10;
    dixiemes = mantisse / p;
    if ((mantisse % p) * 2 >= p) ++dixiemes;  // the first dropped digit is 5 or more
  }
  texte.clear();
  if (std::signbit(valeur) && dixiemes != 0) texte += '-';
  texte += std::to_string(dixiemes / 10);
  if (dixiemes % 10 != 0) {
    texte += '.';
    texte += static_cast<char>('0' + dixiemes % 10);
  }
  return true;
}

}  // namespace

std::string FormaterNombre(double valeur) {
  if (std::string rapide; FormaterNombreRapide(valeur, rapide)) return rapide;
  std::string t = FormaterDecimales(valeur, 1);
  if (t.find('.') != std::string::npos || t.find(',') != std::string::npos)
    while (!t.empty() && t.back() == '0') t.pop_back();
  if (!t.empty() && (t.back() == '.' || t.back() == ',')) t.pop_back();
  return t;
}

std::string FormaterMoyenne(int mode, double valeur) {
  if (valeur == PasDeMoyenne) return "?";
  if (mode < 0 || mode > 6) return "";
  if (mode == 0) return FormaterNombre(valeur);
  if (!std::isfinite(valeur)) return "?";
  const TPartage p = Partager(valeur);
  switch (mode) {
    case 1: return p.I();
    case 2: return p.FInferieur(50) ? p.I() : p.IPlusUn();
    case 3: return p.IPlusUn();
    case 4: return p.FInferieur(50) ? p.I() : p.IPlusDemi();
    case 5:
      if (p.FInferieur(25)) return p.I();
      return p.FInferieur(75) ? p.IPlusDemi() : p.IPlusUn();
    default: return p.FInferieur(50) ? p.IPlusDemi() : p.IPlusUn();
  }
}

double MoyenneAffichee(int mode, double valeur) {
  const std::string t = FormaterMoyenne(mode, valeur);
  double v = valeur;
  std::from_chars(t.data(), t.data() + t.size(), v);
  return valeur == PasDeMoyenne ? valeur : v;
}

std::string NomArrondi(int mode) {
  static const char* const Noms[] = {
      "Aucun arrondi",
      "Au point inf\xE9rieur",
      "Au point le plus proche",
      "Au point sup\xE9rieur",
      "Au 1/2 point inf\xE9rieur",
      "Au 1/2 point le plus proche",
      "Au 1/2 point sup\xE9rieur",
  };
  if (mode < 0 || mode > 6) return "";
  return Noms[mode];
}

}  // namespace calevrin
