#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "model/statistiques.h"

using namespace calevrin;

namespace {

// A full class: 45 students, 3 subjects, 3 trimesters of 24 tests, Joker on, grades with
// halves and a few codes.
std::unique_ptr<TClasse> ClassePleine() {
  auto c = std::make_unique<TClasse>();
  c->FixerNbEleves(MaxEleves);
  c->FixerJoker(true);
  for (int e = 1; e <= MaxEleves; ++e) {
    c->Eleve(e).Nom.Affecter("ELEVE" + std::to_string(e));
    c->Eleve(e).Prenom.Affecter("Prenom");
  }
  std::uint32_t etat = 4242;
  const auto alea = [&](std::uint32_t n) {
    etat = etat * 1103515245u + 12345u;
    return (etat >> 16) % n;
  };
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      c->FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k) {
        c->Devoir(m, p, k).Coef = 1 + alea(3);
        for (int e = 1; e <= MaxEleves; ++e) {
          std::string t = alea(25) == 0 ? "abs" : std::to_string(alea(21));
          if (t.size() <= 2 && alea(2) == 0) t += ".5";
          c->Eleve(e).Note(m, p, k).Affecter(t);
        }
      }
    }
  return c;
}

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
