#pragma once
// TDial04: one student deleted, with its grades, after a confirmation. The caller opens it
// while NbEleves > 1. exec() gives DialogueConfirme only when a student was deleted.
//
// Object names for tests: ComboBox1, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "dialogs/resultats.h"
#include "model/classe.h"

class QComboBox;

namespace calevrin {

class TDial04 : public QDialog {
  Q_OBJECT
 public:
  TDial04(QWidget* parent, TClasse& classe);

  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 private:
  void BitBtn1Click();

  TClasse& classe_;
  QComboBox* cb_;
};

}  // namespace calevrin
