#pragma once
// The changes that menus and dialogs make to a class: students, tests, the internal test
// clipboard, subjects and class parameters. Dialogs ask and check; these only perform.
//
// Every operation refuses quietly (returns false, changes nothing) when its arguments break a
// limit: 45 students, 24 tests, at least one student left, an index outside the list.
// Test operations work on the class's current view, m = MatiereCourante() and
// p = PeriodeCourante(), and refuse the synthesis (m = 4) and the year (p = 4).
// Texts are Windows-1252. A slot that stops being used is cleared to the bytes of a new
// class's free slot, so that an edit undone leaves the class image exactly as it was.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// What a test is chosen for: the chooser's caption and the tests it offers follow it.
enum class TModeChoixDevoir { Supprimer = 1, Copier = 2, Couper = 3, CollerAvant = 4, InsererAvant = 5 };
// The chooser's answer when cancelled.
inline constexpr int ChoixAnnule = -1789;

// The process-wide clipboard of one test, shared by every open class.
struct TPressePapInterne {
  bool Plein = false;
  std::uint8_t NbElevesCopie = 0;
  TTableau1<TTexteNote, MaxEleves> NotesCopie{};
  TDevoir DevoirCopie;

  void Vider() { *this = TPressePapInterne(); }  // at the creation of the main window
};
extern TPressePapInterne PressePapInterne;

// Names: capitals throughout when majuscule, otherwise lower case with a capital at the start
// of each word (after a space or a hyphen). Every Windows-1252 letter with a one-character
// other case changes case; the result is cut to 20 characters.
std::string NormaliserNom(std::string_view nom, bool majuscule);
void NormaliserNom(TNom& nom, bool majuscule);  // nothing for an empty name
// Nom by the option majuscule, Prenom always in the lower-case form, for students 1..NbEleves.
// Returns whether a name changed.
bool NormaliserNoms(TClasse& c, const TOptions& o);

// The subject and period shown brought within the class: a subject up to NbMatieres or the
// synthesis (4), a period up to NbPeriodes or the year (4); one past it goes to the first.
// Returns whether the view moved.
bool BornerVue(TClasse& c);

// Students. Name, first name and birth date are stored cut to 20, 20 and 8 characters, then
// normalised. Adding and inserting need a name and NbEleves < 45.
bool AjouterEleve(TClasse& c, std::string_view nom, std::string_view prenom, std::string_view dateNaissance,
                  const TOptions& o);
// Before student e (1..NbEleves); any later position appends.
bool InsererEleve(TClasse& c, int e, std::string_view nom, std::string_view prenom, std::string_view dateNaissance,
                  const TOptions& o);
// Grades unchanged; the name may be emptied.
bool ModifierEleve(TClasse& c, int e, std::string_view nom, std::string_view prenom, std::string_view dateNaissance,
                   const TOptions& o);
// Needs NbEleves > 1.
bool SupprimerEleve(TClasse& c, int e);
// French alphabetical order of Nom (case and accents ignored first, then bytes); whole
// records move, grades with their student.
void TrierEleves(TClasse& c);

// Tests of the current view. The coefficient has been read and range-checked by the dialog;
// a value that is not finite is refused.
// Writes the description of slot k (1..NbDevoirs + 1) without counting it.
bool EcrireDevoir(TClasse& c, int k, std::string_view date, std::string_view duree, double coef,
                  std::string_view commentaire);
bool AjouterDevoir(TClasse& c, std::string_view date, std::string_view duree, double coef,
                   std::string_view commentaire);
bool ModifierDevoir(TClasse& c, int k, std::string_view date, std::string_view duree, double coef,
                    std::string_view commentaire);
bool SupprimerDevoir(TClasse& c, int k);
// Moves tests k..n one place up and leaves slot k free and uncounted (k = n + 1 opens nothing).
bool OuvrirPlace(TClasse& c, int k);
// Closes the place opened at k, restoring the tests as they were before OuvrirPlace (k).
bool FermerPlace(TClasse& c, int k);
// Opens a place at k and lets remplir (the new-test dialog) fill slot k; true from remplir
// counts the new test, false closes the place again. The count afterwards depends only on
// that answer, whether remplir counted the test itself or not.
bool InsererDevoir(TClasse& c, int k, const std::function<bool(TClasse&, int)>& remplir);

bool CopierDevoir(const TClasse& c, int k, TPressePapInterne& pp = PressePapInterne);
bool CouperDevoir(TClasse& c, int k, TPressePapInterne& pp = PressePapInterne);
// Pasting warns when the student counts differ and goes on; the clipboard stays full.
bool AjouterDevoirCopie(TClasse& c, const TPressePapInterne& pp = PressePapInterne);
bool InsererDevoirCopie(TClasse& c, int k, const TPressePapInterne& pp = PressePapInterne);

// Every test of the current period, or of the three periods of the current subject.
bool ViderPeriode(TClasse& c);
bool ViderAnnee(TClasse& c);

// Confirmation questions, Windows-1252; empty when the operation would be refused.
std::string QuestionSupprimerEleve(const TClasse& c, int e);
std::string QuestionSupprimerDevoir(const TClasse& c, int k);
std::string QuestionViderPeriode(const TClasse& c);
std::string QuestionViderAnnee(const TClasse& c);

// Subjects. Names and abbreviations cut to 20 and 2 characters; nbMatieres 1..3. Subjects
// beyond the count keep their data.
bool ModifierMatieres(TClasse& c, const std::array<std::string_view, MaxMatieres>& noms,
                      const std::array<std::string_view, MaxMatieres>& abrevs, int nbMatieres);
// Nine texts row by row: subject 1 periods 1..3, subject 2 ... A text that is not a number
// ("." as separator) leaves its coefficient unchanged. Returns how many were stored.
int ModifierCoefMatieres(TClasse& c, const std::array<std::string_view, MaxMatieres * MaxPeriodes>& textes);

struct TParametresClasse {
  std::string Abreviation;        // 8 characters
  std::string AnneeScolaire;      // 25
  std::string Professeur;         // 50
  std::string MatierePrincipale;  // 50
  int NbPeriodes = 3;             // 2 or 3
  int Arrondi = 0;                // 0..6
  bool Joker = false;
};
TParametresClasse LireParametres(const TClasse& c);
// Refuses NbPeriodes other than 2 or 3 and Arrondi outside 0..6; texts are cut to their limits.
bool ModifierParametres(TClasse& c, const TParametresClasse& p);

}  // namespace calevrin
