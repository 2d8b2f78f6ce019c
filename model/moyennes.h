#pragma once
// Averages of a class: per student, test, subject, period, year, synthesis and class.
// Subject 4 is the synthesis of all subjects, period 4 the year. Nothing is cached:
// every caller recomputes from the grade texts, so nothing can go stale after an edit.

#include "model/classe.h"
#include "model/note.h"
#include "model/options.h"

namespace calevrin {

double MoyenneEleve(const TClasse& c, int m, int p, int e, bool joker, const TOptions& o = Options);
double MoyenneJoker(const TClasse& c, int m, int p, int e, const TOptions& o = Options);
double MoyenneAnnuelle(const TClasse& c, int m, int e, bool joker, const TOptions& o = Options);
double MoyenneSynthese(const TClasse& c, int p, int e, bool joker, const TOptions& o = Options);
double MoyenneSyntheseAnnuelle(const TClasse& c, int e, bool joker, const TOptions& o = Options);
// Dispatches on m 1..4 and p 1..4; any other pair beeps and gives PasDeMoyenne.
double Moyenne(const TClasse& c, int m, int p, int e, bool joker, const TOptions& o = Options);
double MoyenneDevoir(const TClasse& c, int m, int p, int k, const TOptions& o = Options);
double MoyenneClasse(const TClasse& c, int m, int p, bool joker, const TOptions& o = Options);
int NbAbsences(const TClasse& c, int m, int p, int e, const TOptions& o = Options);
int NbDevoirsAnnee(const TClasse& c, int m);
int NbDevoirsTotal(const TClasse& c);

// Range check of a typed grade (max = notemax) or coefficient (max = coefmax); warns and
// refuses a value outside 0..max when the option verification is on.
bool VerifierDomaine(double max, double valeur, const TOptions& o = Options);

}  // namespace calevrin
