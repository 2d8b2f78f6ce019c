#pragma once
// The choice of one test of the class's current view (subject and period 1..3, or the
// constructor throws std::invalid_argument) for a command of the sheet.
//
// Object names for tests: CB, BoutonOK, BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "model/classe.h"
#include "model/edition.h"

class QComboBox;

namespace calevrin {

// The caption, label and help topic follow the mode: delete, copy, cut, insert the copied
// test before, insert a new test before.
// exec(): the chosen test 1..NbDevoirs, or ChoixAnnule.
class TDialChoixDevoir : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial16";
  TDialChoixDevoir(QWidget* parent, const TClasse& classe, TModeChoixDevoir mode);

  static QString SujetAide(TModeChoixDevoir mode);
  void reject() override;

 private:
  QComboBox* cb_;
};

}  // namespace calevrin
