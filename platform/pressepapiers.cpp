#include "platform/pressepapiers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace calevrin::plateforme {

bool CopierTexte(const QString& texte) {
  QClipboard* pp = QGuiApplication::clipboard();
  if (!pp) return false;
  auto* donnees = new QMimeData;
  donnees->setText(texte);
  QString tsv = texte;
  tsv.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  donnees->setData(QStringLiteral("text/tab-separated-values"), tsv.toUtf8());
  pp->setMimeData(donnees);
  return true;
}

QString TexteDuPressePapiers() {
  const QClipboard* pp = QGuiApplication::clipboard();
  return pp ? pp->text() : QString();
}

}  // namespace calevrin::plateforme
