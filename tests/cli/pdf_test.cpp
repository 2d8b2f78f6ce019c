#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "cli/commandes.h"
#include "cli/pdf.h"
#include "tests/common/avertissements.h"
#include "tests/common/tempdir.h"

using namespace calevrin;

TEST(CliPdf, UnePageA4ParLeMemePeintre) {
  InstallerImprimerPdf(ImprimerPdf);
  test::TRepertoireTemp dir;
  const std::string sortie = dir / "4eB.pdf";
  std::ostringstream out, err;
  ASSERT_EQ(ExecuterCli({"pdf", std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", sortie, "--periode", "4"},
                        out, err),
            0)
      << err.str();
  std::ifstream in(sortie, std::ios::binary);
  const std::string pdf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
  const std::regex page(R"(/Type\s*/Page[^s])");
  EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()), 1);
  EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])")));  // A4, points

  const test::TAvertissementAttendu echec(QStringLiteral("QPainter::begin"));
  EXPECT_EQ(ExecuterCli({"pdf", std::string(CALEVRIN_SOURCE_DIR) + "/examples/4eB.cl3", dir / "absent/x.pdf"}, out,
                        err),
            1);
  EXPECT_EQ(ExecuterCli({"pdf", "seul.cl3"}, out, err), 2);
}
