#include <gtest/gtest.h>

#include "controls/onglets.h"
#include "platform/canevasenregistreur.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

// The texts written for one tab in 0..100 x 0..20, with a 10-point font: 6 pixels a character
// and 15 a line on the recording canvas.
std::vector<pf::TAppel> Onglet(const QString& libelle, bool selectionne) {
  pf::TCanevasEnregistreur c;
  pf::TPolice police;
  police.Taille = 10;
  DessinerOnglet(c, libelle, 0, 0, 100, 20, selectionne, police);
  std::vector<pf::TAppel> textes;
  for (const pf::TAppel& a : c.Appels())
    if (a.Genre == pf::TAppel::Texte) textes.push_back(a);
  return textes;
}

}  // namespace

TEST(Onglets, LibelleCentreEtLettreSoulignee) {
  auto t = Onglet(QStringLiteral("&Divers"), true);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].Chaine, QStringLiteral("Divers"));
  EXPECT_EQ(t[0].X1, (100 - 36 + 1) / 2);
  EXPECT_EQ(t[0].Y1, (20 - 15 + 1) / 2 - 1);
  EXPECT_TRUE(t[0].Police.Gras);
  EXPECT_EQ(t[0].Police.Couleur, pf::RGB(255, 0, 0));
  EXPECT_FALSE(t[0].Police.Souligne);
  EXPECT_EQ(t[1].Chaine, QStringLiteral("D"));
  EXPECT_EQ(t[1].X1, t[0].X1);
  EXPECT_TRUE(t[1].Police.Souligne);

  t = Onglet(QStringLiteral("Ab&c"), false);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].Chaine, QStringLiteral("Abc"));
  EXPECT_FALSE(t[0].Police.Gras);
  EXPECT_EQ(t[0].Police.Couleur, pf::RGB(0, 0, 0));
  EXPECT_EQ(t[1].Chaine, QStringLiteral("c"));
  EXPECT_EQ(t[1].X1, t[0].X1 + 12);
  EXPECT_EQ(t[1].Y1, t[0].Y1);

  EXPECT_EQ(Onglet(QStringLiteral("Divers"), false).size(), 1u);
  EXPECT_EQ(Onglet(QStringLiteral("Divers&"), false).size(), 1u);
}
