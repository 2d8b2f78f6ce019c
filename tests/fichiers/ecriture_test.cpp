// Writing files at the edges: devices, FIFOs, chains of links, kills, full disks, two threads.
#include "fichiers/ecriture.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "fichiers/erreurs.h"
#include "tests/common/disqueplein.h"
#include "tests/common/erreur.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace fs = std::filesystem;

namespace {

using test::Contenu;

std::vector<std::string> Entrees(const fs::path& dossier) {
  std::vector<std::string> r;
  for (const auto& f : fs::directory_iterator(dossier)) r.push_back(f.path().filename().string());
  std::sort(r.begin(), r.end());
  return r;
}

void CreerSocket(const std::string& chemin) {
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  ASSERT_LT(chemin.size(), sizeof a.sun_path);
  std::strcpy(a.sun_path, chemin.c_str());
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ::close(s);
}

TEtapeEcriture EtapeFatale;

}  // namespace

TEST(Ecriture, SeulUnFichierOrdinaireEstRemplace) {
  test::TRepertoireTemp dir;
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  CreerSocket(dir / "socket");
  fs::create_directory(dir / "dossier");
  fs::create_symlink("fifo", dir.Chemin() / "lien");
  fs::create_symlink("lien", dir.Chemin() / "lien2");
  for (const std::string nom : {"fifo", "socket", "dossier", "lien2"})
    EXPECT_EQ(test::MessageErreur([&] { EcrireFichierAtomique(dir / nom, "nouveau"); }),
              "Impossible de créer le fichier " + dir / nom + " : ce n'est pas un fichier ordinaire");
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_TRUE(fs::is_socket(dir / "socket"));
  EXPECT_TRUE(fs::is_directory(dir / "dossier"));
  EXPECT_TRUE(fs::is_symlink(dir / "lien2"));
  EXPECT_EQ(Entrees(dir.Chemin()), (std::vector<std::string>{"dossier", "fifo", "lien", "lien2", "socket"}));
}

