#include "controls/tableau.h"

#include <gtest/gtest.h>

#include <QSize>
#include <map>

#include "appels.h"

using namespace calevrin::controles;
using calevrin::plateforme::RGB;
using calevrin::plateforme::TAppel;
using calevrin::plateforme::TCanevasEnregistreur;

namespace {

// A full report as its window fills it: subjects down, periods across.
TTableau Bilan(int colonnes = 5, int lignes = 5, TRelief relief = TRelief::rCreux) {
  TTableau t;
  t.Caption = QStringLiteral("Bilan de Léa Martin");
  const char* noms[] = {"Matière", "Français", "Maths", "Histoire", "Synthèse"};
  for (int l = 1; l <= 5; ++l) t.FixerCellule(1, l, QString::fromUtf8(noms[l - 1]));
  for (int c = 2; c <= 5; ++c) t.FixerCellule(c, 1, QStringLiteral("T%1").arg(c - 1));
  for (int l = 2; l <= 5; ++l)
    for (int c = 2; c <= 5; ++c) t.FixerCellule(c, l, QString::number(10 + l + c * 0.5));
  t.FixerNbColonne(colonnes);
  t.FixerNbLigne(lignes);
  t.Relief = relief;
  return t;
}

TTableau NoirEtBlancSansCadre() {
  TTableau t = Bilan(5, 5, TRelief::rAucun);
  t.NoirBlanc = true;
  t.Cadre = false;
  t.CouleurL = RGB(0, 0, 255);
  t.Police.Couleur = RGB(255, 0, 0);
  return t;
}

TCanevasEnregistreur Enregistrer(const TTableau& t, int W, int H, int X = 0) {
  TCanevasEnregistreur c;
  t.Dessine(c, X, 0, W, H);
  return c;
}

}  // namespace

TEST(Tableau, ListesDAppelsDeReferenceEtDecalage) {
  // tableau_4x3 is the known grid: lines at x = 200, 300, 400 from y = 100 to 400, at
  // y = 200 and 300, and a 30-pixel title.
  const std::map<std::string, std::pair<TTableau, QSize>> cas = {
      {"tableau_creux", {Bilan(), QSize(500, 400)}},
      {"tableau_4x3", {Bilan(4, 3), QSize(500, 400)}},
      {"tableau_bosse", {Bilan(5, 4, TRelief::rBosse), QSize(300, 200)}},
      {"tableau_noirblanc_sans_cadre", {NoirEtBlancSansCadre(), QSize(500, 400)}},
  };
  for (const auto& [nom, c] : cas) {
    SCOPED_TRACE(nom);
    const auto& [t, taille] = c;
    const TCanevasEnregistreur a = Enregistrer(t, taille.width(), taille.height());
    calevrin::test::ComparerAvecAttendu(nom, calevrin::test::Liste(a));
    calevrin::test::VerifierDecalage(a, Enregistrer(t, taille.width(), taille.height(), 50), 50);
  }
}

TEST(Tableau, CellulesEtCopie) {
  TTableau t;
  EXPECT_EQ(t.Cellule(2, 3), QStringLiteral("2 3"));
  t.FixerCellule(6, 1, QStringLiteral("x"));
  t.FixerCellule(1, 0, QStringLiteral("x"));
  EXPECT_EQ(t.Cellule(5, 1), QStringLiteral("5 1"));
  EXPECT_EQ(t.Cellule(1, 1), QStringLiteral("1 1"));
  QString lu = QStringLiteral("avant");
  EXPECT_FALSE(t.Cellule(0, 2, lu));
  EXPECT_EQ(lu, QStringLiteral("avant"));
  t.FixerCellule(3, 3, QStringLiteral("123456789012345678901234567890"));
  EXPECT_EQ(t.Cellule(3, 3), QStringLiteral("1234567890123456789012345"));
  for (const int n : {2, 6}) t.FixerNbLigne(n);
  t.FixerNbColonne(3);
  EXPECT_EQ(t.NbLigne(), 5);
  EXPECT_EQ(t.NbColonne(), 5);

  // Cells beyond the grid keep their texts but are not drawn.
  t.FixerNbLigne(3);
  const TCanevasEnregistreur c = Enregistrer(t, 300, 200);
  EXPECT_NE(c.TrouverTexte(QStringLiteral("5 3")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("1 4")), nullptr);
  EXPECT_EQ(t.Cellule(1, 4), QStringLiteral("1 4"));

  // The print dialog's copy: flat lines, white background, the shown cells only.
  TTableau source = Bilan(4, 5);
  source.Cadre = false;
  TTableau copie;
  copie.CopierPourImpression(source);
  EXPECT_EQ(copie.Relief, TRelief::rAucun);
  EXPECT_EQ(copie.CouleurFond, RGB(255, 255, 255));
  EXPECT_EQ(copie.NbColonne(), 4);
  EXPECT_EQ(copie.Cellule(2, 2), source.Cellule(2, 2));
  EXPECT_EQ(copie.Cellule(5, 2), QStringLiteral("5 2"));
  EXPECT_TRUE(copie.Cadre);
}
