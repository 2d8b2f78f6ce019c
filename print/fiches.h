#pragma once
// The students' report pages on paper: one A4 portrait page per student, a second one only
// when the tests do not fit. Preview, printer and PDF draw the same pages through the same
// functions, on a printable area of any resolution.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "model/fiches.h"
#include "platform/canevas.h"

class QPagedPaintDevice;

namespace calevrin {

struct TParametresFiches {
  TContenuFiche Contenu;
  bool NoirBlanc = false;
  QString Police = QStringLiteral("Arial");
  QString Pied;  // the foot of every page: the date of printing
};

// The options' font and black-and-white choice, the foot dated today.
TParametresFiches ParametresFiches(const TContenuFiche& contenu, const TOptions& o,
                                   const TDateJour& aujourdhui = TDateJour::Aujourdhui());

// The printable area of an A4 portrait page within the program's PDF margins.
QSize ZoneA4(int resolution);

// How many pages a student's report takes on a printable area of W x H pixels: 1 or 2.
int NbPagesFiche(const TFicheEleve& f, const TParametresFiches& p, int W, int H);
// Page 1 or 2 of the report, its top-left corner at (0, 0).
void DessinerPageFiche(plateforme::TCanevas& c, const TFicheEleve& f, int page, const TParametresFiches& p, int W,
                       int H);

// Every page of the document in order: (report index, page 1 or 2).
std::vector<std::pair<int, int>> PagesFiches(const std::vector<TFicheEleve>& fiches, const TParametresFiches& p, int W,
                                             int H);

// One page as the preview shows it: the A4 sheet, margins included, largeur pixels wide.
QImage ImagePageFiche(const TFicheEleve& f, int page, const TParametresFiches& p, int largeur);

// Every page onto a started device (a printer); false when the device refused a page.
bool ImprimerFiches(QPagedPaintDevice& d, const std::vector<TFicheEleve>& fiches, const TParametresFiches& p);
// The whole document as a PDF in memory, for one atomic write; empty on failure.
QByteArray PdfFiches(const std::vector<TFicheEleve>& fiches, const TParametresFiches& p, const QString& titre);
// That PDF written to chemin whole or not at all; EErreurClasse with the message every writer of
// the program gives, before any drawing when the target cannot be a file.
void EcrirePdfFiches(const std::string& chemin, const std::vector<TFicheEleve>& fiches, const TParametresFiches& p,
                     const QString& titre);

}  // namespace calevrin
