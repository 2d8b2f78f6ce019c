#include "model/moyennes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/alertes.h"
#include "model/difference.h"
#include "model/fichierclasse.h"
#include "model/figures.h"
#include "tests/common/fichiers.h"
#include "tests/common/remplacement.h"

using namespace calevrin;

namespace {

using TTextes = std::vector<std::vector<std::string>>;

// Subject m, period p: tests of these coefficients, and the grades of students 1, 2, ...
void Remplir(TClasse& c, int m, int p, const std::vector<double>& coefs, const TTextes& notes = {}) {
  c.FixerNbDevoirs(m, p, static_cast<int>(coefs.size()));
  for (std::size_t k = 0; k < coefs.size(); ++k) c.Devoir(m, p, static_cast<int>(k) + 1).Coef = coefs[k];
  for (std::size_t e = 0; e < notes.size(); ++e)
    for (std::size_t k = 0; k < notes[e].size(); ++k)
      c.Eleve(static_cast<int>(e) + 1).Note(m, p, static_cast<int>(k) + 1).Affecter(notes[e][k]);
}

std::unique_ptr<TClasse> Classe(int eleves) {
  auto c = std::make_unique<TClasse>();
  c->FixerNbEleves(eleves);
  return c;
}

}  // namespace

TEST(Moyennes, MoyenneEleveEtJoker) {
  TOptions o;
  auto c = Classe(4);
  Remplir(*c, 1, 1, {1, 3}, {{"12", "8"}, {"abs", "14"}, {"ret", ""}});
  EXPECT_EQ(MoyenneEleve(*c, 1, 1, 1, false, o), 9);
  EXPECT_EQ(MoyenneJoker(*c, 1, 1, 1, o), 12);  // the 8 goes with its coefficient 3
  EXPECT_EQ(MoyenneJoker(*c, 1, 1, 2, o), 14);  // a single grade is never ignored
  EXPECT_EQ(MoyenneEleve(*c, 1, 1, 3, true, o), PasDeMoyenne);
  EXPECT_EQ(NbAbsences(*c, 1, 1, 3, o), 2);
  // Of equal lowest grades the first is ignored, with its own coefficient.
  Remplir(*c, 1, 2, {1, 3, 1}, {{"10", "10", "16"}, {"10", "10"}});
  EXPECT_EQ(MoyenneJoker(*c, 1, 2, 1, o), (30.0 + 16) / 4);
  EXPECT_EQ(MoyenneJoker(*c, 1, 2, 2, o), 10);
  // Coefficients 0, 0.5 and 2, a letter, codes, a grade beyond notemax (averages never clamp);
  // the coefficient-0 grade 1 is not the Joker's lowest, the 7.5 is.
  Remplir(*c, 2, 1, {0.5, 2, 0, 1, 1, 1}, {{"B+", "25", "1", "disp", "excu", "7.5"}, {"abs", "x", "12", "", "2,5"}});
  EXPECT_DOUBLE_EQ(MoyenneEleve(*c, 2, 1, 1, false, o), (8.75 + 50 + 7.5) / 3.5);
  EXPECT_DOUBLE_EQ(MoyenneEleve(*c, 2, 1, 1, true, o), (8.75 + 50) / 2.5);
  EXPECT_EQ(MoyenneEleve(*c, 2, 1, 2, false, o), PasDeMoyenne);  // its only grade has coefficient 0
  EXPECT_EQ(NbAbsences(*c, 2, 1, 2, o), 5);
  o.utiliserL = false;
  EXPECT_DOUBLE_EQ(MoyenneEleve(*c, 2, 1, 1, false, o), 57.5 / 3);
  // A slot past NbDevoirs is not a test; an empty period has no average.
  c->Eleve(1).Note(1, 1, 3).Affecter("0");
  EXPECT_EQ(MoyenneEleve(*c, 1, 1, 1, false, o), 9);
  EXPECT_EQ(MoyenneEleve(*c, 3, 1, 1, true, o), PasDeMoyenne);
  EXPECT_EQ(MoyenneEleve(*c, 0, 1, 1, false, o), PasDeMoyenne);
}

