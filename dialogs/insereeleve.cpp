#include "dialogs/insereeleve.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

#include "dialogs/composants.h"
#include "model/edition.h"

namespace calevrin {

TDialInsererEleve::TDialInsererEleve(QWidget* parent, TClasse& classe, const TOptions& o)
    : TDialNouvelEleve(parent, classe, o, QStringLiteral("Insérer un nouvel élève")),
      cb_(ListeEleves(groupe_, classe)) {
  setObjectName(QLatin1String(IdConception));
  grille_->addRow(Etiquette(QStringLiteral("&Insérer avant :"), cb_, groupe_), cb_);
  Terminer(QStringLiteral("Dlg_InsererEleve"));
}

void TDialInsererEleve::OK() {
  const int p = cb_->count() == 0 ? 0 : cb_->currentIndex() + 1;
  const std::optional<TEleveSaisi> e = EleveValide();
  if (!e) return;
  // Nowhere to insert: nothing changed.
  done(p != 0 && InsererEleve(classe_, p, e->Nom, e->Prenom, e->DateNaissance, options_) ? DialogueConfirme
                                                                                         : DialogueAnnule);
}

}  // namespace calevrin
