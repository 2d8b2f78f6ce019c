#include "dialogs/ajoutereleve.h"

#include "model/edition.h"

namespace calevrin {

TDial13::TDial13(QWidget* parent, TClasse& classe, const TOptions& o)
    : TDialNouvelEleve(parent, classe, o, QStringLiteral("Ajouter un nouvel élève")) {
  Terminer(QStringLiteral("Dlg_NewEleve"));
}

void TDial13::OK() {
  const std::optional<TEleveSaisi> e = EleveValide();
  if (e && AjouterEleve(classe_, e->Nom, e->Prenom, e->DateNaissance, options_)) done(DialogueConfirme);
}

}  // namespace calevrin
