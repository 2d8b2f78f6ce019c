#include "model/alertes.h"

namespace calevrin {

namespace {
TAlertes& Courantes() {
  static TAlertes a;
  return a;
}
}  // namespace

void Alerter(TGenreAlerte genre, const std::string& texteUtf8) {
  if (Courantes().alerter) Courantes().alerter(genre, texteUtf8);
}

void Bip() {
  if (Courantes().bip) Courantes().bip();
}

TAlertes RemplacerAlertes(TAlertes alertes) {
  TAlertes ancienne = std::move(Courantes());
  Courantes() = std::move(alertes);
  return ancienne;
}

}  // namespace calevrin
