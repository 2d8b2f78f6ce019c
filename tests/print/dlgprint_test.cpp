#include "print/dlgprint.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include "platform/aide.h"
#include "platform/canevasenregistreur.h"
#include "platform/canevasqt.h"
#include "platform/dialogues.h"
#include "platform/messages.h"
#include "tests/common/disqueplein.h"
#include "tests/common/fichiers.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;
using controles::TNewGraphe;
using controles::TTableau;

namespace {

// The worked example's page: 8 x 11 inches at 600 pixels per inch, no margin, 4800 x 6600.
std::unique_ptr<QPrinter> Imprimante4800x6600() {
  auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
  p->setOutputFormat(QPrinter::PdfFormat);
  p->setResolution(600);
  p->setPageSize(QPageSize(QSizeF(8, 11), QPageSize::Inch));
  p->setPageMargins(QMarginsF(0, 0, 0, 0));
  p->setPageOrientation(QPageLayout::Portrait);
  return p;
}

TNewGraphe Graphe() {
  TNewGraphe g;
  g.Mode = controles::TMode::mBarre;
  g.Caption = QStringLiteral("Devoir 2");
  g.FixerNbBarre(3);
  for (int i = 1; i <= 3; ++i) g.Barre(i)->Valeur = 4 * i;
  return g;
}

// Hooks replaced for one test and put back whatever way it ends.
struct TCrochets {
  std::vector<QString> messages, aides;
  QString fichier;  // what the save dialog answers
  pf::TReleveImprimante releve;
  test::TRemplacement<pf::TFonctionMessage> m{&pf::RemplacerBoiteMessage,
                                              [this](const QString& t, pf::TGenreMessage, int) {
                                                messages.push_back(t);
                                                return pf::TReponse::OK;
                                              }};
  test::TRemplacement<pf::TFonctionAide> a{&pf::RemplacerAide, [this](const QString& s) { aides.push_back(s); }};
  test::TRemplacement<pf::TDialogues> d{
      &pf::RemplacerDialogues, {{}, [this](QWidget*, const QString&, const QString&) { return fichier; }, {}, {}}};
  test::TRemplacement<TSourceMetriques> s{&RemplacerSourceMetriques, {[this] { return releve; }, [] { return 96.0; }}};
};

void Cliquer(QWidget& d, const char* nom) {
  auto* b = d.findChild<QAbstractButton*>(QLatin1String(nom));
  ASSERT_NE(b, nullptr) << nom;
  b->click();
}

QRect Geometrie(const QWidget& d, const char* nom) { return d.findChild<QWidget*>(QLatin1String(nom))->geometry(); }

// The PDF file: its number of pages, and whether each is 8 x 11 inches.
std::pair<int, bool> Pages(const std::string& fichier) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  static const QRegularExpression boite(QStringLiteral("/MediaBox \\[0 0 576(\\.0*)? 792(\\.0*)?\\]"));
  const QString pdf = QString::fromLatin1(test::Contenu(fichier));
  return {static_cast<int>(pdf.count(page)), pdf.count(boite) == pdf.count(page)};
}

// The Qt canvas, noting each text it writes: where, at which size, through which scale.
class TEspionTextes : public pf::TCanevasQt {
 public:
  explicit TEspionTextes(QPainter& p) : TCanevasQt(p), p_(p) {}
  struct TTexte {
    QString texte;
    QPoint point;
    double taille, echelle;
  };
  std::vector<TTexte> textes;
  void TexteSortie(int x, int y, const QString& t) override {
    textes.push_back({t, QPoint(x, y), Police().Taille, p_.worldTransform().m11()});
    TCanevasQt::TexteSortie(x, y, t);
  }

 private:
  QPainter& p_;
};

QString TexteTaille(const QWidget& d) { return d.findChild<QLabel*>(QStringLiteral("Label3"))->text(); }

}  // namespace

