// The context help: every mouse movement over the window writes the explanation of the
// control under the pointer into the box under the exercise.

#include "app/form.h"

#include <QMouseEvent>

#include <initializer_list>

namespace {

// Every control carries its name. The widgets Qt builds inside a control (the help box's
// viewport, for one) carry none or one of Qt's own, and count as that control.
bool IsControl(const QWidget* w) {
    const QString& name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

} // namespace

void TForm1::ConnectHelp() {
    const auto serve = [this](HelpHandler handler, std::initializer_list<QWidget*> controls) {
        for (QWidget* w : controls) {
            helpHandlers_.insert(w, handler);
        }
    };
    serve(HelpHandler::InstellingenMouseMove, {this, Panel1, Instellingen, groep2, Panel2});
    serve(HelpHandler::MaxArtikelsMouseMove, {Label1, MaxArtikels});
    serve(HelpHandler::lblMaxGetalMouseMove, {lblMaxGetal, MaxGetal});
    serve(HelpHandler::TimerMinutenMouseMove, {Label4, TimerMinuten});
    serve(HelpHandler::KommaMouseMove, {Komma});
    serve(HelpHandler::KasticketMouseMove, {Kasticket});
    serve(HelpHandler::GeldbeugelMouseMove, {Geldbeugel});
    serve(HelpHandler::HulpjesMouseMove, {Hulpjes});
    serve(HelpHandler::Image1MouseMove, {Image1});
    serve(HelpHandler::Image4MouseMove, {Image4});
    serve(HelpHandler::ReekstellerMouseMove, {Reeksteller});
    serve(HelpHandler::Label6MouseMove, {Label6});
    serve(HelpHandler::Label8MouseMove, {Label8});
    for (int r = 1; r <= 12; ++r) {
        serve(HelpHandler::Aantal1MouseMove, {Aantal[r]});
        serve(HelpHandler::Artikel1MouseMove, {Artikel[r]});
        serve(HelpHandler::Prijs1MouseMove, {Prijs[r]});
    }
    serve(HelpHandler::Label11MouseMove, {Label11});
    serve(HelpHandler::HulpjeMouseMove, {Hulpje});
    for (int k = 1; k <= 14; ++k) {
        serve(HelpHandler::Tot14MouseMove, {Tot[k]});
    }
    serve(HelpHandler::Wis1MouseMove, {Wis1});
    serve(HelpHandler::Wis2MouseMove, {Wis2});
    serve(HelpHandler::BetaaldMouseMove, {Betaald});
    serve(HelpHandler::TeruggaveMouseMove, {Teruggave});
    serve(HelpHandler::GeldMouseMove, {Geld});
    serve(HelpHandler::KontroleerMouseMove, {Kontroleer});
    serve(HelpHandler::VolgendeOefeningMouseMove, {VolgendeOefening});
    serve(HelpHandler::PortemonneeMouseMove, {Portemonnee});
    serve(HelpHandler::PortemonneeSluitenMouseMove, {PortemonneeSluiten});
    serve(HelpHandler::PortemonneeResetMouseMove, {PortemonneeReset});
    serve(HelpHandler::GroupBox1MouseMove, {GroupBox1});
    serve(HelpHandler::GroupBox2MouseMove, {GroupBox2});
    for (const auto& stack : Pieces) {
        for (Picture* piece : stack) {
            if (piece) {
                serve(HelpHandler::Briefje500n1MouseMove, {piece});
            }
        }
    }

    // A screen reader gives the same explanation as the box.
    for (auto it = helpHandlers_.cbegin(); it != helpHandlers_.cend(); ++it) {
        const QString text = HelpText(it.value());
        if (!text.isEmpty()) {
            it.key()->setAccessibleDescription(HelpDisplayText(text));
        }
    }

    // Qt tells a widget of movements without a pressed button only with mouse tracking
    // on; every widget takes them, so none passes its movements on to its container.
    // Every mouse movement over the window's widgets reaches the window before the widget
    // itself sees it, and the widget gets it unchanged.
    auto* watcher = new EventFilter(this, [this](QObject* watched, QEvent* event) {
        if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
            HelpPointerMoved(static_cast<QWidget*>(watched),
                             static_cast<QMouseEvent*>(event)->position().toPoint());
        }
        return false;
    });
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.append(this);
    for (QWidget* w : widgets) {
        w->setMouseTracking(true);
        w->installEventFilter(watcher);
    }
}

void TForm1::HelpPointerMoved(QWidget* receiver, QPoint at) {
    if (receiver->window() != this) {
        return;
    }
    // A movement the receiver leaves alone travels on to its containers; only the
    // delivery to the widget under the pointer counts, or a control without a handler
    // would be explained by its container's. While a button is held the movement goes
    // to the pressed control wherever the pointer is, and only counts over it.
    const QPoint inWindow = receiver->mapTo(this, at);
    QWidget* hit = childAt(inWindow);
    if (hit == nullptr) {
        hit = this;
    }
    if (hit != receiver) {
        return;
    }
    QWidget* control = hit;
    while (control != this && !IsControl(control)) {
        control = control->parentWidget();
    }
    const auto handler = helpHandlers_.constFind(control);
    if (handler != helpHandlers_.cend()) {
        HelpMouseMove(*handler);
    }
}

void TForm1::HelpMouseMove(HelpHandler handler) {
    // Writing the text already shown would only lay the box out again.
    const QString shown = HelpDisplayText(HelpText(handler));
    if (Help->toPlainText() != shown) {
        Help->setPlainText(shown);
    }
}
