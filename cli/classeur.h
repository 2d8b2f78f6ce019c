#pragma once

#include "cli/arguments.h"

namespace calevrin::cli {

// The whole class as an .xlsx workbook, as "Exporter vers un classeur..." writes it.
extern const TCommande CommandeClasseur;

}  // namespace calevrin::cli