TEST(DLGPrint, ZonesDeLExempleDUnePage4800x6600EtTexteDeTaille) {
  TCrochets h;
  auto imprimante = Imprimante4800x6600();
  const TNewGraphe source = Graphe();
  TDialImpression d(nullptr, nullptr, &source, false, imprimante.get());
  for (const char* nom : {"SB2", "SB10"})
    EXPECT_TRUE(d.findChild<QAbstractButton*>(QLatin1String(nom))->isChecked()) << nom;
  EXPECT_EQ(Geometrie(d, "F"), QRect(8, 8, 229, 311));
  EXPECT_EQ(Geometrie(d, "G"), QRect(11, 11, 218, 150));
  EXPECT_EQ(d.MiseEnPage().Zone, QRect(0, 0, 4800, 3300));
  EXPECT_EQ(d.G().LargeurControle, 218);  // the picture's width sets the curve's steps on paper too
  pf::TCanevasEnregistreur page;
  d.DessinerPage(page);
  ASSERT_FALSE(page.Appels().empty());
  const pf::TAppel& cadre = page.Appels().front();
  EXPECT_EQ(QRect(QPoint(cadre.X1, cadre.Y1), QPoint(cadre.X2, cadre.Y2)), QRect(QPoint(0, 0), QPoint(4800, 3300)));

  Cliquer(d, "SB6");
  EXPECT_TRUE(d.Disposition() == TDisposition::Centre && d.MiseEnPage().Zone == QRect(1200, 1650, 2400, 3300));
  EXPECT_EQ(Geometrie(d, "G"), QRect(66, 86, 109, 150));  // R(1200 x 300 / 6600) + 11 ...
  // Frame unticked and black and white reach the copy that prints, in its zone.
  d.findChild<QCheckBox*>(QStringLiteral("CB2"))->setChecked(false);
  d.findChild<QCheckBox*>(QStringLiteral("CB"))->setChecked(true);
  EXPECT_TRUE(d.G().NoirBlanc);
  page.Effacer();
  d.DessinerPage(page);
  const pf::TAppel& fond = page.Appels().front();
  EXPECT_EQ(QRect(QPoint(fond.X1, fond.Y1), QPoint(fond.X2, fond.Y2)), QRect(QPoint(1200, 1650), QPoint(3600, 4950)));
  EXPECT_TRUE(fond.StylePlume == pf::TStylePlume::Aucun && fond.StyleBrosse == pf::TStyleBrosse::Vide);

  // Landscape: the sheet's picture is 311 wide, and the printer keeps the orientation.
  Cliquer(d, "SB11");
  EXPECT_EQ(Geometrie(d, "F").size(), QSize(311, 229));
  EXPECT_EQ(d.MiseEnPage().Zone, QRect(1650, 1200, 3300, 2400));
  d.accept();
  EXPECT_EQ(imprimante->pageLayout().orientation(), QPageLayout::Landscape);
  Cliquer(d, "BitBtn2");
  EXPECT_EQ(h.aides, std::vector<QString>{QStringLiteral("Dlg_Print")});

  // The page-size text: the A4 fallback without a printer; each size by its own resolution
  // with a printer of 600 x 300 pixels per inch, following a change of orientation.
  imprimante->setPageOrientation(QPageLayout::Portrait);
  TTableau tableau;
  const QString a4 = QStringLiteral("Taille de la page : Largeur: 21 cm  /  Hauteur: 29.7 cm");
  TDialImpression sans(nullptr, &tableau, nullptr, true, imprimante.get());
  EXPECT_TRUE(TexteTaille(sans) == a4 && sans.T().NoirBlanc);
  h.releve = {1, 600, 4961, 3508, 300};
  TDialImpression avec(nullptr, &tableau, nullptr, false, imprimante.get());
  EXPECT_EQ(TexteTaille(avec), a4);
  h.releve = {1, 600, 7016, 2480, 300};
  Cliquer(avec, "SB11");
  EXPECT_EQ(TexteTaille(avec), QStringLiteral("Taille de la page : Largeur: 29.7 cm  /  Hauteur: 21 cm"));
}

