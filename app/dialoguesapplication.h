#pragma once
// The dialogs the application gives to every grade sheet it opens.

#include "model/options.h"
#include "sheet/dialoguesfeuille.h"

namespace calevrin {

class TDialoguesApplication : public TDialoguesFeuille {
 public:
  // The options the dialogs and the statistics windows follow, owned by the application.
  explicit TDialoguesApplication(const TOptions& o) : options_(o) {}
  bool AjouterDevoir(QWidget* parent, TClasse& c) override;
  bool InsererDevoir(QWidget* parent, TClasse& c, int k) override;
  bool ModifierDevoirs(QWidget* parent, TClasse& c) override;
  bool ImporterNotes(QWidget* parent, TClasse& c) override;
  int ChoisirDevoir(QWidget* parent, const TClasse& c, TModeChoixDevoir mode) override;
  bool AjouterEleve(QWidget* parent, TClasse& c) override;
  bool InsererEleve(QWidget* parent, TClasse& c) override;
  bool ModifierEleves(QWidget* parent, TClasse& c) override;
  bool SupprimerEleve(QWidget* parent, TClasse& c) override;
  bool ModifierParametres(QWidget* parent, TClasse& c) override;
  bool ModifierMatieres(QWidget* parent, TClasse& c) override;
  bool ModifierCoefficients(QWidget* parent, TClasse& c) override;
  void Classement(QWidget* parent, const TClasse& c) override;
  void Ages(QWidget* parent, const TClasse& c) override;
  void FichesEleves(QWidget* parent, const TClasse& c) override;
  void Anniversaires(QWidget* parent, const TClasse& c) override;
  void OuvrirStatistiques(QWidget* feuille, TDocumentClasse& document,
                          const std::vector<TFenetreStat>& fenetres) override;

 private:
  const TOptions& options_;
};

}  // namespace calevrin
