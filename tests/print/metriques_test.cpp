#include "print/metriques.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>
#include <cstdlib>

#include "platform/imprimantes.h"
#include "tests/common/remplacement.h"

using namespace calevrin;
using plateforme::TReleveImprimante;

TEST(Metriques, ReplisEtUneLectureParAppel) {
  // Nothing installed, or a queue that answers nothing usable: an A4 sheet at 300 dpi rather
  // than a division by zero.
  for (const TReleveImprimante r : {TReleveImprimante{}, TReleveImprimante{1, 0, 5100, 6600},
                                    TReleveImprimante{2, 600, 0, 6600}, TReleveImprimante{1, 600, 5100, -1}})
    EXPECT_EQ(CalculerMetriques(r, 120), (TMetriques{300, 2481, 3507, 0.4, 300}));

  TReleveImprimante releve{3, 600, 5100, 6600};  // US Letter at 600 pixels per inch
  double ecran = 96;
  int lectures = 0;
  test::TRemplacement source(&RemplacerSourceMetriques, TSourceMetriques{[&] {
                                                                           ++lectures;
                                                                           return releve;
                                                                         },
                                                                         [&] { return ecran; }});
  EXPECT_EQ(LireMetriques(), (TMetriques{600, 5100, 6600, 0.16, 600}));
  releve = {1, 600, 7016, 4961};  // the user picks A4 landscape: the set stays until the next reading
  ecran = 144;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Metriques(), (TMetriques{600, 5100, 6600, 0.16, 600}));
  EXPECT_EQ(lectures, 1);
  EXPECT_EQ(LireMetriques(), (TMetriques{600, 7016, 4961, 0.24, 600}));
  EXPECT_EQ(lectures, 2);
}

TEST(Metriques, ImprimanteDuSysteme) {
  if (QCoreApplication::instance() == nullptr) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char nom[] = "test_print";
    static char* argv[] = {nom, nullptr};
    new QApplication(argc, argv);  // lives as long as the process
  }
  if (!plateforme::NomsImprimantes().isEmpty()) GTEST_SKIP() << "this machine has print queues";
  // Without queues the printer is the PDF file destination, at 300 dpi on A4.
  QPrinter& p = plateforme::ImprimanteCourante();
  EXPECT_TRUE(plateforme::EstDestinationPdf(p));
  const TMetriques m = LireMetriques();
  EXPECT_EQ(m.ResolutionImprimante, 300);
  EXPECT_NEAR(m.LargeurPhysique, 210 / 25.4 * 300, 2);
  EXPECT_NEAR(m.HauteurPhysique, 297 / 25.4 * 300, 2);
  p.setPageOrientation(QPageLayout::Landscape);
  const TMetriques paysage = LireMetriques();
  p.setPageOrientation(QPageLayout::Portrait);
  EXPECT_TRUE(paysage.LargeurPhysique == m.HauteurPhysique && paysage.HauteurPhysique == m.LargeurPhysique);
}
