#include "model/statistiques.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/note.h"

using namespace calevrin;

namespace {

using TTextes = std::vector<std::string>;
using F = TFenetreStat;

// Students E1 A, E2 B, ...; subject 1 "Maths", trimesters.
std::unique_ptr<TClasse> Classe(int eleves) {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("4A");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Matiere(1).Nom.Affecter("Maths");
  c->FixerNbEleves(eleves);
  for (int e = 1; e <= eleves; ++e) {
    c->Eleve(e).Nom.Affecter("E" + std::to_string(e));
    c->Eleve(e).Prenom.Affecter(std::string(1, static_cast<char>('A' + e - 1)));
  }
  return c;
}

// notes[e][k]: the grade of student e + 1 for test k + 1 of subject m, period p.
void Notes(TClasse& c, int m, int p, const std::vector<TTextes>& notes) {
  std::size_t nb = 0;
  for (std::size_t e = 0; e < notes.size(); ++e) {
    nb = std::max(nb, notes[e].size());
    for (std::size_t k = 0; k < notes[e].size(); ++k)
      c.Eleve(static_cast<int>(e) + 1).Note(m, p, static_cast<int>(k) + 1).Affecter(notes[e][k]);
  }
  c.FixerNbDevoirs(m, p, static_cast<int>(nb));
}

TEtatStat Etat(F f, int m, int p, int devoir = 0, int eleve = 0) {
  TEtatStat e;
  e.Fenetre = f;
  e.Matiere = m;
  e.Periode = p;
  e.Devoir = devoir;
  e.Eleve = eleve;
  return e;
}

std::vector<double> Valeurs(const TGrapheStat& g) {
  std::vector<double> v;
  for (const TBarreStat& b : g.Barres) v.push_back(b.Valeur);
  return v;
}

// The text lines under the graph, 1 to 5.
TTextes Lignes(const TGrapheStat& g) {
  TTextes v;
  for (int i = 1; i <= 5; ++i) v.push_back(g.Ligne[i]);
  return v;
}

TTextes Legendes(const TGrapheStat& g) {
  TTextes v;
  for (const TBarreStat& b : g.Barres) v.push_back(b.Legende);
  return v;
}

}  // namespace

TEST(Stat02, RepartitionDUnDevoir) {
  TOptions o;
  auto c = Classe(5);
  Notes(*c, 1, 1, {{"12"}, {"12.5"}, {"13.75"}, {"abs"}, {""}});
  c->Devoir(1, 1, 1).Coef = 0.5;
  c->Devoir(1, 1, 1).Commentaire.Affecter("Fractions");
  TGrapheStat g = CalculerStat02(*c, Etat(F::Devoir, 1, 1, 1), o);
  ASSERT_EQ(g.NbBarre(), 21);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Legendes(g)[12] + "|" + Legendes(g)[13], "12|");
  EXPECT_EQ(g.Barres[9].Couleur, CouleurRouge);
  EXPECT_EQ(g.Barres[10].Couleur, CouleurVerte);
  // The minimum is found although above 0.
  EXPECT_EQ(Lignes(g),
            (TTextes{"Dev. 1 -  - Coef. 0.5 -  - Fractions", "Note max : 13.75 ( E3 C )", "Note min : 12 ( E1 A )",
                     "0 note en dessous de la moyenne", "Moyenne du devoir 12.8 - 2 absents - Ecart type : 0.7"}));
  EXPECT_FALSE(g.Moy);  // no average line on a scale of counts
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.1 / Devoir 1 ( 2026 / 2027 )");

  EXPECT_EQ(CalculerStat02(*c, Etat(F::Devoir, 1, 4, 1), o).Caption, "Pas de devoir lors du bilan annuel.");
  for (const TEtatStat& vide : {Etat(F::Devoir, 1, 1, 0), Etat(F::Devoir, 1, 1, 2), Etat(F::Devoir, 2, 1, 1)}) {
    g = CalculerStat02(*c, vide, o);
    EXPECT_EQ(g.NbBarre(), 0);
    EXPECT_EQ(g.Caption, "Pas de notes.");
    EXPECT_EQ(g.TitreFenetre, "");  // the window keeps its caption
  }

  // Beyond the scale: no bar, but in the figures; never outside the counts, whatever notemax.
  Notes(*c, 1, 1, {{"8"}, {"10.5"}, {"27"}, {""}, {""}});
  o.notemax = 10;
  g = CalculerStat02(*c, Etat(F::Devoir, 1, 1, 1), o);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1}));
  EXPECT_EQ(g.Ligne[2], "Note max : 27 ( E3 C )");
  EXPECT_EQ(g.Ligne[5], "Moyenne du devoir 15.2 - 2 absents - Ecart type : 8.4");
  o.notemax = 250;
  EXPECT_EQ(CalculerStat02(*c, Etat(F::Devoir, 1, 1, 1), o).Barres.at(27).Valeur, 1);
  o.notemax = 5;
  EXPECT_EQ(CalculerStat02(*c, Etat(F::Devoir, 1, 1, 1), o).Caption, "Pas de notes.");
}

