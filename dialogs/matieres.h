#pragma once
// TDialMatieres: how many subjects are used (1 to 3), and the name and abbreviation of each. The
// subjects no longer used keep their names and data. exec() gives DialogueAnnule also when OK
// changed nothing.
//
// Object names for tests: RB1..RB3, Edit1..Edit6, BitBtn1 (OK), BoutonAnnuler, BoutonAide.

#include <QDialog>
#include <array>

#include "dialogs/resultats.h"
#include "model/classe.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace calevrin {

class TDialMatieres : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial15";
  TDialMatieres(QWidget* parent, TClasse& classe);

  void reject() override { done(DialogueAnnule); }  // Annuler, Escape, the window closed

 private:
  void Montrer(int nb);
  void OK();

  TClasse& classe_;
  std::array<QRadioButton*, MaxMatieres> rb_{};
  std::array<QLabel*, MaxMatieres> libelles_{};
  std::array<QLineEdit*, MaxMatieres> noms_{};
  std::array<QLineEdit*, MaxMatieres> abrevs_{};
};

}  // namespace calevrin
