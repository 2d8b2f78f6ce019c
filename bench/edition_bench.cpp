// Editing a class: the alphabetical sort of a full class, and the moves of tests.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "examples/exemple.h"
#include "model/edition.h"

using namespace calevrin;

namespace {

// 45 students with accented, hyphenated and repeated names, every grade slot of period 1 filled.
std::unique_ptr<TClasse> ClassePleine(bool inverse) {
  static const char* const noms[] = {"\xC9LUARD",
                                     "LEF\xC8VRE",
                                     "DUPONT",
                                     "Dupont",
                                     "\x8CUVRE",
                                     "ODIN",
                                     "\xC7"
                                     "ARON",
                                     "LE GALL",
                                     "LEBLANC",
                                     "MARTIN-DURAND",
                                     "ZOLA",
                                     "\xC9MERY"};
  auto c = std::make_unique<TClasse>();
  std::mt19937 alea(45);
  for (int e = 1; e <= MaxEleves; ++e) {
    TEleve& el = c->Eleve(e);
    el.Nom.Affecter(std::string(noms[alea() % 12]) + static_cast<char>('A' + alea() % 26));
    el.Prenom.Affecter(std::to_string(e));
    for (int k = 1; k <= MaxDevoirs; ++k) el.Note(1, 1, k).Affecter(std::to_string(e));
  }
  c->FixerNbEleves(MaxEleves);
  if (inverse) {
    TrierEleves(*c);
    for (int i = 1, j = MaxEleves; i < j; ++i, --j) std::swap(c->Eleve(i), c->Eleve(j));
  }
  return c;
}

void Trier(benchmark::State& s, bool inverse) {
  const auto modele = ClassePleine(inverse);
  auto c = std::make_unique<TClasse>(*modele);
  for (auto _ : s) {
    s.PauseTiming();
    for (int e = 1; e <= MaxEleves; ++e) c->Eleve(e) = modele->Eleve(e);
    s.ResumeTiming();
    TrierEleves(*c);
    benchmark::DoNotOptimize(c->Eleve(1));
  }
}

void BM_TrierEleves45Melanges(benchmark::State& s) { Trier(s, false); }
void BM_TrierEleves45Inverses(benchmark::State& s) { Trier(s, true); }

void BM_TrierEleves45DejaTries(benchmark::State& s) {
  auto c = ClassePleine(false);
  TrierEleves(*c);
  for (auto _ : s) {
    TrierEleves(*c);
    benchmark::DoNotOptimize(c->Eleve(1));
  }
}

// Inserting a test before the first and deleting it: the two largest moves of a period.
void BM_InsererSupprimerDevoir(benchmark::State& s) {
  auto c = ClassePleine(false);
  for (int k = 1; k < MaxDevoirs; ++k) AjouterDevoir(*c, "", "", 1, "");
  for (auto _ : s) {
    InsererDevoir(*c, 1, [](TClasse& cl, int k) { return EcrireDevoir(cl, k, "lun.", "1h", 2, "nouveau"); });
    SupprimerDevoir(*c, 1);
    benchmark::DoNotOptimize(c->Eleve(1));
  }
}

}  // namespace

BENCHMARK(BM_TrierEleves45Melanges);
BENCHMARK(BM_TrierEleves45Inverses);
BENCHMARK(BM_TrierEleves45DejaTries);
BENCHMARK(BM_InsererSupprimerDevoir);
