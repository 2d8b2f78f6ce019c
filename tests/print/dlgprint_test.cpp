#include "print/dlgprint.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>

#include "../common/fichiers.h"
#include "../common/tempdir.h"
#include "platform/aide.h"
#include "platform/canevasenregistreur.h"
#include "platform/dialogues.h"
#include "platform/messages.h"

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
  std::vector<QString> messages;
  std::vector<QString> aides;
  QString fichier;  // what the save dialog answers
  pf::TFonctionMessage ancienMessage;
  pf::TFonctionAide ancienneAide;
  pf::TDialogues anciensDialogues;
  TSourceMetriques ancienneSource;
  pf::TReleveImprimante releve;

  TCrochets() {
    ancienMessage = pf::RemplacerBoiteMessage([this](const QString& t, pf::TGenreMessage, int) {
      messages.push_back(t);
      return pf::TReponse::OK;
    });
    ancienneAide = pf::RemplacerAide([this](const QString& s) { aides.push_back(s); });
    pf::TDialogues d;
    d.sauvegarde = [this](QWidget*, const QString&, const QString&) { return fichier; };
    anciensDialogues = pf::RemplacerDialogues(d);
    ancienneSource = RemplacerSourceMetriques({[this] { return releve; }, [] { return 96.0; }});
  }
  ~TCrochets() {
    pf::RemplacerBoiteMessage(ancienMessage);
    pf::RemplacerAide(ancienneAide);
    pf::RemplacerDialogues(anciensDialogues);
    RemplacerSourceMetriques(ancienneSource);
  }
  TCrochets(const TCrochets&) = delete;
  TCrochets& operator=(const TCrochets&) = delete;
};

void Cliquer(QWidget& d, const char* nom) {
  auto* b = d.findChild<QAbstractButton*>(QLatin1String(nom));
  ASSERT_NE(b, nullptr) << nom;
  b->click();
}

QRect Geometrie(const QWidget& d, const char* nom) { return d.findChild<QWidget*>(QLatin1String(nom))->geometry(); }

bool PageDe8Sur11Pouces(const std::string& pdf) {
  static const QRegularExpression boite(QStringLiteral("/MediaBox \\[0 0 576(\\.0*)? 792(\\.0*)?\\]"));
  return QString::fromLatin1(pdf).contains(boite);
}

int NbPages(const std::string& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

}  // namespace

TEST(DLGPrint, ZonesDeLExempleDUnePage4800x6600) {
  TCrochets h;
  auto imprimante = Imprimante4800x6600();
  const TNewGraphe source = Graphe();
  TDLGPrint d(nullptr, nullptr, &source, false, imprimante.get());
  EXPECT_EQ(d.Contenu(), 0);
  EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("SB2"))->isChecked());
  EXPECT_TRUE(d.findChild<QAbstractButton*>(QStringLiteral("SB10"))->isChecked());
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
  EXPECT_EQ(d.Disposition(), TDisposition::Centre);
  EXPECT_EQ(d.MiseEnPage().Zone, QRect(1200, 1650, 2400, 3300));
  EXPECT_EQ(Geometrie(d, "G"), QRect(66, 86, 109, 150));  // R(1200 x 300 / 6600) + 11 ...
  page.Effacer();
  d.DessinerPage(page);
  EXPECT_EQ(page.Appels().front().X1, 1200);
  EXPECT_EQ(page.Appels().front().Y2, 1650 + 3300);

  // Frame untick and black and white reach the copy that prints.
  d.findChild<QCheckBox*>(QStringLiteral("CB2"))->setChecked(false);
  d.findChild<QCheckBox*>(QStringLiteral("CB"))->setChecked(true);
  EXPECT_FALSE(d.G().Cadre);
  EXPECT_TRUE(d.G().NoirBlanc);
  page.Effacer();
  d.DessinerPage(page);
  EXPECT_EQ(page.Appels().front().StylePlume, pf::TStylePlume::Aucun);
  EXPECT_EQ(page.Appels().front().StyleBrosse, pf::TStyleBrosse::Vide);

  // Landscape: the sheet's picture is 311 wide, and the printer keeps the orientation.
  Cliquer(d, "SB11");
  EXPECT_EQ(Geometrie(d, "F").width(), 311);
  EXPECT_EQ(Geometrie(d, "F").height(), 229);
  EXPECT_EQ(d.MiseEnPage().Zone, QRect(1650, 1200, 3300, 2400));
  d.accept();
  EXPECT_EQ(imprimante->pageLayout().orientation(), QPageLayout::Landscape);

  Cliquer(d, "BitBtn2");
  EXPECT_EQ(h.aides, std::vector<QString>{QStringLiteral("Dlg_Print")});
}

TEST(DLGPrint, TexteDeTaillePageParResolution) {
  TCrochets h;
  auto imprimante = Imprimante4800x6600();
  TTableau tableau;
  // No printer: the A4 fallback.
  TDLGPrint sans(nullptr, &tableau, nullptr, true, imprimante.get());
  EXPECT_EQ(sans.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
            QStringLiteral("Taille de la page : Largeur: 21 cm  /  Hauteur: 29.7 cm"));
  EXPECT_EQ(sans.Contenu(), 1);
  EXPECT_TRUE(sans.T().NoirBlanc);
  // A printer of 600 x 300 pixels per inch on A4: each size by its own resolution.
  h.releve = {1, 600, 4961, 3508, 300};
  TDLGPrint avec(nullptr, &tableau, nullptr, false, imprimante.get());
  EXPECT_EQ(avec.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
            QStringLiteral("Taille de la page : Largeur: 21 cm  /  Hauteur: 29.7 cm"));
  // The text follows a change of orientation.
  h.releve = {1, 600, 7016, 2480, 300};
  Cliquer(avec, "SB11");
  EXPECT_EQ(avec.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
            QStringLiteral("Taille de la page : Largeur: 29.7 cm  /  Hauteur: 21 cm"));
}

