#pragma once
// A new test of the class's current view (subject MatiereCourante(), period PeriodeCourante(),
// both 1..3, or the constructor throws std::invalid_argument): its description, then its
// grades in TDialNotesDevoir when asked. The options are read through the reference given, which
// must outlive the dialog.
//
// Object names for tests: GB1, Edit1..Edit4, Button1, Button2, BoutonAnnuler, BoutonAide.

#include <QDialog>

#include "dialogs/champsdevoir.h"
#include "dialogs/resultats.h"
#include "model/classe.h"
#include "model/options.h"

namespace calevrin {

// New test k of the current view, a slot the caller has left free and uncounted:
// NbDevoirs + 1 to add a test, or a place opened by OuvrirPlace (k) to insert one.
// verbe ("Ajouter", "Insérer") begins the caption. The date proposed is aujourdhui moved by
// the arrow and page keys.
// exec(): DialogueConfirme once the test is written and counted (NbDevoirs grew by one),
// its grades typed in TDialNotesDevoir when asked; DialogueAnnule leaves the class as it was.
class TDialNouveauDevoir : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* IdConception = "TDial02";
  TDialNouveauDevoir(QWidget* parent, TClasse& classe, const QString& verbe, int k, const TOptions& o,
                     const TDateJour& aujourdhui = TDateJour::Aujourdhui());

  int Decalage() const { return decalage_; }  // days from today of the proposed date
  void reject() override;                     // Annuler, Escape, the window closed

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  void AfficherDate();
  bool SaisirDevoir();
  void NotesMaintenant();  // Button1Click
  void NotesPlusTard();    // Button2Click
  void Compter();

  TClasse& classe_;
  const TOptions& options_;
  int m_;
  int p_;
  int k_;
  TDateJour aujourdhui_;
  int decalage_ = 0;
  TDevoir avant_;  // slot k as it was, put back on cancel
  bool compte_ = false;
  TChampsDevoir champs_;
};

// The sheet's two ways to a new test, through TDialNouveauDevoir with today's date: after the last test
// ("Ajouter"), or before test k, the place being closed again on cancel ("Insérer").
// True when the test was made.
bool AjouterNouveauDevoir(QWidget* parent, TClasse& classe, const TOptions& o,
                          const TDateJour& aujourdhui = TDateJour::Aujourdhui());
bool InsererNouveauDevoir(QWidget* parent, TClasse& classe, int k, const TOptions& o,
                          const TDateJour& aujourdhui = TDateJour::Aujourdhui());

}  // namespace calevrin
