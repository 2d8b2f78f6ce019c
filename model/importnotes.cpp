#include "model/importnotes.h"

#include <algorithm>
#include <cmath>

#include "model/cp1252.h"
#include "model/edition.h"
#include "model/erreurs.h"
#include "model/formatage.h"
#include "model/moyennes.h"

namespace calevrin {

namespace {

// The ASCII letters of a code point without its accents; ligatures give two letters.
std::string_view SansAccent(char32_t u) {
  static constexpr std::string_view Latin1 = "aaaaaaaceeeeiiiidnooooo ouuuuyts";  // U+00C0..U+00DF
  static constexpr std::string_view LatinA =                                      // U+0100..U+017F
      "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii  jjkkkllllllllllnnnnnnnnnoooooo  rrrrrrsssssssstttttt"
      "uuuuuuuuuuuuwwyyyzzzzzzs";
  static_assert(LatinA.size() == 0x80);
  static thread_local char un[2] = {0, 0};
  if (u < 0x80) {
    if (u >= 'A' && u <= 'Z') u += 'a' - 'A';
    if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')) {
      un[0] = static_cast<char>(u);
      return {un, 1};
    }
    return {};
  }
  switch (u) {
    case 0xC6:
    case 0xE6: return "ae";
    case 0xDF: return "ss";
    case 0xFF:
    case 0x178: return "y";
    case 0x152:
    case 0x153: return "oe";
    case 0x132:
    case 0x133: return "ij";
    case 0x218:
    case 0x219: return "s";
    case 0x21A:
    case 0x21B: return "t";
    case 0xD7:
    case 0xF7: return {};
    default: break;
  }
  char c = ' ';
  if (u >= 0xC0 && u <= 0xFF) c = Latin1[(u - 0xC0) & 0x1F];
  if (u >= 0x100 && u <= 0x17F) c = LatinA[u - 0x100];
  if (c == ' ') return {};
  un[0] = c;
  return {un, 1};
}

// Lower-case ASCII words; with blancs, every run of other characters becomes one space.
std::string Replier(std::string_view utf8, bool blancs) {
  std::string r;
  r.reserve(utf8.size());
  bool espace = false;
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t u = 0;
    if (!LireUtf8(utf8, i, u)) u = Cp1252VersUnicode(static_cast<unsigned char>(utf8[i++]));
    const std::string_view l = SansAccent(u);
    if (l.empty()) {
      espace = blancs && !r.empty();
      continue;
    }
    if (espace) r += ' ';
    espace = false;
    r += l;
  }
  return r;
}

std::string_view PremierMot(std::string_view s) { return s.substr(0, s.find(' ')); }

enum class TSorte { Aucune, Nom, Prenom, Eleve, Note };

TSorte SorteEnTete(const std::string& champ) {
  const std::string p = Replier(champ, true);
  const std::string_view mot = PremierMot(p);
  if (mot == "prenom" || mot == "prenoms" || p == "first name" || mot == "firstname") return TSorte::Prenom;
  if (mot == "nom" && p != "nom complet") return TSorte::Nom;
  if (p == "last name" || p == "surname" || p == "family name" || mot == "lastname") return TSorte::Nom;
  if (mot == "eleve" || mot == "eleves" || mot == "etudiant" || p == "nom complet" || mot == "student" || p == "name")
    return TSorte::Eleve;
  if (mot == "note" || mot == "notes" || mot == "score" || mot == "points" || mot == "total" || mot == "grade")
    return TSorte::Note;
  return TSorte::Aucune;
}

// The grade columns by preference: a "Note" before a "Score", a "Points" or a "Total".
int RangNote(const std::string& champ) {
  const std::string replie = Replier(champ, true);  // the word views into it
  const std::string_view mot = PremierMot(replie);
  return mot == "note" || mot == "notes" ? 0 : 1;
}

bool Chiffre(char c) { return c >= '0' && c <= '9'; }

// A decimal with "," or "."; its digits without separator and the count of decimals.
bool Decimal(std::string_view s, bool& negatif, std::string& chiffres, int& decimales) {
  negatif = false;
  chiffres.clear();
  decimales = 0;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negatif = s[i++] == '-';
  bool separateur = false;
  for (; i < s.size(); ++i) {
    if (Chiffre(s[i])) {
      chiffres += s[i];
      decimales += separateur ? 1 : 0;
    } else if ((s[i] == ',' || s[i] == '.') && !separateur) {
      separateur = true;
    } else {
      return false;
    }
  }
  return !chiffres.empty();
}

