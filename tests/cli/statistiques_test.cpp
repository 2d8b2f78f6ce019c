#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/common/cli.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

namespace {

using test::Cli;
using test::TResultat;

const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

std::string Sortie(const std::vector<std::string>& a) {
  const TResultat r = Cli(a);
  EXPECT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.erreurs, "");
  return r.sortie;
}

}  // namespace

// The sample class: 25 students, tests in the first trimester only, stored showing Maths.
TEST(CliStatistiques, RepartitionDesMoyennesEtDUnDevoir) {
  EXPECT_EQ(Sortie({"statistiques", Exemple}),
            "4EB / Mathématiques / Trim.1 ( 2026 / 2027 )\n"
            "Moyenne max : 17.6 ( LEFÈVRE Zoé )\n"
            "Moyenne min : 7.1 ( LEROY Camille )\n"
            "6 élèves en dessous de la moyenne\n"
            "Moyenne du Trimestre: 12.9 - 0 absent - Ecart type : 3.1\n"
            "0\t0\t0\t0\t0\t0\t0\t2\t1\t3\t1\t2\t3\t3\t5\t0\t1\t4\t0\t0\t0\n");
  EXPECT_EQ(Sortie({"statistiques", "--devoir", "3", Exemple}),
            "4EB / Mathématiques / Trim.1 / Devoir 3 ( 2026 / 2027 )\n"
            "Dev. 3 - mar. 3 nov. - Coef. 1 - 30mn - Calcul littéral\n"
            "Note max : 19 ( BERTRAND Jade )\n"
            "Note min : 7.5 ( RICHARD Nathan )\n"
            "6 notes en dessous de la moyenne\n"
            "Moyenne du devoir 13.3 - 1 absent - Ecart type : 3.6\n"
            "0\t0\t0\t0\t0\t0\t0\t1\t2\t3\t2\t1\t2\t1\t2\t3\t1\t3\t2\t1\t0\n");
  // No average in the second trimester: the caption alone.
  EXPECT_EQ(Sortie({"statistiques", Exemple, "--periode", "2"}), "Moyenne non calculable !\n");
  const std::string synthese = Sortie({"statistiques", Exemple, "--matiere", "4", "--periode", "4"});
  EXPECT_EQ(synthese.substr(0, synthese.find('\n')), "4EB / Synthèse / Année ( 2026 / 2027 )");

  // Options from a file: the school year left out of the title.
  test::TRepertoireTemp dir;
  const std::string ini = dir / "calevrin.ini";
  std::ofstream(ini) << "[Boolean]\nimprimerAnnee=0\n";
  const std::string sans = Sortie({"statistiques", Exemple, "--devoir", "1", "--options", ini});
  EXPECT_EQ(sans.substr(0, sans.find('\n')), "4EB / Mathématiques / Trim.1 / Devoir 1");
}

TEST(CliStatistiques, EvolutionEtBilan) {
  // The student's grades and average are those of the sheet's export.
  EXPECT_EQ(Sortie({"evolution", Exemple, "--eleve", "1"}),
            "4EB / Mathématiques / Trim.1 / ANDRÉ Rose ( 2026 / 2027 )\n"
            "1\t17\n2\t13.5\n3\t17\n4\t16\n5\t16.5\n6\t12.5\nmoy.\t14.9\n");
  EXPECT_EQ(Sortie({"evolution", Exemple, "--periode", "5", "--eleve", "5"}),
            "4EB / Mathématiques / Toute l'année / DAVID Raphaël ( 2026 / 2027 )\n"
            "1\t7.5\n2\t8.5\n3\tret\n4\t8\n5\t12\n6\t6.5\nmoy.\t8.7\n");
  EXPECT_EQ(Sortie({"evolution", Exemple, "--periode", "4", "--matiere", "3"}),
            "4EB / Technologie / Année ( 2026 / 2027 )\n1\t12.4\n2\t?\n3\t?\nmoy.\t12.4\n");
  EXPECT_EQ(Sortie({"evolution", Exemple, "--periode", "2"}), "Pas de notes ce Trimestre\nmoy.\t\n");

  EXPECT_EQ(Sortie({"bilan", Exemple}),
            "Moyenne de classe (4EB)\n"
            "\tTrim.1\tTrim.2\tTrim.3\tAnnée\n"
            "Mathématiques\t12.9\t\t\t12.9\n"
            "Physique-chimie\t12.8\t\t\t12.8\n"
            "Technologie\t12.4\t\t\t12.4\n"
            "Synthèse\t12.7\t\t\t12.7\n");
  const std::string eleve = Sortie({"bilan", "--eleve", "1", Exemple});
  EXPECT_EQ(eleve.substr(0, eleve.find('\n')), "Bilan complet / ANDRÉ Rose (4EB)");
  // The year weighs each subject by the sum of its coefficients: 4, 3 and 3 (the export's too).
  EXPECT_NE(eleve.find("\nSynthèse\t14.6\t\t\t14.5\n"), std::string::npos);
}

TEST(CliStatistiques, Refus) {
  // Outside the class: a French message and code 2, nothing printed.
  const std::vector<std::pair<std::vector<std::string>, std::string>> horsClasse = {
      {{"statistiques", Exemple, "--devoir", "7"},
       "Pas de devoir 7 dans cette matière et cette période (devoirs 1 à 6).\n"},
      {{"statistiques", Exemple, "--devoir", "1", "--periode", "4"},
       "Pas de devoir 1 dans cette matière et cette période (aucun devoir).\n"},
      {{"statistiques", Exemple, "--devoir", "1", "--matiere", "4"},
       "La synthèse n'a pas de devoirs : choisir une matière de 1 à 3.\n"},
      {{"statistiques", Exemple, "--matiere", "0"},
       "La classe n'a pas de matière 0 (matières 1 à 3, 4 pour la synthèse).\n"},
      {{"statistiques", Exemple, "--periode", "5"},
       "La classe n'a pas de période 5 (périodes 1 à 3, 4 pour l'année).\n"},
      {{"evolution", Exemple, "--matiere", "4"},
       "L'évolution des notes ne se montre pas pour la synthèse : choisir une matière de 1 à 3.\n"},
      {{"evolution", Exemple, "--eleve", "26"}, "La classe n'a pas d'élève 26 (élèves 1 à 25).\n"},
      {{"bilan", Exemple, "--eleve", "46"}, "La classe n'a pas d'élève 46 (élèves 1 à 25).\n"},
  };
  for (const auto& [a, message] : horsClasse) {
    const TResultat r = Cli(a);
    EXPECT_EQ(r.code, 2) << a[0];
    EXPECT_EQ(r.erreurs, message);
    EXPECT_EQ(r.sortie, "");
  }
  // Malformed: the usage.
  for (const auto& a : std::vector<std::vector<std::string>>{{"statistiques"},
                                                             {"statistiques", Exemple, "--eleve", "1"},
                                                             {"evolution", Exemple, "--devoir", "1"},
                                                             {"bilan", Exemple, "--matiere", "1"},
                                                             {"bilan", Exemple, "--eleve", "-1"},
                                                             {"bilan", Exemple, "--eleve", "1x"},
                                                             {"evolution", Exemple, "--periode", "1", "--periode", "2"},
                                                             {"statistiques", Exemple, "-o", "x"}}) {
    const TResultat r = Cli(a);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.erreurs.rfind("usage : calevrin-cli", 0), 0u);
  }
  EXPECT_EQ(Cli({"bilan", "/nulle/part.cl3"}).code, 1);
}
