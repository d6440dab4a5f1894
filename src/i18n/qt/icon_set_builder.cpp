// Build tool: makes the program's icon sets (rasm/0..3 and rasm/yes_no) out of freedesktop icon
// themes installed on the build machine, through the mapping table data/rasm/icon_map.tsv.
//
//   jadvalon-iconsets MAP THEMES_ROOT OUTDIR
//
// A theme that is not installed is skipped with a warning, and so is a picture that none of its
// candidate names provides: the program shows text-only buttons for pictures it cannot find.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

struct SetLine {
  int number = 0;
  QStringList themeFolders;  // under THEMES_ROOT, searched in order (a variant, then its base)
  QString licenceFile;       // copied beside the pictures, relative to the map's folder
  QColor tint;               // colour of the generated tool-strip backgrounds
};

struct PictureLine {
  QString file;  // inside the set, e.g. "48x48/yaratish.bmp"; "yes_no/..." is shared
  int size = 0;
  QStringList candidates;
};

struct BackgroundLine {
  QString file;
  int width = 0;
  int height = 0;
};

struct Map {
  std::vector<SetLine> sets;
  int sharedFrom = 0;
  std::vector<PictureLine> pictures;
  std::vector<BackgroundLine> backgrounds;
};

void warn(const QString& text) {
  std::fprintf(stderr, "jadvalon-iconsets: %s\n", qPrintable(text));
}

bool readMap(const QString& path, Map& map) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    warn(QStringLiteral("cannot read %1").arg(path));
    return false;
  }
  QTextStream in(&file);
  int lineNumber = 0;
  while (!in.atEnd()) {
    ++lineNumber;
    const QString raw = in.readLine();
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;  // whole-line comments
    const QStringList f = line.split(QRegularExpression(QStringLiteral("\\s+")));
    bool ok = true;
    if (f[0] == QLatin1String("set") && f.size() >= 5) {
      map.sets.push_back({f[1].toInt(&ok), f[2].split(QLatin1Char(',')), f[3], QColor(f[4])});
    } else if (f[0] == QLatin1String("shared") && f.size() >= 2) {
      map.sharedFrom = f[1].toInt(&ok);
    } else if (f[0] == QLatin1String("background") && f.size() >= 3) {
      const QStringList wh = f[2].split(QLatin1Char('x'));
      map.backgrounds.push_back({f[1], wh.value(0).toInt(), wh.value(1).toInt()});
    } else if (f.size() >= 3) {
      map.pictures.push_back({f[0], f[1].toInt(&ok), f[2].split(QLatin1Char(','))});
    } else {
      ok = false;
    }
    if (!ok) {
      warn(QStringLiteral("%1:%2: cannot understand \"%3\"").arg(path).arg(lineNumber).arg(raw));
      return false;
    }
  }
  return true;
}

