#include "model/moyennes.h"

#include <algorithm>
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
  std::array<bool, MaxDevoirs> notes;
  int n = 0;
};

// Gives the number of those that are not grades (absences and other codes).
int CopierNotes(const TNote* source, int n, TNotesPeriode& r) {
  r.n = n;
  int nonNotes = 0;
  for (int k = 0; k < n; ++k) {
    r.valeurs[static_cast<std::size_t>(k)] = source[k].Valeur;
    r.notes[static_cast<std::size_t>(k)] = source[k].EstNote();
    nonNotes += source[k].EstNote() ? 0 : 1;
  }
  return nonNotes;
}

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

template <bool Joker>
double PeriodeDe(const TDevoir* devoirs, const TNotesPeriode& notes) {
  TPeriode r;
  for (std::size_t k = 0; k < static_cast<std::size_t>(notes.n); ++k) {
    const double coef = devoirs[k].Coef;
    // A test of coefficient 0 counts for nothing, whatever its grade.
    if (notes.notes[k] && coef != 0) r.Ajouter<Joker>(notes.valeurs[k], coef);
  }
  return r.Resultat<Joker>();
}

double PeriodeDe(const TDevoir* devoirs, const TNotesPeriode& notes, bool joker) {
  return joker ? PeriodeDe<true>(devoirs, notes) : PeriodeDe<false>(devoirs, notes);
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
    auto& notes = v.Notes[static_cast<std::size_t>(e - 1)];
    if (e > nbEleves) {
      notes.fill(TNote{});
      continue;
    }
    const TEleve& el = c.Eleve(e);
    for (std::size_t i = 0; i < notes.size(); ++i) notes[i] = LireNote(el.Notes[i].Vue(), o);
  }
}

void LireValeur(const TClasse& c, const TOptions& o, int e, int m, int p, int k, TValeursNotes& v) {
  if (!EleveValide(e) || !MatiereValide(m) || !PeriodeValide(p) || k < 1 || k > MaxDevoirs) return;
  const auto i = static_cast<std::size_t>(IndiceNote(m, p) + k - 1);
  v.Notes[static_cast<std::size_t>(e - 1)][i] = e <= c.NbEleves() ? LireNote(c.Eleve(e).Notes[i].Vue(), o) : TNote{};
}

void CalculerMoyennes(const TClasse& c, bool joker, TMoyennes& r, const TOptions& o) {
  const auto v = std::make_unique<TValeursNotes>();
  LireValeurs(c, o, *v);
  CalculerMoyennes(c, *v, joker, r);
}

namespace {

// The 16 averages and absences of student e; with sommes, also adds the student's grades to the
// sums of the test averages.
struct TSommesDevoirs {
  std::array<long double, NotesParEleve> sommes{};
  std::array<int, NotesParEleve> nb{};
};

void CalculerEleve(const TClasse& c, const TValeursNotes& valeurs, bool joker, int e, TMoyennes& r,
                   TSommesDevoirs* devoirs = nullptr) {
  const TNote* notesEleve = valeurs.Notes[static_cast<std::size_t>(e - 1)].data();
  auto& moyennes = r.eleves[static_cast<std::size_t>(e - 1)];
  auto& absences = r.absences[static_cast<std::size_t>(e - 1)];
  TPeriodes a{};
  TNotesPeriode notes;
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      const int n = c.NbDevoirs(m, p);
      const int nbAbsences = CopierNotes(notesEleve + IndiceNote(m, p), n, notes);
      if (devoirs != nullptr)
        for (int k = 0; k < n; ++k)
          if (notes.notes[static_cast<std::size_t>(k)]) {
            const auto i = static_cast<std::size_t>(IndiceNote(m, p) + k);
            devoirs->sommes[i] += notes.valeurs[static_cast<std::size_t>(k)];
            ++devoirs->nb[i];
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
}

// The class averages, summed in student order as MoyenneClasse does.
void CalculerClasse(int nbEleves, TMoyennes& r) {
  std::array<long double, 16> sommes{};
  std::array<int, 16> nb{};
  for (int e = 1; e <= nbEleves; ++e) {
    const auto& moyennes = r.eleves[static_cast<std::size_t>(e - 1)];
    for (std::size_t v = 0; v < 16; ++v)
      if (moyennes[v] != PasDeMoyenne) {
        sommes[v] += moyennes[v];
        ++nb[v];
      }
  }
  for (std::size_t v = 0; v < 16; ++v) r.classe[v] = Quotient(sommes[v], nb[v]);
}

// The average of one test over the class, in student order as MoyenneDevoir does.
void CalculerDevoir(const TClasse& c, const TValeursNotes& valeurs, int m, int p, int k, TMoyennes& r) {
  const auto i = static_cast<std::size_t>(IndiceNote(m, p) + k - 1);
  long double somme = 0;
  int nb = 0;
  for (int e = 1; e <= c.NbEleves(); ++e)
    if (const TNote& note = valeurs.Notes[static_cast<std::size_t>(e - 1)][i]; note.EstNote()) {
      somme += note.Valeur;
      ++nb;
    }
  r.devoirs[i] = Quotient(somme, nb);
}

}  // namespace

void CalculerMoyennes(const TClasse& c, const TValeursNotes& valeurs, bool joker, TMoyennes& r) {
  for (auto& v : r.eleves) v.fill(PasDeMoyenne);
  for (auto& v : r.absences) v.fill(0);
  r.devoirs.fill(PasDeMoyenne);
  TSommesDevoirs devoirs;
  for (int e = 1; e <= c.NbEleves(); ++e) CalculerEleve(c, valeurs, joker, e, r, &devoirs);
  CalculerClasse(c.NbEleves(), r);
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p)
      for (int k = 0; k < c.NbDevoirs(m, p); ++k) {
        const auto i = static_cast<std::size_t>(IndiceNote(m, p) + k);
        r.devoirs[i] = Quotient(devoirs.sommes[i], devoirs.nb[i]);
      }
}

void MettreAJourMoyennes(const TClasse& c, const TValeursNotes& valeurs, bool joker, int e, int m, int p, int k,
                         TMoyennes& r) {
  if (!EleveValide(e) || e > c.NbEleves() || !MatiereValide(m) || !PeriodeValide(p) || k < 1 || k > c.NbDevoirs(m, p))
    return;
  CalculerEleve(c, valeurs, joker, e, r);
  CalculerClasse(c.NbEleves(), r);
  CalculerDevoir(c, valeurs, m, p, k, r);
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
  std::array<long double, MaxDevoirs> sommes{};
  std::array<int, MaxDevoirs> nbNotes{};
  long double classe = 0;
  long double classeJoker = 0;
  int nb = 0;
  int nbJoker = 0;
  TNotesPeriode notes;
  for (int e = 1; e <= c.NbEleves(); ++e) {
    CopierNotes(valeurs.Notes[static_cast<std::size_t>(e - 1)].data() + IndiceNote(m, p), n, notes);
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
