#include "model/edition.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/alertes.h"
#include "model/note.h"

namespace calevrin {

TPressePapInterne PressePapInterne;

namespace {

// --- Case of Windows-1252 letters -------------------------------------------------------

// Only letters whose other case is one Windows-1252 character change: ß and µ stay.
constexpr unsigned char VersMajuscule(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

constexpr unsigned char VersMinuscule(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
  }
}

// --- French alphabetical order ----------------------------------------------------------

// A letter read without case or accent: one or two capitals; other bytes stand for themselves.
struct TPli {
  unsigned char c[2];
  std::uint8_t n;
};

constexpr TPli Plier(unsigned char b) {
  const unsigned char u = VersMajuscule(b);
  const auto un = [](char x) { return TPli{{static_cast<unsigned char>(x), 0}, 1}; };
  const auto deux = [](char x, char y) {
    return TPli{{static_cast<unsigned char>(x), static_cast<unsigned char>(y)}, 2};
  };
  if (u >= 0xC0 && u <= 0xC5) return un('A');
  if (u >= 0xC8 && u <= 0xCB) return un('E');
  if (u >= 0xCC && u <= 0xCF) return un('I');
  if ((u >= 0xD2 && u <= 0xD6) || u == 0xD8) return un('O');
  if (u >= 0xD9 && u <= 0xDC) return un('U');
  switch (u) {
    case 0xC6: return deux('A', 'E');
    case 0xC7: return un('C');
    case 0xD0: return un('D');
    case 0xD1: return un('N');
    case 0xDD:
    case 0x9F: return un('Y');
    case 0xDE: return deux('T', 'H');
    case 0xDF: return deux('S', 'S');
    case 0x8A: return un('S');
    case 0x8C: return deux('O', 'E');
    case 0x8E: return un('Z');
    default: return TPli{{u, 0}, 1};
  }
}

constexpr std::array<TPli, 256> TablePli = [] {
  std::array<TPli, 256> t{};
  for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = Plier(static_cast<unsigned char>(b));
  return t;
}();

// The sort key of a name, built once per student so that comparing allocates nothing.
struct TCle {
  std::uint8_t n = 0;
  unsigned char c[2 * TNom::Capacite];
};

void Cle(std::string_view nom, TCle& cle) {
  cle.n = 0;
  for (const char ch : nom) {
    const TPli& p = TablePli[static_cast<unsigned char>(ch)];
    for (int i = 0; i < p.n; ++i) cle.c[cle.n++] = p.c[i];
  }
}

// Byte order, the shorter first when one is a prefix of the other.
int Comparer(const unsigned char* a, std::size_t na, const unsigned char* b, std::size_t nb) {
  if (const int r = std::memcmp(a, b, std::min(na, nb)); r != 0) return r;
  return na < nb ? -1 : (na > nb ? 1 : 0);
}

// --- Slots ------------------------------------------------------------------------------

bool VueDevoirs(const TClasse& c, int& m, int& p) {
  m = c.MatiereCourante();
  p = c.PeriodeCourante();
  return m <= MaxMatieres && p <= MaxPeriodes;
}

// The 24 grades of one subject and period lie side by side, and so do the 24 tests.
TTexteNote* Notes(TClasse& c, int e, int m, int p) { return &c.Eleve(e).Note(m, p, 1); }
TDevoir* Devoirs(TClasse& c, int m, int p) { return &c.Devoir(m, p, 1); }
TEleve* Eleves(TClasse& c) { return &c.Eleve(1); }

// A free slot holds the bytes of a new class's free slot, with no leftovers of what it held.
void LibererDevoir(TClasse& c, int m, int p, int k) {
  c.Devoir(m, p, k) = TDevoir();
  for (int e = 1; e <= MaxEleves; ++e) c.Eleve(e).Note(m, p, k) = TTexteNote();
}

void EcrireEleve(TEleve& el, std::string_view nom, std::string_view prenom, std::string_view date, const TOptions& o) {
  el.Nom.Affecter(nom);
  el.Prenom.Affecter(prenom);
  el.DateNaissance.Affecter(date);
  NormaliserNom(el.Nom, o.majuscule);
  NormaliserNom(el.Prenom, false);
}

// Grades of students beyond NbEleves move with their tests too: a slot's grades never end up
// against another test whatever the student count becomes.
void Supprimer(TClasse& c, int m, int p, int k) {
  const int n = c.NbDevoirs(m, p);
  for (int e = 1; e <= MaxEleves; ++e) {
    TTexteNote* g = Notes(c, e, m, p);
    std::copy(g + k, g + n, g + k - 1);
  }
  TDevoir* d = Devoirs(c, m, p);
  std::copy(d + k, d + n, d + k - 1);
  LibererDevoir(c, m, p, n);
  c.FixerNbDevoirs(m, p, n - 1);
}

void Ouvrir(TClasse& c, int m, int p, int k) {
  const int n = c.NbDevoirs(m, p);
  for (int e = 1; e <= MaxEleves; ++e) {
    TTexteNote* g = Notes(c, e, m, p);
    std::copy_backward(g + k - 1, g + n, g + n + 1);
  }
  TDevoir* d = Devoirs(c, m, p);
  std::copy_backward(d + k - 1, d + n, d + n + 1);
  LibererDevoir(c, m, p, k);
}

bool PeutOuvrir(const TClasse& c, int k, int& m, int& p) {
  return VueDevoirs(c, m, p) && c.NbDevoirs(m, p) < MaxDevoirs && k >= 1 && k <= c.NbDevoirs(m, p) + 1;
}

// Slot j is free (just opened, or the first one after the tests).
void Coller(TClasse& c, int m, int p, int j, const TPressePapInterne& pp) {
  const int n = c.NbEleves();
  if (pp.NbElevesCopie != n) Alerter(TGenreAlerte::Avertissement, "Le nombre d'élève n'est pas identique !");
  for (int e = 1; e <= MaxEleves; ++e)
    c.Eleve(e).Note(m, p, j) = e <= n ? pp.NotesCopie[static_cast<std::size_t>(e)] : TTexteNote();
  c.Devoir(m, p, j) = pp.DevoirCopie;
  c.FixerNbDevoirs(m, p, c.NbDevoirs(m, p) + 1);
}

}  // namespace

// --- Names ------------------------------------------------------------------------------

std::string NormaliserNom(std::string_view nom, bool majuscule) {
  std::string r(nom.substr(0, TNom::Capacite));
  bool debutMot = true;
  for (char& ch : r) {
    const auto b = static_cast<unsigned char>(ch);
    ch = static_cast<char>(majuscule || debutMot ? VersMajuscule(b) : VersMinuscule(b));
    debutMot = ch == ' ' || ch == '-';
  }
  return r;
}

void NormaliserNom(TNom& nom, bool majuscule) {
  if (nom.Vide()) return;
  nom.Affecter(NormaliserNom(nom.Vue(), majuscule));
}

bool BornerVue(TClasse& c) {
  const int m = c.MatiereCourante();
  const int p = c.PeriodeCourante();
  const int matiere = m == 4 || m <= c.NbMatieres() ? m : 1;
  const int periode = p == 4 || p <= c.NbPeriodes() ? p : 1;
  // Written only when it moves: a sound file saves back byte for byte.
  if (matiere != m) c.FixerMatiereCourante(matiere);
  if (periode != p) c.FixerPeriodeCourante(periode);
  return matiere != m || periode != p;
}

bool NormaliserNoms(TClasse& c, const TOptions& o) {
  bool change = false;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    TEleve& el = c.Eleve(e);
    const TNom nom = el.Nom;
    const TNom prenom = el.Prenom;
    NormaliserNom(el.Nom, o.majuscule);
    NormaliserNom(el.Prenom, false);
    change = change || nom.Longueur != el.Nom.Longueur || nom.Car != el.Nom.Car ||
             prenom.Longueur != el.Prenom.Longueur || prenom.Car != el.Prenom.Car;
  }
  return change;
}

