#include "print/fiches.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <algorithm>

#include "platform/canevasenregistreur.h"
#include "platform/imprimantes.h"
#include "platform/texte.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

const TDateJour Aujourdhui{2027, 1, 15};

// Three subjects, trimesters; in trimester 1 each subject has `nbDevoirs` tests "M<m>D<k>",
// graded k mod 20 except a code and an empty cell for the second student.
TClasse Classe(int nbEleves, int nbDevoirs) {
  TClasse c;
  c.Abreviation.Affecter("4B");
  c.AnneeScolaire.Affecter("2026 / 2027");
  c.FixerNbMatieres(3);
  c.FixerNbPeriodes(3);
  for (int m = 1; m <= 3; ++m) {
    c.Matiere(m).Nom.Affecter("Mati\xE8re " + std::to_string(m));
    c.Matiere(m).Coef[1] = 1;
    c.FixerNbDevoirs(m, 1, nbDevoirs);
    for (int k = 1; k <= nbDevoirs; ++k)
      c.Devoir(m, 1, k).Commentaire.Affecter("M" + std::to_string(m) + "D" + std::to_string(k));
  }
  for (int e = 1; e <= nbEleves; ++e) {
    c.Eleve(e).Nom.Affecter("NOM" + std::to_string(e));
    c.Eleve(e).Prenom.Affecter("Prenom");
    for (int m = 1; m <= 3; ++m)
      for (int k = 1; k <= nbDevoirs; ++k) c.Eleve(e).Note(m, 1, k).Affecter(std::to_string((k + e) % 20));
  }
  c.Eleve(2).Note(1, 1, 1).Affecter("abs");
  c.Eleve(2).Note(1, 1, 2).Affecter("");
  c.FixerNbEleves(nbEleves);
  return c;
}

TParametresFiches Parametres(bool noirBlanc = false) {
  TOptions o;
  o.noirblanc = noirBlanc;
  return ParametresFiches({}, o, Aujourdhui);
}

std::vector<pf::TAppel> Page(const TFicheEleve& f, int page, const TParametresFiches& p, QSize zone) {
  pf::TCanevasEnregistreur c;
  DessinerPageFiche(c, f, page, p, zone.width(), zone.height());
  return c.Appels();
}

std::vector<QString> Textes(const std::vector<pf::TAppel>& appels) {
  std::vector<QString> t;
  for (const pf::TAppel& a : appels)
    if (a.Genre == pf::TAppel::Texte && !a.Chaine.isEmpty()) t.push_back(a.Chaine);
  return t;
}

int Compte(const std::vector<QString>& t, const QString& s) {
  return static_cast<int>(std::count(t.begin(), t.end(), s));
}

}  // namespace

TEST(PagesFiches, PageDUnEleveEtSaSuite) {
  const QSize zone = ZoneA4(300);
  const double mm = zone.width() / 190.0;
  const TParametresFiches p = Parametres();

  // 24 tests in each subject: what page 1 cannot hold goes whole to page 2, every test once.
  TClasse c = Classe(3, 24);
  c.Eleve(2).Nom.Affecter("DELAFONTAINE-ROCHEFO");
  c.Eleve(2).Prenom.Affecter("Marie-Ang\xE9lique-Sophie");
  const TFicheEleve f = CalculerFiches(c, 1, {2}, Options, Aujourdhui)[0];
  ASSERT_EQ(NbPagesFiche(f, p, zone.width(), zone.height()), 2);
  const std::vector<pf::TAppel> page1 = Page(f, 1, p, zone);
  const std::vector<pf::TAppel> page2 = Page(f, 2, p, zone);
  const std::vector<QString> t1 = Textes(page1);
  const std::vector<QString> t2 = Textes(page2);
  for (int m = 1; m <= 3; ++m)
    for (int k = 1; k <= 24; ++k) {
      const QString d = QStringLiteral("M%1D%2").arg(m).arg(k);
      EXPECT_EQ(Compte(t1, d) + Compte(t2, d), 1) << d.toStdString();
    }
  EXPECT_EQ(Compte(t1, QStringLiteral("M1D1")), 1);  // the first subject stays on page 1
  for (const QString& s : {QStringLiteral("Trimestre 1"), QStringLiteral("Appréciation"), QStringLiteral("Moyennes"),
                           QStringLiteral("Imprimé le vendredi 15 janvier 2027"), QStringLiteral("1 / 2"),
                           QStringLiteral("Classe : 4B   2026 / 2027")})
    EXPECT_EQ(Compte(t1, s), 1) << s.toStdString();
  EXPECT_EQ(Compte(t2, QStringLiteral("2 / 2")), 1);
  EXPECT_EQ(Compte(t1, QStringLiteral("abs")), 2);  // the grade as typed, and in the graph

  // The long name is written smaller than a short one, within its half of the header.
  const auto nom = [](const std::vector<pf::TAppel>& appels, const QString& n) {
    return *std::find_if(appels.begin(), appels.end(), [&](const pf::TAppel& a) { return a.Chaine == n; });
  };
  const pf::TAppel longNom = nom(page1, pf::DepuisCp1252(c.NomComplet(2, true)));
  const TFicheEleve court = CalculerFiches(c, 1, {1}, Options, Aujourdhui)[0];
  const pf::TAppel courtNom = nom(Page(court, 1, p, zone), QStringLiteral("NOM1 Prenom"));
  EXPECT_LT(longNom.Police.Taille, courtNom.Police.Taille);
  EXPECT_LE(longNom.CadreDroite, zone.width() * 3 / 5);

  // The box for the teacher's hand is at least 5 cm high, above the date of printing.
  const auto boite = std::find_if(page1.begin(), page1.end(), [&](const pf::TAppel& a) {
    return a.Genre == pf::TAppel::Rectangle && a.X1 == 0 && a.Y2 - a.Y1 >= 50 * mm &&
           a.StyleBrosse == pf::TStyleBrosse::Vide;
  });
  ASSERT_NE(boite, page1.end());
  EXPECT_LE(boite->Y2, zone.height() - 5 * mm);

  // Few tests: one page, nothing but what the boxes ask for.
  const TFicheEleve simple = CalculerFiches(Classe(3, 5), 1, {1}, Options, Aujourdhui)[0];
  EXPECT_EQ(NbPagesFiche(simple, p, zone.width(), zone.height()), 1);
  TParametresFiches seul = p;
  seul.Contenu = {false, false, false, true};
  const std::vector<QString> t = Textes(Page(simple, 1, seul, zone));
  EXPECT_EQ(Compte(t, QStringLiteral("M1D1")) + Compte(t, QStringLiteral("Moyennes")), 0);
  EXPECT_EQ(Compte(t, QStringLiteral("Appréciation")), 1);

  // No test in the period: the message in place of the tables.
  const TFicheEleve vide = CalculerFiches(Classe(3, 0), 1, {1}, Options, Aujourdhui)[0];
  const std::vector<QString> tv = Textes(Page(vide, 1, p, zone));
  EXPECT_GE(Compte(tv, QStringLiteral("Pas de notes ce Trimestre")), 1);
  EXPECT_EQ(Compte(tv, QStringLiteral("Moyennes")), 0);
}

