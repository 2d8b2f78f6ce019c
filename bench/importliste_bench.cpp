// Reading a student list as the import preview does: a 45-row CSV from the school office.
#include <benchmark/benchmark.h>

#include <string>

#include "model/importliste.h"

using namespace calevrin;

namespace {

// Windows-1252 with a header, quotes, accents, CRLF and a few rows the preview must skip.
std::string Liste45() {
  static const char* const noms[] = {"DUPONT",
                                     "LEF\xC8VRE",
                                     "\"DE LA TOUR, dit Le Grand\"",
                                     "\xC9LUARD",
                                     "MARTIN-DURAND",
                                     "N'DIAYE",
                                     "LE GALL",
                                     "\x8C"
                                     "UVRE"};
  static const char* const prenoms[] = {"Jean", "Ga\xEBl", "Marie-Claire", "Zo\xE9", "In\xE8s", "Hugo"};
  std::string s = "N\xB0;Nom;Pr\xE9nom;Sexe;Date de naissance;Classe\r\n";
  for (int i = 1; i <= 45; ++i) {
    const std::string date =
        i % 15 == 0 ? "31/02/2011" : std::to_string(10 + i % 18) + "/0" + std::to_string(1 + i % 9) + "/2011";
    s += std::to_string(i) + ';' + noms[i % 8] + ';' + prenoms[i % 6] + ';' + (i % 2 ? "F" : "M") + ';' + date +
         ";4B\r\n";
  }
  return s;
}

void LireListe45(benchmark::State& s) {
  const std::string liste = Liste45();
  for (auto _ : s) {
    TListeImportee l = LireListeEleves(liste, TDateJour{2026, 12, 7});
    benchmark::DoNotOptimize(l);
  }
  const TListeImportee l = LireListeEleves(liste, TDateJour{2026, 12, 7});
  s.counters["eleves"] = static_cast<double>(l.Eleves.size());
  s.counters["ignorees"] = static_cast<double>(l.Ignorees.size());
}
BENCHMARK(LireListe45)->Unit(benchmark::kMicrosecond);

}  // namespace
