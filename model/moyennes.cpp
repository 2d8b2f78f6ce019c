#include "model/moyennes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

#include "model/alertes.h"
#include "model/formatage.h"

namespace calevrin {

namespace {

bool MatiereValide(int m) { return m >= 1 && m <= MaxMatieres; }
bool PeriodeValide(int p) { return p >= 1 && p <= MaxPeriodes; }
bool EleveValide(int e) { return e >= 1 && e <= MaxEleves; }
bool VueValide(int m, int p) { return m >= 1 && m <= 4 && p >= 1 && p <= 4; }
int IndiceVue(int m, int p) { return (m - 1) * 4 + (p - 1); }
int IndiceNote(int m, int p) { return ((m - 1) * MaxPeriodes + (p - 1)) * MaxDevoirs; }

constexpr double Puissances10[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};

// The characters of a grade text past its length cleared, character i in byte i whatever the
// byte order of the machine.
inline std::uint64_t Octets(const TTexteNote& t, unsigned n) {
  std::uint64_t x = 0;
  for (unsigned i = 0; i < TTexteNote::Capacite; ++i)
    x |= std::uint64_t{static_cast<unsigned char>(t.Car[i])} << (8 * i);
  return x & ((std::uint64_t{1} << (8 * n)) - 1);
}

// Most grades are plain decimals ("12", "8.5", ".75") and averages are recomputed at every
// paint, so these are read here without the general parser and without a branch per
// character: the five bytes of the text are classified and converted as one 64-bit word. At
// most five digits divided by an exact power of ten is correctly rounded, so the value is the
// one LireNote gives. Codes, letters, signs and exponents go to LireNote.
inline TNote Lire(const TTexteNote& t, const TOptions& o) {
  constexpr std::uint64_t Haut = 0x8080808080;  // the high bit of each of the five bytes
  constexpr std::uint64_t Bas = 0x7F7F7F7F7F;
  const unsigned n = static_cast<unsigned>(t.Taille());
  const std::uint64_t x = Octets(t, n);
  const std::uint64_t actifs = Haut & ((std::uint64_t{1} << (8 * n)) - 1);
  // Per byte, in its high bit: 0x30 <= b <= 0x39, and b == '.'; no borrow or carry crosses bytes.
  const std::uint64_t chiffres = ((x | Haut) - 0x3030303030) & (0xB9B9B9B9B9 - (x & Bas)) & ~x & actifs;
  const std::uint64_t z = x ^ 0x2E2E2E2E2E;
  const std::uint64_t points = ~(((z & Bas) + Bas) | z) & actifs;
  if ((chiffres | points) != actifs || chiffres == 0 || (points & (points - 1)) != 0)
    return n == 0 ? TNote{} : LireNote(t.Vue(), o);

  const unsigned avecPoint = points != 0;
  // The place of the point, n when there is none (a sentinel bit in byte n; the min only
  // tells the analysers so).
  const unsigned point =
      std::min(n, static_cast<unsigned>(std::countr_zero(points | (std::uint64_t{0x80} << (8 * n)))) / 8);
  const unsigned nbChiffres = n - avecPoint;
  const std::uint64_t avant = (std::uint64_t{1} << (8 * point)) - 1;
  std::uint64_t v = (x & avant) | ((x >> 8) & ~avant);  // the point taken out
  v -= 0x3030303030303030 & ((std::uint64_t{1} << (8 * nbChiffres)) - 1);
  // Right-aligned in eight bytes behind leading zeros, then the usual eight-digit conversion.
  v <<= 8 * (8 - nbChiffres);
  v = v * 10 + (v >> 8);
  v = (((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
       (((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
      32;
  const unsigned decimales = n - point - avecPoint;
  return {static_cast<double>(static_cast<std::uint32_t>(v)) / Puissances10[decimales], NoteNombre};
}

struct TLecteur {
  const TOptions& o;
  TNote operator()(const TTexteNote& t) const { return Lire(t, o); }
};

// For the computations over a whole class: a class has few distinct grade texts, so each is
// read once and then found in a small table. The table lives for one computation only; the
// options cannot change meanwhile.
class TLecteurMemorise {
 public:
  explicit TLecteurMemorise(const TOptions& o) : o_(o) {
    for (TEntree& e : table_) e.cle = Libre;
  }
  TNote operator()(const TTexteNote& t) {
    const unsigned n = static_cast<unsigned>(t.Taille());
    const std::uint64_t cle = Octets(t, n) << 8 | n;
    // Open addressing: the table is never more than half full, so a free slot ends each search.
    std::size_t i = static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15u) >> 54);
    while (table_[i].cle != cle) {
      if (table_[i].cle == Libre) {
        const TNote note = Lire(t, o_);
        if (nb_ < Taille / 2) {
          table_[i] = {cle, note};
          ++nb_;
        }
        return note;
      }
      i = (i + 1) % Taille;
    }
    return table_[i].note;
  }

 private:
  static constexpr std::size_t Taille = 1024;
  static constexpr std::uint64_t Libre = ~std::uint64_t{0};  // no text has this key
  struct TEntree {
    std::uint64_t cle;
    TNote note;
  };
  std::array<TEntree, Taille> table_;
  std::size_t nb_ = 0;
  const TOptions& o_;
};

// The grades of one subject and period, read before any sum so that the extended-precision
// sums stay in registers: no call in their loops.
struct TNotesPeriode {
  std::array<double, MaxDevoirs> valeurs;
  std::array<bool, MaxDevoirs> notes;
  int n = 0;
};

template <typename L>
void LireNotes(const TEleve& el, int m, int p, int n, L& lire, TNotesPeriode& r) {
  const TTexteNote* textes = el.Notes.data() + IndiceNote(m, p);
  r.n = n;
  for (int k = 0; k < n; ++k) {
    const TNote note = lire(textes[k]);
    r.valeurs[static_cast<std::size_t>(k)] = note.Valeur;
    r.notes[static_cast<std::size_t>(k)] = note.EstNote();
  }
}

double Fini(double r) { return std::isfinite(r) ? r : PasDeMoyenne; }

// A weighted sum in extended precision. A sum of coefficients that is zero gives no average,
// also when it is zero only up to the rounding of decimal coefficients of both signs (a
// damaged file); with coefficients >= 0 that is exactly C = 0.
struct TSomme {
  long double S = 0;
  long double C = 0;
  double A = 0;  // sum of |coefficients|, for that tolerance only

  template <typename T>  // double, or long double for a sum of coefficients
  void Ajouter(long double v, T coef) {
    S += v * coef;
    C += coef;
    A += std::fabs(static_cast<double>(coef));
  }
  void Retirer(long double v, double coef) {
    S -= v * coef;
    C -= coef;
    A -= std::fabs(coef);
  }
  double Resultat() const {
    if (C == 0 || std::fabs(C) <= A * 1e-12L) return PasDeMoyenne;
    return Fini(static_cast<double>(S / C));
  }
};

double Quotient(long double somme, int n) { return n == 0 ? PasDeMoyenne : Fini(static_cast<double>(somme / n)); }

// The average of one subject and period as its grades come, in test order; the caller gives
// only grades of tests whose coefficient is not 0.
struct TPeriode {
  TSomme s;
  int nb = 0;
  double plusBasse = 0;
  double coefPlusBasse = 0;

  void Ajouter(double v, double coef, bool joker) {
    if (joker) {
      if (v == PasDeMoyenne) return;
      if (nb == 0 || v < plusBasse) {  // strict: the first of equal lowest grades is the one ignored
        plusBasse = v;
        coefPlusBasse = coef;
      }
      ++nb;
    }
    s.Ajouter(v, coef);
  }
  double Resultat(bool joker) {
    if (joker && nb >= 2) s.Retirer(plusBasse, coefPlusBasse);  // a single grade is never ignored
    return s.Resultat();
  }
};

double PeriodeDe(const TDevoir* devoirs, const TNotesPeriode& notes, bool joker) {
  TPeriode r;
  for (std::size_t k = 0; k < static_cast<std::size_t>(notes.n); ++k) {
    const double coef = devoirs[k].Coef;
    // A test of coefficient 0 counts for nothing, whatever its grade.
    if (notes.notes[k] && coef != 0) r.Ajouter(notes.valeurs[k], coef, joker);
  }
  return r.Resultat(joker);
}

template <typename L>
double Periode(const TClasse& c, const TEleve& el, int m, int p, bool joker, L& lire) {
  TNotesPeriode notes;
  LireNotes(el, m, p, c.NbDevoirs(m, p), lire, notes);
  return PeriodeDe(&c.Devoir(m, p, 1), notes, joker);
}

double CoefMatiere(const TClasse& c, int m, int p) { return c.Matiere(m).Coef[static_cast<std::size_t>(p)]; }

// The derived averages, from the period averages a[m - 1][p - 1] of one student; each
// computation goes through these, in one order, so that all callers get the same bits.
using TPeriodes = std::array<std::array<double, MaxPeriodes>, MaxMatieres>;

double AnnuelleDe(const TClasse& c, int m, const TPeriodes& a) {
  TSomme s;
  for (int p = 1; p <= c.NbPeriodes(); ++p)
    if (const double v = a[m - 1][p - 1]; v != PasDeMoyenne) s.Ajouter(v, CoefMatiere(c, m, p));
  return s.Resultat();
}

double SyntheseDe(const TClasse& c, int p, const TPeriodes& a) {
  TSomme s;
  for (int m = 1; m <= c.NbMatieres(); ++m)
    if (const double v = a[m - 1][p - 1]; v != PasDeMoyenne) s.Ajouter(v, CoefMatiere(c, m, p));
  return s.Resultat();
}

double SyntheseAnnuelleDe(const TClasse& c, const std::array<double, MaxMatieres>& annuelles) {
  TSomme s;
  for (int m = 1; m <= c.NbMatieres(); ++m) {
    if (annuelles[m - 1] == PasDeMoyenne) continue;
    long double coef = 0;
    for (int p = 1; p <= c.NbPeriodes(); ++p) coef += CoefMatiere(c, m, p);
    s.Ajouter(annuelles[m - 1], coef);
  }
  return s.Resultat();
}

template <typename L>
double Annuelle(const TClasse& c, const TEleve& el, int m, bool joker, L& lire) {
  TPeriodes a{};
  for (int p = 1; p <= c.NbPeriodes(); ++p) a[m - 1][p - 1] = Periode(c, el, m, p, joker, lire);
  return AnnuelleDe(c, m, a);
}

template <typename L>
double Synthese(const TClasse& c, const TEleve& el, int p, bool joker, L& lire) {
  TPeriodes a{};
  for (int m = 1; m <= c.NbMatieres(); ++m) a[m - 1][p - 1] = Periode(c, el, m, p, joker, lire);
  return SyntheseDe(c, p, a);
}

template <typename L>
double SyntheseAnnuelle(const TClasse& c, const TEleve& el, bool joker, L& lire) {
  TPeriodes a{};
  for (int m = 1; m <= c.NbMatieres(); ++m)
    for (int p = 1; p <= c.NbPeriodes(); ++p) a[m - 1][p - 1] = Periode(c, el, m, p, joker, lire);
  std::array<double, MaxMatieres> annuelles{};
  for (int m = 1; m <= c.NbMatieres(); ++m) annuelles[m - 1] = AnnuelleDe(c, m, a);
  return SyntheseAnnuelleDe(c, annuelles);
}

template <typename L>
double Vue(const TClasse& c, const TEleve& el, int m, int p, bool joker, L& lire) {
  if (m == 4 && p == 4) return SyntheseAnnuelle(c, el, joker, lire);
  if (m == 4) return Synthese(c, el, p, joker, lire);
  if (p == 4) return Annuelle(c, el, m, joker, lire);
  return Periode(c, el, m, p, joker, lire);
}

int Absences(const TClasse& c, const TEleve& el, int m, int p, const TOptions& o) {
  const TTexteNote* notes = el.Notes.data() + IndiceNote(m, p);
  int nb = 0;
  const int n = c.NbDevoirs(m, p);
  for (int k = 0; k < n; ++k)
    if (!Lire(notes[k], o).EstNote()) ++nb;
  return nb;
}

}  // namespace

double MoyenneEleve(const TClasse& c, int m, int p, int e, bool joker, const TOptions& o) {
  if (!MatiereValide(m) || !PeriodeValide(p) || !EleveValide(e)) return PasDeMoyenne;
  TLecteur lire{o};
  return Periode(c, c.Eleve(e), m, p, joker, lire);
}

double MoyenneJoker(const TClasse& c, int m, int p, int e, const TOptions& o) {
  return MoyenneEleve(c, m, p, e, true, o);
}

double MoyenneAnnuelle(const TClasse& c, int m, int e, bool joker, const TOptions& o) {
  if (!MatiereValide(m) || !EleveValide(e)) return PasDeMoyenne;
  TLecteur lire{o};
  return Annuelle(c, c.Eleve(e), m, joker, lire);
}

double MoyenneSynthese(const TClasse& c, int p, int e, bool joker, const TOptions& o) {
  if (!PeriodeValide(p) || !EleveValide(e)) return PasDeMoyenne;
  TLecteur lire{o};
  return Synthese(c, c.Eleve(e), p, joker, lire);
}

double MoyenneSyntheseAnnuelle(const TClasse& c, int e, bool joker, const TOptions& o) {
  if (!EleveValide(e)) return PasDeMoyenne;
  TLecteur lire{o};
  return SyntheseAnnuelle(c, c.Eleve(e), joker, lire);
}

double Moyenne(const TClasse& c, int m, int p, int e, bool joker, const TOptions& o) {
  if (!VueValide(m, p)) {
    Bip();
    return PasDeMoyenne;
  }
  if (!EleveValide(e)) return PasDeMoyenne;
  TLecteur lire{o};
  return Vue(c, c.Eleve(e), m, p, joker, lire);
}

double MoyenneDevoir(const TClasse& c, int m, int p, int k, const TOptions& o) {
  if (!MatiereValide(m) || !PeriodeValide(p) || k < 1 || k > MaxDevoirs) return PasDeMoyenne;
  long double somme = 0;
  int nb = 0;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const TNote note = Lire(c.Eleve(e).Notes[static_cast<std::size_t>(IndiceNote(m, p) + k - 1)], o);
    if (note.EstNote()) {
      somme += note.Valeur;
      ++nb;
    }
  }
  return Quotient(somme, nb);
}

double MoyenneClasse(const TClasse& c, int m, int p, bool joker, const TOptions& o) {
  if (!VueValide(m, p)) {  // one beep for the call, not one per student
    Bip();
    return PasDeMoyenne;
  }
  long double somme = 0;
  int nb = 0;
  TLecteurMemorise lire(o);
  for (int e = 1; e <= c.NbEleves(); ++e)
    if (const double a = Vue(c, c.Eleve(e), m, p, joker, lire); a != PasDeMoyenne) {
      somme += a;
      ++nb;
    }
  return Quotient(somme, nb);
}

int NbAbsences(const TClasse& c, int m, int p, int e, const TOptions& o) {
  if (!VueValide(m, p) || !EleveValide(e)) return 0;
  const TEleve& el = c.Eleve(e);
  int nb = 0;
  // Subject 4 and period 4 take all three, whatever NbMatieres and NbPeriodes.
  for (int mm = 1; mm <= MaxMatieres; ++mm)
    for (int pp = 1; pp <= MaxPeriodes; ++pp)
      if ((m == 4 || m == mm) && (p == 4 || p == pp)) nb += Absences(c, el, mm, pp, o);
  return nb;
}

int NbDevoirsAnnee(const TClasse& c, int m) {
  if (!MatiereValide(m)) return 0;
  int nb = 0;
  for (int p = 1; p <= c.NbPeriodes(); ++p) nb += c.NbDevoirs(m, p);
  return nb;
}

int NbDevoirsTotal(const TClasse& c) {
  int nb = 0;
  for (int m = 1; m <= MaxMatieres; ++m) nb += NbDevoirsAnnee(c, m);
  return nb;
}

double TMoyennes::Eleve(int e, int m, int p) const {
  if (!EleveValide(e) || !VueValide(m, p)) return PasDeMoyenne;
  return eleves[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(IndiceVue(m, p))];
}

double TMoyennes::Classe(int m, int p) const {
  return VueValide(m, p) ? classe[static_cast<std::size_t>(IndiceVue(m, p))] : PasDeMoyenne;
}

double TMoyennes::Devoir(int m, int p, int k) const {
  if (!MatiereValide(m) || !PeriodeValide(p) || k < 1 || k > MaxDevoirs) return PasDeMoyenne;
  return devoirs[static_cast<std::size_t>(IndiceNote(m, p) + k - 1)];
}

int TMoyennes::Absences(int e, int m, int p) const {
  if (!EleveValide(e) || !VueValide(m, p)) return 0;
  return absences[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(IndiceVue(m, p))];
}

void CalculerMoyennes(const TClasse& c, bool joker, TMoyennes& r, const TOptions& o) {
  for (auto& v : r.eleves) v.fill(PasDeMoyenne);
  for (auto& v : r.absences) v.fill(0);
  r.devoirs.fill(PasDeMoyenne);

  std::array<long double, NotesParEleve> sommesDevoirs{};
  std::array<std::uint8_t, NotesParEleve> nbDevoirs{};
  std::array<long double, 16> sommesClasse{};
  std::array<int, 16> nbClasse{};
  TLecteurMemorise lire(o);
  const int nbEleves = c.NbEleves();
  for (int e = 1; e <= nbEleves; ++e) {
    const TEleve& el = c.Eleve(e);
    auto& moyennes = r.eleves[static_cast<std::size_t>(e - 1)];
    auto& absences = r.absences[static_cast<std::size_t>(e - 1)];
    TPeriodes a{};
    TNotesPeriode notes;
    for (int m = 1; m <= MaxMatieres; ++m)
      for (int p = 1; p <= MaxPeriodes; ++p) {
        // The average of Periode, and the sums of the test averages and the absences.
        const int base = IndiceNote(m, p);
        const int n = c.NbDevoirs(m, p);
        LireNotes(el, m, p, n, lire, notes);
        int nbAbsences = 0;
        for (int k = 0; k < n; ++k) {
          const auto i = static_cast<std::size_t>(base + k);
          if (notes.notes[static_cast<std::size_t>(k)]) {
            sommesDevoirs[i] += notes.valeurs[static_cast<std::size_t>(k)];
            ++nbDevoirs[i];
          } else {
            ++nbAbsences;
          }
        }
        a[m - 1][p - 1] = PeriodeDe(&c.Devoir(m, p, 1), notes, joker);
        moyennes[static_cast<std::size_t>(IndiceVue(m, p))] = a[m - 1][p - 1];
        absences[static_cast<std::size_t>(IndiceVue(m, p))] = static_cast<std::int16_t>(nbAbsences);
      }
    std::array<double, MaxMatieres> annuelles{};
    for (int m = 1; m <= MaxMatieres; ++m) {
      annuelles[m - 1] = AnnuelleDe(c, m, a);
      moyennes[static_cast<std::size_t>(IndiceVue(m, 4))] = annuelles[m - 1];
    }
    for (int p = 1; p <= MaxPeriodes; ++p) moyennes[static_cast<std::size_t>(IndiceVue(4, p))] = SyntheseDe(c, p, a);
    moyennes[static_cast<std::size_t>(IndiceVue(4, 4))] = SyntheseAnnuelleDe(c, annuelles);

    for (int m = 1; m <= 3; ++m) {
      int annee = 0;
      for (int p = 1; p <= 3; ++p) annee += absences[static_cast<std::size_t>(IndiceVue(m, p))];
      absences[static_cast<std::size_t>(IndiceVue(m, 4))] = static_cast<std::int16_t>(annee);
    }
    for (int p = 1; p <= 4; ++p) {
      int toutes = 0;
      for (int m = 1; m <= 3; ++m) toutes += absences[static_cast<std::size_t>(IndiceVue(m, p))];
      absences[static_cast<std::size_t>(IndiceVue(4, p))] = static_cast<std::int16_t>(toutes);
    }
    for (std::size_t v = 0; v < 16; ++v)
      if (moyennes[v] != PasDeMoyenne) {
        sommesClasse[v] += moyennes[v];
        ++nbClasse[v];
      }
  }
  for (std::size_t v = 0; v < 16; ++v) r.classe[v] = Quotient(sommesClasse[v], nbClasse[v]);
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p)
      for (int k = 0; k < c.NbDevoirs(m, p); ++k) {
        const auto i = static_cast<std::size_t>(IndiceNote(m, p) + k);
        r.devoirs[i] = Quotient(sommesDevoirs[i], nbDevoirs[i]);
      }
}

void CalculerMoyennesVue(const TClasse& c, int m, int p, TMoyennesVue& r, const TOptions& o) {
  r.Eleves.fill(PasDeMoyenne);
  r.ElevesJoker.fill(PasDeMoyenne);
  r.Devoirs.fill(PasDeMoyenne);
  r.Classe = r.ClasseJoker = PasDeMoyenne;
  if (!MatiereValide(m) || !PeriodeValide(p)) return;
  const int n = c.NbDevoirs(m, p);
  std::array<long double, MaxDevoirs> sommes{};
  std::array<int, MaxDevoirs> nbNotes{};
  long double classe = 0;
  long double classeJoker = 0;
  int nb = 0;
  int nbJoker = 0;
  TLecteurMemorise lire(o);
  TNotesPeriode notes;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    LireNotes(c.Eleve(e), m, p, n, lire, notes);
    for (int k = 0; k < n; ++k)
      if (notes.notes[static_cast<std::size_t>(k)]) {
        sommes[static_cast<std::size_t>(k)] += notes.valeurs[static_cast<std::size_t>(k)];
        ++nbNotes[static_cast<std::size_t>(k)];
      }
    const auto i = static_cast<std::size_t>(e - 1);
    if (n > 0) {
      r.Eleves[i] = PeriodeDe(&c.Devoir(m, p, 1), notes, false);
      r.ElevesJoker[i] = PeriodeDe(&c.Devoir(m, p, 1), notes, true);
    }
    if (r.Eleves[i] != PasDeMoyenne) {
      classe += r.Eleves[i];
      ++nb;
    }
    if (r.ElevesJoker[i] != PasDeMoyenne) {
      classeJoker += r.ElevesJoker[i];
      ++nbJoker;
    }
  }
  for (int k = 0; k < n; ++k)
    r.Devoirs[static_cast<std::size_t>(k)] =
        Quotient(sommes[static_cast<std::size_t>(k)], nbNotes[static_cast<std::size_t>(k)]);
  r.Classe = Quotient(classe, nb);
  r.ClasseJoker = Quotient(classeJoker, nbJoker);
}

bool VerifierDomaine(double max, double valeur, const TOptions& o) {
  if (!o.verification) return true;
  if (valeur >= 0 && valeur <= max) return true;
  Alerter(TGenreAlerte::Avertissement, "Le nombre " + FormaterDecimales(valeur, 2) +
                                           " est en dehors du domaine de validit\xC3\xA9.\r( De 0 \xC3\xA0 " +
                                           FormaterNombre(max) + " )");
  return false;
}

}  // namespace calevrin
