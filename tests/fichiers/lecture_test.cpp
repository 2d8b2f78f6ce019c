// Reading files at the edges: devices, FIFOs, huge files, directories, the exact bound.
#include "fichiers/lecture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "tests/common/erreur.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace fs = std::filesystem;

TEST(Lecture, SeulUnFichierOrdinaireBorneEstLu) {
  test::TRepertoireTemp dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  // Sparse: two gigabytes that take no room, but would take memory and seconds to read through.
  const std::string enorme = dir / "enorme";
  std::ofstream(enorme) << "x";
  fs::resize_file(enorme, std::uintmax_t{2} << 30);
  test::Ecrire(dir / "juste", std::string(100, 'j'));
  test::Ecrire(dir / "trop", std::string(101, 't'));
  for (const std::string& chemin :
       {std::string("/dev/zero"), std::string("/dev/urandom"), dir / "fifo", enorme, dir / "trop"})
    EXPECT_EQ(test::MessageErreur([&] { LireFichierTexte(chemin, 100, "Refus de %s"); }), "Refus de " + chemin);
  for (const std::string& chemin : {dir.Chemin().string(), dir / "absent"})
    EXPECT_EQ(test::MessageErreur([&] { LireFichierTexte(chemin, 100, "Refus de %s"); }),
              "Impossible d'ouvrir le fichier " + chemin);
  EXPECT_EQ(LireFichierTexte(dir / "juste", 100, "%s"), std::string(100, 'j'));
  test::Ecrire(dir / "vide", "");
  EXPECT_EQ(LireFichierTexte(dir / "vide", 0, "%s"), "");
}

TEST(Lecture, LeDebutSeulementEtLaTailleEntiere) {
  test::TRepertoireTemp dir;
  test::Ecrire(dir / "f", "0123456789");
  std::array<std::uint8_t, 4> court{};
  const TDebutFichier debut = LireDebutFichier(dir / "f", 100, "%s", court);
  EXPECT_EQ(debut.taille, 10u);
  EXPECT_EQ(debut.lu, 4u);
  EXPECT_EQ(std::string(court.begin(), court.end()), "0123");
  std::array<std::uint8_t, 16> long_{};
  const TDebutFichier tout = LireDebutFichier(dir / "f", 100, "%s", long_);
  EXPECT_EQ(tout.taille, 10u);
  EXPECT_EQ(tout.lu, 10u);
}
