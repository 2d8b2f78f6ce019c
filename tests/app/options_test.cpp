#include "app/options.h"

#include <gtest/gtest.h>

#include <fstream>

#include "model/alertes.h"
#include "platform/profil.h"
#include "tests/common/fichiers.h"
#include "tests/common/remplacement.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

namespace {

using test::Contenu;

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { OptionsParDefaut(OptionsDefaut); }
  test::TRepertoireTemp dir_;
  std::vector<std::string> messages_;
  test::TRemplacement<TAlertes> alertes_{RemplacerAlertes,
                                         {[this](TGenreAlerte g, const std::string& t) {
                                            EXPECT_EQ(g, TGenreAlerte::Erreur);
                                            messages_.push_back(t);
                                          },
                                          {}}};
};

}  // namespace

TEST_F(OptionsTest, FichierCreeAvecLesValeursParDefaut) {
  const std::string f = dir_ / "calevrin.ini";
  TOptions o;
  o.notemax = 3;
  ChargerOptions(o, f, ',');
  EXPECT_TRUE(o == OptionsDefaut && messages_.empty());
  const std::string attendu =
      "[Boolean]\narrondiN=0\nprenom=1\ntrait=1\nmajuscule=1\nnoirblanc=1\nmoydiv2=1\ntextebas=1\nsauvegarde=1\n"
      "alignernb=1\nverification=1\nimprimerAnnee=1\ntailleid=1\nutiliserL=1\nmarge=1\ncentrert=1\n\n"
      "[Divers]\ncoefmax=10\nnotemax=20\nnotemoy=10\nindsep=2\ncouleur1=0\ncouleur2=0\ncouleur3=12632256\n"
      "couleur4=0\ncouleur5=0\ncouleur6=0\ncouleur7=255\ncouleur8=0\ncouleur9=255\ncouleur10=0\n"
      "couleur11=16777215\ncouleur12=65535\nzoomP=2\nzoomD=2\nkp=1\nkd=1\nrepsauve=" +
      OptionsDefaut.repsauve +
      "\nliste1=\nliste2=\nliste3=\npolname=Arial\n\n[Correspondance]\n"
      "coresV1=20\ncoresL1=A+\ncoresV2=19\ncoresL2=A\ncoresV3=18\ncoresL3=A-\ncoresV4=17,5\ncoresL4=B+\n"
      "coresV5=15\ncoresL5=B\ncoresV6=13,5\ncoresL6=B-\ncoresV7=12\ncoresL7=C+\ncoresV8=10,5\ncoresL8=C\n"
      "coresV9=9\ncoresL9=C-\ncoresV10=7,5\ncoresL10=D+\ncoresV11=6\ncoresL11=D\ncoresV12=4,5\ncoresL12=D-\n"
      "coresV13=3\ncoresL13=E+\ncoresV14=1,5\ncoresL14=E\ncoresV15=0\ncoresL15=E-\n\n"
      "[Autre]\npolstyleB=0\npolstyleI=0\npolstyleU=0\nrelief=1\n";
  EXPECT_EQ(Contenu(f), attendu);
}

