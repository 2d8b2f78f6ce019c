#pragma once

#include <QIcon>

namespace calevrin {

// One of the program's icons by its name ("sauver", "calevrin" ...), with every size drawn
// for it at build time; Qt picks the one for the size and the screen's density.
QIcon Icone(const char* nom);

}  // namespace calevrin
