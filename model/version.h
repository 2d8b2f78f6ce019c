#pragma once

#include <string>

namespace calevrin {

inline constexpr int VersionMajeure = 3;
inline constexpr int VersionMineure = 0;

inline std::string TitreVersion() {
  return "Calevrin " + std::to_string(VersionMajeure) + "." + std::to_string(VersionMineure);
}

}  // namespace calevrin
