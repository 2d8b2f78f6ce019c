#pragma once
// calevrin-cli: inspect, check and repair class files without the desktop.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

class TClasse;
struct TOptions;

// The sheet's page written to a PDF file; installed by the program when it is built with its
// painter, so that the rest of the tool needs only the model.
using TImprimerPdf =
    std::function<int(const TClasse& c, const TOptions& o, const std::string& sortie, std::ostream& erreurs)>;
void InstallerImprimerPdf(TImprimerPdf f);

// The students' report pages of a period (1..NbPeriodes, 4 the year) for the students given
// (all when none) written to one PDF file; installed likewise.
using TImprimerFiches =
    std::function<int(const TClasse& c, const TOptions& o, int periode, const std::vector<int>& eleves,
                      const std::string& sortie, std::ostream& erreurs)>;
void InstallerImprimerFiches(TImprimerFiches f);

// Exit codes: 0 done, 1 a file is faulty or could not be handled, 2 bad arguments.
int ExecuterCli(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace calevrin
