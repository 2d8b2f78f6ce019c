#include "dialogs/ajoutereleve.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/composants.h"
#include "model/edition.h"

namespace calevrin {

TDial13::TDial13(QWidget* parent, TClasse& classe, const TOptions& o)
    : QDialog(parent), classe_(classe), options_(o) {
  setWindowTitle(TitreClasse(QStringLiteral("Ajouter un nouvel élève"), classe));
  auto* groupe = new QGroupBox(this);
  auto* grille = new QFormLayout(groupe);
  const char* noms[3] = {"Edit1", "Edit2", "Edit3"};
  champs_ = ChampsEleve(groupe, grille, noms, QStringLiteral("&Date de naissance :"), QStringLiteral("( jjmmaaaa )"));
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDial13::OK);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe);
  racine->addWidget(Boutons(this, ok, QStringLiteral("Dlg_NewEleve")));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  champs_.nom->setFocus();
}

void TDial13::OK() {
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
  if (!AjouterEleve(classe_, e->Nom, e->Prenom, e->DateNaissance, options_)) return;
  done(DialogueConfirme);
}

}  // namespace calevrin
