#include "model/edition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "examples/exemple.h"
#include "model/alertes.h"
#include "model/cp1252.h"
#include "model/fichierclasse.h"
#include "tests/common/remplacement.h"

using namespace calevrin;

namespace {

std::string W(const char* utf8) { return Cp1252DepuisUtf8(utf8).value(); }

std::unique_ptr<TImage> Image(const TClasse& c) {
  auto i = std::make_unique<TImage>();
  EcrireImage(c, *i);
  return i;
}

std::unique_ptr<TClasse> Exemple() {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  return c;
}

// n students and t tests in subject 2, period 3; the grade of student e in test k is 100 e + k.
std::unique_ptr<TClasse> Classe(int n, int t) {
  auto c = std::make_unique<TClasse>();
  for (int e = 1; e <= n; ++e) c->Eleve(e).Nom.Affecter("E" + std::to_string(e));
  c->FixerNbEleves(n);
  c->FixerMatiereCourante(2);
  c->FixerPeriodeCourante(3);
  for (int k = 1; k <= t; ++k) {
    EXPECT_TRUE(AjouterDevoir(*c, "d", "1h", k, "devoir " + std::to_string(k)));
    for (int e = 1; e <= n; ++e) c->Eleve(e).Note(2, 3, k).Affecter(std::to_string(100 * e + k));
  }
  return c;
}

std::string Note(const TClasse& c, int e, int k) { return c.Eleve(e).Note(2, 3, k).Texte(); }

}  // namespace

