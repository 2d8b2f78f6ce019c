#pragma once
// The user's preferences. Loading and saving them is the application's business; the
// record itself lives here because the computations of the class document read it.

#include <cstdint>
#include <string>

#include "model/chaine.h"

namespace calevrin {

// 24-bit colour, red in the lowest byte, then green, then blue.
using TCouleur = std::uint32_t;

struct TCorrespondance {
  std::string coresL;  // Windows-1252, at most 2 characters
  double coresV = 0.0;
  bool operator==(const TCorrespondance&) const = default;
};

struct TStylePolice {
  bool gras = false;
  bool italique = false;
  bool souligne = false;
  bool operator==(const TStylePolice&) const = default;
};

inline constexpr std::size_t CapaciteChemin = 255;
inline constexpr std::size_t CapacitePolice = 32;
inline constexpr std::size_t CapaciteLettre = 2;
inline constexpr int NbCouleurs = 12;
inline constexpr int NbCorrespondances = 15;
// The screen zooms a configuration file may set; outside, the default applies.
inline constexpr double ZoomMin = 0.2;
inline constexpr double ZoomMax = 5.0;

// Member initialisers are the built-in defaults, except the backup directory, which
// depends on the desktop and is filled in by the application.
struct TOptions {
  bool arrondiN = false;
  bool prenom = true;
  bool trait = true;
  bool majuscule = true;
  bool noirblanc = true;
  bool moydiv2 = true;
  bool textebas = true;
  bool sauvegarde = true;
  bool alignernb = true;
  bool verification = true;
  bool imprimerAnnee = true;
  bool tailleid = true;
  bool utiliserL = true;
  bool marge = true;
  bool centrert = true;

  std::uint8_t notemax = 20;
  std::uint8_t coefmax = 10;
  std::uint8_t notemoy = 10;
  std::uint8_t indsep = 2;
  TTableau1<TCouleur, NbCouleurs> couleur = CouleursParDefaut();
  double zoomP = 2.0;
  double zoomD = 2.0;
  double kp = 1.0;
  double kd = 1.0;
  std::string repsauve;             // a directory path, ending with "/"
  TTableau1<std::string, 3> liste;  // the recent class files, paths
  std::string polname = "Arial";    // Windows-1252
  TTableau1<TCorrespondance, NbCorrespondances> cores = CorrespondancesParDefaut();
  TStylePolice polstyle;
  std::uint8_t relief = 1;

  bool operator==(const TOptions&) const = default;

  static TTableau1<TCouleur, NbCouleurs> CouleursParDefaut();
  static TTableau1<TCorrespondance, NbCorrespondances> CorrespondancesParDefaut();
};

// The process-wide records: the options in effect and the built-in defaults.
extern TOptions Options;
extern TOptions OptionsDefaut;

}  // namespace calevrin
