#pragma once
// The one crossing of the program's texts between Windows-1252 (the class document, the
// options) and the toolkit's Unicode strings.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace calevrin::plateforme {

QString DepuisCp1252(std::string_view cp1252);
// nullopt when a character has no Windows-1252 form.
std::optional<std::string> VersCp1252(const QString& texte);

}  // namespace calevrin::plateforme