// The maximum in a grade header: "Note/10,00", "Note sur 20", "Points (/ 40)".
double SurEnTete(std::string_view entete) {
  std::size_t i = entete.find('/');
  if (i == std::string_view::npos) {
    const std::string p = MinusculesAscii(std::string(entete));
    i = p.find("sur ");
    if (i == std::string::npos) return 0;
    i += 3;
  } else {
    ++i;
  }
  while (i < entete.size() && entete[i] == ' ') ++i;
  std::size_t f = i;
  while (f < entete.size() && (Chiffre(entete[f]) || entete[f] == ',' || entete[f] == '.')) ++f;
  bool negatif = false;
  std::string chiffres;
  int decimales = 0;
  if (!Decimal(entete.substr(i, f - i), negatif, chiffres, decimales) || chiffres.size() > 9) return 0;
  return std::stod(chiffres) / std::pow(10.0, decimales);
}

const std::string& Champ(const TRangeeLue& r, int j) {
  static const std::string vide;
  return j >= 0 && static_cast<std::size_t>(j) < r.Champs.size() ? r.Champs[static_cast<std::size_t>(j)] : vide;
}

bool AvecLettres(std::string_view s) {
  return std::count_if(s.begin(), s.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
         }) >= 2;
}

bool CelluleNombre(const std::string& s) {
  const auto n = LireCelluleNote(s);
  return n && n->Nombre;
}

// Columns not named by a header, from the rows' content: the grades in the last column
// mostly of numbers, the names in the first column mostly of words and, beside it, a
// second one of words.
void ColonnesParContenu(const std::vector<TRangeeLue>& rangees, std::size_t debut, TSourceNotes& s) {
  std::size_t largeur = 0;
  for (std::size_t i = debut; i < rangees.size(); ++i) largeur = std::max(largeur, rangees[i].Champs.size());
  const auto part = [&](int j, auto&& oui) {
    std::size_t remplis = 0, n = 0;
    for (std::size_t i = debut; i < rangees.size(); ++i) {
      const std::string& v = Champ(rangees[i], j);
      if (v.empty() || v == "-") continue;
      ++remplis;
      n += oui(v) ? 1 : 0;
    }
    return remplis > 0 && 2 * n >= remplis;
  };
  if (s.ColonneNote < 0)
    for (int j = static_cast<int>(largeur) - 1; j >= 0 && s.ColonneNote < 0; --j)
      if (j != s.ColonneNom && j != s.ColonnePrenom && part(j, CelluleNombre)) s.ColonneNote = j;
  if (s.ColonneNom >= 0) return;
  for (int j = 0; j < static_cast<int>(largeur); ++j) {
    if (j == s.ColonneNote || !part(j, AvecLettres)) continue;
    s.ColonneNom = j;
    if (j + 1 != s.ColonneNote && j + 1 < static_cast<int>(largeur) && part(j + 1, AvecLettres))
      s.ColonnePrenom = j + 1;
    return;
  }
}

// A row that found no single student or holds a grade that cannot be stored.
bool Refusee(TEtatLigne e) {
  return e == TEtatLigne::NonTrouve || e == TEtatLigne::Plusieurs || e == TEtatLigne::Double ||
         e == TEtatLigne::Illisible || e == TEtatLigne::HorsDomaine;
}

}  // namespace

std::string CleNom(std::string_view utf8) { return Replier(utf8, false); }

std::optional<TCelluleNote> LireCelluleNote(std::string_view utf8) {
  while (!utf8.empty() && utf8.front() == ' ') utf8.remove_prefix(1);
  while (!utf8.empty() && utf8.back() == ' ') utf8.remove_suffix(1);
  if (utf8.empty() || utf8 == "-") return TCelluleNote{};
  const std::string p = Replier(utf8, true);
  if (p == "abs" || p == "absent" || p == "absente" || p == "absent e" || p == "absents")
    return TCelluleNote{false, "abs"};
  if (p == "disp" || p == "excu" || p == "ret") return TCelluleNote{false, p};
  bool negatif = false;
  std::string chiffres;
  int decimales = 0;
  if (!Decimal(utf8, negatif, chiffres, decimales)) return std::nullopt;
  std::string t(utf8);
  std::replace(t.begin(), t.end(), ',', '.');
  return TCelluleNote{true, t};
}

