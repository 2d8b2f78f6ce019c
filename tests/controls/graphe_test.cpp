#include "controls/graphe.h"

#include <gtest/gtest.h>

#include <QPoint>
#include <functional>
#include <map>

#include "appels.h"

using namespace calevrin::controles;
using calevrin::plateforme::RGB;
using calevrin::plateforme::TAppel;
using calevrin::plateforme::TCanevasEnregistreur;

namespace {

// A grade distribution as a statistics window fills it: five slots, one empty, one absent.
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

TNewGraphe Avec(const std::function<void(TNewGraphe&)>& changer) {
  TNewGraphe g = Repartition();
  changer(g);
  return g;
}

struct TCas {
  TNewGraphe graphe;
  int W = 400;
  int H = 300;
};

// Each of them is kept as tests/controls/attendu/<name>.txt.
std::map<std::string, TCas> Cas() {
  return {
      {"graphe_barres", {Repartition()}},
      {"graphe_noirblanc", {Avec([](TNewGraphe& g) { g.NoirBlanc = true; })}},
      {"graphe_caption_vide", {Avec([](TNewGraphe& g) { g.Caption.clear(); })}},
      {"graphe_sans_barre", {TNewGraphe()}},
      {"graphe_au_dessus_vmax", {Avec([](TNewGraphe& g) { g.Barre(2)->Valeur = 26; })}},
      {"graphe_graduations", {Avec([](TNewGraphe& g) { g.Vmax = 12; })}},
      {"graphe_lignes", {Avec([](TNewGraphe& g) {
         g.Mode = TMode::mLigne;
         g.FixerNbBarre(3);
         g.Barre(1)->Valeur = 12;
         g.Barre(2)->Valeur = -1;
         g.Barre(2)->FixerTexte(QStringLiteral("abs"));
         g.Barre(3)->Valeur = 8;
         g.BarreMoy.Valeur = -1;  // no average line
       })}},
      {"graphe_bezier", {Avec([](TNewGraphe& g) {
         g.Mode = TMode::mBezier;
         g.LargeurControle = 40;
       })}},
      {"graphe_police_17", {Avec([](TNewGraphe& g) { g.Mode = TMode::mLigne; }), 600, 400}},
      {"graphe_vmax_zero", {Avec([](TNewGraphe& g) { g.Vmax = 0; })}},
      {"graphe_sans_legh", {Avec([](TNewGraphe& g) { g.LegH = g.LegV = g.Cadre = false; })}},
  };
}

TCanevasEnregistreur Enregistrer(TNewGraphe& g, int W, int H, int X = 0, int Y = 0) {
  TCanevasEnregistreur c;
  g.Dessine(c, X, Y, W, H);
  return c;
}

}  // namespace

TEST(Graphe, ListesDAppelsDeReferenceEtDecalage) {
  for (auto& [nom, cas] : Cas()) {
    SCOPED_TRACE(nom);
    TNewGraphe decale = cas.graphe;
    const TCanevasEnregistreur c = Enregistrer(cas.graphe, cas.W, cas.H);
    calevrin::test::ComparerAvecAttendu(nom, calevrin::test::Liste(c));
    calevrin::test::VerifierDecalage(c, Enregistrer(decale, cas.W, cas.H, 50, 0), 50);
    for (int i = 0; i < cas.graphe.NbPoint(); ++i) EXPECT_EQ(decale.Points()[i].X, cas.graphe.Points()[i].X + 50);
  }
}

