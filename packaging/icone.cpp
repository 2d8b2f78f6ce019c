// Renders an SVG icon at the sizes asked for:
//   calevrin-icone ICONE.svg DOSSIER TAILLE...          writes DOSSIER/TAILLExTAILLE/ICONE.png
//   calevrin-icone --brut ICONE.svg DOSSIER TAILLE...   writes DOSSIER/TAILLExTAILLE/ICONE.rgba
// The PNG files are for the desktop's icon theme; the raw ones (RGBA bytes, premultiplied, row
// after row) are compiled into the program, which shows them without any image decoder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstdio>

namespace {

bool EcrireBrut(const QImage& image, const QString& chemin) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
  QFile f(chemin);
  if (!f.open(QIODevice::WriteOnly)) return false;
  for (int y = 0; y < rgba.height(); ++y) {
    const auto* ligne = reinterpret_cast<const char*>(rgba.constScanLine(y));
    if (f.write(ligne, qint64{4} * rgba.width()) != qint64{4} * rgba.width()) return false;
  }
  return f.flush();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QStringList args = QCoreApplication::arguments();
  const bool brut = args.size() > 1 && args[1] == QStringLiteral("--brut");
  if (brut) args.removeAt(1);
  if (args.size() < 4) {
    std::fprintf(stderr, "usage : calevrin-icone [--brut] ICONE.svg DOSSIER TAILLE...\n");
    return 2;
  }
  for (qsizetype i = 3; i < args.size(); ++i) {
    const int taille = args[i].toInt();
    QImageReader lecteur(args[1]);
    lecteur.setScaledSize(QSize(taille, taille));
    const QImage image = lecteur.read();
    const QString dossier = QStringLiteral("%1/%2x%2").arg(args[2]).arg(taille);
    const QString sortie = dossier + QLatin1Char('/') + QFileInfo(args[1]).completeBaseName() +
                           (brut ? QStringLiteral(".rgba") : QStringLiteral(".png"));
    if (image.isNull() || !QDir().mkpath(dossier) || !(brut ? EcrireBrut(image, sortie) : image.save(sortie))) {
      std::fprintf(stderr, "calevrin-icone : %s en %d pixels : %s\n", qPrintable(args[1]), taille,
                   qPrintable(lecteur.errorString()));
      return 1;
    }
  }
  return 0;
}
