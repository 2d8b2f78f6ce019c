#pragma once
// A list of students from the school office: a CSV or TSV file, or cells pasted from a
// spreadsheet. One column of names, one of first names, optionally one of birth dates.
//
// The reading guesses what a person would: the encoding (UTF-8 with or without its mark,
// UTF-16 with its mark, else Windows-1252), the separator (tab, ";", "," or "|", or the
// "sep=" line some spreadsheets write), whether the first line is a header, and which column
// is which (by the header's words, otherwise by content: the column of dates, then the first
// two columns holding letters). Fields may be quoted, with separators, doubled quotes and
// line ends inside; lines end in CRLF, LF or CR.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/classe.h"
#include "model/nouvelleclasse.h"

namespace calevrin {

// A list of 45 students is a few kilobytes; whatever is far larger is not one, and reading it
// whole would only freeze the program.
inline constexpr std::uint64_t TailleMaxListe = 1 << 20;

enum class TEncodageListe { Utf8, Utf8Bom, Utf16, Windows1252 };

// --- Tabular text, shared by every import of rows and columns ----------------------------

struct TRangeeLue {
  int Ligne = 0;                    // line of the text where the row starts, from 1
  std::string Texte;                // the row as read, UTF-8, line ends inside made spaces
  std::vector<std::string> Champs;  // UTF-8, blanks folded, none at either end
  bool Remplacement = false;        // an invalid UTF-8 byte of the row was replaced by "?"
};

struct TTableauLu {
  TEncodageListe Encodage = TEncodageListe::Utf8;
  char Separateur = 0;              // 0 when every row is a single field
  bool Nul = false;                 // NUL bytes were dropped: UTF-16 without its mark, or no text at all
  std::vector<TRangeeLue> Rangees;  // rows with at least one non-empty field, in order
};

// The encoding and the separator guessed, control characters dropped (tabs and line ends
// kept), invalid bytes of a text that is UTF-8 but for a few of them replaced by "?".
TTableauLu LireTableau(std::string_view octets);

// A text file of at most TailleMaxListe bytes through the model's bounded reader. Throws
// EErreurClasse with a French message naming the file (and its size when it is too large).
std::string LireFichierListe(const std::string& chemin);
// "Le presse-papiers contient 2,4 Mo : une liste d'élèves en fait au plus 1 Mo." when taille is
// above the bound, else empty; origine reads "Le fichier x.csv fait", "Le presse-papiers contient".
std::string MessageTropGrand(std::string_view origine, std::uint64_t taille);
// "830 octets", "12 ko", "2,4 Mo": decimal comma, as French texts write them.
std::string TailleLisible(std::uint64_t octets);

// --- Students -----------------------------------------------------------------------------

struct TEleveImporte {
  int Ligne = 0;       // line of the file where the student's row starts, from 1
  TEleveSaisi Eleve;   // Windows-1252, name and first name cut to 20 characters
  bool Coupe = false;  // the name or the first name was longer than 20 characters
  int DoubleDe = 0;    // line of the same student met earlier in the list, 0 when none
  // What the teacher should look at before importing (French, UTF-8, "; " between two): a
  // date that could not be kept, a replaced byte, a name cut, a student listed twice.
  std::string Remarques;
};

struct TLigneIgnoree {
  int Ligne = 0;
  std::string Texte;   // the row as read, UTF-8
  std::string Raison;  // French, UTF-8
};

struct TListeImportee {
  // In the order of the list; at most 45 besides the students listed twice.
  std::vector<TEleveImporte> Eleves;
  std::vector<TLigneIgnoree> Ignorees;  // in the order of the list; empty rows are not listed
  TEncodageListe Encodage = TEncodageListe::Utf8;
  char Separateur = 0;  // 0 when every row is a single field (names only)
  bool EnTete = false;
  // Columns from 0; -1 when there is none.
  int ColonneNom = -1;
  int ColonnePrenom = -1;
  int ColonneDate = -1;

  int NbDoubles() const;
  // A student listed twice comes once unless garderDoubles; at most 45.
  std::vector<TEleveSaisi> Saisis(bool garderDoubles = false) const;
};

// Never fails: a text with no usable row gives no student. A row is left out, with its
// reason, when it has no name or a name without a letter, a character with no Windows-1252
// form, or comes after the 45th student. A birth date that cannot be read, does not exist or
// is after today is left out of a student who is kept, with a remark. "12/03/11" is 2011 when
// 11 is at most the current year's last two digits, else 1911.
TListeImportee LireListeEleves(std::string_view octets, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// ddmmyyyy from jj/mm/aaaa, jj-mm-aaaa, jj.mm.aaaa (day and month may have one digit, the year
// two), jjmmaaaa or aaaa-mm-jj; empty when the text is none of these or the date does not exist.
std::string LireDateListe(std::string_view texte, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// "UTF-8", "Windows-1252" ..., "point-virgule", "tabulation" ..., for the preview's caption.
std::string_view NomEncodage(TEncodageListe e);
std::string_view NomSeparateur(char s);

}  // namespace calevrin
