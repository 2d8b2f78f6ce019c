#include "controls/tableau.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "appels.h"
#include "platform/canevasenregistreur.h"

using namespace calevrin::controles;
using calevrin::plateforme::RGB;
using calevrin::plateforme::TAppel;
using calevrin::plateforme::TCanevasEnregistreur;

namespace {

// A full report as its window fills it: subjects down, periods across.
TTableau Bilan() {
  TTableau t;
  t.Caption = QStringLiteral("Bilan de Léa Martin");
  const char* lignes[] = {"Matière", "Français", "Maths", "Histoire", "Synthèse"};
  for (int l = 1; l <= 5; ++l) t.FixerCellule(1, l, QString::fromUtf8(lignes[l - 1]));
  t.FixerCellule(2, 1, QStringLiteral("T1"));
  t.FixerCellule(3, 1, QStringLiteral("T2"));
  t.FixerCellule(4, 1, QStringLiteral("T3"));
  t.FixerCellule(5, 1, QStringLiteral("Année"));
  for (int l = 2; l <= 5; ++l)
    for (int c = 2; c <= 5; ++c) t.FixerCellule(c, l, QString::number(10 + l + c * 0.5));
  return t;
}

struct TCas {
  std::function<TTableau()> tableau;
  int W = 500;
  int H = 400;
};

const std::map<std::string, TCas>& Cas() {
  static const std::map<std::string, TCas> cas = {
      {"tableau_creux", {Bilan}},
      {"tableau_4x3", {[] {
         TTableau t = Bilan();
         t.FixerNbColonne(4);
         t.FixerNbLigne(3);
         return t;
       }}},
      {"tableau_bosse",
       {[] {
          TTableau t = Bilan();
          t.Relief = TRelief::rBosse;
          t.Police.Gras = true;
          t.CouleurFond = RGB(255, 255, 224);
          return t;
        },
        300, 200}},
      {"tableau_noirblanc_sans_cadre", {[] {
         TTableau t = Bilan();
         t.Relief = TRelief::rAucun;
         t.NoirBlanc = true;
         t.Cadre = false;
         t.CouleurL = RGB(0, 0, 255);
         t.Police.Couleur = RGB(255, 0, 0);
         return t;
       }}},
  };
  return cas;
}

TCanevasEnregistreur Enregistrer(const TTableau& t, int W, int H, int X = 0, int Y = 0) {
  TCanevasEnregistreur c;
  t.Dessine(c, X, Y, W, H);
  return c;
}

}  // namespace

TEST(Tableau, ListesDAppelsDeReference) {
  for (const auto& [nom, cas] : Cas()) {
    SCOPED_TRACE(nom);
    calevrin::test::ComparerAvecAttendu(nom, calevrin::test::Liste(Enregistrer(cas.tableau(), cas.W, cas.H)));
  }
}

TEST(Tableau, GrilleDe4Colonnes3Lignes) {
  TTableau t;
  t.FixerNbColonne(4);
  t.FixerNbLigne(3);
  const TCanevasEnregistreur c = Enregistrer(t, 500, 400);
  std::vector<std::array<int, 4>> grises;  // the sunken lines' first, grey, segments
  for (const TAppel& a : c.Appels())
    if (a.Genre == TAppel::Ligne && a.Plume == RGB(128, 128, 128)) grises.push_back({a.X1, a.Y1, a.X2, a.Y2});
  const std::vector<std::array<int, 4>> attendues = {
      {200, 100, 200, 400}, {300, 100, 300, 400}, {400, 100, 400, 400}, {0, 200, 500, 200}, {0, 300, 500, 300}};
  EXPECT_EQ(grises, attendues);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("By QUIV"))->Police.Taille, 30);
  EXPECT_TRUE(c.TrouverTexte(QStringLiteral("By QUIV"))->Police.Souligne);
  // Cells outside the grid keep their texts but are not drawn.
  EXPECT_NE(c.TrouverTexte(QStringLiteral("4 3")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("5 1")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("1 4")), nullptr);
  EXPECT_EQ(t.Cellule(5, 5), QStringLiteral("5 5"));
}

TEST(Tableau, DecalageEnXDeplaceChaqueAppel) {
  for (const auto& [nom, cas] : Cas()) {
    SCOPED_TRACE(nom);
    const TCanevasEnregistreur a = Enregistrer(cas.tableau(), cas.W, cas.H);
    const TCanevasEnregistreur b = Enregistrer(cas.tableau(), cas.W, cas.H, 50, 0);
    ASSERT_EQ(a.Appels().size(), b.Appels().size());
    for (std::size_t i = 0; i < a.Appels().size(); ++i) {
      TAppel attendu = a.Appels()[i];
      attendu.X1 += 50;
      if (attendu.Genre != TAppel::Texte) attendu.X2 += 50;
      EXPECT_EQ(calevrin::test::Ligne(b.Appels()[i]), calevrin::test::Ligne(attendu)) << "call " << i;
    }
  }
}

TEST(Tableau, CellulesEtLimites) {
  TTableau t;
  EXPECT_EQ(t.Cellule(2, 3), QStringLiteral("2 3"));
  t.FixerCellule(6, 1, QStringLiteral("x"));
  t.FixerCellule(1, 0, QStringLiteral("x"));
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(t.Cellule(c, 1), QStringLiteral("%1 1").arg(c));
  QString lu = QStringLiteral("avant");
  EXPECT_FALSE(t.Cellule(0, 2, lu));
  EXPECT_EQ(lu, QStringLiteral("avant"));
  t.FixerCellule(3, 3, QStringLiteral("123456789012345678901234567890"));
  EXPECT_EQ(t.Cellule(3, 3), QStringLiteral("1234567890123456789012345"));
  for (const int n : {2, 6, 0}) t.FixerNbLigne(n);
  for (const int n : {3, 6}) t.FixerNbColonne(n);
  EXPECT_EQ(t.NbLigne(), 5);
  EXPECT_EQ(t.NbColonne(), 5);

  // No frame: the only rectangle has no pen; the grid lines are still there.
  t.Cadre = false;
  const TCanevasEnregistreur c = Enregistrer(t, 300, 200);
  int lignes = 0;
  for (const TAppel& a : c.Appels()) {
    if (a.Genre == TAppel::Rectangle) {
      EXPECT_EQ(a.StylePlume, calevrin::plateforme::TStylePlume::Aucun);
    }
    if (a.Genre == TAppel::Ligne) ++lignes;
  }
  EXPECT_EQ(lignes, 2 * (4 + 4));  // sunken: two segments per line

  // The print dialog's copy: flat lines, white background, the shown cells.
  TTableau source = Bilan();
  source.FixerNbColonne(4);
  source.Cadre = false;
  TTableau copie;
  copie.CopierPourImpression(source);
  EXPECT_EQ(copie.Relief, TRelief::rAucun);
  EXPECT_EQ(copie.CouleurFond, RGB(255, 255, 255));
  EXPECT_EQ(copie.NbColonne(), 4);
  EXPECT_EQ(copie.Cellule(2, 2), source.Cellule(2, 2));
  EXPECT_EQ(copie.Cellule(5, 2), QStringLiteral("5 2"));  // not shown, not copied
  EXPECT_TRUE(copie.Cadre);
}
