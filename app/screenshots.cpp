// Writes pictures of the real window, drawn offscreen, for people to look at: the start
// state, the information panel open, a receipt to pay from the wallet, and the wallet.

#include "app/form.h"
#include "app/look.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    look::SetUpApplication();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    TForm1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "quorvel-screenshots: the window did not become active\n");
        return 1;
    }
    auto save = [&](const char* name) {
        QApplication::processEvents();
        const QString path = dir + QLatin1Char('/') + QLatin1String(name);
        if (!form.grab().save(path)) {
            std::fprintf(stderr, "quorvel-screenshots: cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    };
    bool ok = save("start.png");
    form.Image1Click();
    ok = save("info.png") && ok;
    form.OKKnopClick();

    // A receipt of six lines, paid from the wallet, with the helps on.
    form.MaxArtikels->setText(QStringLiteral("6"));
    for (QCheckBox* box : {form.Kasticket, form.Geldbeugel, form.Hulpjes}) {
        box->click();
    }
    ok = save("receipt.png") && ok;
    form.GeldClick();
    ok = save("wallet.png") && ok;
    return ok ? 0 : 1;
}
