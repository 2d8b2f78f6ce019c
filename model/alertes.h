#pragma once
// How the class document tells the user something: the application installs message
// boxes and the system beep; without them (the command-line tool, tests) nothing shows.

#include <functional>
#include <string>

namespace calevrin {

enum class TGenreAlerte { Avertissement, Erreur, Information };

void Alerter(TGenreAlerte genre, const std::string& texteUtf8);
void Bip();

struct TAlertes {
  std::function<void(TGenreAlerte, const std::string&)> alerter;
  std::function<void()> bip;
};
// Returns the previous pair.
TAlertes RemplacerAlertes(TAlertes alertes);

}  // namespace calevrin
