#include "app/demarrage.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/association.h"
#include "platform/lignecommande.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace pf = calevrin::plateforme;

TEST(Demarrage, FichierDeLaLigneDeCommande) {
  test::TRepertoireTemp dir;
  const std::string classe = dir / "4A Maths.cl3";
  std::ofstream(classe) << "x";
  std::ofstream(dir / "MAJ.CL3") << "x";
  std::string chemin;

  const char* const avecGuillemets[] = {"/usr/bin/calevrin", classe.c_str()};
  EXPECT_TRUE(FichierDeLaLigneDeCommande(".cl3", 1, pf::LigneDeCommandeBrute(2, avecGuillemets), chemin));
  EXPECT_EQ(chemin, classe);

  // The raw line as another program might pass it, quoted and unquoted.
  EXPECT_TRUE(FichierDeLaLigneDeCommande(".cl3", 1, "calevrin \"" + classe + "\"", chemin));
  EXPECT_FALSE(FichierDeLaLigneDeCommande(".cl3", 0, "calevrin \"" + classe + "\"", chemin));
  EXPECT_FALSE(FichierDeLaLigneDeCommande(".cl3", 1, "\"calevrin\" \"" + (dir / "absent.cl3") + "\"", chemin));
  EXPECT_FALSE(FichierDeLaLigneDeCommande(".cl3", 1, "\"calevrin\" \"" + (dir / "MAJ.CL3") + "\"", chemin));
  EXPECT_FALSE(FichierDeLaLigneDeCommande(".cl3", 1, "\"calevrin\" \"--aide\"", chemin));
}

TEST(Demarrage, AssociationDemandeeUneSeuleFois) {
  test::TRepertoireTemp dir;
  const pf::TRepertoiresXdg xdg{dir / "config", dir / "data", {dir / "etc"}, {dir / "share"}};
  const std::string programme = "/opt/Calevrin/calevrin";
  std::vector<QString> questions;
  bool reponse = false;
  const auto demander = [&](const QString& q) {
    questions.push_back(q);
    return reponse;
  };

  VerifierAssociation(".cl3", xdg, programme, demander);  // No: nothing written
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0],
            QStringLiteral("L'extension de fichier CL3 n'est pas associée à ce logiciel.\n"
                           "( /opt/Calevrin/calevrin )\n\nVoulez associer cette extension à ce logiciel ?"));
  EXPECT_FALSE(std::filesystem::exists(dir / "data"));

  reponse = true;
  VerifierAssociation(".cl3", xdg, programme, demander);
  EXPECT_EQ(questions.size(), 2u);
  VerifierAssociation(".cl3", xdg, programme, demander);  // already associated
  EXPECT_EQ(questions.size(), 2u);
  VerifierAssociation(".cl3", xdg, "/usr/bin/calevrin", demander);  // another copy of the program
  EXPECT_EQ(questions.size(), 3u);
}
