#pragma once
// Every command of the menus, of the main window and of the grade sheet alike: one table gives
// each its design name (the action's object name, which the tests and the help know), its
// caption, its hint and its shortcuts. A new command is one enumerator and one table line.

#include <QAction>
#include <QMenu>
#include <QObject>
#include <array>
#include <cstddef>

namespace calevrin::plateforme {

enum class TAction {
  // The main window's
  NouvelleClasse,
  Ouvrir,
  Sauver,
  SauverSous,
  SauverTous,
  Fermer,
  FermerTous,
  Effacer,
  Imprimer,
  ConfigurerImprimante,
  Apercu,
  FichesEleves,
  ExporterClasseur,
  Quitter,
  Recent1,
  Recent2,
  Recent3,
  MosaiqueHorizontale,
  MosaiqueVerticale,
  Cascade,
  ArrangerIcones,
  ReduireToutes,
  Options,
  Aide,
  APropos,
  SiteSociete,
  SiteLogiciel,
  ContacterSociete,
  ContacterAuteur,
  // The grade sheet's
  Annuler,
  Retablir,
  CouperDevoir,
  CopierDevoir,
  AjouterDevoirCopie,
  InsererDevoirCopie,
  ExporterTableau,
  AjouterEleve,
  InsererEleve,
  SupprimerEleve,
  ModifierEleves,
  ParametresClasse,
  TrierEleves,
  AjouterDevoir,
  InsererDevoir,
  ModifierDevoirs,
  SupprimerDevoir,
  ImporterNotes,
  ViderPeriode,
  ViderAnnee,
  CoefficientsMatieres,
  Matieres,
  Periode1,
  Periode2,
  Periode3,
  Annee,
  Matiere1,
  Matiere2,
  Matiere3,
  Synthese,
  StatEvolution,
  StatDevoir,
  StatMoyennes,
  TroisFenetresStat,
  Bilan,
  Classement,
  Ages,
  Anniversaires,
  // The sheet's pop-up menu
  ContextePeriode1,
  ContextePeriode2,
  ContextePeriode3,
  ContexteAnnee,
  ContexteMatiere1,
  ContexteMatiere2,
  ContexteMatiere3,
  ContexteSynthese,
  ContexteFiches,
};
inline constexpr std::size_t NbActions = static_cast<std::size_t>(TAction::ContexteFiches) + 1;

struct TDefinitionAction {
  TAction Action;
  const char* Nom;         // the design name
  const char* Libelle;     // UTF-8, "&" before the accelerator; empty when the window names it
  const char* Hint;        // UTF-8, in the status bar
  const char* Raccourcis;  // portable key names separated by "; "
};
const TDefinitionAction& Definition(TAction a);

// The command's item at the end of menu, as the table describes it.
QAction* CreerAction(QMenu* menu, TAction a);

// A window's commands, found by their enumerator: a misspelt one does not compile.

class TActions {
 public:
  template <typename Recepteur, typename Commande>
  QAction* Ajouter(QMenu* menu, TAction a, Recepteur* recepteur, Commande&& commande) {
    QAction* action = CreerAction(menu, a);
    QObject::connect(action, &QAction::triggered, recepteur, std::forward<Commande>(commande));
    actions_[static_cast<std::size_t>(a)] = action;
    return action;
  }
  // Null for a command that this window does not have.
  QAction* operator[](TAction a) const { return actions_[static_cast<std::size_t>(a)]; }

 private:
  std::array<QAction*, NbActions> actions_{};
};

}  // namespace calevrin::plateforme
