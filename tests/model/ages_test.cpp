#include "model/ages.h"

#include <gtest/gtest.h>

using namespace calevrin;

namespace {

TClasse Classe(std::initializer_list<std::pair<const char*, const char*>> eleves) {
  TClasse c;
  int e = 0;
  for (const auto& [nom, date] : eleves) {
    c.Eleve(++e).Nom.Affecter(nom);
    c.Eleve(e).Prenom.Affecter("X");
    c.Eleve(e).DateNaissance.Affecter(date);
  }
  c.FixerNbEleves(e);
  return c;
}

}  // namespace

TEST(Ages, OrdreDecroissantEtDatesInvalides) {
  const TClasse c = Classe({{"A", "00032012"},
                            {"B", "31012012"},
                            {"C", "15062011"},
                            {"D", "31012012"},
                            {"E", "15132011"},
                            {"F", "20062026"}});  // after today
  const TAges a = ListerAges(c, {2026, 2, 28});
  EXPECT_EQ(a.Titre, "\xC2ge des \xE9l\xE8ves ( f\xE9vrier 2026 )");
  // Equal dates in reverse list order; the invalid dates last, from the end of the list.
  // (5372 + 5142 + 5142) div 3 = 5218 days: 14 years of 365.25, 3 months of 30.44.
  EXPECT_EQ(TexteAges(a),
            "  El\xE8ve\t  N\xE9(e) le\t  Age\n"
            " C X\t 15 juin 2011\t 14 ans 8 mois\n"
            " D X\t 31 janvier 2012\t 14 ans 1 mois\n"
            " B X\t 31 janvier 2012\t 14 ans 1 mois\n"
            " F X\t ??\t ??\n E X\t ??\t ??\n A X\t ??\t ??\n"
            "Moyenne d'\xE2ge de la classe : 14 ans 3 mois\n");
  EXPECT_EQ(ListerAges(Classe({{"A", ""}}), {2026, 2, 28}).Moyenne, "Calcul impossible !");
}

TEST(Ages, AnniversairesDuMois) {
  const TClasse c = Classe({{"A", "03032012"},
                            {"B", "10032013"},
                            {"C", "29022012"},
                            {"D", "25032011"},
                            {"E", "00032012"},
                            {"F", "31022012"}});
  // 10 March 2027, a Wednesday; the 3rd was a Wednesday too.
  EXPECT_EQ(TexteAnniversaires(ListerAnniversaires(c, {2027, 3, 10})),
            "A X a eu 15 ans mercredi 03\nB X a aujourd'hui 14 ans\nD X va avoir 16 ans jeudi 25\n");
  EXPECT_EQ(ListerAnniversaires(c, {2027, 3, 10}).Titre, "mars 2027: Les anniversaires du mois");
  // 29 February on the 28th of a common year, on the 29th of a leap one.
  EXPECT_EQ(ListerAnniversaires(c, {2027, 2, 28}).Lignes, std::vector<std::string>{"C X a aujourd'hui 15 ans"});
  EXPECT_EQ(ListerAnniversaires(c, {2028, 2, 1}).Lignes, std::vector<std::string>{"C X va avoir 16 ans mardi 29"});
  EXPECT_EQ(TexteAnniversaires(ListerAnniversaires(c, {2027, 4, 1})), "Pas d'anniversaire ce mois\n");
}
