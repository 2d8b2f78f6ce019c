#pragma once
// TDial07: one new student inserted before the student chosen; the later students move one
// place down with their grades. The caller opens it while NbEleves < 45.
//
// Object names for tests: Edit1..Edit3, CB, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "dialogs/champseleve.h"
#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

class QComboBox;

namespace calevrin {

class TDial07 : public QDialog {
  Q_OBJECT
 public:
  TDial07(QWidget* parent, TClasse& classe, const TOptions& o = Options);

  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 private:
  void OK();

  TClasse& classe_;
  const TOptions& options_;
  bool conseilDate_ = true;
  TChampsEleve champs_;
  QComboBox* cb_;
};

}  // namespace calevrin
