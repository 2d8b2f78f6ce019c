// The help: every topic the code asks for has its page, the links between pages resolve,
// and the help window opens at a topic, goes back and forward and searches.
#include "platform/aide.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <map>

namespace pf = calevrin::plateforme;

namespace {

// The topics a C++ source asks for, by the rules written in platform/aide.h.
QSet<QString> SujetsDemandes(const QString& source) {
  // Comments out, literals replaced by "@n" so that the rules read only code.
  QString code;
  QStringList litteraux;
  for (qsizetype i = 0; i < source.size();) {
    const QChar c = source[i];
    const QChar s = i + 1 < source.size() ? source[i + 1] : QChar();
    if (c == '/' && s == '/') {
      while (i < source.size() && source[i] != '\n') ++i;
    } else if (c == '/' && s == '*') {
      const qsizetype fin = source.indexOf(QStringLiteral("*/"), i + 2);
      i = fin < 0 ? source.size() : fin + 2;
      code += ' ';
    } else if (c == '"' || c == '\'') {
      QString texte;
      for (++i; i < source.size() && source[i] != c; ++i) {
        // An escape stays one: "\n" is no topic named n.
        if (source[i] == '\\' && i + 1 < source.size()) texte += source[i++];
        texte += source[i];
      }
      ++i;
      if (c == '"') {
        code += QStringLiteral("\"@%1\"").arg(litteraux.size());
        litteraux << texte;
      } else {
        code += QStringLiteral("' '");
      }
    } else {
      code += c;
      ++i;
    }
  }
  static const QRegularExpression litteral(QStringLiteral("\"@(\\d+)\""));
  static const QRegularExpression forme(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
  QSet<QString> sujets;
  auto prendre = [&](const QString& morceau) {
    for (auto it = litteral.globalMatch(morceau); it.hasNext();) {
      const QString t = litteraux[it.next().captured(1).toInt()];
      if (forme.match(t).hasMatch()) sujets << t;
    }
  };
  auto fermante = [&](qsizetype ouvrante, QChar o, QChar f) {
    int n = 0;
    for (qsizetype j = ouvrante; j < code.size(); ++j) {
      if (code[j] == o) ++n;
      if (code[j] == f && --n == 0) return j;
    }
    return code.size();
  };
  // The arguments of a call to a function named "...Aide".
  static const QRegularExpression appel(QStringLiteral("\\b\\w*Aide\\s*\\("));
  for (auto it = appel.globalMatch(code); it.hasNext();) {
    const auto m = it.next();
    const qsizetype debut = m.capturedEnd() - 1;
    prendre(code.mid(debut, fermante(debut, '(', ')') - debut));
  }
  // What a function named "...Aide" returns.
  static const QRegularExpression definition(
      QStringLiteral("\\b\\w*Aide\\s*\\([^;{}]*\\)\\s*(?:const\\s*)?(?:noexcept\\s*)?\\{"));
  static const QRegularExpression retour(QStringLiteral("\\breturn\\b[^;]*;"));
  for (auto it = definition.globalMatch(code); it.hasNext();) {
    const auto m = it.next();
    const qsizetype debut = m.capturedEnd() - 1;
    const QString corps = code.mid(debut, fermante(debut, '{', '}') - debut);
    for (auto r = retour.globalMatch(corps); r.hasNext();) prendre(r.next().captured(0));
  }
  // A value given to a variable named "sujet...".
  static const QRegularExpression variable(
      QStringLiteral("\\b[sS]ujet\\w*\\s*(?:=|\\{|\\()\\s*(?:\\w+(?:::\\w+)?\\s*\\(\\s*)?\"@\\d+\""));
  for (auto it = variable.globalMatch(code); it.hasNext();) prendre(it.next().captured(0));
  // The shapes that only topics take.
  static const QRegularExpression nom(QStringLiteral("^(Dlg_\\w+|stat_\\d+)$"));
  for (const QString& t : litteraux)
    if (nom.match(t).hasMatch()) sujets << t;
  return sujets;
}

QString Lire(const QString& chemin) {
  QFile f(chemin);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
  return QString::fromUtf8(f.readAll());
}

QString Page(const QString& sujet) { return Lire(QStringLiteral(":/aide/") + sujet + QStringLiteral(".html")); }

QTextBrowser* Navigateur() { return pf::FenetreAideOuverte()->findChild<QTextBrowser*>(QStringLiteral("Navigateur")); }

QString SujetAffiche() { return QFileInfo(Navigateur()->source().path()).completeBaseName(); }

void FermerAide() {
  if (QWidget* f = pf::FenetreAideOuverte()) delete f;
}

}  // namespace

TEST(Aide, LeRelevementDesSujetsSuitLesReglesDuCode) {
  const QString source = QStringLiteral(R"(
    // pf::AfficherAide(QStringLiteral("Commentaire"));
    void f() { pf::AfficherAide(QStringLiteral("ClassementDesEleves")); }
    void g() { AfficherAide("AgeDesEleves"); Boutons(this, ok, QStringLiteral("Dlg_NewDevoir")); }
    QString TDialChoixDevoir::SujetAide(int mode) {
      switch (mode) { case 1: return QStringLiteral("Dlg_SupDevoir"); default: return QStringLiteral("PressePapInterne"); }
    }
    QPushButton* BoutonAide(QDialog* d, const QString& sujet) {
      QPushButton* b = Bouton(d, QStringLiteral("&Aide"), "BoutonAide");
      setObjectName("LesOptionsCachees");
      return b;
    }
    const QString sujetAide = QStringLiteral("LesOptions");
    label->setText(QStringLiteral("stat_01"));
    auto x = QStringLiteral("Ceci n'est pas un sujet");
  )");
  const QSet<QString> attendus{QStringLiteral("ClassementDesEleves"),
                               QStringLiteral("AgeDesEleves"),
                               QStringLiteral("Dlg_NewDevoir"),
                               QStringLiteral("Dlg_SupDevoir"),
                               QStringLiteral("PressePapInterne"),
                               QStringLiteral("LesOptions"),
                               QStringLiteral("stat_01")};
  EXPECT_EQ(SujetsDemandes(source), attendus);
}

TEST(Aide, ChaqueSujetDemandeParLeProgrammeASaPage) {
  const QStringList pages = pf::SujetsAide();
  QSet<QString> demandes;
  std::map<QString, QString> ou;
  const QString racine = QStringLiteral(CALEVRIN_SOURCE_DIR);
  // calevrin-cli opens no help window: its usage text names no topic.
  static const QRegularExpression exclus(QStringLiteral("^(tests|build[^/]*|help|docs|cli|\\.[^/]*)/"));
  for (QDirIterator it(racine, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
       it.hasNext();) {
    const QString chemin = it.next();
    const QString relatif = QDir(racine).relativeFilePath(chemin);
    if (exclus.match(relatif).hasMatch()) continue;
    for (const QString& s : SujetsDemandes(Lire(chemin))) {
      demandes << s;
      ou.emplace(s, relatif);
    }
  }
  // The scan must see every dialog's and window's topic (21 today), or it reads too little.
  EXPECT_GE(demandes.size(), 21);
  for (const QString& s : demandes)
    EXPECT_TRUE(pages.contains(s)) << "pas de page help/" << s.toStdString() << ".html pour le sujet demandé dans "
                                   << ou[s].toStdString();
}

TEST(Aide, LesLiensEntrePagesAboutissentEtToutePageEstAtteinte) {
  const QStringList pages = pf::SujetsAide();
  static const QRegularExpression lien(QStringLiteral("href=\"([^\"]*)\""));
  static const QRegularExpression titre(QStringLiteral("<title>[^<]+</title>"));
  QSet<QString> atteintes{QStringLiteral("index")};
  QStringList aVisiter{QStringLiteral("index")};
  for (const QString& p : pages) {
    const QString html = Page(p);
    EXPECT_TRUE(titre.match(html).hasMatch()) << p.toStdString() << " sans titre";
    for (auto it = lien.globalMatch(html); it.hasNext();) {
      const QString cible = it.next().captured(1);
      if (cible.startsWith(QStringLiteral("http")) || cible.startsWith(QStringLiteral("mailto:"))) continue;
      const QString fichier = cible.section('#', 0, 0);
      const QString ancre = cible.section('#', 1);
      const QString sujet = fichier.isEmpty() ? p : fichier.chopped(5);
      ASSERT_TRUE(fichier.isEmpty() || fichier.endsWith(QStringLiteral(".html"))) << cible.toStdString();
      EXPECT_TRUE(pages.contains(sujet)) << p.toStdString() << " : lien mort vers " << cible.toStdString();
      if (!ancre.isEmpty() && pages.contains(sujet)) {
        EXPECT_TRUE(Page(sujet).contains(QStringLiteral("name=\"%1\"").arg(ancre)))
            << p.toStdString() << " : ancre absente " << cible.toStdString();
      }
    }
  }
  // Every page is found from the contents, link after link.
  while (!aVisiter.isEmpty()) {
    const QString p = aVisiter.takeFirst();
    for (auto it = lien.globalMatch(Page(p)); it.hasNext();) {
      const QString s = it.next().captured(1).section('#', 0, 0).chopped(5);
      if (pages.contains(s) && !atteintes.contains(s)) {
        atteintes << s;
        aVisiter << s;
      }
    }
  }
  for (const QString& p : pages) EXPECT_TRUE(atteintes.contains(p)) << p.toStdString() << " hors du sommaire";
}

TEST(Aide, LaFenetreOuvreLeSujetRevientEnArriereEtCherche) {
  pf::AfficherAide(QStringLiteral("Dlg_NewClasse"));
  ASSERT_NE(pf::FenetreAideOuverte(), nullptr);
  EXPECT_EQ(SujetAffiche(), QStringLiteral("Dlg_NewClasse"));
  EXPECT_TRUE(pf::FenetreAideOuverte()->windowTitle().contains(QStringLiteral("Nouvelle classe")));

  // A link followed, then back and forward.
  Navigateur()->setSource(QUrl(QStringLiteral("Dlg_ParamClasse.html")));
  EXPECT_EQ(SujetAffiche(), QStringLiteral("Dlg_ParamClasse"));
  auto* precedent = pf::FenetreAideOuverte()->findChild<QPushButton*>(QStringLiteral("BoutonPrecedent"));
  auto* suivant = pf::FenetreAideOuverte()->findChild<QPushButton*>(QStringLiteral("BoutonSuivant"));
  ASSERT_TRUE(precedent->isEnabled());
  precedent->click();
  EXPECT_EQ(SujetAffiche(), QStringLiteral("Dlg_NewClasse"));
  ASSERT_TRUE(suivant->isEnabled());
  suivant->click();
  EXPECT_EQ(SujetAffiche(), QStringLiteral("Dlg_ParamClasse"));

  // The same window, with its history, for the next topic; the contents for none.
  QWidget* fenetre = pf::FenetreAideOuverte();
  pf::AfficherAide(QString());
  EXPECT_EQ(pf::FenetreAideOuverte(), fenetre);
  EXPECT_EQ(SujetAffiche(), QStringLiteral("index"));
  EXPECT_TRUE(precedent->isEnabled());

  // A topic without a page shows the contents and says so.
  pf::AfficherAide(QStringLiteral("Dlg_Inexistant"));
  EXPECT_EQ(SujetAffiche(), QStringLiteral("index"));
  EXPECT_TRUE(
      fenetre->findChild<QLabel*>(QStringLiteral("Message"))->text().contains(QStringLiteral("Dlg_Inexistant")));

  // The search ignores accents and case, and keeps only the pages holding every word.
  auto* recherche = fenetre->findChild<QLineEdit*>(QStringLiteral("Recherche"));
  auto* liste = fenetre->findChild<QListWidget*>(QStringLiteral("ListePages"));
  const int toutes = liste->count();
  EXPECT_GE(liste->viewport()->width(), liste->sizeHintForColumn(0));  // no title cut
  EXPECT_EQ(toutes, pf::SujetsAide().size());
  recherche->setText(QStringLiteral("JOKER arrondi"));
  QStringList trouvees;
  for (int i = 0; i < liste->count(); ++i) trouvees << liste->item(i)->data(Qt::UserRole).toString();
  EXPECT_TRUE(trouvees.contains(QStringLiteral("moyennes")));
  EXPECT_TRUE(trouvees.contains(QStringLiteral("Dlg_ParamClasse")));
  EXPECT_FALSE(trouvees.contains(QStringLiteral("AgeDesEleves")));
  recherche->setText(QStringLiteral("anniversaire eleve"));
  EXPECT_GT(liste->count(), 0);
  recherche->setText(QStringLiteral("motintrouvable"));
  EXPECT_EQ(liste->count(), 0);
  recherche->clear();
  EXPECT_EQ(liste->count(), toutes);

  // Enter finds the word in the page, or opens the first page holding it.
  pf::AfficherAide(QStringLiteral("AgeDesEleves"));
  recherche->setText(QStringLiteral("Joker"));
  emit recherche->returnPressed();
  EXPECT_NE(SujetAffiche(), QStringLiteral("AgeDesEleves"));
  EXPECT_TRUE(Navigateur()->textCursor().hasSelection());
  EXPECT_EQ(Navigateur()->textCursor().selectedText().toLower(), QStringLiteral("joker"));
  FermerAide();
}

TEST(Aide, OuverteDepuisUnDialogueModalElleEnEstUneFenetreFille) {
  QDialog dialogue;
  bool vue = false;
  QTimer::singleShot(0, &dialogue, [&] {
    pf::AfficherAide(QStringLiteral("Dlg_NewEleve"));
    QWidget* aide = pf::FenetreAideOuverte();
    vue = aide && aide->parentWidget() == &dialogue && aide->isWindow();
    // Its buttons never take the dialog's Enter key.
    for (QPushButton* b : aide->findChildren<QPushButton*>()) EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();
    dialogue.reject();
  });
  dialogue.exec();
  EXPECT_TRUE(vue);
  FermerAide();
}
