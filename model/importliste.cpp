#include "model/importliste.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "fichiers/lecture.h"
#include "model/cp1252.h"
#include "model/dates.h"
#include "model/erreurs.h"

namespace calevrin {

namespace {

// --- Encoding -----------------------------------------------------------------------------

std::string DepuisUtf16(std::string_view s, bool petitBoutiste) {
  std::string r;
  r.reserve(s.size());
  const auto unite = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(s[i]);
    const auto b = static_cast<unsigned char>(s[i + 1]);
    return petitBoutiste ? static_cast<char32_t>(a | (b << 8)) : static_cast<char32_t>((a << 8) | b);
  };
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
    char32_t u = unite(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < s.size()) {
      const char32_t v = unite(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        u = 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00);
        i += 2;
      }
    }
    if (u >= 0xD800 && u <= 0xDFFF) u = 0xFFFD;
    AjouterUtf8(r, u);
  }
  return r;
}

// A text that is UTF-8 but for a few bytes (a name pasted from elsewhere, a stray byte) is
// still UTF-8: fewer invalid bytes than well-formed accented characters. The invalid bytes
// become U+FFFD, made "?" once the rows are cut.
bool Utf8Abime(std::string_view s, std::string& r) {
  std::size_t invalides = 0, accents = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t debut = i;
    char32_t u = 0;
    if (LireUtf8(s, i, u)) {
      accents += u >= 0x80 ? 1 : 0;
      r.append(s.substr(debut, i - debut));
    } else {
      ++invalides;
      AjouterUtf8(r, 0xFFFD);
      ++i;
    }
  }
  return invalides == 0 || (accents > 0 && invalides <= accents);
}

std::string EnUtf8(std::string_view o, TEncodageListe& enc) {
  std::string r;
  r.reserve(o.size());
  if (o.starts_with("\xEF\xBB\xBF")) {
    enc = TEncodageListe::Utf8Bom;
    Utf8Abime(o.substr(3), r);
    return r;
  }
  if (o.starts_with("\xFF\xFE") || o.starts_with("\xFE\xFF")) {
    enc = TEncodageListe::Utf16;
    return DepuisUtf16(o.substr(2), o[0] == '\xFF');
  }
  if (Utf8Abime(o, r)) {
    enc = TEncodageListe::Utf8;
    return r;
  }
  enc = TEncodageListe::Windows1252;
  return Utf8DepuisCp1252(o);
}

// NUL, escapes and the other control characters of C0 and C1 have no place in a name; tabs
// and line ends stay, they cut the text.
void SansControles(std::string& t) {
  std::size_t j = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto c = static_cast<unsigned char>(t[i]);
    if (c == 0xC2 && i + 1 < t.size() && static_cast<unsigned char>(t[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(t[i + 1]) <= 0x9F) {
      ++i;
      continue;
    }
    if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) continue;
    t[j++] = t[i];
  }
  t.resize(j);
}

// --- Rows and fields ----------------------------------------------------------------------

struct TRangee {
  int Ligne = 0;
  std::size_t Debut = 0;
  std::size_t Fin = 0;  // end of the row's text, line end excluded
  std::vector<std::string> Champs;
};

bool FinDeLigne(char ch) { return ch == '\r' || ch == '\n'; }

// Steps over one line end (CRLF counts as one) and counts it.
void PasserFinDeLigne(std::string_view t, std::size_t& pos, int& ligne) {
  if (t[pos] == '\r' && pos + 1 < t.size() && t[pos + 1] == '\n') ++pos;
  ++pos;
  ++ligne;
}

