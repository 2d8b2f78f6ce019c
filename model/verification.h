#pragma once
// Checking and repairing a loaded class file whose bytes break the limits of the format.

#include <string>
#include <vector>

namespace calevrin {

class TClasse;

// One French line per problem; empty for a well-formed class.
std::vector<std::string> VerifierClasse(TClasse& c);
// Brings every count and length byte back within its limits; a well-formed class is
// left exactly as it is.
void ReparerClasse(TClasse& c);

}  // namespace calevrin
