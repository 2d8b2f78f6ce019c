#include "model/importnotes.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/cp1252.h"
#include "model/edition.h"
#include "model/erreurs.h"

using namespace calevrin;

namespace {

// Seven students, two of them sharing a family name; names as typed in the grade book
// (Windows-1252).
std::unique_ptr<TClasse> Classe(const TOptions& o) {
  auto c = std::make_unique<TClasse>();
  for (const auto& [nom, prenom] : {std::pair{"DUPONT", "Marie"},
                                    {"DUPONT", "Jean"},
                                    {"L\xC9VY", "Zo\xE9"},
                                    {"MARTIN-DUBOIS", "Anne-Sophie"},
                                    {"N'DIAYE", "Awa"},
                                    {"\xC7"
                                     "ELIK",
                                     "Emre"},
                                    {"BOUCHARD",
                                     "L\xE9"
                                     "a"}})
    EXPECT_TRUE(AjouterEleve(*c, nom, prenom, "", o));
  return c;
}

// The grades of test k, "1:12.3 2: 3:abs ..." for every student.
std::string Notes(const TClasse& c, int k) {
  std::string r;
  for (int e = 1; e <= c.NbEleves(); ++e)
    r += (e > 1 ? " " : "") + std::to_string(e) + ":" + c.Eleve(e).Note(1, 1, k).Texte();
  return r;
}

// The preview as printed: "line:student>result|" per row, then the students without a row.
std::string Apercu(const TClasse& c, const TApercuNotes& a) {
  std::string r;
  for (const TCasesApercu& x : CasesApercu(c, a))
    r += std::to_string(x.Ligne) + ":" + x.Eleve + ">" + x.Resultat + (x.Refus ? "!" : "") + "|";
  return r;
}

struct TCas {
  const char* quoi;
  std::string source;
  const char* apercu;
  bool complet;
  const char* notes;  // of the new test
};

}  // namespace

