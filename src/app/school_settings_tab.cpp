// The school settings tab: every edit goes straight into the project header.
#include "app/school_settings_tab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "app/app_context.h"
#include "i18n/lines.h"
#include "model/text_codec.h"

namespace jadvalon {
namespace {

constexpr int kShiftCount = 3;

// Fields the six detail edits write, with their capacities.
enum class Detail { Institution, Director, Town, AcademicYear, Deputy, Psychologist };

std::string toUtf8(const QString& text) { return text.toUtf8().toStdString(); }

void storeDetailText(TLoyiha& image, Detail detail, const std::string& text) {
  switch (detail) {
    case Detail::Institution:
      storeText(image.header.institution, text);
      break;
    case Detail::Director:
      storeText(image.header.director, text);
      break;
    case Detail::Town:
      storeText(image.header.town, text);
      break;
    case Detail::AcademicYear:
      storeText(image.header.academicYear, text);
      break;
    case Detail::Deputy:
      storeText(image.teachers[kDeputyDirectorSlot].name, text);
      break;
    case Detail::Psychologist:
      storeText(image.teachers[kPsychologistSlot].name, text);
      break;
  }
}

std::string detailText(const TLoyiha& image, Detail detail) {
  switch (detail) {
    case Detail::Institution:
      return loadText(image.header.institution);
    case Detail::Director:
      return loadText(image.header.director);
    case Detail::Town:
      return loadText(image.header.town);
    case Detail::AcademicYear:
      return loadText(image.header.academicYear);
    case Detail::Deputy:
      return loadText(image.teachers[kDeputyDirectorSlot].name);
    case Detail::Psychologist:
      return loadText(image.teachers[kPsychologistSlot].name);
  }
  return {};
}

void focusAndSelect(QWidget* widget) {
  widget->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
  if (auto* upDown = qobject_cast<UpDownEdit*>(widget)) upDown->selectAll();
}

const char* const kDetailNames[] = {"Emuassasa", "Edirektor", "Eshahar",
                                    "Euquv_yil", "EUIBDU",    "EPsixolog"};
const int kDetailCapacities[] = {100, 50, 50, 20, 47, 47};
const int kDetailLabelLines[] = {lines::kSchoolInstitutionLabel, lines::kSchoolDirectorLabel,
                                 lines::kSchoolTownLabel,        lines::kSchoolAcademicYearLabel,
                                 lines::kDeputyDirectorLabel,    lines::kPsychologistLabel};

}  // namespace

SchoolSettingsTab::SchoolSettingsTab(AppContext& app, QWidget* parent)
    : QWidget(parent), app_(app) {
  setObjectName(QStringLiteral("TabSheet1"));

  auto* buttons = new QVBoxLayout;
  const char* const buttonNames[] = {"sp1", "sp2", "sp0", "sp3"};
  for (int page = 0; page < 4; ++page) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(buttonNames[page]));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setCheckable(true);
    button->setMinimumWidth(130);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &QToolButton::clicked, this, [this, page] { showPage(page); });
    pageButtons_[static_cast<std::size_t>(page)] = button;
    buttons->addWidget(button);
  }
  buttons->addStretch(1);

  sahifa2_ = new QStackedWidget(this);
  sahifa2_->setObjectName(QStringLiteral("sahifa2"));
  sahifa2_->addWidget(buildDetailsPage());
  sahifa2_->addWidget(buildWorkingDaysPage());
  sahifa2_->addWidget(buildShiftsPage());
  sahifa2_->addWidget(buildPeriodTimesPage());

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("schoolFrame"));
  frame->setFrameShape(QFrame::StyledPanel);
  auto* inner = new QHBoxLayout(frame);
  inner->addLayout(buttons);
  inner->addWidget(sahifa2_, 1);
  frame->setMinimumSize(680, 420);

  // The notebook sits in the middle of the tab, whatever the window's size.
  auto* centre = new QGridLayout(this);
  centre->addWidget(frame, 1, 1);
  centre->setRowStretch(0, 1);
  centre->setRowStretch(2, 1);
  centre->setColumnStretch(0, 1);
  centre->setColumnStretch(2, 1);

  // Enter moves on through the tab; see chainEnter for the single steps.
  chainEnter(Emuassasa, Edirektor);
  chainEnter(Edirektor, Eshahar);
  chainEnter(Eshahar, Euquv_yil);
  chainEnter(Euquv_yil, EUIBDU);
  chainEnter(EUIBDU, EPsixolog);
  connect(EPsixolog, &QLineEdit::returnPressed, this, [this] {
    showPage(kWorkingDaysPage);
    Upish_kuni->focusAndSelect();
  });
  connect(Upish_kuni, &UpDownEdit::enterPressed, this, [this] {
    showPage(kShiftsPage);
    showShiftPage(0);
    shifts_[0].firstPeriod->focusAndSelect();
  });
  for (int s = 0; s < kShiftCount; ++s) {
    ShiftControls& c = shifts_[static_cast<std::size_t>(s)];
    connect(c.firstPeriod, &UpDownEdit::enterPressed, this, [c] { c.lessons->focusAndSelect(); });
    connect(c.lessons, &UpDownEdit::enterPressed, this, [this, s] {
      if (s + 1 < kShiftCount) {
        showShiftPage(s + 1);
        shifts_[static_cast<std::size_t>(s + 1)].firstPeriod->focusAndSelect();
      } else {
        showShiftPage(0);
        showPage(kPeriodTimesPage);
      }
    });
  }
  for (std::size_t p = 0; p + 1 < dv_.size(); ++p) chainEnter(dv_[p], dv_[p + 1]);
  connect(dv_.back(), &QLineEdit::returnPressed, this, &SchoolSettingsTab::finished);

  subscription_ = app_.project.subscribe([this](ProjectChange change) {
    if (change == ProjectChange::ImageReplaced) fillFromProject();
  });
  retranslate();
  reloadPictures();
  showPage(kDetailsPage);
}