TEST(Stat02, ExtremesPartagesEtGraduations) {
  TOptions o;
  auto c = Classe(12);
  std::vector<TTextes> notes(12, TTextes{"", "10"});
  notes[0][0] = notes[2][0] = "15";
  notes[1][0] = "8";
  notes[11][1] = "10.5";
  Notes(*c, 1, 1, notes);
  TGrapheStat g = CalculerStat02(*c, Etat(F::Devoir, 1, 1, 1), o);
  EXPECT_EQ(Lignes(g),
            (TTextes{"Dev. 1 -  - Coef. 1 -  - ", "Note max : 15 ( 2 \xE9l\xE8ves )", "Note min : 8 ( E2 B )",
                     "1 note en dessous de la moyenne", "Moyenne du devoir 12.7 - 9 absents - Ecart type : 3.3"}));

  // Highest count 12: graduations at 2, 4 .. 12; highest count 3: at 1, 2, 3.
  g = CalculerStat02(*c, Etat(F::Devoir, 1, 1, 2), o);
  EXPECT_EQ(g.Ligne[3], "Note min : 10 ( 11 \xE9l\xE8ves )");
  EXPECT_EQ(g.Ligne[5], "Moyenne du devoir 10 - 0 absent - Ecart type : 0.1");
  EXPECT_EQ(std::vector<int>({g.Vmax, g.PasVert, g.NbGradV}), std::vector<int>({12, 2, 7}));
  for (int e = 4; e <= 12; ++e) c->Eleve(e).Note(1, 1, 2).Vider();
  g = CalculerStat02(*c, Etat(F::Devoir, 1, 1, 2), o);
  EXPECT_EQ(std::vector<int>({g.Vmax, g.PasVert, g.NbGradV}), std::vector<int>({3, 1, 4}));
}

TEST(Stat03, RepartitionDesMoyennes) {
  TOptions o;
  auto c = Classe(4);
  Notes(*c, 1, 2, {{"9.5"}, {"10"}, {"14.25"}, {"abs"}});
  TGrapheStat g = CalculerStat03(*c, Etat(F::Moyennes, 1, 2), o);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Legendes(g)[9] + "|" + Legendes(g)[10] + "|" + Legendes(g)[14], "|10|14");
  EXPECT_EQ(Lignes(g), (TTextes{"Moyenne max : 14.3 ( E3 C )", "Moyenne min : 9.5 ( E1 A )",
                                "1 \xE9l\xE8ve en dessous de la moyenne",
                                "Moyenne du Trimestre: 11.3 - 1 absent - Ecart type : 2.1", ""}));
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.2 ( 2026 / 2027 )");

  g = CalculerStat03(*c, Etat(F::Moyennes, 4, 4), o);
  EXPECT_EQ(g.Ligne[4],
            "Moyenne de l'ann\xE9"
            "e : 11.3 - 1 absent - Ecart type : 2.1");
  EXPECT_EQ(g.Caption,
            "4A / Synth\xE8se / Ann\xE9"
            "e ( 2026 / 2027 )");

  // Semesters, and the class's Joker: each student's lowest grade left out.
  c->FixerNbPeriodes(2);
  Notes(*c, 1, 1, {{"4", "16"}, {"18", "6"}});
  c->FixerJoker(true);
  g = CalculerStat03(*c, Etat(F::Moyennes, 1, 1), o);
  EXPECT_EQ(g.Ligne[1], "Moyenne max : 18 ( E2 B )");
  EXPECT_EQ(g.Ligne[4], "Moyenne du Semestre: 17 - 2 absents - Ecart type : 1");
  EXPECT_EQ(CalculerStat03(*c, Etat(F::Moyennes, 2, 1), o).Caption, "Moyenne non calculable !");
}

