// Entry of the benchmarks that need widgets: offscreen unless a display is asked for, and
// without Qt's warning about a missing runtime folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "platform/chemins.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  calevrin::plateforme::DossierExecutionPrive();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
