#pragma once

#include <iosfwd>
#include <string>

namespace calevrin {

class TClasse;
struct TOptions;

// The sheet of the class in its current view on one A4 page; 0 when written.
int ImprimerPdf(const TClasse& c, const TOptions& o, const std::string& sortie, std::ostream& erreurs);

}  // namespace calevrin
