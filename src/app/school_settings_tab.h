// TabSheet1 — the school settings tab: the school's details, the working days, the three shifts
// with their grids and the fourteen period times, all written into the project header as they
// are typed (there is no OK button).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <array>

#include "app/shift_grid.h"
#include "app/up_down_edit.h"

namespace jadvalon {

struct AppContext;

class SchoolSettingsTab : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDetailsPage = 0;
  static constexpr int kWorkingDaysPage = 1;
  static constexpr int kShiftsPage = 2;
  static constexpr int kPeriodTimesPage = 3;

  explicit SchoolSettingsTab(AppContext& app, QWidget* parent = nullptr);
  ~SchoolSettingsTab() override;

  // Captions, labels and day names of the current language.
  void retranslate();
  // Pictures of the current icon set.
  void reloadPictures();
  // Everything from the project header: after every read of an image.
  void fillFromProject();
  // Shows page 0..3 of `sahifa2` and draws its button pressed.
  void showPage(int page);
  int currentPage() const;

  ShiftGrid* shiftGrid(int shift) const { return grids_[static_cast<std::size_t>(shift - 1)]; }

 signals:
  // Enter in the last period-time edit: the user goes on to the lists.
  void finished();

 private:
  struct ShiftControls {
    UpDownEdit* firstPeriod = nullptr;
    UpDownEdit* lessons = nullptr;
    QLabel* firstPeriodLabel = nullptr;
    QLabel* lessonsLabel = nullptr;
  };

  QWidget* buildDetailsPage();
  QWidget* buildWorkingDaysPage();
  QWidget* buildShiftsPage();
  QWidget* buildPeriodTimesPage();
  QLineEdit* addDetailEdit(const char* name, int capacity);
  void chainEnter(QLineEdit* from, QWidget* to);

  void storeDetail(QLineEdit* edit);
  void storePeriodTime(int period);
  void applyWorkingDays();
  void updateFiveDayNote();
  // Sets the up-downs of every shift from the header and recomputes each shift.
  void refreshShiftPages();
  // Stores the up-downs of shift s and derives its grid from them and the working days.
  void recomputeShift(int shift);
  void showShiftGrids();
  void fillPeriodTimes();
  void showShiftPage(int index);

  AppContext& app_;
  int subscription_ = 0;
  bool filling_ = false;

  std::array<QToolButton*, 4> pageButtons_{};  // sp1, sp2, sp0, sp3
  QStackedWidget* sahifa2_ = nullptr;          // sahifa2 — the notebook of the four pages

  // School details.
  QLineEdit* Emuassasa = nullptr;  // Emuassasa — institution name
  QLineEdit* Edirektor = nullptr;  // Edirektor — director
  QLineEdit* Eshahar = nullptr;    // Eshahar — town or district
  QLineEdit* Euquv_yil = nullptr;  // Euquv_yil — academic year
  QLineEdit* EUIBDU = nullptr;     // EUIBDU — deputy director for academic affairs
  QLineEdit* EPsixolog = nullptr;  // EPsixolog — psychologist
  std::array<QLabel*, 6> detailLabels_{};

  // Working days.
  UpDownEdit* Upish_kuni = nullptr;  // Upish_kuni — working days per week (edit Eish_kun)
  QLabel* workingDaysLabel_ = nullptr;
  QLabel* L22 = nullptr;  // L22 — the note shown for a five-day week

  // Shifts.
  QTabWidget* Sahifa3 = nullptr;  // Sahifa3 — one page per shift
  std::array<ShiftControls, 3> shifts_{};
  std::array<ShiftGrid*, 3> grids_{};  // Ish_vaqti1, ish_vaqti2, ish_vaqti3

  // Period times.
  QLabel* periodTimesLabel_ = nullptr;
  std::array<QLineEdit*, 14> dv_{};  // dv1..dv14 — clock times of periods 1..14
};

}  // namespace jadvalon