TEST(Stat01, EvolutionDUnEleveEtDeLaClasse) {
  TOptions o;
  auto c = Classe(2);
  Notes(*c, 1, 1, {{"8", "abs", "15"}, {"12", "", "13"}});
  TGrapheStat g = CalculerStat01(*c, Etat(F::Evolution, 1, 1, 0, 1), o);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{8, PasDeMoyenne, 15}));
  EXPECT_EQ(g.Barres[0].Couleur, CouleurRouge);
  EXPECT_EQ(g.Barres[1].Texte, "abs");
  EXPECT_EQ(g.Barres[2].Couleur, CouleurVerte);
  EXPECT_EQ(Legendes(g), (TTextes{"1", "2", "3"}));
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.1 / E1 A ( 2026 / 2027 )");
  EXPECT_TRUE(g.Moy);
  EXPECT_EQ(g.BarreMoy.Valeur, 11.5);

  // The class: "?" for a test nobody took; "M" hides the line.
  TEtatStat etat = Etat(F::Evolution, 1, 1);
  etat.Moy = false;
  g = CalculerStat01(*c, etat, o);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{10, PasDeMoyenne, 14}));
  EXPECT_EQ(g.Barres[1].Texte, "?");
  EXPECT_FALSE(g.Moy);
  EXPECT_EQ(g.BarreMoy.Valeur, 12);

  // The class's line stands at the average of the period shown, not of the year.
  Notes(*c, 1, 2, {{"4"}, {"6"}});
  g = CalculerStat01(*c, Etat(F::Evolution, 1, 2), o);
  EXPECT_EQ(g.BarreMoy.Valeur, 5);
  EXPECT_EQ(g.BarreMoy.Couleur, CouleurRouge);
  g = CalculerStat01(*c, Etat(F::Evolution, 1, 4), o);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{12, 5, PasDeMoyenne}));
  EXPECT_EQ(g.BarreMoy.Valeur, 8.5);  // the students' year averages 7.75 and 9.25

  g = CalculerStat01(*c, Etat(F::Evolution, 1, 3, 0, 2), o);
  EXPECT_EQ(g.NbBarre(), 0);
  EXPECT_EQ(g.Caption, "Pas de notes ce Trimestre");
}

TEST(Stat01, AnneeEtTousLesDevoirs) {
  TOptions o;
  auto c = Classe(1);
  c->FixerNbPeriodes(2);
  Notes(*c, 1, 1, {{"1", "2", "3", "4", "5", "6"}});
  Notes(*c, 1, 2, {{"7", "8", "9", "10", "11", "disp"}});
  Notes(*c, 1, 3, {{"20"}});  // never counted with semesters
  EXPECT_EQ(Legendes(CalculerStat01(*c, Etat(F::Evolution, 1, 4, 0, 1), o)), (TTextes{"1", "2"}));

  TEtatStat etat = Etat(F::Evolution, 1, 5, 0, 1);
  TGrapheStat g = CalculerStat01(*c, etat, o);
  EXPECT_EQ(Legendes(g), (TTextes{"", "", "", "", "5", "", "", "", "", "10", "", ""}));
  EXPECT_EQ(g.Barres[11].Texte, "disp");
  EXPECT_EQ(g.Caption,
            "4A / Maths / Toute l'ann\xE9"
            "e / E1 A ( 2026 / 2027 )");
  EXPECT_EQ(g.BarreMoy.Valeur, 6.25);  // the year average

  // 60 values are labelled by tens; a subject without tests shows its title alone.
  c->FixerNbPeriodes(3);
  Notes(*c, 1, 1, {TTextes(24, "10")});
  Notes(*c, 1, 2, {TTextes(24, "10")});
  Notes(*c, 1, 3, {TTextes(12, "10")});
  g = CalculerStat01(*c, etat, o);
  EXPECT_EQ(Legendes(g)[9] + "|" + Legendes(g)[14] + "|" + Legendes(g)[59], "10||60");
  etat.Matiere = 2;
  etat.AvecAnnee = false;
  EXPECT_EQ(CalculerStat01(*c, etat, o).Caption,
            "4A / Mati\xE8re 2 / Toute l'ann\xE9"
            "e / E1 A");
}

