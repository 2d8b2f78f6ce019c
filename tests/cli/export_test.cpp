#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/commandes.h"
#include "model/classe.h"
#include "model/moyennes.h"
#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

namespace {

using test::Cli;
using test::TResultat;

std::string Contenu(const std::string& f) {
  std::ifstream in(f, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lignes(const std::string& t, char sep) { return test::Decouper(t, sep); }

const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

// Names typed in lower case, one subject, semesters, stored showing the second semester.
std::string ClasseTemporaire(const test::TRepertoireTemp& dir) {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = dir / "5c.cl3";
  c->Abreviation.Affecter("5C");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Matiere(1).Nom.Affecter("Histoire");
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(2);
  c->Eleve(1).Nom.Affecter("andr\xC9");
  c->Eleve(1).Prenom.Affecter("l\xE9""A");
  c->Eleve(2).Nom.Affecter("petit");
  c->Eleve(2).Prenom.Affecter("JEAN");
  c->FixerNbEleves(2);
  c->FixerNbDevoirs(1, 1, 2);
  c->Devoir(1, 1, 2).Coef = 2.0;
  c->Eleve(1).Note(1, 1, 1).Affecter("12");
  c->Eleve(1).Note(1, 1, 2).Affecter("8");
  c->Eleve(2).Note(1, 1, 1).Affecter("9.5");
  c->Eleve(2).Note(1, 1, 2).Affecter("abs");
  c->FixerNbDevoirs(1, 2, 1);
  c->Eleve(1).Note(1, 2, 1).Affecter("14");
  c->FixerPeriodeCourante(2);
  c->Enregistrer(false);
  return c->NomFichier;
}

}  // namespace

TEST(CliExport, ClasseExemple) {
  const TResultat r = Cli({"export", Exemple});
  ASSERT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.erreurs, "");
  EXPECT_EQ(r.sortie.find('\n'), std::string::npos);
  ASSERT_FALSE(r.sortie.empty());
  EXPECT_NE(r.sortie.back(), '\r');
  const auto l = Lignes(r.sortie, '\r');
  // Title, 25 students, the test averages, the list of the 6 tests under its header, the rounding.
  ASSERT_EQ(l.size(), 35u);
  EXPECT_EQ(l[0], "4EB / Mathématiques / Trim.1 ( 2026 / 2027 )");
  // 17 x 1 + 13.5 x 2 + 17 x 1 + 16 x 0.5 + 16.5 x 2 + 12.5 x 2 = 127, over 8.5.
  EXPECT_EQ(l[1], "ANDRÉ Rose\t17\t13.5\t17\t16\t16.5\t12.5\t14.9");
  EXPECT_EQ(l[5], "DAVID Raphaël\t7.5\t8.5\tret\t8\t12\t6.5\t8.7");
  EXPECT_EQ(l[26].substr(0, 1), "\t");
  EXPECT_EQ(l[27], "Num\tCoef.\tDurée\tDate");
  EXPECT_EQ(l[31], "4\t0.5\t\tven. 6 nov.\tDevoir maison : programmes de calcul");
  EXPECT_EQ(l[34], "Arrondi des moyennes: Aucun arrondi");

  const auto s = Lignes(Cli({"export", "--matiere", "4", Exemple, "--periode", "4"}).sortie, '\r');
  ASSERT_EQ(s.size(), 29u);
  EXPECT_EQ(s[0], "4EB / Synthèse / Année ( 2026 / 2027 )");
  EXPECT_EQ(s[1], "\tMathématiques\tPhysique-chimie\tTechnologie");
  EXPECT_EQ(s[2], "\t2+1+1\t1+1+1\t1+1+1");

  // -o writes the same bytes and nothing to stdout.
  test::TRepertoireTemp dir;
  const TResultat f = Cli({"export", Exemple, "-o", dir / "t.txt"});
  EXPECT_EQ(f.code, 0);
  EXPECT_EQ(f.sortie, "");
  EXPECT_EQ(Contenu(dir / "t.txt"), r.sortie);
  EXPECT_EQ(Cli({"export", Exemple, "-o", dir / "absent/t.txt"}).erreurs,
            "Impossible de créer le fichier " + (dir / "absent/t.txt") + "\n");

  // Options from a file; a missing one is an error and is not created.
  const std::string ini = dir / "calevrin.ini";
  std::ofstream(ini) << "[Boolean]\nprenom=0\ntextebas=0\nimprimerAnnee=0\n";
  const auto o = Lignes(Cli({"export", Exemple, "--options", ini}).sortie, '\r');
  ASSERT_EQ(o.size(), 27u);
  EXPECT_EQ(o[0], "4EB / Mathématiques / Trim.1");
  EXPECT_EQ(o[1], "ANDRÉ\t17\t13.5\t17\t16\t16.5\t12.5\t14.9");
  const std::string absent = dir / "absent.ini";
  const TResultat a = Cli({"export", Exemple, "--options", absent});
  EXPECT_EQ(a.code, 1);
  EXPECT_EQ(a.erreurs, "Impossible d'ouvrir le fichier " + absent + "\n");
  EXPECT_FALSE(std::filesystem::exists(absent));
  EXPECT_EQ(Cli({"moyennes", Exemple, "--options", absent}).code, 1);

  EXPECT_EQ(Cli({"export", "/nulle/part.cl3"}).erreurs, "Impossible d'ouvrir le fichier /nulle/part.cl3\n");
  for (const auto& mauvais : std::vector<std::vector<std::string>>{
           {"export"}, {"export", Exemple, "--matiere", "5"}, {"export", Exemple, "--periode", "0"},
           {"export", Exemple, "--periode", "1.0"}, {"export", Exemple, "--matiere"}, {"export", Exemple, "-o"},
           {"export", Exemple, Exemple}, {"export", Exemple, "--inconnue"},
           {"export", Exemple, "--matiere", "1", "--matiere", "2"}, {"moyennes"}, {"moyennes", Exemple, "-o", "x"},
           {"moyennes", Exemple, "--matiere", "1"}}) {
    const TResultat u = Cli(mauvais);
    EXPECT_EQ(u.code, 2) << mauvais.size();
    EXPECT_EQ(u.erreurs.rfind("usage : calevrin-cli", 0), 0u);
    EXPECT_EQ(u.sortie, "");
  }
}

TEST(CliExport, ClasseTemporaire) {
  test::TRepertoireTemp dir;
  const std::string f = ClasseTemporaire(dir);

  // The stored view (second semester), names normalised as on opening, UTF-8.
  EXPECT_EQ(Cli({"export", f}).sortie,
            "5C / Histoire / Sem.2 ( 2026 / 2027 )\rANDRÉ Léa\t14\t14\rPETIT Jean\t\t?\r\t14\t14\r"
            "Num\tCoef.\tDurée\tDate\r1\t1\t\t\t\rArrondi des moyennes: Aucun arrondi");
  // The year: 12 x 1 + 8 x 2 = 28 over 3 in the first semester.
  EXPECT_EQ(Cli({"export", f, "--periode", "4"}).sortie,
            "5C / Histoire / Année ( 2026 / 2027 )\r\tSem. 1\tSem. 2\r\t1\t1\r"
            "ANDRÉ Léa\t9.3\t14\t11.7\rPETIT Jean\t9.5\t?\t9.5\r\t9.4\t14\t10.6");

  const TResultat r = Cli({"moyennes", f});
  ASSERT_EQ(r.code, 0) << r.erreurs;
  const auto l = Lignes(r.sortie, '\n');
  ASSERT_EQ(l.size(), 1u + 2 * 6 + 1);  // subjects 1 and 4, periods 1, 2 and 4; final newline
  EXPECT_EQ(l[0], "eleve\tnom\tprenom\tmatiere\tperiode\tmoyenne\tmoyenne_joker");
  EXPECT_EQ(l[2], "1\tANDRÉ\tLéa\t1\t2\t14\t14");
  EXPECT_EQ(l[8], "2\tPETIT\tJean\t1\t2\t\t");
  EXPECT_EQ(l[12], "2\tPETIT\tJean\t4\t4\t9.5\t9.5");
  EXPECT_EQ(l.back(), "");
  // ANDRÉ's first semester: 28 / 3, his Joker 12 (the 8 dropped), his year (28 / 3 + 14) / 2.
  // The texts read back as exactly the averages the program computes.
  auto c = std::make_unique<TClasse>();
  c->NomFichier = f;
  c->Charger();
  const struct {
    std::size_t ligne;
    int m, p;
    double sansJoker, joker;
  } vues[] = {{1, 1, 1, 28.0 / 3, 12}, {3, 1, 4, 35.0 / 3, 13}, {4, 4, 1, 28.0 / 3, 12}, {6, 4, 4, 35.0 / 3, 13}};
  for (const auto& [ligne, m, p, sansJoker, joker] : vues) {
    const auto champs = Lignes(l[ligne], '\t');
    SCOPED_TRACE(l[ligne]);
    ASSERT_EQ(champs[3], std::to_string(m));
    ASSERT_EQ(champs[4], std::to_string(p));
    EXPECT_EQ(std::strtod(champs[5].c_str(), nullptr), Moyenne(*c, m, p, 1, false));
    EXPECT_EQ(std::strtod(champs[6].c_str(), nullptr), Moyenne(*c, m, p, 1, true));
    EXPECT_NEAR(std::strtod(champs[5].c_str(), nullptr), sansJoker, 1e-12);
    EXPECT_NEAR(std::strtod(champs[6].c_str(), nullptr), joker, 1e-12);
  }
}
