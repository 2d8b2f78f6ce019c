#include "model/importliste.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "model/cp1252.h"
#include "model/erreurs.h"
#include "model/nouvelleclasse.h"

using namespace calevrin;
using namespace std::string_literals;

namespace {

const TDateJour Aujourdhui{2026, 12, 7};

// The students as "NOM|Prénom|ddmmyyyy" lines in UTF-8, and the skipped rows as "line:reason".
std::string Eleves(const TListeImportee& l) {
  std::string r;
  for (const TEleveImporte& e : l.Eleves)
    r += Utf8DepuisCp1252(e.Eleve.Nom) + "|" + Utf8DepuisCp1252(e.Eleve.Prenom) + "|" + e.Eleve.DateNaissance + "\n";
  return r;
}
std::string Ignorees(const TListeImportee& l) {
  std::string r;
  for (const TLigneIgnoree& i : l.Ignorees) r += std::to_string(i.Ligne) + ":" + i.Raison + "\n";
  return r;
}

// The students with a remark, as "line:remarks".
std::string Remarques(const TListeImportee& l) {
  std::string r;
  for (const TEleveImporte& e : l.Eleves)
    if (!e.Remarques.empty()) r += std::to_string(e.Ligne) + ":" + e.Remarques + "\n";
  return r;
}

struct TCas {
  const char* quoi;
  std::string octets;
  const char* eleves;
  const char* ignorees;
  const char* remarques = "";
};

}  // namespace

