#include "app/form.h"
#include "app/look.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    look::SetUpApplication();
    InstallAccessibility();
    TForm1 form;
    form.show();
    form.activateWindow();
    return app.exec();
}
