#include "fichiers/erreurs.h"

namespace calevrin {

std::string Formater(std::string_view modele, std::string_view argument) {
  std::string r(modele);
  if (const auto pos = r.find("%s"); pos != std::string::npos) r.replace(pos, 2, argument);
  return r;
}

}  // namespace calevrin
