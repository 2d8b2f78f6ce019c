#pragma once
// What TDialAjouterEleve (add) and TDialInsererEleve (insert) share: the fields of the new student, the checks of
// their OK (a name required, the birth-date advice given once) and the buttons.

#include <QDialog>
#include <optional>

#include "dialogs/champseleve.h"
#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

class QFormLayout;
class QGroupBox;

namespace calevrin {

class TDialNouvelEleve : public QDialog {
  Q_OBJECT
 public:
  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 protected:
  TDialNouvelEleve(QWidget* parent, TClasse& classe, const TOptions& o, const QString& titre);
  // OK and the other buttons under the group; rows added before this come first in the tab order.
  void Terminer(const QString& sujetAide);
  // The student typed, or nullopt while the dialog must stay open (no name, advice just given).
  std::optional<TEleveSaisi> EleveValide();
  virtual void OK() = 0;

  TClasse& classe_;
  const TOptions& options_;
  QGroupBox* groupe_;
  QFormLayout* grille_;
  TChampsEleve champs_;

 private:
  bool conseilDate_ = true;
};

}  // namespace calevrin