std::optional<double> ConvertirNote(std::string_view g, double max, double sur) {
  bool negatif = false;
  std::string chiffres;
  int decimales = 0;
  if (!Decimal(g, negatif, chiffres, decimales) || !(sur > 0) || !(max >= 0)) return std::nullopt;
  // Leading zeros carry nothing; 15 digits stay exact in the 128-bit product below.
  chiffres.erase(0, std::min(chiffres.find_first_not_of('0'), chiffres.size() - 1));
  if (chiffres.size() > 15 || decimales > 15 || sur > 1e9 || max > 1e9) return std::nullopt;
  __extension__ typedef __int128 Entier;
  Entier G = 0;
  for (char c : chiffres) G = G * 10 + (c - '0');
  // max and sur to three decimals, as any scale is written.
  const auto M = static_cast<Entier>(std::llround(max * 1000));
  const auto S = static_cast<Entier>(std::llround(sur * 1000));
  if (S == 0) return std::nullopt;
  Entier den = S;
  for (int i = 0; i < decimales; ++i) den *= 10;
  const Entier num = G * M * 10;  // tenths: g × 10^-d × M/1000 / (S/1000) × 10
  const Entier dixiemes = (2 * num + den) / (2 * den);
  const double v = static_cast<double>(static_cast<long long>(dixiemes)) / 10.0;
  return negatif ? -v : v;
}

TSourceNotes LireSourceNotes(std::string_view octets) {
  TTableauLu t = LireTableau(octets);
  TSourceNotes s;
  s.Encodage = t.Encodage;
  s.Separateur = t.Separateur;
  if (t.Nul)
    throw EErreurClasse(
        "Encodage inconnu : le texte n'est ni en UTF-8, ni en UTF-16 avec indicateur d'ordre des octets, ni en "
        "Windows-1252.");
  if (t.Rangees.empty()) throw EErreurClasse("Le texte ne contient aucune ligne à importer.");

  // A header names the columns.
  const TRangeeLue& premiere = t.Rangees.front();
  int eleve = -1, rangNote = 2;
  for (int j = 0; j < static_cast<int>(premiere.Champs.size()); ++j) {
    const std::string& c = premiere.Champs[static_cast<std::size_t>(j)];
    switch (SorteEnTete(c)) {
      case TSorte::Nom: s.ColonneNom = s.ColonneNom < 0 ? j : s.ColonneNom; break;
      case TSorte::Prenom: s.ColonnePrenom = s.ColonnePrenom < 0 ? j : s.ColonnePrenom; break;
      case TSorte::Eleve: eleve = eleve < 0 ? j : eleve; break;
      case TSorte::Note:
        if (RangNote(c) < rangNote) {
          rangNote = RangNote(c);
          s.ColonneNote = j;
        }
        break;
      case TSorte::Aucune: break;
    }
  }
  if (eleve >= 0 && s.ColonneNom < 0) {
    s.ColonneNom = eleve;
    s.ColonnePrenom = -1;
  }
  if (s.ColonneNom < 0) std::swap(s.ColonneNom, s.ColonnePrenom);
  s.EnTete = s.ColonneNom >= 0 || s.ColonneNote >= 0;
  ColonnesParContenu(t.Rangees, s.EnTete ? 1 : 0, s);
  // An unnamed header: words above a column of numbers.
  if (!s.EnTete && s.ColonneNote >= 0 && t.Rangees.size() > 1) {
    const std::string& c = Champ(premiere, s.ColonneNote);
    s.EnTete = !c.empty() && !LireCelluleNote(c) && AvecLettres(c);
  }
  if (s.ColonneNote < 0)
    throw EErreurClasse(
        "Aucune colonne de notes : aucune colonne n'est intitulée « Note » ni ne contient des nombres.");

  std::size_t largeur = 0;
  for (const TRangeeLue& r : t.Rangees) largeur = std::max(largeur, r.Champs.size());
  for (std::size_t j = 0; j < largeur; ++j) {
    const std::string& c = s.EnTete ? Champ(premiere, static_cast<int>(j)) : std::string();
    s.Colonnes.push_back(c.empty() ? "Colonne " + std::to_string(j + 1) : c);
  }
  if (s.EnTete) s.Sur = SurEnTete(Champ(premiere, s.ColonneNote));
  s.Rangees.assign(t.Rangees.begin() + (s.EnTete ? 1 : 0), t.Rangees.end());
  if (std::none_of(s.Rangees.begin(), s.Rangees.end(),
                   [&](const TRangeeLue& r) { return CelluleNombre(Champ(r, s.ColonneNote)); }))
    throw EErreurClasse("La colonne de notes « " + s.Colonnes[static_cast<std::size_t>(s.ColonneNote)] +
                        " » ne contient aucun nombre.");
  return s;
}

