#include "app/apropos.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "app/adresses.h"
#include "app/demarrage.h"
#include "app/icones.h"

namespace calevrin {

namespace {
// The author's credit, kept encoded as it always was (each byte XOR 0x5A).
constexpr unsigned char Credit[] = {0x19, 0x35, 0x34, 0x39, 0x3f, 0x2a, 0x2e, 0x33, 0x35, 0x34, 0x7a, 0x3f,
                                    0x2e, 0x7a, 0x2a, 0x28, 0x35, 0x3d, 0x28, 0x3b, 0x37, 0x37, 0x3b, 0x2e,
                                    0x33, 0x35, 0x34, 0x7a, 0x60, 0x7a, 0x36, 0x7d, 0x99, 0xf3, 0x2b, 0x2f,
                                    0x33, 0x2a, 0x3f, 0x7a, 0x19, 0x3b, 0x36, 0x3f, 0x2c, 0x28, 0x33, 0x34};

QString LireCredit() {
  QByteArray b;
  for (unsigned char c : Credit) b.append(static_cast<char>(c ^ 0x5A));
  return QString::fromUtf8(b);
}

QString Societe() {
  QString t = QStringLiteral("Société: ");
  for (const char* ligne : CoordonneesSociete) t += QString::fromUtf8(ligne) + "\n";
  return t.trimmed();
}
}  // namespace

TDialInformation::TDialInformation(QWidget* parent) : QDialog(parent) {
  setObjectName(QLatin1String(IdConception));
  setWindowTitle(QStringLiteral("Information"));
  auto* racine = new QVBoxLayout(this);
  auto* panneau = new QFrame(this);
  panneau->setFrameShape(QFrame::Panel);
  panneau->setFrameShadow(QFrame::Sunken);
  auto* contenu = new QVBoxLayout(panneau);
  auto* titre = new QLabel(QString::fromStdString(Programme.TitreVersion), panneau);
  QFont f = titre->font();
  f.setPointSize(f.pointSize() + 6);
  f.setBold(true);
  titre->setFont(f);
  contenu->addWidget(titre);
  contenu->addWidget(new QLabel(QStringLiteral("CALEVRIN"), panneau));
  image_ = new QLabel(panneau);
  image_->setPixmap(Icone("calevrin").pixmap(64, 64));
  image_->installEventFilter(this);
  contenu->addWidget(image_);
  societe_ = new QLabel(Societe(), panneau);
  contenu->addWidget(societe_);
  contenu->addWidget(new QLabel(QStringLiteral("Site internet sur ce logiciel:"), panneau));
  contenu->addWidget(new QLabel(QString::fromLatin1(SiteLogiciel), panneau));
  racine->addWidget(panneau);
  auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  racine->addWidget(boutons);
  adjustSize();
  if (const QScreen* e = QGuiApplication::primaryScreen()) move(e->availableGeometry().center() - rect().center());
}

bool TDialInformation::eventFilter(QObject* objet, QEvent* event) {
  if (objet == image_ && event->type() == QEvent::MouseButtonPress && ++clics_ == 3) societe_->setText(LireCredit());
  return QDialog::eventFilter(objet, event);
}

}  // namespace calevrin
