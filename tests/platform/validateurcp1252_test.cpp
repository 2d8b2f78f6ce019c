#include "platform/validateurcp1252.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

using calevrin::plateforme::TValidateurCp1252;

// French texts use characters that Latin-1 lacks but Windows-1252 has (œ, ’, €): they must
// get in; a character outside Windows-1252 is refused as typed or pasted, the text kept.
TEST(ValidateurCp1252, RefuseCeQueLeFichierNePeutGarder) {
  QLineEdit champ;
  champ.setValidator(new TValidateurCp1252(&champ));
  const QString accepte = QString::fromUtf8("Cœur l’été, 5 € – Œuvre «ÿ»");
  for (const QChar ch : accepte)
    QTest::sendKeyEvent(QTest::Click, &champ, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  EXPECT_EQ(champ.text().toStdString(), accepte.toStdString());

  for (const char* refuse : {"→", "ā", "😀", "ok≠"}) {
    champ.insert(QString::fromUtf8(refuse));
    EXPECT_EQ(champ.text().toStdString(), accepte.toStdString()) << refuse;
  }
}
