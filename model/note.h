#pragma once
// What a grade text means.

#include <cstdint>
#include <string_view>

#include "model/options.h"

namespace calevrin {

inline constexpr double PasDeMoyenne = -1789.0;

enum : std::uint8_t { NoteInvalide = 0, NoteLettre = 1, NoteNombre = 2 };

struct TNote {
  double Valeur = PasDeMoyenne;
  std::uint8_t Genre = NoteInvalide;  // 0 not a grade, 1 a letter of the table, 2 a number
  bool EstNote() const { return Genre != NoteInvalide; }
};

TNote LireNote(std::string_view texte, const TOptions& options);

// The number grammar of grade texts alone: "." as the only separator, no trailing space.
bool LireNombre(std::string_view texte, double& valeur);

// A number as typed on a French keyboard, whose keypad's decimal key types a comma: a comma
// between two digits becomes the point that grades and coefficients are stored with.
std::string PointDecimal(std::string_view saisie);

}  // namespace calevrin
