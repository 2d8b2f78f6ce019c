#pragma once
// TDialSupprimerEleve: one student deleted, with its grades, after a confirmation. The caller opens it
// while NbEleves > 1. exec() gives DialogueConfirme only when a student was deleted.
//
// Object names for tests: ComboBox1, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "dialogs/resultats.h"
#include "model/classe.h"

class QComboBox;

namespace calevrin {

class TDialSupprimerEleve : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial04";
  TDialSupprimerEleve(QWidget* parent, TClasse& classe);

  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 private:
  void Supprimer();  // BitBtn1Click

  TClasse& classe_;
  QComboBox* cb_;
};

}  // namespace calevrin
