#include "controls/onglets.h"

#include <gtest/gtest.h>

#include "platform/canevasenregistreur.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

// The texts written for one tab in 0..100 x 0..20, with a 10-point font (6 pixels a character
// and 15 a line on the recording canvas): text, place, bold, underlined, colour.
std::string Onglet(const QString& libelle, bool selectionne) {
  pf::TCanevasEnregistreur c;
  pf::TPolice police;
  police.Taille = 10;
  DessinerOnglet(c, libelle, 0, 0, 100, 20, selectionne, police);
  std::string textes;
  for (const pf::TAppel& a : c.Appels())
    if (a.Genre == pf::TAppel::Texte)
      textes += a.Chaine.toStdString() + " " + std::to_string(a.X1) + "," + std::to_string(a.Y1) +
                (a.Police.Gras ? " gras" : "") + (a.Police.Souligne ? " souligne" : "") + " " +
                std::to_string(a.Police.Couleur) + "|";
  return textes;
}

}  // namespace

TEST(Onglets, LibelleCentreEtLettreSoulignee) {
  // "Divers" is 36 pixels wide: centred at (100 - 36 + 1) / 2 = 32, raised one pixel; red when selected.
  EXPECT_EQ(Onglet(QStringLiteral("&Divers"), true), "Divers 32,2 gras 255|D 32,2 gras souligne 255|");
  EXPECT_EQ(Onglet(QStringLiteral("Ab&c"), false), "Abc 41,2 0|c 53,2 souligne 0|");
  EXPECT_EQ(Onglet(QStringLiteral("Divers"), false), "Divers 32,2 0|");
  EXPECT_EQ(Onglet(QStringLiteral("Divers&"), false), "Divers 32,2 0|");
}
