#include "platform/chemins.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::plateforme;

TEST(Chemins, LaConfigurationVaDansXdgSaufPourUnProgrammePortable) {
  test::TRepertoireTemp dir;
  const std::string xdg = dir / "config";
  // A build tree or a portable copy: beside the program.
  EXPECT_EQ(RepertoireDonnees(dir.Chemin().string(), xdg), dir.Chemin().string() + "/");
  // Installed: in the user's configuration, created on the way, even where root may write.
  for (const std::string installe : {"/usr/bin", "/usr/local/bin/", "/bin"}) {
    EXPECT_EQ(RepertoireDonnees(installe, xdg), xdg + "/calevrin/") << installe;
  }
  EXPECT_TRUE(std::filesystem::is_directory(xdg + "/calevrin"));
  // A read-only folder elsewhere likewise.
  std::filesystem::create_directories(dir.Chemin() / "ro");
  std::filesystem::permissions(dir.Chemin() / "ro",
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // (root writes anywhere: the case shows only for another user)
  if (::access((dir / "ro").c_str(), W_OK) != 0) {
    EXPECT_EQ(RepertoireDonnees(dir / "ro", xdg), xdg + "/calevrin/");
  }
}
