#pragma once
// calevrin-cli nouvelle: a new class file from a list of students.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

// a[0] is "nouvelle". Returns the exit code; arguments not understood return usage().
int Nouvelle(const std::vector<std::string>& a, std::ostream& sortie, std::ostream& erreurs,
             const std::function<int()>& usage);

}  // namespace calevrin
