#pragma once
// The grade-sheet window: one class document shown as its painted table, where grades and
// coefficients are typed in place.

#include <QAbstractScrollArea>
#include <QList>
#include <functional>
#include <memory>
#include <string>

#include "document/documentclasse.h"
#include "document/sauvegarde.h"
#include "model/edition.h"
#include "model/options.h"
#include "platform/actions.h"
#include "platform/fenetreenfant.h"
#include "sheet/edition.h"
#include "sheet/geometrie.h"
#include "sheet/peintre.h"

class QAction;
class QMenu;

namespace calevrin {

class TDialoguesFeuille;
class TEdition;

class TFenetreFeuille : public QAbstractScrollArea, public plateforme::TFenetreEnfant, private TQuestionsSauvegarde {
  Q_OBJECT

 public:
  static constexpr const char* IdConception = "TChild";
  // The sheet owns its document; the dialogs and the options outlive it. The options are read
  // at every use, so that a change of them shows at the next paint.
  TFenetreFeuille(std::unique_ptr<TDocumentClasse> document, TDialoguesFeuille& dialogues, const TOptions& o,
                  QWidget* parent = nullptr);
  ~TFenetreFeuille() override;

  TDocumentClasse& Document() { return *document_; }
  const TDocumentClasse& Document() const { return *document_; }
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
  QAction* Action(plateforme::TAction a) const;
  void MajMenus();
  void MajLibellesPeriodes();
  void MajLibellesMatieres();

  bool SauverSous();
  bool SauverAvecCopie();
  bool EffacerFichier();
  void Imprimer(bool sansDialogue);
  void ConfigurerImprimante();
  void EntrerApercu();
  // "Imprimer les fiches des élèves...", from the main window's "Fichier" menu and the pop-up.
  void FichesEleves();
  void DefilementRapide(bool horizontal);
  // Scrolls right just enough for test k of the view to be seen whole.
  void MontrerDevoir(int k);
  int NbDevoirsVue() const {
    return VueDevoirs() ? Classe().NbDevoirs(Classe().MatiereCourante(), Classe().PeriodeCourante()) : 0;
  }
  void ExporterTableau();

  bool CaseSousPoint(int x, int y, int& ligne, int& colonne) const;
  void CommencerSaisie(const QString& texte);
  QString TexteCase() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
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
  QMenu* CreerMenuEdition();
  QMenu* CreerMenuClasse();
  QMenu* CreerMenuNote();
  QMenu* CreerMenuMatiere();
  QMenu* CreerMenuAffichage();
  QMenu* CreerMenuStatistique();
  void OuvrirMenuContextuel(const QPoint& global);
  // The test a command acts on, chosen in its dialog; 0 when cancelled or not available.
  int ChoisirDevoir(TModeChoixDevoir mode);
  bool Confirmer(const QString& question);
  // A change of the class shown now, of this kind.
  TChangement Ici(TCodeChangement code) const;
  // Every change of the class goes through its document: one step that undo can take back.
  bool Changer(const QString& etape, TChangement changement, const std::function<bool(TClasse&)>& changer);
  // Whatever changed the class, the sheet shows it.
  void ApresChangement(const TChangement& changement);
  void ValiderSaisie(int ligne, int colonne, const TEcritureSaisie& ecrire);
  void ApresEcriture();

  // The saving policy's questions.
  std::string DemanderNom(const std::string& propose) override;
  TChoixDisque FichierModifieSurDisque(const std::string& chemin) override;
  TReponse SauverAvantFermeture(const std::string& chemin) override;
  bool FaireCopieDeSauvegarde(const std::string& fichier, const std::string& dossier) override;
  bool RemplacerCopiePlusRecente(const std::string& copie) override;
  bool ConfirmerEffacement(const std::string& chemin) override;
  void Erreur(const std::string& texte) override;

  std::unique_ptr<TDocumentClasse> document_;
  TSauvegarde sauvegarde_;
  TDialoguesFeuille& dialogues_;
  const TOptions& options_;
  plateforme::TSignauxEnfant signaux_;
  TEtatFeuille etat_;
  TEdition* edition_ = nullptr;
  QPoint dernierePosition_{-1, -1};
  TMesuresPage page_;
  QList<QMenu*> menus_;
  plateforme::TActions actions_;
  QMenu* contextuel_ = nullptr;
  bool defilementH_ = true;
  bool defilementV_ = true;
  bool caseClavier_ = false;
  bool fermetureAccordee_ = false;
  bool saisieEnregistree_ = false;  // the entry repaints only its own cells
  QRect marque_;                    // where the cursor mark was last drawn, in the viewport
};

}  // namespace calevrin