TEST(Stat04, BilanComplet) {
  TOptions o;
  auto c = Classe(2);
  c->Abreviation.Affecter("3e B");
  c->FixerNbMatieres(2);
  c->Matiere(2).Nom.Affecter("Anglais");
  Notes(*c, 1, 1, {{"10"}, {"14"}});
  Notes(*c, 2, 1, {{"16"}, {""}});
  Notes(*c, 1, 2, {{""}, {"8"}});
  TTableauStat t;
  const auto ligne = [&](int l) {
    std::string s;
    for (int col = 1; col <= t.NbColonne; ++col) s += t.Cellule[col][l] + "|";
    return s;
  };
  t = CalculerStat04(*c, Etat(F::Bilan, 1, 1), o);
  EXPECT_EQ(t.Caption, "Moyenne de classe (3e B)");
  EXPECT_EQ(t.NbLigne, 4);
  EXPECT_EQ(ligne(1),
            "|Trim.1|Trim.2|Trim.3|Ann\xE9"
            "e|");
  EXPECT_EQ(ligne(2), "Maths|12|8||10.5|");
  EXPECT_EQ(ligne(3), "Anglais|16|||16|");
  EXPECT_EQ(ligne(4), "Synth\xE8se|13.5|8||12|");

  // A student, semesters: a period without his grades stays empty.
  c->FixerNbPeriodes(2);
  o.indsep = 0;
  t = CalculerStat04(*c, Etat(F::Bilan, 1, 1, 0, 1), o);
  EXPECT_EQ(t.Caption, "Bilan complet - E1 A (3e B)");
  EXPECT_EQ(ligne(1),
            "|Sem.1|Sem.2|Ann\xE9"
            "e|");
  EXPECT_EQ(ligne(4), "Synth\xE8se|13||13|");
}

// Whether each window recomputes on each change: one row per window state, one column per
// change (Y recomputes). The windows show subject 1 and period 2 unless said otherwise.
TEST(Actualisation, MatriceDesRafraichissements) {
  auto c = Classe(6);
  using C = TCodeChangement;
  const TChangement changements[] = {
      {C::Eleves, 0, 0, 0},             // students changed
      {C::Devoirs, 2, 0, 0},            // tests of period 2
      {C::Devoirs, 1, 0, 0},            // tests of period 1
      {C::Note, 2, 2, 5},               // grade of test 2, student 5, period 2
      {C::Note, 2, 2, 6},               // the same test, student 6
      {C::Note, 2, 3, 5},               // test 3, student 5
      {C::Note, 1, 2, 5},               // test 2 of period 1, student 5
      {C::CoefficientDevoir, 2, 2, 0},  // coefficient of test 2, period 2
      {C::CoefficientDevoir, 2, 3, 0},  // coefficient of test 3
      {C::Periode, 2, 0, 0},            // the sheet shows period 2
      {C::Periode, 3, 0, 0},            // the sheet shows period 3
      {C::Periode, 0, 0, 0},            // class parameters
      {C::Options, 0, 0, 0},            // options
      {C::Matiere, 2, 1, 0},            // subject
  };
  const struct {
    TEtatStat etat;
    const char* attendu;
  } matrice[] = {
      {Etat(F::Devoir, 1, 2, 2), "YYNYYNNYNNYYYY"},       {Etat(F::Devoir, 1, 4), "YYYNNNNNNYYYYY"},
      {Etat(F::Moyennes, 1, 2), "YYNYYYNYYNYYYY"},        {Etat(F::Moyennes, 4, 4), "YYYYYYYYYYYYYY"},
      {Etat(F::Evolution, 1, 2, 0, 5), "YYNYNYNYYNYYYY"}, {Etat(F::Evolution, 1, 2, 0, 0), "YYNYYYNYYNYYYY"},
      {Etat(F::Evolution, 1, 4, 0, 5), "YYYYYYYYYYYYYY"}, {Etat(F::Evolution, 1, 5, 0, 5), "YYYYYYYYYNNYYY"},
      {Etat(F::Bilan, 1, 1, 0, 0), "YYYYYYYYYYYYYY"},     {Etat(F::Bilan, 1, 1, 0, 5), "YYYYNYYYYNNYYY"},
  };
  for (const auto& ligne : matrice) {
    std::string obtenu;
    for (const TChangement& ch : changements) {
      TEtatStat etat = ligne.etat;
      obtenu += Actualiser(etat, *c, ch).Recalculer ? 'Y' : 'N';
    }
    EXPECT_EQ(obtenu, ligne.attendu) << "fenetre " << static_cast<int>(ligne.etat.Fenetre) << ", periode "
                                     << ligne.etat.Periode << ", eleve " << ligne.etat.Eleve;
  }
}

