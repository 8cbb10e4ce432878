// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include "app/language.h"
#include "app/scaled_accessibility.h"

#include <QApplication>
#include <QByteArray>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace desktop {

namespace {

// A message Qt gave while the application object was being made, kept to be passed on
// once it is made.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>* heldMessages = nullptr;

// Qt's platform plugin reports a display it cannot reach with warnings and then a fatal
// message that aborts the program with advice to reinstall it. Until the application
// object is made, the warnings wait and the fatal message becomes the program's own line.
void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        SayNoDisplay();
        std::_Exit(1);
    }
    if (heldMessages != nullptr) {
        heldMessages->push_back({type, QByteArray(context.file), context.line,
                                 QByteArray(context.function), QByteArray(context.category), text});
    }
}

} // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    std::vector<HeldMessage> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(HoldBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(m.file.isNull() ? nullptr : m.file.constData(), m.line,
                                         m.function.isNull() ? nullptr : m.function.constData(),
                                         m.category.isNull() ? nullptr : m.category.constData());
        previous(m.type, context, m.text);
    }
    return app;
}

namespace {

// The platforms that draw into memory: their screen is a made-up one, and nobody sees it.
bool DrawsOffscreen() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

} // namespace

double FitFactor(QRect workArea, QSize window, QMargins frame) {
    if (window.isEmpty()) {
        return 1.0;
    }
    const double width = workArea.width() - frame.left() - frame.right();
    const double height = workArea.height() - frame.top() - frame.bottom();
    const double factor = std::min({1.0, width / window.width(), height / window.height()});
    // Whole hundredths, rounded down so that the window still fits; a screen too small
    // for any sensible window gets a quarter of its size rather than nothing.
    return std::max(0.25, std::floor(factor * 100.0) / 100.0);
}

QPoint FramePosition(QRect workArea, QSize window, QMargins frame) {
    const QSize outer = window.grownBy(frame);
    return {workArea.left() + std::max(0, (workArea.width() - outer.width()) / 2),
            workArea.top() + std::max(0, (workArea.height() - outer.height()) / 2)};
}

double FitOnPrimaryScreen(QSize window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || DrawsOffscreen()) {
        return 1.0;
    }
    // The frame is drawn in the screen's own pixels, whatever Qt's scale.
    const qreal ratio = screen->devicePixelRatio();
    const QRect area = screen->availableGeometry();
    const QRect deviceArea((QPointF(area.topLeft()) * ratio).toPoint(),
                           (QSizeF(area.size()) * ratio).toSize());
    return FitFactor(deviceArea, (QSizeF(window) * ratio).toSize(), FrameAllowance);
}

ScaledWindow::ScaledWindow(QWidget* shown, double factor, QWidget* parent)
    : QGraphicsView(parent), shown_(shown) {
    auto* scene = new QGraphicsScene(this);
    // The embedded window's place on the screen becomes its place in the scene.
    shown->move(0, 0);
    proxy_ = scene->addWidget(shown);
    ForgetInterfacesDrawnUnscaled(shown);
    setScene(scene);
    setTransform(QTransform::fromScale(factor, factor));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    FitShown();
    // A window that finds its size only when it is shown (a message) is followed.
    connect(proxy_, &QGraphicsWidget::geometryChanged, this, &ScaledWindow::FitShown);
    setWindowFlags(shown->windowFlags());
    setWindowTitle(shown->windowTitle());
    setWindowIcon(shown->windowIcon());
}

void ScaledWindow::FitShown() {
    scene()->setSceneRect(QRectF(QPointF(0, 0), shown_->size()));
    setFixedSize((QSizeF(shown_->size()) * Factor()).toSize());
}

ScaledWindow* ScaledWindow::Of(const QWidget* shown) {
    const QGraphicsProxyWidget* proxy = shown->window()->graphicsProxyWidget();
    if (proxy == nullptr || proxy->scene() == nullptr) {
        return nullptr;
    }
    for (QGraphicsView* view : proxy->scene()->views()) {
        if (auto* scaled = qobject_cast<ScaledWindow*>(view)) {
            return scaled;
        }
    }
    return nullptr;
}

ScaledWindow::~ScaledWindow() {
    proxy_->setWidget(nullptr);
}

void ScaledWindow::ShowOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The frame is not known before the window is shown, and Qt asks the window
        // manager to place either the frame or the client area depending on the screen:
        // the client area is placed, below and right of the room left for the frame.
        const QMargins frame = FrameAllowance / screen->devicePixelRatio();
        const QPoint at = FramePosition(screen->availableGeometry(), size(), frame);
        create();
        windowHandle()->setPosition(at + QPoint(frame.left(), frame.top()));
    }
    show();
    activateWindow();
}

void ScaledWindow::closeEvent(QCloseEvent* event) {
    // The shown window decides, as when it is closed itself.
    QCoreApplication::sendEvent(shown_, event);
}

std::optional<bool> FunctionKeyDown(int key) {
    constexpr std::uint32_t kKeysymF1 = 0xffbe; // XK_F1; F2 .. F35 follow it
    auto* x11 =
        qApp == nullptr ? nullptr : qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || key < Qt::Key_F1 || key > Qt::Key_F35) {
        return std::nullopt;
    }
    xcb_connection_t* c = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    // Both asked at once: one round trip to the server.
    const xcb_get_keyboard_mapping_cookie_t mappingAsked =
        xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<std::uint8_t>(count));
    const xcb_query_keymap_cookie_t keysAsked = xcb_query_keymap(c);
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(c, mappingAsked, nullptr), &std::free);
    std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keys(
        xcb_query_keymap_reply(c, keysAsked, nullptr), &std::free);
    if (!mapping || !keys || mapping->keysyms_per_keycode == 0) {
        return std::nullopt;
    }
    const xcb_keysym_t wanted = kKeysymF1 + static_cast<xcb_keysym_t>(key - Qt::Key_F1);
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    const int symCount = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    bool mapped = false;
    for (int i = 0; i < symCount; ++i) {
        if (syms[i] != wanted) {
            continue;
        }
        mapped = true;
        const int code = first + i / perCode;
        if (code < 256 && (keys->keys[code / 8] >> (code % 8)) & 1) {
            return true;
        }
    }
    return mapped ? std::optional<bool>(false) : std::nullopt;
}

void Critical(QWidget* window, const QString& title, const QString& text) {
    ScaledWindow* over = ScaledWindow::Of(window);
    if (over == nullptr) {
        QMessageBox::critical(window, title, text);
        return;
    }
    // As QMessageBox::critical makes it, on a window of its own.
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    ScaledWindow shown(&box, over->Factor(), over);
    shown.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    // Shown first inside its scene, where it finds its size; then its window, centred
    // over the program's.
    box.show();
    shown.move(over->mapToGlobal(over->rect().center()) - shown.rect().center());
    // The keyboard on OK, as Qt gives it in a message of its own window.
    box.setDefaultButton(QMessageBox::Ok);
    box.defaultButton()->setFocus(Qt::ActiveWindowFocusReason);
    shown.setFocus(Qt::ActiveWindowFocusReason);
    shown.show();
    shown.activateWindow();
    loop.exec(QEventLoop::DialogExec);
}

void SayNoDisplay() {
    // Said before there is an application object, or instead of one.
    const char* const line = QT_TRANSLATE_NOOP("Desktop", "quorvel: geen grafische sessie "
                                                          "gevonden; Quorvel heeft een bureaublad "
                                                          "nodig (X11 of Wayland).");
    std::fprintf(stderr, "%s\n",
                 language::TranslateWithoutApplication("Desktop", line).toLocal8Bit().constData());
}

} // namespace desktop
