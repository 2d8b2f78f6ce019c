#include "model/tableau.h"

#include <array>
#include <string_view>

#include "model/dates.h"
#include "model/formatage.h"
#include "model/moyennes.h"

namespace calevrin {

namespace {

constexpr char Tab = '\t';
constexpr char Cr = '\r';

bool Separe(char ch) { return ch == Tab || ch == Cr || ch == '\n'; }

// A stored text, a TAB or a line end inside it becoming a blank.
char* Copier(char* d, std::string_view s) {
  for (const char ch : s) *d++ = Separe(ch) ? ' ' : ch;
  return d;
}

class TEcriture {
 public:
  TEcriture(const TClasse& c, const TOptions& o) : c_(c), o_(o) { t_.reserve(8192); }

  std::string Fin() { return std::move(t_); }

  void Champ(std::string_view s) {
    const std::size_t debut = t_.size();
    t_ += s;
    for (std::size_t i = debut; i < t_.size(); ++i)
      if (Separe(t_[i])) t_[i] = ' ';
  }
  void Separateur() { t_ += Tab; }
  void FinLigne() { t_ += Cr; }
  void ChampMoyenne(double v) {
    t_ += Tab;
    t_ += FormaterMoyenne(c_.Arrondi(), v);
  }
  void Nom(int e) { NomEtNotes(e, 1, 1, 0); }
  // NomComplet, then the student's grades k = 1..m of the subject and period; the line is
  // built in place, this being most of the text.
  void NomEtNotes(int e, int s, int p, int m) {
    std::array<char, 2 * TNom::Capacite + 1 + MaxDevoirs*(1 + TTexteNote::Capacite)> ligne;
    const TEleve& el = c_.Eleve(e);
    char* d = Copier(ligne.data(), el.Nom.Vue());
    if (o_.prenom) {
      *d++ = ' ';
      d = Copier(d, el.Prenom.Vue());
    }
    if (m > 0) {
      const TTexteNote* notes = &el.Note(s, p, 1);  // k fastest in the student's record
      for (int k = 0; k < m; ++k) {
        *d++ = Tab;
        d = Copier(d, notes[k].Vue());
      }
    }
    t_.append(ligne.data(), static_cast<std::size_t>(d - ligne.data()));
  }

  void Titre(int s, int p) {
    Champ(ConstruireTitre(c_, s, p, 0, 0, o_.imprimerAnnee, o_));
    FinLigne();
  }

  void VueDevoirs(int s, int p);
  void Synthese(int p);
  void Annee(int s);

 private:
  const TClasse& c_;
  const TOptions& o_;
  std::string t_;
};

void TEcriture::VueDevoirs(int s, int p) {
  const int n = c_.NbEleves();
  const int m = c_.NbDevoirs(s, p);
  const bool joker = c_.Joker();
  TMoyennesVue moy;
  CalculerMoyennesVue(c_, s, p, moy, o_);
  for (int e = 1; e <= n; ++e) {
    NomEtNotes(e, s, p, m);
    ChampMoyenne(moy.Eleves[static_cast<std::size_t>(e - 1)]);
    if (joker) ChampMoyenne(moy.ElevesJoker[static_cast<std::size_t>(e - 1)]);
    FinLigne();
  }
  // Under the grades, the test averages; under the students' averages, their class
  // average. The Joker column has none: its line is one field shorter.
  for (int k = 1; k <= m; ++k) ChampMoyenne(moy.Devoirs[static_cast<std::size_t>(k - 1)]);
  ChampMoyenne(moy.Classe);

  if (!o_.textebas) return;
  FinLigne();
  t_ +=
      "Num\tCoef.\tDur\xE9"
      "e\tDate";  // the comment column has no header
  for (int k = 1; k <= m; ++k) {
    const TDevoir& d = c_.Devoir(s, p, k);
    FinLigne();
    t_ += std::to_string(k);
    Separateur();
    t_ += FormaterNombre(d.Coef);
    Separateur();
    Champ(d.Duree.Vue());
    Separateur();
    Champ(d.Date.Vue());
    Separateur();
    Champ(d.Commentaire.Vue());
  }
  FinLigne();
  t_ += "Arrondi des moyennes: ";
  t_ += NomArrondi(c_.Arrondi());
}

// These views show averages over several subjects or periods: one pass over the whole class
// computes them all, where each Moyenne would read its grades again.
void TEcriture::Synthese(int p) {
  const int n = c_.NbEleves();
  const int nbMatieres = c_.NbMatieres();
  TMoyennes moyennes;
  CalculerMoyennes(c_, c_.Joker(), moyennes, o_);
  for (int t = 1; t <= nbMatieres; ++t) {
    Separateur();
    Champ(c_.Matiere(t).Nom.Vue());
  }
  FinLigne();
  for (int t = 1; t <= nbMatieres; ++t) {
    const auto& coef = c_.Matiere(t).Coef;
    Separateur();
    if (p <= MaxPeriodes) {
      t_ += FormaterNombre(coef[static_cast<std::size_t>(p)]);
    } else {
      t_ += FormaterNombre(coef[1]);
      t_ += '+';
      t_ += FormaterNombre(coef[2]);
      if (c_.NbPeriodes() == 3) {
        t_ += '+';
        t_ += FormaterNombre(coef[3]);
      }
    }
  }
  FinLigne();
  for (int e = 1; e <= n; ++e) {
    Nom(e);
    for (int t = 1; t <= nbMatieres; ++t) ChampMoyenne(moyennes.Eleve(e, t, p));
    ChampMoyenne(moyennes.Eleve(e, 4, p));
    FinLigne();
  }
  for (int t = 1; t <= nbMatieres; ++t) ChampMoyenne(moyennes.Classe(t, p));
  ChampMoyenne(moyennes.Classe(4, p));
}

void TEcriture::Annee(int s) {
  const int n = c_.NbEleves();
  const int nbPeriodes = c_.NbPeriodes();
  TMoyennes moyennes;
  CalculerMoyennes(c_, c_.Joker(), moyennes, o_);
  for (int q = 1; q <= nbPeriodes; ++q) {
    Separateur();
    t_ += NomCourtPeriode(nbPeriodes);
    t_ += ' ';
    t_ += static_cast<char>('0' + q);
  }
  FinLigne();
  for (int q = 1; q <= nbPeriodes; ++q) {
    Separateur();
    t_ += FormaterNombre(c_.Matiere(s).Coef[static_cast<std::size_t>(q)]);
  }
  FinLigne();
  for (int e = 1; e <= n; ++e) {
    Nom(e);
    for (int q = 1; q <= nbPeriodes; ++q) ChampMoyenne(moyennes.Eleve(e, s, q));
    ChampMoyenne(moyennes.Eleve(e, s, 4));
    FinLigne();
  }
  for (int q = 1; q <= nbPeriodes; ++q) ChampMoyenne(moyennes.Classe(s, q));
  ChampMoyenne(moyennes.Classe(s, 4));
}

}  // namespace

std::string TexteTableau(const TClasse& c, const TOptions& o) {
  const int s = c.MatiereCourante();
  const int p = c.PeriodeCourante();
  TEcriture t(c, o);
  t.Titre(s, p);
  if (s == 4)
    t.Synthese(p);
  else if (p == 4)
    t.Annee(s);
  else
    t.VueDevoirs(s, p);
  return t.Fin();
}

}  // namespace calevrin
