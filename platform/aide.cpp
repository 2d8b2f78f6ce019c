#include "platform/aide.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

// Resources of a static library are registered by hand, from outside any namespace.
static void InitialiserPagesAide() {
  static const bool fait = [] {
    Q_INIT_RESOURCE(aide);
    return true;
  }();
  (void)fait;
}

namespace calevrin::plateforme {

namespace {

const QString RacinePages = QStringLiteral(":/aide/");

struct TPage {
  QString Sujet;
  QString Titre;
  QString Texte;  // folded, for the search
};

QString LirePage(const QString& sujet) {
  QFile f(RacinePages + sujet + QStringLiteral(".html"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// A teacher types "eleve" for "élève": the search ignores case and accents.
QString Plier(const QString& s) {
  QString r;
  for (QChar c : s.normalized(QString::NormalizationForm_D))
    if (c.category() != QChar::Mark_NonSpacing) r += c.toLower();
  return r;
}

const std::vector<TPage>& Pages() {
  static const std::vector<TPage> pages = [] {
    InitialiserPagesAide();
    std::vector<TPage> v;
    static const QRegularExpression titre(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (const QString& nom : SujetsAide()) {
      const QString html = LirePage(nom);
      QTextDocument doc;
      doc.setHtml(html);
      const QRegularExpressionMatch m = titre.match(html);
      v.push_back({nom, m.hasMatch() ? m.captured(1).trimmed() : nom, Plier(doc.toPlainText())});
    }
    // The contents first, then the pages by title, as a reader looks for them.
    std::sort(v.begin(), v.end(), [](const TPage& a, const TPage& b) {
      if ((a.Sujet == QLatin1String("index")) != (b.Sujet == QLatin1String("index")))
        return a.Sujet == QLatin1String("index");
      return QString::localeAwareCompare(Plier(a.Titre), Plier(b.Titre)) < 0;
    });
    return v;
  }();
  return pages;
}

bool Contient(const TPage& p, const QStringList& mots) {
  for (const QString& m : mots)
    if (!p.Texte.contains(m) && !Plier(p.Titre).contains(m)) return false;
  return true;
}

// A plain window, not a dialog: its buttons must not answer the Enter key of the dialog it serves.
class TFenetreAide : public QWidget {
 public:
  explicit TFenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FenetreAide"));
    resize(900, 640);

    auto* sommaire = Bouton(QStringLiteral("&Sommaire"), "BoutonSommaire");
    precedent_ = Bouton(QStringLiteral("◀ &Précédent"), "BoutonPrecedent");
    suivant_ = Bouton(QStringLiteral("S&uivant ▶"), "BoutonSuivant");
    auto* imprimer = Bouton(QStringLiteral("&Imprimer..."), "BoutonImprimer");
    recherche_ = new QLineEdit(this);
    recherche_->setObjectName(QStringLiteral("Recherche"));
    recherche_->setPlaceholderText(QStringLiteral("Rechercher dans l'aide"));
    recherche_->setClearButtonEnabled(true);
    auto* fermer = Bouton(QStringLiteral("&Fermer"), "BoutonFermer");

    auto* barre = new QHBoxLayout;
    barre->addWidget(sommaire);
    barre->addWidget(precedent_);
    barre->addWidget(suivant_);
    barre->addWidget(imprimer);
    barre->addSpacing(12);
    barre->addWidget(new QLabel(QStringLiteral("Rechercher :"), this));
    barre->addWidget(recherche_, 1);
    barre->addWidget(fermer);

    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("ListePages"));
    navigateur_ = new QTextBrowser(this);
    navigateur_->setObjectName(QStringLiteral("Navigateur"));
    navigateur_->setOpenExternalLinks(true);
    auto* partage = new QSplitter(this);
    partage->addWidget(liste_);
    partage->addWidget(navigateur_);
    partage->setStretchFactor(1, 1);
    partage->setCollapsible(0, false);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Message"));

    auto* racine = new QVBoxLayout(this);
    racine->addLayout(barre);
    racine->addWidget(partage, 1);
    racine->addWidget(message_);

    RemplirListe({});
    // The contents as wide as their longest title: a title cut short names no page.
    const int largeur = liste_->sizeHintForColumn(0) + 2 * liste_->frameWidth() +
                        liste_->verticalScrollBar()->sizeHint().width() + liste_->spacing() * 2;
    liste_->setMinimumWidth(largeur);
    partage->setSizes({largeur, std::max(630, 900 - largeur)});
    precedent_->setEnabled(false);
    suivant_->setEnabled(false);

    connect(sommaire, &QPushButton::clicked, this, [this] { Montrer(QString()); });
    connect(precedent_, &QPushButton::clicked, navigateur_, &QTextBrowser::backward);
    connect(suivant_, &QPushButton::clicked, navigateur_, &QTextBrowser::forward);
    connect(navigateur_, &QTextBrowser::backwardAvailable, precedent_, &QPushButton::setEnabled);
    connect(navigateur_, &QTextBrowser::forwardAvailable, suivant_, &QPushButton::setEnabled);
    connect(navigateur_, &QTextBrowser::sourceChanged, this, [this] { PageChangee(); });
    connect(imprimer, &QPushButton::clicked, this, [this] { Imprimer(); });
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(liste_, &QListWidget::itemActivated, this, [this](QListWidgetItem* i) { OuvrirElement(i); });
    connect(liste_, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { OuvrirElement(i); });
    connect(recherche_, &QLineEdit::textChanged, this, [this](const QString& t) { Filtrer(t); });
    connect(recherche_, &QLineEdit::returnPressed, this, [this] { ChercherSuivant(); });

    Raccourci(QKeySequence(Qt::Key_Escape), [this] { close(); });
    Raccourci(QKeySequence::Back, [this] { navigateur_->backward(); });
    Raccourci(QKeySequence::Forward, [this] { navigateur_->forward(); });
    Raccourci(QKeySequence::Find, [this] {
      recherche_->setFocus();
      recherche_->selectAll();
    });
    Raccourci(QKeySequence::FindNext, [this] { ChercherSuivant(); });
    Raccourci(QKeySequence::Print, [this] { Imprimer(); });
  }

  void Montrer(const QString& sujet) {
    const QString nom = sujet.isEmpty() ? QStringLiteral("index") : sujet;
    if (QFile::exists(RacinePages + nom + QStringLiteral(".html"))) {
      Aller(nom);
      message_->clear();
    } else {
      Aller(QStringLiteral("index"));
      message_->setText(QStringLiteral("Il n'y a pas de page d'aide pour « %1 » : voici le sommaire.").arg(nom));
    }
  }

 private:
  QPushButton* Bouton(const QString& texte, const char* nom) {
    auto* b = new QPushButton(texte, this);
    b->setObjectName(QLatin1String(nom));
    b->setAutoDefault(false);
    return b;
  }

  template <typename F>
  void Raccourci(const QKeySequence& touches, F f) {
    auto* r = new QShortcut(touches, this);
    connect(r, &QShortcut::activated, this, f);
  }

  void Aller(const QString& nom) {
    const QUrl url(QStringLiteral("qrc:/aide/") + nom + QStringLiteral(".html"));
    if (navigateur_->source() != url)
      navigateur_->setSource(url);
    else
      PageChangee();
  }

  void PageChangee() {
    const QString titre = navigateur_->documentTitle();
    setWindowTitle(titre.isEmpty() ? QStringLiteral("Aide de Calevrin")
                                   : QStringLiteral("Aide de Calevrin - ") + titre);
    const QString nom = QFileInfo(navigateur_->source().path()).completeBaseName();
    for (int i = 0; i < liste_->count(); ++i) {
      if (liste_->item(i)->data(Qt::UserRole).toString() == nom) {
        const QSignalBlocker b(liste_);
        liste_->setCurrentRow(i);
        break;
      }
    }
  }

  void OuvrirElement(QListWidgetItem* i) {
    if (!i) return;
    Aller(i->data(Qt::UserRole).toString());
    if (!recherche_->text().trimmed().isEmpty()) ChercherSuivant();
  }

  void RemplirListe(const QStringList& mots) {
    liste_->clear();
    for (const TPage& p : Pages()) {
      if (!mots.isEmpty() && !Contient(p, mots)) continue;
      auto* i = new QListWidgetItem(p.Titre, liste_);
      i->setData(Qt::UserRole, p.Sujet);
    }
  }

  void Filtrer(const QString& texte) {
    const QStringList mots = Plier(texte).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    RemplirListe(mots);
    if (mots.isEmpty())
      message_->clear();
    else if (liste_->count() == 0)
      message_->setText(QStringLiteral("Aucune page ne contient « %1 ».").arg(texte.trimmed()));
    else
      message_->setText(QStringLiteral("%1 page(s) contiennent « %2 » : Entrée cherche dans la page.")
                            .arg(liste_->count())
                            .arg(texte.trimmed()));
    PageChangee();
  }

  // Finds the first word of the search in the page, from the cursor on, then from the top.
  void ChercherSuivant() {
    const QStringList mots = recherche_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (mots.isEmpty()) return;
    const QString& mot = mots.first();
    if (navigateur_->find(mot)) return;
    QTextCursor debut = navigateur_->textCursor();
    debut.movePosition(QTextCursor::Start);
    navigateur_->setTextCursor(debut);
    if (navigateur_->find(mot)) return;
    // Not on this page: the first page of the results.
    if (liste_->count() > 0 &&
        liste_->item(0)->data(Qt::UserRole).toString() != QFileInfo(navigateur_->source().path()).completeBaseName()) {
      Aller(liste_->item(0)->data(Qt::UserRole).toString());
      navigateur_->find(mot);
    }
  }

  void Imprimer() {
    QPrinter imprimante;
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setWindowTitle(QStringLiteral("Imprimer la page d'aide"));
    if (dialogue.exec() == QDialog::Accepted) navigateur_->print(&imprimante);
  }

  QTextBrowser* navigateur_;
  QListWidget* liste_;
  QLineEdit* recherche_;
  QPushButton* precedent_;
  QPushButton* suivant_;
  QLabel* message_;
};

QPointer<TFenetreAide>& Ouverte() {
  static QPointer<TFenetreAide> f;
  return f;
}

void FenetreAide(const QString& sujet) {
  InitialiserPagesAide();
  // A modal dialog blocks every window but its own children: the help must be one of them.
  QWidget* parent = QApplication::activeModalWidget();
  if (!parent) parent = QApplication::activeWindow();
  if (Ouverte() && parent == Ouverte()) parent = Ouverte()->parentWidget();
  TFenetreAide* fenetre = Ouverte();
  if (!fenetre) {
    fenetre = new TFenetreAide(parent);
    Ouverte() = fenetre;
  } else if (fenetre->parentWidget() != parent) {
    // Kept with its history, under the window that asks now.
    const QRect place = fenetre->geometry();
    fenetre->setParent(parent, Qt::Window);
    fenetre->setGeometry(place);
  }
  fenetre->Montrer(sujet);
  fenetre->show();
  fenetre->raise();
  fenetre->activateWindow();
}

TFonctionAide& Fonction() {
  static TFonctionAide f = FenetreAide;
  return f;
}

}  // namespace

void AfficherAide(const QString& sujet) { Fonction()(sujet); }

TFonctionAide RemplacerAide(TFonctionAide f) {
  TFonctionAide ancienne = std::move(Fonction());
  Fonction() = f ? std::move(f) : TFonctionAide(FenetreAide);
  return ancienne;
}

QStringList SujetsAide() {
  InitialiserPagesAide();
  QStringList r;
  for (const QString& f : QDir(RacinePages).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
    r << f.chopped(5);
  return r;
}

QWidget* FenetreAideOuverte() { return Ouverte(); }

}  // namespace calevrin::plateforme
