#pragma once

#include <QByteArray>
#include <QGuiApplication>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace calevrin {

class TClasse;
struct TOptions;

// Fonts need a GUI application; the tool has no display, nor needs one. Null when one exists.
std::unique_ptr<QGuiApplication> ApplicationSansEcran();
// The bytes made in memory into the file, in one atomic write; 0 when written, else 1 after
// the message.
int EcrireSortie(const std::string& sortie, const QByteArray& octets, std::ostream& erreurs);

// The sheet of the class in its current view on one A4 page; 0 when written.
int ImprimerPdf(const TClasse& c, const TOptions& o, const std::string& sortie, std::ostream& erreurs);
// The students' report pages of a period, all the students when none is given; 0 when written.
int ImprimerFichesPdf(const TClasse& c, const TOptions& o, int periode, const std::vector<int>& eleves,
                      const std::string& sortie, std::ostream& erreurs);

}  // namespace calevrin
