// Opening the dialogs of the class, its students and subjects, from construction to the
// painted window, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "dialogs/ages.h"
#include "dialogs/ajoutereleve.h"
#include "dialogs/anniversaires.h"
#include "dialogs/classement.h"
#include "dialogs/coefficients.h"
#include "dialogs/importliste.h"
#include "dialogs/importnotes.h"
#include "dialogs/insereeleve.h"
#include "dialogs/matieres.h"
#include "dialogs/modifiereleve.h"
#include "dialogs/nouvelleclasse.h"
#include "dialogs/parametresclasse.h"
#include "dialogs/supprimereleve.h"
#include "examples/exemple.h"
#include "model/cp1252.h"
#include "platform/chemins.h"

using namespace calevrin;

namespace {

TClasse& Exemple() {
  static const std::unique_ptr<TClasse> c = [] {
    auto e = std::make_unique<TClasse>();
    GenererExemple(*e);
    return e;
  }();
  return *c;
}

template <class D, class... A>
void Ouvrir(benchmark::State& s, A&&... a) {
  for (auto _ : s) {
    D d(nullptr, a...);
    d.show();
    QPixmap image = d.grab();
    benchmark::DoNotOptimize(image);
    d.hide();
  }
}

void BM_TDial01(benchmark::State& s) { Ouvrir<TDialNouvelleClasse>(s); }
void BM_ImportListe(benchmark::State& s) {
  std::string csv = "Nom;Prénom;Date de naissance\r\n";
  for (int i = 0; i < 45; ++i) csv += "Nom" + std::to_string(i) + ";Prénom;12/03/2012\r\n";
  for (auto _ : s) {
    TDialImportListe d(nullptr);
    d.Lire(csv, "liste.csv");
    d.show();
    QPixmap image = d.grab();
    benchmark::DoNotOptimize(image);
  }
}
// From the menu to the painted preview of a 45-row quiz export read from its file.
void BM_ImportNotes(benchmark::State& s) {
  TClasse& c = Exemple();
  c.FixerMatiereCourante(1);
  c.FixerPeriodeCourante(1);
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("quiz.csv"));
  {
    std::ofstream f(chemin.toStdString());
    f << "Nom de famille;Prénom;Adresse de courriel;Note/10,00\r\n";
    for (int e = 1; e <= 45; ++e)
      f << (e <= c.NbEleves() ? Utf8DepuisCp1252(c.Eleve(e).Nom.Vue()) + ";" + Utf8DepuisCp1252(c.Eleve(e).Prenom.Vue())
                              : "Inconnu;" + std::to_string(e))
        << ";e@ecole.fr;" << e % 11 << ",5\r\n";
  }
  for (auto _ : s) {
    TDialImportNotes d(nullptr, c, Options);
    d.LireFichier(chemin);
    d.show();
    QPixmap image = d.grab();
    benchmark::DoNotOptimize(image);
  }
}
void BM_TDial05(benchmark::State& s) { Ouvrir<TDialParametresClasse>(s, Exemple()); }
void BM_TDial13(benchmark::State& s) { Ouvrir<TDialAjouterEleve>(s, Exemple(), Options); }
void BM_TDial07(benchmark::State& s) { Ouvrir<TDialInsererEleve>(s, Exemple(), Options); }
void BM_TDial08(benchmark::State& s) { Ouvrir<TDialModifierEleve>(s, Exemple(), Options); }
void BM_TDial04(benchmark::State& s) { Ouvrir<TDialSupprimerEleve>(s, Exemple()); }
void BM_TDial15(benchmark::State& s) { Ouvrir<TDialMatieres>(s, Exemple()); }
void BM_TDial14(benchmark::State& s) { Ouvrir<TDialCoefficients>(s, Exemple(), Options); }
void BM_TDial10(benchmark::State& s) { Ouvrir<TDialClassement>(s, static_cast<const TClasse&>(Exemple()), Options); }
void BM_TDial11(benchmark::State& s) { Ouvrir<TDialAges>(s, static_cast<const TClasse&>(Exemple())); }
void BM_TDial12(benchmark::State& s) { Ouvrir<TDialAnniversaires>(s, static_cast<const TClasse&>(Exemple())); }

}  // namespace

BENCHMARK(BM_TDial01)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportListe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial05)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial07)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial08)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial04)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial14)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TDial12)->Unit(benchmark::kMillisecond);