TEST(ImportNotes, SourcesEtAppariement) {
  TOptions o;
  const TCas cas[] = {
      {"export d'un quiz, virgules décimales, note sur 10, ligne de moyenne",
       "Nom de famille;Pr\xC3\xA9nom;Adresse de courriel;\xC3\x89tat;Commenc\xC3\xA9 le;Termin\xC3\xA9;Temps "
       "utilis\xC3\xA9;Note/10,00\r\n"
       "Dupont;Marie;m.dupont@ecole.fr;Termin\xC3\xA9;7 d\xC3\xA9"
       "cembre 2026 10:00;7 d\xC3\xA9"
       "cembre 2026 "
       "10:20;20 min;6,17\r\n"
       "L\xC3\xA9vy;Zo\xC3\xA9;z@ecole.fr;Termin\xC3\xA9;;;12 min;6,175\r\n"
       "Bouchard;L\xC3\xA9"
       "a;l@ecole.fr;Termin\xC3\xA9;;;3 min;-\r\n"
       "Moyenne g\xC3\xA9n\xC3\xA9rale;;;;;;;6,17\r\n",
       "2:DUPONT Marie>12.3|3:LÉVY Zoé>12.4|4:BOUCHARD Léa>sans note|5:>ligne de moyenne, ignorée|"
       "0:DUPONT Jean>sans note|0:MARTIN-DUBOIS Anne-Sophie>sans note|0:N'DIAYE Awa>sans note|"
       "0:ÇELIK Emre>sans note|",
       true, "1:12.3 2: 3:12.4 4: 5: 6: 7:"},
      {"collé : « NOM Prénom » et note, tabulation, sans en-tête",
       "DUPONT Jean\t14\nCELIK emre\t15,5\nbouchard\tABS\nMARTIN DUBOIS ANNE SOPHIE\t8\n",
       "1:DUPONT Jean>14|2:ÇELIK Emre>15.5|3:BOUCHARD Léa>abs|4:MARTIN-DUBOIS Anne-Sophie>8|"
       "0:DUPONT Marie>sans note|0:LÉVY Zoé>sans note|0:N'DIAYE Awa>sans note|",
       true, "1: 2:14 3: 4:8 5: 6:15.5 7:abs"},
      {"une colonne collée, dans l'ordre de la liste", "12\n-\n15.25\nAbsent(e)\ndisp\n",
       "1:DUPONT Marie>12|2:DUPONT Jean>sans note|3:LÉVY Zoé>15.3|4:MARTIN-DUBOIS Anne-Sophie>abs|"
       "5:N'DIAYE Awa>disp|0:ÇELIK Emre>sans note|0:BOUCHARD Léa>sans note|",
       true, "1:12 2: 3:15.3 4:abs 5:disp 6: 7:"},
      {"prénom d'abord, accents, tirets et apostrophes en trop ou en moins",
       "\xC3\x89l\xC3\xA8ve;Note\nAnne Sophie Martin--Dubois;11\nAwa NDIAYE;9\nzoe  levy;10\n",
       "2:MARTIN-DUBOIS Anne-Sophie>11|3:N'DIAYE Awa>9|4:LÉVY Zoé>10|"
       "0:DUPONT Marie>sans note|0:DUPONT Jean>sans note|0:ÇELIK Emre>sans note|0:BOUCHARD Léa>sans note|",
       true, "1: 2: 3:10 4:11 5:9 6: 7:"},
      {"inconnu, nom de famille partagé, ligne en double, note hors du domaine, cellule illisible",
       "Nom;Note\nDURAND Paul;12\nDupont;13\nLevy Zoe;14\nZoe Levy;15\nBouchard Lea;25\nCelik;dix\n",
       "2:non trouvé>non trouvé!|3:plusieurs élèves>plusieurs élèves!|4:LÉVY Zoé>en double avec la ligne 5!|"
       "5:LÉVY Zoé>en double avec la ligne 4!|6:BOUCHARD Léa>25 en dehors du domaine de validité!|"
       "7:ÇELIK Emre>note illisible!|0:DUPONT Marie>sans note|0:DUPONT Jean>sans note|"
       "0:MARTIN-DUBOIS Anne-Sophie>sans note|0:N'DIAYE Awa>sans note|",
       false, "1: 2: 3: 4: 5: 6: 7:"},
  };
  for (const TCas& x : cas) {
    SCOPED_TRACE(x.quoi);
    auto c = Classe(o);
    const TSourceNotes s = LireSourceNotes(x.source);
    const TChoixNotes choix = ChoixParDefaut(s, o);
    const TApercuNotes a = ApercuNotes(*c, s, choix, o);
    EXPECT_EQ(Apercu(*c, a), x.apercu);
    EXPECT_EQ(a.Complet, x.complet);
    ASSERT_TRUE(AppliquerNotes(*c, a, choix,
                               {"lun. 7 d\xE9"
                                "c.",
                                "1h", 2, "Quiz"}));
    ASSERT_EQ(c->NbDevoirs(1, 1), 1);
    EXPECT_EQ(Notes(*c, 1), x.notes);
    EXPECT_EQ(c->Devoir(1, 1, 1).Commentaire.Texte(), "Quiz");
    EXPECT_EQ(c->Devoir(1, 1, 1).Coef, 2);
  }
}

