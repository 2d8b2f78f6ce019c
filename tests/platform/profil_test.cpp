#include "platform/profil.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using plateforme::EcrireProfil;
using plateforme::LireProfil;

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