// --- Students ---------------------------------------------------------------------------

bool AjouterEleve(TClasse& c, std::string_view nom, std::string_view prenom, std::string_view dateNaissance,
                  const TOptions& o) {
  return InsererEleve(c, MaxEleves + 1, nom, prenom, dateNaissance, o);
}

bool InsererEleve(TClasse& c, int e, std::string_view nom, std::string_view prenom, std::string_view dateNaissance,
                  const TOptions& o) {
  const int n = c.NbEleves();
  if (nom.empty() || n >= MaxEleves || e < 1) return false;
  e = std::min(e, n + 1);
  TEleve* s = Eleves(c);
  std::copy_backward(s + e - 1, s + n, s + n + 1);
  s[e - 1] = TEleve();
  EcrireEleve(s[e - 1], nom, prenom, dateNaissance, o);
  c.FixerNbEleves(n + 1);
  return true;
}

bool ModifierEleve(TClasse& c, int e, std::string_view nom, std::string_view prenom, std::string_view dateNaissance,
                   const TOptions& o) {
  if (e < 1 || e > c.NbEleves()) return false;
  EcrireEleve(c.Eleve(e), nom, prenom, dateNaissance, o);
  return true;
}

bool SupprimerEleve(TClasse& c, int e) {
  const int n = c.NbEleves();
  if (n <= 1 || e < 1 || e > n) return false;
  TEleve* s = Eleves(c);
  std::copy(s + e, s + n, s + e - 1);
  s[n - 1] = TEleve();
  c.FixerNbEleves(n - 1);
  return true;
}

