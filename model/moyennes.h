#pragma once
// Averages of a class: per student, test, subject, period, year, synthesis and class.
// Subject 4 is the synthesis of all subjects, period 4 the year. The functions that take a
// class read its grade texts at each call; a window that shows many figures reads them from
// TFiguresClasse (model/figures.h), which keeps the values read once per change.

#include <array>
#include <bitset>
#include <cstdint>

#include "model/classe.h"
#include "model/note.h"
#include "model/options.h"

namespace calevrin {

double MoyenneEleve(const TClasse& c, int m, int p, int e, bool joker, const TOptions& o);
double MoyenneJoker(const TClasse& c, int m, int p, int e, const TOptions& o);
double MoyenneAnnuelle(const TClasse& c, int m, int e, bool joker, const TOptions& o);
double MoyenneSynthese(const TClasse& c, int p, int e, bool joker, const TOptions& o);
double MoyenneSyntheseAnnuelle(const TClasse& c, int e, bool joker, const TOptions& o);
// Dispatches on m 1..4 and p 1..4; any other pair beeps and gives PasDeMoyenne.
double Moyenne(const TClasse& c, int m, int p, int e, bool joker, const TOptions& o);
double MoyenneDevoir(const TClasse& c, int m, int p, int k, const TOptions& o);
double MoyenneClasse(const TClasse& c, int m, int p, bool joker, const TOptions& o);
int NbAbsences(const TClasse& c, int m, int p, int e, const TOptions& o);
int NbDevoirsAnnee(const TClasse& c, int m);
int NbDevoirsTotal(const TClasse& c);

// Every average of a class in one pass over its grades, for a caller that shows many of them
// (a paint, an export, a report): the values of Moyenne, MoyenneClasse, MoyenneDevoir and
// NbAbsences, bit for bit, each grade read once. Nothing is kept between calls: compute it
// again after any change. Out-of-range indices give PasDeMoyenne (0 absences), without a beep.
struct TMoyennes {
  double Eleve(int e, int m, int p) const;   // Moyenne(c, m, p, e, joker), e 1..NbEleves
  double Classe(int m, int p) const;         // MoyenneClasse(c, m, p, joker)
  double Devoir(int m, int p, int k) const;  // MoyenneDevoir(c, m, p, k), k 1..NbDevoirs(m, p)
  int Absences(int e, int m, int p) const;   // NbAbsences(c, m, p, e), e 1..NbEleves

  // Indexed [e - 1][(m - 1) * 4 + p - 1] and [m][p][k] as the grades of a student.
  std::array<std::array<double, 16>, MaxEleves> eleves;
  std::array<std::array<std::int16_t, 16>, MaxEleves> absences;
  std::array<double, 16> classe;
  std::array<double, NotesParEleve> devoirs;
};
void CalculerMoyennes(const TClasse& c, bool joker, TMoyennes& resultat, const TOptions& o);

// The value and kind of every grade text of a class, [e - 1][((m - 1) * 3 + p - 1) * 24 + k - 1]
// as the texts of a student; students beyond NbEleves have none. Values and kinds lie apart so
// that the sums run over packed doubles. About 88 KB: keep it on the heap.
struct TValeursNotes {
  std::array<std::array<double, NotesParEleve>, MaxEleves> Valeurs;
  std::array<std::array<std::uint8_t, NotesParEleve>, MaxEleves> Genres;

  TNote Note(int e, int i) const {
    return {Valeurs[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(i)],
            Genres[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(i)]};
  }
  void Fixer(int e, int i, TNote n) {
    Valeurs[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(i)] = n.Valeur;
    Genres[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(i)] = n.Genre;
  }
};
void LireValeurs(const TClasse& c, const TOptions& o, TValeursNotes& valeurs);
// One grade read again after its text changed.
void LireValeur(const TClasse& c, const TOptions& o, int e, int m, int p, int k, TValeursNotes& valeurs);
// The same averages from values already read: no text is parsed.
void CalculerMoyennes(const TClasse& c, const TValeursNotes& valeurs, bool joker, TMoyennes& resultat);
// After the values of some grades changed, and nothing else since resultat was computed: the
// rows of the students marked, the class averages and the averages of the tests marked
// (indexed as a student's grades), the same bits as a whole computation.
void MettreAJourMoyennes(const TClasse& c, const TValeursNotes& valeurs, bool joker,
                         const std::bitset<MaxEleves>& eleves, const std::bitset<NotesParEleve>& devoirs,
                         TMoyennes& resultat);

// The averages one test view shows (subject m and period p, both 1..3), each grade read
// once: what the sheet paints and exports at every paint. Bit for bit those of
// MoyenneEleve, MoyenneDevoir and MoyenneClasse, with and without the Joker.
struct TMoyennesVue {
  std::array<double, MaxEleves> Eleves;       // [e - 1]
  std::array<double, MaxEleves> ElevesJoker;  // [e - 1]
  std::array<double, MaxDevoirs> Devoirs;     // [k - 1]
  double Classe = PasDeMoyenne;
  double ClasseJoker = PasDeMoyenne;
};
void CalculerMoyennesVue(const TClasse& c, int m, int p, TMoyennesVue& resultat, const TOptions& o);
void CalculerMoyennesVue(const TClasse& c, const TValeursNotes& valeurs, int m, int p, TMoyennesVue& resultat);

// Range check of a typed grade (max = notemax) or coefficient (max = coefmax); warns and
// refuses a value outside 0..max when the option verification is on.
bool VerifierDomaine(double max, double valeur, const TOptions& o);

}  // namespace calevrin
