#pragma once
// The command line as one raw text, the form the start-up searches for a class file in.

#include <string>

namespace calevrin::plateforme {

// The program path then each argument, each in double quotes and separated by spaces,
// so that a path typed with or without quotes in a shell comes out quoted.
std::string LigneDeCommandeBrute(int argc, const char* const* argv);

}  // namespace calevrin::plateforme
