#pragma once
// The sample class bundled with the program, and copies of it for a test to change.

#include <filesystem>
#include <string>

#include "tests/common/tempdir.h"

namespace calevrin::test {

inline const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

// A copy of the sample in dir, under the name given; its path.
inline std::string CopieExemple(const TRepertoireTemp& dir, const std::string& nom = "4eB.cl3") {
  const std::string chemin = dir / nom;
  std::filesystem::copy_file(Exemple, chemin);
  return chemin;
}

}  // namespace calevrin::test
