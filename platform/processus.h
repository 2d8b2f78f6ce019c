#pragma once
// Starting other programs.

#include <string>
#include <vector>

namespace calevrin::plateforme {

// Runs a program found in PATH and waits for it, its output discarded; false when it
// could not be started or failed.
bool Executer(const std::vector<std::string>& arguments);

}  // namespace calevrin::plateforme
