// Runs in the model-only build too, so that the sanitizer watches the canvases' shared tables.
#include "platform/cachetables.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>

using calevrin::plateforme::TCacheTables;

namespace {
using TTable = std::unordered_map<std::string, int>;
}

TEST(CacheTables, UneTableTenueSurvitAuxPoliceSuivantes) {
  TCacheTables<std::string, TTable> caches(16);
  // Two canvases alive: the first keeps its font's table while the second goes through more
  // fonts than the set holds. A table freed under the first is a use after free here.
  auto premier = caches.Obtenir("Arial 8@96");
  (*premier)["Dupont"] = 42;
  for (int i = 0; i < 40; ++i) {
    auto second = caches.Obtenir("Police " + std::to_string(i) + "@96");
    (*second)["texte"] = i;
    EXPECT_LE(caches.NbTables(), 16u);
  }
  (*premier)["Martin"] = 7;
  EXPECT_EQ(premier->at("Dupont"), 42);
  // Still in the set, since it was held: the next canvas on that font finds its texts.
  EXPECT_EQ(caches.Obtenir("Arial 8@96"), premier);
}

TEST(CacheTables, LesTablesLibresPartentQuandToutesSontTenues) {
  TCacheTables<std::string, TTable> caches(3);
  auto a = caches.Obtenir("a");
  auto b = caches.Obtenir("b");
  auto c = caches.Obtenir("c");
  EXPECT_EQ(caches.Obtenir("b"), b);  // found, not recreated
  (*a)["x"] = 1;
  // Every table is held: the set empties, and the holders keep working on their own.
  auto d = caches.Obtenir("d");
  EXPECT_EQ(caches.NbTables(), 1u);
  (*a)["y"] = 2;
  (*c)["z"] = 3;
  EXPECT_EQ(a->size(), 2u);
  EXPECT_NE(caches.Obtenir("a"), a);  // a new, empty table for the next canvas
  EXPECT_TRUE(caches.Obtenir("a")->empty());
  // Released tables are the ones trimmed; held ones stay.
  b.reset();
  c.reset();
  a.reset();
  caches.Obtenir("e");
  caches.Obtenir("f");
  EXPECT_EQ(caches.Obtenir("d"), d);
}
