#pragma once
// What the statistics windows show, for scripts.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "model/statistiques.h"

namespace calevrin::cli {

extern const TCommande CommandeStatistiques;
extern const TCommande CommandeEvolution;
extern const TCommande CommandeBilan;
extern const TCommande CommandePage;

// The page of one statistics window, as its print dialog would print it.
struct TDemandePage {
  std::optional<TGrapheStat> graphe;  // or else the table
  std::optional<TTableauStat> tableau;
  std::string sortie;
  bool png = false;  // the graph or table alone, as an image; else a PDF page
  int placement = 2;
  bool paysage = false;
  bool noirBlanc = false;
  bool cadre = false;
};
// Installed by the program when it is built with the controls, as the sheet's PDF is.
using TImprimerPage = std::function<int(const TDemandePage& d, std::ostream& erreurs)>;
void InstallerImprimerPage(TImprimerPage f);

}  // namespace calevrin::cli
