#include "model/moyennes.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <memory>
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

// Every computation reads a grade through here, so that all of them agree with LireNote.
struct TLecteur {
  const TOptions& o;
  TNote operator()(const TTexteNote& t) const { return LireNote(t.Vue(), o); }
};

// The grades of one subject and period, read before any sum so that the extended-precision
// sums stay in registers: no call in their loops.
struct TNotesPeriode {
  std::array<double, MaxDevoirs> valeurs;
  std::array<std::uint8_t, MaxDevoirs> genres;
};

template <typename L>
void LireNotes(const TEleve& el, int m, int p, int n, L& lire, TNotesPeriode& r) {
  const TTexteNote* textes = el.Notes.data() + IndiceNote(m, p);
  for (int k = 0; k < n; ++k) {
    const TNote note = lire(textes[k]);
    r.valeurs[static_cast<std::size_t>(k)] = note.Valeur;
    r.genres[static_cast<std::size_t>(k)] = note.Genre;
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

  template <bool Joker>
  void Ajouter(double v, double coef) {
    if constexpr (Joker) {
      if (v == PasDeMoyenne) return;
      if (nb == 0 || v < plusBasse) {  // strict: the first of equal lowest grades is the one ignored
        plusBasse = v;
        coefPlusBasse = coef;
      }
      ++nb;
    }
    s.Ajouter(v, coef);
  }
  template <bool Joker>
  double Resultat() {
    if (Joker && nb >= 2) s.Retirer(plusBasse, coefPlusBasse);  // a single grade is never ignored
    return s.Resultat();
  }
};

// coef(k) is the coefficient of the k-th test (from 0) of the period.
template <bool Joker, typename Coefs>
double PeriodeDe(const Coefs& coef, const double* valeurs, const std::uint8_t* genres, int n) {
  TPeriode r;
  for (int k = 0; k < n; ++k) {
    const double c = coef(k);
    // A test of coefficient 0 counts for nothing, whatever its grade.
    if (genres[k] != NoteInvalide && c != 0) r.Ajouter<Joker>(valeurs[k], c);
  }
  return r.Resultat<Joker>();
}

template <typename Coefs>
double PeriodeDe(const Coefs& coef, const double* valeurs, const std::uint8_t* genres, int n, bool joker) {
  return joker ? PeriodeDe<true>(coef, valeurs, genres, n) : PeriodeDe<false>(coef, valeurs, genres, n);
}

template <typename L>
double Periode(const TClasse& c, const TEleve& el, int m, int p, bool joker, L& lire) {
  const int n = c.NbDevoirs(m, p);
  TNotesPeriode notes;
  LireNotes(el, m, p, n, lire, notes);
  const TDevoir* devoirs = &c.Devoir(m, p, 1);
  return PeriodeDe([devoirs](int k) { return devoirs[k].Coef; }, notes.valeurs.data(), notes.genres.data(), n, joker);
}

// The subjects' coefficients and the counts the derived averages read, taken from the class
// once, so that their sums in extended precision call nothing.
struct TCoefsMatieres {
  std::array<std::array<double, MaxPeriodes + 1>, MaxMatieres> coef{};  // [m - 1][p], p 1..3
  int nbMatieres;
  int nbPeriodes;

  explicit TCoefsMatieres(const TClasse& c) : nbMatieres(c.NbMatieres()), nbPeriodes(c.NbPeriodes()) {
    for (int m = 1; m <= MaxMatieres; ++m)
      for (int p = 1; p <= MaxPeriodes; ++p)
        coef[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(p)] =
            c.Matiere(m).Coef[static_cast<std::size_t>(p)];
  }
  double operator()(int m, int p) const { return coef[static_cast<std::size_t>(m - 1)][static_cast<std::size_t>(p)]; }
};

// The derived averages, from the period averages a[m - 1][p - 1] of one student; each
// computation goes through these, in one order, so that all callers get the same bits.
using TPeriodes = std::array<std::array<double, MaxPeriodes>, MaxMatieres>;

double AnnuelleDe(const TCoefsMatieres& c, int m, const TPeriodes& a) {
  TSomme s;
  for (int p = 1; p <= c.nbPeriodes; ++p)
    if (const double v = a[m - 1][p - 1]; v != PasDeMoyenne) s.Ajouter(v, c(m, p));
  return s.Resultat();
}

double SyntheseDe(const TCoefsMatieres& c, int p, const TPeriodes& a) {
  TSomme s;
  for (int m = 1; m <= c.nbMatieres; ++m)
    if (const double v = a[m - 1][p - 1]; v != PasDeMoyenne) s.Ajouter(v, c(m, p));
  return s.Resultat();
}

double SyntheseAnnuelleDe(const TCoefsMatieres& c, const std::array<double, MaxMatieres>& annuelles) {
  TSomme s;
  for (int m = 1; m <= c.nbMatieres; ++m) {
    if (annuelles[m - 1] == PasDeMoyenne) continue;
    long double coef = 0;
    for (int p = 1; p <= c.nbPeriodes; ++p) coef += c(m, p);
    s.Ajouter(annuelles[m - 1], coef);
  }
  return s.Resultat();
}

template <typename L>
double Annuelle(const TClasse& c, const TEleve& el, int m, bool joker, L& lire) {
  TPeriodes a{};
  for (int p = 1; p <= c.NbPeriodes(); ++p) a[m - 1][p - 1] = Periode(c, el, m, p, joker, lire);
  return AnnuelleDe(TCoefsMatieres(c), m, a);
}

template <typename L>
double Synthese(const TClasse& c, const TEleve& el, int p, bool joker, L& lire) {
  TPeriodes a{};
  for (int m = 1; m <= c.NbMatieres(); ++m) a[m - 1][p - 1] = Periode(c, el, m, p, joker, lire);
  return SyntheseDe(TCoefsMatieres(c), p, a);
}

template <typename L>
double SyntheseAnnuelle(const TClasse& c, const TEleve& el, bool joker, L& lire) {
  TPeriodes a{};
  for (int m = 1; m <= c.NbMatieres(); ++m)
    for (int p = 1; p <= c.NbPeriodes(); ++p) a[m - 1][p - 1] = Periode(c, el, m, p, joker, lire);
  const TCoefsMatieres coefs(c);
  std::array<double, MaxMatieres> annuelles{};
  for (int m = 1; m <= c.NbMatieres(); ++m) annuelles[m - 1] = AnnuelleDe(coefs, m, a);
  return SyntheseAnnuelleDe(coefs, annuelles);
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
    if (!LireNote(notes[k].Vue(), o).EstNote()) ++nb;
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
    const TNote note = LireNote(c.Eleve(e).Notes[static_cast<std::size_t>(IndiceNote(m, p) + k - 1)].Vue(), o);
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
  TLecteur lire{o};
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

void LireValeurs(const TClasse& c, const TOptions& o, TValeursNotes& v) {
  const int nbEleves = c.NbEleves();
  for (int e = 1; e <= MaxEleves; ++e) {
    auto& valeurs = v.Valeurs[static_cast<std::size_t>(e - 1)];
    auto& genres = v.Genres[static_cast<std::size_t>(e - 1)];
    if (e > nbEleves) {
      valeurs.fill(PasDeMoyenne);
      genres.fill(NoteInvalide);
      continue;
    }
    const TEleve& el = c.Eleve(e);
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
      const TNote n = LireNote(el.Notes[i].Vue(), o);
      valeurs[i] = n.Valeur;
      genres[i] = n.Genre;
    }
  }
}

void LireValeur(const TClasse& c, const TOptions& o, int e, int m, int p, int k, TValeursNotes& v) {
  if (!EleveValide(e) || !MatiereValide(m) || !PeriodeValide(p) || k < 1 || k > MaxDevoirs) return;
  const int i = IndiceNote(m, p) + k - 1;
  v.Fixer(e, i, e <= c.NbEleves() ? LireNote(c.Eleve(e).Notes[static_cast<std::size_t>(i)].Vue(), o) : TNote{});
}

void CalculerMoyennes(const TClasse& c, bool joker, TMoyennes& r, const TOptions& o) {
  const auto v = std::make_unique<TValeursNotes>();
  LireValeurs(c, o, *v);
  CalculerMoyennes(c, *v, joker, r);
}

namespace {

// What the computations from values read of the class, taken once per computation so that
// their loops call nothing.
struct TForme {
  int nbEleves;
  std::array<int, MaxMatieres * MaxPeriodes> nbDevoirs;  // [(m - 1) * 3 + p - 1]
  std::array<double, NotesParEleve> coefs{};             // of the tests, indexed as the grades
  TCoefsMatieres matieres;

  explicit TForme(const TClasse& c) : nbEleves(c.NbEleves()), nbDevoirs(), matieres(c) {
    for (int m = 1; m <= MaxMatieres; ++m)
      for (int p = 1; p <= MaxPeriodes; ++p) {
        const int n = c.NbDevoirs(m, p);
        nbDevoirs[static_cast<std::size_t>((m - 1) * MaxPeriodes + p - 1)] = n;
        const TDevoir* devoirs = n > 0 ? &c.Devoir(m, p, 1) : nullptr;
        for (int k = 0; k < n; ++k) coefs[static_cast<std::size_t>(IndiceNote(m, p) + k)] = devoirs[k].Coef;
      }
  }
  int NbDevoirs(int m, int p) const { return nbDevoirs[static_cast<std::size_t>((m - 1) * MaxPeriodes + p - 1)]; }
};

// The 16 averages and the absences of student e.
template <bool Joker>
void CalculerEleve(const TForme& f, const TValeursNotes& v, int e, TMoyennes& r) {
  const double* valeurs = v.Valeurs[static_cast<std::size_t>(e - 1)].data();
  const std::uint8_t* genres = v.Genres[static_cast<std::size_t>(e - 1)].data();
  auto& moyennes = r.eleves[static_cast<std::size_t>(e - 1)];
  auto& absences = r.absences[static_cast<std::size_t>(e - 1)];
  TPeriodes a{};
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      const int debut = IndiceNote(m, p);
      const int n = f.NbDevoirs(m, p);
      const double* coefs = f.coefs.data() + debut;
      a[m - 1][p - 1] = PeriodeDe<Joker>([coefs](int k) { return coefs[k]; }, valeurs + debut, genres + debut, n);
      int nbAbsences = 0;
      for (int k = 0; k < n; ++k) nbAbsences += genres[debut + k] == NoteInvalide ? 1 : 0;
      moyennes[static_cast<std::size_t>(IndiceVue(m, p))] = a[m - 1][p - 1];
      absences[static_cast<std::size_t>(IndiceVue(m, p))] = static_cast<std::int16_t>(nbAbsences);
    }
  std::array<double, MaxMatieres> annuelles{};
  for (int m = 1; m <= MaxMatieres; ++m) {
    annuelles[m - 1] = AnnuelleDe(f.matieres, m, a);
    moyennes[static_cast<std::size_t>(IndiceVue(m, 4))] = annuelles[m - 1];
  }
  for (int p = 1; p <= MaxPeriodes; ++p)
    moyennes[static_cast<std::size_t>(IndiceVue(4, p))] = SyntheseDe(f.matieres, p, a);
  moyennes[static_cast<std::size_t>(IndiceVue(4, 4))] = SyntheseAnnuelleDe(f.matieres, annuelles);

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
}

void CalculerEleve(const TForme& f, const TValeursNotes& v, bool joker, int e, TMoyennes& r) {
  if (joker)
    CalculerEleve<true>(f, v, e, r);
  else
    CalculerEleve<false>(f, v, e, r);
}

// The class averages, summed in student order as MoyenneClasse does, one view at a time so
// that the sum stays in a register.
void CalculerClasse(int nbEleves, TMoyennes& r) {
  for (std::size_t vue = 0; vue < 16; ++vue) {
    long double somme = 0;
    int nb = 0;
    for (std::size_t e = 0; e < static_cast<std::size_t>(nbEleves); ++e)
      if (const double a = r.eleves[e][vue]; a != PasDeMoyenne) {
        somme += a;
        ++nb;
      }
    r.classe[vue] = Quotient(somme, nb);
  }
}

// The average of the test at index i of the grades, summed in student order as MoyenneDevoir does.
void CalculerDevoir(const TValeursNotes& v, int nbEleves, std::size_t i, TMoyennes& r) {
  long double somme = 0;
  int nb = 0;
  for (std::size_t e = 0; e < static_cast<std::size_t>(nbEleves); ++e)
    if (v.Genres[e][i] != NoteInvalide) {
      somme += v.Valeurs[e][i];
      ++nb;
    }
  r.devoirs[i] = Quotient(somme, nb);
}

// The same for four tests side by side: four independent sums keep the unit busy while each
// waits on its previous addition. Named variables, not an array, so that they stay in registers.
void CalculerQuatreDevoirs(const TValeursNotes& v, int nbEleves, std::size_t i, TMoyennes& r) {
  long double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
  int n0 = 0, n1 = 0, n2 = 0, n3 = 0;
  for (std::size_t e = 0; e < static_cast<std::size_t>(nbEleves); ++e) {
    const double* x = v.Valeurs[e].data() + i;
    const std::uint8_t* g = v.Genres[e].data() + i;
    if (g[0] != NoteInvalide) s0 += x[0], ++n0;
    if (g[1] != NoteInvalide) s1 += x[1], ++n1;
    if (g[2] != NoteInvalide) s2 += x[2], ++n2;
    if (g[3] != NoteInvalide) s3 += x[3], ++n3;
  }
  r.devoirs[i] = Quotient(s0, n0);
  r.devoirs[i + 1] = Quotient(s1, n1);
  r.devoirs[i + 2] = Quotient(s2, n2);
  r.devoirs[i + 3] = Quotient(s3, n3);
}

}  // namespace

