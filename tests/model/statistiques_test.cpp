#include "model/statistiques.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/note.h"

using namespace calevrin;

namespace {

const std::string Eleves = " \xE9l\xE8ves";  // " élèves"

// Students named E1 A, E2 B, ...; subject 1 "Maths", trimesters, school year shown.
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

// One test per column: notes[e][k] is the grade of student e + 1 for test k + 1.
void Notes(TClasse& c, int m, int p, const std::vector<std::vector<std::string>>& notes) {
  int nb = 0;
  for (std::size_t e = 0; e < notes.size(); ++e)
    for (std::size_t k = 0; k < notes[e].size(); ++k) {
      c.Eleve(static_cast<int>(e) + 1).Note(m, p, static_cast<int>(k) + 1).Affecter(notes[e][k]);
      nb = std::max(nb, static_cast<int>(k) + 1);
    }
  c.FixerNbDevoirs(m, p, nb);
}

TEtatStat Etat(TFenetreStat f, int m, int p, int devoir = 0, int eleve = 0) {
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

std::vector<std::string> Legendes(const TGrapheStat& g) {
  std::vector<std::string> v;
  for (const TBarreStat& b : g.Barres) v.push_back(b.Legende);
  return v;
}

}  // namespace

TEST(Stat02, RepartitionDUnDevoir) {
  TOptions o;
  auto c = Classe(5);
  Notes(*c, 1, 1, {{"12"}, {"12.5"}, {"13.75"}, {"abs"}, {""}});
  c->Devoir(1, 1, 1).Date.Affecter("lun. 5 oct.");
  c->Devoir(1, 1, 1).Coef = 0.5;
  c->Devoir(1, 1, 1).Duree.Affecter("1h");
  c->Devoir(1, 1, 1).Commentaire.Affecter("Fractions");
  const TGrapheStat g = CalculerStat02(*c, Etat(TFenetreStat::Devoir, 1, 1, 1), o);
  ASSERT_EQ(g.NbBarre(), 21);
  EXPECT_EQ(g.Barres[12].Valeur, 2);
  EXPECT_EQ(g.Barres[12].Legende, "12");
  EXPECT_EQ(g.Barres[13].Valeur, 1);
  EXPECT_EQ(g.Barres[13].Legende, "");
  EXPECT_EQ(g.Barres[11].Valeur, 0);
  EXPECT_EQ(g.Barres[9].Couleur, CouleurRouge);
  EXPECT_EQ(g.Barres[10].Couleur, CouleurVerte);
  EXPECT_EQ(g.NbLigne, 5);
  EXPECT_EQ(g.Ligne[1], "Dev. 1 - lun. 5 oct. - Coef. 0.5 - 1h - Fractions");
  EXPECT_EQ(g.Ligne[2], "Note max : 13.75 ( E3 C )");
  // The lowest grade is above 0: it is found all the same.
  EXPECT_EQ(g.Ligne[3], "Note min : 12 ( E1 A )");
  EXPECT_EQ(g.Ligne[4], "0 note en dessous de la moyenne");
  EXPECT_EQ(g.Ligne[5], "Moyenne du devoir 12.8 - 2 absents - Ecart type : 0.7");
  EXPECT_EQ(g.Vmax, 2);
  EXPECT_EQ(g.PasVert, 1);
  EXPECT_EQ(g.NbGradV, 4);
  EXPECT_FALSE(g.Afficher0);
  EXPECT_FALSE(g.Moy);  // no average line on a scale of counts
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.1 / Devoir 1 ( 2026 / 2027 )");
  EXPECT_EQ(g.TitreFenetre, g.Caption);

  // The year, no test, no grade.
  const TGrapheStat annee = CalculerStat02(*c, Etat(TFenetreStat::Devoir, 1, 4, 1), o);
  EXPECT_EQ(annee.NbBarre(), 0);
  EXPECT_EQ(annee.Caption, "Pas de devoir lors du bilan annuel.");
  for (const TEtatStat& vide : {Etat(TFenetreStat::Devoir, 1, 1, 0), Etat(TFenetreStat::Devoir, 1, 1, 2),
                                Etat(TFenetreStat::Devoir, 2, 1, 1)}) {
    const TGrapheStat g2 = CalculerStat02(*c, vide, o);
    EXPECT_EQ(g2.NbBarre(), 0);
    EXPECT_EQ(g2.Caption, "Pas de notes.");
    EXPECT_EQ(g2.TitreFenetre, "");  // the window keeps its caption
  }
}

TEST(Stat02, ExtremesAbsentsEtGraduations) {
  TOptions o;
  o.imprimerAnnee = false;
  auto c = Classe(12);
  Notes(*c, 1, 1,
        {{"15", "10"},
         {"8", "10"},
         {"15", "10"},
         {"excu", "10"},
         {"", "10"},
         {"", "10"},
         {"", "10"},
         {"", "10"},
         {"", "10"},
         {"", "10"},
         {"", "10"},
         {"", "10"}});
  TEtatStat etat = Etat(TFenetreStat::Devoir, 1, 1, 1);
  etat.AvecAnnee = false;
  TGrapheStat g = CalculerStat02(*c, etat, o);
  EXPECT_EQ(g.Ligne[2], "Note max : 15 ( 2" + Eleves + " )");
  EXPECT_EQ(g.Ligne[3], "Note min : 8 ( E2 B )");
  EXPECT_EQ(g.Ligne[4], "1 note en dessous de la moyenne");
  EXPECT_EQ(g.Ligne[5].substr(0, 33), "Moyenne du devoir 12.7 - 9 absent");
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.1 / Devoir 1");

  // Highest count 12: graduations at 2, 4 .. 12; the single absent, the shared lowest grade.
  c->Eleve(12).Note(1, 1, 2).Affecter("abs");
  c->Eleve(1).Note(1, 1, 2).Affecter("19");
  etat.Devoir = 2;
  g = CalculerStat02(*c, etat, o);
  EXPECT_EQ(g.Vmax, 10);
  EXPECT_EQ(g.PasVert, 2);
  EXPECT_EQ(g.NbGradV, 7);
  EXPECT_EQ(g.Ligne[3], "Note min : 10 ( 10" + Eleves + " )");
  EXPECT_EQ(g.Ligne[5], "Moyenne du devoir 10.8 - 1 absent - Ecart type : 2.6");
  c->Eleve(12).Note(1, 1, 2).Affecter("10");
  c->Eleve(1).Note(1, 1, 2).Affecter("10");
  c->Eleve(11).Note(1, 1, 2).Affecter("10.5");
  g = CalculerStat02(*c, etat, o);
  EXPECT_EQ(g.Vmax, 12);
  EXPECT_EQ(g.PasVert, 2);
  EXPECT_EQ(g.Ligne[2], "Note max : 10.5 ( E11 K )");
  EXPECT_EQ(g.Ligne[5], "Moyenne du devoir 10 - 0 absent - Ecart type : 0.1");

  // Counts 3: one step per unit.
  for (int e = 4; e <= 12; ++e) c->Eleve(e).Note(1, 1, 2).Vider();
  g = CalculerStat02(*c, etat, o);
  EXPECT_EQ(g.Vmax, 3);
  EXPECT_EQ(g.PasVert, 1);
  EXPECT_EQ(g.NbGradV, 4);
}

TEST(Stat02, ValeursHorsDesBarres) {
  TOptions o;
  o.notemax = 10;
  auto c = Classe(3);
  Notes(*c, 1, 1, {{"8"}, {"10.5"}, {"27"}});
  TGrapheStat g = CalculerStat02(*c, Etat(TFenetreStat::Devoir, 1, 1, 1), o);
  // One bar per whole grade 0..10: 10.5 stands on 10, 27 on none but enters the figures.
  EXPECT_EQ(Valeurs(g), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1}));
  EXPECT_EQ(g.Ligne[2], "Note max : 27 ( E3 C )");
  EXPECT_EQ(g.Ligne[5].substr(0, 22), "Moyenne du devoir 15.2");

  // A configuration beyond the usual 24 gets its bars; nothing counted outside them.
  o.notemax = 250;
  g = CalculerStat02(*c, Etat(TFenetreStat::Devoir, 1, 1, 1), o);
  ASSERT_EQ(g.NbBarre(), 251);
  EXPECT_EQ(g.Barres[27].Valeur, 1);
  EXPECT_EQ(g.Barres[250].Legende, "250");

  // Every grade above the scale: nothing to draw.
  o.notemax = 5;
  EXPECT_EQ(CalculerStat02(*c, Etat(TFenetreStat::Devoir, 1, 1, 1), o).Caption, "Pas de notes.");
}

