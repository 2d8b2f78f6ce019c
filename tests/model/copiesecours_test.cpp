// A recovery copy read back: whole, or told damaged with its reason, never half believed.
#include "model/copiesecours.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace fs = std::filesystem;

TEST(CopieSecours, RelueEntiereOuDiteAbimee) {
  test::TRepertoireTemp dir;
  const std::string copie = dir / "copie.cl3";
  auto image = std::make_unique<TImage>();
  for (std::size_t i = 0; i < image->size(); ++i) (*image)[i] = static_cast<std::uint8_t>(i * 7);
  const mode_t umask = ::umask(0);
  EcrireCopieSecours(copie, *image, {"/classes/a\n[Boolean]\nb.cl3", "2026-12-07T18:00:00", {}});
  ::umask(umask);
  EXPECT_EQ(fs::status(copie).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  auto relue = std::make_unique<TImage>();
  const TCopieSecours d = LireCopieSecours(copie, relue.get());
  EXPECT_EQ(d.Defaut, "");
  EXPECT_EQ(d.Original, "/classes/a\n[Boolean]\nb.cl3");
  EXPECT_EQ(d.Moment, "2026-12-07T18:00:00");
  EXPECT_TRUE(*relue == *image);

  // Cut anywhere, or one byte changed: a reason, never a description.
  const std::string entier = test::Contenu(copie);
  for (const std::size_t n : {std::size_t{0}, std::size_t{1000}, TailleFichierClasse, TailleFichierClasse + 5,
                              entier.size() - 20, entier.size() - 1}) {
    test::Ecrire(copie, entier.substr(0, n));
    EXPECT_NE(LireCopieSecours(copie).Defaut, "") << n;
  }
  std::string altere = entier;
  altere[500] ^= 1;
  test::Ecrire(copie, altere);
  EXPECT_EQ(LireCopieSecours(copie).Defaut, "copie tronquée ou altérée");
  test::Ecrire(copie, entier.substr(0, 1000));
  EXPECT_EQ(LireCopieSecours(copie).Defaut, "copie tronquée (1000 octets)");
}
