#include "app/fenetreprincipale.h"

#include <QCloseEvent>

#include "app/demarrage.h"
#include "app/options.h"
#include "model/erreurs.h"
#include "platform/chemins.h"
#include "platform/messages.h"
#include "platform/regional.h"

namespace calevrin {

namespace pf = plateforme;

TMDI::TMDI(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromStdString(Programme.TitreVersion));
  resize(1024, 720);
  ChargerOptions(Options, pf::FichierConfiguration(), pf::SeparateurDecimal());
}

TMDI::~TMDI() = default;

bool TMDI::OuvrirFichier(const std::string& chemin) {
  auto classe = std::make_unique<TClasse>();
  classe->NomFichier = chemin;
  try {
    classe->Charger();
  } catch (const EErreurClasse& e) {
    pf::BoiteMessage(QString::fromUtf8(e.what()), pf::TGenreMessage::Erreur);
    return false;
  }
  classes_.push_back(std::move(classe));
  return true;
}

void TMDI::closeEvent(QCloseEvent* event) {
  EnregistrerOptions(Options, pf::FichierConfiguration(), pf::SeparateurDecimal());
  event->accept();
}

}  // namespace calevrin
