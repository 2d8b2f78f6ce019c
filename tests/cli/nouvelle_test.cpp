#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using test::Cli;
using test::TResultat;

namespace {

void Ecrire(const std::string& fichier, const std::string& texte) { std::ofstream(fichier, std::ios::binary) << texte; }

}  // namespace

TEST(CliNouvelle, ClasseCreeeDepuisUneListe) {
  test::TRepertoireTemp dir;
  const std::string liste = dir / "liste.csv";
  const std::string classe = dir / "4B.cl3";
  Ecrire(liste,
         "Nom;Pr\xE9nom;Date de naissance\r\n"
         "dupont;jean;12/03/2011\r\n"
         ";Paul;01/01/2011\r\n"
         "L\xC9VY;Zo\xE9;31/02/2010\r\n"
         "Martin;L\xE9"
         "a;2011-05-04\r\n"
         "\r\n"
         "Abel;\xC9va;\r\n");

  const TResultat r = Cli({"nouvelle", liste, classe, "--annee", "2026 / 2027"});
  EXPECT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.sortie, classe + " : 3 élèves, 2 lignes ignorées\n");
  EXPECT_EQ(r.erreurs,
            liste + ", ligne 3 ignorée : nom manquant (« ;Paul;01/01/2011 »)\n" + liste +
                ", ligne 4 ignorée : date de naissance inexistante : 31/02/2010 (« LÉVY;Zoé;31/02/2010 »)\n");
  EXPECT_EQ(std::filesystem::file_size(classe), 76632u);

  const TResultat info = Cli({"info", classe});
  EXPECT_EQ(info.code, 0);
  EXPECT_NE(info.sortie.find("Classe : 4B\nAnnée scolaire : 2026 / 2027\n"), std::string::npos) << info.sortie;
  EXPECT_NE(info.sortie.find("Élèves : 3\n"), std::string::npos);
  EXPECT_NE(info.sortie.find("Liste des élèves :\n"
                             "  1. DUPONT Jean (12/03/2011)\n"
                             "  2. MARTIN Léa (04/05/2011)\n"
                             "  3. ABEL Éva\n"),
            std::string::npos)
      << info.sortie;

  // An existing class is never replaced.
  const std::string avant = test::Contenu(classe);
  const TResultat encore = Cli({"nouvelle", liste, classe, "--abreviation", "4C"});
  EXPECT_EQ(encore.code, 1);
  EXPECT_EQ(encore.erreurs, "Le fichier " + classe + " existe déjà ; il n'est pas remplacé.\n");
  EXPECT_EQ(test::Contenu(classe), avant);

  const std::string autre = dir / "autre.cl3";
  EXPECT_EQ(Cli({"nouvelle", liste, autre, "--abreviation", "4\xC3\xA8me C"}).code, 0);
  EXPECT_NE(Cli({"info", autre}).sortie.find("Classe : 4ème C\n"), std::string::npos);
}

TEST(CliNouvelle, ArgumentsEtListesInutilisables) {
  test::TRepertoireTemp dir;
  const std::string vide = dir / "vide.csv";
  Ecrire(vide, "Nom;Prénom\n;Paul\n");
  for (const auto& mauvais : std::vector<std::vector<std::string>>{{"nouvelle", vide},
                                                                   {"nouvelle", vide, dir / "a.cl3", "--annee"},
                                                                   {"nouvelle", vide, dir / "a.cl3", "--force"},
                                                                   {"nouvelle", vide, dir / "a.cl3", dir / "b.cl3"}}) {
    const TResultat r = Cli(mauvais);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.erreurs.rfind("usage : calevrin-cli", 0), 0u);
  }
  EXPECT_EQ(Cli({"nouvelle", vide, dir / "a.cl3", "--annee", "\xE2\x82\xAC\xE2\x88\x9E"}).code, 2);

  const TResultat absente = Cli({"nouvelle", dir / "absente.csv", dir / "a.cl3"});
  EXPECT_EQ(absente.code, 1);
  EXPECT_EQ(absente.erreurs, "Impossible d'ouvrir le fichier " + dir / "absente.csv" + "\n");

  const TResultat personne = Cli({"nouvelle", vide, dir / "a.cl3"});
  EXPECT_EQ(personne.code, 1);
  EXPECT_NE(personne.erreurs.find("Il faut au minimum UN élève pour former une classe.\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "a.cl3"));

  const std::string un = dir / "un.csv";
  Ecrire(un, "ROUX\tLou\n");
  const TResultat dossier = Cli({"nouvelle", un, dir / "absent/a.cl3"});
  EXPECT_EQ(dossier.code, 1);
  EXPECT_EQ(dossier.erreurs, "Impossible de créer le fichier " + dir / "absent/a.cl3" + "\n");
}