TEST(Stat03, RepartitionDesMoyennes) {
  TOptions o;
  auto c = Classe(4);
  Notes(*c, 1, 2, {{"9.5"}, {"10"}, {"14.25"}, {"abs"}});
  TGrapheStat g = CalculerStat03(*c, Etat(TFenetreStat::Moyennes, 1, 2), o);
  ASSERT_EQ(g.NbBarre(), 21);
  for (std::size_t i = 0; i < 21; ++i) EXPECT_EQ(g.Barres[i].Valeur, i == 9 || i == 10 || i == 14 ? 1 : 0) << i;
  EXPECT_EQ(g.Barres[9].Legende, "");
  EXPECT_EQ(g.Barres[10].Legende, "10");
  EXPECT_EQ(g.Barres[14].Legende, "14");
  EXPECT_EQ(g.NbLigne, 4);
  EXPECT_EQ(g.Ligne[1], "Moyenne max : 14.3 ( E3 C )");
  EXPECT_EQ(g.Ligne[2], "Moyenne min : 9.5 ( E1 A )");
  EXPECT_EQ(g.Ligne[3], "1 \xE9l\xE8ve en dessous de la moyenne");
  EXPECT_EQ(g.Ligne[4], "Moyenne du Trimestre: 11.3 - 1 absent - Ecart type : 2.1");
  EXPECT_FALSE(g.Moy);
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.2 ( 2026 / 2027 )");
  EXPECT_EQ(g.TitreFenetre, "");

  // The year, the synthesis, semesters.
  g = CalculerStat03(*c, Etat(TFenetreStat::Moyennes, 4, 4), o);
  EXPECT_EQ(g.Ligne[4].substr(0, 25),
            "Moyenne de l'ann\xE9"
            "e : 11.3");
  EXPECT_EQ(g.Caption,
            "4A / Synth\xE8se / Ann\xE9"
            "e ( 2026 / 2027 )");
  c->FixerNbPeriodes(2);
  g = CalculerStat03(*c, Etat(TFenetreStat::Moyennes, 1, 2), o);
  EXPECT_EQ(g.Ligne[4].substr(0, 20), "Moyenne du Semestre:");

  // The class's Joker: the lowest grade of each student left out.
  Notes(*c, 1, 1, {{"4", "16"}, {"18", "6"}});
  c->FixerJoker(true);
  g = CalculerStat03(*c, Etat(TFenetreStat::Moyennes, 1, 1), o);
  EXPECT_EQ(g.Ligne[1], "Moyenne max : 18 ( E2 B )");
  EXPECT_EQ(g.Ligne[2], "Moyenne min : 16 ( E1 A )");
  EXPECT_EQ(g.Ligne[4], "Moyenne du Semestre: 17 - 2 absents - Ecart type : 1");

  EXPECT_EQ(CalculerStat03(*c, Etat(TFenetreStat::Moyennes, 2, 1), o).Caption, "Moyenne non calculable !");
}

