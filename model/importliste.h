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

#include <string>
#include <string_view>
#include <vector>

#include "model/classe.h"
#include "model/nouvelleclasse.h"

namespace calevrin {

enum class TEncodageListe { Utf8, Utf8Bom, Utf16, Windows1252 };

struct TEleveImporte {
  int Ligne = 0;       // line of the file where the student's row starts, from 1
  TEleveSaisi Eleve;   // Windows-1252, name and first name cut to 20 characters
  bool Coupe = false;  // the name or the first name was longer than 20 characters
};

struct TLigneIgnoree {
  int Ligne = 0;
  std::string Texte;   // the row as read, UTF-8
  std::string Raison;  // French, UTF-8
};

struct TListeImportee {
  std::vector<TEleveImporte> Eleves;    // at most 45, in the order of the list
  std::vector<TLigneIgnoree> Ignorees;  // in the order of the list; empty rows are not listed
  TEncodageListe Encodage = TEncodageListe::Utf8;
  char Separateur = 0;  // 0 when every row is a single field (names only)
  bool EnTete = false;
  // Columns from 0; -1 when there is none.
  int ColonneNom = -1;
  int ColonnePrenom = -1;
  int ColonneDate = -1;

  std::vector<TEleveSaisi> Saisis() const;
};

// A table as the list reader cuts it, for other imports: encoding and separator guessed,
// fields without surrounding blanks, empty rows left out. UTF-8 throughout.
struct TRangeeLue {
  int Ligne = 0;      // line of the file where the row starts, from 1
  std::string Texte;  // the row as read
  std::vector<std::string> Champs;
};
struct TTableauLu {
  TEncodageListe Encodage = TEncodageListe::Utf8;
  char Separateur = 0;
  std::vector<TRangeeLue> Rangees;
};
TTableauLu LireTableau(std::string_view octets);

// Never fails: a text with no usable row gives no student. A row is left out, with its
// reason, when it has no name, an unreadable or impossible birth date (or one after today),
// a character with no Windows-1252 form, or comes after the 45th student.
TListeImportee LireListeEleves(std::string_view octets, const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// ddmmyyyy from jj/mm/aaaa, jj-mm-aaaa, jj.mm.aaaa (day and month may have one digit),
// jjmmaaaa or aaaa-mm-jj; empty when the text is none of these or the date does not exist.
std::string LireDateListe(std::string_view texte);

// "UTF-8", "Windows-1252" ..., "point-virgule", "tabulation" ..., for the preview's caption.
std::string_view NomEncodage(TEncodageListe e);
std::string_view NomSeparateur(char s);

}  // namespace calevrin
