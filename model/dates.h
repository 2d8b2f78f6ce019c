#pragma once
// Birth dates, ages, French date texts and the title line of windows and printouts.
// Every text is Windows-1252. Today's date and the time come in as parameters, the
// clock being only the default, so that no result depends on the clock in tests.

#include <string>
#include <string_view>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// A date with the time of day, for the texts that show the time.
struct TDateHeure {
  TDateJour Date;
  int Heure = 0;   // 0..23
  int Minute = 0;  // 0..59
  static TDateHeure Maintenant();
};

// --- Calendar (proleptic Gregorian) ---

bool Bissextile(int annee);
int JoursDansMois(int annee, int mois);  // 0 for a month outside 1..12
bool DateExiste(int annee, int mois, int jour);
// Days since 1 January 1970 (negative before); the difference of two is a real day count.
long NumeroJour(const TDateJour& d);
TDateJour AjouterJours(const TDateJour& d, long jours);
// 1 = Monday .. 7 = Sunday.
int JourSemaine(const TDateJour& d);
// -1, 0 or 1 as a is before, equal to or after b.
int ComparerDates(const TDateJour& a, const TDateJour& b);

// --- French names ---

std::string_view NomJour(int j);       // 1 = "lundi" .. 7 = "dimanche"
std::string_view NomJourCourt(int j);  // "lun." .. "dim."
std::string_view NomMois(int m);       // 1 = "janvier" .. 12 = "d\xE9""cembre"
std::string_view NomMoisCourt(int m);  // "jan.", "f\xE9v.", ... "jui." (July), "aout", ... "d\xE9""c."

// The period words, by the class's NbPeriodes: 2 for semesters, anything else trimesters.
std::string_view LettrePeriode(int nbPeriodes);    // "S" / "T"
std::string_view NomPeriode(int nbPeriodes);       // "Semestre" / "Trimestre"
std::string_view AbrevPeriode(int nbPeriodes);     // "Se" / "Tr"
std::string_view NomCourtPeriode(int nbPeriodes);  // "Sem." / "Trim."

// --- Date texts ---

// Writes d with a pattern whose codes are d dd ddd dddd (day, two-digit day, short and
// full day name), m mm mmm mmmm (month likewise), yy yyyy, h hh (hours) and n nn
// (minutes); every other character is copied. Hence no literal d, m, y, h or n.
std::string FormaterDate(const TDateHeure& d, std::string_view motif);
std::string FormaterDate(const TDateJour& d, std::string_view motif);

// " " + "dddd dd mmmm yyyy  /  hh:nn", the clock of the status area.
std::string DateHeureTexte(const TDateHeure& maintenant = TDateHeure::Maintenant());
// "ddd d mmm" of today moved by decalage days: the date proposed for a new test.
std::string DateDevoirTexte(int decalage = 0, const TDateJour& aujourdhui = TDateJour::Aujourdhui());
// "mmmm yyyy", the month of the ages and birthdays dialogs.
std::string MoisAnneeTexte(const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// The day a test's date text names: "ven. 2 oct.", "2 octobre", "02/10", "2.10.2026", a
// day name optional, the month a name (full or cut, "jui." being July) or a number. A year
// missing from the text comes from the school year: its first four-digit year for August to
// December, the next one for January to July. Invalid when the text is anything else,
// names no existing day, or gives a day name that the date does not fall on.
struct TDateDevoir {
  bool Valide = false;
  TDateJour Date;
};
TDateDevoir LireDateDevoir(std::string_view texte, std::string_view anneeScolaire);

// --- Birth dates and ages ---

struct TDateNaissance {
  bool Valide = false;
  int Jour = 0;
  int Mois = 0;
  int Annee = 0;
  TDateJour Date() const { return {Annee, Mois, Jour}; }
};

// DateNaissance is ddmmyyyy; each part must be present and made of digits only (a short
// text gives a short year: "1503199" is the year 199). Valid only for a date that exists
// and is not after today; the parts read are returned even when not valid.
TDateNaissance LireDateNaissance(const TClasse& c, int e, const TDateJour& aujourdhui = TDateJour::Aujourdhui());
TDateNaissance LireDateNaissance(std::string_view texte, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// The real number of days from the birth date to today; 0 when it is not valid (and for
// a student born today: 0 always means "no age").
int AgeEnJours(const TClasse& c, int e, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// An age given as a day count, for the average: years of 365.25 days, months of 30.44.
// 0 gives " Erreur !"; otherwise "13 ans 7 mois", or "14 ans " when no month is left.
std::string AgeTexte(int jours);
// One student's age in completed calendar years and months, same texts: a month is
// completed on the same day number of a later month, or on its last day when the month is
// shorter (born 31 January: one month on 28 February; born 29 February: a year older on
// 28 February of a common year). " Erreur !" when AgeEnJours is 0.
std::string AgeEleveTexte(const TClasse& c, int e, const TDateJour& aujourdhui = TDateJour::Aujourdhui());
// Completed months from naissance to aujourdhui (the count behind AgeEleveTexte); -1 when
// aujourdhui is before naissance.
int MoisRevolus(const TDateJour& naissance, const TDateJour& aujourdhui);

// The mean of the non-zero AgeEnJours (whole days), as AgeTexte; "Calcul impossible !"
// when no student has one.
std::string AgeMoyen(const TClasse& c, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// "dd mmmm yyyy" ("05 mars 1990"), or "??" when the birth date is not valid.
std::string DateNaissanceTexte(const TClasse& c, int e, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// --- Titles ---

// The separator character chosen by indsep 0..9 (one of - + / \ ~ | space . ; ,); an
// index outside falls back to the default '/'.
char CaractereSeparateur(int indsep);

// Abreviation, then for each part given (subject 1..3 or 4 for the synthesis, period 1..3
// or 4 for the year, test k >= 1, student 1..45 with the first name) the separator
// " x " and the part; with avecAnnee, " " + AnneeScolaire. 0 or an index out of range
// leaves its part out.
std::string ConstruireTitre(const TClasse& c, int matiere, int periode, int devoir, int eleve, bool avecAnnee,
                            const TOptions& o);

}  // namespace calevrin
