#include "tests/common/cli.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "tests/common/disqueplein.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;
namespace fs = std::filesystem;

TEST(Cli, InfoVersionEtArgumentsIncorrects) {
  const TResultat r = Cli({"info", Exemple});
  EXPECT_EQ(r.code, 0);
  EXPECT_TRUE(Contient(r.sortie, {"Classe : 4EB\n", "Élèves : 25\n", "1. Mathématiques (Ma) : devoirs 6 / 0 / 0\n"}));
  EXPECT_EQ(Cli({"--version"}).sortie, "Calevrin 3.0\n");
  EXPECT_EQ(Cli({"--help"}).code, 0);
  for (const char* cmd : {"info", "export", "moyennes", "classement", "ages", "statistiques", "bilan"})
    EXPECT_EQ(Commande(cmd + std::string(" /nulle/part.cl3")),
              Refus(1, "Impossible d'ouvrir le fichier /nulle/part.cl3\n"));

  // Malformed: code 2, the usage (classement, ages and anniversaires have their own), nothing
  // out. Cases split by "|".
  for (const std::string& cas :
       Decouper("|info|repair a|inconnu|pdf seul.cl3|export|export X --matiere 5|export X --periode 0|"
                "export X --periode 1.0|export X --matiere|export X -o|export X X|export X --inconnue|"
                "export X --matiere 1 --matiere 2|moyennes X -o x|moyennes X --matiere 1|classement|"
                "classement X --matiere 5|classement X --sans-absents --sans-absents|classement X -o x|ages X --date|"
                "ages X --matiere 1|anniversaires X X|nouvelle l.csv|nouvelle l.csv a.cl3 --annee|"
                "nouvelle l.csv a.cl3 --force 1|nouvelle l.csv a.cl3 b.cl3|statistiques|statistiques X --eleve 1|"
                "evolution X --devoir 1|bilan X --matiere 1|bilan X --eleve -1|bilan X --eleve 1x|"
                "evolution X --periode 1 --periode 2",
                '|')) {
    const TResultat u = Commande(cas);
    const std::string cmd = cas.substr(0, cas.find(' '));
    const bool propre = cmd == "classement" || cmd == "ages" || cmd == "anniversaires";
    EXPECT_TRUE(u.code == 2 && u.sortie.empty()) << cas;
    EXPECT_EQ(u.erreurs.rfind("usage : calevrin-cli " + (propre ? cmd : "info"), 0), 0u) << cas << u.erreurs;
  }
  EXPECT_EQ(Commande("ages X --date 2026-02-30"), Refus(2, "Date incorrecte : 2026-02-30 (AAAA-MM-JJ attendu)\n"));
}

TEST(Cli, CheckEtRepair) {
  TRepertoireTemp dir;
  EXPECT_EQ(Cli({"check", Exemple}), TResultat{});

  std::string o = Contenu(Exemple);
  o[76460] = 50;  // 50 students
  o[1347] = 25;   // second student's surname longer than 20
  const std::string abime = dir / "abime.cl3";
  const std::string court = dir / "court.cl3";
  std::ofstream(abime, std::ios::binary) << o;
  std::ofstream(court, std::ios::binary) << o.substr(0, 1000);
  const TResultat r = Cli({"check", Exemple, abime, court});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.sortie, abime + " : nombre d'élèves : 50 hors des limites 0 à 45\n" + abime +
                          " : élève 2, nom : longueur 25 au-delà de la capacité 20\n" + court +
                          " : taille de 1000 octets au lieu de 76632\n");

  const std::string repare = dir / "repare.cl3";
  EXPECT_EQ(Cli({"repair", abime, repare}).code, 0);
  EXPECT_EQ(Cli({"check", repare}).code, 0);
  const std::string r2 = Contenu(repare);
  EXPECT_TRUE(r2[76460] == 45 && r2[1347] == 20);
  const std::string copie = dir / "copie.cl3";
  EXPECT_TRUE(Cli({"repair", Exemple, copie}).code == 0 && Contenu(copie) == Contenu(Exemple));
  EXPECT_EQ(Cli({"repair", court, copie}),
            Refus(1, "Le fichier " + court + " est tronqué : 1000 octets au lieu de 76632\n"));
  // Write-protected, as a shell would refuse it.
  ::chmod(copie.c_str(), 0444);
  EXPECT_EQ(Cli({"repair", abime, copie}),
            Refus(1, "Le fichier " + copie + " est protégé en écriture ; il n'est pas remplacé\n"));
  EXPECT_EQ(Contenu(copie), Contenu(Exemple));
}

// Devices, FIFOs and a full disk: refused with a French message, the target left as it was.
TEST(Cli, FichiersAuxLimites) {
  TRepertoireTemp dir;
  EXPECT_EQ(Commande("info /dev/zero"), Refus(1, "Le fichier /dev/zero n'est pas un fichier classe\n"));

  const std::string fifo = dir / "tube.cl3";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  fs::create_symlink("/dev/full", dir.Chemin() / "plein.txt");
  for (const auto& [a, cible] :
       {std::pair{"repair X " + fifo, fifo}, {"export X -o " + dir / "plein.txt", dir / "plein.txt"}})
    EXPECT_EQ(Commande(a),
              Refus(1, "Impossible de créer le fichier " + cible + " : ce n'est pas un fichier ordinaire\n"));
  EXPECT_TRUE(fs::is_fifo(fifo) && fs::is_character_file("/dev/full"));
  fs::remove(fifo);
  fs::remove(dir / "plein.txt");

  const std::string ancien = dir / "ancien.txt";
  const std::string neuf = dir / "neuf.txt";
  std::ofstream(ancien) << "ancien";
  {
    const TDisquePlein plein;
    for (const std::string& sortie : {ancien, neuf})
      EXPECT_EQ(Cli({"export", Exemple, "-o", sortie}), Refus(1, "Impossible de créer le fichier " + sortie + "\n"));
  }
  EXPECT_EQ(Contenu(ancien), "ancien");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Chemin()), {}), 1);  // nothing else left
}
