#pragma once
// The test dialogs of a grade sheet: a new test (TDial02) and its grades student by student
// (TDial03), the description of the tests (TDial06), the choice of one test for a command
// (TDial16). They work on the tests of the class's current view, subject MatiereCourante()
// and period PeriodeCourante(), which must both be 1..3; the constructors throw
// std::invalid_argument otherwise. Each is shown modally with exec(), which returns its result.
// The options are read through the reference given, which must outlive the dialog.
//
// Widgets carry object names for tests: Edit1..Edit4, Button1, Button2, CB, GB1,
// BoutonOK, BoutonAnnuler, BoutonAide, BoutonPrecedent, BoutonSuivant, BoutonValider.

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "model/classe.h"
#include "model/edition.h"
#include "model/options.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace calevrin {

// exec() of TDial02, TDial03, TDial06.
inline constexpr int DialogueConfirme = 1;
inline constexpr int DialogueAnnule = 2;

// New test k of the current view, a slot the caller has left free and uncounted:
// NbDevoirs + 1 to add a test, or a place opened by OuvrirPlace (k) to insert one.
// verbe ("Ajouter", "Insérer") begins the caption. The date proposed is aujourdhui moved by
// the arrow and page keys.
// exec(): DialogueConfirme once the test is written and counted (NbDevoirs grew by one),
// its grades typed in TDial03 when asked; DialogueAnnule leaves the class as it was.
class TDial02 : public QDialog {
  Q_OBJECT
 public:
  TDial02(QWidget* parent, TClasse& classe, const QString& verbe, int k,
          const TDateJour& aujourdhui = TDateJour::Aujourdhui(), const TOptions& o = Options);

  int Decalage() const { return decalage_; }  // days from today of the proposed date
  void reject() override;                     // Annuler, Escape, the window closed

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  void AfficherDate();
  bool SaisirDevoir();
  void Button1Click();
  void Button2Click();
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
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
};

// The grades of test k of the current view, typed student by student in list order.
// exec(): DialogueConfirme once the grades of students 1..NbEleves are written into test k
// (letters of the table in capitals when utiliserL is on); DialogueAnnule writes nothing.
class TDial03 : public QDialog {
  Q_OBJECT
 public:
  TDial03(QWidget* parent, TClasse& classe, int k, const TOptions& o = Options);

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

// The description (date, duration, coefficient, comment) of the tests of the current view,
// opened on the last one; another test is chosen in the list once the shown one is written.
// A coefficient left untouched keeps its stored value exactly.
// exec(): DialogueConfirme when something was written into the class, even if cancelled
// afterwards; DialogueAnnule otherwise.
class TDial06 : public QDialog {
  Q_OBJECT
 public:
  TDial06(QWidget* parent, TClasse& classe, const TOptions& o = Options);

  int DevoirAffiche() const { return affiche_; }  // 0 when the view has no test
  bool ModifFaite() const { return modifFaite_; }
  void reject() override;

 private:
  void Remplir();
  bool EcrireDevoir();
  void CBChange(int index);
  void OKClick();

  TClasse& classe_;
  const TOptions& options_;
  int m_;
  int p_;
  int affiche_ = 0;
  bool modifFaite_ = false;
  QComboBox* cb_;
  QGroupBox* gb1_;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
};

// Chooses one test of the current view for a sheet command, by mode: 1 delete, 2 copy,
// 3 cut, 4 insert the copied test before, 5 insert a new test before.
// exec(): the chosen test 1..NbDevoirs, or ChoixAnnule.
class TDial16 : public QDialog {
  Q_OBJECT
 public:
  TDial16(QWidget* parent, const TClasse& classe, TModeChoixDevoir mode);

  static QString SujetAide(TModeChoixDevoir mode);
  void reject() override;

 private:
  QComboBox* cb_;
};

// The sheet's two ways to a new test, through TDial02 with today's date: after the last test
// ("Ajouter"), or before test k, the place being closed again on cancel ("Insérer").
// True when the test was made.
bool AjouterNouveauDevoir(QWidget* parent, TClasse& classe, const TDateJour& aujourdhui = TDateJour::Aujourdhui(),
                          const TOptions& o = Options);
bool InsererNouveauDevoir(QWidget* parent, TClasse& classe, int k,
                          const TDateJour& aujourdhui = TDateJour::Aujourdhui(), const TOptions& o = Options);

}  // namespace calevrin
