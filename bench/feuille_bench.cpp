// The grade sheet: painting in its three targets, and the way from start-up to the first sheet.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/demarrage.h"
#include "app/dialoguesapplication.h"
#include "app/fenetreprincipale.h"
#include "cli/pdf.h"
#include "examples/exemple.h"
#include "model/classe.h"
#include "platform/canevasenregistreur.h"
#include "platform/canevasqt.h"
#include "platform/chemins.h"
#include "sheet/edition.h"
#include "sheet/feuille.h"
#include "sheet/peintre.h"

extern char** environ;

using namespace calevrin;
namespace pf = calevrin::plateforme;

namespace {

// 45 students and 24 tests with their comments: the fullest test view.
std::unique_ptr<TClasse> ClassePleine() {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  for (int e = 26; e <= MaxEleves; ++e) {
    c->Eleve(e) = c->Eleve(e - 25);
  }
  c->FixerNbEleves(MaxEleves);
  for (int k = 1; k <= MaxDevoirs; ++k) {
    const int source = (k - 1) % 6 + 1;
    c->Devoir(1, 1, k) = c->Devoir(1, 1, source);
    for (int e = 1; e <= MaxEleves; ++e) c->Eleve(e).Note(1, 1, k) = c->Eleve(e).Note(1, 1, source);
  }
  c->FixerNbDevoirs(1, 1, MaxDevoirs);
  c->FixerJoker(true);
  return c;
}

void BM_DessinerFeuilleEnregistreur(benchmark::State& s) {
  auto c = ClassePleine();
  TEtatFeuille e;
  e.NbColNoms = 8;
  pf::TCanevasEnregistreur cv;
  const TFiguresClasse figures(*c, Options);
  for (auto _ : s) {
    cv.Effacer();
    DessinerFeuille(cv, false, e, *c, figures, TMesuresPage{}, Options);
    benchmark::DoNotOptimize(cv.Appels().size());
  }
}
BENCHMARK(BM_DessinerFeuilleEnregistreur)->Unit(benchmark::kMicrosecond);

void BM_DessinerFeuilleImage(benchmark::State& s) {
  auto c = ClassePleine();
  TEtatFeuille e;
  e.NbColNoms = 8;
  QImage image(1920, 1080, QImage::Format_RGB32);
  const TFiguresClasse figures(*c, Options);
  for (auto _ : s) {
    image.fill(Qt::lightGray);
    QPainter p(&image);
    pf::TCanevasQt cv(p);
    DessinerFeuille(cv, false, e, *c, figures, TMesuresPage{}, Options);
  }
}
BENCHMARK(BM_DessinerFeuilleImage)->Unit(benchmark::kMillisecond);

void BM_DessinerApercu(benchmark::State& s) {
  auto c = ClassePleine();
  TEtatFeuille e;
  e.NbColNoms = 8;
  e.ModeApercu = true;
  e.ZoomApercu = 1.0;
  e.LargeurClient = 1920;
  e.HauteurClient = 1080;
  QImage image(1920, 1080, QImage::Format_RGB32);
  for (auto _ : s) {
    QPainter p(&image);
    pf::TCanevasQt cv(p);
    DessinerFeuille(cv, false, e, *c, TMesuresPage{}, Options);
  }
}
BENCHMARK(BM_DessinerApercu)->Unit(benchmark::kMillisecond);

// A grade typed and validated with Enter, to the repainted sheet of a full class.
void BM_SaisieJusquAuDessin(benchmark::State& s) {
  auto c = ClassePleine();
  const std::string chemin = "/tmp/calevrin-bench-saisie.cl3";
  c->NomFichier = chemin;
  c->Enregistrer(false);
  TDialoguesApplication dialogues(Options);
  TFenetreFeuille f(TDocumentClasse::Ouvrir(chemin, Options), dialogues, Options);
  f.resize(1280, 800);
  f.show();
  if (!QTest::qWaitForWindowExposed(&f)) s.SkipWithError("window not exposed");
  f.viewport()->grab();
  f.Document().ChangerVue({1, 1});
  int e = 1;
  for (auto _ : s) {
    f.Etat().LigneCourante = e;
    f.Etat().ColonneCourante = 5;
    f.CommencerSaisie(QStringLiteral("12"));
    QTest::keyClick(&f.Editeur(), Qt::Key_Return);
    // The pending update, painted now: only the regions the entry invalidated.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    e = e % 20 + 1;
  }
  if (f.Classe().Eleve(1).Note(1, 1, 5).Texte() != "12") s.SkipWithError("grade not stored");
}
BENCHMARK(BM_SaisieJusquAuDessin)->Unit(benchmark::kMillisecond);

// calevrin-cli pdf on a full class, in process.
void BM_PdfClassePleine(benchmark::State& s) {
  auto c = ClassePleine();
  std::ostringstream err;
  for (auto _ : s) ImprimerPdf(*c, Options, "/tmp/calevrin-bench.pdf", err);
}
BENCHMARK(BM_PdfClassePleine)->Unit(benchmark::kMillisecond);

long MemoireResidenteKo() {
  std::ifstream in("/proc/self/status");
  for (std::string l; std::getline(in, l);)
    if (l.rfind("VmRSS:", 0) == 0) return std::atol(l.c_str() + 6);
  return 0;
}

// The start-up path after the toolkit is up: the main window with its configuration, the
// sheet opened from the command line and its first paint. Three classes open for memory.
void BM_DemarrageJusquAuPremierDessin(benchmark::State& s) {
  const std::string exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";
  const std::string ini = "/tmp/calevrin-bench-demarrage.ini";
  // Three files: a class already open elsewhere would ask how to open it.
  std::vector<std::string> copies;
  for (int i = 1; i <= 3; ++i) {
    copies.push_back("/tmp/calevrin-bench-demarrage-" + std::to_string(i) + ".cl3");
    std::ofstream(copies.back(), std::ios::binary) << std::ifstream(exemple, std::ios::binary).rdbuf();
  }
  long memoire = 0;
  for (auto _ : s) {
    FixerValeursProgramme();
    TFenetrePrincipale f(ini);
    f.EffacerInvite();
    f.OuvrirFichier(copies[0]);
    benchmark::DoNotOptimize(f.Zone()->currentSubWindow()->widget()->grab());
    s.PauseTiming();
    f.OuvrirFichier(copies[1]);
    f.OuvrirFichier(copies[2]);
    memoire = MemoireResidenteKo();
    s.ResumeTiming();
  }
  s.counters["RSS_Mo_3_classes"] = static_cast<double>(memoire) / 1024.0;
}
BENCHMARK(BM_DemarrageJusquAuPremierDessin)->Unit(benchmark::kMillisecond)->Iterations(10);

// The whole way from a new process to the first painted sheet: this same program started
// again with the argument below runs the start-up path and exits after the first paint.
constexpr const char* ArgEnfant = "--enfant-demarrage";
char* CheminBench = nullptr;

void BM_ProcessusJusquAuPremierDessin(benchmark::State& s) {
  for (auto _ : s) {
    char* argv[] = {CheminBench, const_cast<char*>(ArgEnfant), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, CheminBench, nullptr, nullptr, argv, environ) != 0) {
      s.SkipWithError("start");
      return;
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) s.SkipWithError("child failed");
  }
}
BENCHMARK(BM_ProcessusJusquAuPremierDessin)->Unit(benchmark::kMillisecond)->Iterations(10);

