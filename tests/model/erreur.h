#pragma once

#include <string>

#include "model/erreurs.h"

namespace calevrin::test {

// The message of the EErreurClasse that f throws, or "" when it throws none.
template <class F>
std::string MessageErreur(F&& f) {
  try {
    f();
  } catch (const EErreurClasse& e) {
    return e.what();
  }
  return "";
}

}  // namespace calevrin::test
