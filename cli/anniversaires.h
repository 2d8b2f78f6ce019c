#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

// calevrin-cli anniversaires FICHIER [--date AAAA-MM-JJ] [--options F.ini]: the birthdays of
// the month, in UTF-8.
int CliAnniversaires(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace calevrin