TEST(Graphe, CasConnusALAvance) {
  // 600 x 400: a font of R(400 / 23) = 17 pixels, which the graph keeps.
  TNewGraphe g = Repartition();
  TCanevasEnregistreur c = Enregistrer(g, 600, 400);
  EXPECT_EQ(g.Police.Taille, 17);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("Devoir 3"))->Police.Taille, 22);  // R(1.3 x 17), underlined
  EXPECT_TRUE(c.TrouverTexte(QStringLiteral("Devoir 3"))->Police.Souligne);

  // PasVert 5, NbGradV 4, Vmax 12: only 5 and 10.
  g.Vmax = 12;
  c = Enregistrer(g, 400, 300);
  EXPECT_NE(c.TrouverTexte(QStringLiteral("10")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("15")), nullptr);
  g.Vmax = 20;
  g.Afficher0 = false;
  c = Enregistrer(g, 400, 300);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("0")), nullptr);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("abs"))->Alignement, calevrin::plateforme::TAlignement::Centre);

  // Without bars, and with a scale of 0 or less: the caption alone, centred, plain, inside.
  TNewGraphe vide;
  for (TNewGraphe* h : {&vide, &g}) {
    g.Vmax = -5;
    c = Enregistrer(*h, 200, 150, 10, 20);
    ASSERT_EQ(c.Appels().size(), 2u);
    const TAppel& t = c.Appels()[1];
    EXPECT_EQ(QPoint(t.X1, t.Y1), QPoint(110, 95));
    EXPECT_FALSE(t.Police.Souligne);
    EXPECT_EQ(t.Police.Taille, 7);  // R(150 / 23)
  }
}

TEST(Graphe, CourbeDeTendance) {
  TNewGraphe g = Repartition();
  g.Mode = TMode::mBezier;
  g.LargeurControle = 100;
  TCanevasEnregistreur c = Enregistrer(g, 400, 300, 7, 9);
  ASSERT_EQ(g.NbPoint(), 4);  // the values >= 0: 12, 15.5, 0 and 8
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("abs")), nullptr);
  std::vector<const TAppel*> courbe;
  for (const TAppel& a : c.Appels())
    if (a.Genre == TAppel::Ligne && a.LargeurPlume == 2 && a.StylePlume == calevrin::plateforme::TStylePlume::Plein)
      courbe.push_back(&a);
  // One segment per pixel of the window, from the first marker to just before the last.
  ASSERT_EQ(courbe.size(), 99u);
  EXPECT_EQ(QPoint(courbe.front()->X1, courbe.front()->Y1), QPoint(g.Points()[0].X, g.Points()[0].Y));
  EXPECT_NEAR(courbe.back()->X2, g.Points()[3].X, 6);
  EXPECT_NEAR(courbe.back()->Y2, g.Points()[3].Y, 6);
  // However wide the window, the loop stays bounded.
  g.LargeurControle = 100'000'000;
  EXPECT_LE(Enregistrer(g, 400, 300).Appels().size(), 4200u);
}

TEST(Graphe, ProprietesEtCopie) {
  TNewGraphe g;
  g.FixerNbLigne(6);
  EXPECT_EQ(g.NbLigne(), 1);
  g.FixerLigne(6, QStringLiteral("x"));
  EXPECT_EQ(g.Ligne(6), QString());
  g.FixerNbBarre(3);
  g.LegendeBarre(2, QStringLiteral("12345"));
  EXPECT_EQ(g.Barre(2)->Legende(), QStringLiteral("1234"));
  EXPECT_EQ(g.Barre(0), nullptr);
  EXPECT_EQ(g.Barre(4), nullptr);
  g.FixerNbBarre(-2);
  EXPECT_EQ(g.NbBarre(), 0);

  // The print dialog's copy keeps the series and texts, not the frame, the scale's
  // visibility, black and white nor the background.
  TNewGraphe source = Avec([](TNewGraphe& s) {
    s.LegV = s.Cadre = false;
    s.NoirBlanc = s.Police.Gras = true;
  });
  TNewGraphe copie;
  copie.CopierPourImpression(source);
  EXPECT_EQ(copie.NbBarre(), 5);
  EXPECT_EQ(copie.Barre(4)->Texte(), QStringLiteral("abs"));
  EXPECT_EQ(copie.Ligne(2), QStringLiteral("Écart type : 3.2"));
  EXPECT_EQ(copie.BarreMoy.Valeur, 9.5);
  EXPECT_TRUE(copie.Police.Gras);
  EXPECT_TRUE(copie.LegV && copie.Cadre && !copie.NoirBlanc);
  EXPECT_EQ(copie.CouleurFond, RGB(255, 255, 255));
}
