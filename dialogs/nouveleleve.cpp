#include "dialogs/nouveleleve.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/composants.h"

namespace calevrin {

TDialNouvelEleve::TDialNouvelEleve(QWidget* parent, TClasse& classe, const TOptions& o, const QString& titre)
    : QDialog(parent), classe_(classe), options_(o), groupe_(new QGroupBox(this)), grille_(new QFormLayout(groupe_)) {
  setWindowTitle(TitreClasse(titre, classe));
  const char* noms[3] = {"Edit1", "Edit2", "Edit3"};
  champs_ = ChampsEleve(groupe_, grille_, noms, QStringLiteral("&Date de naissance :"), QStringLiteral("( jjmmaaaa )"));
}

void TDialNouvelEleve::Terminer(const QString& sujetAide) {
  QPushButton* ok = Bouton(this, QStringLiteral("OK"), "BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDialNouvelEleve::OK);
  auto* racine = new QVBoxLayout(this);
  racine->addWidget(groupe_);
  racine->addWidget(Boutons(this, ok, sujetAide));
  racine->setSizeConstraint(QLayout::SetFixedSize);
  champs_.nom->setFocus();
}

std::optional<TEleveSaisi> TDialNouvelEleve::EleveValide() {
  std::optional<TEleveSaisi> e = champs_.Lire();
  if (!e) return e;
  if (SansNom(e->Nom)) {
    MessageNomObligatoire();
    champs_.nom->setFocus();
    return std::nullopt;
  }
  if (e->DateNaissance.empty() && conseilDate_) {
    ConseilDateNaissance();
    conseilDate_ = false;
    champs_.date->setFocus();
    return std::nullopt;
  }
  return e;
}

}  // namespace calevrin
