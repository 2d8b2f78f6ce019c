#include "model/figures.h"

#include "model/fichierclasse.h"
#include "model/note.h"

namespace calevrin {

TFiguresClasse::TFiguresClasse()
    : valeurs_(std::make_unique<TValeursNotes>()),
      sansJoker_(std::make_unique<TMoyennes>()),
      avecJoker_(std::make_unique<TMoyennes>()) {}

TFiguresClasse::TFiguresClasse(const TClasse& c, const TOptions& o) : TFiguresClasse() { Calculer(c, o); }

void TFiguresClasse::Calculer(const TClasse& c, const TOptions& o) {
  LireValeurs(c, o, *valeurs_);
  MoyennesChangees(c);
}

void TFiguresClasse::NoteChangee(const TClasse& c, const TOptions& o, int e, int m, int p, int k) {
  if (e < 1 || e > MaxEleves || m < 1 || m > MaxMatieres || p < 1 || p > MaxPeriodes || k < 1 || k > MaxDevoirs) return;
  LireValeur(c, o, e, m, p, k, *valeurs_);
  std::bitset<MaxEleves> eleves;
  std::bitset<NotesParEleve> devoirs;
  eleves.set(static_cast<std::size_t>(e - 1));
  devoirs.set(static_cast<std::size_t>(((m - 1) * MaxPeriodes + p - 1) * MaxDevoirs + k - 1));
  NotesChangees(c, eleves, devoirs);
}

void TFiguresClasse::NotesChangees(const TClasse& c, const std::bitset<MaxEleves>& eleves,
                                   const std::bitset<NotesParEleve>& devoirs) {
  MettreAJourMoyennes(c, *valeurs_, false, eleves, devoirs, *sansJoker_);
  MettreAJourMoyennes(c, *valeurs_, true, eleves, devoirs, *avecJoker_);
}

void TFiguresClasse::MoyennesChangees(const TClasse& c) {
  CalculerMoyennes(c, *valeurs_, false, *sansJoker_);
  CalculerMoyennes(c, *valeurs_, true, *avecJoker_);
}

namespace {

// Where the record keeps what the figures read: the grade texts within each student, the
// number of students, and the view shown (which changes no figure).
constexpr std::size_t DebutNotes = 2 * sizeof(TNom) + sizeof(TChaine<8>);
constexpr std::size_t TailleTexteNote = sizeof(TTexteNote);
constexpr std::size_t PosNbEleves = PosCompteurs;
constexpr std::size_t PosVue = PosCompteurs + 2;  // the current subject, then period
static_assert(DebutNotes + NotesParEleve * TailleTexteNote == TailleEleve);

}  // namespace

void TFiguresClasse::Appliquer(const TClasse& c, const TOptions& o, const TDifference& d) {
  bool moyennes = false;
  std::bitset<MaxEleves> eleves;
  std::bitset<NotesParEleve> devoirs;
  for (const TPlage& plage : d.Plages)
    for (std::size_t i = plage.Debut; i < plage.Debut + plage.Avant.size(); ++i) {
      if (i < PosDevoirs) {
        const std::size_t dans = i % TailleEleve;
        if (dans < DebutNotes) continue;  // a name or a birth date
        const int e = static_cast<int>(i / TailleEleve) + 1;
        const int n = static_cast<int>((dans - DebutNotes) / TailleTexteNote);
        if (e <= c.NbEleves()) {
          valeurs_->Fixer(e, n, LireNote(c.Eleve(e).Notes[static_cast<std::size_t>(n)].Vue(), o));
          eleves.set(static_cast<std::size_t>(e - 1));
          devoirs.set(static_cast<std::size_t>(n));
        }
        i += TailleTexteNote - 1 - (dans - DebutNotes) % TailleTexteNote;  // on to the next text
      } else if (i == PosNbEleves) {
        Calculer(c, o);
        return;
      } else if (i != PosVue && i != PosVue + 1) {
        moyennes = true;
      }
    }
  // Only grades changed: the rows and tests they touch are computed again, the rest stays.
  if (moyennes)
    MoyennesChangees(c);
  else if (eleves.any())
    NotesChangees(c, eleves, devoirs);
}

TNote TFiguresClasse::Note(int e, int m, int p, int k) const {
  if (e < 1 || e > MaxEleves || m < 1 || m > MaxMatieres || p < 1 || p > MaxPeriodes || k < 1 || k > MaxDevoirs)
    return {};
  return valeurs_->Note(e, ((m - 1) * MaxPeriodes + (p - 1)) * MaxDevoirs + k - 1);
}

void TFiguresClasse::Vue(int m, int p, TMoyennesVue& r) const {
  r.Eleves.fill(PasDeMoyenne);
  r.ElevesJoker.fill(PasDeMoyenne);
  r.Devoirs.fill(PasDeMoyenne);
  r.Classe = r.ClasseJoker = PasDeMoyenne;
  if (m < 1 || m > MaxMatieres || p < 1 || p > MaxPeriodes) return;
  for (int e = 1; e <= MaxEleves; ++e) {
    r.Eleves[static_cast<std::size_t>(e - 1)] = sansJoker_->Eleve(e, m, p);
    r.ElevesJoker[static_cast<std::size_t>(e - 1)] = avecJoker_->Eleve(e, m, p);
  }
  for (int k = 1; k <= MaxDevoirs; ++k) r.Devoirs[static_cast<std::size_t>(k - 1)] = sansJoker_->Devoir(m, p, k);
  r.Classe = sansJoker_->Classe(m, p);
  r.ClasseJoker = avecJoker_->Classe(m, p);
}

}  // namespace calevrin
