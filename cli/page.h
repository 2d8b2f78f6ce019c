#pragma once

#include <iosfwd>

#include "cli/statistiques.h"

namespace calevrin {

// The page of a statistics window drawn with the print dialog's own copy of its graph or table,
// placement and page, made in memory and written atomically; 0 when written.
int ImprimerPage(const cli::TDemandePage& d, std::ostream& erreurs);

}  // namespace calevrin