TEST(ImportListe, FichiersDeSecretariat) {
  std::string cinquante = "NOM;PRENOM\n";
  for (int i = 1; i <= 50; ++i) cinquante += "ELEVE" + std::to_string(i) + ";P\n";
  std::string auDela;
  for (int l = 47; l <= 51; ++l)
    auDela += std::to_string(l) + ":au-delà de 45 élèves, le nombre maximal d'une classe\n";

  const TCas cas[] = {
      {"en-tête, points-virgules, CRLF, BOM",
       "\xEF\xBB\xBFNom;Pr\xC3\xA9nom;N\xC3\xA9(e) "
       "le\r\nDUPONT;Jean;12/03/2011\r\nL\xC3\xA9vy;Zo\xC3\xA9;01-09-2010\r\n",
       "DUPONT|Jean|12032011\nLévy|Zoé|01092010\n", ""},
      {"sans en-tête, virgules, LF, sans fin de ligne finale", "MARTIN,Paul,2011-05-04\nBERNARD,Anne,05/06/2011",
       "MARTIN|Paul|04052011\nBERNARD|Anne|05062011\n", ""},
      {"collé d'un tableur : tabulations, pas de dates", "DURAND\tLucie\nPETIT\tMarc\n", "DURAND|Lucie|\nPETIT|Marc|\n",
       ""},
      {"guillemets : séparateurs, guillemets doublés et fin de ligne à l'intérieur",
       "nom,prenom\n\"DE LA TOUR, dit \"\"Le Grand\"\"\",Jean\n\"ROBERT\",\"Marie\nClaire\"\nSIMON,\"Luc\"\n",
       "DE LA TOUR, dit \"Le|Jean|\nROBERT|Marie Claire|\nSIMON|Luc|\n", "", "2:coupé à 20 caractères\n"},
      {"Windows-1252",
       "NOM;PR\xC9NOM\r\nLEF\xC8VRE;Ga\xEBl\r\n\x8C"
       "UVRE;Jos\xE9\r\n",
       "LEFÈVRE|Gaël|\nŒUVRE|José|\n", ""},
      {"dates fausses",
       "Nom;Prénom;Date de naissance\n"
       "A;a;31/02/2010\nB;b;00/13/2010\nC;c;3 mars 2010\nD;d;29/02/2012\nE;e;29/02/2011\nF;f;01/01/2030\n"
       "G;g;7/3/2011\nH;h;07032011\nI;i;12/03/11\nJ;j;2011-03-07 00:00:00\nK;k;20110307\n",
       "A|a|\nB|b|\nC|c|\nD|d|29022012\nE|e|\nF|f|\nG|g|07032011\nH|h|07032011\nI|i|12032011\nJ|j|07032011\nK|k|\n", "",
       "2:date de naissance inexistante : 31/02/2010, élève gardé sans date\n"
       "3:date de naissance inexistante : 00/13/2010, élève gardé sans date\n"
       "4:date de naissance illisible : 3 mars 2010 (attendu jj/mm/aaaa), élève gardé sans date\n"
       "6:date de naissance inexistante : 29/02/2011, élève gardé sans date\n"
       "7:date de naissance postérieure à aujourd'hui : 01/01/2030, élève gardé sans date\n"
       "12:date de naissance inexistante : 20110307, élève gardé sans date\n"},
      {"années sur deux chiffres : jusqu'à l'année en cours 20xx, au-delà 19xx",
       "Nom;Prénom;Né le\nA;a;12/03/11\nB;b;1-2-26\nC;c;01.02.27\nD;d;31/12/99\nE;e;01/01/011\n",
       "A|a|12032011\nB|b|01022026\nC|c|01021927\nD|d|31121999\nE|e|\n", "",
       "6:date de naissance illisible : 01/01/011 (attendu jj/mm/aaaa), élève gardé sans date\n"},
      {"en double : une fois, signalé ; homonymes nés à d'autres dates gardés",
       "NOM;PRENOM;NE LE\nDUPONT;Léa;12/03/2011\nMARTIN;Paul;\ndupont;LEA;\nDupont;Léa;12/03/2012\n"
       "MARTIN;Paul;01/01/2011\n",
       "DUPONT|Léa|12032011\nMARTIN|Paul|\ndupont|LEA|\nDupont|Léa|12032012\nMARTIN|Paul|01012011\n", "",
       "4:en double (ligne 2)\n6:en double (ligne 3)\n"},
      {"UTF-8 à quelques octets près, caractères de contrôle, noms sans lettre",
       "NOM;PRENOM\nZOLA;Zo\xC3\xA9\nL\xC3\xA9VY;Ma\xEBl\nDU\x00PO\x1BNT;J\xC2\x85"
       "ean\n,,,,;\n12;3\n\xE2\x80\x94;Tiret\n"s,
       "ZOLA|Zoé|\nLéVY|Ma?l|\nDUPONT|Jean|\n",
       "5:nom sans aucune lettre\n6:nom sans aucune lettre\n7:nom sans aucune lettre\n",
       "3:octet invalide remplacé par « ? »\n"},
      {"50 lignes", cinquante, nullptr, auDela.c_str()},
      {"lignes vides, prénom manquant, nom manquant",
       "\n\nNOM;PRENOM;NE LE\n\nROUX;;\n;;\n  ;  ;\n;Paul;01/01/2011\n\n", "ROUX||\n", "8:nom manquant\n"},
      {"colonnes dans le désordre, colonnes en plus",
       "N°;Sexe;Prénom;NOM;Date naiss.;Classe\n1;F;Inès;GARNIER;14/02/2011;4B\n2;M;Hugo;FAURE;;4B\n",
       "GARNIER|Inès|14022011\nFAURE|Hugo|\n", ""},
      {"sans en-tête : numéro, date d'abord, classe, sexe",
       "1;12/03/2011;4B;DUPONT;M;Jean\n2;01/04/2011;4B;ZOLA;M;Emile\n3;;4B;ABEL;F;Eva\n",
       "DUPONT|Jean|12032011\nZOLA|Emile|01042011\nABEL|Eva|\n", ""},
      {"en-tête inconnu au-dessus des dates",
       "Elève;Son prénom;Anniv.\nDUPONT;Jean;12/03/2011\nZOLA;Emile;01/04/2011\n",
       "DUPONT|Jean|12032011\nZOLA|Emile|01042011\n", ""},
      {"caractère sans équivalent", "NOWAK;\xC5\x81ukasz\nNGUY\xE1\xBB\x84N;An\nTRAN;Mai\n", "TRAN|Mai|\n",
       "1:caractère « Ł » sans équivalent dans le jeu de caractères des fichiers classe\n"
       "2:caractère « Ễ » sans équivalent dans le jeu de caractères des fichiers classe\n"},
      {"UTF-16 de tableur",
       std::string("\xFF\xFE"
                   "B\0O\0N\0\t\0J\0o\0\xEB\0l\0\r\0\n\0",
                   22),
       "BON|Joël|\n", ""},
      {"fins de ligne CR seules, ligne sep=", "sep=,\rBLANC,Rose,01/02/2011\rNOIR,Jade;Lou,\r",
       "BLANC|Rose|01022011\nNOIR|Jade;Lou|\n", ""},
      {"nom trop long coupé à 20", "MONTMORENCY-LAVAL DE LA ROCHE;Anne-Charlotte-Eléonore\n",
       "MONTMORENCY-LAVAL DE|Anne-Charlotte-Eléon|\n", "", "1:coupé à 20 caractères\n"},
      {"une seule colonne", "DUPONT Jean\nMARTIN Paul\n", "DUPONT Jean||\nMARTIN Paul||\n", ""},
      {"blancs autour et à l'intérieur", "  DUPONT\xC2\xA0  ;  Jean   Pierre ; 12/03/2011 \n",
       "DUPONT|Jean Pierre|12032011\n", ""},
  };
  for (const TCas& c : cas) {
    const TListeImportee l = LireListeEleves(c.octets, Aujourdhui);
    if (c.eleves) {
      EXPECT_EQ(Eleves(l), c.eleves) << c.quoi;
    }
    EXPECT_EQ(Ignorees(l), c.ignorees) << c.quoi;
    EXPECT_EQ(Remarques(l), c.remarques) << c.quoi;
  }

  const TListeImportee bom = LireListeEleves(cas[0].octets, Aujourdhui);
  EXPECT_EQ(bom.Encodage, TEncodageListe::Utf8Bom);
  EXPECT_EQ(bom.Separateur, ';');
  EXPECT_TRUE(bom.EnTete);
  EXPECT_EQ(LireListeEleves(cas[4].octets).Encodage, TEncodageListe::Windows1252);
  EXPECT_EQ(LireListeEleves(cas[2].octets).Separateur, '\t');
  EXPECT_FALSE(LireListeEleves(cas[1].octets).EnTete);

  const TListeImportee l50 = LireListeEleves(cinquante, Aujourdhui);
  ASSERT_EQ(l50.Eleves.size(), 45u);
  EXPECT_EQ(l50.Eleves.front().Ligne, 2);
  EXPECT_EQ(l50.Eleves.back().Eleve.Nom, "ELEVE45");
  EXPECT_EQ(l50.Ignorees.front().Texte, "ELEVE46;P");

  const TListeImportee longue = LireListeEleves(cas[17].octets, Aujourdhui);
  EXPECT_TRUE(longue.Eleves.at(0).Coupe);
  EXPECT_FALSE(bom.Eleves.at(0).Coupe);
  EXPECT_TRUE(LireListeEleves("", Aujourdhui).Eleves.empty());
  EXPECT_TRUE(LireListeEleves("\r\n;;\r\n", Aujourdhui).Ignorees.empty());
}

