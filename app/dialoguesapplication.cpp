#include "app/dialoguesapplication.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

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

bool TDialoguesApplication::AjouterDevoir(QWidget* parent, TClasse& c) {
  return AjouterNouveauDevoir(parent, c, options_);
}
bool TDialoguesApplication::InsererDevoir(QWidget* parent, TClasse& c, int k) {
  return InsererNouveauDevoir(parent, c, k, options_);
}
bool TDialoguesApplication::ModifierDevoirs(QWidget* parent, TClasse& c) {
  return TDialInfosDevoirs(parent, c, options_).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ImporterNotes(QWidget* parent, TClasse& c) {
  return TDialImportNotes(parent, c, options_).exec() == DialogueConfirme;
}
int TDialoguesApplication::ChoisirDevoir(QWidget* parent, const TClasse& c, TModeChoixDevoir mode) {
  return TDialChoixDevoir(parent, c, mode).exec();
}
bool TDialoguesApplication::AjouterEleve(QWidget* parent, TClasse& c) {
  return TDialAjouterEleve(parent, c, options_).exec() == DialogueConfirme;
}
bool TDialoguesApplication::InsererEleve(QWidget* parent, TClasse& c) {
  return TDialInsererEleve(parent, c, options_).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierEleves(QWidget* parent, TClasse& c) {
  return TDialModifierEleve(parent, c, options_).exec() == DialogueConfirme;
}
bool TDialoguesApplication::SupprimerEleve(QWidget* parent, TClasse& c) {
  return TDialSupprimerEleve(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierParametres(QWidget* parent, TClasse& c) {
  return TDialParametresClasse(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierMatieres(QWidget* parent, TClasse& c) {
  return TDialMatieres(parent, c).exec() == DialogueConfirme;
}
bool TDialoguesApplication::ModifierCoefficients(QWidget* parent, TClasse& c) {
  return TDialCoefficients(parent, c, options_).exec() == DialogueConfirme;
}
void TDialoguesApplication::Classement(QWidget* parent, const TClasse& c) {
  TDialClassement(parent, c, options_).exec();
}
void TDialoguesApplication::Ages(QWidget* parent, const TClasse& c) { TDialAges(parent, c).exec(); }
void TDialoguesApplication::FichesEleves(QWidget* parent, const TClasse& c) { TDialFiches(parent, c, options_).exec(); }
void TDialoguesApplication::Anniversaires(QWidget* parent, const TClasse& c) { TDialAnniversaires(parent, c).exec(); }

namespace {

// The frames of the statistics windows that show this class.
QList<QMdiSubWindow*> FenetresDeLaClasse(QMdiArea* zone, const TDocumentClasse& document) {
  QList<QMdiSubWindow*> l;
  for (QMdiSubWindow* f : zone->subWindowList())
    if (auto* s = qobject_cast<TFenetreStatistique*>(f->widget()); s && s->Document() == &document) l.push_back(f);
  return l;
}

}  // namespace

// Each window opens centred, at a size that shows its graph whole, over its sheet; one that
// would cover another window of the class exactly opens a title bar lower and to the right.
void TDialoguesApplication::OuvrirStatistiques(QWidget* feuille, TDocumentClasse& document,
                                               const std::vector<TFenetreStat>& fenetres) {
  auto* cadre = feuille ? qobject_cast<TFenetrePrincipale*>(feuille->window()) : nullptr;
  for (const TFenetreStat genre : fenetres) {
    TFenetreStatistique* w = CreerFenetreStatistique(genre, document, options_);
    if (!cadre) {
      w->setAttribute(Qt::WA_DeleteOnClose);
      w->show();
      continue;
    }
    const QList<QMdiSubWindow*> autres = FenetresDeLaClasse(cadre->Zone(), document);
    const QSize taille = w->size();
    QMdiSubWindow* f = cadre->AjouterEnfant(w);
    f->showNormal();
    const QRect zone = cadre->Zone()->viewport()->rect();
    f->resize(taille.boundedTo(zone.size()));
    const int pas = f->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, f) + 4;
    QPoint coin = zone.center() - f->rect().center();
    for (int essai = 0; essai < autres.size(); ++essai) {
      const bool prise = std::any_of(autres.begin(), autres.end(), [&](QMdiSubWindow* a) { return a->pos() == coin; });
      if (!prise) break;
      coin += QPoint(pas, pas);
      // Back to the top left corner rather than out of the frame.
      if (coin.x() + f->width() > zone.right() || coin.y() + f->height() > zone.bottom()) coin = QPoint(0, 0);
    }
    f->move(coin);
  }
  if (!cadre || fenetres.size() <= 1) return;
  // Beyond four windows the strips become too thin to read: only the asking sheet and its own
  // statistics windows are tiled, the other classes' windows stay where they are.
  int ouvertes = 0;
  for (QMdiSubWindow* f : cadre->Zone()->subWindowList()) ouvertes += !f->isMinimized();
  if (ouvertes <= 4) {
    cadre->MosaiqueCourante();
    return;
  }
  QList<QMdiSubWindow*> classe;
  if (auto* sienne = qobject_cast<QMdiSubWindow*>(feuille->parentWidget())) classe.push_back(sienne);
  classe += FenetresDeLaClasse(cadre->Zone(), document);
  cadre->MosaiqueCourante(classe);
}

}  // namespace calevrin
