#include "controls/graphe.h"

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

// A grade distribution as the statistics windows fill it: five slots, one empty, one absent.
TNewGraphe Repartition() {
  TNewGraphe g;
  g.Mode = TMode::mBarre;
  g.Caption = QStringLiteral("Devoir 3");
  g.FixerNbBarre(5);
  const double valeurs[] = {12, 15.5, 0, -1, 8};
  const char* legendes[] = {"0-4", "4-8", "8-12", "12-1", "16-2"};
  const unsigned couleurs[] = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0), RGB(128, 0, 128), RGB(255, 255, 0)};
  for (int i = 1; i <= 5; ++i) {
    g.Barre(i)->Valeur = valeurs[i - 1];
    g.Barre(i)->Couleur = couleurs[i - 1];
    g.LegendeBarre(i, QString::fromLatin1(legendes[i - 1]));
  }
  g.Barre(4)->FixerTexte(QStringLiteral("abs"));
  g.FixerNbLigne(2);
  g.FixerLigne(1, QStringLiteral("Moyenne : 9.5"));
  g.FixerLigne(2, QStringLiteral("Écart type : 3.2"));
  g.BarreMoy.Valeur = 9.5;
  return g;
}

struct TCas {
  std::function<TNewGraphe()> graphe;
  int W = 400;
  int H = 300;
};

const std::map<std::string, TCas>& Cas() {
  static const std::map<std::string, TCas> cas = {
      {"graphe_barres", {Repartition}},
      {"graphe_noirblanc", {[] {
         TNewGraphe g = Repartition();
         g.NoirBlanc = true;
         return g;
       }}},
      {"graphe_caption_vide", {[] {
         TNewGraphe g = Repartition();
         g.Caption.clear();
         return g;
       }}},
      {"graphe_sans_barre", {[] { return TNewGraphe(); }}},
      {"graphe_au_dessus_vmax", {[] {
         TNewGraphe g = Repartition();
         g.Barre(2)->Valeur = 26;
         return g;
       }}},
      {"graphe_graduations", {[] {
         TNewGraphe g = Repartition();
         g.Vmax = 12;
         g.Moy = false;
         return g;
       }}},
      {"graphe_lignes", {[] {
         TNewGraphe g;
         g.Caption = QStringLiteral("Dupont");
         g.FixerNbBarre(3);
         g.Barre(1)->Valeur = 12;
         g.Barre(2)->Valeur = -1;
         g.Barre(2)->FixerTexte(QStringLiteral("abs"));
         g.Barre(3)->Valeur = 8;
         g.BarreMoy.Valeur = -1;  // no average line
         return g;
       }}},
      {"graphe_bezier", {[] {
         TNewGraphe g = Repartition();
         g.Mode = TMode::mBezier;
         g.LargeurControle = 40;
         return g;
       }}},
      {"graphe_police_17",
       {[] {
          TNewGraphe g = Repartition();
          g.Mode = TMode::mLigne;
          return g;
        },
        600, 400}},
      {"graphe_vmax_zero", {[] {
         TNewGraphe g = Repartition();
         g.Vmax = 0;
         return g;
       }}},
      {"graphe_sans_legh", {[] {
         TNewGraphe g = Repartition();
         g.LegH = false;
         g.LegV = false;
         g.Cadre = false;
         return g;
       }}},
  };
  return cas;
}

std::string Dessin(const TCas& cas, int X = 0, int Y = 0, TNewGraphe* sortie = nullptr) {
  TNewGraphe g = cas.graphe();
  TCanevasEnregistreur c;
  g.Dessine(c, X, Y, cas.W, cas.H);
  if (sortie) *sortie = g;
  return calevrin::test::Liste(c);
}

TCanevasEnregistreur Enregistrer(TNewGraphe& g, int W, int H, int X = 0, int Y = 0) {
  TCanevasEnregistreur c;
  g.Dessine(c, X, Y, W, H);
  return c;
}

}  // namespace

TEST(Graphe, ListesDAppelsDeReference) {
  for (const auto& [nom, cas] : Cas()) {
    SCOPED_TRACE(nom);
    calevrin::test::ComparerAvecAttendu(nom, Dessin(cas));
  }
}

