#include "model/dates.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace calevrin;

namespace {

bool operator==(const TDateJour& a, const TDateJour& b) {
  return a.Annee == b.Annee && a.Mois == b.Mois && a.Jour == b.Jour;
}

// A plain calendar of the tests, independent of the one under test.
int LongueurMois(int a, int m) {
  if (m == 2) return (a % 400 == 0 || (a % 4 == 0 && a % 100 != 0)) ? 29 : 28;
  return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31;
}

TDateJour Lendemain(TDateJour d) {
  if (++d.Jour > LongueurMois(d.Annee, d.Mois)) {
    d.Jour = 1;
    if (++d.Mois > 12) {
      d.Mois = 1;
      ++d.Annee;
    }
  }
  return d;
}

bool AvantOuEgal(const TDateJour& a, const TDateJour& b) {
  if (a.Annee != b.Annee) return a.Annee < b.Annee;
  if (a.Mois != b.Mois) return a.Mois < b.Mois;
  return a.Jour <= b.Jour;
}

// The n-th month anniversary: same day number, or the month's last day when shorter.
TDateJour Anniversaire(const TDateJour& d, int n) {
  const int mois = d.Mois - 1 + n;
  TDateJour r{d.Annee + mois / 12, mois % 12 + 1, 0};
  r.Jour = std::min(d.Jour, LongueurMois(r.Annee, r.Mois));
  return r;
}

TClasse ClasseAvecDates(std::initializer_list<const char*> dates) {
  TClasse c;
  int e = 0;
  for (const char* d : dates) {
    ++e;
    c.Eleve(e).Nom.Affecter("ELEVE" + std::to_string(e));
    c.Eleve(e).DateNaissance.Affecter(d);
  }
  c.FixerNbEleves(e);
  return c;
}

const TDateJour Jour15Juin2024{2024, 6, 15};

}  // namespace

TEST(Dates, LectureDesDatesDeNaissance) {
  struct {
    const char* texte;
    bool valide;
    int j, m, a;
  } const cas[] = {
      {"15031990", true, 15, 3, 1990},  {"1503199", true, 15, 3, 199},     {"29022000", true, 29, 2, 2000},
      {"29022024", true, 29, 2, 2024},  {"15062024", true, 15, 6, 2024},  // today
      {"00031990", false, 0, 3, 1990},  {"15131990", false, 15, 13, 1990}, {"", false, 0, 0, 0},
      {"31022000", false, 31, 2, 2000}, {"29022023", false, 29, 2, 2023},  {"29021900", false, 29, 2, 1900},
      {"31042000", false, 31, 4, 2000}, {"16062024", false, 16, 6, 2024},  // tomorrow
      {"1503", false, 15, 3, 0},        {"15a31990", false, 15, 0, 0},     {" 5031990", false, 0, 0, 0},
      {"1503-199", false, 15, 3, 0},
  };
  for (const auto& c : cas) {
    const TDateNaissance d = LireDateNaissance(c.texte, Jour15Juin2024);
    EXPECT_EQ(std::vector<int>({d.Valide, c.valide ? d.Jour : 0, c.valide ? d.Mois : 0, c.valide ? d.Annee : 0}),
              std::vector<int>({c.valide, c.valide ? c.j : 0, c.valide ? c.m : 0, c.valide ? c.a : 0}))
        << c.texte;
  }
  const TClasse cl = ClasseAvecDates({"05031990", "31021990", "16062024", "", "01081999", "3112199"});
  for (int e = 2; e <= 4; ++e)
    EXPECT_EQ(DateNaissanceTexte(cl, e, Jour15Juin2024) + std::to_string(AgeEnJours(cl, e, Jour15Juin2024)) +
                  AgeEleveTexte(cl, e, Jour15Juin2024),
              "??0 Erreur !")
        << e;
  EXPECT_EQ(DateNaissanceTexte(cl, 1, Jour15Juin2024) + "|" + DateNaissanceTexte(cl, 5, Jour15Juin2024) + "|" +
                DateNaissanceTexte(cl, 6, Jour15Juin2024),
            "05 mars 1990|01 ao\xFBt 1999|31 d\xE9"
            "cembre 0199");
}

