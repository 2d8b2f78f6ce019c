#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "model/ages.h"
#include "model/classement.h"

using namespace calevrin;

namespace {

// 45 named students born between 2010 and 2013, 3 subjects, 3 trimesters of 24 tests, Joker on,
// the grades a teacher types with a few codes.
std::unique_ptr<TClasse> ClassePleine() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("4B");
  c->FixerNbEleves(MaxEleves);
  c->FixerNbMatieres(MaxMatieres);
  c->FixerNbPeriodes(MaxPeriodes);
  c->FixerJoker(true);
  std::uint32_t etat = 1789;
  const auto alea = [&](std::uint32_t n) {
    etat = etat * 1103515245u + 12345u;
    return (etat >> 16) % n;
  };
  for (int e = 1; e <= MaxEleves; ++e) {
    c->Eleve(e).Nom.Affecter("ELEVE-NUMERO-" + std::to_string(e));
    c->Eleve(e).Prenom.Affecter("Pr\xE9nom");
    char date[9];
    std::snprintf(date, sizeof date, "%02u%02u%04u", 1 + alea(28), 1 + alea(12), 2010 + alea(4));
    c->Eleve(e).DateNaissance.Affecter(date);
  }
  const char* const codes[] = {"abs", "disp", "excu", "ret"};
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      c->Matiere(m).Coef[static_cast<std::size_t>(p)] = 1;
      c->FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k)
        for (int e = 1; e <= MaxEleves; ++e)
          c->Eleve(e).Note(m, p, k).Affecter(alea(20) == 0 ? std::string(codes[alea(4)])
                                                           : std::to_string(alea(21)) + (alea(2) ? ".5" : ""));
    }
  return c;
}

// One subject and trimester, the synthesis of the year, and with the box ticked.
void BM_Classer(benchmark::State& state) {
  const auto c = ClassePleine();
  const TOptions o;
  const int vue = static_cast<int>(state.range(0));
  for ([[maybe_unused]] auto _ : state) {
    TClassement r = Classer(*c, vue, vue, state.range(1) != 0, o);
    benchmark::DoNotOptimize(r.Lignes.data());
  }
}
BENCHMARK(BM_Classer)->Args({1, 0})->Args({4, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

void BM_AgesEtAnniversaires(benchmark::State& state) {
  const auto c = ClassePleine();
  const TDateJour jour{2026, 12, 7};
  for ([[maybe_unused]] auto _ : state) {
    TAges a = ListerAges(*c, jour);
    TAnniversaires b = ListerAnniversaires(*c, jour);
    benchmark::DoNotOptimize(a.Lignes.data());
    benchmark::DoNotOptimize(b.Lignes.data());
  }
}
BENCHMARK(BM_AgesEtAnniversaires)->Unit(benchmark::kMicrosecond);

}  // namespace
