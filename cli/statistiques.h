#pragma once
// calevrin-cli statistiques, evolution and bilan: what the statistics windows show.

#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

// a[0] is the command. Returns the exit code, or -1 when the arguments are malformed (the
// caller prints the usage).
int Statistiques(const std::vector<std::string>& a, std::ostream& sortie, std::ostream& erreurs);

}  // namespace calevrin
