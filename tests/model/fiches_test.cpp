#include "model/fiches.h"

#include <gtest/gtest.h>

#include <memory>

#include "examples/exemple.h"
#include "model/classement.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "tests/common/cinqeleves.h"

using namespace calevrin;

namespace {

const TDateJour Aujourdhui{2027, 1, 15};

// Two subjects, trimesters. Maths has two tests in trimester 1:
// AA 12 12, BB 15 15, CC 12 12, DD abs and nothing, EE 10 abs. French has one: only BB, 8.
std::unique_ptr<TClasse> Classe() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("3A");
  c->AnneeScolaire.Affecter("2026 / 2027");
  c->Professeur.Affecter("M. Martin");
  c->Matiere(1).Nom.Affecter("Maths");
  c->Matiere(2).Nom.Affecter(
      "Fran\xE7"
      "ais");
  for (int m = 1; m <= 2; ++m)
    for (int p = 1; p <= 3; ++p) c->Matiere(m).Coef[static_cast<std::size_t>(p)] = 1;
  c->FixerNbMatieres(2);
  c->FixerNbPeriodes(3);
  test::PlacerCinqEleves(*c);
  c->Eleve(1).DateNaissance.Affecter("05032012");
  c->Eleve(2).Note(2, 1, 1).Affecter("8");
  c->FixerNbDevoirs(2, 1, 1);
  c->Devoir(1, 1, 1).Date.Affecter("lun. 5 oct.");
  c->Devoir(1, 1, 1).Commentaire.Affecter("Fractions");
  c->Devoir(1, 1, 2).Coef = 2;
  return c;
}

std::string Ligne(const TLigneNotesFiche& l) {
  return l.Numero + "|" + l.Date + "|" + l.Commentaire + "|" + l.Coef + "|" + l.Note + "|" + l.MoyenneClasse;
}
std::string Ligne(const TMoyenneFiche& m) {
  return m.Libelle + "|" + m.TexteEleve + "|" + m.Classe + "|" + m.Basse + "|" + m.Haute + "|" + m.TexteRang + "|" +
         std::to_string(m.Absences);
}

}  // namespace

TEST(Fiches, ContenuDesPages) {
  const auto c = Classe();
  const std::vector<TFicheEleve> f = CalculerFiches(*c, 1, {1, 4, 9}, Options, Aujourdhui);
  ASSERT_EQ(f.size(), 2u);  // a student beyond the class is skipped

  const TFicheEleve& a = f[0];
  EXPECT_EQ(a.Classe + "|" + a.AnneeScolaire + "|" + a.Professeur + "|" + a.Periode + "|" + a.Nom + "|" + a.Naissance +
                "|" + a.Age,
            "3A|2026 / 2027|M. Martin|Trimestre 1|AA Ana|05 mars 2012|14 ans 10 mois");
  EXPECT_EQ(a.PasDeNotes, "");
  ASSERT_EQ(a.Notes.size(), 2u);
  EXPECT_EQ(a.Notes[0].Matiere, "Maths");
  ASSERT_EQ(a.Notes[0].Lignes.size(), 2u);
  EXPECT_EQ(Ligne(a.Notes[0].Lignes[0]), "1|lun. 5 oct.|Fractions|1|12|12.3");
  EXPECT_EQ(Ligne(a.Notes[0].Lignes[1]), "2|||2|12|13");
  EXPECT_EQ(Ligne(a.Notes[1].Lignes[0]), "1|||1||8");  // no grade: the empty text as typed
  ASSERT_EQ(a.Moyennes.size(), 3u);
  // AA and CC share the second rank among the four who have an average.
  EXPECT_EQ(Ligne(a.Moyennes[0]), "Maths|12|12.3|10|15|2 ex \xE6quo / 4|0");
  EXPECT_EQ(Ligne(a.Moyennes[1]),
            "Fran\xE7"
            "ais|?|8|8|8|-|1");
  EXPECT_EQ(Ligne(a.Moyennes[2]), "Synth\xE8se|12|11.4|10|12|1 ex \xE6quo / 4|1");

  // DD: codes and an empty cell as typed, no average, three missing grades, no birth date.
  const TFicheEleve& d = f[1];
  EXPECT_EQ(d.Naissance + "|" + d.Age, "??|");
  EXPECT_EQ(d.Notes[0].Lignes[0].Note + "|" + d.Notes[0].Lignes[1].Note, "abs|");
  EXPECT_EQ(Ligne(d.Moyennes[0]), "Maths|?|12.3|10|15|-|2");
  EXPECT_EQ(Ligne(d.Moyennes[2]), "Synth\xE8se|?|11.4|10|12|-|3");

  // The evolution graph of each subject: the student's grades, the class's line.
  ASSERT_EQ(d.Graphes.size(), 2u);
  EXPECT_EQ(d.Graphes[0].Caption, "Maths");
  ASSERT_EQ(d.Graphes[0].NbBarre(), 2);
  EXPECT_EQ(d.Graphes[0].Barres[0].Texte, "abs");
  EXPECT_TRUE(d.Graphes[0].Moy);
  EXPECT_DOUBLE_EQ(d.Graphes[0].BarreMoy.Valeur, MoyenneClasse(*c, 1, 1, false, Options));

  // The year: one row per period, with the period's averages.
  const TFicheEleve an = CalculerFiches(*c, 4, {1}, Options, Aujourdhui)[0];
  EXPECT_EQ(an.Periode,
            "Ann\xE9"
            "e");
  ASSERT_EQ(an.Notes[0].Lignes.size(), 3u);
  EXPECT_EQ(Ligne(an.Notes[0].Lignes[0]), "1||Trimestre 1|1|12|12.3");
  EXPECT_EQ(Ligne(an.Notes[0].Lignes[1]), "2||Trimestre 2|1|?|?");
  EXPECT_EQ(an.Graphes[0].NbBarre(), 3);
}

