#include "app/dialoguesapplication.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/fenetreprincipale.h"

#include "dialogs/choixdevoir.h"
#include "dialogs/infosdevoirs.h"
#include "dialogs/nouveaudevoir.h"
#include "stats/fenetrestatistique.h"
#include "stats/ouverture.h"

namespace calevrin {

bool TDialoguesApplication::AjouterDevoir(QWidget* parent, TClasse& c) { return AjouterNouveauDevoir(parent, c); }
bool TDialoguesApplication::InsererDevoir(QWidget* parent, TClasse& c, int k) {
  return InsererNouveauDevoir(parent, c, k);
}
bool TDialoguesApplication::ModifierDevoirs(QWidget* parent, TClasse& c) {
  return TDial06(parent, c).exec() == DialogueConfirme;
}
int TDialoguesApplication::ChoisirDevoir(QWidget* parent, const TClasse& c, TModeChoixDevoir mode) {
  return TDial16(parent, c, mode).exec();
}

// Each window opens centred, at a size that shows its graph whole, over its sheet.
void TDialoguesApplication::OuvrirStatistiques(QWidget* feuille, TDocumentClasse& document,
                                               const std::vector<TFenetreStat>& fenetres) {
  auto* cadre = feuille ? qobject_cast<TMDI*>(feuille->window()) : nullptr;
  for (const TFenetreStat genre : fenetres) {
    TFenetreStatistique* w = CreerFenetreStatistique(genre, document);
    if (!cadre) {
      w->setAttribute(Qt::WA_DeleteOnClose);
      w->show();
      continue;
    }
    const QSize taille = w->size();
    QMdiSubWindow* f = cadre->AjouterEnfant(w);
    f->showNormal();
    const QRect zone = cadre->Zone()->viewport()->rect();
    f->resize(taille.boundedTo(zone.size()));
    f->move(zone.center() - f->rect().center());
  }
  if (cadre && fenetres.size() > 1) cadre->MosaiqueCourante();
}

}  // namespace calevrin
