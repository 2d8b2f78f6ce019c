// The workbook of a full class: 45 students, 24 tests in each of three subjects and three
// periods, Joker on, written to disk through the atomic writer. Target: under 200 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "classeur/classeur.h"

using namespace calevrin;

namespace {

std::unique_ptr<TClasse> ClassePleine() {
  auto c = std::make_unique<TClasse>();
  c->Abreviation.Affecter("TERM S2");
  c->AnneeScolaire.Affecter("( 2026 / 2027 )");
  c->Professeur.Affecter("M. Jean Dupont");
  c->FixerNbPeriodes(3);
  c->FixerNbMatieres(3);
  c->FixerJoker(true);
  c->FixerNbEleves(MaxEleves);
  for (int m = 1; m <= MaxMatieres; ++m) c->Matiere(m).Nom.Affecter("Mati\xE8re " + std::to_string(m));
  for (int e = 1; e <= MaxEleves; ++e) {
    c->Eleve(e).Nom.Affecter("NOMDEFAMILLE" + std::to_string(e));
    c->Eleve(e).Prenom.Affecter("Pr\xE9nom" + std::to_string(e));
  }
  for (int m = 1; m <= MaxMatieres; ++m)
    for (int p = 1; p <= MaxPeriodes; ++p) {
      c->FixerNbDevoirs(m, p, MaxDevoirs);
      for (int k = 1; k <= MaxDevoirs; ++k) {
        TDevoir& d = c->Devoir(m, p, k);
        d.Coef = 0.5 * (k % 4 + 1);
        d.Date.Affecter(
            "ven. 4 d\xE9"
            "c.");
        d.Commentaire.Affecter("Contr\xF4le de connaissances num\xE9ro " + std::to_string(k));
        for (int e = 1; e <= MaxEleves; ++e) {
          const int r = (e * 7 + k * 13 + m * 5 + p) % 41;
          c->Eleve(e).Note(m, p, k).Affecter(r == 0   ? "abs"
                                             : r == 1 ? "B+"
                                                      : std::to_string(r / 2) + (r % 2 ? ".5" : ""));
        }
      }
    }
  return c;
}

void BM_ClasseurClassePleine(benchmark::State& s) {
  const auto c = ClassePleine();
  std::string dir = (std::filesystem::temp_directory_path() / "calevrin-bench-XXXXXX").string();
  if (!::mkdtemp(dir.data())) std::abort();
  const TOptions o;
  for (auto _ : s) EcrireClasseur(*c, dir + "/classe.xlsx", o);
  s.counters["octets"] = static_cast<double>(std::filesystem::file_size(dir + "/classe.xlsx"));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ClasseurClassePleine)->Unit(benchmark::kMillisecond);

}  // namespace
