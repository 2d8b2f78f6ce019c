#pragma once
// The grade-sheet window: one class document shown as its painted table, where grades and
// coefficients are typed in place.

#include <QAbstractScrollArea>
#include <QList>
#include <memory>
#include <string>

#include "model/classe.h"
#include "sheet/peintre.h"

class QAction;
class QMenu;

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
  bool JamaisSauve = false;
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

  // Menus merged into the main window while this sheet is active, in their order.
  const QList<QMenu*>& Menus() const { return menus_; }
  QMenu* MenuContextuel() const { return contextuel_; }
  QAction* Action(const char* nom) const;
  void MajMenus();
  void MajLibellesPeriodes();
  void MajLibellesMatieres();

  void EffacerModifie();
  bool Sauver(bool ajouterRecent);
  bool SauverSous();
  bool SauverAvecCopie();
  bool EffacerFichier();
  void Imprimer(bool sansDialogue);
  void ConfigurerImprimante();
  void EntrerApercu();
  void DefilementRapide(bool horizontal);
  void ExporterTableau();

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
  void FichierRecent(const std::string& chemin);
  // The answer to the last close request: false when the user cancelled it.
  void FermetureDecidee(bool acceptee);
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
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool VueDevoirs() const;
  bool CaseExiste(int ligne, int colonne) const;
  // The current cell takes typing: pointed at by the mouse or reached with the keyboard.
  bool CaseDesignee() const;
  QRect ZoneMarque() const;
  void MajTitre();
  void OublierCase();
  void OnKeyDown(int touche);
  void DessinerCurseur(bool montrer, bool defiler);
  void RepeindreApresSaisie(int ligne, int colonne);
  void MajDefilement();
  void CreerMenus();
  void OuvrirMenuContextuel(const QPoint& global);
  void CopieDeSauvegarde();
  void ApresChangement(int code);
  std::unique_ptr<TClasse> classe_;
  TEtatFeuille etat_;
  TEdition* edition_ = nullptr;
  QPoint dernierePosition_{-1, -1};
  TMesuresPage page_;
  QList<QMenu*> menus_;
  QMenu* contextuel_ = nullptr;
  bool defilementH_ = true;
  bool defilementV_ = true;
  bool caseClavier_ = false;
  QRect marque_;  // where the cursor mark was last drawn, in the viewport
};

}  // namespace calevrin
