#include "app/demarrage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <filesystem>

#include "app/fenetreprincipale.h"
#include "app/options.h"
#include "model/alertes.h"
#include "model/chaine.h"
#include "model/version.h"
#include "platform/association.h"
#include "platform/lignecommande.h"
#include "platform/messages.h"
#include "platform/profil.h"

namespace calevrin {

namespace pf = plateforme;

TValeursProgramme Programme;

void FixerValeursProgramme() {
  Programme.TitreVersion = TitreVersion();
  Programme.RepertoireProgramme = pf::RepertoireProgramme();
  OptionsParDefaut(OptionsDefaut);
}

QString QuestionAssociation(const std::string& ext, const std::string& programme) {
  // The path is shown as it is: on this system its case is part of the name.
  return QStringLiteral("L'extension de fichier ") + QString::fromStdString(MajusculesAscii(ext)) +
         QStringLiteral(" n'est pas associée à ce logiciel.") + "\n" + "( " + QString::fromStdString(programme) + " )" +
         "\n\n" + QStringLiteral("Voulez associer cette extension à ce logiciel ?");
}

void VerifierAssociation(const std::string& ext, const pf::TRepertoiresXdg& xdg, const std::string& programme,
                         const TDemande& demander) {
  const std::string e = !ext.empty() && ext[0] == '.' ? ext.substr(1) : ext;
  const std::string type = pf::TypeMime(e);
  std::string commande = pf::LireCommandeOuverture(xdg, type);
  // The desktop entry's Exec line ends with its field code (" %f", " %U" ...): the program is what precedes it.
  if (const auto pos = commande.find(" %"); pos != std::string::npos) commande.erase(pos);
  if (MajusculesAscii(commande) == MajusculesAscii(programme)) return;
  if (!demander(QuestionAssociation(e, programme))) return;
  // Each write on its own; a failure is not reported and the question comes back next time.
  pf::EcrireTypeMime(xdg, type, e);
  pf::EcrireEntreeBureau(xdg, type, programme);
  pf::EcrireApplicationParDefaut(xdg, type);
}

bool FichierDeLaLigneDeCommande(const std::string& ext, int nbParametres, const std::string& ligne,
                                std::string& chemin) {
  if (nbParametres <= 0) return false;
  const auto pos = ligne.find(ext);
  if (pos == std::string::npos) return false;
  std::size_t fin = ligne.find('"', pos);
  if (fin == std::string::npos) fin = ligne.size();
  std::size_t debut = pos;
  while (debut > 1 && ligne[debut] != '"') --debut;
  const std::string p = ligne.substr(debut + 1, fin - debut - 1);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(p, ec)) return false;
  if (MinusculesAscii(std::filesystem::path(p).extension().string()) != ext) return false;
  chemin = p;
  return true;
}

std::unique_ptr<TFenetrePrincipale> OuvrirProgramme(int argc, char** argv) {
  // The program speaks French whatever the user's locale, the toolkit's own dialogs too.
  auto* traductionQt = new QTranslator(QCoreApplication::instance());
  if (traductionQt->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(traductionQt);
  FixerValeursProgramme();
  RemplacerAlertes({[](TGenreAlerte genre, const std::string& texte) {
                      const pf::TGenreMessage g = genre == TGenreAlerte::Erreur ? pf::TGenreMessage::Erreur
                                                  : genre == TGenreAlerte::Avertissement
                                                      ? pf::TGenreMessage::Avertissement
                                                      : pf::TGenreMessage::Information;
                      pf::BoiteMessage(QString::fromStdString(texte), g);
                    },
                    [] { pf::Bip(); }});
  pf::RemplacerAvertissementProfil([](const std::string& texte) { Alerter(TGenreAlerte::Avertissement, texte); });
  QApplication::setApplicationName(QStringLiteral("CALEVRIN"));
  QGuiApplication::setDesktopFileName(QStringLiteral("calevrin"));
  const std::string programme = pf::CheminProgramme();
  VerifierAssociation(".cl3", pf::TRepertoiresXdg::DuSysteme(), programme, [](const QString& question) {
    return pf::BoiteMessage(question, pf::TGenreMessage::Information, pf::BoutonOui | pf::BoutonNon) ==
           pf::TReponse::Oui;
  });
  auto fenetre = std::make_unique<TFenetrePrincipale>();
  fenetre->showMaximized();
  fenetre->ProposerRecuperations();
  std::string chemin;
  if (FichierDeLaLigneDeCommande(".cl3", argc - 1, pf::LigneDeCommandeBrute(argc, argv), chemin)) {
    fenetre->EffacerInvite();
    fenetre->OuvrirFichier(chemin);
  }
  return fenetre;
}

int Demarrer(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::unique_ptr<TFenetrePrincipale> fenetre = OuvrirProgramme(argc, argv);
  return QApplication::exec();
}

}  // namespace calevrin
