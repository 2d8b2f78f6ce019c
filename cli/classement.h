#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

// calevrin-cli classement FICHIER [--matiere S] [--periode P] [--sans-absents]
// [--options F.ini]: the ranking as the ranking dialog puts it on the clipboard, in UTF-8.
int CliClassement(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace calevrin
