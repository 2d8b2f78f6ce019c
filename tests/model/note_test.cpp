#include "model/note.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calevrin;

TEST(LireNote, GrammaireDesNombres) {
  const TOptions o;
  struct {
    const char* texte;
    std::uint8_t genre;
    double valeur;
  } const cas[] = {
      {"12.5", NoteNombre, 12.5}, {"12", NoteNombre, 12},     {"  7", NoteNombre, 7},    {"+3", NoteNombre, 3},
      {"-2.", NoteNombre, -2},    {".5", NoteNombre, 0.5},    {".", NoteNombre, 0},      {"1e1", NoteNombre, 10},
      {"2E-1", NoteNombre, 0.2},  {"9E99", NoteNombre, 9e99}, {"-0", NoteNombre, 0},     {"1E-999", NoteNombre, 0},
      {"12,5", NoteInvalide, 0},  {"12 ", NoteInvalide, 0},   {"", NoteInvalide, 0},     {"+", NoteInvalide, 0},
      {"1E", NoteInvalide, 0},    {"1E+", NoteInvalide, 0},   {"1..2", NoteInvalide, 0}, {"1E999", NoteInvalide, 0},
      {"abs", NoteInvalide, 0},   {"disp", NoteInvalide, 0},  {"excu", NoteInvalide, 0}, {"ret", NoteInvalide, 0},
      {"0x10", NoteInvalide, 0},  {"inf", NoteInvalide, 0},   {"nan", NoteInvalide, 0},
  };
  for (const auto& c : cas) {
    const TNote n = LireNote(c.texte, o);
    EXPECT_EQ(n.Genre, c.genre) << c.texte;
    if (c.genre == NoteNombre) {
      EXPECT_EQ(n.Valeur, c.valeur) << c.texte;
      if (n.Valeur == 0) {
        EXPECT_FALSE(std::signbit(n.Valeur)) << c.texte;
      }
    } else {
      EXPECT_EQ(n.Valeur, PasDeMoyenne) << c.texte;
    }
  }
}

TEST(LireNote, TableDesLettres) {
  TOptions o;
  EXPECT_EQ(LireNote("b+", o).Genre, NoteLettre);
  EXPECT_EQ(LireNote("b+", o).Valeur, 17.5);
  EXPECT_EQ(LireNote("E-", o).Valeur, 0.0);
  EXPECT_EQ(LireNote("E", o).Genre, NoteLettre);  // not the start of an exponent
  EXPECT_EQ(LireNote("E", o).Valeur, 1.5);
  EXPECT_EQ(LireNote("A +", o).Genre, NoteInvalide);

  o.cores[2].coresL = "a";  // compared as stored, after the text is upper-cased
  EXPECT_EQ(LireNote("a", o).Genre, NoteInvalide);
  o.cores[1].coresL = "B+";  // the first equal entry wins
  o.cores[1].coresV = 11;
  EXPECT_EQ(LireNote("b+", o).Valeur, 11);
  o.cores[3].coresL = "";  // an emptied entry never makes an empty cell a grade
  EXPECT_EQ(LireNote("", o).Genre, NoteInvalide);
  o.cores[5].coresL = "\xC9";  // É, not upper-cased from é
  EXPECT_EQ(LireNote("\xE9", o).Genre, NoteInvalide);
  EXPECT_EQ(LireNote("\xC9", o).Genre, NoteLettre);

  o.utiliserL = false;
  EXPECT_EQ(LireNote("B+", o).Genre, NoteInvalide);
  EXPECT_EQ(LireNote("14", o).Genre, NoteNombre);
}