bool Blanc(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Cuts the text into rows of fields. A quote opens a quoted field only at its start; inside,
// a doubled quote is a quote and separators and line ends are text. At most max rows.
std::vector<TRangee> Decouper(std::string_view t, std::size_t pos, int ligne, char sep, std::size_t max) {
  std::vector<TRangee> rangees;
  while (pos < t.size() && rangees.size() < max) {
    TRangee r;
    r.Ligne = ligne;
    r.Debut = pos;
    std::string champ;
    bool guillemets = false;
    while (pos < t.size()) {
      const char ch = t[pos];
      if (guillemets) {
        if (ch == '"') {
          if (pos + 1 < t.size() && t[pos + 1] == '"') {
            champ += '"';
            pos += 2;
          } else {
            guillemets = false;
            ++pos;
          }
        } else if (FinDeLigne(ch)) {
          champ += ' ';
          PasserFinDeLigne(t, pos, ligne);
        } else {
          champ += ch;
          ++pos;
        }
      } else if (ch == '"' && Blanc(champ)) {
        champ.clear();
        guillemets = true;
        ++pos;
      } else if (sep != 0 && ch == sep) {
        r.Champs.push_back(std::move(champ));
        champ.clear();
        ++pos;
      } else if (FinDeLigne(ch)) {
        break;
      } else {
        champ += ch;
        ++pos;
      }
    }
    r.Fin = pos;
    r.Champs.push_back(std::move(champ));
    if (pos < t.size()) PasserFinDeLigne(t, pos, ligne);
    rangees.push_back(std::move(r));
  }
  return rangees;
}

// Blanks of every kind become one space, none at either end.
std::string Nettoyer(std::string_view s) {
  std::string r;
  r.reserve(s.size());
  bool espace = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char ch = s[i];
    bool blanc = ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
    if (s.substr(i).starts_with("\xC2\xA0")) {  // no-break space
      blanc = true;
      i += 1;
    } else if (s.substr(i).starts_with("\xE2\x80\xAF") || s.substr(i).starts_with("\xEF\xBB\xBF")) {
      blanc = true;  // narrow no-break space, a stray byte-order mark
      i += 2;
    }
    if (blanc) {
      espace = !r.empty();
    } else {
      if (espace) r += ' ';
      espace = false;
      r += ch;
    }
  }
  return r;
}

bool Vide(const TRangee& r) {
  return std::all_of(r.Champs.begin(), r.Champs.end(), [](const std::string& c) { return c.empty(); });
}

// --- Separator --------------------------------------------------------------------------

constexpr std::array<char, 4> Separateurs = {'\t', ';', ',', '|'};
constexpr std::size_t RangeesEssai = 100;

// The rows that agree on one number of fields, at least two; the separator that makes most
// rows agree wins, the earlier in the list on a tie.
char DeviserSeparateur(std::string_view t, std::size_t pos, int ligne) {
  char meilleur = 0;
  std::size_t score = 0;
  for (const char sep : Separateurs) {
    std::vector<std::size_t> comptes;
    for (const TRangee& r : Decouper(t, pos, ligne, sep, RangeesEssai))
      if (!Blanc(t.substr(r.Debut, r.Fin - r.Debut))) comptes.push_back(r.Champs.size());
    std::sort(comptes.begin(), comptes.end());
    std::size_t s = 0;
    for (std::size_t i = 0; i < comptes.size();) {
      std::size_t j = i;
      while (j < comptes.size() && comptes[j] == comptes[i]) ++j;
      if (comptes[i] >= 2) s = std::max(s, j - i);
      i = j;
    }
    if (s > score) {
      score = s;
      meilleur = sep;
    }
  }
  return meilleur;
}

// --- Dates --------------------------------------------------------------------------------

struct TDateLue {
  bool Forme = false;  // one of the accepted shapes
  int Jour = 0, Mois = 0, Annee = 0;
};

bool Chiffre(char c) { return c >= '0' && c <= '9'; }

// Digits from pos, between min and max of them; their value.
bool Nombre(std::string_view s, std::size_t& pos, std::size_t min, std::size_t max, int& v) {
  const std::size_t debut = pos;
  v = 0;
  while (pos < s.size() && Chiffre(s[pos]) && pos - debut < max) v = v * 10 + (s[pos++] - '0');
  return pos - debut >= min && (pos == s.size() || !Chiffre(s[pos]));
}

