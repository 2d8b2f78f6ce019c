// The export of the fullest test view: 45 students, 24 tests, Joker on. Target: under 50 us.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/classe.h"
#include "model/options.h"
#include "model/tableau.h"

using namespace calevrin;

namespace {

// Every subject and period full when toutes, else only the view shown (subject 1, trimester 1).
std::unique_ptr<TClasse> ClassePleine(bool toutes) {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("TERM S2");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Matiere(1).Nom.Affecter("Math\xE9matiques");
  c->FixerJoker(true);
  c->FixerNbEleves(MaxEleves);
  for (int e = 1; e <= MaxEleves; ++e) {
    c->Eleve(e).Nom.Affecter("NOMDEFAMILLE" + std::to_string(e));
    c->Eleve(e).Prenom.Affecter("Pr\xE9nom" + std::to_string(e));
  }
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      if (!toutes && (m > 1 || p > 1)) continue;
      c->FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k) {
        TDevoir& d = c->Devoir(m, p, k);
        d.Coef = 0.5 * (k % 4 + 1);
        d.Date.Affecter(
            "ven. 12 d\xE9"
            "c.");
        d.Duree.Affecter("1h30");
        d.Commentaire.Affecter("Contr\xF4le de connaissances num\xE9ro " + std::to_string(k));
        for (int e = 1; e <= MaxEleves; ++e) {
          // Mostly plain grades, with the odd absence and letter.
          const int r = (e * 7 + k * 13 + m * 5 + p) % 41;
          const std::string note = r == 0 ? "abs" : r == 1 ? "B+" : std::to_string(r / 2) + (r % 2 ? ".5" : "");
          c->Eleve(e).Note(m, p, k).Affecter(note);
        }
      }
    }
  return c;
}

void Mesurer(benchmark::State& s, bool toutes, int matiere, int periode) {
  const auto c = ClassePleine(toutes);
  c->FixerMatiereCourante(matiere);
  c->FixerPeriodeCourante(periode);
  const TOptions o;
  for (auto _ : s) benchmark::DoNotOptimize(TexteTableau(*c, o));
}

void BM_VueDevoirsPleine(benchmark::State& s) { Mesurer(s, false, 1, 1); }
void BM_VueDevoirsClassePleine(benchmark::State& s) { Mesurer(s, true, 1, 1); }
void BM_SyntheseAnnuelleClassePleine(benchmark::State& s) { Mesurer(s, true, 4, 4); }
void BM_AnneeClassePleine(benchmark::State& s) { Mesurer(s, true, 1, 4); }
BENCHMARK(BM_VueDevoirsPleine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VueDevoirsClassePleine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SyntheseAnnuelleClassePleine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnneeClassePleine)->Unit(benchmark::kMicrosecond);

}  // namespace
