#pragma once
// The dialogs a grade sheet opens. They live beside the sheet, not below it: the application
// builds one object that opens them and gives it to each sheet it creates.

#include <vector>

#include "model/edition.h"
#include "model/statistiques.h"

class QWidget;

namespace calevrin {

class TClasse;
class TDocumentClasse;

class TDialoguesFeuille {
 public:
  virtual ~TDialoguesFeuille() = default;
  // A new test written and counted at the end of the current period: true when confirmed.
  virtual bool AjouterDevoir(QWidget* parent, TClasse& c) = 0;
  // A new test inserted before test k; cancelled, the tests stay as they were.
  virtual bool InsererDevoir(QWidget* parent, TClasse& c, int k) = 0;
  // The grades of one test read from a file or the clipboard, into a new test or an existing
  // one of the current view: true when stored.
  virtual bool ImporterNotes(QWidget* parent, TClasse& c) = 0;
  // The descriptions of the tests edited: true when something was written.
  virtual bool ModifierDevoirs(QWidget* parent, TClasse& c) = 0;
  // A test of the current view chosen for a command: its number, or ChoixAnnule.
  virtual int ChoisirDevoir(QWidget* parent, const TClasse& c, TModeChoixDevoir mode) = 0;
  // The students, the class parameters, the subjects and their coefficients: true when the
  // dialog changed the class, false when it left it as it was.
  virtual bool AjouterEleve(QWidget* parent, TClasse& c) = 0;
  virtual bool InsererEleve(QWidget* parent, TClasse& c) = 0;
  virtual bool ModifierEleves(QWidget* parent, TClasse& c) = 0;
  virtual bool SupprimerEleve(QWidget* parent, TClasse& c) = 0;
  virtual bool ModifierParametres(QWidget* parent, TClasse& c) = 0;
  virtual bool ModifierMatieres(QWidget* parent, TClasse& c) = 0;
  virtual bool ModifierCoefficients(QWidget* parent, TClasse& c) = 0;
  // Read only: the ranking, the ages, the birthdays of the month.
  virtual void Classement(QWidget* parent, const TClasse& c) = 0;
  virtual void Ages(QWidget* parent, const TClasse& c) = 0;
  virtual void Anniversaires(QWidget* parent, const TClasse& c) = 0;
  // Every student's report page of a period, previewed, printed or written to a PDF.
  virtual void FichesEleves(QWidget* parent, const TClasse& c) = 0;
  // Statistics windows on the sheet's class, in this order, beside the sheet and closed with
  // its class; several are tiled with the other windows.
  virtual void OuvrirStatistiques(QWidget* feuille, TDocumentClasse& document,
                                  const std::vector<TFenetreStat>& fenetres) = 0;
};

}  // namespace calevrin
