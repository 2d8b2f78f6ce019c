#include "sheet/peintre.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "model/classe.h"
#include "platform/canevasenregistreur.h"
#include "platform/canevasqt.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;
using pf::R;

namespace {

// Two students, two tests of coefficient 1 and 2 in the first subject and trimester.
std::unique_ptr<TClasse> PetiteClasse() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("4A");
  c->Eleve(1).Nom.Affecter("ARNAUD");
  c->Eleve(1).Prenom.Affecter("Paul");
  c->Eleve(2).Nom.Affecter("BRUN");
  c->FixerNbEleves(2);
  c->FixerNbDevoirs(1, 1, 2);
  c->Devoir(1, 1, 2).Coef = 2;
  c->Eleve(1).Note(1, 1, 1).Affecter("8");
  c->Eleve(1).Note(1, 1, 2).Affecter("12");
  c->Eleve(2).Note(1, 1, 1).Affecter("abs");
  c->Eleve(2).Note(1, 1, 2).Affecter("10");
  return c;
}

const pf::TAppel& Texte(const pf::TCanevasEnregistreur& cv, const char* t) {
  const pf::TAppel* a = cv.TrouverTexte(QString::fromUtf8(t));
  if (!a) throw std::runtime_error(std::string("texte absent : ") + t);
  return *a;
}
QPoint Position(const pf::TCanevasEnregistreur& cv, const char* t) { return {Texte(cv, t).X1, Texte(cv, t).Y1}; }
// The text drawn on the row y (at x when given), or null.
const pf::TAppel* TexteEn(const pf::TCanevasEnregistreur& cv, const QString& t, int y, int x = -1) {
  for (const pf::TAppel& a : cv.Appels())
    if (a.Genre == pf::TAppel::Texte && a.Chaine == t && a.Y1 == y && (x < 0 || a.X1 == x)) return &a;
  return nullptr;
}

// The pixels of a whose colour is c, or, given b, that differ from b's.
int PixelsDeCouleur(const QImage& a, QRgb c) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* ligne = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    n += static_cast<int>(std::count(ligne, ligne + a.width(), c));
  }
  return n;
}
int PixelsDifferents(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

}  // namespace

TEST(Peintre, VueDesDevoirsPositionsEtCouleurs) {
  auto c = PetiteClasse();
  TOptions o;
  TEtatFeuille e;
  pf::TCanevasEnregistreur cv;  // "2" at 6 pt x 2 is 7 px wide: LargeurChiffre = R(7 / 2) = 4
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  EXPECT_FALSE(e.PremierDessin);
  // W = 5, m = 2, n = 2, zoomD = 2: a unit is two pixels.
  EXPECT_EQ(Position(cv, "1"), QPoint(20, 40));  // student number at (10, 20)
  EXPECT_EQ(Texte(cv, "moy").X1, 320);           // 20 (m + W + 1)
  EXPECT_EQ(Texte(cv, "dev").X1, 180);
  EXPECT_EQ(Texte(cv, "Moy. du devoir").Y1, 90);  // Yb = 10 n + 25
  const pf::TAppel& nom = Texte(cv, "ARNAUD Paul");
  EXPECT_TRUE(nom.Cadre);
  EXPECT_TRUE(nom.CadreGauche == 46 && nom.CadreDroite == 228);  // 20 W + 14 units
  const pf::TAppel& huit = Texte(cv, "8");
  EXPECT_EQ(huit.X1, 240 + 8);  // below 10: shifted by one digit
  EXPECT_EQ(huit.Police.Couleur, o.couleur[7]);
  EXPECT_TRUE(Texte(cv, "12").X1 == 280 && Texte(cv, "12").Police.Couleur == o.couleur[6]);
  EXPECT_TRUE(Texte(cv, "abs").X1 == 240 && Texte(cv, "abs").Police.Couleur == o.couleur[12]);  // a code: not shifted
  // Student 2 has 10 with coefficient 2: exactly the pass mark, in the "above" colour.
  const pf::TAppel* dix = TexteEn(cv, QStringLiteral("10"), 60, 320);
  ASSERT_NE(dix, nullptr);
  EXPECT_EQ(dix->Police.Couleur, o.couleur[8]);
  for (const char* t : {"10.7", "4A - Trim. 1", "Arrondi des moyennes: Aucun arrondi"})  // 10.7 = (8 + 24) / 3
    EXPECT_NE(cv.TrouverTexte(QString::fromUtf8(t)), nullptr) << t;

  // At zoomD 1.5 the positions follow R, halves to even: 23 x 1.5 = 34.5 gives 34.
  o.zoomD = 1.5;
  o.alignernb = false;
  cv.Effacer();
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  EXPECT_EQ(Texte(cv, "ARNAUD Paul").CadreGauche, 34);
  EXPECT_EQ(Texte(cv, "8").X1, 180);

  const TDefilement d = CalculerDefilement(e, *c, TMesuresPage{}, o);
  EXPECT_EQ(QSize(d.Largeur, d.Hauteur), QSize(600, 105 + 45));  // at least R(400 z) wide; rows, then the tests
  c->FixerNbDevoirs(1, 1, 0);
  EXPECT_EQ(CalculerDefilement(e, *c, TMesuresPage{}, o).Largeur, 180);
}

