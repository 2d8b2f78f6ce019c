#include "model/cp1252.h"

#include <gtest/gtest.h>

using namespace calevrin;

TEST(Cp1252, AllerRetourEtCaracteresSansEquivalent) {
  std::string tous;
  for (int b = 1; b < 256; ++b) tous += static_cast<char>(b);
  const std::string utf8 = Utf8DepuisCp1252(tous);
  EXPECT_EQ(Cp1252DepuisUtf8(utf8), tous);

  EXPECT_EQ(Utf8DepuisCp1252("\x80\x9C\xC9\xFF"), "€œÉÿ");
  EXPECT_EQ(Cp1252DepuisUtf8("Lefèvre Œ Ÿ"), "Lef\xE8vre \x8C \x9F");
  EXPECT_EQ(Cp1252DepuisUtf8("Ω"), std::nullopt);          // no Windows-1252 form
  EXPECT_EQ(Cp1252DepuisUtf8("\xE9t\xE9"), std::nullopt);  // not UTF-8
  EXPECT_EQ(Cp1252DepuisUtf8("\xC3"), std::nullopt);       // cut sequence
  EXPECT_EQ(Cp1252DepuisUtf8("\xC1\x81"), std::nullopt);   // overlong "A"
  EXPECT_EQ(Cp1252DepuisUtf8("\xE0\x81\x81"), std::nullopt);

  EXPECT_EQ(CouperUtf8("éléphant", 3), "élé");
  EXPECT_EQ(CouperUtf8("abc", 10), "abc");
}
