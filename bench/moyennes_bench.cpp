#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "model/figures.h"
#include "model/moyennes.h"

using namespace calevrin;

namespace {

// A full class: 45 students, 3 subjects, 3 trimesters of 24 tests, Joker on, the grades a
// teacher types (halves, quarters, a few codes and letters); or, as the worst case, nearly
// every text different from the others.
std::unique_ptr<TClasse> ClassePleine(bool distincts = false) {
  auto c = std::make_unique<TClasse>();
  c->FixerNbEleves(MaxEleves);
  c->FixerJoker(true);
  std::uint32_t etat = 4242;
  const auto alea = [&](std::uint32_t n) {
    etat = etat * 1103515245u + 12345u;
    return (etat >> 16) % n;
  };
  const double coefs[] = {1, 2, 0.5, 1, 3};
  const char* const autres[] = {"abs", "disp", "excu", "ret", "B+", "C", ""};
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      c->Matiere(m).Coef[static_cast<std::size_t>(p)] = m == 1 ? 2 : 1;
      c->FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k) {
        c->Devoir(m, p, k).Coef = coefs[alea(5)];
        for (int e = 1; e <= MaxEleves; ++e) {
          std::string t = alea(20) == 0 ? autres[alea(7)] : std::to_string(alea(21));
          if (t.size() <= 2 && alea(3) == 0) t += alea(2) ? ".5" : ".25";
          if (distincts) t = std::to_string(1000 + alea(9000)).insert(2, ".");  // "12.34"
          c->Eleve(e).Note(m, p, k).Affecter(distincts ? t : t.substr(0, LongueurNoteSaisie));
        }
      }
    }
  return c;
}

// Every average of the class in one pass from the grade values kept by the figures: all 16
// views of every student, their class averages, every test average and the absences. The
// texts are read once per change (BM_LireNoteSurLaClasse), not here.
// Measured: 72 us before, 33 us after. The profile showed
// the sums in extended precision spilled to memory: the test averages summed student by student
// into an array of 216 long doubles (an 80-bit load and store per grade, a quarter of the time),
// and the year and synthesis sums calling the class's accessors between additions. The test
// averages are now summed test by test, four side by side in registers, and a computation takes
// the counts and coefficients it reads from the class once. Plain double sums would be quicker
// still but round differently on decimal grades such as 12.34, so the sums stay extended.
void BM_CalculerMoyennes(benchmark::State& state) {
  const auto c = ClassePleine(state.range(0) != 0);
  const TOptions o;
  auto v = std::make_unique<TValeursNotes>();
  LireValeurs(*c, o, *v);
  auto r = std::make_unique<TMoyennes>();
  for ([[maybe_unused]] auto _ : state) {
    CalculerMoyennes(*c, *v, c->Joker(), *r);
    benchmark::DoNotOptimize(r->classe);
  }
}
BENCHMARK(BM_CalculerMoyennes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What a typed grade costs the kept figures: its value read again, every average with and
// without the Joker computed again.
void BM_ChiffresApresUneNote(benchmark::State& state) {
  const auto c = ClassePleine();
  const TOptions o;
  TFiguresClasse chiffres(*c, o);
  int e = 0;
  for ([[maybe_unused]] auto _ : state) {
    e = e % MaxEleves + 1;
    c->Eleve(e).Note(2, 2, 7).Affecter(e % 2 ? "12.5" : "abs");
    chiffres.NoteChangee(*c, o, e, 2, 2, 7);
    benchmark::DoNotOptimize(chiffres.Moyennes(true).classe);
  }
}
BENCHMARK(BM_ChiffresApresUneNote)->Unit(benchmark::kMicrosecond);

// The same averages one call at a time, each view reading its grades again.
void BM_ToutesLesMoyennes(benchmark::State& state) {
  const auto c = ClassePleine();
  const TOptions o;
  for ([[maybe_unused]] auto _ : state) {
    double s = 0;
    for (int m = 1; m <= 4; ++m)
      for (int p = 1; p <= 4; ++p) {
        for (int e = 1; e <= c->NbEleves(); ++e) s += Moyenne(*c, m, p, e, c->Joker(), o);
        s += MoyenneClasse(*c, m, p, c->Joker(), o);
      }
    for (int m = 1; m <= 3; ++m)
      for (int p = 1; p <= 3; ++p)
        for (int k = 1; k <= c->NbDevoirs(m, p); ++k) s += MoyenneDevoir(*c, m, p, k, o);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_ToutesLesMoyennes)->Unit(benchmark::kMicrosecond);

// What one paint of the sheet computes: one view's student and class averages, the test
// averages and the absences. Views 1,1 (one period) and 4,4 (year synthesis) are the extremes.
void BM_UnePeinture(benchmark::State& state) {
  const auto c = ClassePleine();
  const TOptions o;
  const int m = static_cast<int>(state.range(0));
  const int p = static_cast<int>(state.range(1));
  for ([[maybe_unused]] auto _ : state) {
    double s = 0;
    for (int e = 1; e <= c->NbEleves(); ++e) s += Moyenne(*c, m, p, e, c->Joker(), o) + NbAbsences(*c, m, p, e, o);
    s += MoyenneClasse(*c, m, p, c->Joker(), o);
    if (m <= 3 && p <= 3)
      for (int k = 1; k <= c->NbDevoirs(m, p); ++k) s += MoyenneDevoir(*c, m, p, k, o);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_UnePeinture)->Args({1, 1})->Args({4, 4})->Unit(benchmark::kMicrosecond);

// The general grade parser on every grade of the class once, for comparison with the above.
void BM_LireNoteSurLaClasse(benchmark::State& state) {
  const auto c = ClassePleine();
  const TOptions o;
  for ([[maybe_unused]] auto _ : state) {
    double s = 0;
    for (int e = 1; e <= MaxEleves; ++e)
      for (const TTexteNote& t : c->Eleve(e).Notes) s += LireNote(t.Vue(), o).Valeur;
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_LireNoteSurLaClasse)->Unit(benchmark::kMicrosecond);

}  // namespace
