// The graph and the table drawn into the recording canvas and into a full-screen image, and
// the print dialog from its creation to its first painted picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "controls/graphe.h"
#include "controls/tableau.h"
#include "platform/canevasenregistreur.h"
#include "platform/canevasqt.h"
#include "print/dlgprint.h"
#include "platform/chemins.h"

using namespace calevrin;
using namespace calevrin::controles;

namespace {

// The fullest graph a statistics window shows: 25 slots and five legend lines. Arguments 0 to
// 2 are the modes, 3 the bars in black and white (hatched).
TNewGraphe GraphePlein(int arg) {
  TNewGraphe g;
  g.Mode = arg == 3 ? TMode::mBarre : static_cast<TMode>(arg);
  g.NoirBlanc = arg == 3;
  // Texts too wide for the image: each is reduced, and some elided, at every paint.
  g.Caption = QStringLiteral("4EB / Mathématiques appliquées / Trimestre 1 / Contrôle commun ( 2026 / 2027 )");
  g.FixerNbBarre(25);
  for (int i = 1; i <= 25; ++i) {
    g.Barre(i)->Valeur = i % 7 == 3 ? -1 : (i * 7) % 20;
    g.Barre(i)->FixerTexte(QStringLiteral("abs"));
    g.Barre(i)->Couleur = plateforme::RGB(10 * i, 255 - 10 * i, 128);
    g.LegendeBarre(i, QString::number(i - 1));
  }
  g.FixerNbLigne(5);
  for (int l = 1; l <= 5; ++l)
    g.FixerLigne(l, QStringLiteral("Dev. %1 - mer. 12 déc. - Coef. 2.5 - 1h30 - Contrôle commun de fin de trimestre : "
                                   "géométrie dans l'espace")
                        .arg(l));
  g.BarreMoy.Valeur = 11.2;
  g.LargeurControle = 1920;
  return g;
}

void BM_GrapheEnregistreur(benchmark::State& s) {
  TNewGraphe g = GraphePlein(static_cast<int>(s.range(0)));
  plateforme::TCanevasEnregistreur c;
  for (auto _ : s) {
    c.Effacer();
    g.Dessine(c, 0, 0, 1920, 1080);
    benchmark::DoNotOptimize(c.Appels().data());
  }
}
BENCHMARK(BM_GrapheEnregistreur)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_GrapheImage1920x1080(benchmark::State& s) {
  TNewGraphe g = GraphePlein(static_cast<int>(s.range(0)));
  QImage im(1920, 1080, QImage::Format_RGB32);
  for (auto _ : s) {
    QPainter p(&im);
    plateforme::TCanevasQt c(p);
    g.Dessine(c, 0, 0, 1920, 1080);
  }
}
BENCHMARK(BM_GrapheImage1920x1080)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The full report of a student with long subject names, in portrait: its texts must be fitted
// to their columns at every paint.
TTableau Bilan() {
  TTableau t;
  t.Caption = QStringLiteral("4EB: Bilan complet de MONTGOLFIER-DELAVIGNE Marie-Angélique");
  const QString matieres[] = {QStringLiteral("Matière"), QStringLiteral("Mathématiques appliquées"),
                              QStringLiteral("Physique-Chimie et Te"), QStringLiteral("Sciences de la vie et"),
                              QStringLiteral("Synthèse")};
  for (int l = 1; l <= 5; ++l) t.FixerCellule(1, l, matieres[l - 1]);
  const QString periodes[] = {QStringLiteral("Trim.1"), QStringLiteral("Trim.2"), QStringLiteral("Trim.3"),
                              QStringLiteral("Année")};
  for (int c = 2; c <= 5; ++c) {
    t.FixerCellule(c, 1, periodes[c - 2]);
    for (int l = 2; l <= 5; ++l) t.FixerCellule(c, l, QString::number(10 + l + c * 0.35, 'f', 1));
  }
  return t;
}

void BM_TableauEnregistreur(benchmark::State& s) {
  const TTableau t = Bilan();
  plateforme::TCanevasEnregistreur c;
  for (auto _ : s) {
    c.Effacer();
    t.Dessine(c, 0, 0, 800, 600);
    benchmark::DoNotOptimize(c.Appels().data());
  }
}
BENCHMARK(BM_TableauEnregistreur)->Unit(benchmark::kMicrosecond);

// Arguments: the image's width and height; 600 x 1080 is a portrait page's narrow table.
void BM_TableauImage(benchmark::State& s) {
  const TTableau t = Bilan();
  const int w = static_cast<int>(s.range(0));
  const int h = static_cast<int>(s.range(1));
  QImage im(w, h, QImage::Format_RGB32);
  for (auto _ : s) {
    QPainter p(&im);
    plateforme::TCanevasQt c(p);
    t.Dessine(c, 0, 0, w, h);
  }
}
BENCHMARK(BM_TableauImage)->Args({1920, 1080})->Args({600, 1080})->Unit(benchmark::kMillisecond);

// Created on the application's printer, laid out and painted once, as the user first sees it.
void BM_OuvertureDialogueImpression(benchmark::State& s) {
  const TNewGraphe g = GraphePlein(0);
  for (auto _ : s) {
    TDialImpression d(nullptr, nullptr, &g, false);
    benchmark::DoNotOptimize(d.grab());
  }
}
BENCHMARK(BM_OuvertureDialogueImpression)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  calevrin::plateforme::DossierExecutionPrive();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
