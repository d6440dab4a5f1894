// The button pictures of the chosen icon set: rasm/<k>/<size>/<name>.bmp under the program
// folder, plus the pictures every set shares under rasm/yes_no.
#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <filesystem>

namespace jadvalon {

class IconSet : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSetCount = 4;

  explicit IconSet(std::filesystem::path picturesFolder, QObject* parent = nullptr);

  int current() const { return current_; }
  // Remembers k (0..3; anything else is ignored) and tells every window to reload its pictures.
  void select(int k);

  // A picture of the current set by its path inside the set, for example "32x32/sinf.bmp".
  // Names are matched without regard to case, as sets made on other systems spell them freely.
  // A missing or unreadable picture gives a null pixmap: the button then shows its text only.
  QPixmap picture(const QString& relativePath) const;
  // The same from a given set, for the set chooser that shows all four.
  QPixmap pictureOf(int set, const QString& relativePath) const;
  // A picture shared by all sets, for example "yes_no/yes.bmp".
  QPixmap shared(const QString& relativePath) const;

  std::filesystem::path setFolder(int set) const;

 signals:
  void changed(int set);

 private:
  QPixmap load(const std::filesystem::path& folder, const QString& relativePath) const;

  std::filesystem::path folder_;
  int current_ = 0;
  mutable QHash<QString, QPixmap> cache_;
};

}  // namespace jadvalon
