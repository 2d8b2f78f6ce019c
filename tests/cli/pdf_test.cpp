#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include <fstream>
#include <regex>
#include <sstream>

#include "cli/commandes.h"
#include "cli/pdf.h"
#include "tests/common/avertissements.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

TEST(CliPdf, UnePageA4ParLeMemePeintre) {
  InstallerImprimerPdf(ImprimerPdf);
  test::TRepertoireTemp dir;
  const std::string sortie = dir / "4eB.pdf";
  std::ostringstream out, err;
  ASSERT_EQ(ExecuterCli({"pdf", std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", sortie, "--periode", "4"},
                        out, err),
            0)
      << err.str();
  std::ifstream in(sortie, std::ios::binary);
  const std::string pdf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
  const std::regex page(R"(/Type\s*/Page[^s])");
  EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()), 1);
  EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])")));  // A4, points

  const test::TAvertissementAttendu echec(QStringLiteral("QPainter::begin"));
  EXPECT_EQ(ExecuterCli({"pdf", std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", dir / "absent/x.pdf"}, out,
                        err),
            1);
  EXPECT_EQ(ExecuterCli({"pdf", "seul.cl3"}, out, err), 2);
}

TEST(CliPdf, UneSortieRefuseeOuImpossibleNeTouchePasLaCible) {
  InstallerImprimerPdf(ImprimerPdf);
  test::TRepertoireTemp dir;
  const std::string classe = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";
  const std::string socket = dir / "s.pdf";
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  ASSERT_LT(socket.size(), sizeof a.sun_path);
  std::strcpy(a.sun_path, socket.c_str());
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ::close(s);
  std::ostringstream out, err;
  EXPECT_EQ(ExecuterCli({"pdf", classe, socket}, out, err), 1);
  EXPECT_EQ(err.str(), "Impossible de créer le fichier " + socket + " : ce n'est pas un fichier ordinaire\n");
  EXPECT_TRUE(std::filesystem::is_socket(socket));

  // A write that fails part way, as on a full disk, keeps the previous PDF whole.
  const std::string ancien = dir / "ancien.pdf";
  std::ofstream(ancien) << "ancien";
  rlimit avant{};
  ::getrlimit(RLIMIT_FSIZE, &avant);
  auto* signal = ::signal(SIGXFSZ, SIG_IGN);
  rlimit limite = avant;
  limite.rlim_cur = 1000;
  ::setrlimit(RLIMIT_FSIZE, &limite);
  std::ostringstream err2;
  const int code = ExecuterCli({"pdf", classe, ancien}, out, err2);
  ::setrlimit(RLIMIT_FSIZE, &avant);
  ::signal(SIGXFSZ, signal);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(err2.str(), "Impossible de créer le fichier " + ancien + "\n");
  std::ifstream in(ancien, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "ancien");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Chemin()), {}), 2);
}
