#include "dialogs/insereeleve.h"

#include <QComboBox>
#include <QLabel>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/edition.h"

namespace calevrin {

TDial07::TDial07(QWidget* parent, TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o) {
  setWindowTitle(TitreClasse(QStringLiteral("Insérer un nouvel élève"), classe));
  auto* groupe = new QGroupBox(this);
  auto* grille = new QFormLayout(groupe);
  const char* noms[3] = {"Edit1", "Edit2", "Edit3"};
  champs_ = ChampsEleve(groupe, grille, noms, QStringLiteral("&Date de naissance :"), QStringLiteral("( jjmmaaaa )"));
  cb_ = ListeEleves(groupe, classe);
  grille->addRow(Etiquette(QStringLiteral("&Insérer avant :"), cb_, groupe), cb_);
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDial07::OK);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_InsererEleve")));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  champs_.nom->setFocus();
}

void TDial07::OK() {
  const int p = cb_->count() == 0 ? 0 : cb_->currentIndex() + 1;
  const std::optional<TEleveSaisi> e = champs_.Lire();
  if (!e) return;
  if (SansNom(e->Nom)) {
    MessageNomObligatoire();
    champs_.nom->setFocus();
    return;
  }
  if (e->DateNaissance.empty() && conseilDate_) {
    ConseilDateNaissance();
    conseilDate_ = false;
    champs_.date->setFocus();
    return;
  }
  // Nowhere to insert: nothing changed.
  if (p == 0 || !InsererEleve(classe_, p, e->Nom, e->Prenom, e->DateNaissance, options_)) {
    done(DialogueAnnule);
    return;
  }
  done(DialogueConfirme);
}

}  // namespace calevrin
