#include "platform/fichiers.h"

#include "fichiers/ecriture.h"
#include "fichiers/erreurs.h"

namespace calevrin::plateforme {

QString EcrireFichier(const QString& chemin, const QByteArray& octets) {
  try {
    EcrireFichierAtomique(chemin.toStdString(), reinterpret_cast<const std::uint8_t*>(octets.constData()),
                          static_cast<std::size_t>(octets.size()));
  } catch (const EErreurFichier& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

}  // namespace calevrin::plateforme
