#pragma once
// Texts of numbers and averages.

#include <string>

namespace calevrin {

// One decimal, "." as separator, halves away from zero, no trailing zero: 12.25 -> 12.3,
// 12 -> 12, 12.04 -> 12.
std::string FormaterNombre(double valeur);
// The text of an average in rounding mode 0..6; "?" for PasDeMoyenne.
std::string FormaterMoyenne(int mode, double valeur);
// The label of a rounding mode, Windows-1252.
std::string NomArrondi(int mode);

}  // namespace calevrin
