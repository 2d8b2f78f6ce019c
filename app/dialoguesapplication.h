#pragma once
// The dialogs the application gives to every grade sheet it opens.

#include "sheet/dialoguesfeuille.h"

namespace calevrin {

class TDialoguesApplication : public TDialoguesFeuille {
 public:
  bool AjouterDevoir(QWidget* parent, TClasse& c) override;
  bool InsererDevoir(QWidget* parent, TClasse& c, int k) override;
  bool ModifierDevoirs(QWidget* parent, TClasse& c) override;
  int ChoisirDevoir(QWidget* parent, const TClasse& c, TModeChoixDevoir mode) override;
  void OuvrirStatistiques(QWidget* feuille, TDocumentClasse& document,
                          const std::vector<TFenetreStat>& fenetres) override;
};

}  // namespace calevrin
