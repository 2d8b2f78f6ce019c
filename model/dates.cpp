#include "model/dates.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace calevrin {

namespace {

// clang-format off
constexpr std::array<std::string_view, 7> NomsJours = {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi",
                                                       "dimanche"};
constexpr std::array<std::string_view, 7> NomsJoursCourts = {"lun.", "mar.", "mer.", "jeu.", "ven.", "sam.", "dim."};
constexpr std::array<std::string_view, 12> NomsMois = {
    "janvier", "f\xE9vrier", "mars", "avril", "mai", "juin", "juillet", "ao\xFBt", "septembre", "octobre", "novembre",
    "d\xE9""cembre"};
constexpr std::array<std::string_view, 12> NomsMoisCourts = {
    "jan.", "f\xE9v.", "mars", "avr.", "mai", "juin", "jui.", "aout", "sept.", "oct.", "nov.", "d\xE9""c."};
// clang-format on

template <std::size_t N>
std::string_view Nom(const std::array<std::string_view, N>& table, int i) {
  return i >= 1 && i <= static_cast<int>(N) ? table[static_cast<std::size_t>(i - 1)] : std::string_view();
}

std::string Chiffres(long v, int largeur) {
  char tampon[24];
  std::snprintf(tampon, sizeof tampon, "%0*ld", largeur, v);
  return tampon;
}

// Each part of a birth date: present and made of ASCII digits only.
bool LirePartie(std::string_view texte, std::size_t debut, std::size_t longueur, int& valeur) {
  if (debut >= texte.size()) return false;
  const std::string_view partie = texte.substr(debut, longueur);
  valeur = 0;
  for (char ch : partie) {
    if (ch < '0' || ch > '9') return false;
    valeur = valeur * 10 + (ch - '0');
  }
  return true;
}

std::string TexteAnsMois(long long ans, long long mois) {
  std::string t = std::to_string(ans) + " ans ";
  if (mois != 0) t += std::to_string(mois) + " mois";
  return t;
}

constexpr const char* TexteErreurAge = " Erreur !";

}  // namespace

TDateHeure TDateHeure::Maintenant() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min};
}

bool Bissextile(int annee) { return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0; }

int JoursDansMois(int annee, int mois) {
  static constexpr std::array<int, 12> jours = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mois < 1 || mois > 12) return 0;
  return mois == 2 && Bissextile(annee) ? 29 : jours[static_cast<std::size_t>(mois - 1)];
}

bool DateExiste(int annee, int mois, int jour) { return jour >= 1 && jour <= JoursDansMois(annee, mois); }

// The civil-calendar day number of H. Hinnant's chrono algorithms, years counted from March.
long NumeroJour(const TDateJour& d) {
  const long a = d.Annee - (d.Mois <= 2 ? 1 : 0);
  const long ere = (a >= 0 ? a : a - 399) / 400;
  const long ae = a - ere * 400;                                      // 0..399
  const long je = (153L * ((d.Mois + 9) % 12) + 2) / 5 + d.Jour - 1;  // day of the year from 1 March
  const long jr = ae * 365 + ae / 4 - ae / 100 + je;                  // 0..146096
  return ere * 146097 + jr - 719468;
}

TDateJour AjouterJours(const TDateJour& d, long jours) {
  const long z = NumeroJour(d) + jours + 719468;
  const long ere = (z >= 0 ? z : z - 146096) / 146097;
  const long jr = z - ere * 146097;
  const long ae = (jr - jr / 1460 + jr / 36524 - jr / 146096) / 365;
  const long je = jr - (365 * ae + ae / 4 - ae / 100);
  const long mp = (5 * je + 2) / 153;
  const int jour = static_cast<int>(je - (153 * mp + 2) / 5 + 1);
  const int mois = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(ae + ere * 400 + (mois <= 2 ? 1 : 0)), mois, jour};
}

int JourSemaine(const TDateJour& d) {
  // Day 0, 1 January 1970, was a Thursday.
  return static_cast<int>(((NumeroJour(d) + 3) % 7 + 7) % 7) + 1;
}

int ComparerDates(const TDateJour& a, const TDateJour& b) {
  const auto ca = std::array{a.Annee, a.Mois, a.Jour};
  const auto cb = std::array{b.Annee, b.Mois, b.Jour};
  return ca < cb ? -1 : (cb < ca ? 1 : 0);
}

std::string_view NomJour(int j) { return Nom(NomsJours, j); }
std::string_view NomJourCourt(int j) { return Nom(NomsJoursCourts, j); }
std::string_view NomMois(int m) { return Nom(NomsMois, m); }
std::string_view NomMoisCourt(int m) { return Nom(NomsMoisCourts, m); }

std::string_view LettrePeriode(int nbPeriodes) { return nbPeriodes == 2 ? "S" : "T"; }
std::string_view NomPeriode(int nbPeriodes) { return nbPeriodes == 2 ? "Semestre" : "Trimestre"; }
std::string_view AbrevPeriode(int nbPeriodes) { return nbPeriodes == 2 ? "Se" : "Tr"; }
std::string_view NomCourtPeriode(int nbPeriodes) { return nbPeriodes == 2 ? "Sem." : "Trim."; }

