#include "platform/programmes.h"

#include <QDesktopServices>
#include <QUrl>

namespace calevrin::plateforme {

bool OuvrirAdresse(const QString& adresse) { return QDesktopServices::openUrl(QUrl(adresse)); }

bool OuvrirMessagerie(const QString& adresse) {
  return QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + adresse));
}

}  // namespace calevrin::plateforme
