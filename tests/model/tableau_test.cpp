#include "model/tableau.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "examples/exemple.h"
#include "model/classe.h"
#include "model/formatage.h"
#include "model/options.h"
#include "tests/common/fichiers.h"

using namespace calevrin;

namespace {

// Two students, subject 1 "Maths", subject 2 "Physique", trimesters.
std::unique_ptr<TClasse> PetiteClasse() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("4A");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Matiere(1).Nom.Affecter("Maths");
  c->Matiere(2).Nom.Affecter("Physique");
  c->Eleve(1).Nom.Affecter("DUPONT");
  c->Eleve(1).Prenom.Affecter("Jean");
  c->Eleve(2).Nom.Affecter("MARTIN");
  c->Eleve(2).Prenom.Affecter(
      "L\xE9"
      "a");
  c->FixerNbEleves(2);
  return c;
}

void Devoir(TClasse& c, int m, int p, double coef, const std::vector<std::string>& notes) {
  const int k = c.NbDevoirs(m, p) + 1;
  c.FixerNbDevoirs(m, p, k);
  c.Devoir(m, p, k).Coef = coef;
  for (std::size_t e = 0; e < notes.size(); ++e) c.Eleve(static_cast<int>(e) + 1).Note(m, p, k).Affecter(notes[e]);
}

TOptions Sobres() {
  TOptions o;
  o.prenom = false;
  o.textebas = false;
  o.imprimerAnnee = false;
  return o;
}

using test::Decouper;

std::vector<std::size_t> Champs(const std::string& texte) {
  std::vector<std::size_t> r;
  for (const std::string& ligne : Decouper(texte, '\r')) r.push_back(Decouper(ligne, '\t').size());
  return r;
}

}  // namespace

TEST(Tableau, VueDesDevoirs) {
  auto c = PetiteClasse();
  const TOptions sobres = Sobres();

  // One test, 12 and abs: three lines after the title, no CR at the end.
  Devoir(*c, 1, 1, 1.0, {"12", "abs"});
  EXPECT_EQ(TexteTableau(*c, sobres), "4A / Maths / Trim.1\rDUPONT\t12\t12\rMARTIN\tabs\t?\r\t12\t12");

  // A period without a test: the names, the averages and the class average.
  c->FixerPeriodeCourante(2);
  EXPECT_EQ(TexteTableau(*c, sobres), "4A / Maths / Trim.2\rDUPONT\t?\rMARTIN\t?\r\t?");

  // Joker, a letter grade, the tests' list and the school year. The class average under
  // the ordinary averages is the ordinary one (12.1, not the Joker 15.8); the Joker column
  // has no class average in the export.
  c->FixerPeriodeCourante(3);
  c->FixerJoker(true);
  Devoir(*c, 1, 3, 1.0, {"12", "B+"});
  Devoir(*c, 1, 3, 3.0, {"8", "abs"});
  Devoir(*c, 1, 3, 1.0, {"16", "10"});
  TDevoir& d1 = c->Devoir(1, 3, 1);
  d1.Date.Affecter("ven. 2 oct.");
  d1.Duree.Affecter("1h");
  d1.Commentaire.Affecter("Fractions");
  c->Devoir(1, 3, 2).Duree.Affecter("2h");
  c->Devoir(1, 3, 2).Commentaire.Affecter("Contr\xF4le\tcommun");
  TOptions o;
  EXPECT_EQ(TexteTableau(*c, o),
            "4A / Maths / Trim.3 ( 2026 / 2027 )\r"
            "DUPONT Jean\t12\t8\t16\t10.4\t14\r"
            "MARTIN L\xE9"
            "a\tB+\tabs\t10\t13.8\t17.5\r"
            "\t14.8\t8\t13\t12.1\r"
            "Num\tCoef.\tDur\xE9"
            "e\tDate\r"
            "1\t1\t1h\tven. 2 oct.\tFractions\r"
            "2\t3\t2h\t\tContr\xF4le commun\r"
            "3\t1\t\t\t\r"
            "Arrondi des moyennes: Aucun arrondi");
}

