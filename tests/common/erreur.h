#pragma once

#include <string>

#include "fichiers/erreurs.h"

namespace calevrin::test {

// The message of the EErreurFichier that f throws, or "" when it throws none.
template <class F>
std::string MessageErreur(F&& f) {
  try {
    f();
  } catch (const EErreurFichier& e) {
    return e.what();
  }
  return "";
}

}  // namespace calevrin::test
