#include "cli/anniversaires.h"

#include <ostream>

#include "cli/entree.h"
#include "model/ages.h"
#include "model/cp1252.h"

namespace calevrin {

int CliAnniversaires(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  cli::TArgumentsCli args;
  if (!cli::LireArgumentsCli(a, {"--date", "--options"}, {}, args)) {
    err << "usage : calevrin-cli anniversaires FICHIER [--date AAAA-MM-JJ] [--options FICHIER.ini]\n";
    return 2;
  }
  const auto aujourdhui = cli::DateDuJour(args, err);
  if (!aujourdhui) return 2;
  cli::TClasseOuverte entree;
  if (!cli::OuvrirClasse(args, entree, err)) return 1;
  out << Utf8DepuisCp1252(TexteAnniversaires(ListerAnniversaires(*entree.classe, *aujourdhui)));
  return 0;
}

}  // namespace calevrin
