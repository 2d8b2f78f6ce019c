#include "sheet/edition.h"

#include <QKeyEvent>

#include "model/moyennes.h"
#include "model/note.h"
#include "platform/texte.h"
#include "platform/validateurcp1252.h"

namespace calevrin {

TEdition::TEdition(TClasse& classe, TRapportSaisie rapport, const TOptions& o, QWidget* parent)
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
    rapport_(MSG_SAISIE, 255, 0);
  } else if (valide && Valider()) {
    rapport_(MSG_SAISIE, LigneEdition, ColonneEdition);
  }
}

bool TEdition::Valider() {
  const std::string texte = PointDecimal(plateforme::VersCp1252(text()).value_or(std::string()));
  const int m = classe_.MatiereCourante();
  const int p = classe_.PeriodeCourante();
  if (m < 1 || m > 3 || p < 1 || p > 3 || ColonneEdition < 1 || ColonneEdition > classe_.NbDevoirs(m, p)) return false;
  if (LigneEdition >= 1) {
    if (LigneEdition > classe_.NbEleves()) return false;
    // The text is checked as it will be stored: never a longer text cut afterwards.
    std::string stocke = texte.substr(0, LongueurNoteSaisie);
    const TNote n = LireNote(stocke, options_);
    if (n.Genre != NoteInvalide && !VerifierDomaine(options_.notemax, n.Valeur, options_)) return false;
    if (n.Genre == NoteLettre) stocke = MajusculesAscii(stocke);
    classe_.Eleve(LigneEdition).Note(m, p, ColonneEdition).Affecter(stocke);
    return true;
  }
  // A coefficient is a number: a letter of the table is not one.
  double v = 0;
  if (!LireNombre(texte, v) || !VerifierDomaine(options_.coefmax, v, options_)) return false;
  classe_.Devoir(m, p, ColonneEdition).Coef = v;
  return true;
}

}  // namespace calevrin