TEST(Dates, CalendrierContreUnComptageJourParJour) {
  TDateJour d{1896, 1, 1};
  const long debut = NumeroJour(d);
  EXPECT_EQ(NumeroJour({1970, 1, 1}), 0);
  EXPECT_EQ(JourSemaine({2000, 1, 1}), 6);  // a Saturday
  int semaine = JourSemaine(d);
  for (long i = 0; i < 80000; ++i, d = Lendemain(d)) {
    ASSERT_EQ(NumeroJour(d) - debut, i) << d.Annee << "-" << d.Mois << "-" << d.Jour;
    ASSERT_TRUE(AjouterJours({1896, 1, 1}, i) == d) << i;
    ASSERT_TRUE(DateExiste(d.Annee, d.Mois, d.Jour));
    ASSERT_EQ(JourSemaine(d), semaine);
    semaine = semaine % 7 + 1;
  }
  EXPECT_TRUE(AjouterJours({2024, 3, 1}, -1) == (TDateJour{2024, 2, 29}));
}

TEST(Dates, AgesAutourDesAnniversaires) {
  struct {
    const char* naissance;
    TDateJour jour;
    const char* age;
  } const cas[] = {
      {"15032010", {2024, 3, 14}, "13 ans 11 mois"}, {"15032010", {2024, 3, 15}, "14 ans "},
      {"15032010", {2023, 10, 14}, "13 ans 6 mois"}, {"15032010", {2023, 10, 15}, "13 ans 7 mois"},
      {"29022008", {2023, 2, 27}, "14 ans 11 mois"}, {"29022008", {2023, 2, 28}, "15 ans "},
      {"29022008", {2024, 2, 28}, "15 ans 11 mois"}, {"29022008", {2024, 2, 29}, "16 ans "},
      {"29022008", {2008, 3, 28}, "0 ans "},         {"29022008", {2008, 3, 29}, "0 ans 1 mois"},
      {"31012010", {2011, 2, 27}, "1 ans "},         {"31012010", {2011, 2, 28}, "1 ans 1 mois"},
      {"31012010", {2011, 3, 30}, "1 ans 1 mois"},   {"31012010", {2011, 3, 31}, "1 ans 2 mois"},
      {"15062024", {2024, 6, 15}, " Erreur !"},  // born today: no age
  };
  for (const auto& c : cas) {
    EXPECT_EQ(AgeEleveTexte(ClasseAvecDates({c.naissance}), 1, c.jour), c.age)
        << c.naissance << " " << c.jour.Annee << "-" << c.jour.Mois << "-" << c.jour.Jour;
  }
  // Completed months against the search for the last anniversary reached.
  std::mt19937 alea(7);
  for (int i = 0; i < 3000; ++i) {
    const TDateJour n = AjouterJours({1995, 1, 1}, std::uniform_int_distribution<long>(0, 8000)(alea));
    const TDateJour t = AjouterJours(n, std::uniform_int_distribution<long>(0, 7000)(alea));
    int attendu = 0;
    while (AvantOuEgal(Anniversaire(n, attendu + 1), t)) ++attendu;
    ASSERT_EQ(MoisRevolus(n, t), attendu) << n.Annee << "-" << n.Mois << "-" << n.Jour;
  }
  EXPECT_EQ(MoisRevolus({2024, 6, 15}, {2024, 6, 14}), -1);
}

TEST(Dates, AgeEnJoursEtTexte) {
  const TClasse c = ClasseAvecDates({"15032010", "14062024"});
  EXPECT_EQ(AgeEnJours(c, 1, Jour15Juin2024), 5206);
  EXPECT_EQ(AgeEnJours(c, 2, Jour15Juin2024), 1);
  // Years of 365.25 days, months of 30.44.
  const std::pair<int, const char*> textes[] = {
      {0, " Erreur !"}, {30, "0 ans "},           {31, "0 ans 1 mois"}, {365, "0 ans 11 mois"},
      {366, "1 ans "},  {5113, "13 ans 11 mois"}, {5114, "14 ans "},
  };
  for (const auto& [jours, texte] : textes) EXPECT_EQ(AgeTexte(jours), texte) << jours;
}

