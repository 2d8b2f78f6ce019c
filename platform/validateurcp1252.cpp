#include "platform/validateurcp1252.h"

#include "platform/messages.h"
#include "platform/texte.h"

namespace calevrin::plateforme {

QValidator::State TValidateurCp1252::validate(QString& texte, int&) const {
  if (VersCp1252(texte)) return Acceptable;
  Bip();
  return Invalid;
}

}  // namespace calevrin::plateforme