TEST(Tableau, SyntheseEtAnnee) {
  auto c = PetiteClasse();
  c->FixerNbMatieres(2);
  c->FixerArrondi(2);
  c->Matiere(1).Coef[1] = 2.0;
  c->Matiere(2).Coef[1] = 1.5;
  Devoir(*c, 1, 1, 1.0, {"12", "9"});
  Devoir(*c, 2, 1, 1.0, {"15", "abs"});
  const TOptions o = Sobres();

  c->FixerMatiereCourante(4);
  // Synthesis of DUPONT: (12 x 2 + 15 x 1.5) / 3.5 = 13.29, shown 13; class 10.5 shows 11.
  EXPECT_EQ(TexteTableau(*c, o),
            "4A / Synth\xE8se / Trim.1\r\tMaths\tPhysique\r\t2\t1.5\r"
            "DUPONT\t12\t15\t13\rMARTIN\t9\t?\t9\r\t11\t15\t11");
  // The year: coefficients summed over the periods, (12 x 4 + 15 x 3.5) / 7.5 = 13.4.
  c->FixerPeriodeCourante(4);
  EXPECT_EQ(TexteTableau(*c, o),
            "4A / Synth\xE8se / Ann\xE9"
            "e\r\tMaths\tPhysique\r\t2+1+1\t1.5+1+1\r"
            "DUPONT\t12\t15\t13\rMARTIN\t9\t?\t9\r\t11\t15\t11");
  c->FixerNbPeriodes(2);
  EXPECT_EQ(Decouper(TexteTableau(*c, o), '\r').at(2), "\t2+1\t1.5+1");

  // Year view of a subject with semesters, Joker on: DUPONT's first semester is 12, his
  // 8 being dropped; his year (12 x 2 + 14) / 3.
  c->FixerMatiereCourante(1);
  c->FixerArrondi(0);
  c->FixerJoker(true);
  Devoir(*c, 1, 1, 1.0, {"8", ""});
  Devoir(*c, 1, 2, 1.0, {"14", "10"});
  EXPECT_EQ(TexteTableau(*c, o),
            "4A / Maths / Ann\xE9"
            "e\r\tSem. 1\tSem. 2\r\t2\t1\r"
            "DUPONT\t12\t14\t12.7\rMARTIN\t9\t10\t9.3\r\t10.5\t12\t11");
  c->FixerJoker(false);
  EXPECT_EQ(Decouper(TexteTableau(*c, o), '\r').at(3), "DUPONT\t10\t14\t11.3");
}

// Every view of the sample class, Joker on: a rectangular table, whatever the view.
TEST(Tableau, StructureDeChaqueVue) {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  c->FixerJoker(true);
  c->Eleve(3).Nom.Affecter("BER\tTRAND\r");  // a stray separator cannot shift the columns
  const TOptions o;
  const int n = c->NbEleves();
  for (int s = 1; s <= 4; ++s)
    for (int p = 1; p <= 4; ++p) {
      SCOPED_TRACE(std::to_string(s) + "/" + std::to_string(p));
      c->FixerMatiereCourante(s);
      c->FixerPeriodeCourante(p);
      const std::string t = TexteTableau(*c, o);
      EXPECT_EQ(t.find('\n'), std::string::npos);
      // Fields per line: the title; then a student per line, the averages and the tests' list,
      // or the headings of the synthesis and the year.
      std::vector<std::size_t> attendu{1};
      if (s <= 3 && p <= 3) {
        const std::size_t m = static_cast<std::size_t>(c->NbDevoirs(s, p));
        attendu.insert(attendu.end(), static_cast<std::size_t>(n), m + 3);
        attendu.insert(attendu.end(), {m + 2, 4});
        attendu.insert(attendu.end(), m, 5);
        attendu.push_back(1);
      } else {
        attendu.insert(attendu.end(), {4, 4});
        attendu.insert(attendu.end(), static_cast<std::size_t>(n) + 1, 5);
      }
      EXPECT_EQ(Champs(t), attendu);
    }

  // Counts beyond the limits of a damaged file are read clamped.
  c->Bruts().NbEleves = 60;
  c->Bruts().NbDevoirs[0] = 30;
  c->FixerMatiereCourante(1);
  c->FixerPeriodeCourante(1);
  const auto lignes = Decouper(TexteTableau(*c, o), '\r');
  ASSERT_EQ(lignes.size(), static_cast<std::size_t>(1 + MaxEleves + 1 + 1 + MaxDevoirs + 1));
  EXPECT_EQ(Decouper(lignes[MaxEleves], '\t').size(), static_cast<std::size_t>(MaxDevoirs + 3));
}
