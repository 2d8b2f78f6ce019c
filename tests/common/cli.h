#pragma once
// Runs calevrin-cli in process and keeps what it printed.

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commandes.h"
#include "tests/common/exemple.h"

namespace calevrin::test {

struct TResultat {
  int code;
  std::string sortie;
  std::string erreurs;
  bool operator==(const TResultat&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const TResultat& r) {
  return o << "code " << r.code << ", sortie \"" << r.sortie << "\", erreurs \"" << r.erreurs << '"';
}

inline TResultat Cli(const std::vector<std::string>& a) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = ExecuterCli(a, out, err);
  return {code, out.str(), err.str()};
}

// A command line written as one string, split on spaces, X standing for the sample class.
inline TResultat Commande(const std::string& ligne) {
  std::vector<std::string> a;
  std::istringstream mots(ligne);
  for (std::string m; mots >> m;) a.push_back(m == "X" ? Exemple : m);
  return Cli(a);
}
// Every piece found in the text, in this order.
inline ::testing::AssertionResult Contient(const std::string& texte, std::initializer_list<std::string> morceaux) {
  std::size_t pos = 0;
  for (const std::string& m : morceaux)
    if ((pos = texte.find(m, pos)) == std::string::npos)
      return ::testing::AssertionFailure() << "no \"" << m << "\" in\n" << texte;
  return ::testing::AssertionSuccess();
}
// A refusal: its code and message, nothing printed.
inline TResultat Refus(int code, const std::string& erreurs) { return {code, "", erreurs}; }

}  // namespace calevrin::test