// A two-digit year is of this century up to the current year, of the last one after it.
int AnneeSurDeuxChiffres(int aa, const TDateJour& j) {
  const int siecle = j.Annee / 100 * 100;
  return aa <= j.Annee % 100 ? siecle + aa : siecle - 100 + aa;
}

TDateLue LireDate(std::string_view s, const TDateJour& j) {
  // A time after the date, as some exports write: "2011-03-12 00:00:00".
  if (const auto blanc = s.find(' '); blanc != std::string_view::npos) {
    const std::string_view heure = s.substr(blanc + 1);
    if (heure.empty() || !std::all_of(heure.begin(), heure.end(), [](char c) { return Chiffre(c) || c == ':'; }) ||
        heure.find(':') == std::string_view::npos)
      return {};
    s = s.substr(0, blanc);
  }
  TDateLue d;
  if (s.size() == 8 && std::all_of(s.begin(), s.end(), Chiffre)) {
    d.Jour = (s[0] - '0') * 10 + (s[1] - '0');
    d.Mois = (s[2] - '0') * 10 + (s[3] - '0');
    d.Annee = std::stoi(std::string(s.substr(4)));
    d.Forme = true;
    return d;
  }
  const auto separateur = [](char c) { return c == '/' || c == '-' || c == '.'; };
  std::size_t pos = 0;
  int a = 0, b = 0, c = 0;
  if (!Nombre(s, pos, 1, 4, a) || pos >= s.size() || !separateur(s[pos])) return {};
  const char sep = s[pos++];
  const bool iso = pos == 5;
  if (!iso && pos > 3) return {};
  if (!Nombre(s, pos, 1, 2, b) || pos >= s.size() || s[pos] != sep) return {};
  ++pos;
  if (iso) {
    if (!Nombre(s, pos, 1, 2, c) || pos != s.size()) return {};
    d = {true, c, b, a};
  } else {
    const std::size_t debutAnnee = pos;
    if (!Nombre(s, pos, 2, 4, c) || pos != s.size() || pos - debutAnnee == 3) return {};
    d = {true, a, b, pos - debutAnnee == 2 ? AnneeSurDeuxChiffres(c, j) : c};
  }
  return d;
}

// Nobody in a class was born before 1900: such a year is a misreading (yyyymmdd read as
// ddmmyyyy, for one).
bool Existe(const TDateLue& d) { return d.Annee >= 1900 && DateExiste(d.Annee, d.Mois, d.Jour); }

std::string HuitChiffres(const TDateLue& d) {
  char t[16];
  std::snprintf(t, sizeof t, "%02d%02d%04d", d.Jour, d.Mois, d.Annee);
  return t;
}

// --- Columns ------------------------------------------------------------------------------

// Lower-case ASCII without accents, words separated by one space: "Né(e) le" gives "ne e le".
std::string Plier(std::string_view utf8) {
  std::string r;
  bool espace = false;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t u = 0;
    if (!LireUtf8(utf8, i, u)) u = static_cast<unsigned char>(utf8[i++]);
    char c = 0;
    if (u >= 'A' && u <= 'Z')
      c = static_cast<char>(u - 'A' + 'a');
    else if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
      c = static_cast<char>(u);
    else if (u >= 0xC0 && u <= 0xFF)
      c = "aaaaaaaceeeeiiiidnooooo ouuuuyts"[(u - 0xC0) & 0x1F];
    if (c == 0 || c == ' ') {
      espace = !r.empty();
      continue;
    }
    if (espace) r += ' ';
    espace = false;
    r += c;
  }
  return r;
}

std::string_view PremierMot(std::string_view s) { return s.substr(0, s.find(' ')); }

bool Contient(std::string_view s, std::string_view mot) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t f = std::min(s.find(' ', i), s.size());
    if (s.substr(i, f - i) == mot) return true;
    i = f + 1;
  }
  return false;
}

enum class TSorte { Aucune, Nom, Prenom, Date, DateSeule };

