// The welcome panel.
#include "app/welcome_panel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "i18n/lines.h"

namespace jadvalon {
namespace {

QToolButton* bigButton(const char* name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setIconSize(QSize(48, 48));
  button->setMinimumSize(150, 100);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

WelcomePanel::WelcomePanel(AppContext& app, QWidget* parent) : QFrame(parent), app_(app) {
  setObjectName(QStringLiteral("Pkirish"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);

  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("welcomeTitle"));
  QFont big = title_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title_->setFont(big);
  title_->setAlignment(Qt::AlignCenter);

  spyaratish = bigButton("spyaratish", this);
  Spochish = bigButton("Spochish", this);
  Spmisollar = bigButton("Spmisollar", this);
  connect(spyaratish, &QToolButton::clicked, this, &WelcomePanel::newRequested);
  connect(Spochish, &QToolButton::clicked, this, &WelcomePanel::openRequested);
  connect(Spmisollar, &QToolButton::clicked, this, &WelcomePanel::examplesRequested);

  Lof = new QLabel(this);
  Lof->setObjectName(QStringLiteral("Lof"));
  lfnomi = new QPushButton(this);
  lfnomi->setObjectName(QStringLiteral("lfnomi"));
  lfnomi->setFlat(true);
  lfnomi->setCursor(Qt::PointingHandCursor);
  QFont linkFont = lfnomi->font();
  linkFont.setUnderline(true);
  lfnomi->setFont(linkFont);
  lfnomi->setStyleSheet(
      QStringLiteral("QPushButton { color: palette(link); text-align: left; "
                     "border: none; padding: 2px; }"));
  connect(lfnomi, &QPushButton::clicked, this, [this] { emit lastProjectRequested(lastPath_); });

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(spyaratish);
  row->addWidget(Spochish);
  row->addWidget(Spmisollar);
  row->addStretch(1);
  auto* last = new QHBoxLayout;
  last->addWidget(Lof);
  last->addWidget(lfnomi, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 24);
  layout->addWidget(title_);
  layout->addSpacing(16);
  layout->addLayout(row);
  layout->addSpacing(16);
  layout->addLayout(last);
  setMinimumWidth(560);

  setLastProject({});
  retranslate();
  reloadPictures();
}

void WelcomePanel::retranslate() {
  const UiTexts& t = app_.texts;
  title_->setText(t.text(lines::kMainWindowTitle));
  spyaratish->setText(t.text(lines::kStartNewProject));
  Spochish->setText(t.text(lines::kStartOpenProject));
  Spmisollar->setText(t.text(lines::kStartExamples));
  Lof->setText(t.text(lines::kStartLastProject));
}

void WelcomePanel::reloadPictures() {
  spyaratish->setIcon(QIcon(app_.icons.picture(QStringLiteral("48x48/yaratish.bmp"))));
  Spochish->setIcon(QIcon(app_.icons.picture(QStringLiteral("48x48/ochish.bmp"))));
  Spmisollar->setIcon(QIcon(app_.icons.picture(QStringLiteral("48x48/misollar.bmp"))));
}

void WelcomePanel::setLastProject(const QString& path) {
  lastPath_ = path;
  Lof->setVisible(!path.isEmpty());
  lfnomi->setVisible(!path.isEmpty());
  lfnomi->setToolTip(path);
  updateLinkText();
}

void WelcomePanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  updateLinkText();
}

void WelcomePanel::updateLinkText() {
  // A long path is shortened in the middle; the hint always holds all of it.
  const int room = std::max(120, width() - Lof->sizeHint().width() - 90);
  lfnomi->setText(QFontMetrics(lfnomi->font()).elidedText(lastPath_, Qt::ElideMiddle, room));
}

}  // namespace jadvalon
