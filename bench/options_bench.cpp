// The options dialog: opening it (fonts listed, sample drawn), and one redraw of the sample
// after a click.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "dialogs/choixoptions.h"
#include "platform/canevasenregistreur.h"
#include "platform/chemins.h"

using namespace calevrin;

namespace {

void BM_OuvrirDialogueOptions(benchmark::State& state) {
  const TOptions o;
  for (auto _ : state) {
    TDialOption d(nullptr, o);
    d.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(d.Apercu().constBits());
  }
}
BENCHMARK(BM_OuvrirDialogueOptions)->Unit(benchmark::kMillisecond);

void BM_RedessinApresClic(benchmark::State& state) {
  const TOptions o;
  TDialOption d(nullptr, o);
  d.show();
  QApplication::processEvents();
  QCheckBox* prenoms = d.findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
  for (auto _ : state) {
    prenoms->click();  // reads every control back and draws the sample
    benchmark::DoNotOptimize(d.Apercu().constBits());
  }
}
BENCHMARK(BM_RedessinApresClic)->Unit(benchmark::kMicrosecond);

void BM_ApercuEnregistreur(benchmark::State& state) {
  const TOptions o;
  for (auto _ : state) {
    plateforme::TCanevasEnregistreur c;
    DessinerApercu(c, o);
    benchmark::DoNotOptimize(c.Appels().data());
  }
}
BENCHMARK(BM_ApercuEnregistreur)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  calevrin::plateforme::DossierExecutionPrive();
  QApplication app(argc, argv);
  // The first opening of a run also builds the desktop's font list once.
  {
    QElapsedTimer t;
    t.start();
    TDialOption d(nullptr, TOptions{});
    d.show();
    QApplication::processEvents();
    std::printf("Première ouverture du dialogue : %lld ms\n", static_cast<long long>(t.elapsed()));
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
