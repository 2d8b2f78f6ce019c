// The workbook of a full class: 45 students, 24 tests in each of three subjects and three
// periods, Joker on, written to disk through the atomic writer. Target: under 200 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "classeur/classeur.h"
#include "examples/exemple.h"

using namespace calevrin;

namespace {

void BM_ClasseurClassePleine(benchmark::State& s) {
  const auto c = std::make_unique<TClasse>();
  GenererClassePleine(*c);
  std::string dir = (std::filesystem::temp_directory_path() / "calevrin-bench-XXXXXX").string();
  if (!::mkdtemp(dir.data())) std::abort();
  const TOptions o;
  for (auto _ : s) EcrireClasseur(*c, dir + "/classe.xlsx", o);
  s.counters["octets"] = static_cast<double>(std::filesystem::file_size(dir + "/classe.xlsx"));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ClasseurClassePleine)->Unit(benchmark::kMillisecond);

}  // namespace