// Rounded for the eye, coloured for the eye: 9.5 shown "10" is not drawn as failing.
TEST(Peintre, ValeursArrondiesColoreesCommeAffichees) {
  auto c = PetiteClasse();
  c->Eleve(1).Note(1, 1, 1).Affecter("9.5");
  c->Eleve(1).Note(1, 1, 2).Affecter("9.5");
  c->FixerArrondi(2);  // to the nearest point: the average 9.5 reads 10
  TOptions o;
  o.arrondiN = true;
  TEtatFeuille e;
  pf::TCanevasEnregistreur cv;
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  for (const int x : {240, 280}) {
    const pf::TAppel* note = TexteEn(cv, QStringLiteral("10"), 40, x);
    ASSERT_NE(note, nullptr) << x;
    EXPECT_EQ(note->Police.Couleur, o.couleur[6]) << x;
  }
  const pf::TAppel* moyenne = TexteEn(cv, QStringLiteral("10"), 40, 320);
  ASSERT_NE(moyenne, nullptr);
  EXPECT_EQ(moyenne->Police.Couleur, o.couleur[8]);

  // Without the rounding, what is shown is below the mark and drawn so.
  c->FixerArrondi(0);
  o.arrondiN = false;
  pf::TCanevasEnregistreur brut;
  DessinerFeuille(brut, false, e, *c, TMesuresPage{}, o);
  EXPECT_EQ(TexteEn(brut, QStringLiteral("9.5"), 40, 320 + 8)->Police.Couleur, o.couleur[9]);
}

TEST(Peintre, VuesAnneeEtSyntheseEtClasseVide) {
  auto c = PetiteClasse();
  TOptions o;
  TEtatFeuille e;
  pf::TCanevasEnregistreur cv;
  c->FixerMatiereCourante(4);
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  // Three subjects: delta = 0, the general column at 20 (W + 7).
  const pf::TAppel* moyenne = TexteEn(cv, QStringLiteral("Moyenne"), 6);
  ASSERT_NE(moyenne, nullptr);
  EXPECT_EQ(moyenne->X1, 464);
  EXPECT_NE(cv.TrouverTexte(QStringLiteral("Synthèse")), nullptr);
  EXPECT_EQ(Texte(cv, "Mati\xC3\xA8re 2").Alignement, pf::TAlignement::Centre);

  c->FixerNbMatieres(1);  // one subject: delta = 40, the column moves 40 units left
  cv.Effacer();
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  moyenne = TexteEn(cv, QStringLiteral("Moyenne"), 6);
  ASSERT_NE(moyenne, nullptr);
  EXPECT_EQ(moyenne->X1, 384);

  c->FixerMatiereCourante(1);
  c->FixerPeriodeCourante(4);
  c->FixerNbPeriodes(2);
  cv.Effacer();
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  EXPECT_TRUE(cv.TrouverTexte(QStringLiteral("4A -  Année")) && cv.TrouverTexte(QStringLiteral("Sem. 2")));
  EXPECT_EQ(cv.TrouverTexte(QStringLiteral("Sem. 3")), nullptr);

  c->FixerNbEleves(0);
  cv.Effacer();
  DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  // An empty class shows its background only.
  ASSERT_EQ(cv.Appels().size(), 1u);
  EXPECT_TRUE(cv.Appels()[0].Genre == pf::TAppel::Rectangle && cv.Appels()[0].Brosse == o.couleur[3]);
}

