#pragma once
// The grade-sheet window: one class document shown as its painted table, where grades and
// coefficients are typed in place.

#include <QAbstractScrollArea>
#include <QList>
#include <memory>
#include <string>

#include "document/documentclasse.h"
#include "model/options.h"
#include "platform/fenetreenfant.h"
#include "sheet/geometrie.h"
#include "sheet/peintre.h"

class QAction;
class QMenu;

namespace calevrin {

class TDialoguesFeuille;
class TEdition;

class TChild : public QAbstractScrollArea, public plateforme::TFenetreEnfant {
  Q_OBJECT

 public:
  // The sheet owns its document; the dialogs and the options outlive it. The options are read
  // at every use, so that a change of them shows at the next paint.
  TChild(std::unique_ptr<TDocumentClasse> document, TDialoguesFeuille& dialogues, const TOptions& o = Options,
         QWidget* parent = nullptr);
  ~TChild() override;

  TDocumentClasse& Document() { return *document_; }
  const TDocumentClasse& Document() const { return *document_; }
  TClasse& Classe() { return document_->Classe(); }
  const TClasse& Classe() const { return document_->Classe(); }
  TEtatFeuille& Etat() { return etat_; }
  TEdition& Editeur() { return *edition_; }
  bool SourisSurCase = false;

  // The frame's view of the sheet.
  plateforme::TSignauxEnfant& Signaux() override { return signaux_; }
  QList<QMenu*> MenusFusionnes() const override { return menus_; }
  bool Disponible(plateforme::TCommandeCadre commande) const override;
  void Executer(plateforme::TCommandeCadre commande) override;
  bool Modifie() const override { return document_->Modifie(); }
  bool EnApercu() const override { return etat_.ModeApercu; }
  QString TextePeriode() const override;
  QString Chemin() const override;
  bool DemanderFermeture() override;

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
  void Zoom(bool plus);
  void CalculerLargeurNoms();
  // After the options changed: background, name width, scroll ranges, a full repaint.
  void AppliquerOptions();
  void MarquerModifie();
  void NotifierStatistiques(TCodeChangement code, int periode, int a, int b);
  // A step undone or redone replaced the class: everything is shown again.
  void ApresRestauration();
  // The page as the last reading of the printer metrics gave it.
  const TMesuresPage& MesuresPage() const { return page_; }
  void LireMesuresPage();
  // Where cells are on screen now.
  TGeometrieFeuille Geometrie() const;

  // Menus merged into the main window while this sheet is active, in their order.
  const QList<QMenu*>& Menus() const { return menus_; }
  QMenu* MenuContextuel() const { return contextuel_; }
  QAction* Action(const char* nom) const;
  void MajMenus();
  void MajLibellesPeriodes();
  void MajLibellesMatieres();

  bool Sauver(bool ajouterRecent);
  bool SauverSous();
  bool SauverAvecCopie();
  bool EffacerFichier();
  void Imprimer(bool sansDialogue);
  void ConfigurerImprimante();
  void EntrerApercu();
  // "Imprimer les fiches des élèves...", from the main window's "Fichier" menu and the pop-up.
  void FichesEleves();
  void DefilementRapide(bool horizontal);
  void ExporterTableau();

  bool CaseSousPoint(int x, int y, int& ligne, int& colonne) const;
  void CommencerSaisie(const QString& texte);
  QString TexteCase() const;
  void ValiderSaisie(int ligne, int colonne);

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
  void AppliquerCouleurFond();
  void CreerMenus();
  void OuvrirMenuContextuel(const QPoint& global);
  void CopieDeSauvegarde();
  // After a change of the class: repaint, and one step that undo can take back.
  void ApresChangement(TCodeChangement code, const QString& etape);
  std::unique_ptr<TDocumentClasse> document_;
  TDialoguesFeuille& dialogues_;
  const TOptions& options_;
  plateforme::TSignauxEnfant signaux_;
  TEtatFeuille etat_;
  TEdition* edition_ = nullptr;
  QPoint dernierePosition_{-1, -1};
  TMesuresPage page_;
  QList<QMenu*> menus_;
  QMenu* contextuel_ = nullptr;
  bool defilementH_ = true;
  bool defilementV_ = true;
  bool caseClavier_ = false;
  bool fermetureAccordee_ = false;
  QRect marque_;  // where the cursor mark was last drawn, in the viewport
};

}  // namespace calevrin
