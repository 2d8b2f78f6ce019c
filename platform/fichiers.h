#pragma once
// The atomic writer for the windows: an export is rendered into memory first, then
// written whole or not at all, never through a FIFO or a device.

#include <QByteArray>
#include <QString>

namespace calevrin::plateforme {

// Empty when written, else the French message that names the file and says why.
QString EcrireFichier(const QString& chemin, const QByteArray& octets);

}  // namespace calevrin::plateforme