TEST(Fiches, PeriodesSansNotesEtNomDuFichier) {
  auto c = Classe();
  const TFicheEleve t2 = CalculerFiches(*c, 2, {1}, Options, Aujourdhui)[0];
  EXPECT_EQ(t2.PasDeNotes, "Pas de notes ce Trimestre");
  EXPECT_EQ(t2.Graphes[0].Caption, "Pas de notes ce Trimestre");
  EXPECT_EQ(CalculerFiches(*c, 3, {}, Options, Aujourdhui).size(), 5u);  // the whole class

  // A subject without a test beside one with tests: only its own table is empty.
  c->FixerNbDevoirs(2, 1, 0);
  const TFicheEleve t1 = CalculerFiches(*c, 1, {1}, Options, Aujourdhui)[0];
  EXPECT_EQ(t1.PasDeNotes, "");
  EXPECT_TRUE(t1.Notes[1].Lignes.empty());
  EXPECT_EQ(t1.SansNotes, "Pas de notes ce Trimestre");

  c->FixerNbPeriodes(2);
  EXPECT_EQ(CalculerFiches(*c, 2, {1}, Options, Aujourdhui)[0].PasDeNotes, "Pas de notes ce Semestre");
  EXPECT_TRUE(CalculerFiches(*c, 3, {}, Options, Aujourdhui).empty());  // no third semester
  EXPECT_EQ(PeriodesFiches(*c), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(NomFichierFiches("3A", *c, 2), "3A - fiches Semestre 2.pdf");
  EXPECT_EQ(NomFichierFiches("3A", *c, 4),
            "3A - fiches Ann\xE9"
            "e.pdf");

  c->FixerNbEleves(0);
  EXPECT_TRUE(CalculerFiches(*c, 1, {}, Options, Aujourdhui).empty());
}

// Ranks, averages and missing grades as the ranking dialog and the sheet give them, in every
// view of the sample class with its Joker and a rounding to the half point.
TEST(Fiches, ChiffresDuClassementEtDeLaFeuille) {
  TClasse c;
  GenererExemple(c);
  c.FixerJoker(true);
  c.FixerArrondi(5);
  for (const int p : PeriodesFiches(c)) {
    const std::vector<TFicheEleve> fiches = CalculerFiches(c, p, {}, Options, Aujourdhui);
    ASSERT_EQ(static_cast<int>(fiches.size()), c.NbEleves());
    for (int i = 0; i < c.NbMatieres() + 1; ++i) {
      const int m = i == c.NbMatieres() ? 4 : i + 1;
      const TClassement r = Classer(c, m, p, false, Options);
      for (std::size_t row = 0; row < r.Eleves.size(); ++row) {
        const int e = r.Eleves[row];
        const TMoyenneFiche& f = fiches[static_cast<std::size_t>(e - 1)].Moyennes[static_cast<std::size_t>(i)];
        const std::string rang = f.Rang == 0 ? "" : " " + std::to_string(f.Rang);
        const std::string absences = f.Absences == 0 ? "" : " " + std::to_string(f.Absences);
        EXPECT_EQ(rang + "|" + absences, r.Lignes[row][0] + "|" + r.Lignes[row][3]) << p << " " << m << " " << e;
        EXPECT_EQ(f.TexteEleve, FormaterMoyenne(5, Moyenne(c, m, p, e, true, Options)));
        EXPECT_EQ(f.Classe, FormaterMoyenne(5, MoyenneClasse(c, m, p, true, Options)));
      }
    }
  }
}
