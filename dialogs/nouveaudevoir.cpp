#include "dialogs/nouveaudevoir.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "dialogs/composants.h"
#include "dialogs/notesdevoir.h"
#include "model/dates.h"
#include "model/edition.h"
#include "platform/messages.h"

namespace calevrin {

TDialNouveauDevoir::TDialNouveauDevoir(QWidget* parent, TClasse& classe, const QString& verbe, int k, const TOptions& o,
                                       const TDateJour& aujourdhui)
    : QDialog(parent),
      classe_(classe),
      options_(o),
      m_(MatiereVue(classe)),
      p_(PeriodeVue(classe)),
      k_(k),
      aujourdhui_(aujourdhui) {
  setObjectName(QLatin1String(IdConception));
  if (k < 1 || k > MaxDevoirs) throw std::invalid_argument("numéro de devoir hors limites");
  avant_ = classe_.Devoir(m_, p_, k_);
  setWindowTitle(verbe + QStringLiteral(" un nouveau devoir ( ") + Depuis(classe.Abreviation.Vue()) +
                 QStringLiteral(" )"));

  auto* groupe = new QGroupBox(TitreGroupeDevoir(classe, m_, p_, k_, o), this);
  groupe->setObjectName(QStringLiteral("GB1"));
  champs_ = ChampsDevoir(groupe, QStringLiteral("( Utiliser les touches de direction pour modifier la date )"));
  champs_.coef->setText(QStringLiteral("1"));
  champs_.date->installEventFilter(this);

  QPushButton* button1 =
      Bouton(this, QStringLiteral("&Valider et saisir les notes par ordre alphabétique..."), "Button1");
  QPushButton* button2 = Bouton(this, QStringLiteral("Valider et saisir les notes &ultèrieurement"), "Button2");
  button1->setDefault(true);
  connect(button1, &QPushButton::clicked, this, &TDialNouveauDevoir::NotesMaintenant);
  connect(button2, &QPushButton::clicked, this, &TDialNouveauDevoir::NotesPlusTard);

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(button1);
  racine->addWidget(button2);
  racine->addWidget(Boutons(this, nullptr, QStringLiteral("Dlg_NewDevoir")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  AfficherDate();
  champs_.date->setFocus();
}

// The page and arrow keys move the proposed date by a day, when released, whatever was typed.
bool TDialNouveauDevoir::eventFilter(QObject* objet, QEvent* event) {
  if (objet == champs_.date && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    int pas = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_PageUp:
      case Qt::Key_Left:
      case Qt::Key_Up: pas = -1; break;
      case Qt::Key_PageDown:
      case Qt::Key_Right:
      case Qt::Key_Down: pas = 1; break;
      default: break;
    }
    if (pas != 0) {
      if (event->type() == QEvent::KeyRelease) {
        decalage_ += pas;
        AfficherDate();
      }
      return true;
    }
  }
  return QDialog::eventFilter(objet, event);
}

// "ddd d mmm" may take 13 characters ("mer. 30 sept."): the field holds 11, and so does the test.
void TDialNouveauDevoir::AfficherDate() {
  std::string t = DateDevoirTexte(decalage_, aujourdhui_);
  if (t.size() > static_cast<std::size_t>(CapaciteDate)) t.resize(CapaciteDate);
  champs_.date->setText(Depuis(t));
}

bool TDialNouveauDevoir::SaisirDevoir() {
  const std::optional<TTextesDevoir> t = LireTextes(champs_);
  if (!t) return false;
  const std::optional<double> coef = LireCoef(champs_.coef, options_, QStringLiteral("du devoir"));
  if (!coef) return false;
  if (!EcrireDevoir(classe_, k_, t->date, t->duree, *coef, t->commentaire)) {
    plateforme::Bip();
    return false;
  }
  return true;
}

void TDialNouveauDevoir::Compter() {
  classe_.FixerNbDevoirs(m_, p_, classe_.NbDevoirs(m_, p_) + 1);
  compte_ = true;
}

void TDialNouveauDevoir::NotesPlusTard() {
  if (!SaisirDevoir()) return;
  Compter();
  done(DialogueConfirme);
}

void TDialNouveauDevoir::NotesMaintenant() {
  if (!SaisirDevoir()) return;
  TDialNotesDevoir notes(this, classe_, k_, options_);
  if (notes.exec() == DialogueConfirme) {
    Compter();
    done(DialogueConfirme);
    return;
  }
  champs_.date->setFocus();
}

// The slot is not counted yet: putting its record back leaves the class as it was.
void TDialNouveauDevoir::reject() {
  if (!compte_) classe_.Devoir(m_, p_, k_) = avant_;
  done(DialogueAnnule);
}

bool AjouterNouveauDevoir(QWidget* parent, TClasse& classe, const TOptions& o, const TDateJour& aujourdhui) {
  const int n = classe.NbDevoirs(MatiereVue(classe), PeriodeVue(classe));
  if (n >= MaxDevoirs) return false;
  TDialNouveauDevoir d(parent, classe, QStringLiteral("Ajouter"), n + 1, o, aujourdhui);
  return d.exec() == DialogueConfirme;
}

bool InsererNouveauDevoir(QWidget* parent, TClasse& classe, int k, const TOptions& o, const TDateJour& aujourdhui) {
  return InsererDevoir(classe, k, [&](TClasse& c, int place) {
    TDialNouveauDevoir d(parent, c, QStringLiteral("Insérer"), place, o, aujourdhui);
    return d.exec() == DialogueConfirme;
  });
}

}  // namespace calevrin