void TrierEleves(TClasse& c) {
  const int n = c.NbEleves();
  if (n < 2) return;
  std::array<TCle, MaxEleves> cles;
  std::array<std::uint8_t, MaxEleves> ordre;  // ordre[i]: the student that ends at place i + 1
  for (int i = 0; i < n; ++i) {
    Cle(c.Eleve(i + 1).Nom.Vue(), cles[static_cast<std::size_t>(i)]);
    ordre[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  }
  const auto apres = [&](std::uint8_t a, std::uint8_t b) {
    const TCle& x = cles[a];
    const TCle& y = cles[b];
    if (const int r = Comparer(x.c, x.n, y.c, y.n); r != 0) return r > 0;
    const std::string_view u = c.Eleve(a + 1).Nom.Vue();
    const std::string_view v = c.Eleve(b + 1).Nom.Vue();
    return Comparer(reinterpret_cast<const unsigned char*>(u.data()), u.size(),
                    reinterpret_cast<const unsigned char*>(v.data()), v.size()) > 0;
  };
  // Gap passes repeated until one makes no swap, on places only: each record moves once below.
  for (int g = n / 2; g >= 1; g /= 2) {
    bool echange = true;
    while (echange) {
      echange = false;
      for (int i = 0; i + g < n; ++i) {
        auto& a = ordre[static_cast<std::size_t>(i)];
        auto& b = ordre[static_cast<std::size_t>(i + g)];
        if (apres(a, b)) {
          std::swap(a, b);
          echange = true;
        }
      }
    }
  }
  // Follow each cycle of the permutation with one record aside.
  TEleve* s = Eleves(c);
  std::array<bool, MaxEleves> place{};
  for (int debut = 0; debut < n; ++debut) {
    if (place[static_cast<std::size_t>(debut)] || ordre[static_cast<std::size_t>(debut)] == debut) continue;
    const TEleve cote = s[debut];
    int i = debut;
    while (ordre[static_cast<std::size_t>(i)] != debut) {
      const int j = ordre[static_cast<std::size_t>(i)];
      s[i] = s[j];
      place[static_cast<std::size_t>(i)] = true;
      i = j;
    }
    s[i] = cote;
    place[static_cast<std::size_t>(i)] = true;
  }
}

// --- Tests ------------------------------------------------------------------------------

bool EcrireDevoir(TClasse& c, int k, std::string_view date, std::string_view duree, double coef,
                  std::string_view commentaire) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p) || k < 1 || k > std::min(c.NbDevoirs(m, p) + 1, MaxDevoirs) || !std::isfinite(coef))
    return false;
  TDevoir& d = c.Devoir(m, p, k);
  d.Date.Affecter(date);
  d.Duree.Affecter(duree);
  d.Coef = coef;
  d.Commentaire.Affecter(commentaire);
  return true;
}