SchoolSettingsTab::~SchoolSettingsTab() { app_.project.unsubscribe(subscription_); }

QLineEdit* SchoolSettingsTab::addDetailEdit(const char* name, int capacity) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  // Text beyond the field's capacity could not be kept; the edit shows what will be stored.
  edit->setMaxLength(capacity);
  edit->setMinimumWidth(360);
  connect(edit, &QLineEdit::textEdited, this, [this, edit] { storeDetail(edit); });
  return edit;
}

QWidget* SchoolSettingsTab::buildDetailsPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  QLineEdit** edits[] = {&Emuassasa, &Edirektor, &Eshahar, &Euquv_yil, &EUIBDU, &EPsixolog};
  for (int i = 0; i < 6; ++i) {
    *edits[i] = addDetailEdit(kDetailNames[i], kDetailCapacities[i]);
    auto* label = new QLabel(page);
    label->setBuddy(*edits[i]);
    detailLabels_[static_cast<std::size_t>(i)] = label;
    grid->addWidget(label, 2 * i, 0);
    grid->addWidget(*edits[i], 2 * i + 1, 0);
  }
  grid->setRowStretch(12, 1);
  return page;
}

QWidget* SchoolSettingsTab::buildWorkingDaysPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  workingDaysLabel_ = new QLabel(page);
  Upish_kuni = new UpDownEdit(QStringLiteral("Upish_kuni"), QStringLiteral("Eish_kun"), 5, 6, page);
  Upish_kuni->setMaximumWidth(80);
  workingDaysLabel_->setBuddy(Upish_kuni);
  L22 = new QLabel(page);
  L22->setObjectName(QStringLiteral("L22"));
  layout->addWidget(workingDaysLabel_);
  layout->addWidget(Upish_kuni);
  layout->addWidget(L22);
  layout->addStretch(1);
  connect(Upish_kuni, &UpDownEdit::changedByUser, this, &SchoolSettingsTab::applyWorkingDays);
  return page;
}

QWidget* SchoolSettingsTab::buildShiftsPage() {
  Sahifa3 = new QTabWidget;
  Sahifa3->setObjectName(QStringLiteral("Sahifa3"));
  const char* const gridNames[] = {"Ish_vaqti1", "ish_vaqti2", "ish_vaqti3"};
  for (int s = 0; s < kShiftCount; ++s) {
    auto* page = new QWidget;
    ShiftControls& c = shifts_[static_cast<std::size_t>(s)];
    const int n = s + 1;
    c.firstPeriod = new UpDownEdit(QStringLiteral("Uboshi%1").arg(n),
                                   QStringLiteral("Edit%1").arg(6 + 2 * s), 1, 10, page);
    c.lessons = new UpDownEdit(QStringLiteral("Udarslar%1").arg(n),
                               QStringLiteral("Edit%1").arg(7 + 2 * s), 4, 10, page);
    c.firstPeriodLabel = new QLabel(page);
    c.lessonsLabel = new QLabel(page);
    c.firstPeriodLabel->setBuddy(c.firstPeriod);
    c.lessonsLabel->setBuddy(c.lessons);
    auto* grid = new ShiftGrid(page);
    grid->setObjectName(QString::fromLatin1(gridNames[s]));
    grids_[static_cast<std::size_t>(s)] = grid;

    auto* numbers = new QGridLayout;
    numbers->addWidget(c.firstPeriodLabel, 0, 0);
    numbers->addWidget(c.firstPeriod, 1, 0);
    numbers->addWidget(c.lessonsLabel, 2, 0);
    numbers->addWidget(c.lessons, 3, 0);
    numbers->setRowStretch(4, 1);
    c.firstPeriod->setMaximumWidth(80);
    c.lessons->setMaximumWidth(80);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(numbers, 1);
    layout->addWidget(grid, 0, Qt::AlignTop);
    Sahifa3->addTab(page, QString());

    connect(c.firstPeriod, &UpDownEdit::changedByUser, this, [this, n] { recomputeShift(n); });
    connect(c.lessons, &UpDownEdit::changedByUser, this, [this, n] { recomputeShift(n); });
  }
  connect(Sahifa3, &QTabWidget::currentChanged, this, [this] {
    if (!filling_) refreshShiftPages();
  });
  return Sahifa3;
}

