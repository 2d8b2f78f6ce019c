#include "dialogs/modifiereleve.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/edition.h"

namespace calevrin {

TDialModifierEleve::TDialModifierEleve(QWidget* parent, TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(TitreClasse(QStringLiteral("Modifier les renseignements sur un élève"), classe));
  auto* groupe = new QGroupBox(this);
  auto* grille = new QFormLayout(groupe);
  cb_ = ListeEleves(groupe, classe);
  grille->addRow(Etiquette(QStringLiteral("É&lève :"), cb_, groupe), cb_);
  const char* noms[3] = {"Edit1", "Edit2", "Edit3"};
  champs_ = ChampsEleve(groupe, grille, noms, QStringLiteral("&Date de naissance ( jjmmaaaa ) :"), QString());
  connect(cb_, &QComboBox::currentIndexChanged, this, &TDialModifierEleve::Choisir);
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialModifierEleve::OK);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_ModifEleve")));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  if (classe_.NbEleves() > 0) champs_.Afficher(classe_, 1);
  cb_->setFocus();
}

// The shown student as the fields hold it; only a real change counts as one.
bool TDialModifierEleve::Ecrire() {
  const std::optional<TEleveSaisi> e = champs_.Lire();
  if (!e) return false;
  if (indice_ > classe_.NbEleves()) return true;
  const TEleve& el = classe_.Eleve(indice_);
  const std::string nom = el.Nom.Texte(), prenom = el.Prenom.Texte(), date = el.DateNaissance.Texte();
  ModifierEleve(classe_, indice_, e->Nom, e->Prenom, e->DateNaissance, options_);
  if (el.Nom.Texte() != nom || el.Prenom.Texte() != prenom || el.DateNaissance.Texte() != date) {
    modifFaite_ = true;
    cb_->setItemText(indice_ - 1, TexteEleve(classe_, indice_));
  }
  return true;
}

void TDialModifierEleve::Choisir(int index) {
  if (!Ecrire()) {
    const QSignalBlocker bloque(cb_);
    cb_->setCurrentIndex(indice_ - 1);
    return;
  }
  indice_ = index + 1;
  champs_.Afficher(classe_, indice_);
}

void TDialModifierEleve::OK() {
  if (!Ecrire()) return;
  done(modifFaite_ ? DialogueConfirme : DialogueAnnule);
}

void TDialModifierEleve::reject() { done(modifFaite_ ? DialogueConfirme : DialogueAnnule); }

}  // namespace calevrin