TEST_F(OptionsTest, ValeursPartiellesMalFormeesEtHexadecimales) {
  const std::string f = dir_ / "partiel.ini";
  std::ofstream(f) << "[boolean]\nprenom=0\ntrait=oui\nmarge=7\n"
                      "[DIVERS]\nnotemax=\ncoefmax=$14\nnotemoy=0x0C\nindsep=12\ncouleur1=0xFF00FF\n"
                      "couleur2=-1\ncouleur3=99999999\nzoomP=1,5\nzoomD=2.5\nkp=abc\nkd=1e400\n"
                      "repsauve=/home/Élodie/Sauvegardes/\nliste1=/home/Anne/4A.cl3\n"
                      "polname=Un nom de police beaucoup trop long pour le champ\n"
                      "[Correspondance]\ncoresL1=AAA\ncoresV1=\ncoresL2=é\n"
                      "[Autre]\npolstyleB=1\npolstyleU=2\n";
  TOptions o;
  o.relief = 2;
  ChargerOptions(o, f, ',');
  // Malformed, empty or out of range: the default; any nonzero boolean is true; paths keep their case.
  TOptions a = OptionsDefaut;
  a.prenom = false;
  a.marge = true;
  a.coefmax = 20;
  a.notemoy = 12;
  a.couleur[1] = 0xFF00FF;
  a.zoomP = 1.5;
  a.zoomD = 2.5;  // written under another locale
  a.repsauve = "/home/Élodie/Sauvegardes/";
  a.liste[1] = "/home/Anne/4A.cl3";
  a.polname = "Un nom de police beaucoup trop l";
  a.cores[1].coresL = "AA";
  a.cores[2].coresL = "\xE9";
  a.polstyle = {true, false, true};
  a.relief = 0;  // a file without the key gives 0, not the default 1
  EXPECT_EQ(o, a);

  std::ofstream(f) << "[Autre]\nrelief=7\n";
  o.relief = 2;
  ChargerOptions(o, f, ',');
  EXPECT_EQ(o.relief, 2);  // an unknown style keeps the one held before

  // A zoom outside 0.2 to 5.0 takes the default; the bounds themselves are kept.
  for (const auto& [texte, zoomP, zoomD] :
       {std::tuple{"zoomP=0\nzoomD=5,01\n", OptionsDefaut.zoomP, OptionsDefaut.zoomD},
        {"zoomP=0,2\nzoomD=5\n", 0.2, 5.0}}) {
    std::ofstream(f) << "[Divers]\n" << texte;
    ChargerOptions(o, f, ',');
    EXPECT_TRUE(o.zoomP == zoomP && o.zoomD == zoomD) << texte;
  }
}

TEST_F(OptionsTest, AllerRetourEtEchecDEcriture) {
  const std::string f = dir_ / "retour.ini";
  TOptions o = OptionsDefaut;
  o.zoomP = 1.25;
  o.kd = 0.1;
  o.cores[4] = {"\x8C", 16.75};  // Œ
  o.liste[1] = "/home/Anne/Classes/4ème A.cl3";
  o.polstyle.italique = true;
  o.relief = 2;
  o.couleur[12] = 0x123456;
  ASSERT_TRUE(EnregistrerOptions(o, f, '.'));
  EXPECT_TRUE(Contenu(f).find("coresL4=Œ\n") != std::string::npos &&
              Contenu(f).find("kd=0.1\n") != std::string::npos);  // UTF-8
  TOptions relue;
  ChargerOptions(relue, f, '.');
  EXPECT_EQ(relue, o);

  const std::string impossible = dir_ / "absent/calevrin.ini";
  EXPECT_FALSE(EnregistrerOptions(o, impossible, '.'));
  EXPECT_EQ(messages_, std::vector<std::string>{"Impossible d'écrire dans " + impossible});
}

TEST(EncodageReels, FormeCourteEtSeparateur) {
  for (const auto& [v, sep, texte] :
       {std::tuple{17.5, ',', "17,5"}, {2.0, ',', "2"}, {0.1, '.', "0.1"}, {1.0 / 3.0, '.', "0.333333333333333"}})
    EXPECT_EQ(EcrireReel(v, sep), texte);
  double v = 0;
  EXPECT_TRUE(LireReel("17,5", ',', v) && v == 17.5);
  EXPECT_TRUE(LireReel("1E+20", ',', v) && v == 1e20);
  EXPECT_FALSE(LireReel("1,5x", ',', v) || LireReel("nan", ',', v));
  long long n = 0;
  EXPECT_TRUE(LireEntier("$FF", n) && n == 255);
  EXPECT_TRUE(LireEntier("-12", n) && n == -12);
  EXPECT_FALSE(LireEntier("0x", n) || LireEntier("12 ", n));
}
