#pragma once
// The installed printers and the one printer the program previews, sets up and prints on.

#include <QString>
#include <QStringList>

class QPrinter;

namespace calevrin::plateforme {

// Resolution given to the PDF file destination, which has no device of its own.
inline constexpr int ResolutionPdf = 300;

// The system's print queues (CUPS), without the PDF file destination. Each call asks CUPS.
QStringList NomsImprimantes();
QString ImprimanteParDefaut();  // empty when the system names none

// The destinations the program can print to: the queues, and Qt's "print to PDF file",
// which is always there. Each call asks CUPS.
int NbImprimantes();

// The printer of the process, shared by the preview, the printer set-up dialog and every
// printout, as the current printer is on other desktops. Created on first use on the
// default queue (the first queue when none is the default), otherwise on the PDF file
// destination at ResolutionPdf on A4 portrait. Needs a QGuiApplication.
QPrinter& ImprimanteCourante();
bool EstDestinationPdf(const QPrinter& p);

// The margins of every PDF the program writes, from the window or the command line alike.
inline constexpr double MargePdfMillimetres = 10.0;
void FixerMargesPdf(QPrinter& p);

// What the metrics need of a printer, read in one go.
struct TReleveImprimante {
  int NbImprimantes = 0;    // the installed destinations; the fields below mean nothing when 0
  int Resolution = 0;       // horizontal pixels per inch
  int LargeurPhysique = 0;  // the sheet of paper in printer pixels, in the current orientation
  int HauteurPhysique = 0;
  int ResolutionVerticale = 0;  // pixels per inch down the page; 0 when unknown
};
// One printer alone: NbImprimantes is 1, that printer.
TReleveImprimante ReleverImprimante(const QPrinter& p);
// The current printer, with one query of the installed destinations.
TReleveImprimante ReleverImprimanteCourante();

// The screen's logical pixels per inch (96 at a scale of 100 %); 96 with no screen.
double PixelsParPouceEcran();

}  // namespace calevrin::plateforme