TChoixNotes ChoixParDefaut(const TSourceNotes& s, const TOptions& o) {
  TChoixNotes c;
  c.ColonneNom = s.ColonneNom;
  c.ColonnePrenom = s.ColonnePrenom;
  c.ColonneNote = s.ColonneNote;
  c.Sur = s.Sur > 0 ? s.Sur : o.notemax;
  return c;
}

namespace {

struct TClesEleve {
  std::string Nom, NomPrenom, PrenomNom;
};

std::vector<TClesEleve> ClesDesEleves(const TClasse& c) {
  std::vector<TClesEleve> cles(static_cast<std::size_t>(c.NbEleves()));
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const std::string nom = CleNom(Utf8DepuisCp1252(c.Eleve(e).Nom.Vue()));
    const std::string prenom = CleNom(Utf8DepuisCp1252(c.Eleve(e).Prenom.Vue()));
    cles[static_cast<std::size_t>(e - 1)] = {nom, nom + prenom, prenom + nom};
  }
  return cles;
}

// The student the row names (l.Nom), or why none.
void TrouverEleve(const std::vector<TClesEleve>& cles, TLigneNotes& l) {
  const std::string cle = CleNom(l.Nom);
  const int n = static_cast<int>(cles.size());
  int trouves = 0, seul = 0;
  for (int e = 1; e <= n && !cle.empty(); ++e) {
    const TClesEleve& k = cles[static_cast<std::size_t>(e - 1)];
    if (cle == k.NomPrenom || cle == k.PrenomNom) {
      ++trouves;
      seul = e;
    }
  }
  // A family name alone, when no full name fits.
  if (trouves == 0 && !cle.empty())
    for (int e = 1; e <= n; ++e)
      if (cle == cles[static_cast<std::size_t>(e - 1)].Nom) {
        ++trouves;
        seul = e;
      }
  if (trouves == 1) l.Eleve = seul;
  l.Etat = trouves > 1 ? TEtatLigne::Plusieurs : TEtatLigne::NonTrouve;
  if (trouves == 0 && Replier(l.Nom, true).starts_with("moyenne")) l.Etat = TEtatLigne::Moyenne;
}

// Two rows naming one student: neither is taken.
void MarquerDoubles(std::vector<TLigneNotes>& lignes, int nbEleves) {
  std::vector<int> premiere(static_cast<std::size_t>(nbEleves) + 1, -1);
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    TLigneNotes& l = lignes[i];
    if (l.Etat != TEtatLigne::Prise && l.Etat != TEtatLigne::Double) continue;
    int& j = premiere[static_cast<std::size_t>(l.Eleve)];
    if (j < 0) {
      j = static_cast<int>(i);
      continue;
    }
    TLigneNotes& autre = lignes[static_cast<std::size_t>(j)];
    if (autre.Etat == TEtatLigne::Prise) {
      autre.Etat = TEtatLigne::Double;
      autre.AutreLigne = l.Ligne;
    }
    l.Etat = TEtatLigne::Double;
    l.AutreLigne = autre.Ligne;
  }
}

// The grade of a taken row as the sheet would store it, or why it is not taken.
void LireNote(const TChoixNotes& choix, const TOptions& o, TLigneNotes& l) {
  const std::optional<TCelluleNote> cellule = LireCelluleNote(l.Lu);
  if (!cellule) {
    l.Etat = TEtatLigne::Illisible;
    return;
  }
  if (cellule->Nombre) {
    const std::optional<double> v = ConvertirNote(cellule->Texte, o.notemax, choix.Sur);
    if (!v) {
      l.Etat = TEtatLigne::Illisible;
      return;
    }
    l.Valeur = *v;
    l.Note = FormaterNombre(*v);
    if ((o.verification && (*v < 0 || *v > o.notemax)) || l.Note.size() > LongueurNoteSaisie) {
      l.Etat = TEtatLigne::HorsDomaine;
      return;
    }
  } else {
    l.Note = cellule->Texte;
  }
  if (l.Note.empty())
    l.Etat = TEtatLigne::SansNote;
  else if (!l.Ancienne.empty() && !choix.Remplacer)
    l.Etat = TEtatLigne::Gardee;
}

}  // namespace