TEST(Peintre, ApercuAvecLesMesuresDeSecoursEtPaletteLocale) {
  auto c = PetiteClasse();
  TOptions o;
  o.couleur[1] = 0x123456;
  const TOptions avant = o;
  TEtatFeuille e;
  e.ModeApercu = true;
  e.ZoomApercu = 0.5;
  e.LargeurClient = 800;
  e.HauteurClient = 600;
  const TMesuresPage page;  // A4 at 300 dpi, screen 96 dpi
  pf::TCanevasEnregistreur cv;
  DessinerFeuille(cv, false, e, *c, page, o);
  // Scale 2 x 0.5; margins R((2481 - 2400) x 0.16 / 2) = 6 and R((3507 - 3390) x 0.16 / 2) = 9.
  EXPECT_EQ(QPoint(e.OrigineX, e.OrigineY), QPoint(16, 9 + 10 + 30));
  EXPECT_EQ(Texte(cv, "ARNAUD Paul").Police.Couleur, 0u);  // black and white printing
  EXPECT_EQ(o, avant);                                     // the options themselves never change
  EXPECT_TRUE(cv.Appels()[1].Police.Souligne);             // the title
  // The page outline, pen width 2, from (10, 10) to (Lp + 10, Hp + 10).
  const pf::TAppel& cadre = cv.Appels().back();
  EXPECT_EQ(cadre.LargeurPlume, 2);
  EXPECT_EQ(QPoint(cadre.X2, cadre.Y2), QPoint(397 + 10, 561 + 10));  // 396.96 pixels of paper
  EXPECT_EQ(CalculerDefilement(e, *c, page, o).Largeur, 397 + 20);

  // Printing: scale kd x zoomD / rho, no scroll, the title at the top.
  cv.Effacer();
  DessinerFeuille(cv, true, e, *c, page, o);
  EXPECT_EQ(e.OrigineY, 188);        // 187.5 to the even neighbour
  EXPECT_EQ(Texte(cv, "1").X1, 62);  // 62.5 to the even neighbour
}

// Real subject names are wider than their 40-unit columns: each header must stay inside its
// own column (abbreviation, or cut), so the pixels between two columns stay background.
TEST(Peintre, EnTetesDeLaSyntheseLisibles) {
  auto c = PetiteClasse();
  c->FixerNbMatieres(3);
  const char* noms[3] = {"Math\xE9matiques", "Physique-chimie", "Technologie"};
  const char* abreviations[3] = {"MA", "PC", ""};
  for (int t = 1; t <= 3; ++t) {
    c->Matiere(t).Nom.Affecter(noms[t - 1]);
    c->Matiere(t).Abrev.Affecter(abreviations[t - 1]);
  }
  c->FixerMatiereCourante(4);
  TOptions o;
  TEtatFeuille e;
  QImage image(900, 200, QImage::Format_RGB32);
  e.LargeurClient = image.width();
  e.HauteurClient = image.height();
  {
    QPainter p(&image);
    pf::TCanevasQt cv(p);
    DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
  }
  const QColor fond = pf::TCanevasQt::Couleur(o.couleur[3]);
  const double z = o.zoomD;
  const int W = e.NbColNoms;
  // Column t spans 20 (W + 2t - 2) to 20 (W + 2t) units; the header row lies above y = 10 units.
  for (int t = 1; t <= 2; ++t) {
    const int frontiere = R(20 * (W + 2 * t) * z);
    for (int y = R(2 * z); y < R(9 * z); ++y) EXPECT_EQ(image.pixelColor(frontiere, y), fond) << t << " " << y;
  }
  pf::TCanevasEnregistreur enregistreur(1.0);  // wide letters: every name is too long
  DessinerFeuille(enregistreur, false, e, *c, TMesuresPage{}, o);
  EXPECT_TRUE(enregistreur.TrouverTexte(QStringLiteral("MA")) && enregistreur.TrouverTexte(QStringLiteral("PC")));
  const pf::TAppel* coupe = nullptr;
  for (const pf::TAppel& a : enregistreur.Appels())
    if (a.Chaine.startsWith(QStringLiteral("Tech")) && a.Chaine.endsWith(QChar(0x2026))) coupe = &a;
  ASSERT_NE(coupe, nullptr);
  EXPECT_LE(enregistreur.LargeurTexte(coupe->Chaine), R(40 * z));
}

