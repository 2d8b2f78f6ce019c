#include <iostream>

#include "cli/commandes.h"
#ifdef CALEVRIN_AVEC_PDF
#include "cli/page.h"
#include "cli/pdf.h"
#endif

int main(int argc, char** argv) {
#ifdef CALEVRIN_AVEC_PDF
  calevrin::InstallerImprimerPdf(calevrin::ImprimerPdf);
  calevrin::cli::InstallerImprimerPage(calevrin::ImprimerPage);
  calevrin::InstallerImprimerFiches(calevrin::ImprimerFichesPdf);
#endif
  return calevrin::ExecuterCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