TApercuNotes ApercuNotes(const TClasse& c, const TSourceNotes& s, const TChoixNotes& choix, const TOptions& o) {
  TApercuNotes a;
  const int m = c.MatiereCourante(), p = c.PeriodeCourante();
  const bool vue = m >= 1 && m <= MaxMatieres && p >= 1 && p <= MaxPeriodes;
  const int n = c.NbEleves();
  a.ParOrdre = choix.ColonneNom < 0;
  const std::vector<TClesEleve> cles = ClesDesEleves(c);

  a.Lignes.reserve(s.Rangees.size());
  for (std::size_t i = 0; i < s.Rangees.size(); ++i) {
    const TRangeeLue& r = s.Rangees[i];
    TLigneNotes l;
    l.Ligne = r.Ligne;
    l.Lu = Champ(r, choix.ColonneNote);
    if (a.ParOrdre) {
      l.Eleve = static_cast<int>(i) + 1 <= n ? static_cast<int>(i) + 1 : 0;
    } else {
      l.Nom = Champ(r, choix.ColonneNom);
      if (choix.ColonnePrenom >= 0 && !Champ(r, choix.ColonnePrenom).empty())
        l.Nom += " " + Champ(r, choix.ColonnePrenom);
      TrouverEleve(cles, l);
    }
    if (std::find(choix.Ecartees.begin(), choix.Ecartees.end(), l.Ligne) != choix.Ecartees.end())
      l.Etat = TEtatLigne::Ecartee;
    else if (l.Eleve > 0)
      l.Etat = TEtatLigne::Prise;
    a.Lignes.push_back(std::move(l));
  }
  MarquerDoubles(a.Lignes, n);

  const bool existant = vue && choix.Devoir >= 1 && choix.Devoir <= c.NbDevoirs(m, p);
  for (TLigneNotes& l : a.Lignes) {
    if (l.Eleve > 0 && existant) l.Ancienne = c.Eleve(l.Eleve).Note(m, p, choix.Devoir).Texte();
    if (l.Etat == TEtatLigne::Prise) LireNote(choix, o, l);
  }

  std::vector<bool> nomme(static_cast<std::size_t>(n) + 1, false);
  for (const TLigneNotes& l : a.Lignes) {
    if (l.Eleve > 0 && l.Etat != TEtatLigne::Ecartee) nomme[static_cast<std::size_t>(l.Eleve)] = true;
    a.NbPrises += l.Etat == TEtatLigne::Prise ? 1 : 0;
  }
  for (int e = 1; e <= n; ++e)
    if (!nomme[static_cast<std::size_t>(e)]) a.SansLigne.push_back(e);
  a.Complet = std::none_of(a.Lignes.begin(), a.Lignes.end(), [](const TLigneNotes& l) { return Refusee(l.Etat); });
  return a;
}

std::string RaisonLigne(const TLigneNotes& l) {
  switch (l.Etat) {
    case TEtatLigne::Prise: return {};
    case TEtatLigne::SansNote: return "sans note";
    case TEtatLigne::Gardee: return "note existante gardée (" + Utf8DepuisCp1252(l.Ancienne) + ")";
    case TEtatLigne::NonTrouve: return "non trouvé";
    case TEtatLigne::Plusieurs: return "plusieurs élèves";
    case TEtatLigne::Double: return "en double avec la ligne " + std::to_string(l.AutreLigne);
    case TEtatLigne::Illisible: return "note illisible";
    case TEtatLigne::HorsDomaine: return FormaterNombre(l.Valeur) + " en dehors du domaine de validité";
    case TEtatLigne::Ecartee: return "écartée";
    case TEtatLigne::Moyenne: return "ligne de moyenne, ignorée";
  }
  return {};
}

