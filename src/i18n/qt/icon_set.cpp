// Loading pictures of an icon set, forgivingly: a missing folder or file is not an error.
#include "i18n/qt/icon_set.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace jadvalon {
namespace {

// The file of `relativePath` under `folder`, each part matched without regard to case.
QString findFile(const QString& folder, const QString& relativePath) {
  QString current = folder;
  const QStringList parts = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (const QString& part : parts) {
    const QString exact = current + QLatin1Char('/') + part;
    if (QFileInfo::exists(exact)) {
      current = exact;
      continue;
    }
    const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QString found;
    for (const QString& entry : entries) {
      if (entry.compare(part, Qt::CaseInsensitive) == 0) {
        found = entry;
        break;
      }
    }
    if (found.isEmpty()) return {};
    current += QLatin1Char('/') + found;
  }
  return current;
}

}  // namespace

IconSet::IconSet(std::filesystem::path picturesFolder, QObject* parent)
    : QObject(parent), folder_(std::move(picturesFolder)) {}

std::filesystem::path IconSet::setFolder(int set) const { return folder_ / std::to_string(set); }

void IconSet::select(int k) {
  if (k < 0 || k >= kSetCount) return;
  current_ = k;
  emit changed(k);
}

QPixmap IconSet::load(const std::filesystem::path& folder, const QString& relativePath) const {
  const QString key = QString::fromStdString(folder.string()) + QLatin1Char('|') + relativePath;
  if (auto it = cache_.constFind(key); it != cache_.constEnd()) return *it;
  QPixmap pixmap;
  const QString file = findFile(QString::fromStdString(folder.string()), relativePath);
  if (!file.isEmpty()) {
    // The pictures keep the .bmp names buttons have always used, whatever their content is.
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (!image.isNull()) pixmap = QPixmap::fromImage(image);
  }
  cache_.insert(key, pixmap);
  return pixmap;
}

QPixmap IconSet::picture(const QString& relativePath) const {
  return load(setFolder(current_), relativePath);
}

QPixmap IconSet::pictureOf(int set, const QString& relativePath) const {
  if (set < 0 || set >= kSetCount) return {};
  return load(setFolder(set), relativePath);
}

QPixmap IconSet::shared(const QString& relativePath) const { return load(folder_, relativePath); }

}  // namespace jadvalon