TEST(Moyennes, DonneesEndommagees) {
  TOptions o;
  o.cores[1] = {"Z", 1.7e308};
  o.cores[2] = {"N", std::numeric_limits<double>::quiet_NaN()};
  auto c = Classe(3);
  const auto moyenne = [&](const std::vector<double>& coefs, const std::vector<std::string>& notes, bool joker) {
    Remplir(*c, 1, 1, coefs, {notes});
    return MoyenneEleve(*c, 1, 1, 1, joker, o);
  };
  EXPECT_EQ(moyenne({1, -1}, {"12", "8"}, false), PasDeMoyenne);
  EXPECT_EQ(moyenne({0.1, 0.2, -0.3}, {"12", "8", "3"}, false), PasDeMoyenne);  // zero up to rounding
  EXPECT_EQ(moyenne({2, -1, 1}, {"10", "4", "1"}, false), 8.5);
  EXPECT_EQ(moyenne({2, -1, 1}, {"10", "4", "1"}, true), 16);
  EXPECT_EQ(moyenne({1, 1, -1}, {"5", "4", "6"}, true), PasDeMoyenne);  // C = 0 once the 4 is dropped
  EXPECT_EQ(moyenne({2, -1}, {"Z", "0"}, false), PasDeMoyenne);         // beyond a Double
  EXPECT_EQ(moyenne({1, 1}, {"N", "3"}, false), PasDeMoyenne);
  EXPECT_EQ(moyenne({std::numeric_limits<double>::infinity(), 1}, {"3", "3"}, false), PasDeMoyenne);
  EXPECT_EQ(moyenne({1}, {"9E99"}, false), 9e99);

  // Counts beyond their limits in a loaded file are read clamped.
  Remplir(*c, 2, 1, std::vector<double>(MaxDevoirs, 1.0));
  for (int e = 1; e <= MaxEleves; ++e)
    for (int k = 1; k <= MaxDevoirs; ++k) c->Eleve(e).Note(2, 1, k).Affecter(std::to_string(e % 20));
  c->Bruts().NbDevoirs[3] = 200;
  c->Bruts().NbEleves = 250;
  c->Bruts().NbPeriodes = 9;
  EXPECT_EQ(MoyenneEleve(*c, 2, 1, 7, false, o), 7);
  EXPECT_DOUBLE_EQ(MoyenneDevoir(*c, 2, 1, 24, o), 395.0 / 45);
  EXPECT_DOUBLE_EQ(MoyenneClasse(*c, 2, 1, false, o), 395.0 / 45);
  EXPECT_EQ(NbDevoirsAnnee(*c, 2), 24);
  EXPECT_EQ(MoyenneDevoir(*c, 2, 1, 25, o), PasDeMoyenne);
}

TEST(Moyennes, AnneeEtSynthese) {
  const TOptions o;
  auto c = Classe(2);
  TMatiere& m1 = c->Matiere(1);
  m1.Coef[3] = 2;
  // Trimesters 8, 9, 28/3 plainly and 11, 12, 14 with the Joker, weighted 1, 1, 2.
  Remplir(*c, 1, 1, {1, 1, 1}, {{"10", "12", "2"}});
  Remplir(*c, 1, 2, {1, 1, 1}, {{"12", "3", "12"}});
  Remplir(*c, 1, 3, {1, 1, 1}, {{"14", "14", "0"}});
  EXPECT_DOUBLE_EQ(MoyenneAnnuelle(*c, 1, 1, false, o), (8 + 9 + 2 * 28.0 / 3) / 4);
  EXPECT_EQ(Moyenne(*c, 1, 4, 1, true, o), (11 + 12 + 28) / 4.0);
  Remplir(*c, 1, 1, {1}, {{"10"}});
  Remplir(*c, 1, 2, {1}, {{"abs"}});  // a period without an average takes its weight away
  Remplir(*c, 1, 3, {1}, {{"14"}});
  EXPECT_EQ(MoyenneAnnuelle(*c, 1, 1, false, o), (10 + 28) / 3.0);
  c->FixerNbPeriodes(2);  // semesters: period 3 is left out
  EXPECT_EQ(MoyenneAnnuelle(*c, 1, 1, false, o), 10);
  c->FixerNbPeriodes(3);
  Remplir(*c, 1, 2, {1}, {{"12"}});
  EXPECT_EQ(MoyenneAnnuelle(*c, 1, 1, false, o), 12.5);

  // Synthesis over NbMatieres subjects, with their coefficients for the period.
  c->Matiere(2).Coef[1] = 3;
  c->Matiere(2).Coef[3] = 0.5;
  c->Matiere(3).Coef[1] = 2;
  Remplir(*c, 2, 1, {1}, {{"18"}});
  Remplir(*c, 2, 3, {1}, {{"6"}});
  Remplir(*c, 3, 1, {1}, {{"4"}});
  EXPECT_EQ(MoyenneSynthese(*c, 1, 1, false, o), (10 + 54 + 8) / 6.0);
  EXPECT_EQ(Moyenne(*c, 4, 2, 1, true, o), 12);
  EXPECT_EQ(MoyenneSynthese(*c, 2, 2, false, o), PasDeMoyenne);
  // Year synthesis: each subject's year average weighs the sum of its period coefficients,
  // also of periods without an average (subject 3: 2 + 1 + 1 for its single 4).
  const double a2 = (54 + 3.0) / 3.5;
  EXPECT_DOUBLE_EQ(MoyenneSyntheseAnnuelle(*c, 1, false, o), (12.5 * 4 + a2 * 4.5 + 4 * 4) / 12.5);
  c->FixerNbMatieres(2);
  EXPECT_EQ(MoyenneSynthese(*c, 1, 1, false, o), (10 + 54) / 4.0);
  EXPECT_DOUBLE_EQ(Moyenne(*c, 4, 4, 1, false, o), (12.5 * 4 + a2 * 4.5) / 8.5);
  EXPECT_EQ(MoyenneSyntheseAnnuelle(*c, 2, false, o), PasDeMoyenne);
}

