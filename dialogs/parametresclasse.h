#pragma once
// TDialParametresClasse: the class's abbreviation, school year, teacher, main subject, division of the year,
// rounding mode and Joker. Written only by OK; exec() gives DialogueAnnule also when OK
// changed nothing.
//
// Object names for tests: Edit1..Edit4, RB2, RB3, CB, CB1, BitBtn1 (OK), BoutonAnnuler,
// BoutonAide.

#include <QDialog>

#include "dialogs/resultats.h"
#include "model/classe.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace calevrin {

class TDialParametresClasse : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial05";
  TDialParametresClasse(QWidget* parent, TClasse& classe);

  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 private:
  void Valider();  // BitBtn1Click

  TClasse& classe_;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
  QRadioButton* rb2_;
  QRadioButton* rb3_;
  QComboBox* cb_;
  QCheckBox* cb1_;
};

}  // namespace calevrin