QWidget* SchoolSettingsTab::buildPeriodTimesPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  periodTimesLabel_ = new QLabel(page);
  periodTimesLabel_->setWordWrap(true);
  layout->addWidget(periodTimesLabel_);
  auto* grid = new QGridLayout;
  // Two columns of seven keep all fourteen times in view without scrolling.
  for (int p = 0; p < kPeriods; ++p) {
    auto* number = new QLabel(QString::number(p + 1), page);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("dv%1").arg(p + 1));
    edit->setMaxLength(15);
    edit->setMaximumWidth(140);
    number->setBuddy(edit);
    const int column = p < 7 ? 0 : 2;
    grid->addWidget(number, p % 7, column);
    grid->addWidget(edit, p % 7, column + 1);
    connect(edit, &QLineEdit::textEdited, this, [this, p] { storePeriodTime(p + 1); });
    dv_[static_cast<std::size_t>(p)] = edit;
  }
  grid->setColumnMinimumWidth(2, 40);
  layout->addLayout(grid);
  layout->addStretch(1);
  return page;
}

void SchoolSettingsTab::chainEnter(QLineEdit* from, QWidget* to) {
  connect(from, &QLineEdit::returnPressed, to, [to] { focusAndSelect(to); });
}

void SchoolSettingsTab::retranslate() {
  const UiTexts& t = app_.texts;
  const int buttonLines[] = {lines::kSchoolPageDetails, lines::kSchoolPageWorkingDays,
                             lines::kSchoolPageShifts, lines::kSchoolPagePeriodTimes};
  for (int i = 0; i < 4; ++i)
    pageButtons_[static_cast<std::size_t>(i)]->setText(t.text(buttonLines[i]));
  for (int i = 0; i < 6; ++i)
    detailLabels_[static_cast<std::size_t>(i)]->setText(t.text(kDetailLabelLines[i]));
  workingDaysLabel_->setText(t.text(lines::kSchoolWorkingDaysLabel));
  L22->setText(t.text(lines::kFiveDayWeekNote));
  for (int s = 0; s < kShiftCount; ++s) {
    Sahifa3->setTabText(s, t.text(lines::kShiftNameFirst + s));
    shifts_[static_cast<std::size_t>(s)].firstPeriodLabel->setText(
        t.text(lines::kShiftFirstPeriodLabel));
    shifts_[static_cast<std::size_t>(s)].lessonsLabel->setText(
        t.text(lines::kShiftLessonsPerDayLabel));
  }
  periodTimesLabel_->setText(t.text(lines::kPeriodTimesLabel));
  QStringList days;
  for (int d = 0; d < lines::kDayNameCount; ++d) days << t.text(lines::kShortDayNameFirst + d);
  for (ShiftGrid* grid : grids_) grid->setDayNames(days);
}

void SchoolSettingsTab::reloadPictures() {
  const char* const pictures[] = {"32x32/maktab.bmp", "32x32/ish_kunlari.bmp", "32x32/smenalar.bmp",
                                  "32x32/dars_vaqtlari.bmp"};
  for (int i = 0; i < 4; ++i)
    pageButtons_[static_cast<std::size_t>(i)]->setIcon(
        QIcon(app_.icons.picture(QString::fromLatin1(pictures[i]))));
  const QPixmap yes = app_.icons.shared(QStringLiteral("yes_no/yes.bmp"));
  const QPixmap no = app_.icons.shared(QStringLiteral("yes_no/no.bmp"));
  for (ShiftGrid* grid : grids_) grid->setPictures(yes, no);
}

