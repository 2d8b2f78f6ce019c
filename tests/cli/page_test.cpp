// calevrin-cli page: the print dialog's page of a statistics window, without the desktop.
#include "cli/page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

TEST(CliPage, PdfEtImageDesQuatreFenetresEtRefus) {
  cli::InstallerImprimerPage(ImprimerPage);
  TRepertoireTemp dir;
  // Each window, in a PDF page, portrait and landscape.
  const std::vector<std::vector<std::string>> demandes = {
      {"--fenetre", "devoir", "--devoir", "2"},
      {"--fenetre", "moyennes", "--matiere", "4", "--periode", "4", "--paysage"},
      {"--fenetre", "evolution", "--eleve", "3", "--periode", "5", "--noir-et-blanc"},
      {"--fenetre", "bilan", "--placement", "6", "--cadre"}};
  for (const auto& options : demandes) {
    std::vector<std::string> a = {"page", Exemple, dir / "p.pdf"};
    a.insert(a.end(), options.begin(), options.end());
    const TResultat r = Cli(a);
    ASSERT_EQ(r.code, 0) << options[1] << r.erreurs;
    EXPECT_EQ(Contenu(dir / "p.pdf").rfind("%PDF-", 0), 0u) << options[1];
  }
  // The image is the graph alone, at its placement's size on an A4 page at 150 pixels per inch:
  // "Page entière" fills the printable area, "Centré" a quarter of it.
  ASSERT_EQ(Cli({"page", Exemple, dir / "entiere.PNG", "--fenetre", "devoir", "--placement", "3"}).code, 0);
  ASSERT_EQ(Cli({"page", Exemple, dir / "centre.png", "--fenetre", "devoir", "--placement", "6"}).code, 0);
  const QImage entiere(QString::fromStdString(dir / "entiere.PNG"));
  const QImage centre(QString::fromStdString(dir / "centre.png"));
  ASSERT_FALSE(entiere.isNull() || centre.isNull());
  EXPECT_TRUE(entiere.width() < 1240 && entiere.height() < 1754 && entiere.height() > entiere.width());
  EXPECT_EQ(centre.size(), entiere.size() / 2);
  // Without --cadre the frame is not drawn: the corner stays white.
  EXPECT_EQ(centre.pixel(0, 0), qRgb(255, 255, 255));

  // Refusals: the window, the placement and the output's kind are arguments (2); a test out
  // of the class too; a file that cannot be written leaves nothing behind (1).
  for (const auto& a :
       std::vector<std::vector<std::string>>{{"page", Exemple, dir / "x.png"},
                                             {"page", Exemple, dir / "x.png", "--fenetre", "tableau"},
                                             {"page", Exemple, dir / "x.png", "--fenetre", "bilan", "--placement", "7"},
                                             {"page", Exemple, dir / "x.txt", "--fenetre", "bilan"},
                                             {"page", Exemple, dir / "x.png", "--fenetre", "devoir", "--devoir", "25"}})
    EXPECT_EQ(Cli(a).code, 2) << a.back();
  EXPECT_EQ(Cli({"page", Exemple, dir / "absent/x.pdf", "--fenetre", "bilan"}).code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.png") || std::filesystem::exists(dir / "absent"));
}