TSorte SorteEnTete(const std::string& champ) {
  const std::string p = Plier(champ);
  const std::string_view mot = PremierMot(p);
  if (mot == "prenom" || mot == "prenoms" || mot == "firstname" || mot == "forename" || p == "first name" ||
      p == "given name" || p == "given names")
    return TSorte::Prenom;
  if (mot == "nom" || mot == "noms" || mot == "patronyme" || mot == "name" || mot == "surname" || mot == "lastname" ||
      p == "last name" || p == "family name")
    return TSorte::Nom;
  for (const char* m : {"naissance", "naiss", "ddn", "birth", "birthdate", "birthday", "dob"})
    if (Contient(p, m)) return TSorte::Date;
  if (p.starts_with("ne le") || p.starts_with("nee le") || p.starts_with("ne e le")) return TSorte::Date;
  if (p == "date") return TSorte::DateSeule;
  return TSorte::Aucune;
}

const std::string& Champ(const TRangeeLue& r, int j) {
  static const std::string vide;
  return j >= 0 && static_cast<std::size_t>(j) < r.Champs.size() ? r.Champs[static_cast<std::size_t>(j)] : vide;
}

// Latin letters with or without accents, and the letters of other scripts (which the
// Windows-1252 check refuses later with a clearer reason); not digits, punctuation, symbols.
bool Lettre(char32_t u) {
  if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
  if (u < 0xC0 || u == 0xD7 || u == 0xF7) return false;
  return !(u >= 0x2000 && u <= 0x2BFF) && u != 0xFFFD;
}

bool AvecLettre(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t u = 0;
    if (!LireUtf8(utf8, i, u)) u = static_cast<unsigned char>(utf8[i++]);
    if (Lettre(u)) return true;
  }
  return false;
}

struct TColonnes {
  int Nom = -1, Prenom = -1, Date = -1;
  bool Prise(int j) const { return j == Nom || j == Prenom || j == Date; }
};

// The columns not yet known, from the content of the data rows: the first column mostly of
// dates, then the first two mostly of words (not single letters, as a column of sexes holds)
// that do not hold one same value throughout (as a column of the class's name does).
void ColonnesParContenu(const std::vector<TRangeeLue>& rangees, std::size_t debut, const TDateJour& aujourdhui,
                        TColonnes& c) {
  std::size_t largeur = 0;
  for (std::size_t i = debut; i < rangees.size(); ++i) largeur = std::max(largeur, rangees[i].Champs.size());
  for (int passe = 0; passe < 2; ++passe) {
    for (int j = 0; j < static_cast<int>(largeur); ++j) {
      if (c.Prise(j)) continue;
      std::size_t remplis = 0, dates = 0, mots = 0;
      bool constante = true;
      const std::string* premier = nullptr;
      for (std::size_t i = debut; i < rangees.size(); ++i) {
        const std::string& v = Champ(rangees[i], j);
        if (v.empty()) continue;
        ++remplis;
        dates += LireDate(v, aujourdhui).Forme ? 1 : 0;
        mots += AvecLettre(v) && v.size() >= 2 ? 1 : 0;
        if (!premier) premier = &v;
        constante = constante && v == *premier;
      }
      if (remplis == 0) continue;
      if (passe == 0 && c.Date < 0 && 2 * dates >= remplis) c.Date = j;
      if (passe == 1 && 2 * mots >= remplis && !(constante && remplis >= 3)) {
        if (c.Nom < 0)
          c.Nom = j;
        else if (c.Prenom < 0)
          c.Prenom = j;
      }
    }
  }
  if (c.Nom < 0 && !c.Prise(0)) c.Nom = 0;
}

// --- Rows to students -----------------------------------------------------------------------

// The first character of s that has no Windows-1252 form; empty when there is none.
std::string SansEquivalent(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t debut = i;
    char32_t u = 0;
    if (!LireUtf8(utf8, i, u)) return std::string(utf8.substr(i, 1));
    if (UnicodeVersCp1252(u) < 0) return std::string(utf8.substr(debut, i - debut));
  }
  return {};
}

