#include "sheet/edition.h"

#include <QKeyEvent>

#include "model/moyennes.h"
#include "model/note.h"
#include "platform/texte.h"
#include "platform/validateurcp1252.h"
#include "sheet/peintre.h"

namespace calevrin {

TEdition::TEdition(const TClasse& classe, TRapportSaisie rapport, const TOptions& o, QWidget* parent)
    : QLineEdit(parent), classe_(classe), rapport_(std::move(rapport)), options_(o) {
  setValidator(new plateforme::TValidateurCp1252(this));
  setFrame(false);
  // Text at the top of the box, where the sheet writes it, not centred in it.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextMargins(0, 0, 0, 0);
  setContentsMargins(0, 0, 0, 0);
  setMaxLength(LongueurNoteSaisie);
  resize(10, 10);
  hide();
  setEnabled(false);
}

void TEdition::keyPressEvent(QKeyEvent* event) {
  const int touche = event->key();
  const bool valide =
      touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Up || touche == Qt::Key_Down;
  if (!valide && touche != Qt::Key_Escape) QLineEdit::keyPressEvent(event);
  DerniereTouche = touche;
  if (touche == Qt::Key_Escape || (valide && LigneEdition == 0 && text() == TexteInitial)) {
    // Cancelled, or a coefficient confirmed untouched: its exact stored value stays.
    rapport_(AucuneCellule, 0, {});
  } else if (valide) {
    if (const TEcritureSaisie ecrire = Ecriture()) rapport_(LigneEdition, ColonneEdition, ecrire);
  }
}

bool TEdition::Terminer() {
  DerniereTouche = Qt::Key_Return;
  if (LigneEdition == 0 && text() == TexteInitial) {
    rapport_(AucuneCellule, 0, {});
    return true;
  }
  const TEcritureSaisie ecrire = Ecriture();
  if (!ecrire) return false;
  rapport_(LigneEdition, ColonneEdition, ecrire);
  return true;
}

TEcritureSaisie TEdition::Ecriture() const {
  const std::string texte = PointDecimal(plateforme::VersCp1252(text()).value_or(std::string()));
  const int m = classe_.MatiereCourante();
  const int p = classe_.PeriodeCourante();
  const int e = LigneEdition;
  const int k = ColonneEdition;
  if (m < 1 || m > 3 || p < 1 || p > 3 || k < 1 || k > classe_.NbDevoirs(m, p)) return {};
  if (e >= 1) {
    if (e > classe_.NbEleves()) return {};
    // The text is checked as it will be stored: never a longer text cut afterwards.
    std::string stocke = texte.substr(0, LongueurNoteSaisie);
    const TNote n = LireNote(stocke, options_);
    if (n.Genre != NoteInvalide && !VerifierDomaine(options_.notemax, n.Valeur, options_)) return {};
    if (n.Genre == NoteLettre) stocke = MajusculesAscii(stocke);
    return [=](TClasse& c) {
      c.Eleve(e).Note(m, p, k).Affecter(stocke);
      return true;
    };
  }
  // A coefficient is a number: a letter of the table is not one.
  double v = 0;
  if (!LireNombre(texte, v) || !VerifierDomaine(options_.coefmax, v, options_)) return {};
  return [=](TClasse& c) {
    c.Devoir(m, p, k).Coef = v;
    return true;
  };
}

}  // namespace calevrin