// A running program's memory with three full classes, each with its four statistics windows
// painted: a child process, so that nothing of the other benchmarks counts. It writes its
// resident size in kB to the file below.
constexpr const char* ArgMemoire = "--enfant-memoire";
constexpr const char* FichierMemoire = "/tmp/calevrin-bench-memoire.txt";

void BM_MemoireTroisClassesEtStatistiques(benchmark::State& s) {
  long memoire = 0;
  for (auto _ : s) {
    char* argv[] = {CheminBench, const_cast<char*>(ArgMemoire), nullptr};
    pid_t pid = 0;
    std::remove(FichierMemoire);
    if (posix_spawn(&pid, CheminBench, nullptr, nullptr, argv, environ) != 0) {
      s.SkipWithError("start");
      return;
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    std::ifstream in(FichierMemoire);
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0 || !(in >> memoire)) s.SkipWithError("child failed");
  }
  s.counters["RSS_Mo"] = static_cast<double>(memoire) / 1024.0;
}
BENCHMARK(BM_MemoireTroisClassesEtStatistiques)->Unit(benchmark::kMillisecond)->Iterations(1);

int EnfantMemoire(int argc, char** argv) {
  QApplication app(argc, argv);
  FixerValeursProgramme();
  TFenetrePrincipale f("/tmp/calevrin-bench-memoire.ini");
  f.EffacerInvite();
  f.resize(1600, 1000);
  f.show();
  for (int i = 1; i <= 3; ++i) {
    auto c = ClassePleine();
    c->NomFichier = "/tmp/calevrin-bench-memoire-" + std::to_string(i) + ".cl3";
    c->Enregistrer(false);
    if (!f.OuvrirFichier(c->NomFichier)) return 1;
    QWidget* feuille = f.Zone()->currentSubWindow()->widget();
    for (const char* nom : {"M46", "M47"}) {
      auto* a = feuille->findChild<QAction*>(QString::fromLatin1(nom));
      if (a == nullptr) return 1;
      a->trigger();
    }
  }
  for (QMdiSubWindow* w : f.Zone()->subWindowList()) benchmark::DoNotOptimize(w->widget()->grab());
  QCoreApplication::processEvents();
  std::ofstream(FichierMemoire) << MemoireResidenteKo() << '\n';
  return f.Zone()->subWindowList().size() == 15 ? 0 : 1;
}

int Enfant(int argc, char** argv) {
  QApplication app(argc, argv);
  FixerValeursProgramme();
  TFenetrePrincipale f("/tmp/calevrin-bench-demarrage.ini");
  f.EffacerInvite();
  if (!f.OuvrirFichier(std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3")) return 1;
  return f.Zone()->currentSubWindow()->widget()->grab().isNull() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  plateforme::DossierExecutionPrive();  // the children inherit it
  CheminBench = argv[0];
  if (argc == 2 && std::string(argv[1]) == ArgEnfant) return Enfant(argc, argv);
  if (argc == 2 && std::string(argv[1]) == ArgMemoire) return EnfantMemoire(argc, argv);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
