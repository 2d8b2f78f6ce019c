// A class typed into and then lost with its program: the next start offers it back.
#include "document/recuperation.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/demarrage.h"
#include "app/fenetreprincipale.h"
#include "platform/messages.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "tests/common/fichiers.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

extern char** environ;

using namespace calevrin;
namespace fs = std::filesystem;

namespace {

char* CheminTest = nullptr;
constexpr const char* ArgEnfant = "--enfant";

// The child: types a grade, waits for its recovery copy, says so, and waits to be killed.
int Enfant(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string dossier = argv[2];
  FixerValeursProgramme();
  TMDI f(dossier + "/calevrin.ini");
  f.DelaiCalme = 100;
  f.DelaiMaximum = 400;
  if (!f.OuvrirFichier(dossier + "/4eB.cl3")) return 1;
  auto* feuille = dynamic_cast<TChild*>(f.EnfantActif());
  feuille->Document().ChangerVue({1, 1});
  feuille->Etat().LigneCourante = 2;
  feuille->Etat().ColonneCourante = 1;
  feuille->CommencerSaisie(QStringLiteral("3"));
  QTest::keyClick(&feuille->Editeur(), Qt::Key_Return);
  QTimer attente;
  QObject::connect(&attente, &QTimer::timeout, [&] {
    if (!QDir(TRecuperation::Dossier()).entryList({QStringLiteral("*.txt")}).isEmpty())
      std::ofstream(dossier + "/pret") << "1";
  });
  attente.start(50);
  return QApplication::exec();
}

}  // namespace

TEST(Recuperation, UnProgrammeTueEstRecupere) {
  test::TRepertoireTemp dir;
  const std::string classe = dir / "4eB.cl3";
  fs::copy_file(CALEVRIN_SOURCE_DIR "/examples/4eB.cl3", classe);
  const std::string avant = test::Contenu(classe);
  char* argv[] = {CheminTest, const_cast<char*>(ArgEnfant), const_cast<char*>(dir.Chemin().c_str()), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, CheminTest, nullptr, nullptr, argv, environ), 0);
  for (int i = 0; i < 400 && !fs::exists(dir / "pret"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ::kill(pid, SIGKILL);
  int statut = 0;
  ::waitpid(pid, &statut, 0);
  ASSERT_TRUE(fs::exists(dir / "pret")) << "the child never wrote its recovery copy";
  EXPECT_EQ(test::Contenu(classe), avant);  // nothing written over the class itself

  FixerValeursProgramme();
  TMDI f(dir / "calevrin.ini");
  QStringList questions;
  test::TRemplacement<plateforme::TFonctionChoix> choix(
      plateforme::RemplacerChoixMessage, [&](const QString& t, plateforme::TGenreMessage, const QStringList&) {
        questions.push_back(t);
        return 0;  // Récupérer
      });
  f.ProposerRecuperations();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions[0].contains(QString::fromStdString(classe))) << questions[0].toStdString();
  auto* feuille = dynamic_cast<TChild*>(f.EnfantActif());
  ASSERT_NE(feuille, nullptr);
  EXPECT_TRUE(feuille->Classe().Eleve(2).Note(1, 1, 1).Texte() == "3" && feuille->Document().Chemin() == classe &&
              feuille->Modifie() && test::Contenu(classe) == avant);
  EXPECT_TRUE(TRecuperation::CopiesOrphelines().isEmpty());  // this program holds it now

  // Saved: the class has its grade and the copy is gone for good.
  ASSERT_TRUE(feuille->SauverAvecCopie());
  feuille->Document().findChild<TRecuperation*>()->Attendre();
  EXPECT_TRUE(test::Contenu(classe) != avant &&
              QDir(TRecuperation::Dossier()).entryList({QStringLiteral("*.cl3")}).isEmpty());
}

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  CheminTest = argv[0];
  if (argc >= 3 && std::string(argv[1]) == ArgEnfant) return Enfant(argc, argv);
  // The recovery folder of this test alone, for the child as for itself.
  static test::TRepertoireTemp donnees;
  ::setenv("XDG_DATA_HOME", donnees.Chemin().c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", donnees.Chemin().c_str(), 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
