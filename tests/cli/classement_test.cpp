#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "model/classe.h"
#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using test::Cli;
using test::TResultat;

namespace {

const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

}  // namespace

TEST(CliClassement, ClasseExemple) {
  const TResultat r = Cli({"classement", Exemple});
  ASSERT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.find('\n'), std::string::npos);
  const auto l = test::Decouper(r.sortie, '\r');
  ASSERT_EQ(l.size(), 2u + 25 + 1);  // title, heading, the students, then nothing after the last CR
  EXPECT_EQ(l[0], "4EB / Mathématiques / Trim.1 ( 2026 / 2027 )");
  EXPECT_EQ(l[1], "Rang\tElève\tMoyenne\tAbsence");
  EXPECT_EQ(l[7], " 6\t ANDRÉ Rose\t 14.9\t");
  EXPECT_EQ(l[24], " 23\t DAVID Raphaël\t 8.7\t 1");
  EXPECT_EQ(l.back(), "");

  const auto s = test::Decouper(Cli({"classement", "--sans-absents", Exemple}).sortie, '\r');
  ASSERT_EQ(s.size(), 28u);
  EXPECT_EQ(s[25], " n.c.\t RICHARD Nathan\t\t 1");
  EXPECT_EQ(s[26], " n.c.\t DAVID Raphaël\t\t 1");
  EXPECT_EQ(
      Cli({"classement", Exemple, "--matiere", "4", "--periode", "4"}).sortie.rfind("4EB / Synthèse / Année (", 0), 0u);
}

TEST(CliClassement, VueHorsDeLaClasseEtArguments) {
  test::TRepertoireTemp dir;
  auto c = std::make_unique<TClasse>();
  c->NomFichier = dir / "5c.cl3";
  c->Abreviation.Affecter("5C");
  c->Matiere(1).Nom.Affecter("Histoire");
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(2);
  c->Eleve(1).Nom.Affecter("andr\xC9");
  c->Eleve(1).Prenom.Affecter(
      "l\xE9"
      "A");
  c->FixerNbEleves(1);
  c->Enregistrer(false);
  const std::string f = c->NomFichier;
  const std::string ini = dir / "calevrin.ini";
  std::ofstream(ini) << "[Boolean]\nimprimerAnnee=0\n";

  // Names normalised as on opening.
  EXPECT_EQ(Cli({"classement", f, "--periode", "1", "--options", ini}).sortie,
            "5C / Histoire / Sem.1\rRang\tElève\tMoyenne\tAbsence\rPas\tde note ce Semestre\t\t\r");
  EXPECT_EQ(Cli({"classement", f, "--matiere", "4", "--options", ini}).sortie,
            "5C / Synthèse / Sem.1\rRang\tElève\tMoyenne\tAbsence\r\t ANDRÉ Léa\t ??\t\r");
  const TResultat m = Cli({"classement", f, "--matiere", "2"});
  EXPECT_EQ(m.code, 2);
  EXPECT_EQ(m.erreurs, "La matière 2 n'existe pas dans cette classe (matière 1, 4 pour la synthèse).\n");
  const TResultat p = Cli({"classement", f, "--periode", "3"});
  EXPECT_EQ(p.code, 2);
  EXPECT_EQ(p.erreurs, "La période 3 n'existe pas dans cette classe (semestres 1 à 2, 4 pour l'année).\n");
  EXPECT_EQ(m.sortie + p.sortie, "");

  for (const auto& mauvais :
       std::vector<std::vector<std::string>>{{"classement"},
                                             {"classement", f, "--matiere", "5"},
                                             {"classement", f, "--sans-absents", "--sans-absents"},
                                             {"classement", f, "-o", "x"},
                                             {"ages", f, "--date"},
                                             {"ages", f, "--matiere", "1"},
                                             {"anniversaires", f, f}}) {
    const TResultat u = Cli(mauvais);
    EXPECT_EQ(u.code, 2) << mauvais.size();
    EXPECT_EQ(u.erreurs.rfind("usage : calevrin-cli " + mauvais[0], 0), 0u) << u.erreurs;
  }
  const TResultat d = Cli({"ages", f, "--date", "2026-02-30"});
  EXPECT_EQ(d.code, 2);
  EXPECT_EQ(d.erreurs, "Date incorrecte : 2026-02-30 (AAAA-MM-JJ attendu)\n");
  EXPECT_EQ(Cli({"anniversaires", "/nulle/part.cl3"}).code, 1);
}

TEST(CliAges, ClasseExemple) {
  const TResultat r = Cli({"ages", Exemple, "--date", "2026-12-07"});
  ASSERT_EQ(r.code, 0) << r.erreurs;
  EXPECT_EQ(r.sortie.find('\r'), std::string::npos);
  const auto l = test::Decouper(r.sortie, '\n');
  ASSERT_EQ(l.size(), 1u + 25 + 1 + 1);
  EXPECT_EQ(l[0], "  Elève\t  Né(e) le\t  Age");
  EXPECT_EQ(l[1], " LEROY Camille\t 16 janvier 2012\t 14 ans 10 mois");
  EXPECT_EQ(l[26], "Moyenne d'âge de la classe : 13 ans 5 mois");
  EXPECT_EQ(l[27], "");

  EXPECT_EQ(Cli({"anniversaires", Exemple, "--date", "2026-12-07"}).sortie,
            "DURAND Théo va avoir 13 ans samedi 12\nROBERT Emma va avoir 13 ans samedi 26\n");
}
