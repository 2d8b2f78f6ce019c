#pragma once

#include "cli/arguments.h"

namespace calevrin::cli {

// The students by decreasing age and the class's average age, in UTF-8.
extern const TCommande CommandeAges;
// The birthdays of the month, one line each, in UTF-8.
extern const TCommande CommandeAnniversaires;

}  // namespace calevrin::cli
