// Language lines for the windows.
#include "app/ui_texts.h"

namespace jadvalon {

QString UiTexts::text(int n) const {
  if (!loaded_) return QStringLiteral("#%1").arg(n);
  return QString::fromStdString(table_.line(n));
}

QString UiTexts::title(int n) const {
  QString t = text(n).trimmed();
  if (t.endsWith(QStringLiteral("..."))) t.chop(3);
  if (t.endsWith(QChar(0x2026))) t.chop(1);
  return t.trimmed();
}

}  // namespace jadvalon
