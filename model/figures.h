#pragma once
// The figures of one open class kept between its changes: the value of every grade and every
// average derived from them, with and without the Joker. Whoever changes the class says what
// changed; the sheet, the statistics and the exports then read the same numbers without
// parsing a grade text again at each paint.

#include <bitset>
#include <memory>

#include "model/classe.h"
#include "model/difference.h"
#include "model/moyennes.h"
#include "model/options.h"

namespace calevrin {

class TFiguresClasse {
 public:
  TFiguresClasse();
  // Computed from scratch, as after a load.
  TFiguresClasse(const TClasse& c, const TOptions& o);

  // From scratch: after a load, an undo, a change of the options or of the class's structure.
  void Calculer(const TClasse& c, const TOptions& o);
  // One grade's text changed: that value is read again, then the averages follow.
  void NoteChangee(const TClasse& c, const TOptions& o, int e, int m, int p, int k);
  // Only coefficients, the Joker or the division of the year changed: no text is read again.
  void MoyennesChangees(const TClasse& c);
  // After a change of the class whose file bytes altered as d says (an edit, an undo, a redo):
  // only the grades whose text changed are read again, whatever the change was called.
  void Appliquer(const TClasse& c, const TOptions& o, const TDifference& d);

  const TValeursNotes& Valeurs() const { return *valeurs_; }
  // The grade of student e, subject m, period p, test k; not a grade out of range.
  TNote Note(int e, int m, int p, int k) const;
  const TMoyennes& Moyennes(bool joker) const { return joker ? *avecJoker_ : *sansJoker_; }
  // The averages one test view shows, as CalculerMoyennesVue gives them.
  void Vue(int m, int p, TMoyennesVue& r) const;

 private:
  void NotesChangees(const TClasse& c, const std::bitset<MaxEleves>& eleves, const std::bitset<NotesParEleve>& devoirs);

  std::unique_ptr<TValeursNotes> valeurs_;
  std::unique_ptr<TMoyennes> sansJoker_;
  std::unique_ptr<TMoyennes> avecJoker_;
};

}  // namespace calevrin