TEST(Edition, NormaliserNomDansLesDeuxModes) {
  const char* const cas[][3] = {
      // typed, majuscule on, majuscule off
      {"de la fontaine", "DE LA FONTAINE", "De La Fontaine"},
      {"éluard", "ÉLUARD", "Éluard"},
      {"LEFÈVRE", "LEFÈVRE", "Lefèvre"},
      {"jean-pierre", "JEAN-PIERRE", "Jean-Pierre"},
      {"MARIE-ÉLODIE  ça", "MARIE-ÉLODIE  ÇA", "Marie-Élodie  Ça"},
      {"œdipe šrž ÿ", "ŒDIPE ŠRŽ Ÿ", "Œdipe Šrž Ÿ"},
      {"strauß µ", "STRAUß µ", "Strauß µ"},
      {"d'ARTAGNAN", "D'ARTAGNAN", "D'artagnan"},
      {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRST", "Abcdefghijklmnopqrst"},
  };
  for (const auto& k : cas) {
    EXPECT_EQ(NormaliserNom(W(k[0]), true), W(k[1])) << k[0];
    EXPECT_EQ(NormaliserNom(W(k[0]), false), W(k[2])) << k[0];
  }
  // The surname follows majuscule, the first name never does.
  TOptions o;
  auto c = std::make_unique<TClasse>();
  ASSERT_TRUE(AjouterEleve(*c, "van der berg", "JEAN-MARC", "01022013", o));
  EXPECT_EQ(c->Eleve(1).Nom.Texte(), "VAN DER BERG");
  EXPECT_EQ(c->Eleve(1).Prenom.Texte(), "Jean-Marc");
  o.majuscule = false;
  EXPECT_TRUE(NormaliserNoms(*c, o));
  EXPECT_EQ(c->Eleve(1).Nom.Texte(), "Van Der Berg");
  EXPECT_FALSE(NormaliserNoms(*c, o));
}

TEST(Edition, ElevesInseresPuisSupprimes) {
  const TOptions o;
  auto c = Exemple();
  const auto avant = Image(*c);
  for (int e : {1, 13, 25, 26, 40}) {  // first, middle, last, after the last
    ASSERT_TRUE(InsererEleve(*c, e, "nouveau", "", "", o));
    EXPECT_EQ(c->Eleve(std::min(e, 26)).Nom.Texte(), "NOUVEAU");
    EXPECT_TRUE(c->Eleve(std::min(e, 26)).Note(1, 1, 1).Vide());
    EXPECT_EQ(c->Eleve(e <= 12 ? 13 : 12).Note(3, 1, 2).Texte(), "B+");  // grades follow their student
    ASSERT_TRUE(SupprimerEleve(*c, std::min(e, 26)));
    EXPECT_TRUE(*Image(*c) == *avant) << e;
  }
  ASSERT_TRUE(ModifierEleve(*c, 12, W("lefèvre"), W("zoé"), "07072013", o));
  EXPECT_EQ(c->Eleve(12).Nom.Texte() + c->Eleve(12).Note(3, 1, 2).Texte(), W("LEFÈVREB+"));
  EXPECT_FALSE(InsererEleve(*c, 1, "", "x", "", o) || InsererEleve(*c, 0, "x", "", "", o) ||
               ModifierEleve(*c, 26, "x", "", "", o));
  EXPECT_EQ(QuestionSupprimerEleve(*c, 1), W("Supprimer définitivement l'élève ANDRÉ Rose ?"));

  auto d = std::make_unique<TClasse>();
  for (int e = 1; e <= 45; ++e) ASSERT_TRUE(AjouterEleve(*d, "E", "", "", o));
  EXPECT_FALSE(AjouterEleve(*d, "E", "", "", o) || InsererEleve(*d, 1, "E", "", "", o));
  while (d->NbEleves() > 1) ASSERT_TRUE(SupprimerEleve(*d, d->NbEleves()));
  EXPECT_FALSE(SupprimerEleve(*d, 1));
  EXPECT_EQ(d->NbEleves(), 1);
}

TEST(Edition, TriAlphabetiqueFrancais) {
  const char* noms[] = {"ZOLA",  "ÉLISE",   "LEBLANC", "ELISE",  "ŒUVRE",  "ODIN",  "ÇARON",
                        "CAZIN", "LE GALL", "OFFEN",   "dupont", "DUPONT", "Dupont"};
  const char* attendu[] = {"ÇARON",   "CAZIN",   "DUPONT", "Dupont", "dupont", "ELISE", "ÉLISE",
                           "LE GALL", "LEBLANC", "ODIN",   "ŒUVRE",  "OFFEN",  "ZOLA"};
  auto c = std::make_unique<TClasse>();
  int n = 0;
  for (const char* nom : noms) c->Eleve(++n).Nom.Affecter(W(nom));
  c->FixerNbEleves(n);
  TrierEleves(*c);
  for (int i = 1; i <= n; ++i) EXPECT_EQ(c->Eleve(i).Nom.Texte(), W(attendu[i - 1])) << i;

  // The sample is in order: reversed, then sorted, it comes back byte for byte.
  auto x = Exemple();
  const auto avant = Image(*x);
  for (int i = 1, j = x->NbEleves(); i < j; ++i, --j) std::swap(x->Eleve(i), x->Eleve(j));
  TrierEleves(*x);
  EXPECT_TRUE(*Image(*x) == *avant);

  auto un = Classe(1, 2);
  un->Eleve(2).Nom.Affecter("AAA");  // beyond NbEleves
  const auto seul = Image(*un);
  TrierEleves(*un);
  EXPECT_TRUE(*Image(*un) == *seul);
}

TEST(Edition, DevoirsSupprimesInseres) {
  auto c = Classe(3, 3);
  EXPECT_EQ(QuestionSupprimerDevoir(*c, 2), W("Supprimer définitivement le devoir n° 2 (devoir 2) ?"));
  ASSERT_TRUE(SupprimerDevoir(*c, 2));
  EXPECT_TRUE(c->NbDevoirs(2, 3) == 2 && c->Devoir(2, 3, 2).Commentaire.Texte() == "devoir 3" &&
              c->Devoir(2, 3, 2).Coef == 3.0);
  for (int e = 1; e <= 3; ++e)
    EXPECT_EQ(Note(*c, e, 1) + "|" + Note(*c, e, 2) + "|" + Note(*c, e, 3),
              std::to_string(100 * e + 1) + "|" + std::to_string(100 * e + 3) + "|");

  // Inserting, cancelled or confirmed then deleted, leaves the class as it was.
  const auto avant = Image(*c);
  EXPECT_FALSE(InsererDevoir(*c, 1, [](TClasse& cl, int k) {
    cl.Eleve(1).Note(2, 3, k).Affecter("20");
    return !EcrireDevoir(cl, k, "lun.", "2h", 4, "annule");
  }));
  EXPECT_TRUE(*Image(*c) == *avant);
  for (int k : {1, 2, 3}) {
    ASSERT_TRUE(InsererDevoir(*c, k, [](TClasse& cl, int j) {
      cl.FixerNbDevoirs(2, 3, cl.NbDevoirs(2, 3) + 1);  // a dialog that counts the test itself
      return EcrireDevoir(cl, j, "mar.", "1h", 0.5, "nouveau");
    }));
    EXPECT_TRUE(c->NbDevoirs(2, 3) == 3 && c->Devoir(2, 3, k).Commentaire.Texte() == "nouveau");
    EXPECT_EQ(Note(*c, 2, k) + Note(*c, 2, k == 1 ? 2 : 1), "201");
    ASSERT_TRUE(SupprimerDevoir(*c, k));
    EXPECT_TRUE(*Image(*c) == *avant) << k;
  }
  EXPECT_FALSE(SupprimerDevoir(*c, 3) || ModifierDevoir(*c, 3, "", "", 1, "") || AjouterDevoir(*c, "", "", NAN, ""));
  ASSERT_TRUE(ModifierDevoir(*c, 2, "jeu.", "", 2.5, "bilan"));
  EXPECT_TRUE(c->Devoir(2, 3, 2).Coef == 2.5 && Note(*c, 3, 2) == "303");

  // 24 tests at most; the year view takes no test operation.
  auto plein = Classe(2, 24);
  const auto image = Image(*plein);
  EXPECT_FALSE(AjouterDevoir(*plein, "", "", 1, "") || OuvrirPlace(*plein, 1) || FermerPlace(*plein, 1));
  EXPECT_FALSE(InsererDevoir(*plein, 1, [](TClasse&, int) { return true; }));
  plein->FixerPeriodeCourante(4);
  EXPECT_FALSE(SupprimerDevoir(*plein, 1) || ViderPeriode(*plein) || CopierDevoir(*plein, 1));
  plein->FixerPeriodeCourante(3);
  EXPECT_TRUE(*Image(*plein) == *image);
}

TEST(Edition, PressePapiersEntreClasses) {
  std::vector<std::string> alertes;
  const auto noter = [&](TGenreAlerte g, const std::string& t) {
    alertes.push_back(g == TGenreAlerte::Avertissement ? t : "");
  };
  const test::TRemplacement crochet(RemplacerAlertes, {noter, {}});
  TPressePapInterne pp;
  auto c = Classe(30, 3);
  const auto avant = Image(*c);
  ASSERT_TRUE(CouperDevoir(*c, 2, pp) && InsererDevoirCopie(*c, 2, pp));
  EXPECT_TRUE(*Image(*c) == *avant);
  ASSERT_TRUE(CouperDevoir(*c, 1, pp) && AjouterDevoirCopie(*c, pp));  // the test moves to the end
  EXPECT_EQ(c->Devoir(2, 3, 3).Commentaire.Texte(), "devoir 1");
  EXPECT_EQ(Note(*c, 30, 3) + Note(*c, 30, 1), "30013002");
  EXPECT_TRUE(alertes.empty());

  auto d = Classe(28, 1);
  ASSERT_TRUE(CopierDevoir(*c, 1, pp) && InsererDevoirCopie(*d, 1, pp));
  EXPECT_EQ(alertes, std::vector<std::string>{"Le nombre d'élève n'est pas identique !"});
  EXPECT_EQ(d->NbDevoirs(2, 3), 2);
  EXPECT_EQ(Note(*d, 28, 1) + Note(*d, 28, 2), "28022801");
  EXPECT_TRUE(d->Eleve(29).Note(2, 3, 1).Vide());
  ASSERT_TRUE(CopierDevoir(*d, 2, pp) && AjouterDevoirCopie(*c, pp));  // 28 grades into 30 students
  EXPECT_EQ(Note(*c, 28, 4), "2801");
  EXPECT_TRUE(c->Eleve(29).Note(2, 3, 4).Vide() && pp.Plein);
  pp.Vider();
  EXPECT_FALSE(AjouterDevoirCopie(*c, pp));
}

TEST(Edition, ViderPeriodeEtAnnee) {
  auto c = Classe(4, 5);
  c->FixerPeriodeCourante(1);
  AjouterDevoir(*c, "a", "b", 2, "periode 1");
  c->Eleve(1).Note(2, 1, 1).Affecter("12");
  c->FixerMatiereCourante(1);
  AjouterDevoir(*c, "a", "b", 2, "autre");
  c->FixerMatiereCourante(2);
  c->FixerPeriodeCourante(3);
  EXPECT_EQ(QuestionViderPeriode(*c),
            W("Supprimer définitivement toutes les notes du troisième Trimestre ,en Matière 2 ?"));
  ASSERT_TRUE(ViderPeriode(*c));
  EXPECT_EQ(c->NbDevoirs(2, 3), 0);
  for (int k = 1; k <= 5; ++k) {
    const TDevoir& d = c->Devoir(2, 3, k);
    EXPECT_TRUE(d.Coef == 1.0 && d.Commentaire.Vide() && d.Date.Vide() && c->Eleve(4).Note(2, 3, k).Vide());
  }
  EXPECT_EQ(c->NbDevoirs(2, 1), 1);
  c->FixerNbPeriodes(2);
  c->FixerPeriodeCourante(2);
  EXPECT_EQ(QuestionViderPeriode(*c),
            W("Supprimer définitivement toutes les notes du second Semestre ,en Matière 2 ?"));
  EXPECT_EQ(QuestionViderAnnee(*c), W("Supprimer définitivement TOUTES les notes de l'année scolaire, en Matière 2 ?"));
  ASSERT_TRUE(ViderAnnee(*c));
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(c->NbDevoirs(2, p), 0);
  EXPECT_TRUE(c->Eleve(1).Note(2, 1, 1).Vide() && c->Devoir(2, 1, 1).Commentaire.Vide());
  EXPECT_EQ(c->Devoir(1, 1, 1).Commentaire.Texte(), "autre");
}

TEST(Edition, MatieresEtParametres) {
  auto c = Exemple();
  ASSERT_TRUE(ModifierMatieres(*c, {"Maths", "Physique", "Techno"}, {"Mat", "Ph", "T"}, 1));
  EXPECT_TRUE(c->NbMatieres() == 1 && c->Matiere(1).Abrev.Texte() == "Ma");
  EXPECT_EQ(c->NbDevoirs(3, 1), 3);  // a subject no longer used keeps its tests
  EXPECT_FALSE(ModifierMatieres(*c, {}, {}, 4));
  EXPECT_EQ(c->Matiere(2).Nom.Texte(), "Physique");

  EXPECT_EQ(ModifierCoefMatieres(*c, {"1,5", "1.5", "0", "-2", "1e1", "", "x", " 3", "3 "}), 5);
  const double attendu[9] = {2, 1.5, 0, -2, 10, 1, 1, 3, 1};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(c->Matiere(i / 3 + 1).Coef[static_cast<std::size_t>(i % 3 + 1)], attendu[i]);

  EXPECT_EQ(LireParametres(*c).Professeur, "Mme Claire Morel");
  TParametresClasse p{"4eB-2026-27", "2026", "M. X", "Maths", 2, 6, true};
  ASSERT_TRUE(ModifierParametres(*c, p));
  EXPECT_EQ(c->Abreviation.Texte(), "4eB-2026");
  EXPECT_TRUE(c->NbPeriodes() == 2 && c->Arrondi() == 6 && c->Joker());
  p.Arrondi = 7;
  EXPECT_FALSE(ModifierParametres(*c, p) || ModifierParametres(*c, {"", "", "", "", 4, 0, false}));
  EXPECT_TRUE(c->Arrondi() == 6 && c->Abreviation.Texte() == "4eB-2026");
}
