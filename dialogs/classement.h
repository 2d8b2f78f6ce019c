#pragma once
// TDialClassement: the ranking of the students by their average for a period and a subject chosen in
// the dialog, first the class's current view. It shows what Classer returns, copies it to the
// clipboard and writes it to the text file "Classement.TXT", opened in the desktop's text
// editor. It changes nothing in the class.
//
// Widgets carry object names for tests: ST, CB, RB1..RB4 (periods), RB11..RB14 (subjects),
// Button1 (clipboard), Button2 (text file), BoutonOK, BoutonAide.

#include <QDialog>
#include <QString>
#include <array>

#include "model/classe.h"
#include "model/classement.h"
#include "model/options.h"

class QCheckBox;
class QRadioButton;
class QTableWidget;

namespace calevrin {

class TDialClassement : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial10";
  // The class and the options must outlive the dialog.
  TDialClassement(QWidget* parent, const TClasse& classe, const TOptions& o);

  int Matiere() const { return matiere_; }
  int Periode() const { return periode_; }
  const TClassement& Classement() const { return classement_; }

  // Where "--> Bloc Note" writes: the program's folder when it is writable, otherwise the
  // user's documents folder; another folder may be given (tests).
  QString FichierTexte() const;
  void FixerRepertoireTexte(const QString& repertoire) { repertoire_ = repertoire; }

 private:
  void ChoixChange();  // RBChange
  void Classer();
  void CopierClassement();       // Button1Click
  void EnregistrerClassement();  // Button2Click

  const TClasse& classe_;
  const TOptions& options_;
  int matiere_;
  int periode_;
  TClassement classement_;
  QString repertoire_;
  QTableWidget* st_;
  QCheckBox* cb_;
  std::array<QRadioButton*, 4> periodes_{};
  std::array<QRadioButton*, 4> matieres_{};
};

}  // namespace calevrin
