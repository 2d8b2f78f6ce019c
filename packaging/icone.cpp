// Renders the program's SVG icon as PNG files of the sizes the desktop's icon theme asks for:
//   calevrin-icone ICONE.svg DOSSIER TAILLE...  writes DOSSIER/TAILLExTAILLE/calevrin.png
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage : calevrin-icone ICONE.svg DOSSIER TAILLE...\n");
    return 2;
  }
  for (qsizetype i = 3; i < args.size(); ++i) {
    const int taille = args[i].toInt();
    QImageReader lecteur(args[1]);
    lecteur.setScaledSize(QSize(taille, taille));
    const QImage image = lecteur.read();
    const QString dossier = QStringLiteral("%1/%2x%2").arg(args[2]).arg(taille);
    if (image.isNull() || !QDir().mkpath(dossier) || !image.save(dossier + QStringLiteral("/calevrin.png"))) {
      std::fprintf(stderr, "calevrin-icone : %s en %d pixels : %s\n", qPrintable(args[1]), taille,
                   qPrintable(lecteur.errorString()));
      return 1;
    }
  }
  return 0;
}
