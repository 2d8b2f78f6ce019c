// Test entry for suites that need a Qt application (fonts, widgets), run offscreen. A warning
// from Qt during a test fails it: a failed connection or a painter misused is a defect.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "tests/common/avertissements.h"

namespace {

QtMessageHandler ancien = nullptr;

// Limits of the headless test platform itself, not of the program.
bool Environnement(const QString& m) { return m.startsWith(QLatin1String("This plugin does not support")); }

void Gestionnaire(QtMsgType genre, const QMessageLogContext& contexte, const QString& message) {
  if (Environnement(message)) return;  // noise in every run's output, not a finding
  if ((genre == QtWarningMsg || genre == QtCriticalMsg) && !calevrin::test::AvertissementAttendu(message)) {
    if (::testing::UnitTest::GetInstance()->current_test_info() != nullptr)
      ADD_FAILURE() << "Avertissement de Qt : " << message.toStdString();
    else
      std::abort();  // outside a test nothing else would report it
  }
  ancien(genre, contexte, message);
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The runtime directory Qt expects on a desktop session; its absence is a warning.
  QTemporaryDir runtime;
  QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 0);
  // Recovery copies and other user data of the tests stay out of the user's own folders.
  QTemporaryDir donnees;
  ::setenv("XDG_DATA_HOME", donnees.path().toLocal8Bit().constData(), 1);
  ancien = qInstallMessageHandler(Gestionnaire);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
