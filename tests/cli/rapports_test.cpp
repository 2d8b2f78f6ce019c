// classement, ages, anniversaires, statistiques, evolution and bilan on the bundled class
// (25 students, tests in the first trimester only, stored showing Maths).
#include <gtest/gtest.h>

#include "tests/common/cli.h"
#include "tests/common/fichiers.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

std::string Sortie(const std::string& ligne) {
  const TResultat r = Commande(ligne);
  EXPECT_TRUE(r.code == 0 && r.erreurs.empty()) << r.erreurs;
  return r.sortie;
}

}  // namespace

TEST(CliClassement, ClasseExemple) {
  const std::string r = Sortie("classement X");
  EXPECT_EQ(r.find('\n'), std::string::npos);
  const auto l = Decouper(r, '\r');
  ASSERT_EQ(l.size(), 2u + 25 + 1);  // title, heading, the students, then nothing after the last CR
  EXPECT_EQ(l[0], "4EB / Mathématiques / Trim.1 ( 2026 / 2027 )");
  EXPECT_EQ(l[1], "Rang\tElève\tMoyenne\tAbsence");
  EXPECT_EQ(l[7], " 6\t ANDRÉ Rose\t 14.9\t");
  EXPECT_EQ(l[24], " 23\t DAVID Raphaël\t 8.7\t 1");
  const auto s = Decouper(Sortie("classement --sans-absents X"), '\r');
  ASSERT_EQ(s.size(), 28u);
  EXPECT_EQ(s[25], " n.c.\t RICHARD Nathan\t\t 1");
  EXPECT_EQ(s[26], " n.c.\t DAVID Raphaël\t\t 1");
}

TEST(CliAges, ClasseExemple) {
  const std::string r = Sortie("ages X --date 2026-12-07");
  EXPECT_EQ(r.find('\r'), std::string::npos);
  const auto l = Decouper(r, '\n');
  ASSERT_EQ(l.size(), 1u + 25 + 1 + 1);
  EXPECT_EQ(l[0], "  Elève\t  Né(e) le\t  Age");
  EXPECT_EQ(l[1], " LEROY Camille\t 16 janvier 2012\t 14 ans 10 mois");
  EXPECT_EQ(l[26], "Moyenne d'âge de la classe : 13 ans 5 mois");
  EXPECT_EQ(l[27], "");
  EXPECT_EQ(Sortie("anniversaires X --date 2026-12-07"),
            "DURAND Théo va avoir 13 ans samedi 12\nROBERT Emma va avoir 13 ans samedi 26\n");
}

TEST(CliStatistiques, RepartitionEvolutionEtBilan) {
  // Without --devoir, the averages: the caption, four legend lines, the counts of 0 to 20.
  const auto moyennes = Decouper(Sortie("statistiques X"), '\n');
  ASSERT_EQ(moyennes.size(), 7u);
  EXPECT_EQ(moyennes[1], "Moyenne max : 17.6 ( LEFÈVRE Zoé )");
  EXPECT_EQ(moyennes[5], "0\t0\t0\t0\t0\t0\t0\t2\t1\t3\t1\t2\t3\t3\t5\t0\t1\t4\t0\t0\t0");
  EXPECT_EQ(Sortie("statistiques --devoir 3 X"),
            "4EB / Mathématiques / Trim.1 / Devoir 3 ( 2026 / 2027 )\n"
            "Dev. 3 - mar. 3 nov. - Coef. 1 - 30mn - Calcul littéral\n"
            "Note max : 19 ( BERTRAND Jade )\n"
            "Note min : 7.5 ( RICHARD Nathan )\n"
            "6 notes en dessous de la moyenne\n"
            "Moyenne du devoir 13.3 - 1 absent - Ecart type : 3.6\n"
            "0\t0\t0\t0\t0\t0\t0\t1\t2\t3\t2\t1\t2\t1\t2\t3\t1\t3\t2\t1\t0\n");
  // No average in the second trimester: the caption alone.
  EXPECT_EQ(Sortie("statistiques X --periode 2"), "Moyenne non calculable !\n");

  // The student's grades and average are those of the sheet's export.
  EXPECT_EQ(Sortie("evolution X --periode 5 --eleve 5"),
            "4EB / Mathématiques / Toute l'année / DAVID Raphaël ( 2026 / 2027 )\n"
            "1\t7.5\n2\t8.5\n3\tret\n4\t8\n5\t12\n6\t6.5\nmoy.\t8.7\n");
  EXPECT_EQ(Sortie("evolution X --periode 2"), "Pas de notes ce Trimestre\nmoy.\t\n");
  EXPECT_EQ(Sortie("bilan X"),
            "Moyenne de classe (4EB)\n"
            "\tTrim.1\tTrim.2\tTrim.3\tAnnée\n"
            "Mathématiques\t12.9\t\t\t12.9\n"
            "Physique-chimie\t12.8\t\t\t12.8\n"
            "Technologie\t12.4\t\t\t12.4\n"
            "Synthèse\t12.7\t\t\t12.7\n");
  // The year weighs each subject by the sum of its coefficients: 4, 3 and 3 (the export's too).
  EXPECT_TRUE(
      Contient(Sortie("bilan --eleve 1 X"), {"Bilan complet / ANDRÉ Rose (4EB)\n", "\nSynthèse\t14.6\t\t\t14.5\n"}));
}

// Outside the class: a French message and code 2, nothing printed. Words split on spaces, X
// for the sample class.
TEST(CliStatistiques, HorsDeLaClasse) {
  const char* const cas[][2] = {
      {"statistiques X --devoir 7", "Pas de devoir 7 dans cette matière et cette période (devoirs 1 à 6)."},
      {"statistiques X --devoir 1 --periode 4", "Pas de devoir 1 dans cette matière et cette période (aucun devoir)."},
      {"statistiques X --devoir 1 --matiere 4", "La synthèse n'a pas de devoirs : choisir une matière de 1 à 3."},
      {"statistiques X --matiere 0", "La classe n'a pas de matière 0 (matières 1 à 3, 4 pour la synthèse)."},
      {"statistiques X --periode 5", "La classe n'a pas de période 5 (périodes 1 à 3, 4 pour l'année)."},
      {"evolution X --matiere 4",
       "L'évolution des notes ne se montre pas pour la synthèse : choisir une matière de 1 à 3."},
      {"evolution X --eleve 26", "La classe n'a pas d'élève 26 (élèves 1 à 25)."},
      {"bilan X --eleve 46", "La classe n'a pas d'élève 46 (élèves 1 à 25)."},
  };
  for (const auto& [ligne, message] : cas) EXPECT_EQ(Commande(ligne), Refus(2, message + std::string("\n"))) << ligne;
}