void CalculerMoyennes(const TClasse& c, const TValeursNotes& valeurs, bool joker, TMoyennes& r) {
  const TForme f(c);
  for (auto& v : r.eleves) v.fill(PasDeMoyenne);
  for (auto& v : r.absences) v.fill(0);
  r.devoirs.fill(PasDeMoyenne);
  for (int e = 1; e <= f.nbEleves; ++e) CalculerEleve(f, valeurs, joker, e, r);
  CalculerClasse(f.nbEleves, r);
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      const int n = f.NbDevoirs(m, p);
      int k = 0;
      const auto debut = static_cast<std::size_t>(IndiceNote(m, p));
      for (; k + 4 <= n; k += 4) CalculerQuatreDevoirs(valeurs, f.nbEleves, debut + static_cast<std::size_t>(k), r);
      for (; k < n; ++k) CalculerDevoir(valeurs, f.nbEleves, debut + static_cast<std::size_t>(k), r);
    }
}

void MettreAJourMoyennes(const TClasse& c, const TValeursNotes& valeurs, bool joker,
                         const std::bitset<MaxEleves>& eleves, const std::bitset<NotesParEleve>& devoirs,
                         TMoyennes& r) {
  const TForme f(c);
  for (int e = 1; e <= f.nbEleves; ++e)
    if (eleves[static_cast<std::size_t>(e - 1)]) CalculerEleve(f, valeurs, joker, e, r);
  CalculerClasse(f.nbEleves, r);
  for (int i = 0; i < NotesParEleve; ++i)
    if (devoirs[static_cast<std::size_t>(i)] && i % MaxDevoirs < f.nbDevoirs[static_cast<std::size_t>(i / MaxDevoirs)])
      CalculerDevoir(valeurs, f.nbEleves, static_cast<std::size_t>(i), r);
}

