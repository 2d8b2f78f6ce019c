#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

// calevrin-cli ages FICHIER [--date AAAA-MM-JJ] [--options F.ini]: the students by decreasing
// age and the class's average age, in UTF-8.
int CliAges(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace calevrin
