// Undo steps and recovery copies: what they cost the typing teacher.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <memory>

#include "document/documentclasse.h"
#include "document/recuperation.h"
#include "examples/exemple.h"
#include "sheet/feuille.h"
#include "tests/common/dialoguesnuls.h"

using namespace calevrin;

namespace {

std::unique_ptr<TDocumentClasse> Document() {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  c->FixerMatiereCourante(1);
  c->FixerPeriodeCourante(1);
  return std::make_unique<TDocumentClasse>(std::move(c));
}

// A grade stored, then recorded as one step that can be undone.
void BM_EtapeDUneNote(benchmark::State& s) {
  auto d = Document();
  int i = 0;
  for (auto _ : s) {
    d->Modifier(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, 1, 1, 1 + i % 25}, [i](TClasse& c) {
      c.Eleve(1 + i % 25).Note(1, 1, 1).Affecter(i % 2 ? "12" : "13");
      return true;
    });
    ++i;
  }
}
BENCHMARK(BM_EtapeDUneNote)->Unit(benchmark::kMicrosecond);

// Undo and redo of a grade, each with the sheet repainted.
void BM_AnnulerAvecDessin(benchmark::State& s) {
  test::TDialoguesNuls dialogues;
  TFenetreFeuille f(Document(), dialogues, Options);
  f.resize(1280, 800);
  f.show();
  if (!QTest::qWaitForWindowExposed(&f)) s.SkipWithError("window not exposed");
  f.Document().Modifier(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, 1, 2, 3}, [](TClasse& c) {
    c.Eleve(3).Note(1, 1, 2).Affecter("4");
    return true;
  });
  bool annuler = true;
  for (auto _ : s) {
    if (annuler)
      f.Document().Pile().undo();
    else
      f.Document().Pile().redo();
    annuler = !annuler;
    f.viewport()->repaint();
  }
}
BENCHMARK(BM_AnnulerAvecDessin)->Unit(benchmark::kMillisecond);

// The longest time the interface waits while the recovery copy is written: the record is
// taken on the interface's thread, the disk is left to another.
void BM_PauseDeLaCopieDeSecours(benchmark::State& s) {
  QTemporaryDir dossier;
  auto d = Document();
  TRecuperation r(*d, dossier.path(), 60000, 60000);
  double pire = 0;
  for (auto _ : s) {
    d->Modifier(QStringLiteral("la saisie de la note"), {TCodeChangement::Note, 1, 1, 1}, [](TClasse& c) {
      c.Eleve(1).Note(1, 1, 1).Affecter("7");
      return true;
    });
    const auto debut = std::chrono::steady_clock::now();
    r.Ecrire();
    pire = std::max(pire, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    s.PauseTiming();
    r.Attendre();
    s.ResumeTiming();
  }
  s.counters["pause_max_ms"] = pire;
}
BENCHMARK(BM_PauseDeLaCopieDeSecours)->Unit(benchmark::kMicrosecond);

}  // namespace
