#pragma once
// The recording canvas's calls as lines of text, compared with the expected files kept beside
// the tests. CALEVRIN_REGENERER=1 rewrites the files instead (review their diff before committing).

#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <fstream>
#include <string>

#include "../common/fichiers.h"
#include "platform/canevasenregistreur.h"

namespace calevrin::test {

inline std::string Couleur(plateforme::TCouleurRGB c) {
  char t[8];
  std::snprintf(t, sizeof t, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return t;
}

inline std::string Plume(const plateforme::TAppel& a) {
  const char* style = a.StylePlume == plateforme::TStylePlume::Plein       ? "plein"
                      : a.StylePlume == plateforme::TStylePlume::Pointille ? "pointille"
                                                                           : "aucun";
  return " plume " + Couleur(a.Plume) + " " + std::to_string(a.LargeurPlume) + " " + style;
}

inline std::string Brosse(const plateforme::TAppel& a) {
  switch (a.StyleBrosse) {
    case plateforme::TStyleBrosse::Vide: return " brosse vide";
    case plateforme::TStyleBrosse::Plein: return " brosse " + Couleur(a.Brosse);
    case plateforme::TStyleBrosse::Croise: return " brosse croix " + Couleur(a.Brosse);
    case plateforme::TStyleBrosse::CroixDiagonale: return " brosse diagonales " + Couleur(a.Brosse);
  }
  return {};
}

inline std::string Ligne(const plateforme::TAppel& a) {
  using plateforme::TAppel;
  const std::string p1 = "(" + std::to_string(a.X1) + "," + std::to_string(a.Y1) + ")";
  const std::string p2 = "(" + std::to_string(a.X2) + "," + std::to_string(a.Y2) + ")";
  switch (a.Genre) {
    case TAppel::Ligne: return "ligne " + p1 + "-" + p2 + Plume(a);
    case TAppel::Rectangle: return "rectangle " + p1 + "-" + p2 + Plume(a) + Brosse(a);
    case TAppel::Remplissage: return "remplissage " + p1 + "-" + p2 + Brosse(a);
    case TAppel::Texte: {
      const plateforme::TPolice& f = a.Police;
      std::string police = f.Nom.toStdString() + " " + std::to_string(static_cast<int>(f.Taille)) +
                           (f.Pixels ? "px" : "pt") + (f.Gras ? " gras" : "") + (f.Italique ? " italique" : "") +
                           (f.Souligne ? " souligne" : "") + " " + Couleur(f.Couleur);
      const char* al = a.Alignement == plateforme::TAlignement::Gauche   ? "gauche"
                       : a.Alignement == plateforme::TAlignement::Centre ? "centre"
                                                                         : "droite";
      return "texte " + p1 + " " + al + " \"" + a.Chaine.toStdString() + "\" " + police + Brosse(a);
    }
  }
  return {};
}

inline std::string Liste(const plateforme::TCanevasEnregistreur& c) {
  std::string r;
  for (const plateforme::TAppel& a : c.Appels()) r += Ligne(a) + "\n";
  return r;
}

// Compares with tests/controls/attendu/<nom>.txt and names the first line that differs.
inline void ComparerAvecAttendu(const std::string& nom, const std::string& obtenu) {
  const std::string fichier = std::string(CALEVRIN_SOURCE_DIR) + "/tests/controls/attendu/" + nom + ".txt";
  if (std::getenv("CALEVRIN_REGENERER")) {
    std::ofstream(fichier, std::ios::binary) << obtenu;
    return;
  }
  const std::string attendu = Contenu(fichier);
  ASSERT_FALSE(attendu.empty()) << fichier << " is missing";
  if (attendu == obtenu) return;
  const auto a = Decouper(attendu, '\n');
  const auto o = Decouper(obtenu, '\n');
  std::size_t i = 0;
  while (i < a.size() && i < o.size() && a[i] == o[i]) ++i;
  ADD_FAILURE() << nom << ", line " << i + 1 << ":\n expected: " << (i < a.size() ? a[i] : "(end)")
                << "\n      got: " << (i < o.size() ? o[i] : "(end)");
}

// Drawn at X = dx, every call is the one drawn at X = 0 moved right by dx.
inline void VerifierDecalage(const plateforme::TCanevasEnregistreur& a, const plateforme::TCanevasEnregistreur& b,
                             int dx) {
  ASSERT_EQ(a.Appels().size(), b.Appels().size());
  for (std::size_t i = 0; i < a.Appels().size(); ++i) {
    plateforme::TAppel attendu = a.Appels()[i];
    attendu.X1 += dx;
    if (attendu.Genre != plateforme::TAppel::Texte) attendu.X2 += dx;
    EXPECT_EQ(Ligne(b.Appels()[i]), Ligne(attendu)) << "call " << i;
  }
}

}  // namespace calevrin::test
