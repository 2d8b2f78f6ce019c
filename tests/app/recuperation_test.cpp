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
  TFenetrePrincipale f(dossier + "/calevrin.ini");
  f.DelaiCalme = 100;
  f.DelaiMaximum = 400;
  if (!f.OuvrirFichier(dossier + "/4eB.cl3")) return 1;
  auto* feuille = dynamic_cast<TFenetreFeuille*>(f.EnfantActif());
  feuille->Document().ChangerVue({1, 1});
  feuille->Etat().LigneCourante = 2;
  feuille->Etat().ColonneCourante = 1;
  feuille->CommencerSaisie(QStringLiteral("3"));
  QTest::keyClick(&feuille->Editeur(), Qt::Key_Return);
  QTimer attente;
  QObject::connect(&attente, &QTimer::timeout, [&] {
    if (!QDir(TRecuperation::Dossier()).entryList({QStringLiteral("*.cl3")}).isEmpty())
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
  const mode_t umask = ::umask(0);  // private files stay private whatever the umask
  ASSERT_EQ(posix_spawn(&pid, CheminTest, nullptr, nullptr, argv, environ), 0);
  ::umask(umask);
  for (int i = 0; i < 400 && !fs::exists(dir / "pret"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ::kill(pid, SIGKILL);
  int statut = 0;
  ::waitpid(pid, &statut, 0);
  ASSERT_TRUE(fs::exists(dir / "pret")) << "the child never wrote its recovery copy";
  EXPECT_EQ(test::Contenu(classe), avant);  // nothing written over the class itself
  const QDir recuperation(TRecuperation::Dossier());
  const auto mode = [](const QString& f) { return fs::status(f.toStdString()).permissions() & fs::perms::all; };
  EXPECT_EQ(mode(recuperation.path()), fs::perms::owner_all);
  const QStringList copies = recuperation.entryList(QDir::Files);
  ASSERT_EQ(copies.size(), 2) << copies.join(u' ').toStdString();  // the copy and its lock
  for (const QString& f : copies) {
    EXPECT_EQ(mode(recuperation.filePath(f)), fs::perms::owner_read | fs::perms::owner_write) << f.toStdString();
    // A power cut can leave the lock file empty: the copy is offered all the same.
    if (f.endsWith(QStringLiteral(".lock"))) fs::resize_file(recuperation.filePath(f).toStdString(), 0);
  }
  // A torn copy is offered for deletion, with its name and why.
  const QString abimee = recuperation.filePath(QStringLiteral("0-abimee.cl3"));
  std::ofstream(abimee.toStdString()) << std::string(1000, 'x');

  FixerValeursProgramme();
  TFenetrePrincipale f(dir / "calevrin.ini");
  {
    // "Supprimer" asks again; "Non" keeps the copy for the next start ("Garder" the torn one).
    QStringList confirmations;
    test::TRemplacement<plateforme::TFonctionChoix> supprimer(
        plateforme::RemplacerChoixMessage,
        [](const QString&, plateforme::TGenreMessage, const QStringList&) { return 1; });
    test::TRemplacement<plateforme::TFonctionMessage> non(plateforme::RemplacerBoiteMessage,
                                                          [&](const QString& t, plateforme::TGenreMessage, int) {
                                                            confirmations.push_back(t);
                                                            return plateforme::TReponse::Non;
                                                          });
    f.ProposerRecuperations();
    ASSERT_EQ(confirmations.size(), 1);
    EXPECT_TRUE(confirmations[0].startsWith(QStringLiteral("Supprimer définitivement la copie de secours de ")));
    EXPECT_EQ(TRecuperation::CopiesOrphelines().size(), 2);
  }
  QStringList questions;
  test::TRemplacement<plateforme::TFonctionChoix> choix(
      plateforme::RemplacerChoixMessage, [&](const QString& t, plateforme::TGenreMessage, const QStringList&) {
        questions.push_back(t);
        return 0;  // Récupérer
      });
  f.ProposerRecuperations();
  ASSERT_EQ(questions.size(), 2);
  EXPECT_TRUE(questions[0].contains(abimee) && questions[0].contains(QStringLiteral("copie tronquée (1000 octets)")))
      << questions[0].toStdString();
  EXPECT_FALSE(QFile::exists(abimee));  // "Supprimer"
  EXPECT_TRUE(questions[1].contains(QString::fromStdString(classe))) << questions[1].toStdString();
  auto* feuille = dynamic_cast<TFenetreFeuille*>(f.EnfantActif());
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

// Without a usable home the copies are off, and the teacher is told once, at start.
TEST(Recuperation, SansDossierPersonnel) {
  const std::string home = ::getenv("HOME") ? ::getenv("HOME") : "";
  const std::string donnees = ::getenv("XDG_DATA_HOME");
  ::setenv("XDG_DATA_HOME", "relatif", 1);
  ::setenv("HOME", "/maison", 1);
  EXPECT_TRUE(TRecuperation::Dossier().startsWith(QStringLiteral("/maison/.local/share/")));
  ::unsetenv("HOME");
  EXPECT_TRUE(TRecuperation::Dossier().isEmpty());
  QStringList messages;
  test::TRemplacement<plateforme::TFonctionMessage> boite(plateforme::RemplacerBoiteMessage,
                                                          [&](const QString& t, plateforme::TGenreMessage, int) {
                                                            messages.push_back(t);
                                                            return plateforme::TReponse::OK;
                                                          });
  {
    FixerValeursProgramme();
    test::TRepertoireTemp dir;
    TFenetrePrincipale f(dir / "calevrin.ini");
    f.ProposerRecuperations();
  }
  ::setenv("HOME", home.c_str(), 1);
  ::setenv("XDG_DATA_HOME", donnees.c_str(), 1);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("copies de secours"))) << messages[0].toStdString();
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
