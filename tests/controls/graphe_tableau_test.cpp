// The graph and the table drawn into the recording canvas. Each reference case's call list is
// kept as tests/controls/attendu/<name>.txt; CALEVRIN_REGENERER=1 rewrites the files instead
// (review their diff before committing).
#include <gtest/gtest.h>

#include <QPoint>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>

#include "controls/ajustement.h"
#include "controls/graphe.h"
#include "controls/tableau.h"
#include "platform/canevasenregistreur.h"
#include "tests/common/chevauchements.h"
#include "tests/common/fichiers.h"

using namespace calevrin::controles;
using calevrin::plateforme::RGB;
using calevrin::plateforme::TAppel;
using calevrin::plateforme::TCanevas;
using calevrin::plateforme::TCanevasEnregistreur;

namespace {

std::string Couleur(calevrin::plateforme::TCouleurRGB c) {
  char t[8];
  std::snprintf(t, sizeof t, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return t;
}

std::string Ligne(const TAppel& a) {
  static const char* const plumes[] = {"plein", "pointille", "aucun"};
  static const char* const brosses[] = {" brosse ", " brosse vide", " brosse croix ", " brosse diagonales "};
  static const char* const alignements[] = {"gauche", "centre", "droite"};
  const auto point = [](int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; };
  const std::string p = point(a.X1, a.Y1) + "-" + point(a.X2, a.Y2);
  const std::string plume = " plume " + Couleur(a.Plume) + " " + std::to_string(a.LargeurPlume) + " " +
                            plumes[static_cast<int>(a.StylePlume)];
  std::string brosse = brosses[static_cast<int>(a.StyleBrosse)];
  if (a.StyleBrosse != calevrin::plateforme::TStyleBrosse::Vide) brosse += Couleur(a.Brosse);
  const calevrin::plateforme::TPolice& f = a.Police;
  switch (a.Genre) {
    case TAppel::Ligne: return "ligne " + p + plume;
    case TAppel::Rectangle: return "rectangle " + p + plume + brosse;
    case TAppel::Remplissage: return "remplissage " + p + brosse;
    case TAppel::Texte:
      return "texte " + point(a.X1, a.Y1) + " " + alignements[static_cast<int>(a.Alignement)] + " \"" +
             a.Chaine.toStdString() + "\" " + f.Nom.toStdString() + " " + std::to_string(static_cast<int>(f.Taille)) +
             (f.Pixels ? "px" : "pt") + (f.Gras ? " gras" : "") + (f.Italique ? " italique" : "") +
             (f.Souligne ? " souligne" : "") + " " + Couleur(f.Couleur) + brosse;
  }
  return {};
}

std::string Lignes(const TCanevasEnregistreur& c) {
  std::string s;
  for (const TAppel& a : c.Appels()) s += Ligne(a) + "\n";
  return s;
}

// Compares with the kept list and names the first line that differs.
void ComparerAvecAttendu(const std::string& nom, const TCanevasEnregistreur& c) {
  const std::string obtenu = Lignes(c);
  const std::string fichier = std::string(CALEVRIN_SOURCE_DIR) + "/tests/controls/attendu/" + nom + ".txt";
  if (std::getenv("CALEVRIN_REGENERER")) {
    std::ofstream(fichier, std::ios::binary) << obtenu;
    return;
  }
  const std::string attendu = calevrin::test::Contenu(fichier);
  ASSERT_FALSE(attendu.empty()) << fichier << " is missing";
  if (attendu == obtenu) return;
  const auto a = calevrin::test::Decouper(attendu, '\n');
  const auto o = calevrin::test::Decouper(obtenu, '\n');
  std::size_t i = 0;
  while (i < a.size() && i < o.size() && a[i] == o[i]) ++i;
  ADD_FAILURE() << nom << ", line " << i + 1 << ":\n expected: " << (i < a.size() ? a[i] : "(end)")
                << "\n      got: " << (i < o.size() ? o[i] : "(end)");
}

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

using TDessin = std::function<void(TCanevas&, int X, int W, int H)>;

TDessin Graphe(const std::function<void(TNewGraphe&)>& changer = {}) {
  TNewGraphe g = Repartition();
  if (changer) changer(g);
  return [g](TCanevas& c, int X, int W, int H) { TNewGraphe(g).Dessine(c, X, 0, W, H); };
}

TDessin Tableau(const TTableau& t) {
  return [t](TCanevas& c, int X, int W, int H) { t.Dessine(c, X, 0, W, H); };
}

TCanevasEnregistreur Enregistrer(TNewGraphe& g, int W, int H, int X = 0, int Y = 0) {
  TCanevasEnregistreur c;
  g.Dessine(c, X, Y, W, H);
  return c;
}

}  // namespace

TEST(GrapheEtTableau, ListesDAppelsDeReferenceEtDecalage) {
  struct TCas {
    const char* nom;
    TDessin dessin;
    int W = 400, H = 300;
  };
  TTableau noirBlanc = Bilan(5, 5, TRelief::rAucun);
  noirBlanc.NoirBlanc = true;
  noirBlanc.Cadre = false;
  noirBlanc.CouleurL = RGB(0, 0, 255);
  noirBlanc.Police.Couleur = RGB(255, 0, 0);
  const TCas cas[] = {
      {"graphe_barres", Graphe()},
      {"graphe_noirblanc", Graphe([](TNewGraphe& g) { g.NoirBlanc = true; })},
      {"graphe_caption_vide", Graphe([](TNewGraphe& g) { g.Caption.clear(); })},
      {"graphe_sans_barre", [](TCanevas& c, int X, int W, int H) { TNewGraphe().Dessine(c, X, 0, W, H); }},
      {"graphe_au_dessus_vmax", Graphe([](TNewGraphe& g) { g.Barre(2)->Valeur = 26; })},
      {"graphe_graduations", Graphe([](TNewGraphe& g) { g.Vmax = 12; })},  // 5 and 10 only
      {"graphe_lignes", Graphe([](TNewGraphe& g) {
         g.Mode = TMode::mLigne;
         g.FixerNbBarre(3);
         g.Barre(1)->Valeur = 12;
         g.Barre(2)->Valeur = -1;
         g.Barre(2)->FixerTexte(QStringLiteral("abs"));
         g.Barre(3)->Valeur = 8;
         g.BarreMoy.Valeur = -1;  // no average line
       })},
      {"graphe_bezier", Graphe([](TNewGraphe& g) {
         g.Mode = TMode::mBezier;
         g.LargeurControle = 40;
       })},
      // R(400 / 23) = 17 pixels, the title R(1.3 x 17) = 22 and underlined.
      {"graphe_police_17", Graphe([](TNewGraphe& g) { g.Mode = TMode::mLigne; }), 600, 400},
      {"graphe_vmax_zero", Graphe([](TNewGraphe& g) { g.Vmax = 0; })},
      {"graphe_sans_legh", Graphe([](TNewGraphe& g) { g.LegH = g.LegV = g.Cadre = false; })},
      {"tableau_creux", Tableau(Bilan()), 500, 400},
      // Lines at x = 200, 300, 400 from y = 100 to 400, at y = 200 and 300; a 30-pixel title;
      // the cells beyond the grid, filled, are not drawn.
      {"tableau_4x3", Tableau(Bilan(4, 3)), 500, 400},
      {"tableau_bosse", Tableau(Bilan(5, 4, TRelief::rBosse)), 300, 200},
      {"tableau_noirblanc_sans_cadre", Tableau(noirBlanc), 500, 400},
  };
  for (const TCas& c : cas) {
    SCOPED_TRACE(c.nom);
    TCanevasEnregistreur a, b;
    c.dessin(a, 0, c.W, c.H);
    ComparerAvecAttendu(c.nom, a);
    // Drawn at X = 50, every call is the one drawn at X = 0 moved right by 50.
    c.dessin(b, 50, c.W, c.H);
    ASSERT_EQ(a.Appels().size(), b.Appels().size());
    for (std::size_t i = 0; i < a.Appels().size(); ++i) {
      TAppel attendu = a.Appels()[i];
      attendu.X1 += 50;
      if (attendu.Genre != TAppel::Texte) attendu.X2 += 50;
      EXPECT_EQ(Ligne(b.Appels()[i]), Ligne(attendu)) << "call " << i;
    }
  }
}

TEST(GrapheEtTableau, CasConnusALAvance) {
  TNewGraphe g = Repartition();
  g.Afficher0 = false;
  TCanevasEnregistreur c = Enregistrer(g, 400, 300);
  EXPECT_EQ(c.TrouverTexte(QStringLiteral("0")), nullptr);
  EXPECT_NE(c.TrouverTexte(QStringLiteral("abs")), nullptr);
  // A negative scale: the caption alone, centred in the rectangle, plain, at the title's size
  // R(1.3 x R(150 / 23)) pixels.
  g.Vmax = -5;
  c = Enregistrer(g, 200, 150, 10, 20);
  ASSERT_EQ(c.Appels().size(), 2u);
  const TAppel& t = c.Appels()[1];
  EXPECT_EQ(Ligne(t), "texte (110,88) centre \"Devoir 3\" Arial 9px #000000 brosse vide");

  // A grade of "1E9" in every mode: each point, bar and the average line stay inside the drawing.
  for (const TMode mode : {TMode::mBarre, TMode::mLigne, TMode::mBezier}) {
    TNewGraphe h = Repartition();
    h.Mode = mode;
    h.Barre(2)->Valeur = 1e9;
    h.BarreMoy.Valeur = 1e12;
    const TCanevasEnregistreur e = Enregistrer(h, 400, 300, 10, 20);
    int hauts = 0;
    for (const TAppel& a : e.Appels())
      if (a.Genre == TAppel::Ligne || a.Genre == TAppel::Rectangle) {
        EXPECT_TRUE(a.Y1 >= -600 && a.Y1 <= 920 && a.Y2 >= -600 && a.Y2 <= 920) << Ligne(a);
        hauts += std::min(a.Y1, a.Y2) < 20;
      }
    EXPECT_GE(hauts, 1);  // the huge value is drawn, off the top
    EXPECT_NE(e.TrouverTexte(QStringLiteral("moy.")), nullptr);
  }
}

TEST(GrapheEtTableau, TextesTropLargesReduitsPuisElides) {
  // A 40-character title is 408 pixels wide at R(1.3 x 13) = 17 pixels, more than 396: it is
  // drawn at 16. At 80 characters even the floor, 10 pixels, is too wide: it ends with "…".
  // The legend lines alike; the slots' labels share one smaller size, and when even that is too
  // wide, one label in two is written.
  TNewGraphe g = Repartition();
  g.Caption = QString(40, QLatin1Char('M'));
  g.FixerLigne(1, QString(120, QLatin1Char('L')));
  g.FixerNbBarre(25);
  for (int i = 1; i <= 25; ++i) g.LegendeBarre(i, QStringLiteral("D%1").arg(i));
  TCanevasEnregistreur c = Enregistrer(g, 400, 300);
  const TAppel* titre = c.TrouverTexte(g.Caption);
  ASSERT_NE(titre, nullptr);
  EXPECT_EQ(titre->Police.Taille, 16);
  EXPECT_TRUE(calevrin::test::Chevauchements(c, QRect(0, 0, 400, 300)).empty());
  g.Caption = QString(80, QLatin1Char('M'));
  c = Enregistrer(g, 400, 300);
  const std::vector<QString> textes = c.Textes();
  EXPECT_EQ(textes[0], QString(65, QLatin1Char('M')) + QStringLiteral("…"));
  EXPECT_EQ(c.Appels()[1].Police.Taille, 10);
  EXPECT_TRUE(textes[1].endsWith(QStringLiteral("…")) && textes[1].size() < 120);
  const TAppel* d25 = c.TrouverTexte(QStringLiteral("D25"));
  ASSERT_NE(d25, nullptr);
  EXPECT_EQ(d25->Police.Taille, 8);
  EXPECT_TRUE(c.TrouverTexte(QStringLiteral("D23")) && !c.TrouverTexte(QStringLiteral("D24")));
  for (const std::string& faute : calevrin::test::Chevauchements(c, QRect(0, 0, 400, 300))) ADD_FAILURE() << faute;

  // A table too narrow for its texts even at the floor: each text is cut at its cell's edges.
  TTableau t = Bilan();
  for (int l = 1; l <= 5; ++l) t.FixerCellule(1, l, QString(25, QLatin1Char('N')));
  t.FixerCellule(3, 2, QStringLiteral("123456789012"));
  TCanevasEnregistreur ct;
  t.Dessine(ct, 0, 0, 300, 200);
  int coupes = 0;
  for (const TAppel& a : ct.Appels()) coupes += a.Cadre;
  EXPECT_GE(coupes, 6);
  for (const std::string& faute : calevrin::test::Chevauchements(ct, QRect(0, 0, 300, 200))) ADD_FAILURE() << faute;
  // Wide enough once smaller: whole texts, one size, the figures' columns alike.
  ct.Effacer();
  t.Dessine(ct, 0, 0, 600, 200);
  for (const TAppel& a : ct.Appels())
    if (a.Genre == TAppel::Texte && !a.Police.Souligne) {
      EXPECT_TRUE(!a.Cadre && a.Police.Taille < 15);
    }
  EXPECT_TRUE(calevrin::test::Chevauchements(ct, QRect(0, 0, 600, 200)).empty());
}

// Widths as a hinted font gives them, not proportional to the size: some sizes are wider than
// their share, others narrower, and "i" narrower than "W". Counts the sizes measured, each a shaping on screen.
class TMesuresHintees : public TCanevasEnregistreur {
 public:
  std::set<double> tailles;
  int LargeurTexte(const QString& texte) override {
    const double t = Police().Taille;
    tailles.insert(t);
    int l = 0;
    for (const QChar ch : texte)
      l += static_cast<int>(std::ceil(t * (ch == QLatin1Char('i') ? 0.25 : 0.6))) + 2 * (t >= 30);
    return l;
  }
};

TEST(GrapheEtTableau, AjustementAuPlusGrandQuiTientEnPeuDEssais) {
  const QString texte = QStringLiteral("Moyenne iii de la classe : 12.5 sur vingt, iiii");
  for (int largeur = 0; largeur <= 1400; largeur += 7) {
    TMesuresHintees c;
    calevrin::plateforme::TPolice f;
    f.Taille = 48;
    c.FixerPolice(f);
    const double t = AjusterTaille(c, texte, largeur, 10);
    // Brute force: the largest size down to the floor that fits, else the floor.
    double attendue = 10;
    for (int k = 48; k >= 10; --k) {
      c.FixerTaillePolice(k);
      if (c.LargeurTexte(texte) <= largeur) {
        attendue = k;
        break;
      }
    }
    ASSERT_EQ(t, attendue) << largeur;
    c.FixerTaillePolice(48);
    c.tailles.clear();
    AjusterTaille(c, texte, largeur, 10);
    EXPECT_LE(c.tailles.size(), 5u) << largeur;  // the size asked, then four at most

    // The longest beginning that fits with its "…", the blanks before it dropped.
    const QString e = Elider(c, texte, largeur);
    qsizetype n = texte.size();
    if (c.LargeurTexte(texte) > largeur) {
      n = -1;
      for (qsizetype k = texte.size() - 1; k >= 0 && n < 0; --k)
        if (c.LargeurTexte(texte.left(k).trimmed() + QStringLiteral("…")) <= largeur) n = k;
    }
    if (n == texte.size())
      EXPECT_EQ(e, texte);
    else if (n < 0)
      EXPECT_TRUE(e.isEmpty()) << largeur;
    else
      EXPECT_EQ(e, texte.left(n).trimmed() + QStringLiteral("…")) << largeur;
  }
}

TEST(GrapheEtTableau, CourbeDeTendance) {
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

TEST(GrapheEtTableau, BornesEtCopiePourImpression) {
  TNewGraphe g;
  g.FixerNbLigne(6);
  g.FixerNbBarre(3);
  g.LegendeBarre(2, QStringLiteral("12345"));
  EXPECT_TRUE(g.NbLigne() == 1 && g.Barre(0) == nullptr && g.Barre(4) == nullptr);
  EXPECT_EQ(g.Barre(2)->Legende(), QStringLiteral("1234"));
  g.FixerNbBarre(-2);
  EXPECT_EQ(g.NbBarre(), 0);
  // The print dialog's copy keeps the series and texts, not the frame, the scale's
  // visibility, black and white nor the background.
  TNewGraphe source = Repartition();
  source.LegV = source.Cadre = false;
  source.NoirBlanc = source.Police.Gras = true;
  TNewGraphe copie, attendu = Repartition();
  copie.CopierPourImpression(source);
  attendu.Police.Gras = true;
  attendu.CouleurFond = RGB(255, 255, 255);
  EXPECT_EQ(Lignes(Enregistrer(copie, 400, 300)), Lignes(Enregistrer(attendu, 400, 300)));

  TTableau t;
  EXPECT_EQ(t.Cellule(2, 3), QStringLiteral("2 3"));
  t.FixerCellule(1, 0, QStringLiteral("x"));
  EXPECT_EQ(t.Cellule(1, 1), QStringLiteral("1 1"));
  QString lu = QStringLiteral("avant");
  EXPECT_FALSE(t.Cellule(0, 2, lu));
  EXPECT_EQ(lu, QStringLiteral("avant"));
  t.FixerCellule(3, 3, QStringLiteral("123456789012345678901234567890"));
  EXPECT_EQ(t.Cellule(3, 3), QStringLiteral("1234567890123456789012345"));
  for (const int n : {2, 6}) t.FixerNbLigne(n);
  t.FixerNbColonne(3);
  EXPECT_TRUE(t.NbLigne() == 5 && t.NbColonne() == 5);
  // The copy: flat lines, white background, framed, the shown cells only.
  TTableau tsource = Bilan(4, 5), tcopie, tattendu = Bilan(4, 5, TRelief::rAucun);
  tsource.Cadre = false;
  tcopie.CopierPourImpression(tsource);
  tattendu.CouleurFond = RGB(255, 255, 255);
  TCanevasEnregistreur dc, da;
  tcopie.Dessine(dc, 0, 0, 500, 400);
  tattendu.Dessine(da, 0, 0, 500, 400);
  EXPECT_EQ(Lignes(dc), Lignes(da));
  EXPECT_EQ(tcopie.Cellule(5, 2), QStringLiteral("5 2"));
}
