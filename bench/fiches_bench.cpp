// The students' report pages: a whole class to PDF under 2 s on 2 cores, one preview page
// under 50 ms.
#include <benchmark/benchmark.h>

#include "model/fiches.h"
#include "print/fiches.h"

namespace {

using namespace calevrin;

// The largest class: 45 students, three subjects of 24 tests in the first trimester.
const TClasse& ClassePleine() {
  static const TClasse c = [] {
    TClasse k;
    k.Abreviation.Affecter("3e B");
    k.AnneeScolaire.Affecter("2026 / 2027");
    k.Professeur.Affecter("Mme Durand");
    k.FixerNbMatieres(3);
    k.FixerNbPeriodes(3);
    for (int m = 1; m <= 3; ++m) {
      k.Matiere(m).Nom.Affecter("Mati\xE8re " + std::to_string(m));
      k.Matiere(m).Coef[1] = 1;
      k.FixerNbDevoirs(m, 1, MaxDevoirs);
      for (int d = 1; d <= MaxDevoirs; ++d) {
        k.Devoir(m, 1, d).Commentaire.Affecter("Contr\xF4le num\xE9ro " + std::to_string(d));
        k.Devoir(m, 1, d).Date.Affecter("lun. 5 oct.");
      }
    }
    for (int e = 1; e <= MaxEleves; ++e) {
      k.Eleve(e).Nom.Affecter("ELEVE" + std::to_string(e));
      k.Eleve(e).Prenom.Affecter("Camille");
      k.Eleve(e).DateNaissance.Affecter("05032012");
      for (int m = 1; m <= 3; ++m)
        for (int d = 1; d <= MaxDevoirs; ++d)
          k.Eleve(e).Note(m, 1, d).Affecter((e + d) % 11 == 0 ? "abs" : std::to_string((e * 7 + d * 3) % 21));
    }
    k.FixerNbEleves(MaxEleves);
    return k;
  }();
  return c;
}

void BM_PdfClasseEntiere(benchmark::State& state) {
  const TParametresFiches p = ParametresFiches({}, Options);
  for (auto _ : state) {
    const QByteArray pdf = PdfFiches(CalculerFiches(ClassePleine(), 1, {}, Options), p, QStringLiteral("3e B"));
    benchmark::DoNotOptimize(pdf.size());
  }
}
BENCHMARK(BM_PdfClasseEntiere)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ApercuUnePage(benchmark::State& state) {
  const TParametresFiches p = ParametresFiches({}, Options);
  for (auto _ : state) {
    const std::vector<TFicheEleve> f = CalculerFiches(ClassePleine(), 1, {7}, Options);
    benchmark::DoNotOptimize(ImagePageFiche(f.front(), 1, p, 794).constBits());
  }
}
BENCHMARK(BM_ApercuUnePage)->Unit(benchmark::kMillisecond);

}  // namespace
