#include "model/figures.h"

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
  LireValeur(c, o, e, m, p, k, *valeurs_);
  MettreAJourMoyennes(c, *valeurs_, false, e, m, p, k, *sansJoker_);
  MettreAJourMoyennes(c, *valeurs_, true, e, m, p, k, *avecJoker_);
}

void TFiguresClasse::MoyennesChangees(const TClasse& c) {
  CalculerMoyennes(c, *valeurs_, false, *sansJoker_);
  CalculerMoyennes(c, *valeurs_, true, *avecJoker_);
}

TNote TFiguresClasse::Note(int e, int m, int p, int k) const {
  if (e < 1 || e > MaxEleves || m < 1 || m > MaxMatieres || p < 1 || p > MaxPeriodes || k < 1 || k > MaxDevoirs)
    return {};
  return valeurs_->Notes[static_cast<std::size_t>(e - 1)]
                        [static_cast<std::size_t>(((m - 1) * MaxPeriodes + (p - 1)) * MaxDevoirs + k - 1)];
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
