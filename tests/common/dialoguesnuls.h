#pragma once
// Dialogs a sheet under test opens: each is cancelled at once.

#include "sheet/dialoguesfeuille.h"

namespace calevrin::test {

class TDialoguesNuls : public TDialoguesFeuille {
 public:
  bool AjouterDevoir(QWidget*, TClasse&) override { return false; }
  bool InsererDevoir(QWidget*, TClasse&, int) override { return false; }
  bool ModifierDevoirs(QWidget*, TClasse&) override { return false; }
  int ChoisirDevoir(QWidget*, const TClasse&, TModeChoixDevoir) override { return ChoixAnnule; }
  // The windows asked for, none opened.
  void OuvrirStatistiques(QWidget*, TDocumentClasse&, const std::vector<TFenetreStat>& f) override {
    statistiques.insert(statistiques.end(), f.begin(), f.end());
  }
  std::vector<TFenetreStat> statistiques;
};

}  // namespace calevrin::test
