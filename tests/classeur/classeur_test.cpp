#include "classeur/classeur.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "examples/exemple.h"
#include "model/cp1252.h"
#include "model/formatage.h"
#include "model/moyennes.h"
#include "tests/classeur/lectureclasseur.h"
#include "tests/common/cli.h"
#include "tests/common/disqueplein.h"
#include "tests/common/erreur.h"
#include "tests/common/fichiers.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
using test::TCellule;

namespace {

namespace fs = std::filesystem;

const TDateHeure Le{{2026, 12, 7}, 14, 30};

std::string U(std::string_view cp1252) { return Utf8DepuisCp1252(cp1252); }

// Days from the workbook's epoch, 30 December 1899, to the date.
double Serie(const TDateJour& d) { return static_cast<double>(NumeroJour(d) + 25569); }

// What a cell must hold for an average: the number the sheet shows, or nothing.
::testing::AssertionResult EstMoyenne(const TCellule* c, double v, int arrondi) {
  if (v == PasDeMoyenne)
    return c ? ::testing::AssertionFailure() << "a cell for no average" : ::testing::AssertionSuccess();
  const std::string t = FormaterMoyenne(arrondi, v);
  double attendue = 0;
  std::from_chars(t.data(), t.data() + t.size(), attendue);
  if (!c || c->Genre != TCellule::Nombre || c->Valeur != attendue)
    return ::testing::AssertionFailure() << "expected " << t << ", found " << (c ? std::to_string(c->Valeur) : "none");
  return ::testing::AssertionSuccess();
}

std::string Periode(const TClasse& c, int p) {
  return p == 4 ? " Année" : std::string(c.NbPeriodes() == 2 ? " S" : " T") + std::to_string(p);
}

// Every sheet of the workbook against the model: names, grades, and each average through
// the model's own functions, one at a time.
void VerifierClasse(const TClasse& c, const test::TClasseurLu& lu, const TOptions& o = Options) {
  const int n = c.NbEleves();
  const int a = c.Arrondi();
  const bool j = c.Joker();
  std::vector<std::string> noms{"Classe"};
  for (int m = 1; m <= c.NbMatieres(); ++m) {
    for (int p = 1; p <= c.NbPeriodes(); ++p) noms.push_back(U(c.Matiere(m).Nom.Vue()) + Periode(c, p));
    const std::string annee = U(c.Matiere(m).Nom.Vue()) + Periode(c, 4);
    noms.push_back(annee);
    for (int e = 1; e <= n; ++e) {
      for (int q = 1; q <= c.NbPeriodes(); ++q)
        EXPECT_TRUE(EstMoyenne(lu.Cellule(annee, 1 + e, 2 + q), Moyenne(c, m, q, e, j, o), a)) << annee << e;
      EXPECT_TRUE(EstMoyenne(lu.Cellule(annee, 1 + e, 3 + c.NbPeriodes()), Moyenne(c, m, 4, e, j, o), a)) << annee;
    }
    EXPECT_TRUE(EstMoyenne(lu.Cellule(annee, 2 + n, 3 + c.NbPeriodes()), MoyenneClasse(c, m, 4, j, o), a)) << annee;

    for (int p = 1; p <= c.NbPeriodes(); ++p) {
      const std::string f = U(c.Matiere(m).Nom.Vue()) + Periode(c, p);
      const int nd = c.NbDevoirs(m, p);
      for (int k = 1; k <= nd; ++k) {
        EXPECT_DOUBLE_EQ(lu.Cellule(f, 0, 2 + k)->Valeur, k);
        EXPECT_DOUBLE_EQ(lu.Cellule(f, 2, 2 + k)->Valeur, c.Devoir(m, p, k).Coef);
        for (int e = 1; e <= n; ++e) {
          const std::string_view texte = c.Eleve(e).Note(m, p, k).Vue();
          const TCellule* cell = lu.Cellule(f, 3 + e, 2 + k);
          const TNote note = LireNote(texte, o);
          if (texte.empty()) {
            EXPECT_EQ(cell, nullptr);
          } else if (note.Genre == NoteNombre) {
            EXPECT_TRUE(cell && cell->Genre == TCellule::Nombre && cell->Valeur == note.Valeur) << f << e << k;
          } else {
            EXPECT_TRUE(cell && cell->Genre == TCellule::Texte && cell->Chaine == U(texte)) << f << e << k;
          }
        }
        EXPECT_TRUE(EstMoyenne(lu.Cellule(f, 4 + n, 2 + k), MoyenneDevoir(c, m, p, k, o), a)) << f << k;
      }
      for (int e = 1; e <= n; ++e) {
        EXPECT_EQ(lu.Cellule(f, 3 + e, 1)->Chaine, U(c.Eleve(e).Nom.Vue()));
        EXPECT_TRUE(EstMoyenne(lu.Cellule(f, 3 + e, 3 + nd), MoyenneEleve(c, m, p, e, false, o), a)) << f << e;
        if (j) {
          EXPECT_TRUE(EstMoyenne(lu.Cellule(f, 3 + e, 4 + nd), MoyenneJoker(c, m, p, e, o), a)) << f << e;
        }
      }
      EXPECT_TRUE(EstMoyenne(lu.Cellule(f, 4 + n, 3 + nd), MoyenneClasse(c, m, p, false, o), a)) << f;
      EXPECT_EQ(lu.Cellule(f, 0, 4 + nd) != nullptr, j) << "the Joker column";
    }
  }
  for (int p : {1, 2, 3, 4}) {
    if (p != 4 && p > c.NbPeriodes()) continue;
    const std::string f = "Synthèse" + Periode(c, p);
    noms.push_back(f);
    for (int e = 1; e <= n; ++e)
      for (int m = 1; m <= c.NbMatieres() + 1; ++m) {
        const int mm = m > c.NbMatieres() ? 4 : m;
        EXPECT_TRUE(EstMoyenne(lu.Cellule(f, 1 + e, 2 + m), Moyenne(c, mm, p, e, j, o), a)) << f << e << m;
      }
    EXPECT_TRUE(EstMoyenne(lu.Cellule(f, 2 + n, 3 + c.NbMatieres()), MoyenneClasse(c, 4, p, j, o), a)) << f;
  }
  EXPECT_EQ(lu.Feuilles, noms);
}

std::unique_ptr<TClasse> Exemple() {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  return c;
}

std::unique_ptr<TClasse> ClassePleine() {
  auto c = std::make_unique<TClasse>();
  GenererClassePleine(*c);
  c->FixerArrondi(6);
  return c;
}

TEST(Classeur, LExempleEtUneClassePleineRelus) {
  test::TRepertoireTemp dir;
  auto c = Exemple();
  c->FixerJoker(true);
  c->FixerArrondi(5);
  EcrireClasseur(*c, dir / "4eB.xlsx", Options, Le);
  const test::TClasseurLu lu = test::LireClasseur(dir / "4eB.xlsx");
  VerifierClasse(*c, lu);
  EXPECT_EQ(lu.Feuilles.at(1), "Mathématiques T1");
  EXPECT_EQ(lu.Feuilles.back(), "Synthèse Année");
  // The letter grade is a text, as typed.
  EXPECT_EQ(lu.Cellule("Technologie T1", 3 + 12, 4)->Chaine, "B+");

  // The plain sample: no Joker column, rounding to one decimal.
  c = Exemple();
  EcrireClasseur(*c, dir / "4eB.xlsx", Options, Le);
  VerifierClasse(*c, test::LireClasseur(dir / "4eB.xlsx"));

  c = ClassePleine();
  EcrireClasseur(*c, dir / "pleine.xlsx", Options, Le);
  VerifierClasse(*c, test::LireClasseur(dir / "pleine.xlsx"));
  // Another pass mark and letter table change which texts are grades.
  TOptions o;
  o.notemoy = 12;
  o.cores[1] = {"B+", 14.0};
  EcrireClasseur(*c, dir / "pleine.xlsx", o, Le);
  const test::TClasseurLu lu2 = test::LireClasseur(dir / "pleine.xlsx");
  VerifierClasse(*c, lu2, o);
  EXPECT_NE(lu2.XmlFeuilles[1].find("<formula>12</formula>"), std::string::npos);

  c->FixerNbPeriodes(2);
  c->FixerNbMatieres(1);
  EcrireClasseur(*c, dir / "semestres.xlsx", Options, Le);
  VerifierClasse(*c, test::LireClasseur(dir / "semestres.xlsx"));
}

TEST(Classeur, DatesPremiereFeuilleEtMiseEnPage) {
  test::TRepertoireTemp dir;
  auto c = Exemple();
  c->Devoir(1, 1, 2).Date.Affecter("lun. 9 oct.");  // 9 October 2026 is a Friday
  c->Devoir(1, 1, 3).Date.Affecter("bient\xF4t");
  EcrireClasseur(*c, dir / "4eB.xlsx", Options, Le);
  const test::TClasseurLu lu = test::LireClasseur(dir / "4eB.xlsx");
  const std::string maths = "Mathématiques T1";
  const TCellule* d1 = lu.Cellule(maths, 1, 3);
  ASSERT_TRUE(d1);
  EXPECT_EQ(d1->Genre, TCellule::Date);
  EXPECT_EQ(d1->Valeur, Serie({2026, 10, 2}));
  EXPECT_EQ(lu.Cellule(maths, 1, 7)->Valeur, Serie({2026, 12, 1}));
  EXPECT_EQ(lu.Cellule(maths, 1, 4)->Chaine, "lun. 9 oct.");
  EXPECT_EQ(lu.Cellule(maths, 1, 5)->Chaine, "bientôt");
  EXPECT_EQ(lu.Cellule(maths, 3, 3)->Chaine, "Interrogation : fractions");
  EXPECT_EQ(lu.Cellule(maths, 4 + c->NbEleves(), 1)->Chaine, "Moyenne du devoir");

  const std::pair<int, std::string> classe[] = {
      {0, "4EB"}, {1, "( 2026 / 2027 )"}, {2, "Mme Claire Morel"}, {3, "Trimestres"}, {4, U(NomArrondi(c->Arrondi()))},
      {5, "Non"}, {7, "Calevrin 3.0"}};
  for (const auto& [ligne, texte] : classe) EXPECT_EQ(lu.Cellule("Classe", ligne, 1)->Chaine, texte) << ligne;
  const TCellule* exporte = lu.Cellule("Classe", 6, 1);
  EXPECT_EQ(exporte->Genre, TCellule::Date);
  EXPECT_DOUBLE_EQ(exporte->Valeur, Serie(Le.Date) + 14.5 / 24);

  EXPECT_NE(lu.Proprietes.find("<dc:title>4EB ( 2026 / 2027 )</dc:title>"), std::string::npos);
  EXPECT_NE(lu.Proprietes.find("<dc:creator>Mme Claire Morel</dc:creator>"), std::string::npos);
  const std::string& xml = lu.XmlFeuilles[lu.Index(maths)];
  for (const std::string morceau : {"<pane xSplit=\"3\" ySplit=\"4\"", "orientation=\"landscape\"", "fitToHeight=\"0\"",
                                    "operator=\"lessThan\"", "<formula>10</formula>", "<col min=\"2\" max=\"2\""})
    EXPECT_NE(xml.find(morceau), std::string::npos) << morceau;
  // Columns fitted to their texts, a long comment wrapping rather than widening its test.
  const auto largeur = [&](int col) {
    const std::size_t i = xml.find("<col min=\"" + std::to_string(col) + "\"");
    return std::stod(test::lecture::Attribut(xml.substr(i, xml.find('>', i) - i), "width"));
  };
  EXPECT_TRUE(largeur(1) < largeur(6) && largeur(6) < largeur(2));
}

TEST(Classeur, NomsDeFeuillesCourtsUniquesEtPermis) {
  test::TRepertoireTemp dir;
  auto c = Exemple();
  c->FixerNbPeriodes(2);
  c->Matiere(1).Nom.Affecter("Histoire/G\xE9o [EMC]");
  c->Matiere(2).Nom.Affecter("SYNTH\xC8SE");
  c->Matiere(3).Nom.Affecter("   ");
  c->Eleve(1).Nom.Affecter(std::string("AN\x01") + "DR\xC9");
  c->Devoir(1, 1, 1).Commentaire.Affecter("Deux\tlignes\r\n");
  EcrireClasseur(*c, dir / "noms.xlsx", Options, Le);
  const test::TClasseurLu lu = test::LireClasseur(dir / "noms.xlsx");
  EXPECT_EQ(lu.Feuilles, (std::vector<std::string>{"Classe", "Histoire-Géo -EMC- S1", "Histoire-Géo -EMC- S2",
                                                   "Histoire-Géo -EMC- Année", "SYNTHÈSE S1", "SYNTHÈSE S2",
                                                   "SYNTHÈSE Année", "Matière 3 S1", "Matière 3 S2", "Matière 3 Année",
                                                   "Synthèse (2) S1", "Synthèse (2) S2", "Synthèse (2) Année"}));
  EXPECT_EQ(lu.Cellule(lu.Feuilles[1], 4, 1)->Chaine, "ANDRÉ");
  EXPECT_EQ(lu.Cellule(lu.Feuilles[1], 3, 3)->Chaine, "Deuxlignes");

  // Names the class file cuts to twenty characters, then equal but for their case.
  c->Matiere(1).Nom.Affecter("Sciences de la vie ");
  c->Matiere(2).Nom.Affecter("SCIENCES DE LA VIE ET");
  c->Matiere(3).Nom.Affecter("sciences de la vie et de la terre");
  EcrireClasseur(*c, dir / "noms.xlsx", Options, Le);
  const std::vector<std::string> f = test::LireClasseur(dir / "noms.xlsx").Feuilles;
  EXPECT_EQ(f[1], "Sciences de la vie S1");
  EXPECT_EQ(f[4], "SCIENCES DE LA VIE E S1");
  EXPECT_EQ(f[7], "sciences de la vie e (2) S1");
}

TEST(Classeur, RefusSansRienLaisser) {
  test::TRepertoireTemp dir;
  test::TRepertoireTemp scratch;
  ::setenv("TMPDIR", scratch.Chemin().c_str(), 1);
  const auto c = Exemple();
  ASSERT_EQ(::mkfifo((dir / "tube.xlsx").c_str(), 0644), 0);
  fs::create_directory(dir / "dossier.xlsx");
  for (const std::string nom : {"tube.xlsx", "dossier.xlsx"})
    EXPECT_EQ(test::MessageErreur([&] { EcrireClasseur(*c, dir / nom, Options, Le); }),
              "Impossible de créer le fichier " + dir / nom + " : ce n'est pas un fichier ordinaire");
  EXPECT_TRUE(fs::is_fifo(dir / "tube.xlsx") && fs::is_empty(dir / "dossier.xlsx"));
  // A place where nothing may be created, whoever runs the test.
  EXPECT_EQ(test::MessageErreur([&] { EcrireClasseur(*c, "/proc/classe.xlsx", Options, Le); }),
            "Impossible de créer le fichier /proc/classe.xlsx");
  const std::string protege = dir / "protege.xlsx";
  std::ofstream(protege) << "garde";
  fs::permissions(protege, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(test::MessageErreur([&] { EcrireClasseur(*c, protege, Options, Le); }),
            "Le fichier " + protege + " est protégé en écriture ; il n'est pas remplacé");
  EXPECT_EQ(test::Contenu(protege), "garde");

  const std::string ancien = dir / "ancien.xlsx";
  std::ofstream(ancien) << "ancien";
  for (const std::string& cible : {ancien, dir / "neuf.xlsx"}) {
    const test::TDisquePlein plein(1000);
    EXPECT_EQ(test::MessageErreur([&] { EcrireClasseur(*c, cible, Options, Le); }),
              "Impossible de créer le fichier " + cible);
  }
  EXPECT_EQ(test::Contenu(ancien), "ancien");
  EXPECT_FALSE(fs::exists(dir / "neuf.xlsx"));
  EXPECT_TRUE(fs::is_empty(scratch.Chemin()));
  ::unsetenv("TMPDIR");

  EcrireClasseur(*c, ancien, Options, Le);
  EXPECT_EQ(test::LireClasseur(ancien).Feuilles.size(), 17u);
  EXPECT_EQ(CheminClasseur("/home/prof/Classes/4eB.cl3"), "/home/prof/Classes/4eB.xlsx");
}

TEST(Classeur, LaLigneDeCommande) {
  test::TRepertoireTemp dir;
  EXPECT_EQ(test::Commande("classeur X " + dir / "4eB.xlsx"), (test::TResultat{0, "", ""}));
  VerifierClasse(*Exemple(), test::LireClasseur(dir / "4eB.xlsx"));
  EXPECT_EQ(test::Commande("classeur X " + dir.Chemin().string()),
            test::Refus(1, "Impossible de créer le fichier " + dir.Chemin().string() +
                               " : ce n'est pas un fichier ordinaire\n"));
  EXPECT_EQ(test::Commande("classeur X").code, 2);
  EXPECT_NE(test::Commande("--help").sortie.find("  classeur FICHIER SORTIE"), std::string::npos);
}

}  // namespace