void SchoolSettingsTab::showPage(int page) {
  page = std::clamp(page, 0, 3);
  sahifa2_->setCurrentIndex(page);
  for (int i = 0; i < 4; ++i) {
    QToolButton* button = pageButtons_[static_cast<std::size_t>(i)];
    button->setChecked(i == page);
    button->setAutoRaise(i != page);  // flat unless its page is shown
  }
  if (page == kPeriodTimesPage) {
    fillPeriodTimes();
    focusAndSelect(dv_[0]);
  }
}

int SchoolSettingsTab::currentPage() const { return sahifa2_->currentIndex(); }

void SchoolSettingsTab::showShiftPage(int index) {
  // Changing the page refreshes the shift pages through currentChanged.
  Sahifa3->setCurrentIndex(index);
}

void SchoolSettingsTab::storeDetail(QLineEdit* edit) {
  QLineEdit* const edits[] = {Emuassasa, Edirektor, Eshahar, Euquv_yil, EUIBDU, EPsixolog};
  for (int i = 0; i < 6; ++i)
    if (edits[i] == edit)
      storeDetailText(app_.project.edit(), static_cast<Detail>(i), toUtf8(edit->text()));
}

void SchoolSettingsTab::storePeriodTime(int period) {
  storeText(app_.project.edit().header.periodTimes[period - 1],
            toUtf8(dv_[static_cast<std::size_t>(period - 1)]->text()));
}

void SchoolSettingsTab::applyWorkingDays() {
  if (filling_) return;
  const int days = Upish_kuni->value();
  if (app_.project.image().header.workingDays != days)
    app_.project.edit().header.workingDays = static_cast<std::uint8_t>(days);
  updateFiveDayNote();
  refreshShiftPages();
}

void SchoolSettingsTab::updateFiveDayNote() {
  L22->setVisible(app_.project.image().header.workingDays == 5);
}

void SchoolSettingsTab::refreshShiftPages() {
  const TLoyihaHeader& header = app_.project.image().header;
  for (int s = 0; s < kShiftCount; ++s) {
    ShiftControls& c = shifts_[static_cast<std::size_t>(s)];
    c.firstPeriod->setValueQuietly(header.shifts[s].firstPeriod);
    c.lessons->setValueQuietly(header.shifts[s].lessonsPerDay);
  }
  for (int s = 1; s <= kShiftCount; ++s) recomputeShift(s);
}

void SchoolSettingsTab::recomputeShift(int shift) {
  const ShiftControls& c = shifts_[static_cast<std::size_t>(shift - 1)];
  app_.project.setShift(shift, c.firstPeriod->value(), c.lessons->value());
  const TLoyihaHeader& header = app_.project.image().header;
  grids_[static_cast<std::size_t>(shift - 1)]->display(
      header.shifts[shift - 1].grid, std::clamp<int>(header.workingDays, 0, kDays));
}

void SchoolSettingsTab::showShiftGrids() {
  const TLoyihaHeader& header = app_.project.image().header;
  for (int s = 0; s < kShiftCount; ++s)
    grids_[static_cast<std::size_t>(s)]->display(header.shifts[s].grid, header.workingDays);
}

void SchoolSettingsTab::fillPeriodTimes() {
  const TLoyihaHeader& header = app_.project.image().header;
  for (int p = 0; p < kPeriods; ++p)
    dv_[static_cast<std::size_t>(p)]->setText(
        QString::fromStdString(loadText(header.periodTimes[p])));
}

void SchoolSettingsTab::fillFromProject() {
  filling_ = true;
  const TLoyiha& image = app_.project.image();
  QLineEdit* const edits[] = {Emuassasa, Edirektor, Eshahar, Euquv_yil, EUIBDU, EPsixolog};
  for (int i = 0; i < 6; ++i)
    edits[i]->setText(QString::fromStdString(detailText(image, static_cast<Detail>(i))));
  // The up-downs follow every read, so that a click on one never stores the numbers of the
  // project that was open before.
  Upish_kuni->setValueQuietly(image.header.workingDays);
  updateFiveDayNote();
  for (int s = 0; s < kShiftCount; ++s) {
    shifts_[static_cast<std::size_t>(s)].firstPeriod->setValueQuietly(
        image.header.shifts[s].firstPeriod);
    shifts_[static_cast<std::size_t>(s)].lessons->setValueQuietly(
        image.header.shifts[s].lessonsPerDay);
  }
  showShiftGrids();
  fillPeriodTimes();
  filling_ = false;
}

}  // namespace jadvalon
