// The tool's inputs and outputs at the edges: devices, FIFOs, chains of links, a full disk.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "tests/common/cli.h"
#include "tests/common/tempdir.h"

using namespace calevrin;
namespace fs = std::filesystem;
using test::Cli;
using test::TResultat;

namespace {

const std::string Exemple = std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3";

std::string Contenu(const std::string& f) {
  std::ifstream in(f, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t NbEntrees(const fs::path& dossier) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& f : fs::directory_iterator(dossier)) ++n;
  return n;
}

// Writes fail past a few bytes, as on a full disk, even for root.
class TDisquePlein {
 public:
  TDisquePlein() : signal_(::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &avant_);
    rlimit l = avant_;
    l.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &l);
  }
  ~TDisquePlein() {
    ::setrlimit(RLIMIT_FSIZE, &avant_);
    ::signal(SIGXFSZ, signal_);
  }
  TDisquePlein(const TDisquePlein&) = delete;
  TDisquePlein& operator=(const TDisquePlein&) = delete;

 private:
  rlimit avant_{};
  void (*signal_)(int);
};

}  // namespace

TEST(CliFichiers, RepairNeRemplacePasUnFifo) {
  test::TRepertoireTemp dir;
  const std::string fifo = dir / "tube.cl3";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const TResultat r = Cli({"repair", Exemple, fifo});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.erreurs, "Impossible de créer le fichier " + fifo + " : ce n'est pas un fichier ordinaire\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(CliFichiers, UnPeripheriqueOuUnFichierEnormeNEstPasUneClasse) {
  test::TRepertoireTemp dir;
  const TResultat zero = Cli({"info", "/dev/zero"});
  EXPECT_EQ(zero.code, 1);
  EXPECT_EQ(zero.erreurs, "Le fichier /dev/zero n'est pas un fichier classe\n");
  const std::string enorme = dir / "enorme.cl3";
  std::ofstream(enorme) << "x";
  fs::resize_file(enorme, std::uintmax_t{2} << 30);  // sparse
  const TResultat r = Cli({"check", enorme});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.sortie, "Le fichier " + enorme + " n'est pas un fichier classe\n");
}

TEST(CliFichiers, ExportSurUnDisquePleinNeLaisseRien) {
  test::TRepertoireTemp dir;
  const std::string ancien = dir / "ancien.txt";
  const std::string neuf = dir / "neuf.txt";
  std::ofstream(ancien) << "ancien";
  {
    const TDisquePlein plein;
    for (const std::string& sortie : {ancien, neuf}) {
      const TResultat r = Cli({"export", Exemple, "-o", sortie});
      EXPECT_EQ(r.code, 1);
      EXPECT_EQ(r.erreurs, "Impossible de créer le fichier " + sortie + "\n");
    }
  }
  EXPECT_EQ(Contenu(ancien), "ancien");
  EXPECT_FALSE(fs::exists(neuf));
  EXPECT_EQ(NbEntrees(dir.Chemin()), 1u);

  // The device of a full disk behind a link is no regular file, and stays what it is.
  fs::create_symlink("/dev/full", dir.Chemin() / "plein.txt");
  const TResultat r = Cli({"export", Exemple, "-o", dir / "plein.txt"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.erreurs, "Impossible de créer le fichier " + dir / "plein.txt" + " : ce n'est pas un fichier ordinaire\n");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}
