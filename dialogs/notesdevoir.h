#pragma once
// The grades of a test typed student by student, in list order. Works on the class's current
// view (subject and period 1..3, or the constructor throws std::invalid_argument); the options
// are read through the reference given, which must outlive the dialog.
//
// Object names for tests: GB1, Edit1, BoutonPrecedent, BoutonSuivant, BoutonValider,
// BoutonAnnuler, BoutonAide.

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

class QGroupBox;
class QLineEdit;

namespace calevrin {

// The grades of test k of the current view.
// exec(): DialogueConfirme once the grades of students 1..NbEleves are written into test k
// (letters of the table in capitals when utiliserL is on); DialogueAnnule writes nothing.
class TDialNotesDevoir : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial03";
  TDialNotesDevoir(QWidget* parent, TClasse& classe, int k, const TOptions& o);

  int EleveCourant() const { return courant_; }
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::optional<std::string> NoteAcceptee();
  void Deplacer(int pas);
  void Valider();
  void AfficherEleve();

  TClasse& classe_;
  const TOptions& options_;
  int m_;
  int p_;
  int k_;
  int courant_ = 1;
  std::array<std::string, MaxEleves + 1> notes_{};  // working grades, Windows-1252, [e]
  QGroupBox* groupe_;
  QLineEdit* edit1_;
};

}  // namespace calevrin