TEST(ImportNotes, ChoixDuMaitre) {
  TOptions o;
  auto c = Classe(o);
  const TSourceNotes s = LireSourceNotes("Nom;Pr\xC3\xA9nom;Note/20\nLevy;Zoe;14\nLevy;Zoe;15\nDupont;Jean;abs\n");
  EXPECT_EQ(s.Sur, 20);
  TChoixNotes choix = ChoixParDefaut(s, o);

  // Over an existing test: kept unless replaced, and a replaced value is shown.
  ASSERT_TRUE(AjouterDevoir(*c, "", "", 1, "Contr\xF4le"));
  c->Eleve(2).Note(1, 1, 1).Affecter("8");
  c->Eleve(3).Note(1, 1, 1).Affecter("9");
  choix.Devoir = 1;
  choix.Ecartees = {2};  // the teacher leaves out the first of the two rows
  TApercuNotes a = ApercuNotes(*c, s, choix, o);
  EXPECT_TRUE(Apercu(*c, a).starts_with(
      "2:LÉVY Zoé>écartée|3:LÉVY Zoé>note existante gardée (9)|4:DUPONT Jean>note existante gardée (8)|"));
  ASSERT_TRUE(AppliquerNotes(*c, a, choix, {}));
  EXPECT_EQ(Notes(*c, 1), "1: 2:8 3:9 4: 5: 6: 7:");

  choix.Remplacer = true;
  a = ApercuNotes(*c, s, choix, o);
  EXPECT_TRUE(
      Apercu(*c, a).starts_with("2:LÉVY Zoé>écartée|3:LÉVY Zoé>15 (remplace 9)|4:DUPONT Jean>abs (remplace 8)|"));
  EXPECT_EQ(a.NbPrises, 2);
  ASSERT_TRUE(AppliquerNotes(*c, a, choix, {}));
  EXPECT_EQ(Notes(*c, 1), "1: 2:abs 3:15 4: 5: 6: 7:");

  // Another scale, and the columns changed by hand: the first name as the only name column
  // matches nobody.
  choix.Sur = 30;
  a = ApercuNotes(*c, s, choix, o);
  EXPECT_EQ(a.Lignes[1].Note, "10");
  choix.ColonneNom = 1;
  choix.ColonnePrenom = -1;
  EXPECT_EQ(ApercuNotes(*c, s, choix, o).NbPrises, 0);

  // No room left for a new test, or a test that does not exist: nothing written.
  choix.Devoir = 5;
  EXPECT_FALSE(AppliquerNotes(*c, a, choix, {}));
  for (int k = 2; k <= MaxDevoirs; ++k) ASSERT_TRUE(AjouterDevoir(*c, "", "", 1, ""));
  choix.Devoir = 0;
  EXPECT_FALSE(AppliquerNotes(*c, a, choix, {}));
  EXPECT_EQ(c->NbDevoirs(1, 1), MaxDevoirs);
}

TEST(ImportNotes, ConversionEtCellules) {
  // Half up on the decimal digits, whatever the binary value of the product.
  EXPECT_EQ(ConvertirNote("12.35", 20, 20), 12.4);
  EXPECT_EQ(ConvertirNote("6,175", 20, 10), 12.4);
  EXPECT_EQ(ConvertirNote("12.34", 20, 20), 12.3);
  EXPECT_EQ(ConvertirNote("7", 20, 7.5), 18.7);
  EXPECT_EQ(ConvertirNote("0.05", 20, 20), 0.1);
  EXPECT_EQ(ConvertirNote("-2", 20, 20), -2);
  EXPECT_EQ(ConvertirNote("3", 20, 0), std::nullopt);
  EXPECT_EQ(ConvertirNote("1.2.3", 20, 20), std::nullopt);

  EXPECT_EQ(LireCelluleNote("ABS")->Texte, "abs");
  EXPECT_EQ(LireCelluleNote("Absent(e)")->Texte, "abs");
  EXPECT_EQ(LireCelluleNote("excu")->Texte, "excu");
  EXPECT_EQ(LireCelluleNote(" - ")->Texte, "");
  EXPECT_EQ(LireCelluleNote("12,5")->Texte, "12.5");
  EXPECT_FALSE(LireCelluleNote("12 pts"));

  EXPECT_EQ(CleNom("N'Diaye-Lef\xC3\xA8vre  \xC5\x81ukasz \xC5\x92uvre"), "ndiayelefevrelukaszoeuvre");
  EXPECT_EQ(CommentaireDepuisFichier("/tmp/quiz-chapitre_3.csv"), "Quiz chapitre 3");
}

TEST(ImportNotes, SourcesRefusees) {
  const auto message = [](std::string_view octets) {
    try {
      LireSourceNotes(octets);
    } catch (const EErreurClasse& e) {
      return std::string(e.what());
    }
    return std::string("accepté");
  };
  EXPECT_EQ(message(std::string("N\0o\0m\0;\0N\0o\0t\0e\0\n\0", 18)).substr(0, 16), "Encodage inconnu");
  EXPECT_EQ(message("Nom;Pr\xC3\xA9nom\nDupont;Marie\n").substr(0, 25), "Aucune colonne de notes :");
  EXPECT_EQ(message("Nom;Note\nDupont;abs\nLevy;-\n"), "La colonne de notes « Note » ne contient aucun nombre.");
  EXPECT_EQ(message(""), "Le texte ne contient aucune ligne à importer.");
}
