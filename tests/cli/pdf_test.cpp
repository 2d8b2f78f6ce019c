#include "cli/pdf.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <regex>

#include "tests/common/avertissements.h"
#include "tests/common/cli.h"
#include "tests/common/disqueplein.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

TEST(CliPdf, UnePageA4ParLeMemePeintre) {
  InstallerImprimerPdf(ImprimerPdf);
  TRepertoireTemp dir;
  const std::string sortie = dir / "4eB.pdf";
  const TResultat r = Cli({"pdf", Exemple, sortie, "--periode", "4"});
  ASSERT_EQ(r.code, 0) << r.erreurs;
  const std::string pdf = Contenu(sortie);
  ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
  const std::regex page(R"(/Type\s*/Page[^s])");
  EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()), 1);
  EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])")));  // A4, points

  const TAvertissementAttendu echec(QStringLiteral("QPainter::begin"));
  EXPECT_EQ(Cli({"pdf", Exemple, dir / "absent/x.pdf"}).code, 1);
}

TEST(CliPdf, UneSortieRefuseeOuImpossibleNeTouchePasLaCible) {
  InstallerImprimerPdf(ImprimerPdf);
  TRepertoireTemp dir;
  const std::string socket = dir / "s.pdf";
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  ASSERT_LT(socket.size(), sizeof a.sun_path);
  std::strcpy(a.sun_path, socket.c_str());
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ::close(s);
  EXPECT_EQ(Cli({"pdf", Exemple, socket}),
            Refus(1, "Impossible de créer le fichier " + socket + " : ce n'est pas un fichier ordinaire\n"));
  EXPECT_TRUE(std::filesystem::is_socket(socket));

  // A write that fails part way, as on a full disk, keeps the previous PDF whole.
  const std::string ancien = dir / "ancien.pdf";
  std::ofstream(ancien) << "ancien";
  TResultat r;
  {
    const TDisquePlein plein(1000);
    r = Cli({"pdf", Exemple, ancien});
  }
  EXPECT_EQ(r, Refus(1, "Impossible de créer le fichier " + ancien + "\n"));
  EXPECT_EQ(Contenu(ancien), "ancien");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Chemin()), {}), 2);
}

TEST(CliFiches, UnePageParEleveChoisiEtCibleImpossible) {
  InstallerImprimerFiches(ImprimerFichesPdf);
  TRepertoireTemp dir;
  const std::regex page(R"(/Type\s*/Page[^s])");
  const auto pages = [&](const std::string& pdf) {
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
  };
  const std::string sortie = dir / "fiches.pdf";
  TResultat r = Cli({"fiches", Exemple, sortie, "--eleve", "3", "--periode", "3", "--eleve", "5"});
  ASSERT_EQ(r, Refus(0, "")) << r.erreurs;
  const std::string pdf = Contenu(sortie);
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(pages(pdf), 2);  // a trimester without tests: one page each
  r = Cli({"fiches", Exemple, sortie});
  EXPECT_EQ(pages(Contenu(sortie)), 25);

  EXPECT_EQ(Cli({"fiches", Exemple, sortie, "--eleve", "26"}),
            Refus(2, "La classe n'a pas d'élève 26 (elle en compte 25).\n"));
  EXPECT_EQ(Cli({"fiches", Exemple, sortie, "--periode", "1", "--periode", "2"}).code, 2);
  EXPECT_EQ(Cli({"fiches", Exemple, dir / "absent/x.pdf"}),
            Refus(1, "Impossible de créer le fichier " + (dir / "absent/x.pdf") + "\n"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Chemin()), {}), 1);
}
