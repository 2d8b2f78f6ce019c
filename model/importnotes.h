#pragma once
// The grades of one test taken from a table: a quiz's export, a spreadsheet's file or cells
// pasted from it. The table is read as the list import reads it; the columns of names and of
// grades are found by their headers or their content; each row is matched to a student by
// name (or by order when the table has no names); the grades are brought to the class's
// scale. Nothing is written until Appliquer, so that the preview is exactly what is stored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/classe.h"
#include "model/importliste.h"
#include "model/options.h"

namespace calevrin {

// A table of grades is a few kilobytes; anything much larger is not one.
inline constexpr std::uint64_t TailleMaxNotes = TailleMaxListe;

struct TSourceNotes {
  TEncodageListe Encodage = TEncodageListe::Utf8;
  char Separateur = 0;
  bool EnTete = false;
  std::vector<std::string> Colonnes;  // the header's texts, or "Colonne 1" ...; UTF-8
  std::vector<TRangeeLue> Rangees;    // the data rows, header left out
  // Columns from 0, -1 when there is none. Without a name column rows are taken in order.
  int ColonneNom = -1;
  int ColonnePrenom = -1;  // beside ColonneNom when the names are in two columns
  int ColonneNote = -1;
  double Sur = 0;  // the maximum read in the grade column's header ("Note/10,00"); 0 when none
};

// Throws EErreurClasse with a French message: an unknown encoding, no grade column, a grade
// column without a single number.
TSourceNotes LireSourceNotes(std::string_view octets);

// What happens to one row.
enum class TEtatLigne {
  Prise,        // its grade goes to its student
  SansNote,     // found, but its cell is empty or "-": the student keeps what he has
  Gardee,       // found, the student already has a grade that is not replaced
  NonTrouve,    // no student of that name
  Plusieurs,    // the name fits several students
  Double,       // another row names the same student: neither is taken
  Illisible,    // the cell is neither a number nor a code
  HorsDomaine,  // the converted value is outside 0..notemax, or too long for a grade
  Ecartee,      // left out by the teacher
  Moyenne,      // a summary row of the export ("Moyenne générale")
};

struct TLigneNotes {
  int Ligne = 0;
  std::string Nom;       // the name as read, UTF-8 (empty when matched by order)
  std::string Lu;        // the grade cell as read, UTF-8
  int Eleve = 0;         // the student matched, 0 when none
  std::string Note;      // the grade text to store, Windows-1252
  std::string Ancienne;  // the student's grade before, Windows-1252 (replaced or kept)
  TEtatLigne Etat = TEtatLigne::NonTrouve;
  int AutreLigne = 0;  // for Double: the other row's line
  double Valeur = 0;   // for HorsDomaine: the converted value
};

struct TChoixNotes {
  int ColonneNom = -1;  // -1: rows taken in order
  int ColonnePrenom = -1;
  int ColonneNote = -1;
  double Sur = 20;  // maximum of the source
  int Devoir = 0;   // existing test of the current view, 0 for a new test
  bool Remplacer = false;
  std::vector<int> Ecartees;  // lines the teacher left out
};

// The columns read, a scale from the header or else the class's maximum, a new test.
TChoixNotes ChoixParDefaut(const TSourceNotes& s, const TOptions& o);

struct TApercuNotes {
  std::vector<TLigneNotes> Lignes;  // one per data row, in order
  std::vector<int> SansLigne;       // students of the class that no row names
  bool ParOrdre = false;
  int NbPrises = 0;
  // Every row found exactly one student and has a grade that can be stored (or none).
  bool Complet = false;
};

// For the current view of c (a subject 1..3 and a period 1..3).
TApercuNotes ApercuNotes(const TClasse& c, const TSourceNotes& s, const TChoixNotes& choix, const TOptions& o);

// "non trouvé", "plusieurs élèves", ... UTF-8; empty for a row that is taken.
std::string RaisonLigne(const TLigneNotes& l);

// The preview as shown and printed, UTF-8: one entry per row, then one per student without a
// row ("sans note", no line number).
struct TCasesApercu {
  int Ligne = 0;
  std::string Nom;       // the name as read, "" when matched by order
  std::string Lu;        // the grade cell as read
  std::string Eleve;     // the student's full name, or "non trouvé" ...
  std::string Resultat;  // the grade to store ("14 (remplace 12)"), or why none is stored
  bool Refus = false;    // a row that blocks a complete import
};
std::vector<TCasesApercu> CasesApercu(const TClasse& c, const TApercuNotes& a);
// "12 lignes lues (UTF-8, séparateur point-virgule, ligne d'en-tête) : 10 notes à
// enregistrer, 2 lignes écartées, 3 élèves sans note.", and how rows go to students when
// the table has no names. UTF-8.
std::string ResumeApercu(const TSourceNotes& s, const TApercuNotes& a);

inline constexpr std::string_view MsgPasTableauNotes =
    "Le fichier %s n'est pas un tableau de notes : un fichier ordinaire de 1 Mo au plus est attendu.";
inline constexpr std::string_view MsgPlusDeDevoir =
    "Impossible d'ajouter un devoir : cette période en compte déjà 24, le nombre maximal.";

// A grade cell read: "abs" for the absences, a code as typed, a number with "," or ".";
// nullopt when it is none of these. An empty text means no grade.
struct TCelluleNote {
  bool Nombre = false;
  std::string Texte;  // the code, or the number as read with "." (Windows-1252)
};
std::optional<TCelluleNote> LireCelluleNote(std::string_view utf8);
// g × max / sur rounded half up to one decimal, on the decimal digits of g (12.35 gives 12.4);
// nullopt when g is not a decimal number or sur is not positive.
std::optional<double> ConvertirNote(std::string_view g, double max, double sur);

// A test's comment from a file name: "quiz-chapitre_3.csv" gives "Quiz chapitre 3". UTF-8.
std::string CommentaireDepuisFichier(std::string_view nomFichier);

struct TNouveauDevoir {
  std::string Date;  // Windows-1252
  std::string Duree;
  double Coef = 1;
  std::string Commentaire;
};

// Writes the grades taken into test choix.Devoir, or into a new test described by nouveau
// at the end of the current view. False, the class unchanged, when there is no room for a
// new test or the test chosen does not exist.
bool AppliquerNotes(TClasse& c, const TApercuNotes& a, const TChoixNotes& choix, const TNouveauDevoir& nouveau);

// Equal for two spellings of one name: case, accents, hyphens, apostrophes and blanks
// ignored. UTF-8 in, lower-case ASCII letters and digits out.
std::string CleNom(std::string_view utf8);

}  // namespace calevrin
