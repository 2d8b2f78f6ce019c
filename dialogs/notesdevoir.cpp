#include "dialogs/notesdevoir.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "dialogs/composants.h"
#include "model/moyennes.h"
#include "model/note.h"
#include "platform/messages.h"

namespace calevrin {

TDialNotesDevoir::TDialNotesDevoir(QWidget* parent, TClasse& classe, int k, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o), m_(MatiereVue(classe)), p_(PeriodeVue(classe)), k_(k) {
  setObjectName(QLatin1String(IdConception));
  if (k < 1 || k > MaxDevoirs) throw std::invalid_argument("numéro de devoir hors limites");
  setWindowTitle(QStringLiteral("Saisie des notes"));

  groupe_ = new QGroupBox(this);
  groupe_->setObjectName(QStringLiteral("GB1"));
  // The grade editor of the sheet stores 4 characters too, although the record holds 5.
  edit1_ = Champ(groupe_, "Edit1", LongueurNoteSaisie);
  auto* ligneNote = new QHBoxLayout(groupe_);
  ligneNote->addWidget(Etiquette(QStringLiteral("&Note :"), edit1_, groupe_));
  ligneNote->addWidget(edit1_);
  ligneNote->addStretch();

  QPushButton* precedent = Bouton(this, QStringLiteral("&Précédent"), "BoutonPrecedent");
  QPushButton* suivant = Bouton(this, QStringLiteral("&Suivant"), "BoutonSuivant");
  QPushButton* valider = Bouton(this, QStringLiteral("&Valider les notes saisies"), "BoutonValider");
  suivant->setDefault(true);
  connect(precedent, &QPushButton::clicked, this, [this] { Deplacer(-1); });
  connect(suivant, &QPushButton::clicked, this, [this] { Deplacer(1); });
  connect(valider, &QPushButton::clicked, this, &TDialNotesDevoir::Valider);
  auto* navigation = new QHBoxLayout;
  navigation->addWidget(precedent);
  navigation->addWidget(suivant);

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe_);
  racine->addLayout(navigation);
  racine->addWidget(Boutons(this, valider, QStringLiteral("Dlg_NewDevoir")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  AfficherEleve();
}

void TDialNotesDevoir::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit1_->setFocus();
}

void TDialNotesDevoir::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) edit1_->setFocus();
}

void TDialNotesDevoir::AfficherEleve() {
  const QString nom = classe_.NbEleves() >= courant_ ? Depuis(classe_.NomComplet(courant_, true)) : QString();
  groupe_->setTitle(QLatin1Char(' ') + nom + QLatin1Char(' '));
  edit1_->setText(Depuis(notes_[static_cast<std::size_t>(courant_)]));
  edit1_->selectAll();
}

// The typed text when it may be stored: not a grade at all, or a grade within 0..notemax.
std::optional<std::string> TDialNotesDevoir::NoteAcceptee() {
  std::optional<std::string> texte = Cp1252(edit1_);
  if (!texte) {
    plateforme::Bip();
    return std::nullopt;
  }
  if (texte->size() > static_cast<std::size_t>(LongueurNoteSaisie)) texte->resize(LongueurNoteSaisie);
  const TNote n = LireNote(*texte, options_);
  if (n.EstNote() && !VerifierDomaine(options_.notemax, n.Valeur, options_)) {
    edit1_->selectAll();
    return std::nullopt;
  }
  return texte;
}

// A refused grade stays in the field and the student does not change.
void TDialNotesDevoir::Deplacer(int pas) {
  if (const std::optional<std::string> note = NoteAcceptee()) {
    notes_[static_cast<std::size_t>(courant_)] = *note;
    const int autre = courant_ + pas;
    if (autre >= 1 && autre <= classe_.NbEleves()) {
      courant_ = autre;
      AfficherEleve();
    }
  }
  edit1_->setFocus();
}

void TDialNotesDevoir::Valider() {
  const std::optional<std::string> note = NoteAcceptee();
  if (!note) {
    edit1_->setFocus();
    return;
  }
  notes_[static_cast<std::size_t>(courant_)] = *note;
  for (int e = 1; e <= classe_.NbEleves(); ++e) {
    std::string t = notes_[static_cast<std::size_t>(e)];
    if (options_.utiliserL && LireNote(t, options_).Genre == NoteLettre) t = MajusculesAscii(t);
    classe_.Eleve(e).Note(m_, p_, k_).Affecter(t);
  }
  done(DialogueConfirme);
}

void TDialNotesDevoir::reject() { done(DialogueAnnule); }

}  // namespace calevrin