std::string FormaterDate(const TDateHeure& d, std::string_view motif) {
  std::string t;
  for (std::size_t i = 0; i < motif.size();) {
    const char code = motif[i];
    std::size_t n = 1;
    while (i + n < motif.size() && motif[i + n] == code) ++n;
    switch (code) {
      case 'd':
        if (n >= 4)
          t += NomJour(JourSemaine(d.Date));
        else if (n == 3)
          t += NomJourCourt(JourSemaine(d.Date));
        else
          t += Chiffres(d.Date.Jour, static_cast<int>(n));
        break;
      case 'm':
        if (n >= 4)
          t += NomMois(d.Date.Mois);
        else if (n == 3)
          t += NomMoisCourt(d.Date.Mois);
        else
          t += Chiffres(d.Date.Mois, static_cast<int>(n));
        break;
      case 'y': t += n <= 2 ? Chiffres(((d.Date.Annee % 100) + 100) % 100, 2) : Chiffres(d.Date.Annee, 4); break;
      case 'h': t += Chiffres(d.Heure, std::min<int>(static_cast<int>(n), 2)); break;
      case 'n': t += Chiffres(d.Minute, std::min<int>(static_cast<int>(n), 2)); break;
      default: t.append(n, code);
    }
    i += n;
  }
  return t;
}

std::string FormaterDate(const TDateJour& d, std::string_view motif) { return FormaterDate(TDateHeure{d}, motif); }

std::string DateHeureTexte(const TDateHeure& maintenant) {
  return " " + FormaterDate(maintenant, "dddd dd mmmm yyyy  /  hh:nn");
}

std::string DateDevoirTexte(int decalage, const TDateJour& aujourdhui) {
  return FormaterDate(AjouterJours(aujourdhui, decalage), "ddd d mmm");
}

std::string MoisAnneeTexte(const TDateJour& aujourdhui) { return FormaterDate(aujourdhui, "mmmm yyyy"); }

TDateNaissance LireDateNaissance(std::string_view texte, const TDateJour& aujourdhui) {
  TDateNaissance d;
  const bool lue =
      LirePartie(texte, 0, 2, d.Jour) && LirePartie(texte, 2, 2, d.Mois) && LirePartie(texte, 4, 4, d.Annee);
  d.Valide = lue && DateExiste(d.Annee, d.Mois, d.Jour) && ComparerDates(d.Date(), aujourdhui) <= 0;
  return d;
}

namespace {

// A word of a date text folded to plain lower-case letters, so that "Déc", "déc" and "dec"
// meet: Windows-1252 accented letters lose their accents.
std::string Replier(std::string_view mot) {
  static constexpr std::string_view Sans =  // 0xC0..0xFF, after folding the case
      "aaaaaaaceeeeiiii"
      "dnooooo ouuuuy  "
      "aaaaaaaceeeeiiii"
      "dnooooo ouuuuy y";
  std::string r;
  for (const char ch : mot) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0xC0)
      r += Sans[b - 0xC0];
    else
      r += static_cast<char>(b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
  }
  return r;
}

// The 1-based index of the name that mot begins, at least three letters long; 0 for none or
// for more than one.
template <std::size_t N>
int NomCommence(const std::array<std::string_view, N>& noms, const std::string& mot) {
  if (mot.size() < 3) return 0;
  int trouve = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (Replier(noms[i]).starts_with(mot)) {
      if (trouve != 0) return 0;
      trouve = static_cast<int>(i + 1);
    }
  }
  return trouve;
}

struct TMorceau {
  bool Nombre = false;
  std::string Texte;  // digits, or a folded word
};

std::vector<TMorceau> Morceaux(std::string_view texte) {
  std::vector<TMorceau> r;
  bool dansMorceau = false;
  for (const char ch : texte) {
    const auto b = static_cast<unsigned char>(ch);
    const bool chiffre = b >= '0' && b <= '9';
    const bool lettre = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0xC0;
    if (!chiffre && !lettre) {
      dansMorceau = false;
      continue;
    }
    if (!dansMorceau || r.back().Nombre != chiffre) r.push_back({chiffre, {}});
    r.back().Texte += ch;
    dansMorceau = true;
  }
  for (TMorceau& m : r)
    if (!m.Nombre) m.Texte = Replier(m.Texte);
  return r;
}

int Entier(const TMorceau& m) { return m.Texte.size() > 4 ? -1 : std::stoi(m.Texte); }

}  // namespace

