#pragma once
// TDialNouvelleClasse "Nouvelle classe": the students of a new class typed one at a time (or imported from
// a list, then corrected), kept in working slots until OK. The caller builds the class from
// Saisis() (CreerClasse) when exec() returns DialogueConfirme.
//
// Object names for tests: GB1, EditNom, EditPrenom, EditDateN, Button1 (Précédent), Button2
// (Suivant), BitBtn1 (OK), BoutonImporter, BoutonAnnuler, BoutonAide.

#include <QDialog>
#include <array>

#include "dialogs/champseleve.h"
#include "dialogs/resultats.h"
#include "model/nouvelleclasse.h"

class QGroupBox;

namespace calevrin {

class TDialNouvelleClasse : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial01";
  explicit TDialNouvelleClasse(QWidget* parent = nullptr, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

  int Indice() const { return indice_; }
  const std::array<TEleveSaisi, MaxEleves>& Saisis() const { return saisis_; }
  // Fills the working slots from a list read (the import's confirmation) and shows slot 1.
  void Remplir(const std::vector<TEleveSaisi>& eleves);

  // Annuler, Escape, the window closed: asks before students typed are lost.
  void reject() override;

 private:
  bool Stocker();
  void Afficher(int indice);
  void ElevePrecedent();  // Button1Click
  void EleveSuivant();    // Button2Click
  void CreerClasse();     // BitBtn1Click
  void Importer();

  TDateJour aujourdhui_;
  std::array<TEleveSaisi, MaxEleves> saisis_{};
  int indice_ = 1;
  bool conseilDate_ = true;
  QGroupBox* groupe_;
  TChampsEleve champs_;
};

}  // namespace calevrin
