#pragma once
// "Importer des notes": the grades of one test of the current view read from a file or the
// clipboard, matched to the students, previewed row by row, and written only on OK, into a
// new test or an existing one. The options are read through the reference given, which must
// outlive the dialog.
//
// Object names for tests: BoutonFichier, BoutonColler, Resume, ColonneNom, ColonneNote, Sur,
// Nouveau, Existant, CB, Remplacer, GB1 with Edit1..Edit4, Apercu, BoutonOK, BoutonAnnuler,
// BoutonAide.

#include <QDialog>
#include <optional>

#include "dialogs/champsdevoir.h"
#include "model/importnotes.h"

class QComboBox;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QVBoxLayout;

namespace calevrin {

class TDialImportNotes : public QDialog {
  Q_OBJECT
 public:
  // On the class's current view (a subject and a period 1..3, or std::invalid_argument).
  TDialImportNotes(QWidget* parent, TClasse& classe, const TOptions& o,
                   const TDateJour& aujourdhui = TDateJour::Aujourdhui());

  // The source read and previewed; a refused one leaves a French message and nothing to
  // import. origine names it in the summary; a file's name also proposes the comment.
  void Lire(const std::string& octets, const QString& origine, bool fichier);
  // Through the bounded reader: a FIFO or a file over 1 MiB is refused with a message.
  void LireFichier(const QString& chemin);
  const TApercuNotes& Apercu() const { return apercu_; }
  void accept() override;

 private:
  QHBoxLayout* CreerColonnes();
  void CreerCible(QVBoxLayout* racine, const TDateJour& aujourdhui);
  void CreerApercu(QVBoxLayout* racine);
  void ChoisirFichier();
  void Coller();
  void Recalculer();
  void AfficherApercu();
  void RemplirColonnes();

  TClasse& classe_;
  const TOptions& options_;
  int m_;
  int p_;
  std::optional<TSourceNotes> source_;
  TChoixNotes choix_;
  TApercuNotes apercu_;
  bool remplissage_ = false;  // while the lists are filled, their signals change nothing

  QLabel* resume_;
  QComboBox* colonneNom_;
  QComboBox* colonneNote_;
  QLineEdit* sur_;
  QRadioButton* nouveau_;
  QRadioButton* existant_;
  QComboBox* devoirs_;
  QCheckBox* remplacer_;
  QGroupBox* groupe_;
  TChampsDevoir champs_;
  QTableWidget* table_;
  QPushButton* ok_;
};

}  // namespace calevrin
