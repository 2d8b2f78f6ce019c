#include "dialogs/ajoutereleve.h"

#include "model/edition.h"

namespace calevrin {

TDialAjouterEleve::TDialAjouterEleve(QWidget* parent, TClasse& classe, const TOptions& o)
    : TDialNouvelEleve(parent, classe, o, QStringLiteral("Ajouter un nouvel élève")) {
  setObjectName(QLatin1String(IdConception));
  Terminer(QStringLiteral("Dlg_NewEleve"));
}

void TDialAjouterEleve::OK() {
  const std::optional<TEleveSaisi> e = EleveValide();
  if (e && AjouterEleve(classe_, e->Nom, e->Prenom, e->DateNaissance, options_)) done(DialogueConfirme);
}

}  // namespace calevrin
