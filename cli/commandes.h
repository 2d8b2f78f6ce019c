#pragma once
// calevrin-cli: inspect, check and repair class files without the desktop.

#include <iosfwd>
#include <string>
#include <vector>

namespace calevrin {

// Exit codes: 0 done, 1 a file is faulty or could not be handled, 2 bad arguments.
int ExecuterCli(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

}  // namespace calevrin