std::string TexteRangee(std::string_view t, const TRangee& r) {
  std::string s(t.substr(r.Debut, r.Fin - r.Debut));
  for (char& ch : s)
    if (FinDeLigne(ch)) ch = ' ';
  return s;
}

// U+FFFD, the mark of a replaced byte, made "?" which a class file can hold; true when any was.
bool Remplacer(std::string& s) {
  bool fait = false;
  for (std::size_t i = 0; (i = s.find("\xEF\xBF\xBD", i)) != std::string::npos; ++i) {
    s.replace(i, 3, "?");
    fait = true;
  }
  return fait;
}

void Remarquer(std::string& remarques, std::string_view r) {
  if (!remarques.empty()) remarques += "; ";
  remarques += r;
}

// The same person: same name and first name whatever the case and the accents, and the same
// birth date when both have one.
struct TIdentite {
  std::string Cle;
  const TEleveImporte* Eleve = nullptr;
  bool Meme(const TIdentite& b) const {
    const std::string& d1 = Eleve->Eleve.DateNaissance;
    const std::string& d2 = b.Eleve->Eleve.DateNaissance;
    return Cle == b.Cle && (d1.empty() || d2.empty() || d1 == d2);
  }
};

}  // namespace

TTableauLu LireTableau(std::string_view octets) {
  TTableauLu r;
  std::string t = EnUtf8(octets, r.Encodage);
  r.Nul = t.find('\0') != std::string::npos;
  SansControles(t);

  // "sep=;" on the first line names the separator.
  std::size_t pos = 0;
  int ligne = 1;
  char sep = 0;
  const std::size_t finPremiere = std::min(t.find_first_of("\r\n"), t.size());
  if (finPremiere == 5 && MinusculesAscii(t.substr(0, 4)) == "sep=") {
    sep = t[4];
    pos = finPremiere;
    if (pos < t.size()) PasserFinDeLigne(t, pos, ligne);
  } else {
    sep = DeviserSeparateur(t, pos, ligne);
  }
  r.Separateur = sep;

  for (TRangee& x : Decouper(t, pos, ligne, sep, static_cast<std::size_t>(-1))) {
    for (std::string& c : x.Champs) c = Nettoyer(c);
    if (Vide(x)) continue;
    TRangeeLue l{x.Ligne, TexteRangee(t, x), std::move(x.Champs), false};
    l.Remplacement = Remplacer(l.Texte);
    for (std::string& c : l.Champs) Remplacer(c);
    r.Rangees.push_back(std::move(l));
  }
  return r;
}

std::string LireFichierListe(const std::string& chemin) {
  // The size is told before anything is read, and only for a regular file: a FIFO is refused
  // by the reader without waiting for a writer.
  std::error_code ec;
  const auto etat = std::filesystem::status(chemin, ec);
  if (!ec && std::filesystem::is_regular_file(etat)) {
    const std::uint64_t taille = std::filesystem::file_size(chemin, ec);
    if (!ec && taille > TailleMaxListe) throw EErreurClasse(MessageTropGrand("Le fichier " + chemin + " fait", taille));
  }
  return LireFichierTexte(chemin, TailleMaxListe, MsgPasListeEleves);
}

std::string TailleLisible(std::uint64_t octets) {
  std::string r;
  if (octets < 1024) {
    r = std::to_string(octets) + (octets > 1 ? " octets" : " octet");
  } else {
    const bool mega = octets >= 1 << 20;
    char t[32];
    std::snprintf(t, sizeof t, "%.1f", static_cast<double>(octets) / (mega ? 1024.0 * 1024.0 : 1024.0));
    r = t;
    if (r.ends_with(".0")) r.resize(r.size() - 2);
    std::replace(r.begin(), r.end(), '.', ',');
    r += mega ? " Mo" : " ko";
  }
  return r;
}

std::string MessageTropGrand(std::string_view origine, std::uint64_t taille) {
  if (taille <= TailleMaxListe) return {};
  return std::string(origine) + " " + TailleLisible(taille) + " : une liste d'élèves en fait au plus " +
         TailleLisible(TailleMaxListe) + ".";
}

