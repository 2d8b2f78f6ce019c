#include "platform/association.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/profil.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::plateforme;

namespace {
TRepertoiresXdg Xdg(const test::TRepertoireTemp& d) {
  return {d / "config", d / "data", {d / "etc-xdg"}, {d / "usr-share"}};
}
}  // namespace

TEST(Association, EcritureEtRelectureDeLaCommande) {
  test::TRepertoireTemp dir;
  const TRepertoiresXdg xdg = Xdg(dir);
  const std::string type = TypeMime("cl3");
  EXPECT_EQ(type, "application/x-calevrin-classe");
  EXPECT_EQ(LireCommandeOuverture(xdg, type), "");

  const std::string programme = "/opt/Mes programmes/calevrin";
  ASSERT_TRUE(EcrireTypeMime(xdg, type, "cl3"));
  ASSERT_TRUE(EcrireEntreeBureau(xdg, type, programme));
  ASSERT_TRUE(EcrireApplicationParDefaut(xdg, type));
  EXPECT_TRUE(std::filesystem::exists(dir / "data/mime/packages/calevrin-cl3.xml"));
  EXPECT_EQ(LireProfil("Desktop Entry", "MimeType", "", dir / "data/applications/calevrin.desktop"), type + ";");
  EXPECT_EQ(LireCommandeOuverture(xdg, type), programme + " %f");

  // Another default chosen by the user, in a file of higher precedence, wins.
  std::filesystem::create_directories(dir.Chemin() / "usr-share/applications");
  std::ofstream(dir / "usr-share/applications/autre.desktop") << "[Desktop Entry]\nExec=autre %U\n";
  std::ofstream(dir / "config/mimeapps.list") << "[Default Applications]\n"
                                              << type << "=absent.desktop;autre.desktop;\n";
  EXPECT_EQ(LireCommandeOuverture(xdg, type), "autre %U");
}

TEST(Association, GuillemetsDeLaLigneExec) {
  for (const std::string chemin : {"/usr/bin/calevrin", "/opt/a b/calevrin", "/x/$\"y`\\z"}) {
    EXPECT_EQ(SansGuillemetsExec(GuillemetsExec(chemin) + " %f"), chemin + " %f");
  }
  EXPECT_EQ(GuillemetsExec("/usr/bin/calevrin"), "/usr/bin/calevrin");
  EXPECT_EQ(GuillemetsExec("/opt/a b/c"), "\"/opt/a b/c\"");
}

TEST(Association, LEntreeInstalleeParUnPaquetVautAssociation) {
  test::TRepertoireTemp dir;
  const TRepertoiresXdg xdg = Xdg(dir);
  const std::string type = TypeMime("cl3");
  namespace fs = std::filesystem;
  // A package's entry names the program without its directory, and sets no default.
  fs::create_directories(dir.Chemin() / "bin");
  fs::create_directories(dir.Chemin() / "usr-share/applications");
  const fs::path programme = dir.Chemin() / "bin/calevrin";
  std::ofstream(programme) << "#!/bin/sh\n";
  fs::permissions(programme, fs::perms::owner_all);
  std::ofstream(dir / "usr-share/applications/calevrin.desktop")
      << "[Desktop Entry]\nType=Application\nName=Calevrin\nExec=calevrin %f\nMimeType=text/plain;" << type << ";\n";
  const std::string pathAvant = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", ("/nulle/part:" + (dir.Chemin() / "bin").string()).c_str(), 1);
  EXPECT_EQ(LireCommandeOuverture(xdg, type), fs::canonical(programme).string() + " %f");

  // A default the user chose elsewhere still wins; an entry without the type is no association.
  std::ofstream(dir / "usr-share/applications/autre.desktop") << "[Desktop Entry]\nExec=/usr/bin/autre %U\n";
  fs::create_directories(dir.Chemin() / "config");
  std::ofstream(dir / "config/mimeapps.list") << "[Default Applications]\n" << type << "=autre.desktop;\n";
  EXPECT_EQ(LireCommandeOuverture(xdg, type), "/usr/bin/autre %U");
  fs::remove(dir.Chemin() / "config/mimeapps.list");
  std::ofstream(dir / "usr-share/applications/calevrin.desktop")
      << "[Desktop Entry]\nExec=calevrin %f\nMimeType=text/plain;\n";
  EXPECT_EQ(LireCommandeOuverture(xdg, type), "");
  ::setenv("PATH", pathAvant.c_str(), 1);
}