bool AjouterDevoir(TClasse& c, std::string_view date, std::string_view duree, double coef,
                   std::string_view commentaire) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p)) return false;
  const int n = c.NbDevoirs(m, p);
  if (n >= MaxDevoirs || !EcrireDevoir(c, n + 1, date, duree, coef, commentaire)) return false;
  c.FixerNbDevoirs(m, p, n + 1);
  return true;
}

bool ModifierDevoir(TClasse& c, int k, std::string_view date, std::string_view duree, double coef,
                    std::string_view commentaire) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p) || k > c.NbDevoirs(m, p)) return false;
  return EcrireDevoir(c, k, date, duree, coef, commentaire);
}

bool SupprimerDevoir(TClasse& c, int k) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p) || k < 1 || k > c.NbDevoirs(m, p)) return false;
  Supprimer(c, m, p, k);
  return true;
}

bool OuvrirPlace(TClasse& c, int k) {
  int m = 0;
  int p = 0;
  if (!PeutOuvrir(c, k, m, p)) return false;
  Ouvrir(c, m, p, k);
  return true;
}

bool FermerPlace(TClasse& c, int k) {
  int m = 0;
  int p = 0;
  if (!PeutOuvrir(c, k, m, p)) return false;
  c.FixerNbDevoirs(m, p, c.NbDevoirs(m, p) + 1);
  Supprimer(c, m, p, k);
  return true;
}

bool InsererDevoir(TClasse& c, int k, const std::function<bool(TClasse&, int)>& remplir) {
  int m = 0;
  int p = 0;
  if (!PeutOuvrir(c, k, m, p)) return false;
  const int n = c.NbDevoirs(m, p);
  Ouvrir(c, m, p, k);
  bool confirme = false;
  try {
    confirme = remplir(c, k);
  } catch (...) {
    c.FixerNbDevoirs(m, p, n + 1);
    Supprimer(c, m, p, k);
    throw;
  }
  c.FixerNbDevoirs(m, p, n + 1);
  if (!confirme) Supprimer(c, m, p, k);
  return confirme;
}

bool CopierDevoir(const TClasse& c, int k, TPressePapInterne& pp) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p) || k < 1 || k > c.NbDevoirs(m, p)) return false;
  pp.Vider();
  pp.Plein = true;
  for (int e = 1; e <= c.NbEleves(); ++e) pp.NotesCopie[static_cast<std::size_t>(e)] = c.Eleve(e).Note(m, p, k);
  pp.DevoirCopie = c.Devoir(m, p, k);
  pp.NbElevesCopie = static_cast<std::uint8_t>(c.NbEleves());
  return true;
}

bool CouperDevoir(TClasse& c, int k, TPressePapInterne& pp) { return CopierDevoir(c, k, pp) && SupprimerDevoir(c, k); }

bool AjouterDevoirCopie(TClasse& c, const TPressePapInterne& pp) {
  int m = 0;
  int p = 0;
  if (!pp.Plein || !VueDevoirs(c, m, p) || c.NbDevoirs(m, p) >= MaxDevoirs) return false;
  Coller(c, m, p, c.NbDevoirs(m, p) + 1, pp);
  return true;
}

bool InsererDevoirCopie(TClasse& c, int k, const TPressePapInterne& pp) {
  int m = 0;
  int p = 0;
  if (!pp.Plein || !PeutOuvrir(c, k, m, p)) return false;
  Ouvrir(c, m, p, k);
  Coller(c, m, p, k, pp);
  return true;
}

bool ViderPeriode(TClasse& c) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p)) return false;
  for (int k = 1; k <= c.NbDevoirs(m, p); ++k) LibererDevoir(c, m, p, k);
  c.FixerNbDevoirs(m, p, 0);
  return true;
}

