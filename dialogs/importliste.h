#pragma once
// The preview of a list of students read from a file or from the clipboard: the students that
// will be imported, and the lines that will be skipped with the reason. Nothing is imported
// until "Importer"; the caller then takes Saisis().
//
// Object names for tests: Resume, Eleves, Ignorees, GarderDoubles, BoutonFichier, BoutonColler,
// BoutonImporter, BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "model/importliste.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace calevrin {

class TDialImportListe : public QDialog {
  Q_OBJECT
 public:
  explicit TDialImportListe(QWidget* parent, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

  // Reads and shows the list; origine names it in the summary (a file name, "presse-papiers").
  void Lire(const std::string& octets, const QString& origine);
  const TListeImportee& Liste() const { return liste_; }
  // The students to import: those listed twice once, unless the teacher ticked to keep both.
  std::vector<TEleveSaisi> Saisis() const;

 private:
  void ChoisirFichier();
  void Coller();

  TDateJour aujourdhui_;
  TListeImportee liste_;
  QLabel* resume_;
  QTableWidget* eleves_;
  QTableWidget* ignorees_;
  QCheckBox* garderDoubles_;
  QPushButton* importer_;
};

}  // namespace calevrin
