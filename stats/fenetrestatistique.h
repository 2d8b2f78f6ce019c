#pragma once
// What the four statistics windows share: the class document they follow, the state of what
// they show, the row of buttons along their top, and their face towards the main window.
// Each change of the class goes through Actualiser, which says what to rebuild; a window
// never changes its class.

#include <QPointer>
#include <QWidget>

#include "document/documentclasse.h"
#include "model/options.h"
#include "model/statistiques.h"
#include "platform/fenetreenfant.h"

class QButtonGroup;
class QComboBox;
class QHBoxLayout;
class QToolButton;

namespace calevrin {

class TFenetreStatistique : public QWidget, public plateforme::TFenetreEnfant {
  Q_OBJECT

 public:
  ~TFenetreStatistique() override;

  const TEtatStat& Etat() const { return etat_; }
  // Null once the sheet's class is gone (the window then closes).
  TDocumentClasse* Document() const { return document_.data(); }
  // How many times the figures were computed since the window opened.
  int Calculs() const { return calculs_; }

  // One change of the class, as its document tells it.
  void Actualiser(const TChangement& changement);
  // A step undone or redone: anything may differ, everything is shown again.
  void ToutReconstruire();
  // The print dialog with the window's graph or table, modal.
  virtual void Imprimer() = 0;

  plateforme::TSignauxEnfant& Signaux() override { return signaux_; }
  QList<QMenu*> MenusFusionnes() const override { return {}; }
  bool Disponible(plateforme::TCommandeCadre commande) const override;
  void Executer(plateforme::TCommandeCadre commande) override;
  bool Modifie() const override { return false; }
  bool EnApercu() const override { return false; }
  QString TextePeriode() const override;
  QString Chemin() const override { return {}; }
  bool DemanderFermeture() override { return true; }

 protected:
  TFenetreStatistique(TFenetreStat genre, TDocumentClasse& document, const TOptions& o, QWidget* parent);

  const TClasse& Classe() const { return document_->Classe(); }
  const TOptions& Opt() const { return options_; }
  // Kept by the document between changes: every window of the class reads the same figures.
  const TFiguresClasse& Chiffres() const { return document_->Figures(options_); }
  TEtatStat& EtatModifiable() { return etat_; }
  QHBoxLayout* Panneau() const { return panneau_; }
  // The graph or table under the row, filling the rest of the window.
  void Contenu(QWidget* vue);
  // A flat button of the top row, named after its control so that tests find it.
  QToolButton* Bouton(const char* nom, const QString& texte, const QString& hint, bool bascule = false);
  // The print and help buttons that end every row.
  void BoutonsFin(const QString& hintImprimer, const QString& sujetAide);
  // Computes the figures, hands them to the graph or table and repaints.
  void Calculer();
  // The state after a restoration: whatever no longer exists falls back to what opening gives.
  void Borner();

  virtual void Remplir() = 0;  // the figures into the control
  virtual void Reconstruire(const TReactionStat& r) = 0;

 private:
  void Fermer();
  QPointer<TDocumentClasse> document_;
  const TOptions& options_;
  TEtatStat etat_;
  plateforme::TSignauxEnfant signaux_;
  QHBoxLayout* panneau_ = nullptr;
  int calculs_ = 0;
};

// The list of a window's top row, filled without telling its handler.
void RemplirListe(QComboBox* liste, const std::vector<std::string>& elements, int choisi);
// A button group whose buttons may all be up.
void ChoisirDansGroupe(QButtonGroup* groupe, int id);

}  // namespace calevrin
