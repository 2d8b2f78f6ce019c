#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "bench/classepleine.h"
#include "model/statistiques.h"

using namespace calevrin;

namespace {

using banc::ClassePleine;

TEtatStat Etat(TFenetreStat f, int m, int p, int devoir, int eleve) {
  TEtatStat e;
  e.Fenetre = f;
  e.Matiere = m;
  e.Periode = p;
  e.Devoir = devoir;
  e.Eleve = eleve;
  return e;
}

// After one grade typed: the four windows ask whether to recompute, then compute, each on its
// heaviest view (the last test, the synthesis of the year, every test of the year for the
// class, the class's report).
void BM_QuatreFenetres(benchmark::State& state) {
  auto c = ClassePleine();
  const TOptions o;
  TEtatStat fenetres[] = {Etat(TFenetreStat::Devoir, 1, 1, 24, 0), Etat(TFenetreStat::Moyennes, 4, 4, 0, 0),
                          Etat(TFenetreStat::Evolution, 1, 5, 0, 0), Etat(TFenetreStat::Bilan, 1, 1, 0, 0)};
  int n = 0;
  for ([[maybe_unused]] auto _ : state) {
    c->Eleve(7).Note(1, 1, 24).Affecter(++n % 2 ? "12.5" : "8");
    for (TEtatStat& f : fenetres) {
      if (!Actualiser(f, *c, {TCodeChangement::Note, 1, 24, 7}).Recalculer) continue;
      if (f.Fenetre == TFenetreStat::Bilan) {
        benchmark::DoNotOptimize(CalculerStat04(*c, f, o));
      } else {
        const TGrapheStat g = f.Fenetre == TFenetreStat::Devoir     ? CalculerStat02(*c, f, o)
                              : f.Fenetre == TFenetreStat::Moyennes ? CalculerStat03(*c, f, o)
                                                                    : CalculerStat01(*c, f, o);
        benchmark::DoNotOptimize(g);
      }
    }
  }
}
BENCHMARK(BM_QuatreFenetres)->Unit(benchmark::kMicrosecond);

// Each window alone on its heaviest view.
void BM_Fenetre(benchmark::State& state) {
  const auto c = ClassePleine();
  const TOptions o;
  const int i = static_cast<int>(state.range(0));
  const TEtatStat f[] = {Etat(TFenetreStat::Devoir, 1, 1, 24, 0), Etat(TFenetreStat::Moyennes, 4, 4, 0, 0),
                         Etat(TFenetreStat::Evolution, 1, 5, 0, 0), Etat(TFenetreStat::Bilan, 1, 1, 0, 0)};
  for ([[maybe_unused]] auto _ : state) {
    switch (i) {
      case 0: benchmark::DoNotOptimize(CalculerStat02(*c, f[0], o)); break;
      case 1: benchmark::DoNotOptimize(CalculerStat03(*c, f[1], o)); break;
      case 2: benchmark::DoNotOptimize(CalculerStat01(*c, f[2], o)); break;
      default: benchmark::DoNotOptimize(CalculerStat04(*c, f[3], o)); break;
    }
  }
}
BENCHMARK(BM_Fenetre)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
