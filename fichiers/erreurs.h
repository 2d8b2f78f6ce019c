#pragma once
// Failures of reading or writing a file. Messages are UTF-8, like the paths they quote.

#include <stdexcept>
#include <string>
#include <string_view>

namespace calevrin {

class EErreurFichier : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "%s" in a message is replaced by the argument, the way the program's messages are built.
std::string Formater(std::string_view modele, std::string_view argument);

inline constexpr std::string_view MsgOuverture = "Impossible d'ouvrir le fichier %s";
inline constexpr std::string_view MsgLecture = "Erreur de lecture du flux";
inline constexpr std::string_view MsgCreation = "Impossible de créer le fichier %s";
inline constexpr std::string_view MsgPasFichierOrdinaire =
    "Impossible de créer le fichier %s : ce n'est pas un fichier ordinaire";
inline constexpr std::string_view MsgProtege = "Le fichier %s est protégé en écriture ; il n'est pas remplacé";
inline constexpr std::string_view MsgExisteDeja = "Le fichier %s existe déjà ; il n'est pas remplacé";

}  // namespace calevrin
