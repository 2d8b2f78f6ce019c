#include "platform/lignecommande.h"

namespace calevrin::plateforme {

std::string LigneDeCommandeBrute(int argc, const char* const* argv) {
  std::string r;
  for (int i = 0; i < argc; ++i) {
    if (i > 0) r += ' ';
    r += '"';
    r += argv[i];
    r += '"';
  }
  return r;
}

}  // namespace calevrin::plateforme
