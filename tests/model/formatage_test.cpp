#include "model/formatage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "model/note.h"

using namespace calevrin;

TEST(Formatage, FormaterNombre) {
  struct {
    double valeur;
    const char* texte;
  } const cas[] = {
      {12.25, "12.3"}, {12.24, "12.2"},   {12, "12"},      {12.5, "12.5"}, {12.04, "12"},
      {12.05, "12.1"}, {0.15, "0.2"},     {12.45, "12.5"}, {2.675, "2.7"}, {9.95, "10"},
      {0.95, "1"},     {0.04, "0"},       {0, "0"},        {-0.0, "0"},    {-0.04, "0"},
      {-0.05, "-0.1"}, {-12.25, "-12.3"}, {1e-300, "0"},   {20, "20"},     {1234567.85, "1234567.9"},
  };
  for (const auto& c : cas) EXPECT_EQ(FormaterNombre(c.valeur), c.texte) << c.valeur;
  // 12.45 computed as 12.4499999...: rounded as the teacher reads it.
  EXPECT_EQ(FormaterNombre(std::nextafter(12.45, 0.0)), "12.5");
  EXPECT_EQ(FormaterNombre(12.449999999999), "12.4");
  // Huge values are written out in full, from their 15 significant digits.
  EXPECT_EQ(FormaterNombre(9e99), "9" + std::string(99, '0'));
  EXPECT_EQ(FormaterNombre(-1.7976931348623157e308), "-179769313486232" + std::string(294, '0'));

  EXPECT_EQ(FormaterDecimales(25, 2), "25.00");
  EXPECT_EQ(FormaterDecimales(-3, 2), "-3.00");
  EXPECT_EQ(FormaterDecimales(-0.001, 2), "0.00");
  EXPECT_EQ(FormaterDecimales(0.125, 2), "0.13");
  EXPECT_EQ(FormaterDecimales(99.995, 2), "100.00");
  EXPECT_EQ(FormaterDecimales(7.5, 0), "8");
}

TEST(Formatage, FormaterMoyenneParMode) {
  struct {
    double valeur;
    const char* textes[7];
  } const cas[] = {
      {12.74, {"12.7", "12", "13", "13", "12.5", "12.5", "13"}},
      {12, {"12", "12", "12", "13", "12", "12", "12.5"}},
      {12.5, {"12.5", "12", "13", "13", "12.5", "12.5", "13"}},
      {12.49, {"12.5", "12", "12", "13", "12", "12.5", "12.5"}},
      {12.25, {"12.3", "12", "12", "13", "12", "12.5", "12.5"}},
      {12.24, {"12.2", "12", "12", "13", "12", "12", "12.5"}},
      {12.75, {"12.8", "12", "13", "13", "12.5", "13", "13"}},
      {12.99, {"13", "12", "13", "13", "12.5", "13", "13"}},
      {0, {"0", "0", "0", "1", "0", "0", "0.5"}},
      {0.2, {"0.2", "0", "0", "1", "0", "0", "0.5"}},
      {19.999, {"20", "19", "20", "20", "19.5", "20", "20"}},
      // Below zero the integer part is the floor, so every mode keeps its meaning.
      {-12.74, {"-12.7", "-13", "-13", "-12", "-13", "-12.5", "-12.5"}},
      {-12.5, {"-12.5", "-13", "-12", "-12", "-12.5", "-12.5", "-12"}},
      {-12, {"-12", "-12", "-12", "-11", "-12", "-12", "-11.5"}},
      {-0.3, {"-0.3", "-1", "0", "0", "-0.5", "-0.5", "0"}},
      {-0.8, {"-0.8", "-1", "-1", "0", "-1", "-1", "-0.5"}},
      {-1, {"-1", "-1", "-1", "0", "-1", "-1", "-0.5"}},
      {-0.0, {"0", "0", "0", "1", "0", "0", "0.5"}},
  };
  for (const auto& c : cas)
    for (int mode = 0; mode <= 6; ++mode)
      EXPECT_EQ(FormaterMoyenne(mode, c.valeur), c.textes[mode]) << c.valeur << " " << mode;

  // An average whose exact value is a threshold but computed just below it counts as the threshold.
  for (const double seuil : {12.25, 12.5, 12.75, 13.0}) {
    const double juste = std::nextafter(seuil, 0.0);
    for (int mode = 0; mode <= 6; ++mode)
      EXPECT_EQ(FormaterMoyenne(mode, juste), FormaterMoyenne(mode, seuil)) << seuil;
  }
  EXPECT_EQ(FormaterMoyenne(2, 12.4999999999), "12");
  EXPECT_EQ(FormaterMoyenne(5, 12.7499999999), "12.5");

  // Huge averages without overflow; PasDeMoyenne and unknown modes.
  const std::string neuf = "9" + std::string(99, '0');
  EXPECT_EQ(FormaterMoyenne(3, 9e99), "9" + std::string(98, '0') + "1");
  EXPECT_EQ(FormaterMoyenne(6, 9e99), neuf + ".5");
  EXPECT_EQ(FormaterMoyenne(1, -9e99), "-" + neuf);
  for (int mode = -1; mode <= 8; ++mode) EXPECT_EQ(FormaterMoyenne(mode, PasDeMoyenne), "?");
  EXPECT_EQ(FormaterMoyenne(7, 12.5), "");
  EXPECT_EQ(FormaterMoyenne(-1, 12.5), "");
}

TEST(Formatage, FormaterNombreAgreeAvecLesDecimalesSurDesValeursAleatoires) {
  // The integer fast path must give the text the digit-by-digit rounding gives.
  std::mt19937_64 alea(1789);
  std::uniform_real_distribution<double> d(-30, 30);
  for (int i = 0; i < 200000; ++i) {
    const double v = i % 3 == 0 ? std::round(d(alea) * 100) / 100 : d(alea) * std::pow(10.0, int(alea() % 20) - 8);
    std::string attendu = FormaterDecimales(v, 1);
    while (attendu.back() == '0' && attendu.find('.') != std::string::npos) attendu.pop_back();
    if (attendu.back() == '.') attendu.pop_back();
    ASSERT_EQ(FormaterNombre(v), attendu) << v;
  }
}
