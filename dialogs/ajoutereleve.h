#pragma once
// TDialAjouterEleve: one new student at the end of the list. The student is added only by the OK that
// closes the dialog: the birth-date advice keeps it open with nothing written, and Annuler
// leaves the class exactly as it was. The caller opens it while NbEleves < 45.
//
// Object names for tests: Edit1..Edit3, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include "dialogs/nouveleleve.h"

namespace calevrin {

class TDialAjouterEleve : public TDialNouvelEleve {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial13";
  TDialAjouterEleve(QWidget* parent, TClasse& classe, const TOptions& o);

 private:
  void OK() override;
};

}  // namespace calevrin
