#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

class TClasse;
struct TOptions;

// The sheet of the class in its current view on one A4 page; 0 when written.
int ImprimerPdf(const TClasse& c, const TOptions& o, const std::string& sortie, std::ostream& erreurs);
// The students' report pages of a period, all the students when none is given; 0 when written.
int ImprimerFichesPdf(const TClasse& c, const TOptions& o, int periode, const std::vector<int>& eleves,
                      const std::string& sortie, std::ostream& erreurs);

}  // namespace calevrin