// The window is opaque: Qt fills nothing before the sheet paints, so a pixel the painter
// leaves keeps whatever was on screen before. Every state must cover the whole client.
TEST(Peintre, FondCouvreToutLeClient) {
  auto c = PetiteClasse();
  const QColor sentinelle(1, 2, 3);
  const auto pixelsLaisses = [&](TEtatFeuille e, const TOptions& o) {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(sentinelle);
    e.LargeurClient = image.width();
    e.HauteurClient = image.height();
    {
      QPainter p(&image);
      pf::TCanevasQt cv(p);
      DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
    }
    return PixelsDeCouleur(image, sentinelle.rgb());
  };
  const auto toutesVues = [&](const TEtatFeuille& e, const TOptions& o, const char* cas) {
    for (const auto& [matiere, periode] : {std::pair{1, 1}, {1, 4}, {4, 1}, {4, 4}}) {
      c->FixerMatiereCourante(matiere);
      c->FixerPeriodeCourante(periode);
      EXPECT_EQ(pixelsLaisses(e, o), 0) << cas << ", matière " << matiere << ", période " << periode;
    }
    c->FixerMatiereCourante(1);
    c->FixerPeriodeCourante(1);
  };

  TOptions o;
  TEtatFeuille e;
  toutesVues(e, o, "premier dessin");
  e.PremierDessin = false;
  for (const int relief : {0, 1, 2}) {
    o.relief = relief;
    e.LigneCourante = e.ColonneCourante = 1;  // the cursor mark drawn too
    toutesVues(e, o, "relief");
  }
  o.zoomD = o.zoomP = 0.5;
  toutesVues(e, o, "zoom réduit");
  o.zoomD = o.zoomP = 5;
  const TDefilement fin = CalculerDefilement(e, *c, TMesuresPage{}, o);
  e.H = fin.Largeur - 640;  // scrolled to the end: the table ends inside the client
  e.V = fin.Hauteur - 480;
  toutesVues(e, o, "zoom, défilé au bout");
  e.H += 300;  // further than the bars allow, as a class that lost students
  e.V += 300;
  toutesVues(e, o, "zoom, défilé au-delà");
  o = TOptions{};
  e.H = e.V = 0;
  for (const double zoom : {0.25, 2.0}) {
    e.ModeApercu = true;
    e.ZoomApercu = zoom;
    toutesVues(e, o, "aperçu");
    e.V = 300;
    toutesVues(e, o, "aperçu défilé");
    e.V = 0;
  }
  e.ModeApercu = false;
  c->FixerNbDevoirs(1, 1, 0);
  toutesVues(e, o, "sans devoir");
  c->FixerNbEleves(0);
  toutesVues(e, o, "sans élève");
}

// Texts copied from pictures where the sheet's fill is still plain must give the pixels of
// drawing them: compared over repeated paints (a text is copied from its second drawing on),
// with texts crowding each other, an italic font and colours that blend unevenly.
TEST(Peintre, TextesCopiesIdentiquesAuxTextesDessines) {
  auto c = PetiteClasse();
  c->FixerNbEleves(12);
  c->FixerNbDevoirs(1, 1, 6);
  const char* notes[] = {"8", "12", "15.5", "abs", "excu", "9.75", "20", "A"};
  for (int i = 1; i <= 12; ++i) {
    c->Eleve(i).Nom.Affecter(i % 2 ? "ARNAUD" : "BRUNO-LAFFITTE");
    for (int k = 1; k <= 6; ++k) c->Eleve(i).Note(1, 1, k).Affecter(notes[(i * k) % 8]);
  }
  const auto peindre = [&](const TOptions& o, TEtatFeuille e, bool copies, int fois) {
    QImage image(700, 420, QImage::Format_RGB32);
    e.LargeurClient = image.width();
    e.HauteurClient = image.height();
    for (int i = 0; i < fois; ++i) {
      QPainter p(&image);
      pf::TCanevasQt cv(p);
      if (copies) cv.CopierTextesSurFond();
      DessinerFeuille(cv, false, e, *c, TMesuresPage{}, o);
    }
    return image;
  };
  TOptions o;
  o.couleur[6] = pf::RGB(37, 140, 201);
  o.couleur[1] = pf::RGB(90, 10, 60);
  o.couleur[3] = pf::RGB(250, 240, 215);
  TEtatFeuille e;
  e.PremierDessin = false;
  e.LigneCourante = e.ColonneCourante = 2;
  const auto comparer = [&](const char* cas) {
    const QImage dessinee = peindre(o, e, false, 1);
    for (const int fois : {1, 3})
      EXPECT_EQ(PixelsDifferents(peindre(o, e, true, fois), dessinee), 0) << cas << " " << fois;
  };
  comparer("couleurs");
  o.zoomD = 1.0;  // columns narrower than their texts: neighbours overlap
  o.zoomP = 2.5;
  o.polstyle.italique = true;
  comparer("serré, italique");
  o.polstyle.souligne = true;
  e.H = 13;
  e.V = 7;
  comparer("souligné, défilé");
  c->FixerMatiereCourante(4);
  comparer("synthèse");
  e.ModeApercu = true;  // on the white page, within its frame
  comparer("aperçu");
}
