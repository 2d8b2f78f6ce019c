#include "platform/profil.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/common/fichiers.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using plateforme::EcrireProfil;
using plateforme::LireProfil;
namespace fs = std::filesystem;

namespace {
using test::Contenu;
void Ecrire(const std::string& f, const std::string& texte) { std::ofstream(f, std::ios::binary) << texte; }
}  // namespace

TEST(Profil, LectureSansEgardALaCasse) {
  test::TRepertoireTemp dir;
  const std::string f = dir / "a.ini";
  EXPECT_EQ(LireProfil("Divers", "notemax", "def", f), "def");  // no file
  Ecrire(f,
         "; commentaire\n[ Divers ]\nNoteMax =  18  \nvide=\nguillemets=\" a b \"\n;notemoy=3\n"
         "[Autre]\nnotemax=5\n");
  EXPECT_EQ(LireProfil("divers", "NOTEMAX", "def", f), "18");
  EXPECT_EQ(LireProfil("Divers", "vide", "def", f), "");
  EXPECT_EQ(LireProfil("Divers", "guillemets", "", f), " a b ");
  EXPECT_EQ(LireProfil("Divers", "notemoy", "def", f), "def");  // commented out
  EXPECT_EQ(LireProfil("Autre", "notemax", "", f), "5");
  EXPECT_EQ(LireProfil("Absente", "notemax", "def", f), "def");

  // A change made behind the program's back is seen at the next read.
  Ecrire(f, "[Divers]\nnotemax=12\n");
  EXPECT_EQ(LireProfil("Divers", "notemax", "", f), "12");
}

TEST(Profil, EcritureEnPlaceEtLignesConservees) {
  test::TRepertoireTemp dir;
  const std::string f = dir / "b.ini";
  ASSERT_TRUE(EcrireProfil("Divers", "notemax", "20", f));  // creates the file
  EXPECT_EQ(Contenu(f), "[Divers]\nnotemax=20\n");
  Ecrire(f, "; garde\n[Divers]\nNoteMax=20\nautre=1\n\n[Autre]\nx=2\n");
  ASSERT_TRUE(EcrireProfil("DIVERS", "notemax", "15", f));
  ASSERT_TRUE(EcrireProfil("Divers", "nouvelle", "a", f));
  ASSERT_TRUE(EcrireProfil("Neuve", "cle", "v", f));
  EXPECT_EQ(Contenu(f), "; garde\n[Divers]\nnotemax=15\nautre=1\nnouvelle=a\n\n[Autre]\nx=2\n\n[Neuve]\ncle=v\n");
  EXPECT_EQ(LireProfil("Divers", "NOTEMAX", "", f), "15");

  Ecrire(f, "[W]\r\nk=1\r\n");  // Windows line ends stay Windows line ends
  ASSERT_TRUE(EcrireProfil("W", "k", "2", f));
  EXPECT_EQ(Contenu(f), "[W]\r\nk=2\r\n");

  EXPECT_FALSE(EcrireProfil("W", "k", "3", dir / "absent/c.ini"));
}

// What may lie at the file's place: followed when a link, kept private when private, left
// alone (and said so, once) when it is no file to read.
TEST(Profil, CeQuiSeTrouveALaPlaceDuFichier) {
  test::TRepertoireTemp dir;
  std::vector<std::string> alertes;
  const test::TRemplacement avertir(plateforme::RemplacerAvertissementProfil,
                                    [&](const std::string& t) { alertes.push_back(t); });
  Ecrire(dir / "vrai.ini", "[A]\nk=1\n");
  ::chmod((dir / "vrai.ini").c_str(), 0600);
  fs::create_symlink("vrai.ini", dir.Chemin() / "lien.ini");
  Ecrire(dir / "victime", "intacte");
  fs::create_symlink("victime", dir.Chemin() / "lien.ini.tmp");  // the old fixed temporary name
  ASSERT_TRUE(
      plateforme::EcrireProfils({{"A", "k", "2"}, {"B", "liste1", "a\n[Boolean]\nprenom=0\nb.cl3"}}, dir / "lien.ini"));
  EXPECT_TRUE(fs::is_symlink(dir / "lien.ini"));
  EXPECT_EQ(Contenu(dir / "vrai.ini"), "[A]\nk=2\n\n[B]\nliste1=\n");
  EXPECT_EQ(fs::status(dir / "vrai.ini").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Contenu(dir / "victime"), "intacte");

  ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.Chemin() / "zero.ini");
  Ecrire(dir / "enorme.ini", "[A]\nk=1\n" + std::string(2 << 20, ';'));
  for (const std::string nom : {"fifo.ini", "zero.ini", "enorme.ini"}) {
    const std::string f = dir / nom;
    EXPECT_EQ(LireProfil("A", "k", "def", f), "def") << nom;
    EXPECT_EQ(LireProfil("A", "k", "def", f), "def") << nom;
    EXPECT_FALSE(EcrireProfil("A", "k", "3", f)) << nom;
    EXPECT_TRUE(plateforme::ProfilRefuse(f)) << nom;
  }
  EXPECT_TRUE(fs::is_fifo(dir / "fifo.ini") && fs::file_size(dir / "enorme.ini") > (2u << 20));
  ASSERT_EQ(alertes.size(), 3u);  // once each
  EXPECT_EQ(alertes[0].rfind("Le fichier de configuration " + dir / "fifo.ini" + " n'est pas lu", 0), 0u) << alertes[0];
}
