#pragma once
// Runs calevrin-cli in process and keeps what it printed.

#include <sstream>
#include <string>
#include <vector>

#include "cli/commandes.h"

namespace calevrin::test {

struct TResultat {
  int code;
  std::string sortie;
  std::string erreurs;
};

// The bundled sample class.
inline const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

inline TResultat Cli(const std::vector<std::string>& a) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = ExecuterCli(a, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace calevrin::test