TEST(DLGPrint, ImprimeEnPdfEnregistreEtSignaleLesEchecs) {
  TCrochets h;
  test::TRepertoireTemp dossier;
  auto imprimante = Imprimante4800x6600();
  const TNewGraphe source = Graphe();
  TDialImpression d(nullptr, nullptr, &source, false, imprimante.get());
  // The PDF destination asks for its file, and does not keep it for the next printout.
  h.fichier = QString::fromStdString(dossier / "imprime");
  EXPECT_TRUE(d.Imprimer() && imprimante->outputFileName().isEmpty() && pf::EstDestinationPdf(*imprimante));
  EXPECT_EQ(Pages(dossier / "imprime.pdf"), std::make_pair(1, true));
  EXPECT_NE(test::Contenu(dossier / "imprime.pdf").find(std::string("\0D\0e\0v\0o\0i\0r\0 \0002", 16)),
            std::string::npos);  // its title
  h.fichier = QString::fromStdString(dossier / "export.pdf");
  EXPECT_TRUE(d.EnregistrerPdf());
  EXPECT_EQ(Pages(dossier / "export.pdf"), std::make_pair(1, true));
  // The image: the graph alone at its placement's size, 150 pixels per inch.
  h.fichier = QString::fromStdString(dossier / "graphe.png");
  EXPECT_TRUE(d.EnregistrerImage());
  const QImage image(h.fichier);
  EXPECT_EQ(image.size(), QSize(1200, 825));
  EXPECT_TRUE(image.pixel(image.width() - 3, 3) == qRgb(255, 255, 255) && image.pixel(0, 0) == qRgb(0, 0, 0));

  // A file that cannot be written: said in French, and the cursor is back.
  h.fichier = QString::fromStdString(dossier / "absent/x.pdf");
  EXPECT_FALSE(d.EnregistrerPdf());
  EXPECT_FALSE(d.Imprimer());
  h.fichier = QString::fromStdString(dossier / "absent/x.png");
  EXPECT_FALSE(d.EnregistrerImage());
  // A FIFO is refused at once, never opened; a full disk leaves the old files whole.
  ASSERT_EQ(::mkfifo((dossier / "fifo.png").c_str(), 0644), 0);
  h.fichier = QString::fromStdString(dossier / "fifo.png");
  EXPECT_FALSE(d.EnregistrerImage());
  const std::string pdf = test::Contenu(dossier / "export.pdf");
  const std::string png = test::Contenu(dossier / "graphe.png");
  {
    const test::TDisquePlein plein(1000);
    h.fichier = QString::fromStdString(dossier / "export.pdf");
    EXPECT_FALSE(d.EnregistrerPdf());
    h.fichier = QString::fromStdString(dossier / "graphe.png");
    EXPECT_FALSE(d.EnregistrerImage());
  }
  EXPECT_TRUE(test::Contenu(dossier / "export.pdf") == pdf && test::Contenu(dossier / "graphe.png") == png);
  ASSERT_EQ(h.messages.size(), 6u);
  for (const QString& m : h.messages)
    EXPECT_TRUE(
        m.startsWith(QStringLiteral("Impossible de créer le fichier ") + QString::fromStdString(dossier.Chemin())))
        << m.toStdString();
  EXPECT_TRUE(h.messages[3].endsWith(QStringLiteral("fifo.png : ce n'est pas un fichier ordinaire")));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // Cancelled file choice: nothing written, nothing said.
  h.fichier.clear();
  EXPECT_FALSE(d.Imprimer() || h.messages.size() != 6);

  // Margins that leave no printable width: the A4 picture, R(2481 x 300 / 3507) + 11 wide,
  // no "Imprimer" but a reason; the PDF needs no printer.
  ASSERT_TRUE(imprimante->setPageMargins(QMarginsF(203.2, 0, 0, 0), QPageLayout::Millimeter));
  TDialImpression z(nullptr, nullptr, &source, false, imprimante.get());
  EXPECT_FALSE(z.MiseEnPage().Imprimable || z.findChild<QAbstractButton*>(QStringLiteral("SB20"))->isEnabled() ||
               z.findChild<QLabel*>(QStringLiteral("SansZone"))->isHidden() || z.Imprimer());
  EXPECT_EQ(Geometrie(z, "F"), QRect(8, 8, 223, 311));
  h.fichier = QString::fromStdString(dossier / "a4.pdf");
  EXPECT_TRUE(z.EnregistrerPdf() && Pages(dossier / "a4.pdf").first == 1 && h.messages.size() == 6);
}