TEST(Actualisation, EtatApresLeChangement) {
  auto c = Classe(3);
  c->FixerNbDevoirs(1, 1, 3);
  c->FixerNbDevoirs(2, 1, 5);
  c->FixerMatiereCourante(4);

  // TStatDevoir opened from the synthesis shows subject 1; a fourth test selects it; another
  // subject brings its own tests; the sheet's period does not move it.
  TEtatStat d = EtatInitial(F::Devoir, *c, Options);
  EXPECT_EQ(d.Matiere * 10 + d.Devoir, 13);
  c->FixerNbDevoirs(1, 1, 4);
  EXPECT_TRUE(Actualiser(d, *c, {TCodeChangement::Devoirs, 1, 0, 0}).ListeDevoirs);
  EXPECT_EQ(d.Devoir, 4);
  c->FixerMatiereCourante(2);
  EXPECT_EQ(Actualiser(d, *c, {TCodeChangement::Matiere, 1, 2, 0}), (TReactionStat{true, false, true, true, false}));
  EXPECT_EQ(d.Matiere * 10 + d.Devoir, 25);
  c->FixerPeriodeCourante(2);
  Actualiser(d, *c, {TCodeChangement::Periode, 2, 0, 0});
  EXPECT_EQ(d.Periode, 1);

  // TStatMoyennes follows the sheet's subject, synthesis included, and period.
  c->FixerMatiereCourante(4);
  TEtatStat m = EtatInitial(F::Moyennes, *c, Options);
  EXPECT_EQ(m.Matiere * 10 + m.Periode, 42);
  c->FixerPeriodeCourante(4);
  Actualiser(m, *c, {TCodeChangement::Periode, 4, 0, 0});
  EXPECT_EQ(m.Periode, 4);

  // TStatEvolution keeps every test of the year; back to the class when the students change.
  TEtatStat e = Etat(F::Evolution, 1, 5, 0, 3);
  Actualiser(e, *c, {TCodeChangement::Periode, 1, 0, 0});
  Actualiser(e, *c, {TCodeChangement::Eleves, 0, 0, 0});
  EXPECT_EQ(e.Periode * 10 + e.Eleve, 50);
  e.Periode = 2;
  Actualiser(e, *c, {TCodeChangement::Periode, 4, 0, 0});
  EXPECT_EQ(e.Periode, 4);

  // After a change of the division of the year, no period past it stays shown.
  c->FixerNbPeriodes(2);
  c->FixerPeriodeCourante(3);
  EXPECT_EQ(EtatInitial(F::Devoir, *c, Options).Periode, 1);
  TEtatStat t = Etat(F::Devoir, 1, 3);
  Actualiser(t, *c, {TCodeChangement::Periode, 0, 0, 0});
  EXPECT_EQ(t.Periode, 1);

  // TStatBilan: a new test brings the class back.
  TEtatStat b = Etat(F::Bilan, 1, 1, 0, 2);
  Actualiser(b, *c, {TCodeChangement::Devoirs, 1, 0, 0});
  EXPECT_EQ(b.Eleve, 0);
}