// Every PNG of a theme by icon name, with the pixel size of the folder it lies in. Themes lay
// their folders out as size/context ("24x24/actions") or context/size ("actions/24").
class ThemeIndex {
 public:
  explicit ThemeIndex(const QString& root) {
    static const QRegularExpression sizeFolder(QStringLiteral("^(\\d+)(x\\1)?$"));
    QDirIterator it(root, {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      const QString name = QFileInfo(path).completeBaseName();
      if (name.contains(QLatin1String("symbolic"))) continue;  // one-colour shapes
      int size = 0;
      for (const QString& part : QDir(root).relativeFilePath(path).split(QLatin1Char('/'))) {
        const auto m = sizeFolder.match(part);
        if (m.hasMatch()) size = m.captured(1).toInt();
      }
      if (size > 0) byName_[name].push_back({size, path});
    }
  }

  // The file of the best size for `size`: exact, else the smallest larger, else the largest.
  QString best(const QString& name, int size) const {
    const auto it = byName_.find(name);
    if (it == byName_.end()) return {};
    const Entry* larger = nullptr;   // the smallest of the larger ones: scaling down looks best
    const Entry* smaller = nullptr;  // the largest of the smaller ones
    for (const Entry& e : it->second) {
      if (e.size == size) return e.path;
      if (e.size > size && (!larger || e.size < larger->size)) larger = &e;
      if (e.size < size && (!smaller || e.size > smaller->size)) smaller = &e;
    }
    if (larger) return larger->path;
    return smaller ? smaller->path : QString();
  }

 private:
  struct Entry {
    int size;
    QString path;
  };
  std::map<QString, std::vector<Entry>> byName_;
};

bool writePicture(const QString& source, int size, const QString& target) {
  QImage image(source);
  if (image.isNull()) return false;
  image = image.convertToFormat(QImage::Format_ARGB32);
  if (image.width() != size || image.height() != size)
    image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QDir().mkpath(QFileInfo(target).path());
  // PNG content under the .bmp name: the loader decides by content, and PNG keeps transparency.
  return image.save(target, "PNG");
}

bool writeBackground(const BackgroundLine& b, const QColor& tint, const QString& target) {
  QImage image(b.width, b.height, QImage::Format_ARGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 0, b.height);
  gradient.setColorAt(0, tint.lighter(135));
  gradient.setColorAt(1, tint);
  painter.fillRect(image.rect(), gradient);
  painter.setPen(tint.darker(130));
  painter.drawLine(0, b.height - 1, b.width, b.height - 1);
  painter.end();
  QDir().mkpath(QFileInfo(target).path());
  return image.save(target, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: jadvalon-iconsets MAP THEMES_ROOT OUTDIR\n");
    return 2;
  }
  const QString mapPath = QString::fromLocal8Bit(argv[1]);
  const QString themesRoot = QString::fromLocal8Bit(argv[2]);
  const QString out = QString::fromLocal8Bit(argv[3]);
  Map map;
  if (!readMap(mapPath, map)) return 2;

  int missing = 0;
  for (const SetLine& set : map.sets) {
    std::vector<ThemeIndex> themes;
    for (const QString& folder : set.themeFolders) {
      const QString root = themesRoot + QLatin1Char('/') + folder;
      if (QFileInfo(root).isDir())
        themes.emplace_back(root);
      else
        warn(QStringLiteral("icon theme %1 is not installed (set %2)").arg(root).arg(set.number));
    }
    if (themes.empty()) continue;
    const QString setFolder = out + QLatin1Char('/') + QString::number(set.number);
    for (const PictureLine& picture : map.pictures) {
      const bool shared = picture.file.startsWith(QLatin1String("yes_no/"));
      if (shared && set.number != map.sharedFrom) continue;
      const QString target = (shared ? out : setFolder) + QLatin1Char('/') + picture.file;
      QString source;
      // A name the variant lacks is looked up in its base before the next name is tried.
      for (const QString& name : picture.candidates) {
        for (const ThemeIndex& theme : themes) {
          source = theme.best(name, picture.size);
          if (!source.isEmpty()) break;
        }
        if (!source.isEmpty()) break;
      }
      if (source.isEmpty() || !writePicture(source, picture.size, target)) {
        warn(QStringLiteral("set %1: no picture for %2 (%3)")
                 .arg(set.number)
                 .arg(picture.file, picture.candidates.join(QLatin1Char(','))));
        ++missing;
      }
    }
    for (const BackgroundLine& b : map.backgrounds)
      writeBackground(b, set.tint, setFolder + QLatin1Char('/') + b.file);
    // The theme's licence travels with its pictures.
    const QString licence = QFileInfo(mapPath).dir().filePath(set.licenceFile);
    QFile::remove(setFolder + QStringLiteral("/copyright.txt"));
    if (!QFile::copy(licence, setFolder + QStringLiteral("/copyright.txt")))
      warn(QStringLiteral("set %1: licence note %2 not found").arg(set.number).arg(licence));
  }
  if (missing > 0) warn(QStringLiteral("%1 picture(s) missing").arg(missing));
  return 0;
}
