#include "model/classe.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "model/erreurs.h"
#include "model/fichierclasse.h"
#include "tests/common/disqueplein.h"
#include "tests/common/erreur.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Octets(const std::string& chemin) {
  std::ifstream in(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void EcrireOctets(const std::string& chemin, const std::vector<std::uint8_t>& o) {
  std::ofstream out(chemin, std::ios::binary);
  out.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

std::unique_ptr<TClasse> Nouvelle(const std::string& chemin) {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = chemin;
  return c;
}

double Reel(const std::vector<std::uint8_t>& o, std::size_t pos) {
  double d = 0;
  std::memcpy(&d, &o[pos], sizeof d);
  return d;
}

}  // namespace

TEST(ClasseFichier, UneClasseVideARemplirSelonLeFormat) {
  test::TRepertoireTemp dir;
  auto c = Nouvelle(dir / "vide.cl3");
  c->Eleve(1).Nom.Affecter("DUPONT");
  c->FixerNbEleves(1);
  c->Enregistrer();
  const auto o = Octets(c->NomFichier);
  ASSERT_EQ(o.size(), 76632u);
  EXPECT_EQ(o[0], 6);
  EXPECT_EQ(std::string(o.begin() + 1, o.begin() + 7), "DUPONT");
  const std::uint8_t un[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
  for (std::size_t t = 0; t < 216; ++t) EXPECT_EQ(std::memcmp(&o[PosDevoirs + t * 72], un, 8), 0) << t;
  for (int m = 0; m < 3; ++m) {
    const std::size_t pos = PosMatieres + static_cast<std::size_t>(m) * 48;
    EXPECT_EQ(std::string(o.begin() + static_cast<long>(pos) + 1, o.begin() + static_cast<long>(pos) + 10),
              std::string("Mati\xE8re ") + char('1' + m));
    EXPECT_EQ(o[pos + 21], 2);
    EXPECT_EQ(std::string(o.begin() + static_cast<long>(pos) + 22, o.begin() + static_cast<long>(pos) + 24), "Ma");
    for (int p = 0; p < 3; ++p) EXPECT_EQ(Reel(o, pos + 24 + static_cast<std::size_t>(p) * 8), 1.0);
  }
  // NbPeriodes, NbEleves, NbMatieres, MatiereCourante, PeriodeCourante.
  EXPECT_EQ(std::vector<int>({o[76348], o[76460], o[76461], o[76462], o[76463]}), std::vector<int>({3, 1, 3, 1, 1}));
  for (std::size_t i = PosReserve; i < 76632; ++i) EXPECT_EQ(o[i], 0);
}

TEST(ClasseFichier, ChaqueChampASaPlace) {
  test::TRepertoireTemp dir;
  auto c = Nouvelle(dir / "champs.cl3");
  c->Eleve(2).Prenom.Affecter("Anne");
  c->Eleve(3).DateNaissance.Affecter("15031990");
  c->Eleve(4).Note(2, 3, 5).Affecter("12.5");
  c->Devoir(3, 2, 7).Coef = 2.5;
  c->Devoir(3, 2, 7).Commentaire.Affecter("Bilan");
  c->Devoir(1, 1, 1).Duree.Affecter("1h");
  c->Matiere(2).Coef[3] = 4.0;
  c->Abreviation.Affecter("4A");
  c->AnneeScolaire.Affecter("( 2003 / 2004 )");
  c->FixerJoker(true);
  c->FixerArrondi(5);
  c->FixerNbPeriodes(2);
  c->Professeur.Affecter("M. Roux");
  c->MatierePrincipale.Affecter("Histoire");
  c->FixerNbDevoirs(2, 3, 9);
  c->FixerMatiereCourante(4);
  c->FixerPeriodeCourante(2);
  c->Reserve[167] = 0xAB;
  c->Enregistrer();
  const auto o = Octets(c->NomFichier);
  EXPECT_EQ(std::string(o.begin() + 1347 + 22, o.begin() + 1347 + 26), "Anne");
  EXPECT_EQ(std::string(o.begin() + 2 * 1347 + 43, o.begin() + 2 * 1347 + 51), "15031990");
  const std::size_t note = 3 * 1347 + 51 + 1 * 432 + 2 * 144 + 4 * 6;
  EXPECT_EQ(o[note], 4);
  EXPECT_EQ(std::string(o.begin() + note + 1, o.begin() + note + 5), "12.5");
  const std::size_t dev = PosDevoirs + 2 * 5184 + 1 * 1728 + 6 * 72;
  EXPECT_EQ(Reel(o, dev), 2.5);
  EXPECT_EQ(o[dev + 26], 5);
  EXPECT_EQ(std::string(o.begin() + dev + 27, o.begin() + dev + 32), "Bilan");
  EXPECT_EQ(o[PosDevoirs + 20], 2);
  EXPECT_EQ(Reel(o, PosMatieres + 48 + 24 + 16), 4.0);
  EXPECT_EQ(std::vector<int>({o[76311], o[76320], o[76346], o[76347], o[76348]}), std::vector<int>({2, 15, 1, 5, 2}));
  EXPECT_EQ(std::string(o.begin() + 76350, o.begin() + 76357), "M. Roux");
  EXPECT_EQ(std::string(o.begin() + 76401, o.begin() + 76409), "Histoire");
  EXPECT_EQ(std::vector<int>({o[76451 + 1 * 3 + 2], o[76462], o[76463], o[76631]}), std::vector<int>({9, 4, 2, 0xAB}));

  auto relue = Nouvelle(c->NomFichier);
  relue->Charger();
  // A reopened class shows the same view.
  EXPECT_EQ(std::vector<int>({relue->MatiereCourante(), relue->PeriodeCourante(), relue->NbDevoirs(2, 3)}),
            std::vector<int>({4, 2, 9}));
  EXPECT_EQ(relue->Eleve(4).Note(2, 3, 5).Texte() + relue->NomComplet(2, true), "12.5 Anne");
}

TEST(ClasseFichier, LesRestesApresLaLongueurSontConserves) {
  test::TRepertoireTemp dir;
  auto c = Nouvelle(dir / "restes.cl3");
  c->Eleve(1).Nom.Affecter("DUPONTEL");
  c->Eleve(1).Nom.Affecter("DUPONT");
  c->Enregistrer();
  const auto o = Octets(c->NomFichier);
  EXPECT_EQ(o[0], 6);
  EXPECT_EQ(std::string(o.begin() + 1, o.begin() + 9), "DUPONTEL");
  auto relue = Nouvelle(c->NomFichier);
  relue->Charger();
  EXPECT_EQ(relue->Eleve(1).Nom.Texte(), "DUPONT");
  relue->Eleve(1).Nom.Affecter(std::string(30, 'X'));  // cut to capacity, never refused
  EXPECT_EQ(relue->Eleve(1).Nom.Texte(), std::string(20, 'X'));
}

TEST(ClasseFichier, FichierAbsentCourtOuLong) {
  test::TRepertoireTemp dir;
  auto c = Nouvelle(dir / "absent.cl3");
  c->Eleve(1).Nom.Affecter("GARDE");
  EXPECT_EQ(test::MessageErreur([&] { c->Charger(); }), "Impossible d'ouvrir le fichier " + dir / "absent.cl3");
  EcrireOctets(dir / "court.cl3", std::vector<std::uint8_t>(TailleFichierClasse - 1, 7));
  c->NomFichier = dir / "court.cl3";
  EXPECT_EQ(test::MessageErreur([&] { c->Charger(); }),
            "Le fichier " + dir / "court.cl3" + " est tronqué : 76631 octets au lieu de 76632");
  EXPECT_EQ(c->Eleve(1).Nom.Texte(), "GARDE");  // a failed load changes nothing

  std::vector<std::uint8_t> long_(TailleFichierClasse + 100, 0);
  long_[76460] = 12;
  EcrireOctets(dir / "long.cl3", long_);
  c->NomFichier = dir / "long.cl3";
  c->Charger();
  EXPECT_EQ(c->NbEleves(), 12);
}

TEST(ClasseFichier, UnEchecDEcritureLaisseLAncienFichierIntact) {
  test::TRepertoireTemp dir;
  auto c = Nouvelle(dir / "classe.cl3");
  c->Eleve(1).Nom.Affecter("ANCIEN");
  c->Enregistrer();
  ::chmod(c->NomFichier.c_str(), 0640);
  const auto avant = Octets(c->NomFichier);

  // A write that fails part way, as on a full disk.
  c->Eleve(1).Nom.Affecter("NOUVEAU");
  {
    const test::TDisquePlein plein(1000);
    EXPECT_EQ(test::MessageErreur([&] { c->Enregistrer(); }), "Impossible de créer le fichier " + c->NomFichier);
  }
  EXPECT_EQ(Octets(c->NomFichier), avant);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Chemin()), {}), 1) << "no temporary file left behind";
  // A successful save keeps the permissions.
  c->Enregistrer();
  struct stat st {};
  ::stat(c->NomFichier.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  c->NomFichier = dir / "pas/de/dossier.cl3";
  EXPECT_THROW(c->Enregistrer(), EErreurClasse);
}

