#include "model/importliste.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>

#include "model/cp1252.h"
#include "model/dates.h"

namespace calevrin {

namespace {

// --- Encoding -----------------------------------------------------------------------------

bool Utf8Valide(std::string_view s) {
  char32_t u = 0;
  for (std::size_t i = 0; i < s.size();)
    if (!LireUtf8(s, i, u)) return false;
  return true;
}

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

std::string EnUtf8(std::string_view o, TEncodageListe& enc) {
  if (o.starts_with("\xEF\xBB\xBF")) {
    enc = TEncodageListe::Utf8Bom;
    o.remove_prefix(3);
    return std::string(o);
  }
  if (o.starts_with("\xFF\xFE") || o.starts_with("\xFE\xFF")) {
    enc = TEncodageListe::Utf16;
    return DepuisUtf16(o.substr(2), o[0] == '\xFF');
  }
  if (Utf8Valide(o)) {
    enc = TEncodageListe::Utf8;
    return std::string(o);
  }
  enc = TEncodageListe::Windows1252;
  return Utf8DepuisCp1252(o);
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

TDateLue LireDate(std::string_view s) {
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
    if (!Nombre(s, pos, 4, 4, c) || pos != s.size()) return {};
    d = {true, a, b, c};
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

const std::string& Champ(const TRangee& r, int j) {
  static const std::string vide;
  return j >= 0 && static_cast<std::size_t>(j) < r.Champs.size() ? r.Champs[static_cast<std::size_t>(j)] : vide;
}

bool AvecLettre(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
  });
}

struct TColonnes {
  int Nom = -1, Prenom = -1, Date = -1;
  bool Prise(int j) const { return j == Nom || j == Prenom || j == Date; }
};

// The columns not yet known, from the content of the data rows: the first column mostly of
// dates, then the first two mostly of words (not single letters, as a column of sexes holds)
// that do not hold one same value throughout (as a column of the class's name does).
void ColonnesParContenu(const std::vector<TRangee>& rangees, std::size_t debut, TColonnes& c) {
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
        dates += LireDate(v).Forme ? 1 : 0;
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

}  // namespace

std::string LireDateListe(std::string_view texte) {
  const TDateLue d = LireDate(Nettoyer(texte));
  return d.Forme && Existe(d) ? HuitChiffres(d) : std::string();
}

std::vector<TEleveSaisi> TListeImportee::Saisis() const {
  std::vector<TEleveSaisi> r;
  r.reserve(Eleves.size());
  for (const TEleveImporte& e : Eleves) r.push_back(e.Eleve);
  return r;
}

namespace {

// The columns named by a header, or found in the content; "Date" alone counts only when no
// other header names the dates.
TColonnes ColonnesDeLaListe(const std::vector<TRangee>& rangees, TListeImportee& liste) {
  TColonnes col;
  int dateSeule = -1;
  const TRangee& premiere = rangees.front();
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
  ColonnesParContenu(rangees, liste.EnTete ? 1 : 0, col);
  // An unnamed header: words above a column of dates.
  if (!liste.EnTete && col.Date >= 0 && rangees.size() > 1) {
    const std::string& d = Champ(premiere, col.Date);
    liste.EnTete = !d.empty() && !LireDate(d).Forme && AvecLettre(d);
  }
  liste.ColonneNom = col.Nom;
  liste.ColonnePrenom = col.Prenom;
  liste.ColonneDate = col.Date;
  return col;
}

// Why the row cannot be a student, or nothing when it can (its birth date then in e).
std::optional<std::string> Refus(const std::string& nom, const std::string& prenom, const std::string& date,
                                 const TDateJour& aujourdhui, TEleveImporte& e) {
  if (nom.empty()) return "nom manquant";
  if (const std::string x = SansEquivalent(nom + prenom); !x.empty())
    return "caractère « " + x + " » sans équivalent dans le jeu de caractères des fichiers classe";
  if (date.empty()) return std::nullopt;
  const TDateLue d = LireDate(date);
  if (!d.Forme) return "date de naissance illisible : " + date + " (attendu jj/mm/aaaa)";
  if (!Existe(d)) return "date de naissance inexistante : " + date;
  if (ComparerDates({d.Annee, d.Mois, d.Jour}, aujourdhui) > 0)
    return "date de naissance postérieure à aujourd'hui : " + date;
  e.Eleve.DateNaissance = HuitChiffres(d);
  return std::nullopt;
}

void ImporterRangee(std::string_view t, const TRangee& r, const TColonnes& col, const TDateJour& aujourdhui,
                    TListeImportee& liste) {
  const std::string& nom = Champ(r, col.Nom);
  const std::string& prenom = Champ(r, col.Prenom);
  TEleveImporte e;
  e.Ligne = r.Ligne;
  auto raison = Refus(nom, prenom, Champ(r, col.Date), aujourdhui, e);
  if (!raison && liste.Eleves.size() == MaxEleves) raison = "au-delà de 45 élèves, le nombre maximal d'une classe";
  if (raison) {
    liste.Ignorees.push_back({r.Ligne, TexteRangee(t, r), std::move(*raison)});
    return;
  }
  e.Eleve.Nom = *Cp1252DepuisUtf8(nom);
  e.Eleve.Prenom = *Cp1252DepuisUtf8(prenom);
  e.Coupe = e.Eleve.Nom.size() > TNom::Capacite || e.Eleve.Prenom.size() > TNom::Capacite;
  for (std::string* s : {&e.Eleve.Nom, &e.Eleve.Prenom}) {
    s->resize(std::min(s->size(), TNom::Capacite));
    while (!s->empty() && s->back() == ' ') s->pop_back();  // a cut between two words
  }
  liste.Eleves.push_back(std::move(e));
}

struct TTexteDecoupe {
  std::string Texte;  // UTF-8
  TEncodageListe Encodage = TEncodageListe::Utf8;
  char Separateur = 0;
  std::vector<TRangee> Rangees;  // fields cleaned, empty rows left out
};

TTexteDecoupe DecouperTexte(std::string_view octets) {
  TTexteDecoupe d;
  d.Texte = EnUtf8(octets, d.Encodage);
  const std::string& t = d.Texte;

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
  d.Separateur = sep;

  d.Rangees = Decouper(t, pos, ligne, sep, static_cast<std::size_t>(-1));
  for (TRangee& r : d.Rangees)
    for (std::string& c : r.Champs) c = Nettoyer(c);
  std::erase_if(d.Rangees, Vide);
  return d;
}

}  // namespace

TTableauLu LireTableau(std::string_view octets) {
  const TTexteDecoupe d = DecouperTexte(octets);
  TTableauLu r;
  r.Encodage = d.Encodage;
  r.Separateur = d.Separateur;
  r.Rangees.reserve(d.Rangees.size());
  for (const TRangee& x : d.Rangees) r.Rangees.push_back({x.Ligne, TexteRangee(d.Texte, x), x.Champs});
  return r;
}

TListeImportee LireListeEleves(std::string_view octets, const TDateJour& aujourdhui) {
  TListeImportee liste;
  TTexteDecoupe d = DecouperTexte(octets);
  const std::string& t = d.Texte;
  liste.Encodage = d.Encodage;
  liste.Separateur = d.Separateur;
  std::vector<TRangee>& rangees = d.Rangees;
  if (rangees.empty()) return liste;

  const TColonnes col = ColonnesDeLaListe(rangees, liste);
  for (std::size_t i = liste.EnTete ? 1 : 0; i < rangees.size(); ++i)
    ImporterRangee(t, rangees[i], col, aujourdhui, liste);
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