TEST(DLGPrint, ImprimeUnePageEnPdfEtEnregistre) {
  TCrochets h;
  test::TRepertoireTemp dossier;
  auto imprimante = Imprimante4800x6600();
  const TNewGraphe source = Graphe();
  TDLGPrint d(nullptr, nullptr, &source, false, imprimante.get());

  // The PDF destination asks for its file, and does not keep it for the next printout.
  h.fichier = QString::fromStdString(dossier / "imprime");
  EXPECT_TRUE(d.Imprimer());
  EXPECT_TRUE(imprimante->outputFileName().isEmpty());
  EXPECT_TRUE(pf::EstDestinationPdf(*imprimante));
  const std::string imprime = test::Contenu(dossier / "imprime.pdf");
  EXPECT_EQ(NbPages(imprime), 1);
  EXPECT_TRUE(PageDe8Sur11Pouces(imprime));
  EXPECT_NE(imprime.find(std::string("\0D\0e\0v\0o\0i\0r\0 \0002", 16)), std::string::npos);  // its title

  h.fichier = QString::fromStdString(dossier / "export.pdf");
  EXPECT_TRUE(d.EnregistrerPdf());
  const std::string exporte = test::Contenu(dossier / "export.pdf");
  EXPECT_EQ(NbPages(exporte), 1);
  EXPECT_TRUE(PageDe8Sur11Pouces(exporte));

  // The image: the graph alone at its placement's size, 150 pixels per inch.
  h.fichier = QString::fromStdString(dossier / "graphe.png");
  EXPECT_TRUE(d.EnregistrerImage());
  const QImage image(h.fichier);
  EXPECT_EQ(image.size(), QSize(1200, 825));
  EXPECT_EQ(image.pixel(image.width() - 3, 3), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));

  // A file that cannot be written: said in French, and the cursor is back.
  h.fichier = QString::fromStdString(dossier / "absent/x.pdf");
  EXPECT_FALSE(d.EnregistrerPdf());
  EXPECT_FALSE(d.Imprimer());
  h.fichier = QString::fromStdString(dossier / "absent/x.png");
  EXPECT_FALSE(d.EnregistrerImage());
  ASSERT_EQ(h.messages.size(), 3u);
  for (const QString& m : h.messages)
    EXPECT_TRUE(m.startsWith(QStringLiteral("Impossible d'écrire le fichier "))) << m.toStdString();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // Cancelled file choice: nothing written, nothing said.
  h.fichier.clear();
  EXPECT_FALSE(d.Imprimer());
  EXPECT_EQ(h.messages.size(), 3u);
}

TEST(DLGPrint, ImprimanteSansZoneImprimable) {
  TCrochets h;
  test::TRepertoireTemp dossier;
  auto imprimante = Imprimante4800x6600();
  // Margins that leave no printable width.
  ASSERT_TRUE(imprimante->setPageMargins(QMarginsF(203.2, 0, 0, 0), QPageLayout::Millimeter));
  const TNewGraphe source = Graphe();
  TDLGPrint d(nullptr, nullptr, &source, false, imprimante.get());
  EXPECT_FALSE(d.MiseEnPage().Imprimable);
  EXPECT_FALSE(d.findChild<QAbstractButton*>(QStringLiteral("SB20"))->isEnabled());
  EXPECT_FALSE(d.findChild<QLabel*>(QStringLiteral("SansZone"))->isHidden());
  // The A4 picture: R(2481 x 300 / 3507) + 11 wide.
  EXPECT_EQ(Geometrie(d, "F"), QRect(8, 8, 223, 311));
  EXPECT_FALSE(d.Imprimer());
  // The PDF needs no printer.
  h.fichier = QString::fromStdString(dossier / "a4.pdf");
  EXPECT_TRUE(d.EnregistrerPdf());
  EXPECT_EQ(NbPages(test::Contenu(dossier / "a4.pdf")), 1);
  EXPECT_TRUE(h.messages.empty());
}

TEST(DLGPrint, FeuilleEtSonOmbre) {
  pf::TCanevasEnregistreur c;
  DessinerPapier(c, 229, 311, 5);
  ASSERT_EQ(c.Appels().size(), 3u);
  auto rect = [&](int i) {
    const pf::TAppel& a = c.Appels()[static_cast<std::size_t>(i)];
    return std::array<int, 5>{a.X1, a.Y1, a.X2, a.Y2, static_cast<int>(a.Brosse)};
  };
  EXPECT_EQ(rect(0), (std::array<int, 5>{0, 0, 224, 306, 0xFFFFFF}));
  EXPECT_EQ(rect(1), (std::array<int, 5>{5, 306, 229, 311, 0}));
  EXPECT_EQ(rect(2), (std::array<int, 5>{224, 5, 229, 311, 0}));
  c.Effacer();
  DessinerPapier(c, 4, 100, 5);
  EXPECT_TRUE(c.Appels().empty());
}