TEST(Moyennes, DevoirClasseAbsencesEtComptes) {
  const TOptions o;
  int bips = 0;
  const test::TRemplacement alertes(RemplacerAlertes, {{}, [&] { ++bips; }});
  auto c = Classe(4);
  Remplir(*c, 1, 1, {2, 1}, {{"12", "abs"}, {"A", "9"}, {"disp", "15"}});
  EXPECT_EQ(MoyenneDevoir(*c, 1, 1, 1, o), (12 + 19) / 2.0);  // no coefficient, codes left out
  EXPECT_EQ(MoyenneDevoir(*c, 1, 1, 2, o), 12);
  EXPECT_EQ(MoyenneDevoir(*c, 1, 2, 1, o), PasDeMoyenne);
  // Students are not weighted; student 4, without an average, is left out.
  EXPECT_DOUBLE_EQ(MoyenneClasse(*c, 1, 1, false, o), (12 + 47 / 3.0 + 15) / 3);
  EXPECT_DOUBLE_EQ(MoyenneClasse(*c, 1, 1, true, o), (12 + 19 + 15) / 3.0);
  EXPECT_EQ(MoyenneClasse(*c, 2, 2, false, o), PasDeMoyenne);

  Remplir(*c, 2, 3, {1, 1, 1}, {{"ret", "", "8"}});
  Remplir(*c, 3, 3, {1});
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(2);
  // Subject 4 and period 4 add all three, whatever NbMatieres and NbPeriodes.
  EXPECT_EQ(NbAbsences(*c, 4, 3, 1, o), 3);
  EXPECT_EQ(NbAbsences(*c, 2, 4, 1, o), 2);
  EXPECT_EQ(NbAbsences(*c, 4, 4, 1, o), 4);
  EXPECT_EQ(NbAbsences(*c, 4, 4, 4, o), 6);
  EXPECT_EQ(NbDevoirsAnnee(*c, 2), 0);
  EXPECT_EQ(NbDevoirsTotal(*c), 2);
  c->FixerNbPeriodes(3);
  EXPECT_EQ(NbDevoirsAnnee(*c, 2), 3);
  EXPECT_EQ(NbDevoirsTotal(*c), 6);

  EXPECT_EQ(Moyenne(*c, 5, 1, 1, false, o), PasDeMoyenne);
  EXPECT_EQ(Moyenne(*c, 1, 0, 1, false, o), PasDeMoyenne);
  EXPECT_EQ(MoyenneClasse(*c, 0, 4, false, o), PasDeMoyenne);  // one beep, not one per student
  EXPECT_EQ(bips, 3);
}

TEST(Moyennes, VerifierDomaine) {
  TOptions o;
  std::vector<std::string> messages;
  const test::TRemplacement alertes(RemplacerAlertes, {[&](TGenreAlerte g, const std::string& t) {
                                                         EXPECT_EQ(g, TGenreAlerte::Avertissement);
                                                         messages.push_back(t);
                                                       },
                                                       {}});
  EXPECT_TRUE(VerifierDomaine(20, 0, o) && VerifierDomaine(20, 20, o));
  EXPECT_FALSE(VerifierDomaine(20, 25, o));
  EXPECT_FALSE(VerifierDomaine(2.5, -0.005, o));
  o.verification = false;
  EXPECT_TRUE(VerifierDomaine(20, 25, o));
  const std::string texte = " est en dehors du domaine de validit\xC3\xA9.\r( De 0 \xC3\xA0 ";
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Le nombre 25.00" + texte + "20 )", "Le nombre -0.01" + texte + "2.5 )"}));
}

