#pragma once
// The grade-sheet window: one class document shown as its painted table, where grades and
// coefficients are typed in place.

#include <QAbstractScrollArea>
#include <memory>
#include <string>

#include "model/classe.h"
#include "sheet/peintre.h"

namespace calevrin {

class TEdition;

class TChild : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Opens the class file; throws EErreurClasse when it cannot be read.
  TChild(const std::string& chemin, QWidget* parent = nullptr);
  ~TChild() override;

  TClasse& Classe() { return *classe_; }
  const TClasse& Classe() const { return *classe_; }
  TEtatFeuille& Etat() { return etat_; }
  TEdition& Editeur() { return *edition_; }
  bool Modifie = false;
  bool SourisSurCase = false;

  bool SaisieEnCours() const;
  // Commands that change the class or the view call this first: true (after the error
  // box) while a grade is being typed.
  bool RefuserPendantSaisie();

  void Rafraichir();
  void ChangerPeriode(int p);
  void ChangerMatiere(int s);
  void PeriodeSuivante();
  void PeriodePrecedente();
  void MatiereSuivante();
  void BasculerApercu();
  void CalculerLargeurNoms();
  void MarquerModifie();
  void NotifierStatistiques(int code, int periode, int a, int b);
  // The page as the last reading of the printer metrics gave it.
  const TMesuresPage& MesuresPage() const { return page_; }
  void LireMesuresPage();

  bool CaseSousPoint(int x, int y, int& ligne, int& colonne) const;
  void CommencerSaisie(const QString& texte);
  QString TexteCase() const;
  void ValiderSaisie(int ligne, int colonne);

 signals:
  // The view or the state the main window shows changed.
  void EtatChange();
  // The message panel: the cell's details, or (horloge) back to the clock.
  void Message(const QString& texte, bool horloge);
  void Modification();
  // Changes for the statistics windows of this sheet.
  void Statistiques(int code, int periode, int a, int b);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  bool VueDevoirs() const;
  bool CaseExiste(int ligne, int colonne) const;
  void OublierCase();
  void OnKeyDown(int touche);
  void DessinerCurseur(bool montrer, bool defiler);
  void RepeindreApresSaisie(int ligne, int colonne);
  void MajDefilement();
  std::unique_ptr<TClasse> classe_;
  TEtatFeuille etat_;
  TEdition* edition_ = nullptr;
  QPoint dernierePosition_{-1, -1};
  TMesuresPage page_;
};

}  // namespace calevrin