TEST(Dates, TextesDesDatesEtHeures) {
  EXPECT_EQ(DateHeureTexte({{2024, 3, 5}, 8, 7}), " mardi 05 mars 2024  /  08:07");
  EXPECT_EQ(DateDevoirTexte(0, {2024, 3, 5}), "mar. 5 mars");
  EXPECT_EQ(DateDevoirTexte(-5, {2024, 3, 5}), "jeu. 29 f\xE9v.");
  EXPECT_EQ(DateDevoirTexte(1, {2023, 12, 31}), "lun. 1 jan.");
  EXPECT_EQ(DateDevoirTexte(0, {2024, 8, 1}), "jeu. 1 aout");
  EXPECT_EQ(MoisAnneeTexte({2024, 8, 1}), "ao\xFBt 2024");
  EXPECT_EQ(FormaterDate(TDateJour{2009, 1, 2}, "d/m/yy, ddd dd mmm yyyy"), "2/1/09, ven. 02 jan. 2009");
}

TEST(Dates, Titres) {
  TClasse c;
  c.Abreviation.Affecter("4A");
  c.Matiere(1).Nom.Affecter("Maths");
  c.Matiere(3).Nom.Affecter("Anglais");
  c.Eleve(2).Nom.Affecter("DUPONT");
  c.Eleve(2).Prenom.Affecter("Marie");
  c.FixerNbEleves(2);
  c.FixerNbPeriodes(3);
  TOptions o;
  o.prenom = false;  // the title names the student in full whatever the sheet shows
  EXPECT_EQ(ConstruireTitre(c, 3, 1, 4, 2, false, o), "4A / Anglais / Trim.1 / Devoir 4 / DUPONT Marie");
  EXPECT_EQ(ConstruireTitre(c, 0, 0, 0, 2, false, o), "4A / DUPONT Marie");
  for (const auto& [indsep, titre] :
       {std::pair{6, "4A   Maths   Trim.3"}, {0, "4A - Maths - Trim.3"}, {9, "4A , Maths , Trim.3"}}) {
    o.indsep = indsep;
    EXPECT_EQ(ConstruireTitre(c, 1, 3, 0, 0, false, o), titre);
  }
  o.indsep = 3;
  c.FixerNbPeriodes(2);
  EXPECT_EQ(ConstruireTitre(c, 1, 2, 12, 0, false, o), "4A \\ Maths \\ Sem.2 \\ Devoir 12");
  o.indsep = 42;  // a damaged configuration value
  EXPECT_EQ(ConstruireTitre(c, 1, 1, 0, 0, false, o), "4A / Maths / Sem.1");
}

TEST(DateDevoir, TextesLusEtAnneeDeLAnneeScolaire) {
  const std::string_view annee = "( 2026 / 2027 )";
  struct TCas {
    std::string_view texte;
    TDateJour attendue;
  };
  const TCas valides[] = {
      {"ven. 2 oct.", {2026, 10, 2}},  // the form a new test proposes
      {"mar. 1 d\xE9"
       "c.",
       {2026, 12, 1}},
      {"lun. 4 jan.", {2027, 1, 4}},  // after New Year: the second year
      {"2 JUI.", {2027, 7, 2}},       // "jui." is July, as the program writes it
      {"2 juin", {2027, 6, 2}},
      {"30 juil", {2027, 7, 30}},
      {"1er septembre", {2026, 9, 1}},
      {"3 aout", {2026, 8, 3}},
      {"29/02/2028", {2028, 2, 29}},
      {"02/10", {2026, 10, 2}},
      {"2.10.26", {2026, 10, 2}},
      {"mercredi 7 octobre", {2026, 10, 7}},
  };
  for (const TCas& c : valides) {
    const TDateDevoir d = LireDateDevoir(c.texte, annee);
    EXPECT_TRUE(d.Valide && d.Date == c.attendue) << c.texte;
  }
  // Not a date: a wrong day name, a day that does not exist (2027 is no leap year), the
  // month first, words or numbers too many, a month too short to tell, no school year.
  for (const std::string_view t : {"lun. 2 oct.", "31 nov.", "sam. 29 f\xE9v.",
                                   "D\xC9"
                                   "C 4",
                                   "2 oct. 2026 10h", "bient\xF4t", "", "2 ju", "ven. 2", "1 13", "123 oct."})
    EXPECT_FALSE(LireDateDevoir(t, annee).Valide) << t;
  EXPECT_FALSE(LireDateDevoir("2 oct.", "").Valide);
  EXPECT_TRUE(LireDateDevoir("2 oct. 2026", "").Valide);
}