std::vector<TCasesApercu> CasesApercu(const TClasse& c, const TApercuNotes& a) {
  std::vector<TCasesApercu> r;
  r.reserve(a.Lignes.size() + a.SansLigne.size());
  for (const TLigneNotes& l : a.Lignes) {
    TCasesApercu x;
    x.Ligne = l.Ligne;
    x.Nom = l.Nom;
    x.Lu = l.Lu;
    x.Eleve = l.Eleve > 0                       ? Utf8DepuisCp1252(c.NomComplet(l.Eleve, true))
              : l.Etat == TEtatLigne::Plusieurs ? "plusieurs élèves"
                                                : (l.Etat == TEtatLigne::Moyenne ? "" : "non trouvé");
    if (l.Etat == TEtatLigne::Prise) {
      x.Resultat = Utf8DepuisCp1252(l.Note);
      if (!l.Ancienne.empty() && l.Ancienne != l.Note) x.Resultat += " (remplace " + Utf8DepuisCp1252(l.Ancienne) + ")";
    } else {
      x.Resultat = RaisonLigne(l);
    }
    x.Refus = Refusee(l.Etat);
    r.push_back(std::move(x));
  }
  for (const int e : a.SansLigne) {
    TCasesApercu x;
    x.Eleve = Utf8DepuisCp1252(c.NomComplet(e, true));
    x.Resultat = "sans note";
    r.push_back(std::move(x));
  }
  return r;
}

std::string ResumeApercu(const TSourceNotes& s, const TApercuNotes& a) {
  const auto nombre = [](std::size_t n, const char* un, const char* plusieurs) {
    return std::to_string(n) + " " + (n > 1 ? plusieurs : un);
  };
  std::string r = nombre(s.Rangees.size(), "ligne lue", "lignes lues") + " (" + std::string(NomEncodage(s.Encodage));
  if (s.Separateur != 0) r += ", séparateur " + std::string(NomSeparateur(s.Separateur));
  r += s.EnTete ? ", ligne d'en-tête) : " : ") : ";
  r += nombre(static_cast<std::size_t>(a.NbPrises), "note à enregistrer", "notes à enregistrer");
  const auto refus = static_cast<std::size_t>(
      std::count_if(a.Lignes.begin(), a.Lignes.end(), [](const TLigneNotes& l) { return Refusee(l.Etat); }));
  if (refus > 0) r += ", " + nombre(refus, "ligne refusée", "lignes refusées");
  if (!a.SansLigne.empty()) r += ", " + nombre(a.SansLigne.size(), "élève sans note", "élèves sans note");
  r += ".";
  if (a.ParOrdre)
    r += " Sans colonne de noms, les lignes vont aux élèves dans l'ordre de la liste : la première au premier "
         "élève, la deuxième au deuxième, et ainsi de suite.";
  return r;
}

bool AppliquerNotes(TClasse& c, const TApercuNotes& a, const TChoixNotes& choix, const TNouveauDevoir& nouveau) {
  const int m = c.MatiereCourante(), p = c.PeriodeCourante();
  if (m < 1 || m > MaxMatieres || p < 1 || p > MaxPeriodes) return false;
  int k = choix.Devoir;
  if (k == 0) {
    if (!AjouterDevoir(c, nouveau.Date, nouveau.Duree, nouveau.Coef, nouveau.Commentaire)) return false;
    k = c.NbDevoirs(m, p);
  } else if (k < 1 || k > c.NbDevoirs(m, p)) {
    return false;
  }
  for (const TLigneNotes& l : a.Lignes)
    if (l.Etat == TEtatLigne::Prise && l.Eleve >= 1 && l.Eleve <= c.NbEleves())
      c.Eleve(l.Eleve).Note(m, p, k).Affecter(l.Note);
  return true;
}

std::string CommentaireDepuisFichier(std::string_view nomFichier) {
  const std::size_t barre = nomFichier.find_last_of("/\\");
  if (barre != std::string_view::npos) nomFichier.remove_prefix(barre + 1);
  if (const std::size_t point = nomFichier.rfind('.'); point != std::string_view::npos && point > 0)
    nomFichier = nomFichier.substr(0, point);
  std::string r;
  for (const char ch : nomFichier) {
    const char x = ch == '_' || ch == '-' ? ' ' : ch;
    if (x == ' ' && (r.empty() || r.back() == ' ')) continue;
    r += x;
  }
  while (!r.empty() && r.back() == ' ') r.pop_back();
  if (!r.empty() && r[0] >= 'a' && r[0] <= 'z') r[0] = static_cast<char>(r[0] - 'a' + 'A');
  return r;
}

}  // namespace calevrin
