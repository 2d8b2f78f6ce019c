#include "print/metriques.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>
#include <cstdlib>

#include "platform/imprimantes.h"

using namespace calevrin;

namespace {

// Puts a fake source in place for one test and the previous one back after it.
class TFausseSource {
 public:
  plateforme::TReleveImprimante releve;
  double ecran = 96.0;
  int lectures = 0;

  TFausseSource() {
    ancienne_ = RemplacerSourceMetriques({[this] {
                                            ++lectures;
                                            return releve;
                                          },
                                          [this] { return ecran; }});
  }
  ~TFausseSource() { RemplacerSourceMetriques(ancienne_); }
  TFausseSource(const TFausseSource&) = delete;
  TFausseSource& operator=(const TFausseSource&) = delete;

 private:
  TSourceMetriques ancienne_;
};

void AssurerApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char nom[] = "test_print";
  static char* argv[] = {nom, nullptr};
  new QApplication(argc, argv);  // lives as long as the process
}

double Centimetres(std::int32_t pixels, const TMetriques& m) {
  return static_cast<double>(pixels) / m.ResolutionImprimante * 2.54;
}

}  // namespace

TEST(Metriques, ReplisSansImprimanteUtilisable) {
  TFausseSource f;
  const TMetriques m = LireMetriques();
  EXPECT_EQ(m.ResolutionImprimante, 300);
  EXPECT_EQ(m.LargeurPhysique, 2481);
  EXPECT_EQ(m.HauteurPhysique, 3507);
  EXPECT_DOUBLE_EQ(m.RapportEcran, 0.32);
  EXPECT_NEAR(Centimetres(m.LargeurPhysique, m), 21.0, 0.05);
  EXPECT_NEAR(Centimetres(m.HauteurPhysique, m), 29.7, 0.05);
  // A queue that answers nothing usable gives the same sheet rather than a division by zero.
  f.ecran = 120;
  for (const plateforme::TReleveImprimante r :
       {plateforme::TReleveImprimante{1, 0, 5100, 6600}, plateforme::TReleveImprimante{2, 600, 0, 6600},
        plateforme::TReleveImprimante{1, 600, 5100, -1}}) {
    f.releve = r;
    EXPECT_EQ(LireMetriques(), (TMetriques{300, 2481, 3507, 0.4, 300}));
  }
}

TEST(Metriques, UneImprimanteLueUneFoisParAppel) {
  TFausseSource f;
  f.releve = {3, 600, 5100, 6600};  // US Letter at 600 pixels per inch
  EXPECT_EQ(LireMetriques(), (TMetriques{600, 5100, 6600, 0.16, 600}));
  EXPECT_EQ(f.lectures, 1);
  f.releve = {1, 600, 7016, 4961};  // the user picks A4 landscape: the ratio stays
  f.ecran = 144;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Metriques(), (TMetriques{600, 5100, 6600, 0.16, 600}));
  EXPECT_EQ(f.lectures, 1);
  EXPECT_EQ(LireMetriques(), (TMetriques{600, 7016, 4961, 0.24, 600}));
  EXPECT_EQ(f.lectures, 2);
}

TEST(Metriques, ImprimanteDuSysteme) {
  AssurerApplication();
  if (!plateforme::NomsImprimantes().isEmpty()) GTEST_SKIP() << "this machine has print queues";
  // Without queues the printer is the PDF file destination, at 300 dpi on A4.
  QPrinter& p = plateforme::ImprimanteCourante();
  EXPECT_TRUE(plateforme::EstDestinationPdf(p));
  EXPECT_GE(plateforme::NbImprimantes(), 1);
  const TMetriques m = LireMetriques();
  EXPECT_EQ(m.ResolutionImprimante, 300);
  EXPECT_NEAR(m.LargeurPhysique, 210 / 25.4 * 300, 2);
  EXPECT_NEAR(m.HauteurPhysique, 297 / 25.4 * 300, 2);
  EXPECT_DOUBLE_EQ(m.RapportEcran, plateforme::PixelsParPouceEcran() / 300);
  p.setPageOrientation(QPageLayout::Landscape);
  EXPECT_EQ(Metriques(), m);
  const TMetriques paysage = LireMetriques();
  p.setPageOrientation(QPageLayout::Portrait);
  EXPECT_EQ(paysage.LargeurPhysique, m.HauteurPhysique);
  EXPECT_EQ(paysage.HauteurPhysique, m.LargeurPhysique);
}