TEST(PagesFiches, NoirEtBlanc) {
  const QSize zone = ZoneA4(300);
  const TFicheEleve f = CalculerFiches(Classe(3, 8), 1, {2}, Options, Aujourdhui)[0];
  const auto couleurs = [&](bool noirBlanc) {
    int n = 0;
    for (const pf::TAppel& a : Page(f, 1, Parametres(noirBlanc), zone)) {
      const bool plein = (a.Genre == pf::TAppel::Rectangle || a.Genre == pf::TAppel::Remplissage) &&
                         a.StyleBrosse == pf::TStyleBrosse::Plein;
      const bool gris = (a.Brosse & 0xFF) != ((a.Brosse >> 8) & 0xFF) || (a.Brosse & 0xFF) != ((a.Brosse >> 16) & 0xFF);
      if ((plein && (gris || a.Brosse != pf::RGB(255, 255, 255))) || a.Police.Couleur != 0) ++n;
    }
    return n;
  };
  EXPECT_GT(couleurs(false), 0);
  EXPECT_EQ(couleurs(true), 0);
}

TEST(PagesFiches, DocumentPdfEtApercu) {
  const TClasse c = Classe(30, 6);
  const std::vector<TFicheEleve> fiches = CalculerFiches(c, 1, {}, Options, Aujourdhui);
  const TParametresFiches p = Parametres();
  const QByteArray pdf = PdfFiches(fiches, p, QStringLiteral("4B"));
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 30);

  // The preview draws the PDF's page, scaled: the same texts in the same order and places
  // (within 1 % of the page: the graphs divide their width in whole pixels).
  const QSize a4 = ZoneA4(pf::ResolutionPdf);
  const QSize ecran = ZoneA4(96);
  const std::vector<pf::TAppel> page = Page(fiches[1], 1, p, a4);
  const std::vector<pf::TAppel> apercu = Page(fiches[1], 1, p, ecran);
  ASSERT_EQ(Textes(page), Textes(apercu));
  const double s = static_cast<double>(ecran.width()) / a4.width();
  for (std::size_t i = 0; i < page.size(); ++i) {
    EXPECT_NEAR(page[i].X1 * s, apercu[i].X1, 7) << i;
    EXPECT_NEAR(page[i].Y1 * s, apercu[i].Y1, 7) << i;
  }
  const QImage image = ImagePageFiche(fiches[1], 1, p, 794);
  EXPECT_EQ(image.size(), QSize(794, 1123));
  // Drawn within the margins of the sheet, as the PDF is: ink in the header, none above it.
  const auto encre = [&](int y1, int y2) {
    for (int y = y1; y < y2; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != QColor(Qt::white).rgb()) return true;
    return false;
  };
  EXPECT_FALSE(encre(0, 35));
  EXPECT_TRUE(encre(38, 100));
}
