#include "platform/actions.h"

#include <QKeySequence>

namespace calevrin::plateforme {

namespace {

using A = TAction;

// In the enumeration's order: Definition checks it once.
constexpr TDefinitionAction Table[] = {
    {A::NouvelleClasse, "M10", "&Nouvelle classe...", "Créer un nouveau fichier de type classe", "Ctrl+N"},
    {A::Ouvrir, "M11", "&Ouvrir...", "Ouvrir un fichier", "Ctrl+O"},
    {A::Sauver, "M12", "&Sauver", "Sauver le fichier", "Ctrl+S"},
    {A::SauverSous, "M13", "S&auver sous...", "Renommer le fichier", "Ctrl+Shift+S"},
    {A::SauverTous, "M14", "Sa&uver tous", "Sauver tous les fichiers", ""},
    {A::Fermer, "M15", "&Fermer", "Fermer la fenêtre active", "Ctrl+W; Ctrl+F4"},
    {A::FermerTous, "M16", "F&ermer tous", "Fermer toutes les fenêtres", ""},
    {A::Effacer, "M17", "Effa&cer", "Effacer le fichier du disque", ""},
    {A::Imprimer, "M18", "&Imprimer...", "Imprimer le fichier", "Ctrl+P"},
    {A::ConfigurerImprimante, "M19", "C&onfigurer l'imprimante...", "Configurer l'imprimante", ""},
    {A::Apercu, "M21", "&Aperçu avant impression", "", ""},
    {A::FichesEleves, "MFiches", "Imprimer les &fiches des élèves...",
     "Une page par élève : notes, moyennes, rang, graphiques, appréciation", ""},
    {A::ExporterClasseur, "MClasseur", "E&xporter vers un classeur...",
     "Toute la classe dans un classeur de tableur (.xlsx)", ""},
    {A::Quitter, "M20", "&Quitter", "Quitter le programme", "Ctrl+Q"},
    {A::Recent1, "MenuF1", "Fichier 1", "Ouvrir ce fichier", ""},
    {A::Recent2, "MenuF2", "Fichier 2", "Ouvrir ce fichier", ""},
    {A::Recent3, "MenuF3", "Fichier 3", "Ouvrir ce fichier", ""},
    {A::MosaiqueHorizontale, "MMosaiqueH", "Mosaïque &horizontale", "Placer les fenêtres horizontalement", ""},
    {A::MosaiqueVerticale, "MMosaiqueV", "Mosaïque &verticale", "Placer les fenêtres verticalement", ""},
    {A::Cascade, "MCascade", "&Cascade", "Placer les fenêtres en cascade", ""},
    {A::ArrangerIcones, "MIcone", "&Arranger les icônes", "Aligner les icônes", ""},
    {A::ReduireToutes, "MReduire", "&Réduire toutes", "Réduire toutes les fenêtres en icône", ""},
    {A::Options, "Options1", "&Options...", "Configuration du logiciel", ""},
    {A::Aide, "Aide2", "&Aide", "Aide", ""},
    {A::APropos, "Aproposde1", "A propos de...", "A propos de ce logiciel", ""},
    {A::SiteSociete, "Int3", "Aller au site Kestrova", "", ""},
    {A::SiteLogiciel, "Int4", "Aller au site officiel", "", ""},
    {A::ContacterSociete, "Int1", "Contacter Kestrova", "", ""},
    {A::ContacterAuteur, "Int2", "Contacter l'auteur", "", ""},

    {A::Annuler, "MAnnuler", "&Annuler", "Annuler la dernière modification", "Ctrl+Z"},
    {A::Retablir, "MRetablir", "&Rétablir", "Rétablir la modification annulée", "Ctrl+Y; Ctrl+Shift+Z"},
    {A::CouperDevoir, "M61", "&Couper un devoir...", "Couper un devoir dans le presse papier", ""},
    {A::CopierDevoir, "M60", "Co&pier un devoir...", "Copier un devoir dans le presse papier", ""},
    {A::AjouterDevoirCopie, "M62", "&Ajouter le devoir copié", "Ajouter le devoir du presse papier", ""},
    {A::InsererDevoirCopie, "M63", "&Insérer le devoir copié...", "Insérer le devoir du presse papier", ""},
    {A::ExporterTableau, "M64", "&Exporter le tableau", "Exporter vers un tableur", ""},
    {A::AjouterEleve, "M25", "&Ajouter un élève...", "Ajouter un élève en fin de liste", ""},
    {A::InsererEleve, "M27", "&Insérer un élève...", "Insérer un élève dans la liste", ""},
    {A::SupprimerEleve, "M26", "&Supprimer un élève...", "Supprimer un élève de la liste", ""},
    {A::ModifierEleves, "M28", "&Modifier le nom d'un élève...", "Modifier le nom, le prénom ou la date de naissance",
     ""},
    {A::ParametresClasse, "M29", "M&odifier les paramètres de la classe",
     "Modifier l'abréviation et la division annuelle", ""},
    {A::TrierEleves, "MTrier", "&Trier par ordre alphabétique", "Trier alphabétiquement d'après le nom", ""},
    {A::AjouterDevoir, "M30", "&Ajouter un nouveau devoir...", "Ajouter un nouveau devoir", ""},
    {A::InsererDevoir, "M35", "&Insérer un nouveau devoir...", "Insérer un nouveau devoir", ""},
    {A::ModifierDevoirs, "M31", "&Modifier les informations d'un devoir...",
     "Modifier les renseignements relatifs à un devoir", ""},
    {A::SupprimerDevoir, "M32", "&Supprimer un devoir...", "Supprimer un devoir", ""},
    {A::ImporterNotes, "MImporterNotes", "Importer des &notes...",
     "Importer les notes d'un devoir depuis un fichier ou un tableur", ""},
    {A::ViderPeriode, "M33", "", "", ""},
    {A::ViderAnnee, "M34", "Su&pprimer les notes de l'année", "Supprimer TOUTES les notes de l'année", ""},
    {A::CoefficientsMatieres, "M50", "&Changer les coefficients...", "Changer les coefficients des matières", ""},
    {A::Matieres, "M51", "C&hanger le nombre et le nom...", "Changer le nom des matières", ""},
    {A::Periode1, "Ntrim1", "", "", ""},
    {A::Periode2, "Ntrim2", "", "", ""},
    {A::Periode3, "Ntrim3", "", "", ""},
    {A::Annee, "NBilan", "&Année", "Afficher le bilan annuel", ""},
    {A::Matiere1, "MenuM1", "", "Afficher la matière 1", ""},
    {A::Matiere2, "MenuM2", "", "Afficher la matière 2", ""},
    {A::Matiere3, "MenuM3", "", "Afficher la matière 3", ""},
    {A::Synthese, "MenuM4", "&Synthèse", "", ""},
    {A::StatEvolution, "M40", "&Evolution des notes classe && élèves ",
     "Graphique des notes d'un élève ou de la classe", ""},
    {A::StatDevoir, "M41", "Statistiques sur un &devoir", "Répartition de Gauss des notes d'un devoir", ""},
    {A::StatMoyennes, "M42", "Statistiques sur les &moyennes", "Répartition de Gauss des moyennes", ""},
    {A::TroisFenetresStat, "M46", "&Ouvrir les 3 fenêtres statistiques", "Ouvrir les 3 types de graphiques", ""},
    {A::Bilan, "M47", "&Bilan complet classe && élèves", "Tableau récapitulatif complet", ""},
    {A::Classement, "M43", "&Classement des élèves", "Classement des élèves d'après la moyenne", ""},
    {A::Ages, "M44", "Â&ge des élèves", "Âge des élèves", ""},
    {A::Anniversaires, "M45", "&Les anniversaires du mois", "Les anniversaires de ce mois", ""},

    {A::ContextePeriode1, "MPopup1", "", "", ""},
    {A::ContextePeriode2, "MPopup2", "", "", ""},
    {A::ContextePeriode3, "MPopup3", "", "", ""},
    {A::ContexteAnnee, "MPopup4", "Année", "Afficher le bilan annuel", ""},
    {A::ContexteMatiere1, "MPopup5", "", "", ""},
    {A::ContexteMatiere2, "MPopup6", "", "", ""},
    {A::ContexteMatiere3, "MPopup7", "", "", ""},
    {A::ContexteSynthese, "MPopup8", "Synthèse", "", ""},
    {A::ContexteFiches, "MPopupFiches", "Imprimer les &fiches des élèves...",
     "Une page par élève : notes, moyennes, rang, graphiques, appréciation", ""},
};
static_assert(std::size(Table) == NbActions, "one line per command");

constexpr bool DansLOrdre() {
  for (std::size_t i = 0; i < NbActions; ++i)
    if (static_cast<std::size_t>(Table[i].Action) != i) return false;
  return true;
}
static_assert(DansLOrdre(), "the table follows the enumeration");

}  // namespace

const TDefinitionAction& Definition(TAction a) { return Table[static_cast<std::size_t>(a)]; }

QAction* CreerAction(QMenu* menu, TAction a) {
  const TDefinitionAction& d = Definition(a);
  QAction* action = menu->addAction(QString::fromUtf8(d.Libelle));
  action->setObjectName(QString::fromLatin1(d.Nom));
  action->setStatusTip(QString::fromUtf8(d.Hint));
  if (*d.Raccourcis)
    action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(d.Raccourcis), QKeySequence::PortableText));
  return action;
}

}  // namespace calevrin::plateforme