std::string LireDateListe(std::string_view texte, const TDateJour& aujourdhui) {
  const TDateLue d = LireDate(Nettoyer(texte), aujourdhui);
  return d.Forme && Existe(d) ? HuitChiffres(d) : std::string();
}

int TListeImportee::NbDoubles() const {
  return static_cast<int>(
      std::count_if(Eleves.begin(), Eleves.end(), [](const TEleveImporte& e) { return e.DoubleDe > 0; }));
}

std::vector<TEleveSaisi> TListeImportee::Saisis(bool garderDoubles) const {
  std::vector<TEleveSaisi> r;
  r.reserve(Eleves.size());
  for (const TEleveImporte& e : Eleves)
    if ((garderDoubles || e.DoubleDe == 0) && r.size() < static_cast<std::size_t>(MaxEleves)) r.push_back(e.Eleve);
  return r;
}

namespace {

// The columns named by a header, or found in the content; "Date" alone counts only when no
// other header names the dates.
TColonnes ColonnesDeLaListe(const std::vector<TRangeeLue>& rangees, const TDateJour& aujourdhui,
                            TListeImportee& liste) {
  TColonnes col;
  int dateSeule = -1;
  const TRangeeLue& premiere = rangees.front();
  for (int j = 0; j < static_cast<int>(premiere.Champs.size()); ++j) {
    switch (SorteEnTete(premiere.Champs[static_cast<std::size_t>(j)])) {
      case TSorte::Nom: col.Nom = col.Nom < 0 ? j : col.Nom; break;
      case TSorte::Prenom: col.Prenom = col.Prenom < 0 ? j : col.Prenom; break;
      case TSorte::Date: col.Date = col.Date < 0 ? j : col.Date; break;
      case TSorte::DateSeule: dateSeule = dateSeule < 0 ? j : dateSeule; break;
      case TSorte::Aucune: break;
    }
  }
  if (col.Date < 0) col.Date = dateSeule;
  liste.EnTete = col.Nom >= 0 || col.Prenom >= 0 || col.Date >= 0;
  ColonnesParContenu(rangees, liste.EnTete ? 1 : 0, aujourdhui, col);
  // An unnamed header: words above a column of dates.
  if (!liste.EnTete && col.Date >= 0 && rangees.size() > 1) {
    const std::string& d = Champ(premiere, col.Date);
    liste.EnTete = !d.empty() && !LireDate(d, aujourdhui).Forme && AvecLettre(d);
  }
  liste.ColonneNom = col.Nom;
  liste.ColonnePrenom = col.Prenom;
  liste.ColonneDate = col.Date;
  return col;
}

// Why the row cannot be a student, or nothing when it can.
std::optional<std::string> Refus(const std::string& nom, const std::string& prenom) {
  if (nom.empty()) return "nom manquant";
  if (!AvecLettre(nom)) return "nom sans aucune lettre";
  if (const std::string x = SansEquivalent(nom + prenom); !x.empty())
    return "caractère « " + x + " » sans équivalent dans le jeu de caractères des fichiers classe";
  return std::nullopt;
}

// A date that cannot be kept costs the student his date, never his place in the class.
void DateNaissance(const std::string& date, const TDateJour& aujourdhui, TEleveImporte& e) {
  if (date.empty()) return;
  const TDateLue d = LireDate(date, aujourdhui);
  if (!d.Forme)
    Remarquer(e.Remarques, "date de naissance illisible : " + date + " (attendu jj/mm/aaaa), élève gardé sans date");
  else if (!Existe(d))
    Remarquer(e.Remarques, "date de naissance inexistante : " + date + ", élève gardé sans date");
  else if (ComparerDates({d.Annee, d.Mois, d.Jour}, aujourdhui) > 0)
    Remarquer(e.Remarques, "date de naissance postérieure à aujourd'hui : " + date + ", élève gardé sans date");
  else
    e.Eleve.DateNaissance = HuitChiffres(d);
}

void Noms(const std::string& nom, const std::string& prenom, TEleveImporte& e) {
  e.Eleve.Nom = *Cp1252DepuisUtf8(nom);
  e.Eleve.Prenom = *Cp1252DepuisUtf8(prenom);
  e.Coupe = e.Eleve.Nom.size() > TNom::Capacite || e.Eleve.Prenom.size() > TNom::Capacite;
  for (std::string* s : {&e.Eleve.Nom, &e.Eleve.Prenom}) {
    s->resize(std::min(s->size(), TNom::Capacite));
    while (!s->empty() && s->back() == ' ') s->pop_back();  // a cut between two words
  }
  if (e.Coupe) Remarquer(e.Remarques, "coupé à 20 caractères");
}

struct TImport {
  const TColonnes& Col;
  const TDateJour& Aujourdhui;
  TListeImportee& Liste;
  std::vector<TIdentite> Uniques;  // the students met once so far, at most 45

