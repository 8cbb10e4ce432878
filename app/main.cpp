#include "app/accessibility.h"
#include "app/desktop.h"
#include "app/form.h"
#include "app/language.h"
#include "app/look.h"

#include <QApplication>

#include <cstring>

namespace {

// Whether Qt has somewhere to show the window: an X or Wayland display in the environment,
// or a platform named explicitly (QT_QPA_PLATFORM or -platform, such as offscreen).
bool HasGraphicalSession(int argc, char* argv[]) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Without a display Qt aborts with advice to reinstall, which misleads: say what is missing.
    if (!HasGraphicalSession(argc, argv)) {
        desktop::SayNoDisplay();
        return 1;
    }
    // A display that is named but does not answer ends here too, with the same line.
    const std::unique_ptr<QApplication> app = desktop::StartApplication(argc, argv);
    // Ties the window to its menu entry, so that the desktop shows the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    // The user's language, where the window speaks it; Dutch otherwise.
    language::InstallTranslations();
    look::SetUpApplication();
    InstallAccessibility();
    TForm1 form;
    // A screen too small for the window gets it scaled down as a whole.
    std::unique_ptr<desktop::ScaledWindow> scaled;
    if (const double factor = desktop::FitOnPrimaryScreen(TForm1::DesignedSize); factor < 1) {
        scaled = std::make_unique<desktop::ScaledWindow>(&form, factor);
        scaled->ShowOnScreen();
    } else {
        form.show();
        form.activateWindow();
    }
    return QApplication::exec();
}
