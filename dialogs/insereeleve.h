#pragma once
// TDialInsererEleve: one new student inserted before the student chosen; the later students move one
// place down with their grades. The caller opens it while NbEleves < 45.
//
// Object names for tests: Edit1..Edit3, CB, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include "dialogs/nouveleleve.h"

class QComboBox;

namespace calevrin {

class TDialInsererEleve : public TDialNouvelEleve {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial07";
  TDialInsererEleve(QWidget* parent, TClasse& classe, const TOptions& o);

 private:
  void OK() override;

  QComboBox* cb_;
};

}  // namespace calevrin
