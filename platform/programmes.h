#pragma once
// Other programs of the desktop: the web browser and the mail program.

#include <QString>

namespace calevrin::plateforme {

// Opens the address in the desktop's default browser; false when none could be started.
bool OuvrirAdresse(const QString& adresse);
// A new message to the address in the desktop's default mail program.
bool OuvrirMessagerie(const QString& adresse);

}  // namespace calevrin::plateforme