TDateDevoir LireDateDevoir(std::string_view texte, std::string_view anneeScolaire) {
  const std::vector<TMorceau> m = Morceaux(texte);
  std::size_t i = 0;
  int jourSemaine = 0;
  if (i < m.size() && !m[i].Nombre) {
    jourSemaine = NomCommence(NomsJours, m[i].Texte);
    if (jourSemaine == 0) return {};
    ++i;
  }
  if (i >= m.size() || !m[i].Nombre || m[i].Texte.size() > 2) return {};
  const int jour = Entier(m[i++]);
  if (jour == 1 && i < m.size() && m[i].Texte == "er") ++i;  // "1er octobre"
  if (i >= m.size()) return {};
  int mois = 0;
  if (m[i].Nombre)
    mois = m[i].Texte.size() <= 2 ? Entier(m[i]) : 0;
  else
    mois = m[i].Texte == "jui" ? 7 : NomCommence(NomsMois, m[i].Texte);
  if (mois == 0) return {};
  ++i;
  int annee = 0;
  if (i < m.size()) {
    if (!m[i].Nombre || (m[i].Texte.size() != 2 && m[i].Texte.size() != 4)) return {};
    annee = Entier(m[i++]);
    if (annee < 100) annee += 2000;
  } else {
    // The first four-digit year of the school year, which starts in August as a new class's.
    for (const TMorceau& a : Morceaux(anneeScolaire))
      if (a.Nombre && a.Texte.size() == 4) {
        annee = Entier(a) + (mois >= 8 ? 0 : 1);
        break;
      }
  }
  if (i != m.size() || annee < 1900 || !DateExiste(annee, mois, jour)) return {};
  const TDateJour d{annee, mois, jour};
  if (jourSemaine != 0 && JourSemaine(d) != jourSemaine) return {};
  return {true, d};
}

TDateNaissance LireDateNaissance(const TClasse& c, int e, const TDateJour& aujourdhui) {
  return LireDateNaissance(c.Eleve(e).DateNaissance.Vue(), aujourdhui);
}

int AgeEnJours(const TClasse& c, int e, const TDateJour& aujourdhui) {
  const TDateNaissance d = LireDateNaissance(c, e, aujourdhui);
  return d.Valide ? static_cast<int>(NumeroJour(aujourdhui) - NumeroJour(d.Date())) : 0;
}

std::string AgeTexte(int jours) {
  if (jours <= 0) return TexteErreurAge;
  // In quarter days, so that 365.25 and 30.44 (761/25) divide exactly.
  const long long quarts = 4LL * jours;
  const long long ans = quarts / 1461;
  const long long mois = 25 * (quarts - 1461 * ans) / 3044;
  return TexteAnsMois(ans, mois);
}

int MoisRevolus(const TDateJour& naissance, const TDateJour& aujourdhui) {
  if (ComparerDates(aujourdhui, naissance) < 0) return -1;
  int mois = (aujourdhui.Annee - naissance.Annee) * 12 + (aujourdhui.Mois - naissance.Mois);
  if (aujourdhui.Jour < std::min(naissance.Jour, JoursDansMois(aujourdhui.Annee, aujourdhui.Mois))) --mois;
  return mois;
}

std::string AgeEleveTexte(const TClasse& c, int e, const TDateJour& aujourdhui) {
  if (AgeEnJours(c, e, aujourdhui) == 0) return TexteErreurAge;
  const int mois = MoisRevolus(LireDateNaissance(c, e, aujourdhui).Date(), aujourdhui);
  return TexteAnsMois(mois / 12, mois % 12);
}

std::string AgeMoyen(const TClasse& c, const TDateJour& aujourdhui) {
  long long somme = 0;
  int n = 0;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const int age = AgeEnJours(c, e, aujourdhui);
    if (age != 0) {
      somme += age;
      ++n;
    }
  }
  if (n == 0) return "Calcul impossible !";
  return AgeTexte(static_cast<int>(somme / n));
}

std::string DateNaissanceTexte(const TClasse& c, int e, const TDateJour& aujourdhui) {
  const TDateNaissance d = LireDateNaissance(c, e, aujourdhui);
  return d.Valide ? FormaterDate(d.Date(), "dd mmmm yyyy") : "??";
}

char CaractereSeparateur(int indsep) {
  static constexpr std::string_view separateurs = "-+/\\~| .;,";
  return indsep >= 0 && indsep < static_cast<int>(separateurs.size()) ? separateurs[static_cast<std::size_t>(indsep)]
                                                                      : '/';
}

std::string ConstruireTitre(const TClasse& c, int matiere, int periode, int devoir, int eleve, bool avecAnnee,
                            const TOptions& o) {
  const std::string sep = std::string(" ") + CaractereSeparateur(o.indsep) + " ";
  std::string t = c.Abreviation.Texte();
  if (matiere >= 1 && matiere <= MaxMatieres)
    t += sep + c.Matiere(matiere).Nom.Texte();
  else if (matiere == 4)
    t += sep + "Synth\xE8se";
  if (periode >= 1 && periode <= MaxPeriodes)
    t += sep + std::string(NomCourtPeriode(c.NbPeriodes())) + std::to_string(periode);
  else if (periode == 4)
    t += sep +
         "Ann\xE9"
         "e";
  if (devoir >= 1) t += sep + "Devoir " + std::to_string(devoir);
  if (eleve >= 1 && eleve <= MaxEleves) t += sep + c.NomComplet(eleve, true);
  if (avecAnnee) t += " " + c.AnneeScolaire.Texte();
  return t;
}

}  // namespace calevrin
