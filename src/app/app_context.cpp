// The shared objects of the desktop program.
#include "app/app_context.h"

#include <QDesktopServices>

namespace jadvalon {

AppContext::AppContext(ProgramFolder programFolder)
    : folder(std::move(programFolder)),
      files(std::make_unique<DialogFileChooser>(texts)),
      openDocument([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

}  // namespace jadvalon
