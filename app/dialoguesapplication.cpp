#include "app/dialoguesapplication.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/fenetreprincipale.h"
#include "dialogs/ages.h"
#include "dialogs/ajoutereleve.h"
#include "dialogs/anniversaires.h"
#include "dialogs/choixdevoir.h"
#include "dialogs/classement.h"
#include "dialogs/coefficients.h"
#include "dialogs/fiches.h"
#include "dialogs/importnotes.h"
#include "dialogs/infosdevoirs.h"
#include "dialogs/insereeleve.h"
#include "dialogs/matieres.h"
#include "dialogs/modifiereleve.h"
#include "dialogs/nouveaudevoir.h"
#include "dialogs/parametresclasse.h"
#include "dialogs/supprimereleve.h"
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
bool TDialoguesApplication::ImporterNotes(QWidget* parent, TClasse& c) {
  return TDialImportNotes(parent, c).exec() == DialogueConfirme;
}
int TDialoguesApplication::ChoisirDevoir(QWidget* parent, const TClasse& c, TModeChoixDevoir mode) {
  return TDial16(parent, c, mode).exec();
}
bool TDialoguesApplication::AjouterEleve(QWidget* parent, TClasse& c) {
  return TDial13(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::InsererEleve(QWidget* parent, TClasse& c) {
  return TDial07(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierEleves(QWidget* parent, TClasse& c) {
  return TDial08(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::SupprimerEleve(QWidget* parent, TClasse& c) {
  return TDial04(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierParametres(QWidget* parent, TClasse& c) {
  return TDial05(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierMatieres(QWidget* parent, TClasse& c) {
  return TDial15(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierCoefficients(QWidget* parent, TClasse& c) {
  return TDial14(parent, c).exec() == DialogueConfirme;
}
void TDialoguesApplication::Classement(QWidget* parent, const TClasse& c) { TDial10(parent, c).exec(); }
void TDialoguesApplication::Ages(QWidget* parent, const TClasse& c) { TDial11(parent, c).exec(); }
void TDialoguesApplication::FichesEleves(QWidget* parent, const TClasse& c) { TDialFiches(parent, c).exec(); }
void TDialoguesApplication::Anniversaires(QWidget* parent, const TClasse& c) { TDial12(parent, c).exec(); }

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