// The figures kept between changes must give the very bits of the direct functions, on random
// classes, also after grades were changed one by one.
TEST(Moyennes, ChiffresGardesCommeLesFonctionsDirectes) {
  std::mt19937 alea(1789);
  // Texts that differ only by a NUL byte within their length are different grades.
  std::vector<std::string> autres = test::Decouper("abs|disp|excu|ret||A+|c-|E|x|-3|1e1|.5|1|12", '|');
  autres.insert(autres.end(), {std::string("1\0", 2), std::string("12\0", 3)});
  const std::vector<double> coefs{0, 0.5, 1, 1, 2, 3, 0.25};
  const TOptions o;
  auto tout = std::make_unique<TMoyennes>();
  for (int essai = 0; essai < 12; ++essai) {
    auto c = Classe(1 + static_cast<int>(alea() % MaxEleves));
    c->FixerNbMatieres(1 + static_cast<int>(alea() % 3));
    c->FixerNbPeriodes(2 + static_cast<int>(alea() % 2));
    for (int m = 1; m <= 3; ++m)
      for (int p = 1; p <= 3; ++p) {
        c->Matiere(m).Coef[static_cast<std::size_t>(p)] = coefs[alea() % coefs.size()];
        std::vector<double> d(alea() % 7 == 0 ? 0 : alea() % 25);
        for (double& x : d) x = coefs[alea() % coefs.size()];
        Remplir(*c, m, p, d);
        for (int e = 1; e <= c->NbEleves(); ++e)
          for (int k = 1; k <= MaxDevoirs; ++k) {
            std::string t = std::to_string(alea() % 41 / 2.0).substr(0, 4);
            if (essai % 3 == 2) {  // thousands of distinct texts, as a damaged file may hold
              t = std::to_string(alea() % 100000);
              if (alea() % 2) t.insert(alea() % t.size(), ".");
            }
            c->Eleve(e).Note(m, p, k).Affecter(alea() % 5 == 0 ? autres[alea() % autres.size()] : t);
          }
      }
    TFiguresClasse chiffres(*c, o);
    for (int i = 0; i < 25; ++i) {
      const int e = 1 + static_cast<int>(alea() % static_cast<unsigned>(c->NbEleves()));
      const int m = 1 + static_cast<int>(alea() % 3), p = 1 + static_cast<int>(alea() % 3);
      const int k = 1 + static_cast<int>(alea() % MaxDevoirs);
      c->Eleve(e).Note(m, p, k).Affecter(alea() % 3 == 0 ? autres[alea() % autres.size()]
                                                         : std::to_string(alea() % 21));
      chiffres.NoteChangee(*c, o, e, m, p, k);
    }
    for (bool joker : {false, true}) {
      CalculerMoyennes(*c, joker, *tout, o);
      const TMoyennes& garde = chiffres.Moyennes(joker);
      EXPECT_EQ(std::memcmp(&garde, tout.get(), sizeof(TMoyennes)), 0);
      for (int v = 0; v < 16; ++v) {
        const int m = v / 4 + 1, p = v % 4 + 1;
        SCOPED_TRACE("essai " + std::to_string(essai) + " vue " + std::to_string(m * 10 + p) + (joker ? " joker" : ""));
        for (int e = 1; e <= c->NbEleves(); ++e) {
          EXPECT_EQ(tout->Eleve(e, m, p), Moyenne(*c, m, p, e, joker, o));
          EXPECT_EQ(tout->Absences(e, m, p), NbAbsences(*c, m, p, e, o));
        }
        EXPECT_EQ(tout->Classe(m, p), MoyenneClasse(*c, m, p, joker, o));
        if (m > 3 || p > 3) continue;
        for (int k = 1; k <= c->NbDevoirs(m, p); ++k) EXPECT_EQ(tout->Devoir(m, p, k), MoyenneDevoir(*c, m, p, k, o));
        TMoyennesVue vue, gardee;
        CalculerMoyennesVue(*c, m, p, vue, o);
        chiffres.Vue(m, p, gardee);
        EXPECT_EQ(std::memcmp(&vue, &gardee, sizeof vue), 0);
        for (int e = 1; e <= c->NbEleves(); ++e) {
          EXPECT_EQ(vue.Eleves[static_cast<std::size_t>(e - 1)], MoyenneEleve(*c, m, p, e, false, o));
          EXPECT_EQ(vue.ElevesJoker[static_cast<std::size_t>(e - 1)], MoyenneEleve(*c, m, p, e, true, o));
        }
        for (int k = 1; k <= c->NbDevoirs(m, p); ++k)
          EXPECT_EQ(vue.Devoirs[static_cast<std::size_t>(k - 1)], MoyenneDevoir(*c, m, p, k, o));
        EXPECT_EQ(vue.Classe, MoyenneClasse(*c, m, p, false, o));
        EXPECT_EQ(vue.ClasseJoker, MoyenneClasse(*c, m, p, true, o));
      }
    }
  }
}