TEST(ClasseFichier, CompteursHorsLimitesLusBornes) {
  std::vector<std::uint8_t> o(TailleFichierClasse, 0);
  o[76460] = 200;
  o[76461] = 0;
  o[76462] = 9;
  o[76463] = 0;
  o[76348] = 7;
  o[PosNbDevoirs + 4] = 99;
  o[0] = 250;
  test::TRepertoireTemp dir;
  EcrireOctets(dir / "abime.cl3", o);
  auto c = Nouvelle(dir / "abime.cl3");
  c->Charger();
  EXPECT_EQ(std::vector<int>({c->NbEleves(), c->NbMatieres(), c->MatiereCourante(), c->PeriodeCourante(),
                              c->NbPeriodes(), c->NbDevoirs(2, 2)}),
            std::vector<int>({45, 1, 4, 1, 3, 24}));
  EXPECT_EQ(c->Eleve(1).Nom.Texte().size(), 20u);
  EXPECT_THROW(c->Eleve(46), std::out_of_range);
  EXPECT_THROW(c->Devoir(1, 1, 25), std::out_of_range);
}

TEST(ClasseFichier, NouvelleClasseEtVidages) {
  auto c = Nouvelle("/home/Anne/Classe.cl3");
  c->NouvelleClasse({2026, 8, 1});
  EXPECT_EQ(c->Abreviation.Texte() + c->AnneeScolaire.Texte(), "CLAS( 2026 / 2027 )");
  c->NomFichier = "/tmp/4a.cl3";
  c->FixerJoker(true);
  c->FixerArrondi(3);
  c->NouvelleClasse({2027, 7, 31});
  EXPECT_EQ(c->Abreviation.Texte() + c->AnneeScolaire.Texte(), "4A( 2026 / 2027 )");
  EXPECT_TRUE(!c->Joker() && c->Arrondi() == 0);

  c->Eleve(3).Note(1, 2, 4).Affecter("15");
  c->Eleve(45).Note(1, 2, 4).Affecter("abs");
  c->Devoir(1, 2, 4).Coef = 3;
  c->Devoir(1, 2, 4).Date.Affecter("lun. 2 mai");
  c->ViderDevoir(1, 2, 4);
  EXPECT_TRUE(c->Eleve(3).Note(1, 2, 4).Vide() && c->Eleve(45).Note(1, 2, 4).Vide());
  EXPECT_TRUE(c->Devoir(1, 2, 4).Coef == 1.0 && c->Devoir(1, 2, 4).Date.Vide());

  c->Eleve(3).Nom.Affecter("ROUX");
  c->Eleve(3).Note(3, 3, 24).Affecter("9");
  EXPECT_EQ(c->NomComplet(3, false), "ROUX");
  c->ViderEleve(3);
  EXPECT_TRUE(c->Eleve(3).Nom.Vide() && c->Eleve(3).Note(3, 3, 24).Vide());
}