bool ViderAnnee(TClasse& c) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p)) return false;
  for (int periode = 1; periode <= MaxPeriodes; ++periode) {
    for (int k = 1; k <= MaxDevoirs; ++k) LibererDevoir(c, m, periode, k);
    c.FixerNbDevoirs(m, periode, 0);
  }
  return true;
}

// --- Questions --------------------------------------------------------------------------

std::string QuestionSupprimerEleve(const TClasse& c, int e) {
  if (e < 1 || e > c.NbEleves()) return {};
  return "Supprimer d\xE9"
         "finitivement l'\xE9l\xE8ve " +
         c.NomComplet(e, true) + " ?";
}

std::string QuestionSupprimerDevoir(const TClasse& c, int k) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p) || k < 1 || k > c.NbDevoirs(m, p)) return {};
  return "Supprimer d\xE9"
         "finitivement le devoir n\xB0 " +
         std::to_string(k) + " (" + c.Devoir(m, p, k).Commentaire.Texte() + ") ?";
}

std::string QuestionViderPeriode(const TClasse& c) {
  static const char* const rang[MaxPeriodes] = {"premier ", "second ", "troisi\xE8me "};
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p)) return {};
  return std::string(
             "Supprimer d\xE9"
             "finitivement toutes les notes du ") +
         rang[p - 1] + (c.NbPeriodes() == 2 ? "Semestre" : "Trimestre") + " ,en " + c.Matiere(m).Nom.Texte() + " ?";
}

std::string QuestionViderAnnee(const TClasse& c) {
  int m = 0;
  int p = 0;
  if (!VueDevoirs(c, m, p)) return {};
  return "Supprimer d\xE9"
         "finitivement TOUTES les notes de l'ann\xE9"
         "e scolaire, en " +
         c.Matiere(m).Nom.Texte() + " ?";
}

// --- Subjects and class parameters ------------------------------------------------------

bool ModifierMatieres(TClasse& c, const std::array<std::string_view, MaxMatieres>& noms,
                      const std::array<std::string_view, MaxMatieres>& abrevs, int nbMatieres) {
  if (nbMatieres < 1 || nbMatieres > MaxMatieres) return false;
  for (int m = 1; m <= MaxMatieres; ++m) {
    c.Matiere(m).Nom.Affecter(noms[static_cast<std::size_t>(m - 1)]);
    c.Matiere(m).Abrev.Affecter(abrevs[static_cast<std::size_t>(m - 1)]);
  }
  c.FixerNbMatieres(nbMatieres);
  return true;
}

int ModifierCoefMatieres(TClasse& c, const std::array<std::string_view, MaxMatieres * MaxPeriodes>& textes) {
  int stockes = 0;
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      double v = 0.0;
      if (!LireNombre(textes[static_cast<std::size_t>((m - 1) * MaxPeriodes + (p - 1))], v)) continue;
      c.Matiere(m).Coef[static_cast<std::size_t>(p)] = v;
      ++stockes;
    }
  return stockes;
}

TParametresClasse LireParametres(const TClasse& c) {
  return {c.Abreviation.Texte(),
          c.AnneeScolaire.Texte(),
          c.Professeur.Texte(),
          c.MatierePrincipale.Texte(),
          c.NbPeriodes(),
          c.Arrondi(),
          c.Joker()};
}

bool ModifierParametres(TClasse& c, const TParametresClasse& p) {
  if ((p.NbPeriodes != 2 && p.NbPeriodes != 3) || p.Arrondi < 0 || p.Arrondi > 6) return false;
  c.Abreviation.Affecter(p.Abreviation);
  c.AnneeScolaire.Affecter(p.AnneeScolaire);
  c.Professeur.Affecter(p.Professeur);
  c.MatierePrincipale.Affecter(p.MatierePrincipale);
  c.FixerNbPeriodes(p.NbPeriodes);
  c.FixerArrondi(p.Arrondi);
  c.FixerJoker(p.Joker);
  return true;
}

}  // namespace calevrin
