#pragma once
// TDialModifierEleve: the name, first name and birth date of the students, one shown at a time. Choosing
// another student writes the one shown; Annuler drops only the edits of the student shown,
// so exec() gives DialogueConfirme when an earlier student was changed.
//
// Object names for tests: CB, Edit1..Edit3, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "dialogs/champseleve.h"
#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

class QComboBox;

namespace calevrin {

class TDialModifierEleve : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial08";
  TDialModifierEleve(QWidget* parent, TClasse& classe, const TOptions& o);

  int EleveAffiche() const { return indice_; }
  void reject() override;

 private:
  bool Ecrire();
  void Choisir(int index);
  void OK();

  TClasse& classe_;
  const TOptions& options_;
  int indice_ = 1;
  bool modifFaite_ = false;
  TChampsEleve champs_;
  QComboBox* cb_;
};

}  // namespace calevrin
