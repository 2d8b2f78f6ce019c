#pragma once

#include "cli/arguments.h"

namespace calevrin::cli {

// A new class file from a list of students.
extern const TCommande CommandeNouvelle;

}  // namespace calevrin::cli