  void Rangee(const TRangeeLue& r) {
    const std::string& nom = Champ(r, Col.Nom);
    const std::string& prenom = Champ(r, Col.Prenom);
    if (auto raison = Refus(nom, prenom)) {
      Liste.Ignorees.push_back({r.Ligne, r.Texte, std::move(*raison)});
      return;
    }
    TEleveImporte e;
    e.Ligne = r.Ligne;
    if (r.Remplacement) Remarquer(e.Remarques, "octet invalide remplacé par « ? »");
    DateNaissance(Champ(r, Col.Date), Aujourdhui, e);
    Noms(nom, prenom, e);
    const TIdentite id{Plier(nom) + "|" + Plier(prenom), &e};
    for (const TIdentite& autre : Uniques)
      if (autre.Meme(id)) {
        e.DoubleDe = autre.Eleve->Ligne;
        Remarquer(e.Remarques, "en double (ligne " + std::to_string(e.DoubleDe) + ")");
        break;
      }
    // A list pasted twice still gives its 45 students, the doubles flagged.
    constexpr auto Max = static_cast<std::size_t>(MaxEleves);
    if (e.DoubleDe == 0 ? Uniques.size() == Max : Liste.Eleves.size() == 2 * Max) {
      Liste.Ignorees.push_back({r.Ligne, r.Texte, "au-delà de 45 élèves, le nombre maximal d'une classe"});
      return;
    }
    Liste.Eleves.push_back(std::move(e));
    if (Liste.Eleves.back().DoubleDe == 0) Uniques.push_back({id.Cle, &Liste.Eleves.back()});
  }
};

}  // namespace

TListeImportee LireListeEleves(std::string_view octets, const TDateJour& aujourdhui) {
  TListeImportee liste;
  const TTableauLu tableau = LireTableau(octets);
  liste.Encodage = tableau.Encodage;
  liste.Separateur = tableau.Separateur;
  const std::vector<TRangeeLue>& rangees = tableau.Rangees;
  if (rangees.empty()) return liste;

  const TColonnes col = ColonnesDeLaListe(rangees, aujourdhui, liste);
  liste.Eleves.reserve(2 * static_cast<std::size_t>(MaxEleves));  // the identities point into it
  TImport import{col, aujourdhui, liste, {}};
  for (std::size_t i = liste.EnTete ? 1 : 0; i < rangees.size(); ++i) import.Rangee(rangees[i]);
  return liste;
}

std::string_view NomEncodage(TEncodageListe e) {
  switch (e) {
    case TEncodageListe::Utf8: return "UTF-8";
    case TEncodageListe::Utf8Bom: return "UTF-8 avec BOM";
    case TEncodageListe::Utf16: return "UTF-16";
    case TEncodageListe::Windows1252: return "Windows-1252";
  }
  return {};
}

std::string_view NomSeparateur(char s) {
  switch (s) {
    case '\t': return "tabulation";
    case ';': return "point-virgule";
    case ',': return "virgule";
    case '|': return "barre verticale";
    case 0: return "aucun";
    default: return "autre";
  }
}

}  // namespace calevrin
