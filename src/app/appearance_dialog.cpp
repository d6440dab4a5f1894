// The settings dialog of styles and icon sets.
#include "app/appearance_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/tf_xabar.h"
#include "i18n/lines.h"

namespace jadvalon {

AppearanceDialog::AppearanceDialog(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName(QStringLiteral("appearanceDialog"));
  const UiTexts& t = app.texts;
  setWindowTitle(t.title(lines::kMenuAppearance));

  auto* styleLabel = new QLabel(t.text(lines::kStyleListLabel), this);
  styles_ = new QListWidget(this);
  styles_->setObjectName(QStringLiteral("styleList"));
  for (int i = 0; i < StyleCatalogue::count(); ++i) styles_->addItem(StyleCatalogue::at(i).name);
  styles_->setCurrentRow(app.styles.current());
  styles_->setMinimumSize(240, 300);
  styleLabel->setBuddy(styles_);
  connect(styles_, &QListWidget::currentRowChanged, this, &AppearanceDialog::applyStyle);

  auto* sets = new QGroupBox(t.text(lines::kIconSetLabel), this);
  auto* grid = new QGridLayout(sets);
  for (int k = 0; k < IconSet::kSetCount; ++k) {
    auto* picture = new QToolButton(sets);
    picture->setObjectName(QStringLiteral("iconSetPicture%1").arg(k));
    picture->setIconSize(QSize(32, 32));
    picture->setIcon(QIcon(app.icons.pictureOf(k, QStringLiteral("32x32/Sinf.bmp"))));
    picture->setMinimumSize(48, 48);
    picture->setCheckable(true);
    auto* radio = new QRadioButton(QString::number(k + 1), sets);
    radio->setObjectName(QStringLiteral("iconSetRadio%1").arg(k));
    grid->addWidget(picture, 0, k, Qt::AlignHCenter);
    grid->addWidget(radio, 1, k, Qt::AlignHCenter);
    pictures_[static_cast<std::size_t>(k)] = picture;
    radios_[static_cast<std::size_t>(k)] = radio;
    // A click on a picture picks its set like its radio button.
    connect(picture, &QToolButton::clicked, radio, [radio] { radio->setChecked(true); });
    connect(radio, &QRadioButton::toggled, this, [this, k](bool on) {
      if (on && app_.icons.current() != k) app_.icons.select(k);
    });
  }
  connect(&app.icons, &IconSet::changed, this, &AppearanceDialog::showIconSet);
  showIconSet(app.icons.current());

  auto* ok = new QPushButton(t.text(lines::kOk), this);
  ok->setObjectName(QStringLiteral("Btok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(styleLabel);
  layout->addWidget(styles_, 1);
  layout->addWidget(sets);
  layout->addLayout(buttons);
}

void AppearanceDialog::showIconSet(int set) {
  for (int k = 0; k < IconSet::kSetCount; ++k) {
    const bool chosen = k == set;
    QRadioButton* radio = radios_[static_cast<std::size_t>(k)];
    if (chosen && !radio->isChecked()) radio->setChecked(true);
    // The chosen set's picture is drawn pressed, the others flat.
    pictures_[static_cast<std::size_t>(k)]->setAutoRaise(!chosen);
    pictures_[static_cast<std::size_t>(k)]->setChecked(chosen);
  }
}

void AppearanceDialog::applyStyle(int position) {
  if (position < 0) return;
  if (!app_.styles.apply(position)) {
    TFxabar::showMessage(this, app_.texts,
                         app_.texts.text(lines::kSettingNotSaved) + QLatin1Char('\n') +
                             QString::fromStdString(app_.styles.indexFile().string()));
  }
}

}  // namespace jadvalon