void CalculerMoyennesVue(const TClasse& c, int m, int p, TMoyennesVue& r, const TOptions& o) {
  const auto v = std::make_unique<TValeursNotes>();
  if (MatiereValide(m) && PeriodeValide(p))
    for (int e = 1; e <= c.NbEleves(); ++e)
      for (int k = 1; k <= c.NbDevoirs(m, p); ++k) LireValeur(c, o, e, m, p, k, *v);
  CalculerMoyennesVue(c, *v, m, p, r);
}

void CalculerMoyennesVue(const TClasse& c, const TValeursNotes& valeurs, int m, int p, TMoyennesVue& r) {
  r.Eleves.fill(PasDeMoyenne);
  r.ElevesJoker.fill(PasDeMoyenne);
  r.Devoirs.fill(PasDeMoyenne);
  r.Classe = r.ClasseJoker = PasDeMoyenne;
  if (!MatiereValide(m) || !PeriodeValide(p)) return;
  const int n = c.NbDevoirs(m, p);
  const TDevoir* devoirs = n > 0 ? &c.Devoir(m, p, 1) : nullptr;
  const auto coef = [devoirs](int k) { return devoirs[k].Coef; };
  std::array<long double, MaxDevoirs> sommes{};
  std::array<int, MaxDevoirs> nbNotes{};
  long double classe = 0;
  long double classeJoker = 0;
  int nb = 0;
  int nbJoker = 0;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    const double* v = valeurs.Valeurs[static_cast<std::size_t>(e - 1)].data() + IndiceNote(m, p);
    const std::uint8_t* g = valeurs.Genres[static_cast<std::size_t>(e - 1)].data() + IndiceNote(m, p);
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
      if (g[k] != NoteInvalide) {
        sommes[k] += v[k];
        ++nbNotes[k];
      }
    const auto i = static_cast<std::size_t>(e - 1);
    if (n > 0) {
      r.Eleves[i] = PeriodeDe<false>(coef, v, g, n);
      r.ElevesJoker[i] = PeriodeDe<true>(coef, v, g, n);
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
