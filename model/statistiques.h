#pragma once
// What the four statistics windows show, computed from a class, the options and the state of
// the window: the spread of one test's grades (TStatDevoir), the spread of the averages (TStatMoyennes),
// the evolution of a student or of the class (TStatEvolution) and the full report (TStatBilan). The
// windows hand these figures to their graph or table as they are; the command line prints
// them. Texts are Windows-1252.

#include <string>
#include <vector>

#include "model/chaine.h"
#include "model/changement.h"
#include "model/classe.h"
#include "model/figures.h"
#include "model/options.h"

namespace calevrin {

inline constexpr TCouleur CouleurRouge = 0x0000FF;  // red (255, 0, 0)
inline constexpr TCouleur CouleurVerte = 0x008000;  // green (0, 128, 0)

enum class TFenetreStat {
  Devoir,     // TStatDevoir: one test of one subject and period
  Moyennes,   // TStatMoyennes: the averages of a subject (or the synthesis) over a period (or the year)
  Evolution,  // TStatEvolution: a student or the class over the tests or the periods of a subject
  Bilan,      // TStatBilan: every average of the class or of a student in one table
};

// The state of a window beside its controls.
struct TEtatStat {
  TFenetreStat Fenetre = TFenetreStat::Devoir;
  // 1..3 a period, 4 the year; TStatEvolution also 5, every test of the year in order.
  int Periode = 1;
  int Matiere = 1;        // 1..3; TStatMoyennes also 4, the synthesis
  int Devoir = 0;         // TStatDevoir: 1..NbDevoirs, 0 none
  int Eleve = 0;          // TStatEvolution and TStatBilan: 0 the class, else a student
  bool AvecAnnee = true;  // "An": the school year in the title
  bool Moy = true;        // "M" of TStatEvolution: the average line shown
};

// The state of a window that opens on the class's current view.
TEtatStat EtatInitial(TFenetreStat fenetre, const TClasse& c, const TOptions& o);

// The caption of a window (the class's abbreviation and what the window shows).
std::string TitreFenetreStat(TFenetreStat fenetre, const TClasse& c);
// The drop-down lists: "k - Commentaire" for the tests of a subject and period 1..3 (none for
// the year), " < Moyenne Classe >" then "k - Nom Prénom" for the students.
std::vector<std::string> ListeDevoirsStat(const TClasse& c, int matiere, int periode);
std::vector<std::string> ListeElevesStat(const TClasse& c);

struct TBarreStat {
  double Valeur = 0;  // negative: no value, Texte is written instead
  TCouleur Couleur = CouleurRouge;
  std::string Texte;    // at most 4 characters
  std::string Legende;  // at most 4 characters, under the bar
};

// The look every statistics window takes from the options.
struct TStyleStat {
  TCouleur CouleurFond = 0;   // couleur[3]
  TCouleur CouleurL = 0;      // couleur[2]
  TCouleur CouleurTexte = 0;  // couleur[1]
  std::string Police;         // polname
  TStylePolice StylePolice;   // polstyle
};

struct TGrapheStat {
  TStyleStat Style;
  // The title; with no bar, the message written in the middle of the graph.
  std::string Caption;
  std::vector<TBarreStat> Barres;  // NbBarre = their number
  TTableau1<std::string, 5> Ligne;
  int NbLigne = 0;
  int Vmax = 20;  // at least 1 when there are bars
  int PasVert = 5;
  int NbGradV = 4;
  bool Afficher0 = true;
  // The average line: drawn only when Moy, at BarreMoy.Valeur in BarreMoy.Couleur.
  bool Moy = false;
  TBarreStat BarreMoy;
  // TStatDevoir names its window after what it shows; empty: the window keeps its caption.
  std::string TitreFenetre;

  int NbBarre() const { return static_cast<int>(Barres.size()); }
};

struct TTableauStat {
  TStyleStat Style;
  std::string Caption;
  int NbColonne = 5;  // 4 or 5
  int NbLigne = 5;    // 3 to 5
  bool Cadre = false;
  int Relief = 1;                                   // 0 flat, 1 sunken, 2 raised
  TTableau1<TTableau1<std::string, 5>, 5> Cellule;  // [colonne][ligne]
};

TGrapheStat CalculerStat02(const TClasse& c, const TEtatStat& etat, const TOptions& o);
TGrapheStat CalculerStat03(const TClasse& c, const TEtatStat& etat, const TOptions& o);
TGrapheStat CalculerStat01(const TClasse& c, const TEtatStat& etat, const TOptions& o);
TTableauStat CalculerStat04(const TClasse& c, const TEtatStat& etat, const TOptions& o);
// The same from the figures a window's document keeps, without reading a grade text again.
TGrapheStat CalculerStat02(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o);
TGrapheStat CalculerStat03(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o);
TGrapheStat CalculerStat01(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o);
TTableauStat CalculerStat04(const TClasse& c, const TFiguresClasse& f, const TEtatStat& etat, const TOptions& o);

// What a window does when its class tells it of a change, or that the sheet shows another
// period or subject. Actualiser moves the state (period,
// subject, test, student) as the window's reaction does; the window then rebuilds what the
// flags name and, when Recalculer, computes and redraws.
struct TReactionStat {
  bool Recalculer = false;
  bool BoutonsPeriode = false;  // period buttons relabelled, the button of Periode down
  bool BoutonsMatiere = false;  // subject buttons again, the button of Matiere down
  bool ListeDevoirs = false;    // test list refilled, its last item (Devoir) selected
  bool ListeEleves = false;     // student list refilled, the class (Eleve = 0) selected
  bool operator==(const TReactionStat&) const = default;
};
TReactionStat Actualiser(TEtatStat& etat, const TClasse& c, const TChangement& changement);

}  // namespace calevrin