TEST(Graphe, CasDuDessinConnusALAvance) {
  // 600 x 400: a font of R(400 / 23) = 17 pixels, kept by the graph after drawing.
  TNewGraphe g = Repartition();
  TCanevasEnregistreur c = Enregistrer(g, 600, 400);
  EXPECT_EQ(g.Police.Taille, 17);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("Moyenne : 9.5"))->Police.Taille, 17);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("Devoir 3"))->Police.Taille, 22);  // R(1.3 x 17)
  EXPECT_TRUE(c.TrouverTexte(QStringLiteral("Devoir 3"))->Police.Souligne);

  // PasVert 5, NbGradV 4, Vmax 12: only 5 and 10.
  g.Vmax = 12;
  c = Enregistrer(g, 400, 300);
  EXPECT_NE(c.TrouverTexte(QStringLiteral("5")), nullptr);
  EXPECT_NE(c.TrouverTexte(QStringLiteral("10")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("15")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("20")), nullptr);

  // Bars: value 0 shows "0" only with Afficher0; -1 shows its text, centred; no bar for either.
  g.Vmax = 20;
  c = Enregistrer(g, 400, 300);
  int barres = 0;
  for (const TAppel& a : c.Appels())
    if (a.Genre == TAppel::Rectangle && a.StyleBrosse == calevrin::plateforme::TStyleBrosse::Plein &&
        a.Brosse != RGB(192, 192, 192))
      ++barres;
  EXPECT_EQ(barres, 3);  // 12, 15.5 and 8
  ASSERT_NE(c.TrouverTexte(QStringLiteral("0")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("abs"))->Alignement, calevrin::plateforme::TAlignement::Centre);
  g.Afficher0 = false;
  c = Enregistrer(g, 400, 300);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("0")), nullptr);

  // Without bars: the caption alone, centred in the rectangle, not underlined.
  TNewGraphe vide;
  c = Enregistrer(vide, 200, 150);
  ASSERT_EQ(c.Appels().size(), 2u);
  EXPECT_EQ(c.Appels()[0].Genre, TAppel::Rectangle);
  const TAppel& t = c.Appels()[1];
  EXPECT_EQ(t.Chaine, QStringLiteral("By QUIV"));
  EXPECT_EQ(t.X1, 100);
  EXPECT_EQ(t.Y1, 75);
  EXPECT_FALSE(t.Police.Souligne);
  EXPECT_EQ(t.Police.Taille, 7);  // R(150 / 23)
}

TEST(Graphe, DecalageEnXDeplaceChaqueAppel) {
  for (const auto& [nom, cas] : Cas()) {
    SCOPED_TRACE(nom);
    TNewGraphe g0 = cas.graphe();
    TNewGraphe g50 = cas.graphe();
    const TCanevasEnregistreur a = Enregistrer(g0, cas.W, cas.H);
    const TCanevasEnregistreur b = Enregistrer(g50, cas.W, cas.H, 50, 0);
    ASSERT_EQ(a.Appels().size(), b.Appels().size());
    for (std::size_t i = 0; i < a.Appels().size(); ++i) {
      TAppel attendu = a.Appels()[i];
      attendu.X1 += 50;
      if (attendu.Genre != TAppel::Texte) attendu.X2 += 50;
      EXPECT_EQ(calevrin::test::Ligne(b.Appels()[i]), calevrin::test::Ligne(attendu)) << "call " << i;
    }
    for (int i = 0; i < g0.NbPoint(); ++i) EXPECT_EQ(g50.Points()[i].X, g0.Points()[i].X + 50);
  }
}

TEST(Graphe, VmaxNulNeDessineQueCadreEtTitre) {
  TNewGraphe g = Repartition();
  for (const int vmax : {0, -5}) {
    g.Vmax = vmax;
    const TCanevasEnregistreur c = Enregistrer(g, 300, 200, 10, 20);
    ASSERT_EQ(c.Appels().size(), 2u);
    for (const TAppel& a : c.Appels()) {
      EXPECT_GE(a.X1, 10);
      EXPECT_LE(a.X1, 310);
      EXPECT_GE(a.Y1, 20);
      EXPECT_LE(a.Y1, 220);
    }
    EXPECT_EQ(c.Appels()[1].Chaine, QStringLiteral("Devoir 3"));
  }
}

