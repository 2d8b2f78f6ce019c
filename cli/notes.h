#pragma once
// calevrin-cli notes: the grades of one test imported from a table, as the sheet's
// "Importer des notes" does.

#include "cli/arguments.h"

namespace calevrin::cli {

extern const TCommande CommandeNotes;

}  // namespace calevrin::cli
