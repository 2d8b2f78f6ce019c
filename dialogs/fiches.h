#pragma once
// "Fiches des élèves": every student's report page of a period in one go, previewed, printed
// or written to one PDF beside the class. It changes nothing in the class.
//
// Widgets carry object names for tests: Periode, Tous, Choisis, Eleves, Notes, Moyennes,
// Graphique, Appreciation, Apercu, Imprimer, Pdf, BoutonFermer, BoutonAide, Etat.

#include <QDialog>
#include <QImage>
#include <vector>

#include "model/classe.h"
#include "model/fiches.h"
#include "model/options.h"
#include "print/fiches.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace calevrin {

class TDialFiches : public QDialog {
  Q_OBJECT
 public:
  // The class and the options must outlive the dialog.
  TDialFiches(QWidget* parent, const TClasse& classe, const TOptions& o);

  int Periode() const;
  // The students ticked, or every student.
  std::vector<int> Eleves() const;
  TContenuFiche Contenu() const;
  std::vector<TFicheEleve> Fiches() const;
  // "<class file> - fiches <period>.pdf" beside the class file.
  QString PdfPropose() const;

  // The file written; the user chooses it unless one is given (tests).
  bool EcrirePdf(const QString& chemin = QString());
  void Apercu();
  void Imprimer();

 private:
  void MajBoutons();

  const TClasse& classe_;
  const TOptions& options_;
  QComboBox* periode_;
  QRadioButton* tous_;
  QListWidget* eleves_;
  QCheckBox* notes_;
  QCheckBox* moyennes_;
  QCheckBox* graphique_;
  QCheckBox* appreciation_;
  QLabel* etat_;
};

// The pages one after the other, as they will print.
class TApercuFiches : public QDialog {
  Q_OBJECT
 public:
  TApercuFiches(QWidget* parent, std::vector<TFicheEleve> fiches, TParametresFiches p);
  int NbPages() const { return static_cast<int>(pages_.size()); }
  int PageCourante() const { return courante_; }
  void AllerA(int page);  // 0-based, clamped
  QImage Image() const;   // the page shown

 private:
  std::vector<TFicheEleve> fiches_;
  TParametresFiches parametres_;
  std::vector<std::pair<int, int>> pages_;
  int courante_ = 0;
  QLabel* image_;
  QLabel* numero_;
};

}  // namespace calevrin