// Whatever a change is called, the kept figures follow the bytes it altered: after random
// edits of every kind (grades, coefficients, counts, the Joker, the year's division, names,
// the view), applied forward and back as undo does, they equal figures computed afresh.
TEST(Moyennes, ChiffresGardesApresToutChangement) {
  std::mt19937 alea(2024);
  TOptions o;
  o.utiliserL = true;
  auto c = Classe(30);
  for (int m = 1; m <= 3; ++m)
    for (int p = 1; p <= 3; ++p) Remplir(*c, m, p, std::vector<double>(12, 1.0));
  TFiguresClasse gardes(*c, o);
  const auto image = std::make_unique<TImage>(), avant = std::make_unique<TImage>();
  EcrireImage(*c, *image);
  const std::vector<std::function<void(TClasse&)>> changements{
      [&](TClasse& k) {
        k.Eleve(1 + alea() % 30)
            .Note(1 + alea() % 3, 1 + alea() % 3, 1 + alea() % 12)
            .Affecter(std::to_string(alea() % 21));
      },
      [&](TClasse& k) { k.Eleve(1 + alea() % 30).Note(1, 1, 1 + alea() % 12).Affecter(alea() % 2 ? "abs" : "A"); },
      [&](TClasse& k) { k.Devoir(1 + alea() % 3, 1 + alea() % 3, 1 + alea() % 12).Coef = alea() % 4; },
      [&](TClasse& k) { k.Matiere(1 + alea() % 3).Coef[1 + alea() % 3] = alea() % 3; },
      [&](TClasse& k) { k.FixerNbEleves(20 + static_cast<int>(alea() % 11)); },
      [&](TClasse& k) { k.FixerNbDevoirs(2, 2, static_cast<int>(alea() % 13)); },
      [&](TClasse& k) { k.FixerJoker(!k.Joker()); },
      [&](TClasse& k) { k.FixerNbPeriodes(k.NbPeriodes() == 3 ? 2 : 3); },
      [&](TClasse& k) { k.Eleve(2).Nom.Affecter("Z" + std::to_string(alea())); },
      [&](TClasse& k) { k.FixerPeriodeCourante(1 + static_cast<int>(alea() % 2)); },
      [&](TClasse& k) { std::swap(k.Eleve(3), k.Eleve(4 + alea() % 20)); },
  };
  for (int i = 0; i < 300; ++i) {
    *avant = *image;
    changements[alea() % changements.size()](*c);
    EcrireImage(*c, *image);
    const TDifference d = Comparer(*avant, *image);
    gardes.Appliquer(*c, o, d);
    if (i % 7 == 0) {  // undone, then redone
      Appliquer(*image, d, true);
      LireImage(*c, *image);
      gardes.Appliquer(*c, o, d);
      Appliquer(*image, d, false);
      LireImage(*c, *image);
      gardes.Appliquer(*c, o, d);
    }
    const TFiguresClasse frais(*c, o);
    SCOPED_TRACE("changement " + std::to_string(i));
    ASSERT_EQ(std::memcmp(&gardes.Moyennes(false), &frais.Moyennes(false), sizeof(TMoyennes)), 0);
    ASSERT_EQ(std::memcmp(&gardes.Moyennes(true), &frais.Moyennes(true), sizeof(TMoyennes)), 0);
    for (int e = 1; e <= c->NbEleves(); ++e)
      for (int k = 1; k <= 12; ++k) ASSERT_EQ(gardes.Note(e, 1, 1, k).Genre, frais.Note(e, 1, 1, k).Genre);
  }
}
