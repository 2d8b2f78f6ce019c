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
  bool AjouterEleve(QWidget*, TClasse&) override { return false; }
  bool InsererEleve(QWidget*, TClasse&) override { return false; }
  bool ModifierEleves(QWidget*, TClasse&) override { return false; }
  bool SupprimerEleve(QWidget*, TClasse&) override { return false; }
  bool ModifierParametres(QWidget*, TClasse&) override { return false; }
  bool ModifierMatieres(QWidget*, TClasse&) override { return false; }
  bool ModifierCoefficients(QWidget*, TClasse&) override { return false; }
  void Classement(QWidget*, const TClasse&) override {}
  void Ages(QWidget*, const TClasse&) override {}
  void Anniversaires(QWidget*, const TClasse&) override {}
  // The windows asked for, none opened.
  void OuvrirStatistiques(QWidget*, TDocumentClasse&, const std::vector<TFenetreStat>& f) override {
    statistiques.insert(statistiques.end(), f.begin(), f.end());
  }
  std::vector<TFenetreStat> statistiques;
};

}  // namespace calevrin::test
