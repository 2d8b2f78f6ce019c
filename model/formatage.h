#pragma once
// Texts of numbers and averages. Rounding works on the value written with 15 significant
// digits, as the configuration file writes it: 0.15 is a half, not 0.1499999...

#include <string>

namespace calevrin {

// One decimal, "." as separator, halves away from zero, no trailing zero: 12.25 -> 12.3,
// 12 -> 12, 12.04 -> 12.
std::string FormaterNombre(double valeur);
// Exactly `decimales` decimals (25 -> "25.00" with 2), "." as separator, halves away from zero.
std::string FormaterDecimales(double valeur, int decimales);
// The text of an average in rounding mode 0..6; "?" for PasDeMoyenne, "" for another mode.
std::string FormaterMoyenne(int mode, double valeur);
// The value FormaterMoyenne shows, to colour an average by what the teacher reads: 9.5 shown
// "10" is not below a pass mark of 10. PasDeMoyenne stays itself.
double MoyenneAffichee(int mode, double valeur);
// The label of a rounding mode, Windows-1252.
std::string NomArrondi(int mode);

}  // namespace calevrin
