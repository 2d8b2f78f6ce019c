#include "platform/chemins.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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

// Without a session the runtime folder is named before Qt would warn of its absence: the one
// Qt falls back on, private to the user; a session's own is kept.
TEST(Chemins, DossierExecutionSansSession) {
  const char* avant = std::getenv("XDG_RUNTIME_DIR");
  const std::string garde = avant ? avant : "";
  ::setenv("XDG_RUNTIME_DIR", "/run/user/session", 1);
  DossierExecutionPrive();
  EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/session");

  ::unsetenv("XDG_RUNTIME_DIR");
  DossierExecutionPrive();
  const std::string attendu = "/tmp/runtime-" + std::to_string(::getuid());
  ASSERT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
  EXPECT_EQ(std::string(std::getenv("XDG_RUNTIME_DIR")), attendu);
  const auto droits = std::filesystem::status(attendu).permissions();
  EXPECT_EQ(droits & (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
            std::filesystem::perms::none);
  if (avant)
    ::setenv("XDG_RUNTIME_DIR", garde.c_str(), 1);
  else
    ::unsetenv("XDG_RUNTIME_DIR");
}
