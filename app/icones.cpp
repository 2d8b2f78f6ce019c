#include "app/icones.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

// Resources of a static library are registered by hand, from outside any namespace.
static void InitialiserIcones() { Q_INIT_RESOURCE(icones); }

namespace calevrin {

QIcon Icone(const char* nom) {
  static const bool initialisees = (InitialiserIcones(), true);
  (void)initialisees;
  QIcon icone;
  // The sizes drawn at build time (app/CMakeLists.txt), each in a folder named by it; a file
  // holds the square's RGBA bytes, premultiplied.
  for (int t : {16, 18, 32, 36, 48, 64}) {
    const QResource r(QStringLiteral(":/icones/%1/%2.rgba").arg(t).arg(QLatin1String(nom)));
    if (!r.isValid() || r.compressionAlgorithm() != QResource::NoCompression || r.size() != qint64{4} * t * t) continue;
    // The bytes stay in the program's image; the pixmap is a converted copy.
    const QImage image(r.data(), t, t, 4 * t, QImage::Format_RGBA8888_Premultiplied);
    icone.addPixmap(QPixmap::fromImage(image));
  }
  return icone;
}

}  // namespace calevrin