TEST(Graphe, CourbeEtPoints) {
  TNewGraphe g = Repartition();
  g.Mode = TMode::mBezier;
  g.LargeurControle = 100;
  TCanevasEnregistreur c = Enregistrer(g, 400, 300, 7, 9);
  // Values >= 0 only: 12, 15.5, 0 and 8, in canvas coordinates.
  ASSERT_EQ(g.NbPoint(), 4);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("abs")), nullptr);
  int segments = 0;
  const TAppel* premier = nullptr;
  const TAppel* dernier = nullptr;
  for (const TAppel& a : c.Appels())
    if (a.Genre == TAppel::Ligne && a.LargeurPlume == 2 && a.StylePlume == calevrin::plateforme::TStylePlume::Plein) {
      ++segments;
      if (!premier) premier = &a;
      dernier = &a;
    }
  EXPECT_EQ(segments, 99);  // one per pixel of the window, t from 0.01 to 0.99
  // It starts at the first marker and ends just before the last one.
  EXPECT_EQ(premier->X1, g.Points()[0].X);
  EXPECT_EQ(premier->Y1, g.Points()[0].Y);
  EXPECT_NEAR(dernier->X2, g.Points()[3].X, 6);
  EXPECT_NEAR(dernier->Y2, g.Points()[3].Y, 6);

  // However wide the window, the loop stays bounded.
  g.LargeurControle = 100'000'000;
  c = Enregistrer(g, 400, 300);
  EXPECT_LE(c.Appels().size(), 4200u);

  // No value >= 0: no point, no curve.
  for (int i = 1; i <= g.NbBarre(); ++i) g.Barre(i)->Valeur = -1;
  c = Enregistrer(g, 400, 300);
  EXPECT_EQ(g.NbPoint(), 0);
}

TEST(Graphe, ProprietesEtCopie) {
  TNewGraphe g;
  EXPECT_EQ(g.Ligne(1), QStringLiteral("5 lignes max"));
  g.FixerNbLigne(6);
  EXPECT_EQ(g.NbLigne(), 1);
  g.FixerNbLigne(5);
  EXPECT_EQ(g.NbLigne(), 5);
  g.FixerLigne(6, QStringLiteral("x"));
  EXPECT_EQ(g.Ligne(6), QString());
  g.FixerNbBarre(3);
  g.LegendeBarre(2, QStringLiteral("12345"));
  EXPECT_EQ(g.Barre(2)->Legende(), QStringLiteral("1234"));
  g.LegendeBarre(4, QStringLiteral("x"));  // ignored
  EXPECT_EQ(g.Barre(0), nullptr);
  EXPECT_EQ(g.Barre(4), nullptr);
  EXPECT_EQ(g.Barre(1)->Couleur, RGB(255, 0, 0));
  g.FixerNbBarre(-2);
  EXPECT_EQ(g.NbBarre(), 0);

  // The print dialog's copy: the series and texts, not the frame, the scale's visibility
  // nor the background.
  TNewGraphe source = Repartition();
  source.LegV = false;
  source.Cadre = false;
  source.NoirBlanc = true;
  source.Police.Gras = true;
  source.Police.Couleur = RGB(0, 0, 128);
  TNewGraphe copie;
  copie.CopierPourImpression(source);
  EXPECT_EQ(copie.NbBarre(), 5);
  EXPECT_EQ(copie.Barre(4)->Texte(), QStringLiteral("abs"));
  EXPECT_EQ(copie.Barre(2)->Valeur, 15.5);
  EXPECT_EQ(copie.Ligne(2), QStringLiteral("Écart type : 3.2"));
  EXPECT_EQ(copie.NbLigne(), 2);
  EXPECT_EQ(copie.Mode, TMode::mBarre);
  EXPECT_EQ(copie.BarreMoy.Valeur, 9.5);
  EXPECT_TRUE(copie.Police.Gras);
  EXPECT_EQ(copie.Police.Couleur, RGB(0, 0, 128));
  EXPECT_TRUE(copie.LegV);
  EXPECT_TRUE(copie.Cadre);
  EXPECT_FALSE(copie.NoirBlanc);
  EXPECT_EQ(copie.CouleurFond, RGB(255, 255, 255));
}
