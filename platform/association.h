#pragma once
// The desktop's file association: a shared-MIME-info type for the class files, a desktop
// entry that opens them with the program, and the default-handler choice in mimeapps.list.

#include <string>

#include "platform/chemins.h"

namespace calevrin::plateforme {

inline constexpr const char* NomEntreeBureau = "calevrin.desktop";

// The MIME type of files with the extension ext ("cl3").
std::string TypeMime(const std::string& ext);

// The Exec line of the desktop entry chosen by default for the type, its program path
// unquoted ("/opt/Mes programmes/calevrin %f"); without a default, that of the program's own
// entry when it declares the type (installed by a package). A program named without a
// directory is looked up on PATH. Empty when there is none.
std::string LireCommandeOuverture(const TRepertoiresXdg& xdg, const std::string& typeMime);

// The three writes of an association, each on its own; false when it failed.
bool EcrireTypeMime(const TRepertoiresXdg& xdg, const std::string& typeMime, const std::string& ext);
bool EcrireEntreeBureau(const TRepertoiresXdg& xdg, const std::string& typeMime, const std::string& programme);
bool EcrireApplicationParDefaut(const TRepertoiresXdg& xdg, const std::string& typeMime);

// Quoting of a program path in an Exec line, and its reverse.
std::string GuillemetsExec(const std::string& chemin);
std::string SansGuillemetsExec(const std::string& exec);

}  // namespace calevrin::plateforme
