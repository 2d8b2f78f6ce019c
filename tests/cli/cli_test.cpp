#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "cli/commandes.h"
#include "model/classe.h"
#include "model/fichierclasse.h"
#include "tests/common/cli.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

namespace {

using test::Cli;
using test::TResultat;

std::vector<char> Octets(const std::string& f) {
  std::ifstream in(f, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

}  // namespace

TEST(Cli, InfoEtVersion) {
  const TResultat r = Cli({"info", Exemple});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.sortie.find("Classe : 4EB\n"), std::string::npos);
  EXPECT_NE(r.sortie.find("Élèves : 25\n"), std::string::npos);
  EXPECT_NE(r.sortie.find("1. Mathématiques (Ma) : devoirs 6 / 0 / 0\n"), std::string::npos);
  EXPECT_EQ(Cli({"--version"}).sortie, "Calevrin 3.0\n");
  EXPECT_EQ(Cli({"--help"}).code, 0);
  for (const auto& mauvais : std::vector<std::vector<std::string>>{{}, {"info"}, {"repair", "a"}, {"inconnu"}}) {
    const TResultat u = Cli(mauvais);
    EXPECT_EQ(u.code, 2);
    EXPECT_EQ(u.erreurs.rfind("usage : calevrin-cli", 0), 0u);
  }
  EXPECT_EQ(Cli({"info", "/nulle/part.cl3"}).erreurs, "Impossible d'ouvrir le fichier /nulle/part.cl3\n");
}

TEST(Cli, CheckEtRepair) {
  test::TRepertoireTemp dir;
  EXPECT_EQ(Cli({"check", Exemple}).code, 0);
  EXPECT_EQ(Cli({"check", Exemple}).sortie, "");

  auto o = Octets(Exemple);
  o[76460] = 50;   // 50 students
  o[1347] = 25;    // second student's surname longer than 20
  const std::string abime = dir / "abime.cl3";
  std::ofstream(abime, std::ios::binary).write(o.data(), static_cast<std::streamsize>(o.size()));
  const std::string court = dir / "court.cl3";
  std::ofstream(court, std::ios::binary).write(o.data(), 1000);

  const TResultat r = Cli({"check", Exemple, abime, court});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.sortie, abime + " : nombre d'élèves : 50 hors des limites 0 à 45\n" + abime +
                          " : élève 2, nom : longueur 25 au-delà de la capacité 20\n" + court +
                          " : taille de 1000 octets au lieu de 76632\n");

  const std::string repare = dir / "repare.cl3";
  EXPECT_EQ(Cli({"repair", abime, repare}).code, 0);
  EXPECT_EQ(Cli({"check", repare}).code, 0);
  const auto r2 = Octets(repare);
  EXPECT_EQ(r2[76460], 45);
  EXPECT_EQ(r2[1347], 20);

  const std::string copie = dir / "copie.cl3";
  EXPECT_EQ(Cli({"repair", Exemple, copie}).code, 0);
  EXPECT_EQ(Octets(copie), Octets(Exemple));
  EXPECT_EQ(Cli({"repair", court, copie}).code, 1);
}
