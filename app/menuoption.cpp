#include <QDir>
#include <QFileInfo>

#include "app/fenetreprincipale.h"
#include "app/options.h"
#include "controls/couleurs.h"
#include "dialogs/choixoptions.h"
#include "model/edition.h"
#include "platform/regional.h"
#include "sheet/feuille.h"

namespace calevrin {

namespace pf = plateforme;

// Every open class follows, not only the active one: a name typed in capitals in one sheet and
// in small letters in another would otherwise stay so until each is reopened.
void TFenetrePrincipale::MenuOption() {
  if (auto* actif = dynamic_cast<TFenetreFeuille*>(EnfantActif()); actif && actif->RefuserPendantSaisie()) return;
  TMaColorDialog::FixerFichier(
      QFileInfo(QString::fromStdString(configuration_)).dir().filePath(QStringLiteral("colorperso.ini")));
  TDialOption d(this, Options);
  if (d.exec() != DialogueConfirme) return;
  const bool majuscule = d.CopieOptions().majuscule != Options.majuscule;
  Options = d.CopieOptions();
  EnregistrerOptions(Options, configuration_, pf::SeparateurDecimal());
  const QList<pf::TFenetreEnfant*> enfants = Enfants();
  for (qsizetype i = enfants.size() - 1; i >= 0; --i) {
    auto* feuille = dynamic_cast<TFenetreFeuille*>(enfants[i]);
    if (!feuille) continue;
    // A step of its own: undoing the next grade must not take the names back with it.
    if (majuscule)
      feuille->Document().Modifier(QStringLiteral("la mise en forme des noms"), {TCodeChangement::Eleves, 0, 0, 0},
                                   [](TClasse& c) { return NormaliserNoms(c, Options); });
    feuille->AppliquerOptions();
    feuille->Document().AnnoncerOptions();
  }
}

}  // namespace calevrin
