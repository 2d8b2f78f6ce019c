#include "app/dialoguesapplication.h"

#include "dialogs/choixdevoir.h"
#include "dialogs/infosdevoirs.h"
#include "dialogs/nouveaudevoir.h"

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

}  // namespace calevrin
