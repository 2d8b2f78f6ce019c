#pragma once
// The figures of a statistics window, as the model computes them, into the graph and table
// controls that draw them on a window, a printer page or a PDF.

#include "controls/graphe.h"
#include "controls/tableau.h"
#include "model/statistiques.h"

namespace calevrin {

// Everything but the mode, which stays the drawer's.
void AppliquerGraphe(const TGrapheStat& source, controles::TNewGraphe& g);
void AppliquerTableau(const TTableauStat& source, controles::TTableau& t);

}  // namespace calevrin
