// Class files and the configuration file: load, save, check.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "app/options.h"
#include "cli/commandes.h"
#include "examples/exemple.h"
#include "model/classe.h"
#include "model/fichierclasse.h"

using namespace calevrin;
namespace fs = std::filesystem;

namespace {

fs::path Dossier() {
  static const fs::path d = [] {
    fs::path p = fs::temp_directory_path() / "calevrin-bench";
    fs::create_directories(p);
    return p;
  }();
  return d;
}

std::string Exemple() {
  static const std::string f = [] {
    auto c = std::make_unique<TClasse>();
    GenererExemple(*c);
    c->NomFichier = (Dossier() / "4eB.cl3").string();
    c->Enregistrer(false);
    return c->NomFichier;
  }();
  return f;
}

void BM_ChargerClasse(benchmark::State& s) {
  auto c = std::make_unique<TClasse>();
  c->NomFichier = Exemple();
  for (auto _ : s) {
    c->Charger();
    benchmark::DoNotOptimize(c.get());
  }
}
BENCHMARK(BM_ChargerClasse);

void BM_EnregistrerClasseSansFsync(benchmark::State& s) {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  c->NomFichier = (Dossier() / "sortie.cl3").string();
  for (auto _ : s) c->Enregistrer(false);
}
BENCHMARK(BM_EnregistrerClasseSansFsync);

// What the sheet's Save does: the class file and its ".bak", each flushed to the disk.
void BM_SauverAvecBakEtFsync(benchmark::State& s) {
  auto c = std::make_unique<TClasse>();
  GenererExemple(*c);
  const std::string cl3 = (Dossier() / "sauve.cl3").string();
  const std::string bak = (Dossier() / "sauve.bak").string();
  for (auto _ : s) {
    c->NomFichier = cl3;
    c->Enregistrer(true);
    c->NomFichier = bak;
    c->Enregistrer(true);
  }
}
BENCHMARK(BM_SauverAvecBakEtFsync)->Unit(benchmark::kMillisecond);

void BM_Check1000Fichiers(benchmark::State& s) {
  std::vector<std::string> args{"check"};
  const fs::path d = Dossier() / "mille";
  fs::create_directories(d);
  for (int i = 0; i < 1000; ++i) {
    const fs::path f = d / (std::to_string(i) + ".cl3");
    if (!fs::exists(f)) fs::copy_file(Exemple(), f);
    args.push_back(f.string());
  }
  for (auto _ : s) {
    std::ostringstream out;
    std::ostringstream err;
    benchmark::DoNotOptimize(ExecuterCli(args, out, err));
  }
}
BENCHMARK(BM_Check1000Fichiers)->Unit(benchmark::kMillisecond);

// A 2 GB file given for a class is refused by its size, without being read.
void BM_CheckFichierEnorme(benchmark::State& s) {
  const fs::path f = Dossier() / "enorme.cl3";
  if (!fs::exists(f)) fs::copy_file(Exemple(), f);
  fs::resize_file(f, std::uintmax_t{2} << 30);  // sparse
  const std::vector<std::string> args{"check", f.string()};
  for (auto _ : s) {
    std::ostringstream out;
    std::ostringstream err;
    benchmark::DoNotOptimize(ExecuterCli(args, out, err));
  }
}
BENCHMARK(BM_CheckFichierEnorme)->Unit(benchmark::kMicrosecond);

void BM_ChargerConfiguration(benchmark::State& s) {
  const std::string f = (Dossier() / "calevrin.ini").string();
  OptionsParDefaut(OptionsDefaut);
  EnregistrerOptions(OptionsDefaut, f, ',');
  TOptions o;
  for (auto _ : s) {
    // Touching the file defeats the parsed-file cache: this is a first load, as at start-up.
    fs::last_write_time(f, fs::file_time_type::clock::now());
    ChargerOptions(o, f, ',');
    benchmark::DoNotOptimize(o);
  }
}
BENCHMARK(BM_ChargerConfiguration)->Unit(benchmark::kMicrosecond);

// What quitting writes: every key, in one atomic write flushed to the disk.
void BM_EnregistrerConfiguration(benchmark::State& s) {
  const std::string f = (Dossier() / "calevrin.ini").string();
  OptionsParDefaut(OptionsDefaut);
  for (auto _ : s) EnregistrerOptions(OptionsDefaut, f, ',');
}
BENCHMARK(BM_EnregistrerConfiguration)->Unit(benchmark::kMillisecond);

}  // namespace
