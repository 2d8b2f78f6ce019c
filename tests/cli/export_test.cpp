#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "model/classe.h"
#include "model/moyennes.h"
#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

TEST(CliExport, ClasseExemple) {
  const TResultat r = Cli({"export", Exemple});
  ASSERT_EQ(r.code, 0) << r.erreurs;
  ASSERT_TRUE(!r.sortie.empty() && r.sortie.find('\n') == std::string::npos && r.sortie.back() != '\r');
  const auto l = Decouper(r.sortie, '\r');
  // Title, 25 students, the test averages, the list of the 6 tests under its header, the rounding.
  ASSERT_EQ(l.size(), 35u);
  EXPECT_EQ(l[0], "4EB / Mathématiques / Trim.1 ( 2026 / 2027 )");
  // 17 x 1 + 13.5 x 2 + 17 x 1 + 16 x 0.5 + 16.5 x 2 + 12.5 x 2 = 127, over 8.5.
  EXPECT_EQ(l[1], "ANDRÉ Rose\t17\t13.5\t17\t16\t16.5\t12.5\t14.9");
  EXPECT_EQ(l[5], "DAVID Raphaël\t7.5\t8.5\tret\t8\t12\t6.5\t8.7");
  EXPECT_EQ(l[27], "Num\tCoef.\tDurée\tDate");
  EXPECT_EQ(l[31], "4\t0.5\t\tven. 6 nov.\tDevoir maison : programmes de calcul");
  EXPECT_EQ(l[34], "Arrondi des moyennes: Aucun arrondi");

  const auto s = Decouper(Cli({"export", "--matiere", "4", Exemple, "--periode", "4"}).sortie, '\r');
  ASSERT_EQ(s.size(), 29u);
  EXPECT_EQ(s[0], "4EB / Synthèse / Année ( 2026 / 2027 )");
  EXPECT_EQ(s[2], "\t2+1+1\t1+1+1\t1+1+1");

  // -o writes the same bytes and nothing to stdout.
  TRepertoireTemp dir;
  EXPECT_EQ(Cli({"export", Exemple, "-o", dir / "t.txt"}), TResultat{});
  EXPECT_EQ(Contenu(dir / "t.txt"), r.sortie);
  EXPECT_EQ(Cli({"export", Exemple, "-o", dir / "absent/t.txt"}),
            Refus(1, "Impossible de créer le fichier " + (dir / "absent/t.txt") + "\n"));

  // Options from a file; a missing one is an error and is not created.
  const std::string ini = dir / "calevrin.ini";
  std::ofstream(ini) << "[Boolean]\nprenom=0\ntextebas=0\nimprimerAnnee=0\n";
  const auto o = Decouper(Cli({"export", Exemple, "--options", ini}).sortie, '\r');
  ASSERT_EQ(o.size(), 27u);
  EXPECT_EQ(o[0], "4EB / Mathématiques / Trim.1");
  EXPECT_EQ(o[1], "ANDRÉ\t17\t13.5\t17\t16\t16.5\t12.5\t14.9");
  const std::string absent = dir / "absent.ini";
  for (const char* cmd : {"export", "moyennes"})
    EXPECT_EQ(Cli({cmd, Exemple, "--options", absent}), Refus(1, "Impossible d'ouvrir le fichier " + absent + "\n"));
  EXPECT_FALSE(std::filesystem::exists(absent));
}

// Names typed in lower case, one subject, semesters, stored showing the second semester.
TEST(CliExport, ClasseTemporaireMoyennesEtClassement) {
  TRepertoireTemp dir;
  auto c = std::make_unique<TClasse>();
  c->NomFichier = dir / "5c.cl3";
  c->Abreviation.Affecter("5C");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Matiere(1).Nom.Affecter("Histoire");
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(2);
  c->Eleve(1).Nom.Affecter("andr\xC9");
  c->Eleve(1).Prenom.Affecter(
      "l\xE9"
      "A");
  c->Eleve(2).Nom.Affecter("petit");
  c->Eleve(2).Prenom.Affecter("JEAN");
  c->FixerNbEleves(2);
  c->FixerNbDevoirs(1, 1, 2);
  c->Devoir(1, 1, 2).Coef = 2.0;
  for (const auto& [e, k, t] : {std::tuple{1, 1, "12"}, {1, 2, "8"}, {2, 1, "9.5"}, {2, 2, "abs"}})
    c->Eleve(e).Note(1, 1, k).Affecter(t);
  c->FixerNbDevoirs(1, 2, 1);
  c->Eleve(1).Note(1, 2, 1).Affecter("14");
  c->FixerPeriodeCourante(2);
  c->Enregistrer(false);
  const std::string f = c->NomFichier;

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
  const auto l = Decouper(r.sortie, '\n');
  ASSERT_EQ(l.size(), 1u + 2 * 6 + 1);  // subjects 1 and 4, periods 1, 2 and 4; final newline
  EXPECT_EQ(l[0], "eleve\tnom\tprenom\tmatiere\tperiode\tmoyenne\tmoyenne_joker");
  // ANDRÉ's first semester 28 / 3 with every digit, his Joker 12 (the 8 dropped).
  EXPECT_EQ(l[1], "1\tANDRÉ\tLéa\t1\t1\t9.333333333333334\t12");
  EXPECT_EQ(l[8], "2\tPETIT\tJean\t1\t2\t\t");
  EXPECT_EQ(l[12], "2\tPETIT\tJean\t4\t4\t9.5\t9.5");
  // His year (28 / 3 + 14) / 2 reads back as exactly the average the program computes.
  const auto an = Decouper(l[3], '\t');
  ASSERT_EQ(an[3] + an[4], "14");
  c->Charger();
  EXPECT_EQ(std::strtod(an[5].c_str(), nullptr), Moyenne(*c, 1, 4, 1, false, Options));
  EXPECT_NEAR(std::strtod(an[5].c_str(), nullptr), 35.0 / 3, 1e-12);

  // The ranking: the same names, a subject or period the class lacks refused.
  const std::string ini = dir / "calevrin.ini";
  std::ofstream(ini) << "[Boolean]\nimprimerAnnee=0\n";
  EXPECT_EQ(
      Cli({"classement", f, "--periode", "1", "--options", ini}).sortie,
      "5C / Histoire / Sem.1\rRang\tElève\tMoyenne\tAbsence\r 1\t PETIT Jean\t 9.5\t 1\r 2\t ANDRÉ Léa\t 9.3\t\r");
  EXPECT_EQ(Commande("classement " + f + " --matiere 2"),
            Refus(2, "La matière 2 n'existe pas dans cette classe (matière 1, 4 pour la synthèse).\n"));
  EXPECT_EQ(Commande("classement " + f + " --periode 3"),
            Refus(2, "La période 3 n'existe pas dans cette classe (semestres 1 à 2, 4 pour l'année).\n"));
}
