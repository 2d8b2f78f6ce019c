#pragma once
// What the statistics windows show, for scripts.

#include "cli/arguments.h"

namespace calevrin::cli {

extern const TCommande CommandeStatistiques;
extern const TCommande CommandeEvolution;
extern const TCommande CommandeBilan;

}  // namespace calevrin::cli