TEST(Stat01, EvolutionDUnEleveEtDeLaClasse) {
  TOptions o;
  auto c = Classe(2);
  Notes(*c, 1, 1, {{"8", "abs", "15"}, {"12", "", "13"}});
  TGrapheStat g = CalculerStat01(*c, Etat(TFenetreStat::Evolution, 1, 1, 0, 1), o);
  ASSERT_EQ(g.NbBarre(), 3);
  EXPECT_EQ(g.Barres[0].Valeur, 8);
  EXPECT_EQ(g.Barres[0].Couleur, CouleurRouge);
  EXPECT_LT(g.Barres[1].Valeur, 0);
  EXPECT_EQ(g.Barres[1].Texte, "abs");
  EXPECT_EQ(g.Barres[2].Valeur, 15);
  EXPECT_EQ(g.Barres[2].Couleur, CouleurVerte);
  EXPECT_EQ(Legendes(g), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(g.NbLigne, 0);
  EXPECT_EQ(g.Vmax, 20);
  EXPECT_EQ(g.PasVert, 5);
  EXPECT_EQ(g.NbGradV, 4);
  EXPECT_TRUE(g.Afficher0);
  EXPECT_EQ(g.Caption, "4A / Maths / Trim.1 / E1 A ( 2026 / 2027 )");
  EXPECT_TRUE(g.Moy);
  EXPECT_DOUBLE_EQ(g.BarreMoy.Valeur, 11.5);
  EXPECT_EQ(g.BarreMoy.Couleur, CouleurVerte);

  // The class: a test nobody took shows "?"; the "M" button hides the line.
  TEtatStat etat = Etat(TFenetreStat::Evolution, 1, 1);
  etat.Moy = false;
  g = CalculerStat01(*c, etat, o);
  EXPECT_EQ(Valeurs(g)[0], 10);
  EXPECT_EQ(g.Barres[1].Texte, "?");
  EXPECT_EQ(g.Barres[2].Valeur, 14);
  EXPECT_FALSE(g.Moy);
  EXPECT_DOUBLE_EQ(g.BarreMoy.Valeur, 12);

  // The class's line follows the period shown, not the year.
  Notes(*c, 1, 2, {{"4"}, {"6"}});
  g = CalculerStat01(*c, Etat(TFenetreStat::Evolution, 1, 2), o);
  EXPECT_DOUBLE_EQ(g.BarreMoy.Valeur, 5);
  EXPECT_EQ(g.BarreMoy.Couleur, CouleurRouge);
  g = CalculerStat01(*c, Etat(TFenetreStat::Evolution, 1, 4), o);
  EXPECT_EQ(Valeurs(g), (std::vector<double>{12, 5, PasDeMoyenne}));
  EXPECT_EQ(g.Barres[2].Texte, "?");
  EXPECT_DOUBLE_EQ(g.BarreMoy.Valeur, 8.5);  // the students' year averages 7.75 and 9.25

  // A period without tests.
  g = CalculerStat01(*c, Etat(TFenetreStat::Evolution, 1, 3, 0, 2), o);
  EXPECT_EQ(g.NbBarre(), 0);
  EXPECT_EQ(g.Caption, "Pas de notes ce Trimestre");
  EXPECT_FALSE(g.Moy);
}

TEST(Stat01, AnneeEtTousLesDevoirs) {
  TOptions o;
  auto c = Classe(1);
  c->FixerNbPeriodes(2);
  Notes(*c, 1, 1, {{"1", "2", "3", "4", "5", "6"}});
  Notes(*c, 1, 2, {{"7", "8", "9", "10", "11", "disp"}});
  // The year of a class with semesters: two values.
  TGrapheStat g = CalculerStat01(*c, Etat(TFenetreStat::Evolution, 1, 4, 0, 1), o);
  EXPECT_EQ(Legendes(g), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(g.Caption,
            "4A / Maths / Ann\xE9"
            "e / E1 A ( 2026 / 2027 )");

  // Every test of the year: 12 values, labelled at 5 and 10 only.
  TEtatStat etat = Etat(TFenetreStat::Evolution, 1, 5, 0, 1);
  g = CalculerStat01(*c, etat, o);
  ASSERT_EQ(g.NbBarre(), 12);
  EXPECT_EQ(Legendes(g), (std::vector<std::string>{"", "", "", "", "5", "", "", "", "", "10", "", ""}));
  EXPECT_EQ(g.Barres[6].Valeur, 7);
  EXPECT_EQ(g.Barres[11].Texte, "disp");
  EXPECT_EQ(g.Caption,
            "4A / Maths / Toute l'ann\xE9"
            "e / E1 A ( 2026 / 2027 )");
  EXPECT_DOUBLE_EQ(g.BarreMoy.Valeur, (3.5 + 9) / 2);  // the year average
  etat.AvecAnnee = false;
  etat.Eleve = 0;
  EXPECT_EQ(CalculerStat01(*c, etat, o).Caption,
            "4A / Maths / Toute l'ann\xE9"
            "e");

  // A third period never counts in a class of semesters.
  Notes(*c, 1, 3, {{"20"}});
  EXPECT_EQ(CalculerStat01(*c, etat, o).NbBarre(), 12);

  // 60 values: labelled by tens.
  c->FixerNbPeriodes(3);
  Notes(*c, 1, 1, {std::vector<std::string>(24, "10")});
  Notes(*c, 1, 2, {std::vector<std::string>(24, "10")});
  Notes(*c, 1, 3, {std::vector<std::string>(12, "10")});
  g = CalculerStat01(*c, etat, o);
  ASSERT_EQ(g.NbBarre(), 60);
  EXPECT_EQ(g.Barres[9].Legende, "10");
  EXPECT_EQ(g.Barres[4].Legende, "");
  EXPECT_EQ(g.Barres[59].Legende, "60");
  c->FixerNbDevoirs(1, 3, 0);
  EXPECT_EQ(CalculerStat01(*c, Etat(TFenetreStat::Evolution, 2, 5), o).Caption,
            "4A / Mati\xE8re 2 / Toute l'ann\xE9"
            "e ( 2026 / 2027 )");
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
  TTableauStat t = CalculerStat04(*c, Etat(TFenetreStat::Bilan, 1, 1), o);
  EXPECT_EQ(t.Caption, "Moyenne de classe (3e B)");
  ASSERT_EQ(t.NbColonne, 5);
  ASSERT_EQ(t.NbLigne, 4);
  const auto ligne = [&](int l) {
    std::vector<std::string> v;
    for (int col = 1; col <= t.NbColonne; ++col) v.push_back(t.Cellule[col][l]);
    return v;
  };
  EXPECT_EQ(ligne(1), (std::vector<std::string>{"", "Trim.1", "Trim.2", "Trim.3",
                                                "Ann\xE9"
                                                "e"}));
  EXPECT_EQ(ligne(2), (std::vector<std::string>{"Maths", "12", "8", "", "10.5"}));
  EXPECT_EQ(ligne(3), (std::vector<std::string>{"Anglais", "16", "", "", "16"}));
  EXPECT_EQ(ligne(4), (std::vector<std::string>{"Synth\xE8se", "13.5", "8", "", "12"}));
  EXPECT_FALSE(t.Cadre);
  EXPECT_EQ(t.Relief, 1);

  // One student, semesters: his own averages; a period without grades stays empty.
  c->FixerNbPeriodes(2);
  o.indsep = 0;
  t = CalculerStat04(*c, Etat(TFenetreStat::Bilan, 1, 1, 0, 1), o);
  EXPECT_EQ(t.Caption, "Bilan complet - E1 A (3e B)");
  ASSERT_EQ(t.NbColonne, 4);
  EXPECT_EQ(ligne(1), (std::vector<std::string>{"", "Sem.1", "Sem.2",
                                                "Ann\xE9"
                                                "e"}));
  EXPECT_EQ(ligne(2), (std::vector<std::string>{"Maths", "10", "", "10"}));
  EXPECT_EQ(ligne(4), (std::vector<std::string>{"Synth\xE8se", "13", "", "13"}));
}

// What each window does on each change, from the state it is in.
TEST(Actualisation, MatriceDesRafraichissements) {
  auto c = Classe(3);
  c->FixerNbDevoirs(1, 1, 3);
  c->FixerNbDevoirs(1, 2, 2);
  c->FixerNbDevoirs(2, 2, 5);
  c->FixerPeriodeCourante(2);
  c->FixerMatiereCourante(2);

  using F = TFenetreStat;
  struct TCas {
    F fenetre;
    int periode, devoir, eleve;  // the window's state, subject 1
    int code, p, a, b;
    bool recalculer;
  };
  const TCas cas[] = {
      // TStat02 on test 2 of period 1
      {F::Devoir, 1, 2, 0, 1, 0, 0, 0, true},
      {F::Devoir, 1, 2, 0, 2, 1, 0, 0, true},
      {F::Devoir, 1, 2, 0, 2, 2, 0, 0, false},
      {F::Devoir, 4, 0, 0, 2, 2, 0, 0, true},
      {F::Devoir, 1, 2, 0, 3, 1, 2, 3, true},
      {F::Devoir, 1, 2, 0, 3, 1, 1, 3, false},
      {F::Devoir, 1, 2, 0, 3, 2, 2, 3, false},
      {F::Devoir, 1, 2, 0, 4, 1, 2, 0, true},
      {F::Devoir, 1, 2, 0, 4, 1, 3, 0, false},
      {F::Devoir, 1, 2, 0, 5, 1, 0, 0, false},
      {F::Devoir, 1, 2, 0, 5, 2, 0, 0, true},
      {F::Devoir, 1, 2, 0, 5, 0, 0, 0, true},
      {F::Devoir, 1, 2, 0, 6, 0, 0, 0, true},
      {F::Devoir, 1, 2, 0, 7, 1, 2, 0, true},
      // TStat03 on period 1, then on the year
      {F::Moyennes, 1, 0, 0, 1, 0, 0, 0, true},
      {F::Moyennes, 1, 0, 0, 2, 1, 0, 0, true},
      {F::Moyennes, 1, 0, 0, 3, 2, 1, 1, false},
      {F::Moyennes, 4, 0, 0, 3, 2, 1, 1, true},
      {F::Moyennes, 1, 0, 0, 4, 1, 1, 0, true},
      {F::Moyennes, 1, 0, 0, 5, 1, 0, 0, false},
      {F::Moyennes, 1, 0, 0, 5, 3, 0, 0, true},
      {F::Moyennes, 1, 0, 0, 6, 0, 0, 0, true},
      {F::Moyennes, 1, 0, 0, 7, 1, 2, 0, true},
      // TStat01: student 2 of period 2, the class of period 2, the year, every test
      {F::Evolution, 2, 0, 2, 1, 0, 0, 0, true},
      {F::Evolution, 2, 0, 2, 2, 2, 0, 0, true},
      {F::Evolution, 2, 0, 2, 2, 1, 0, 0, false},
      {F::Evolution, 2, 0, 2, 3, 2, 1, 2, true},
      {F::Evolution, 2, 0, 2, 3, 2, 1, 3, false},
      {F::Evolution, 2, 0, 2, 3, 1, 1, 2, false},
      {F::Evolution, 2, 0, 0, 3, 2, 1, 3, true},
      {F::Evolution, 2, 0, 0, 3, 1, 1, 3, false},
      {F::Evolution, 4, 0, 2, 3, 1, 1, 3, true},
      {F::Evolution, 5, 0, 2, 3, 1, 1, 3, true},
      {F::Evolution, 2, 0, 2, 4, 2, 1, 0, true},
      {F::Evolution, 2, 0, 0, 4, 2, 1, 0, true},
      {F::Evolution, 2, 0, 2, 4, 1, 1, 0, false},
      {F::Evolution, 5, 0, 2, 4, 1, 1, 0, true},
      {F::Evolution, 2, 0, 2, 5, 2, 0, 0, false},
      {F::Evolution, 2, 0, 2, 5, 3, 0, 0, true},
      {F::Evolution, 5, 0, 2, 5, 3, 0, 0, false},
      {F::Evolution, 5, 0, 2, 5, 0, 0, 0, true},
      {F::Evolution, 2, 0, 2, 6, 0, 0, 0, true},
      {F::Evolution, 2, 0, 2, 7, 2, 1, 0, true},
      // TStat04: the class, then student 2
      {F::Bilan, 0, 0, 0, 3, 1, 1, 3, true},
      {F::Bilan, 0, 0, 0, 5, 1, 0, 0, true},
      {F::Bilan, 0, 0, 2, 1, 0, 0, 0, true},
      {F::Bilan, 0, 0, 2, 2, 1, 0, 0, true},
      {F::Bilan, 0, 0, 2, 3, 1, 1, 2, true},
      {F::Bilan, 0, 0, 2, 3, 1, 1, 3, false},
      {F::Bilan, 0, 0, 2, 4, 1, 1, 0, true},
      {F::Bilan, 0, 0, 2, 5, 1, 0, 0, false},
      {F::Bilan, 0, 0, 2, 5, 0, 0, 0, true},
      {F::Bilan, 0, 0, 2, 6, 0, 0, 0, true},
      {F::Bilan, 0, 0, 2, 7, 1, 2, 0, true},
  };
  for (const TCas& k : cas) {
    TEtatStat etat = Etat(k.fenetre, 1, k.periode, k.devoir, k.eleve);
    EXPECT_EQ(Actualiser(etat, *c, k.code, k.p, k.a, k.b).Recalculer, k.recalculer)
        << static_cast<int>(k.fenetre) << " periode " << k.periode << " eleve " << k.eleve << " code " << k.code << " ("
        << k.p << ", " << k.a << ", " << k.b << ")";
  }
}

TEST(Actualisation, EtatApresLeChangement) {
  auto c = Classe(3);
  c->FixerNbDevoirs(1, 1, 3);
  c->FixerNbDevoirs(2, 1, 5);
  c->FixerMatiereCourante(4);

  // TStat02: a fourth test selects it; another subject brings its own tests.
  TEtatStat d = EtatInitial(TFenetreStat::Devoir, *c);
  EXPECT_EQ(d.Matiere, 1);  // opened from the synthesis
  EXPECT_EQ(d.Devoir, 3);
  c->FixerNbDevoirs(1, 1, 4);
  EXPECT_TRUE(Actualiser(d, *c, 2, 1, 0, 0).ListeDevoirs);
  EXPECT_EQ(d.Devoir, 4);
  c->FixerMatiereCourante(2);
  const TReactionStat r = Actualiser(d, *c, 7, 1, 2, 0);
  EXPECT_TRUE(r.BoutonsMatiere && r.ListeDevoirs && r.Recalculer);
  EXPECT_EQ(d.Matiere, 2);
  EXPECT_EQ(d.Devoir, 5);
  // The sheet moving to another period leaves the window on its own.
  c->FixerPeriodeCourante(2);
  Actualiser(d, *c, 5, 2, 0, 0);
  EXPECT_EQ(d.Periode, 1);

  // TStat03 follows the sheet's period and subject, the synthesis included.
  c->FixerMatiereCourante(4);
  TEtatStat m = EtatInitial(TFenetreStat::Moyennes, *c);
  EXPECT_EQ(m.Matiere, 4);
  EXPECT_EQ(m.Periode, 2);
  c->FixerPeriodeCourante(4);
  Actualiser(m, *c, 5, 4, 0, 0);
  EXPECT_EQ(m.Periode, 4);

  // TStat01 stays on every test of the year, back to the class when students change.
  TEtatStat e = EtatInitial(TFenetreStat::Evolution, *c);
  e.Periode = 5;
  e.Eleve = 3;
  Actualiser(e, *c, 5, 1, 0, 0);
  EXPECT_EQ(e.Periode, 5);
  Actualiser(e, *c, 1, 0, 0, 0);
  EXPECT_EQ(e.Eleve, 0);
  e.Periode = 2;
  Actualiser(e, *c, 5, 4, 0, 0);
  EXPECT_EQ(e.Periode, 4);

  // A change of the division of the year: no period past it stays shown.
  c->FixerNbPeriodes(2);
  c->FixerPeriodeCourante(3);
  TEtatStat t = EtatInitial(TFenetreStat::Devoir, *c);
  EXPECT_EQ(t.Periode, 1);
  t.Periode = 3;
  Actualiser(t, *c, 5, 0, 0, 0);
  EXPECT_EQ(t.Periode, 1);

  // TStat04: a new test in the sheet brings the class back.
  TEtatStat b = EtatInitial(TFenetreStat::Bilan, *c);
  b.Eleve = 2;
  EXPECT_TRUE(Actualiser(b, *c, 2, 1, 0, 0).ListeEleves);
  EXPECT_EQ(b.Eleve, 0);
}
