#include "model/classement.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/common/cinqeleves.h"

using namespace calevrin;

namespace {

// One subject, trimesters, two tests in the first trimester:
// AA 12 12, BB 15 15, CC 12 12, DD abs and nothing, EE 10 abs.
std::unique_ptr<TClasse> Classe() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("3A");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Matiere(1).Nom.Affecter("Maths");
  c->FixerNbMatieres(1);
  c->FixerNbPeriodes(3);
  test::PlacerCinqEleves(*c);
  return c;
}

// Each row as "rank|name|average|missing".
std::vector<std::string> Lignes(const TClassement& r) {
  std::vector<std::string> l;
  for (const auto& [a, b, m, n] : r.Lignes) l.push_back(a + "|" + b + "|" + m + "|" + n);
  return l;
}

using V = std::vector<std::string>;

}  // namespace

TEST(Classement, RangsPartagesEtElevesSansMoyenne) {
  const auto c = Classe();
  const TClassement r = Classer(*c, 1, 1, false, Options);
  EXPECT_EQ(Lignes(r),
            (V{" 1| BB Bea| 15|", " 2| CC Cid| 12|", " 2| AA Ana| 12|", " 4| EE Eve| 10| 1", "| DD Dan| ??| 2"}));
  EXPECT_EQ(TexteClassement(r),
            "3A / Maths / Trim.1 ( 2026 / 2027 )\rRang\tEl\xE8ve\tMoyenne\tAbsence\r 1\t BB Bea\t 15\t\r"
            " 2\t CC Cid\t 12\t\r 2\t AA Ana\t 12\t\r 4\t EE Eve\t 10\t 1\r\t DD Dan\t ??\t 2\r");

  // Left out by the box: after the ranked students, from the end of the list.
  EXPECT_EQ(Lignes(Classer(*c, 1, 1, true, Options)),
            (V{" 1| BB Bea| 15|", " 2| CC Cid| 12|", " 2| AA Ana| 12|", " n.c.| EE Eve|| 1", " n.c.| DD Dan|| 2"}));

  // The class's Joker: EE's 8 is ignored, in a test view as in the year.
  c->Eleve(5).Note(1, 1, 2).Affecter("8");
  c->FixerJoker(true);
  EXPECT_EQ(Classer(*c, 1, 1, false, Options).Lignes[3], (TLigneClassement{" 4", " EE Eve", " 10", ""}));
  EXPECT_EQ(Classer(*c, 1, 4, false, Options).Lignes[3], (TLigneClassement{" 4", " EE Eve", " 10", ""}));

  // Negative averages (typed without the range check) still rank above no average at all.
  c->FixerNbDevoirs(1, 3, 1);
  for (const auto& [e, note] : {std::pair{1, "-8"}, {2, "-2"}, {5, "-5"}}) c->Eleve(e).Note(1, 3, 1).Affecter(note);
  EXPECT_EQ(Lignes(Classer(*c, 1, 3, false, Options)),
            (V{" 1| BB Bea| -2|", " 2| EE Eve| -5|", " 3| AA Ana| -8|", "| DD Dan| ??| 1", "| CC Cid| ??| 1"}));
}

TEST(Classement, VuesSansDevoirEtDonneesHorsUsage) {
  const auto c = Classe();
  c->FixerNbPeriodes(2);
  EXPECT_EQ(Lignes(Classer(*c, 1, 2, false, Options)), (V{"Pas|de note ce Semestre||"}));
  // The synthesis and the year never give that row; without any average, from the end.
  EXPECT_EQ(Lignes(Classer(*c, 4, 2, false, Options)),
            (V{"| EE Eve| ??|", "| DD Dan| ??|", "| CC Cid| ??|", "| BB Bea| ??|", "| AA Ana| ??|"}));
  EXPECT_EQ(Classer(*c, 1, 4, false, Options).Lignes.size(), 5u);

  // Tests left in a subject and a trimester the class no longer uses are not counted.
  c->FixerNbDevoirs(2, 1, 3);
  c->FixerNbDevoirs(1, 3, 3);
  for (const auto& [m, p] : {std::pair{4, 4}, {4, 1}, {1, 4}}) {
    const TClassement r = Classer(*c, m, p, false, Options);
    EXPECT_EQ(r.Lignes[3], (TLigneClassement{" 4", " EE Eve", " 10", " 1"})) << m << p;
    EXPECT_EQ(r.Lignes[4], (TLigneClassement{"", " DD Dan", " ??", " 2"})) << m << p;
  }
}

TEST(Classement, FichierTexte) {
  const auto c = Classe();
  c->FixerNbEleves(3);
  TOptions o;
  o.imprimerAnnee = false;
  const TClassement r = Classer(*c, 1, 1, false, o);
  // 9 lines for 3 students, each ended by CR LF.
  EXPECT_EQ(FichierClassement(r),
            "3A / Maths / Trim.1\r\n\r\nClassement des \xE9l\xE8ves d'apr\xE8s la moyenne\r\n\r\n"
            " Rang\t   Eleve\t\tmoy.\tabsence\r\n\r\n"
            " 1\t BB Bea\t\t 15\t\r\n 2\t CC Cid\t\t 12\t\r\n 2\t AA Ana\t\t 12\t\r\n");
}
