// Switching the application's look.
#include "app/style_manager.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include "storage/atomic_file.h"
#include "storage/file_bytes.h"

namespace jadvalon {

StyleManager::StyleManager(std::filesystem::path indexFile, IconSet& icons, QObject* parent)
    : QObject(parent), indexFile_(std::move(indexFile)), icons_(icons) {}

int StyleManager::rememberedPosition() const {
  const auto bytes = readFileBytes(indexFile_).bytes;
  if (!bytes) return 0;
  bool ok = false;
  const int position =
      QString::fromLatin1(bytes->data(), static_cast<int>(bytes->size())).trimmed().toInt(&ok);
  return ok && position >= 0 && position < StyleCatalogue::count() ? position : 0;
}

void StyleManager::switchLook(const StyleDefinition& style) {
  // QApplication owns the style it is given and deletes the previous one.
  if (QStyle* qtStyle = QStyleFactory::create(style.qtStyle)) QApplication::setStyle(qtStyle);
  QApplication::setPalette(style.palette);
  QToolTip::setPalette(style.palette);
  if (!(board_ == style.board)) {
    board_ = style.board;
    emit boardColoursChanged();
  }
}

void StyleManager::applyStartStyle() {
  const int luna = StyleCatalogue::find(QStringLiteral("Luna"));
  switchLook(StyleCatalogue::at(luna));
  current_ = luna;
  emit styleApplied(current_);
}

bool StyleManager::apply(int position) {
  if (position < 0 || position >= StyleCatalogue::count()) position = 0;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const StyleDefinition& style = StyleCatalogue::at(position);
  switchLook(style);
  current_ = position;
  if (style.iconSet) icons_.select(*style.iconSet);
  const bool written = writeTextAtomically(indexFile_, std::to_string(position)).ok();
  emit styleApplied(position);
  QGuiApplication::restoreOverrideCursor();
  return written;
}

}  // namespace jadvalon
