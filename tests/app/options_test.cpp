#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/options.h"
#include "model/alertes.h"
#include "platform/profil.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

namespace {

using test::Contenu;

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OptionsParDefaut(OptionsDefaut);
    ancienne_ = RemplacerAlertes({[this](TGenreAlerte g, const std::string& t) {
                                    EXPECT_EQ(g, TGenreAlerte::Erreur);
                                    messages_.push_back(t);
                                  },
                                  {}});
  }
  void TearDown() override { RemplacerAlertes(ancienne_); }

  test::TRepertoireTemp dir_;
  std::vector<std::string> messages_;
  TAlertes ancienne_;
};

}  // namespace

TEST_F(OptionsTest, FichierCreeAvecLesValeursParDefaut) {
  const std::string f = dir_ / "calevrin.ini";
  TOptions o;
  o.notemax = 3;
  ChargerOptions(o, f, ',');
  EXPECT_EQ(o, OptionsDefaut);
  const std::string texte = Contenu(f);
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
  EXPECT_EQ(texte, attendu);
  EXPECT_TRUE(messages_.empty());
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
  EXPECT_FALSE(o.prenom);
  EXPECT_EQ(o.trait, OptionsDefaut.trait);  // malformed: default
  EXPECT_TRUE(o.marge);                      // any nonzero value
  EXPECT_EQ(o.notemax, 20);                  // empty: default
  EXPECT_EQ(o.coefmax, 20);
  EXPECT_EQ(o.notemoy, 12);
  EXPECT_EQ(o.indsep, 2);
  EXPECT_EQ(o.couleur[1], 0xFF00FFu);
  EXPECT_EQ(o.couleur[2], OptionsDefaut.couleur[2]);
  EXPECT_EQ(o.couleur[3], OptionsDefaut.couleur[3]);
  EXPECT_EQ(o.zoomP, 1.5);
  EXPECT_EQ(o.zoomD, 2.5);  // written under another locale
  EXPECT_EQ(o.kp, 1.0);
  EXPECT_EQ(o.kd, 1.0);
  EXPECT_EQ(o.repsauve, "/home/Élodie/Sauvegardes/");
  EXPECT_EQ(o.liste[1], "/home/Anne/4A.cl3");  // paths keep their case
  EXPECT_EQ(o.liste[2], "");
  EXPECT_EQ(o.polname.size(), 32u);
  EXPECT_EQ(o.cores[1].coresL, "AA");
  EXPECT_EQ(o.cores[1].coresV, 20.0);
  EXPECT_EQ(o.cores[2].coresL, "\xE9");
  EXPECT_TRUE(o.polstyle.gras);
  EXPECT_FALSE(o.polstyle.italique);
  EXPECT_TRUE(o.polstyle.souligne);
  EXPECT_EQ(o.relief, 0);  // a file without the key gives 0, not the default 1

  std::ofstream(f) << "[Autre]\nrelief=7\n";
  o.relief = 2;
  ChargerOptions(o, f, ',');
  EXPECT_EQ(o.relief, 2);  // an unknown style keeps the one held before

  // A zoom outside 0.2 to 5.0 takes the default; the bounds themselves are kept.
  std::ofstream(f) << "[Divers]\nzoomP=0\nzoomD=5,01\n";
  ChargerOptions(o, f, ',');
  EXPECT_EQ(o.zoomP, OptionsDefaut.zoomP);
  EXPECT_EQ(o.zoomD, OptionsDefaut.zoomD);
  std::ofstream(f) << "[Divers]\nzoomP=0,2\nzoomD=5\n";
  ChargerOptions(o, f, ',');
  EXPECT_EQ(o.zoomP, 0.2);
  EXPECT_EQ(o.zoomD, 5.0);
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
  EXPECT_NE(Contenu(f).find("coresL4=Œ\n"), std::string::npos);  // the file is UTF-8
  EXPECT_NE(Contenu(f).find("kd=0.1\n"), std::string::npos);
  TOptions relue;
  ChargerOptions(relue, f, '.');
  EXPECT_EQ(relue, o);

  const std::string impossible = dir_ / "absent/calevrin.ini";
  EXPECT_FALSE(EnregistrerOptions(o, impossible, '.'));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Impossible d'écrire dans " + impossible);
}

TEST(EncodageReels, FormeCourteEtSeparateur) {
  EXPECT_EQ(EcrireReel(17.5, ','), "17,5");
  EXPECT_EQ(EcrireReel(2.0, ','), "2");
  EXPECT_EQ(EcrireReel(0.1, '.'), "0.1");
  EXPECT_EQ(EcrireReel(1.0 / 3.0, '.'), "0.333333333333333");
  double v = 0;
  EXPECT_TRUE(LireReel("17,5", ',', v));
  EXPECT_EQ(v, 17.5);
  EXPECT_TRUE(LireReel("1E+20", ',', v));
  EXPECT_EQ(v, 1e20);
  EXPECT_FALSE(LireReel("1,5x", ',', v));
  EXPECT_FALSE(LireReel("nan", ',', v));
  long long n = 0;
  EXPECT_TRUE(LireEntier("$FF", n));
  EXPECT_EQ(n, 255);
  EXPECT_TRUE(LireEntier("-12", n));
  EXPECT_EQ(n, -12);
  EXPECT_FALSE(LireEntier("0x", n));
  EXPECT_FALSE(LireEntier("12 ", n));
}