TEST(Ecriture, ToutUneChaineDeLiensEstSuivie) {
  test::TRepertoireTemp dir;
  fs::create_directory(dir / "vrai");
  std::ofstream(dir / "vrai/classe.cl3") << "ancien";
  ::chmod((dir / "vrai/classe.cl3").c_str(), 0640);
  fs::create_symlink("vrai/classe.cl3", dir.Chemin() / "b.cl3");
  fs::create_symlink(dir / "b.cl3", dir.Chemin() / "a.cl3");  // absolute, then relative
  EcrireFichierAtomique(dir / "a.cl3", "nouveau");
  EXPECT_TRUE(fs::is_symlink(dir / "a.cl3"));
  EXPECT_TRUE(fs::is_symlink(dir / "b.cl3"));
  EXPECT_EQ(Contenu(dir / "vrai/classe.cl3"), "nouveau");
  EXPECT_EQ(fs::status(dir / "vrai/classe.cl3").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A chain whose end does not exist yet creates that end; a loop is refused.
  fs::create_symlink("d", dir.Chemin() / "c");
  fs::create_symlink("vrai/neuf.cl3", dir.Chemin() / "d");
  EcrireFichierAtomique(dir / "c", "neuf");
  EXPECT_EQ(Contenu(dir / "vrai/neuf.cl3"), "neuf");
  fs::create_symlink("y", dir.Chemin() / "x");
  fs::create_symlink("x", dir.Chemin() / "y");
  EXPECT_THROW(EcrireFichierAtomique(dir / "x", "boucle"), EErreurFichier);
  EXPECT_EQ(Entrees(dir / "vrai"), (std::vector<std::string>{"classe.cl3", "neuf.cl3"}));
}

// A writer killed at each moment of its write, with and without unnamed temporary files: the
// target keeps its old bytes, and after the next write nothing else is left beside it.
TEST(Ecriture, UnEcrivainTueNeLaissePasDeTrace) {
  for (const bool sansAnonyme : {false, true}) {
    for (const TEtapeEcriture etape : {TEtapeEcriture::DonneesEcrites, TEtapeEcriture::TemporaireNomme}) {
      SCOPED_TRACE(testing::Message() << "sans fichier anonyme " << sansAnonyme << ", étape "
                                      << static_cast<int>(etape));
      test::TRepertoireTemp dir;
      const std::string cible = dir / "classe.cl3";
      EcrireFichierAtomique(cible, "ancien");
      CrochetsEcriture().sansFichierAnonyme = sansAnonyme;
      EtapeFatale = etape;
      const pid_t enfant = ::fork();
      ASSERT_GE(enfant, 0);
      if (enfant == 0) {
        CrochetsEcriture().etape = [](TEtapeEcriture e) {
          if (e == EtapeFatale) ::raise(SIGKILL);
        };
        EcrireFichierAtomique(cible, "nouveau");
        ::_exit(0);
      }
      int statut = 0;
      ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
      ASSERT_TRUE(WIFSIGNALED(statut) && WTERMSIG(statut) == SIGKILL);
      EXPECT_EQ(Contenu(cible), "ancien");
      if (!sansAnonyme && etape == TEtapeEcriture::DonneesEcrites)
        EXPECT_EQ(Entrees(dir.Chemin()), std::vector<std::string>{"classe.cl3"});  // never had a name
      else
        EXPECT_EQ(Entrees(dir.Chemin()).size(), 2u);  // the dead writer's temporary, until the next write

      // A live writer's temporary and a file merely alike are left alone.
      std::ofstream(dir / ".calevrin-VivantVivant.tmp") << "en cours";
      std::ofstream(dir / ".calevrin-autre.tmp") << "autre";
      const int vivant = ::open((dir / ".calevrin-VivantVivant.tmp").c_str(), O_RDONLY | O_CLOEXEC);
      ASSERT_EQ(::flock(vivant, LOCK_EX), 0);
      EcrireFichierAtomique(cible, "troisième");
      ::close(vivant);
      CrochetsEcriture().sansFichierAnonyme = false;
      EXPECT_EQ(Contenu(cible), "troisième");
      EXPECT_EQ(Entrees(dir.Chemin()),
                (std::vector<std::string>{".calevrin-VivantVivant.tmp", ".calevrin-autre.tmp", "classe.cl3"}));
    }
  }
}

fs::perms Mode(const fs::path& p) { return fs::status(p).permissions() & fs::perms::all; }

// Each way a write can go wrong: the old file stays whole and keeps its mode, nothing is left
// beside it, and the message names the file.
TEST(Ecriture, ChaqueFauteLaisseLAncienFichierIntact) {
  test::TRepertoireTemp dir;
  const std::string cible = dir / "classe.cl3";
  EcrireFichierAtomique(cible, "ancien");
  {
    const test::TDisquePlein plein(4);
    EXPECT_EQ(test::MessageErreur([&] { EcrireFichierAtomique(cible, std::string(100, 'x')); }),
              "Impossible de créer le fichier " + cible);
  }
  EXPECT_EQ(Contenu(cible), "ancien");

  ::chmod(cible.c_str(), 0444);
  EXPECT_EQ(test::MessageErreur([&] { EcrireFichierAtomique(cible, "nouveau"); }),
            "Le fichier " + cible + " est protégé en écriture ; il n'est pas remplacé");
  EXPECT_EQ(test::MessageErreur([&] { EcrireFichierAtomique(cible, "nouveau", TModeEcriture{.exclusif = true}); }),
            "Le fichier " + cible + " existe déjà ; il n'est pas remplacé");
  EXPECT_EQ(Contenu(cible), "ancien");

  ::chmod(cible.c_str(), 0600);
  EcrireFichierAtomique(cible, "nouveau");
  EXPECT_EQ(Mode(cible), fs::perms::owner_read | fs::perms::owner_write);

  // New files take the umask as the kernel applies it; private ones are 0600 whatever it is.
  const mode_t avant = ::umask(027);
  EcrireFichierAtomique(dir / "neuf", "x");
  ::umask(0);
  EcrireFichierAtomique(dir / "prive", "x", TModeEcriture{.prive = true});
  EcrireFichierAtomique(cible, "x", TModeEcriture{.prive = true});
  ::umask(avant);
  EXPECT_EQ(Mode(dir / "neuf"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Mode(dir / "prive"), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Mode(cible), fs::perms::owner_read | fs::perms::owner_write);

  // 122 "é" and ".cl3": 248 bytes, near the limit of 255; its temporary must fit all the same.
  std::string long_;
  for (int i = 0; i < 122; ++i) long_ += "é";
  const std::string chemin = dir / (long_ + ".cl3");
  EcrireFichierAtomique(chemin, "un");
  EcrireFichierAtomique(chemin, "deux");
  EXPECT_EQ(Contenu(chemin), "deux");
  EXPECT_EQ(Entrees(dir.Chemin()).size(), 4u);
}

// Two threads at once, each on its own file and both on a shared one: no spurious failure
// (a temporary taken by the other's clean-up), every content whole, no mode from a changed umask.
TEST(Ecriture, DeuxFilsEcriventEnMemeTemps) {
  for (const bool sansAnonyme : {false, true}) {
    CrochetsEcriture().sansFichierAnonyme = sansAnonyme;
    test::TRepertoireTemp dir;
    const mode_t umask = ::umask(022);
    std::atomic<int> echecs{0};
    const auto ecrire = [&](const std::string& propre, char lettre) {
      for (int i = 0; i < 100; ++i) {
        const std::string texte(1000 + i, lettre);
        try {
          EcrireFichierAtomique(dir / propre, texte, false);
          EcrireFichierAtomique(dir / "commun", texte, false);
        } catch (const EErreurFichier&) {
          ++echecs;
        }
        if (Contenu(dir / propre) != texte || Mode(dir / propre) != (fs::perms::owner_read | fs::perms::owner_write |
                                                                     fs::perms::group_read | fs::perms::others_read))
          ++echecs;
      }
    };
    std::thread a(ecrire, "a", 'a');
    std::thread b(ecrire, "b", 'b');
    a.join();
    b.join();
    EXPECT_EQ(::umask(umask), 022);
    CrochetsEcriture().sansFichierAnonyme = false;
    EXPECT_EQ(echecs, 0) << "sans fichier anonyme " << sansAnonyme;
    const std::string commun = Contenu(dir / "commun");
    EXPECT_TRUE(commun == std::string(1099, 'a') || commun == std::string(1099, 'b'));
    EXPECT_EQ(Entrees(dir.Chemin()), (std::vector<std::string>{"a", "b", "commun"}));
  }
}
