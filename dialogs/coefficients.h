#pragma once
// TDialCoefficients: the coefficient of each subject in each period. Only the fields the teacher edited
// are written back, each checked as a test's coefficient is; a field refused keeps the dialog
// open with the focus on it. exec() gives DialogueAnnule also when nothing was edited.
//
// Object names for tests: Edit1..Edit9 (row by row), Titre1..Titre3, Matiere1..Matiere3,
// BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include <QDialog>
#include <array>

#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

class QLabel;
class QLineEdit;

namespace calevrin {

class TDialCoefficients : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial14";
  TDialCoefficients(QWidget* parent, TClasse& classe, const TOptions& o);

  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 private:
  void OK();

  TClasse& classe_;
  const TOptions& options_;
  std::array<QLineEdit*, MaxMatieres * MaxPeriodes> champs_{};
};

}  // namespace calevrin
