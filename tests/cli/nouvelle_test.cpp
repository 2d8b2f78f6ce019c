#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fichiers/ecriture.h"
#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

TEST(CliNouvelle, ClasseCreeeDepuisUneListe) {
  TRepertoireTemp dir;
  const std::string liste = dir / "liste.csv";
  const std::string classe = dir / "4B.cl3";
  std::ofstream(liste, std::ios::binary) << "Nom;Pr\xE9nom;Date de naissance\r\ndupont;jean;12/03/2011\r\n"
                                            ";Paul;01/01/2011\r\nL\xC9VY;Zo\xE9;31/02/2010\r\nMartin;L\xE9"
                                            "a;2011-05-04\r\n\r\nAbel;\xC9va;\r\n";
  const TResultat r = Cli({"nouvelle", liste, classe, "--annee", "2026 / 2027"});
  EXPECT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.sortie, classe + " : 4 élèves, 1 ligne ignorée\n");
  EXPECT_EQ(r.erreurs, liste + ", ligne 3 ignorée : nom manquant (« ;Paul;01/01/2011 »)\n" + liste +
                           ", ligne 4 : date de naissance inexistante : 31/02/2010, élève gardé sans date\n");
  EXPECT_EQ(std::filesystem::file_size(classe), 76632u);
  const std::string info = Cli({"info", classe}).sortie;
  EXPECT_TRUE(Contient(info, {"Classe : 4B\nAnnée scolaire : 2026 / 2027\n", "Élèves : 4\n",
                              "Liste des élèves :\n  1. DUPONT Jean (12/03/2011)\n  2. LÉVY Zoé\n  3. MARTIN Léa "
                              "(04/05/2011)\n  4. ABEL Éva\n"}));

  // An existing class is never replaced.
  const std::string avant = Contenu(classe);
  EXPECT_EQ(Cli({"nouvelle", liste, classe, "--abreviation", "4C"}),
            Refus(1, "Le fichier " + classe + " existe déjà ; il n'est pas remplacé\n"));
  EXPECT_EQ(Contenu(classe), avant);
  // Nor one that appears while the new class is being written.
  static std::string intrus;
  intrus = dir / "intrus.cl3";
  CrochetsEcriture().etape = [](TEtapeEcriture) { std::ofstream(intrus) << "intrus"; };
  const TResultat course = Cli({"nouvelle", liste, intrus});
  CrochetsEcriture().etape = nullptr;
  EXPECT_EQ(course.code, 1);
  EXPECT_TRUE(Contient(course.erreurs, {"Le fichier " + intrus + " existe déjà ; il n'est pas remplacé\n"}));
  EXPECT_EQ(Contenu(intrus), "intrus");
  const std::string autre = dir / "autre.cl3";
  EXPECT_EQ(Cli({"nouvelle", liste, autre, "--abreviation", "4\xC3\xA8me C"}).code, 0);
  EXPECT_NE(Cli({"info", autre}).sortie.find("Classe : 4ème C\n"), std::string::npos);
}

TEST(CliNouvelle, ListesEtSortiesInutilisables) {
  TRepertoireTemp dir;
  const std::string vide = dir / "vide.csv";
  std::ofstream(vide) << "Nom;Prénom\n;Paul\n";
  EXPECT_EQ(Cli({"nouvelle", vide, dir / "a.cl3", "--annee", "\xE2\x82\xAC\xE2\x88\x9E"}).code, 2);
  EXPECT_EQ(Cli({"nouvelle", dir / "absente.csv", dir / "a.cl3"}),
            Refus(1, "Impossible d'ouvrir le fichier " + dir / "absente.csv" + "\n"));
  const TResultat personne = Cli({"nouvelle", vide, dir / "a.cl3"});
  EXPECT_TRUE(personne.code == 1 &&
              Contient(personne.erreurs, {"Il faut au minimum UN élève pour former une classe.\n"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "a.cl3"));

  // Rows of figures: twenty told, the rest counted; a student listed twice comes once.
  const std::string chiffres = dir / "chiffres.csv";
  {
    std::ofstream f(chiffres);
    f << "ROUX;Lou\n";
    for (int i = 0; i < 25; ++i) f << i << ";" << i << "\n";
    f << "Roux;LOU\n";
  }
  const TResultat c = Cli({"nouvelle", chiffres, dir / "c.cl3"});
  EXPECT_EQ(c.sortie, dir / "c.cl3" + " : 1 élève, 25 lignes ignorées\n");
  EXPECT_TRUE(Contient(c.erreurs,
                       {", ligne 21 ignorée : nom sans aucune lettre (« 19;19 »)\n",
                        chiffres + " : 5 autres lignes ignorées\n", chiffres + ", ligne 27 : en double (ligne 1)\n"}));
  EXPECT_EQ(c.erreurs.find("ligne 22 ignorée"), std::string::npos);

  const std::string un = dir / "un.csv";
  std::ofstream(un) << "ROUX\tLou\n";
  EXPECT_EQ(Cli({"nouvelle", un, dir / "absent/a.cl3"}),
            Refus(1, "Impossible de créer le fichier " + dir / "absent/a.cl3" + "\n"));
}

// A class a running program holds would lose the command's work at its next save.
TEST(CliNouvelle, ClasseTenueParUnProgramme) {
  TRepertoireTemp dir;
  const std::string cible = dir / "4B.cl3", liste = dir / "l.csv";
  std::filesystem::copy_file(Exemple, cible);
  std::ofstream(liste) << "ROUX;Lou\n";
  char machine[256] = {};
  ::gethostname(machine, sizeof machine - 1);
  std::ofstream(dir / ".4B.cl3.lock") << ::getpid() << "\ncalevrin\n" << machine << "\n";
  const std::string refus = "La classe " + cible + " est ouverte dans le programme (processus " +
                            std::to_string(::getpid()) + " sur " + machine +
                            ") : la fermer d'abord, ou ajouter --force pour l'écrire quand même.\n";
  EXPECT_EQ(Cli({"repair", Exemple, cible}), Refus(1, refus));
  EXPECT_EQ(Cli({"nouvelle", liste, cible}), Refus(1, refus));
  EXPECT_EQ(Cli({"repair", Exemple, cible, "--force"}).code, 0);
  // Forced, a class that exists is still never replaced by a new one.
  EXPECT_EQ(Cli({"nouvelle", liste, cible, "--force"}).code, 1);
  std::filesystem::remove(cible);
  EXPECT_EQ(Cli({"nouvelle", liste, cible, "--force"}).code, 0);
}
