#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "model/classe.h"
#include "tests/common/cli.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using namespace calevrin::test;

namespace {

// Subject 1, period 2 of the class: "DUPONT:12.3 MARTIN: ABEL:abs" for test k.
std::string Notes(const std::string& fichier, int k) {
  TClasse c;
  c.NomFichier = fichier;
  c.Charger();
  std::string r = std::to_string(c.NbDevoirs(1, 2)) + " devoirs,";
  for (int e = 1; e <= c.NbEleves(); ++e) r += " " + c.Eleve(e).Nom.Texte() + ":" + c.Eleve(e).Note(1, 2, k).Texte();
  return r;
}

}  // namespace

TEST(CliNotes, ImportEcritSeulementUnAppariementComplet) {
  TRepertoireTemp dir;
  const std::string classe = dir / "4B.cl3";
  std::ofstream(dir / "liste.csv") << "Nom;Prenom\nDupont;Jean\nMartin;Lea\nAbel;Eva\n";
  ASSERT_EQ(Cli({"nouvelle", dir / "liste.csv", classe}).code, 0);
  const std::string quiz = dir / "quiz-chapitre-3.csv";
  std::ofstream(quiz) << "Nom de famille;Pr\xC3\xA9nom;Note/10,00\nDupont;Jean;6,17\nAbel;Eva;Absent\n"
                         "Durand;Paul;5\n";

  // A row that finds nobody: the preview, and nothing written.
  const std::string avant = Contenu(classe);
  const TResultat r = Cli({"notes", classe, quiz, "--matiere", "1", "--periode", "2"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.sortie,
            "ligne 2 : Dupont Jean ; 6,17 -> DUPONT Jean : 12.3\n"
            "ligne 3 : Abel Eva ; Absent -> ABEL Eva : abs\n"
            "ligne 4 : Durand Paul ; 5 -> non trouvé : non trouvé\n"
            "sans ligne : MARTIN Lea : sans note\n"
            "3 lignes lues (UTF-8, séparateur point-virgule, ligne d'en-tête) : 2 notes à enregistrer, 1 ligne "
            "refusée, 1 élève sans note.\n");
  EXPECT_TRUE(Contient(r.erreurs, {"Rien n'est écrit"}));
  EXPECT_EQ(Contenu(classe), avant);

  // --partiel writes what was found, into a new test described by the options.
  const TResultat p = Cli(
      {"notes", classe, quiz, "--matiere", "1", "--periode", "2", "--partiel", "--coef", "2", "--date", "07/12/2026"});
  EXPECT_EQ(p.code, 0) << p.erreurs;
  EXPECT_TRUE(Contient(p.sortie, {classe + " : 2 notes enregistrées dans le devoir 1\n"}));
  EXPECT_EQ(Notes(classe, 1), "1 devoirs, DUPONT:12.3 MARTIN: ABEL:abs");
  TClasse c;
  c.NomFichier = classe;
  c.Charger();
  EXPECT_EQ(c.Devoir(1, 2, 1).Date.Texte(),
            "lun. 7 d\xE9"
            "c.");
  EXPECT_EQ(c.Devoir(1, 2, 1).Commentaire.Texte(), "Quiz chapitre 3");
  EXPECT_EQ(c.Devoir(1, 2, 1).Coef, 2);
  EXPECT_EQ(c.MatiereCourante() * 10 + c.PeriodeCourante(), 11);  // the saved view is kept

  // Into that test: kept, then replaced; a one-column table goes by the order of the list.
  std::ofstream(dir / "colonne.txt") << "15\n16\n17\n";
  EXPECT_EQ(Cli({"notes", classe, dir / "colonne.txt", "--matiere", "1", "--periode", "2", "--devoir", "1"}).code, 0);
  EXPECT_EQ(Notes(classe, 1), "1 devoirs, DUPONT:12.3 MARTIN:16 ABEL:abs");
  const TResultat remplacer =
      Cli({"notes", classe, dir / "colonne.txt", "--matiere", "1", "--periode", "2", "--devoir", "1", "--remplacer"});
  EXPECT_TRUE(Contient(remplacer.sortie, {"ligne 1 : (dans l'ordre) ; 15 -> DUPONT Jean : 15 (remplace 12.3)\n"}));
  EXPECT_EQ(Notes(classe, 1), "1 devoirs, DUPONT:15 MARTIN:16 ABEL:17");
}

TEST(CliNotes, RefusAvantToutEcriture) {
  TRepertoireTemp dir;
  const std::string classe = dir / "4B.cl3";
  std::ofstream(dir / "liste.csv") << "Nom;Prenom\nDupont;Jean\n";
  ASSERT_EQ(Cli({"nouvelle", dir / "liste.csv", classe}).code, 0);
  std::ofstream(dir / "n.csv") << "Dupont;12\n";
  const std::string avant = Contenu(classe);
  const auto notes = [&](std::vector<std::string> options) {
    std::vector<std::string> a{"notes", classe, dir / "n.csv"};
    a.insert(a.end(), options.begin(), options.end());
    return Cli(a).code;
  };
  EXPECT_EQ(notes({"--periode", "1"}), 2);
  EXPECT_EQ(notes({"--matiere", "1", "--periode", "4"}), 2);
  EXPECT_EQ(notes({"--matiere", "1", "--periode", "1", "--devoir", "1"}), 2);  // no test yet
  EXPECT_EQ(notes({"--matiere", "1", "--periode", "1", "--nouveau", "--devoir", "1"}), 2);
  EXPECT_EQ(notes({"--matiere", "1", "--periode", "1", "--sur", "0"}), 2);
  EXPECT_EQ(notes({"--matiere", "1", "--periode", "1", "--date", "31/02/2026"}), 2);
  EXPECT_EQ(Cli({"notes", classe, dir / "absent.csv", "--matiere", "1", "--periode", "1"}),
            Refus(1, "Impossible d'ouvrir le fichier " + dir / "absent.csv" + "\n"));

  // Held by a running program (this one), then left by a dead one.
  char machine[256] = {};
  ::gethostname(machine, sizeof machine - 1);
  std::ofstream(dir / ".4B.cl3.lock") << ::getpid() << "\ncalevrin\n" << machine << "\n";
  const TResultat tenue = Cli({"notes", classe, dir / "n.csv", "--matiere", "1", "--periode", "1"});
  EXPECT_EQ(tenue.code, 1);
  EXPECT_TRUE(Contient(tenue.erreurs, {"est ouverte dans le programme (processus "}));
  EXPECT_EQ(Contenu(classe), avant);
  std::ofstream(dir / ".4B.cl3.lock") << "2147483000\ncalevrin\n" << machine << "\n";
  EXPECT_EQ(notes({"--matiere", "1", "--periode", "1"}), 0);
  EXPECT_EQ(Notes(classe, 1).substr(0, 9), "0 devoirs");  // period 2 untouched
}
