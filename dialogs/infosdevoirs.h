#pragma once
// The description (date, duration, coefficient, comment) of the tests of the class's current
// view (subject and period 1..3, or the constructor throws std::invalid_argument). The options
// are read through the reference given, which must outlive the dialog.
//
// Object names for tests: CB, GB1, Edit1..Edit4, BoutonOK, BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "dialogs/champsdevoir.h"
#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

class QComboBox;
class QGroupBox;

namespace calevrin {

// Opened on the last test; another test is chosen in the list once the shown one is written.
// A coefficient left untouched keeps its stored value exactly.
// exec(): DialogueConfirme when something was written into the class, even if cancelled
// afterwards; DialogueAnnule otherwise.
class TDialInfosDevoirs : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial06";
  TDialInfosDevoirs(QWidget* parent, TClasse& classe, const TOptions& o);

  int DevoirAffiche() const { return affiche_; }  // 0 when the view has no test
  bool ModifFaite() const { return modifFaite_; }
  void reject() override;

 private:
  void Remplir();
  bool EcrireDevoir();
  void DevoirChoisi(int index);  // CBChange
  void Valider();                // OKClick

  TClasse& classe_;
  const TOptions& options_;
  int m_;
  int p_;
  int affiche_ = 0;
  bool modifFaite_ = false;
  QComboBox* cb_;
  QGroupBox* gb1_;
  TChampsDevoir champs_;
};

}  // namespace calevrin
