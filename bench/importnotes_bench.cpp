// Reading a quiz's export of 45 rows, matching it to the students and building the preview,
// as the import dialog does at every change of a column.
#include <benchmark/benchmark.h>

#include <string>

#include "examples/exemple.h"
#include "model/cp1252.h"
#include "model/edition.h"
#include "model/importnotes.h"

using namespace calevrin;

namespace {

// The sample class filled to 45, and its students' export: names as typed on line (case and
// accents off), first name first for one row in three, grades on 10 with a decimal comma.
struct TDonnees {
  TClasse Classe;
  std::string Export;
  TDonnees() {
    GenererExemple(Classe);
    for (int e = Classe.NbEleves() + 1; e <= MaxEleves; ++e)
      AjouterEleve(Classe, "ELEVE-" + std::string(1, static_cast<char>('A' + e % 26)) + std::to_string(e), "L\xE9o", "",
                   Options);
    Classe.FixerMatiereCourante(1);
    Classe.FixerPeriodeCourante(1);
    Export =
        "Nom de famille;Pr\xC3\xA9nom;Adresse de courriel;\xC3\x89tat;Commenc\xC3\xA9 le;Termin\xC3\xA9;Temps "
        "utilis\xC3\xA9;Note/10,00\r\n";
    for (int e = 1; e <= MaxEleves; ++e) {
      const std::string nom = Utf8DepuisCp1252(Classe.Eleve(e).Nom.Vue());
      const std::string prenom = Utf8DepuisCp1252(Classe.Eleve(e).Prenom.Vue());
      Export += (e % 3 ? nom + ";" + prenom : prenom + ";" + nom) + ";e" + std::to_string(e) +
                "@ecole.fr;Termin\xC3\xA9;7 d\xC3\xA9"
                "cembre 2026 10:00;7 d\xC3\xA9"
                "cembre 2026 10:20;18 min;" +
                std::to_string(e % 11) + "," + std::to_string(e % 100) + "\r\n";
    }
  }
};

void ApercuNotes45(benchmark::State& s) {
  const TDonnees d;
  const TOptions o;
  std::size_t prises = 0;
  for (auto _ : s) {
    const TSourceNotes source = LireSourceNotes(d.Export);
    const TApercuNotes a = ApercuNotes(d.Classe, source, ChoixParDefaut(source, o), o);
    std::vector<TCasesApercu> cases = CasesApercu(d.Classe, a);
    benchmark::DoNotOptimize(cases);
    prises = static_cast<std::size_t>(a.NbPrises);
  }
  s.counters["prises"] = static_cast<double>(prises);
}
BENCHMARK(ApercuNotes45)->Unit(benchmark::kMicrosecond);

}  // namespace
