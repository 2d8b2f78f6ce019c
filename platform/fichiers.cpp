#include "platform/fichiers.h"

#include "model/ecriture.h"
#include "model/erreurs.h"

namespace calevrin::plateforme {

QString EcrireFichier(const QString& chemin, const QByteArray& octets) {
  try {
    EcrireFichierAtomique(chemin.toStdString(), reinterpret_cast<const std::uint8_t*>(octets.constData()),
                          static_cast<std::size_t>(octets.size()));
  } catch (const EErreurClasse& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

}  // namespace calevrin::plateforme