TEST(ImportListe, LesCasesOccupeesSeSuiventSansTrou) {
  // Slot 2 cleared and slot 4 made of spaces: the students typed after them are kept, in order.
  const std::vector<TEleveSaisi> saisis = {
      {"DUPONT", "jean", "12032011"},   {"", "Paul", "01012011"}, {"martin", "l\xE9o", ""}, {"   ", "x", ""},
      {"zola", "\xE9mile", "01042011"},
  };
  auto c = std::make_unique<TClasse>();
  TOptions o;
  o.majuscule = true;
  ASSERT_EQ(CreerClasse(*c, saisis, "/tmp/4B.cl3", o, Aujourdhui), 3);
  EXPECT_EQ(c->NbEleves(), 3);
  EXPECT_EQ(c->NomComplet(1, true) + "|" + c->NomComplet(2, true) + "|" + c->NomComplet(3, true),
            "DUPONT Jean|MARTIN L\xE9o|ZOLA \xC9mile");
  EXPECT_EQ(c->Eleve(1).DateNaissance.Texte() + "|" + c->Eleve(2).DateNaissance.Texte() + "|" +
                c->Eleve(3).DateNaissance.Texte(),
            "12032011||01042011");
  EXPECT_TRUE(c->Eleve(4).Nom.Vide());
  EXPECT_EQ(c->Abreviation.Texte(), "4B");
  EXPECT_EQ(c->AnneeScolaire.Texte(), "( 2026 / 2027 )");

  // More named slots than a class holds: the first 45.
  std::vector<TEleveSaisi> trop(50);
  for (int i = 0; i < 50; ++i) trop[static_cast<std::size_t>(i)].Nom = "E" + std::to_string(i + 1);
  EXPECT_EQ(CopierEleves(*c, trop), MaxEleves);
  EXPECT_EQ(c->Eleve(45).Nom.Texte(), "E45");
  EXPECT_EQ(CreerClasse(*c, std::vector<TEleveSaisi>(3), "Classe.cl3", o, Aujourdhui), 0);
  EXPECT_EQ(c->NbEleves(), 0);
}

