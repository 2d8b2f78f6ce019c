#include <QFileInfo>

#include "app/fenetreprincipale.h"
#include "classeur/classeur.h"
#include "model/erreurs.h"
#include "platform/dialogues.h"
#include "platform/messages.h"
#include "sheet/feuille.h"

namespace calevrin {

namespace pf = plateforme;

// The class as it stands in its window, saved or not: what the teacher sees is what goes out.
void TFenetrePrincipale::MenuExporterClasseur() {
  auto* feuille = dynamic_cast<TFenetreFeuille*>(EnfantActif());
  if (!feuille) return;
  QString nom = pf::DemanderFichierSauvegarde(
      this, QString::fromStdString(CheminClasseur(feuille->Classe().NomFichier)), QStringLiteral("Classeur (*.xlsx)"));
  if (nom.isEmpty()) return;
  if (QFileInfo(nom).suffix().isEmpty()) nom += QStringLiteral(".xlsx");
  try {
    EcrireClasseur(feuille->Classe(), nom.toStdString(), Options);
  } catch (const EErreurClasse& e) {
    pf::BoiteMessage(QString::fromUtf8(e.what()), pf::TGenreMessage::Erreur);
    return;
  }
  AfficherMessage(QStringLiteral(" Classeur écrit : ") + nom);
}

}  // namespace calevrin