TEST(DLGPrint, FeuilleEtSonOmbre) {
  // The white sheet, then its shadow under it and on its right; nothing when it does not fit.
  pf::TCanevasEnregistreur c;
  DessinerPapier(c, 229, 311, 5);
  std::vector<std::array<int, 5>> r;
  for (const pf::TAppel& a : c.Appels()) r.push_back({a.X1, a.Y1, a.X2, a.Y2, static_cast<int>(a.Brosse)});
  EXPECT_EQ(
      r, (std::vector<std::array<int, 5>>{{0, 0, 224, 306, 0xFFFFFF}, {5, 306, 229, 311, 0}, {224, 5, 229, 311, 0}}));
  c.Effacer();
  DessinerPapier(c, 4, 100, 5);
  EXPECT_TRUE(c.Appels().empty());
}

TEST(DLGPrint, LApercuEstLaPageAEchelleTexteParTexte) {
  TCrochets h;
  test::TRepertoireTemp dossier;
  auto imprimante = Imprimante4800x6600();
  imprimante->setOutputFileName(QString::fromStdString(dossier / "pages.pdf"));
  TNewGraphe graphe = Graphe();
  graphe.Caption =
      QStringLiteral("4EB / Mathématiques / Trimestre 1 / Contrôle commun de fin de trimestre ( 2026 / 2027 )");
  graphe.FixerNbLigne(5);
  for (int i = 1; i <= 5; ++i)
    graphe.FixerLigne(
        i, QStringLiteral("Dev. %1 - mer. 12 déc. - Coef. 2.5 - 1h30 - Contrôle commun de géométrie").arg(i));
  TTableau tableau;
  tableau.Caption = QStringLiteral("4EB: Bilan complet de MONTGOLFIER-DELAVIGNE Marie-Angélique");
  for (int l = 1; l <= 5; ++l) tableau.FixerCellule(1, l, QStringLiteral("Sciences de la vie et de la Terre"));
  for (int c = 2; c <= 5; ++c) tableau.FixerCellule(c, 1, QStringLiteral("Trimestre %1").arg(c - 1));

  QPainter page(imprimante.get());
  for (const bool estGraphe : {true, false}) {
    TDialImpression d(nullptr, estGraphe ? nullptr : &tableau, estGraphe ? &graphe : nullptr, false, imprimante.get());
    auto* vue = d.findChild<controles::TVueControle*>(QLatin1String(estGraphe ? "G" : "T"));
    for (const char* orientation : {"SB10", "SB11"})
      for (const char* disposition : {"SB1", "SB2", "SB3", "SB4", "SB5", "SB6"}) {
        SCOPED_TRACE(std::string(orientation) + " " + disposition + (estGraphe ? " graphe" : " tableau"));
        Cliquer(d, orientation);
        Cliquer(d, disposition);
        QImage image(vue->size(), QImage::Format_RGB32);
        QPainter p(&image);
        TEspionTextes apercu(p);
        vue->Peindre(p, apercu);
        p.end();
        // The page as "Imprimer" draws it: the same texts, at the same places within the zone and
        // the same sizes, the picture scaled alike in both directions.
        imprimante->newPage();
        TEspionTextes imprime(page);
        d.DessinerPage(imprime);
        ASSERT_EQ(apercu.textes.size(), imprime.textes.size());
        ASSERT_FALSE(imprime.textes.empty());
        const QPoint origine = d.MiseEnPage().Zone.topLeft();
        for (std::size_t i = 0; i < imprime.textes.size(); ++i) {
          const auto& a = apercu.textes[i];
          const auto& b = imprime.textes[i];
          EXPECT_EQ(a.texte, b.texte);
          EXPECT_EQ(a.point, b.point - origine) << b.texte.toStdString();
          EXPECT_EQ(a.taille, b.taille) << b.texte.toStdString();
          EXPECT_DOUBLE_EQ(a.echelle, d.MiseEnPage().Echelle);
          EXPECT_DOUBLE_EQ(b.echelle, 1);
        }
      }
  }
}