TEST(ImportListe, TexteQuelconque) {
  // Random texts made of what lists are made of: whatever comes in, every student has a name
  // of at most 20 characters and a birth date that is empty or a real ddmmyyyy date.
  const std::string alphabet = ";,\t|\"\r\n /-.0123456789ABCnom\xE9\xC3\xA9\xFF\xFE\xEF\xBB\xBF";
  std::mt19937 alea(12);
  for (int essai = 0; essai < 3000; ++essai) {
    std::string t(alea() % 256, ' ');
    for (char& ch : t) ch = alphabet[alea() % alphabet.size()];
    const TListeImportee l = LireListeEleves(t, Aujourdhui);
    ASSERT_LE(l.Eleves.size(), 45u);
    int ligne = 0;
    for (const TEleveImporte& e : l.Eleves) {
      ASSERT_FALSE(e.Eleve.Nom.empty());
      ASSERT_LE(e.Eleve.Nom.size(), 20u);
      ASSERT_LE(e.Eleve.Prenom.size(), 20u);
      if (!e.Eleve.DateNaissance.empty()) {
        ASSERT_EQ(LireDateListe(e.Eleve.DateNaissance), e.Eleve.DateNaissance);
      }
      ASSERT_GT(e.Ligne, ligne);
      ligne = e.Ligne;
    }
  }
}

TEST(ImportListe, LectureBornee) {
  const std::filesystem::path dossier = std::filesystem::temp_directory_path() / ("liste-" + std::to_string(getpid()));
  std::filesystem::create_directories(dossier);
  const std::string fifo = dossier / "fifo.csv", grand = dossier / "grand.csv", juste = dossier / "juste.csv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::ofstream(grand, std::ios::binary) << std::string(2 * TailleMaxListe + TailleMaxListe / 2, 'A');
  std::ofstream(juste, std::ios::binary) << "DUPONT;Jean\n" << std::string(TailleMaxListe - 12, ' ');

  const auto message = [](const std::string& chemin) -> std::string {
    try {
      LireFichierListe(chemin);
    } catch (const EErreurClasse& e) {
      return e.what();
    }
    return {};
  };
  // A FIFO without a writer is refused at once rather than waited for.
  EXPECT_EQ(message(fifo), "Le fichier " + fifo + " n'est pas une liste d'élèves");
  EXPECT_EQ(message(grand), "Le fichier " + grand + " fait 2,5 Mo : une liste d'élèves en fait au plus 1 Mo.");
  EXPECT_EQ(LireListeEleves(LireFichierListe(juste)).Eleves.size(), 1u);
  EXPECT_EQ(MessageTropGrand("Le presse-papiers contient", TailleMaxListe), "");
  EXPECT_EQ(MessageTropGrand("Le presse-papiers contient", 100 * 1000 * 1000),
            "Le presse-papiers contient 95,4 Mo : une liste d'élèves en fait au plus 1 Mo.");
  EXPECT_EQ(TailleLisible(1), "1 octet");
  EXPECT_EQ(TailleLisible(1536), "1,5 ko");
  std::filesystem::remove_all(dossier);
}
