#include "dialogs/infosdevoirs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/edition.h"
#include "model/formatage.h"

namespace calevrin {

TDialInfosDevoirs::TDialInfosDevoirs(QWidget* parent, TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o), m_(MatiereVue(classe)), p_(PeriodeVue(classe)) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(QStringLiteral("Modifier les renseignements sur un devoir ( ") + Depuis(classe.Abreviation.Vue()) +
                 QStringLiteral(" )"));

  auto* choix = new QGroupBox(this);
  cb_ = ListeDevoirs(choix, classe, m_, p_);
  auto* ligneChoix = new QHBoxLayout(choix);
  ligneChoix->addWidget(Etiquette(QStringLiteral("&Devoir à modifier:"), cb_, choix));
  ligneChoix->addWidget(cb_, 1);

  gb1_ = new QGroupBox(this);
  gb1_->setObjectName(QStringLiteral("GB1"));
  champs_ = ChampsDevoir(gb1_);

  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BoutonOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialInfosDevoirs::Valider);

  auto* racine = new QVBoxLayout(this);
  racine->addWidget(choix);
  racine->addWidget(gb1_);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_InfosDevoir")));
  racine->setSizeConstraint(QLayout::SetFixedSize);

  affiche_ = classe.NbDevoirs(m_, p_);
  if (affiche_ > 0) {
    cb_->setCurrentIndex(affiche_ - 1);
    Remplir();
  } else {
    choix->setEnabled(false);
    gb1_->setEnabled(false);
    ok->setEnabled(false);
  }
  connect(cb_, &QComboBox::currentIndexChanged, this, &TDialInfosDevoirs::DevoirChoisi);
}

void TDialInfosDevoirs::Remplir() {
  const TDevoir& d = classe_.Devoir(m_, p_, affiche_);
  gb1_->setTitle(TitreGroupeDevoir(classe_, m_, p_, affiche_, options_));
  champs_.date->setText(Depuis(d.Date.Vue()));
  champs_.duree->setText(Depuis(d.Duree.Vue()));
  champs_.coef->setText(Depuis(FormaterNombre(d.Coef)));  // clears the modified mark: see EcrireDevoir
  champs_.commentaire->setText(Depuis(d.Commentaire.Vue()));
}

// Date, duration and comment are written even when the coefficient is refused. The
// coefficient is read back only when it was edited: the text shown has one decimal at most.
bool TDialInfosDevoirs::EcrireDevoir() {
  if (affiche_ < 1) return false;
  const std::optional<TTextesDevoir> t = LireTextes(champs_);
  if (!t) return false;
  modifFaite_ = true;
  const double stocke = classe_.Devoir(m_, p_, affiche_).Coef;
  const std::optional<double> coef =
      champs_.coef->isModified() ? LireCoef(champs_.coef, options_, QStringLiteral("du devoir")) : stocke;
  ModifierDevoir(classe_, affiche_, t->date, t->duree, coef.value_or(stocke), t->commentaire);
  cb_->setItemText(affiche_ - 1, LibelleDevoir(classe_, m_, p_, affiche_));
  return coef.has_value();
}

void TDialInfosDevoirs::DevoirChoisi(int index) {
  if (index < 0 || index + 1 == affiche_) return;
  if (!EcrireDevoir()) {
    const QSignalBlocker bloque(cb_);
    cb_->setCurrentIndex(affiche_ - 1);
    return;
  }
  affiche_ = index + 1;
  Remplir();
}

void TDialInfosDevoirs::Valider() {
  if (EcrireDevoir()) done(DialogueConfirme);
}

void TDialInfosDevoirs::reject() { done(modifFaite_ ? DialogueConfirme : DialogueAnnule); }

}  // namespace calevrin
