#include "app/panels/info_panel.h"

#include "app/accessibility.h"
#include "app/artwork.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTextEdit>

using namespace kit;
using namespace look;

// ------------------------------------------------------------------------------ texts
namespace {

struct InfoTexts {
    QString MadeBy = InfoPanel::tr("Een product van :");
    // The maker's and the program's names and the maker's site are the same in every
    // language, so no translator is offered them.
    QString Maker = QStringLiteral("Zenbo");
    QString Program = QStringLiteral("Quorvel v.2");
    QString About = InfoPanel::tr("Flexibel Programma voor het oefenen in rekenkundig optellen "
                                  "van verschillende getallen onder elkaar. Er is een "
                                  "voorziening ingebouwd voor het praktisch oefenen met het "
                                  "betalen van een kasticket in de winkel. ");
    QString Site = QStringLiteral("www.zenbo.example");
    QString HelpTip = InfoPanel::tr("Context-gevoelig help-menu.");
    // For a screen reader.
    QString Ok = InfoPanel::tr("OK");
    QString Panel = InfoPanel::tr("Info over het programma");
    QString Logo = InfoPanel::tr("Logo van Quorvel");
    QString HelpBox = InfoPanel::tr("Uitleg");
    // The ladder's levels, as a teacher names them: %1 the number of addends, %2 the
    // largest addend.
    QString WholeLevel = InfoPanel::tr("%1 getallen tot %2");
    QString DecimalLevel = InfoPanel::tr("%1 getallen met komma");
    QString DecimalLevelUpTo = InfoPanel::tr("%1 getallen tot %2 met komma");
    QString NoCarry = InfoPanel::tr(", zonder overdracht");
    QString WithCarry = InfoPanel::tr(", met overdracht");
    QString DoubleCarry = InfoPanel::tr(", dubbele overdracht");
    // Said in the help box and by a screen reader when the ladder brings a level: %1 the
    // level's number, %2 how many there are, %3 its name.
    QString LadderStarted = InfoPanel::tr("Ladder, niveau %1 van %2: %3.");
    QString LadderUp = InfoPanel::tr("Goed zo! Naar niveau %1 van %2: %3.");
    QString LadderDown = InfoPanel::tr("Terug naar niveau %1 van %2: %3.");
    QString LadderLeft = InfoPanel::tr("U heeft zelf een instelling gewijzigd: de ladder staat uit "
                                       "tot het programma opnieuw start.");
};

const InfoTexts& Texts() {
    static const InfoTexts texts;
    return texts;
}

// Every control carries its name. The widgets Qt builds inside a control (the help box's
// viewport, for one) carry none or one of Qt's own, and count as that control.
bool IsControl(const QWidget* w) {
    const QString& name = w->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

} // namespace

InfoPanel::InfoPanel(QWidget* window) : QObject(window), window_(window) {
    const InfoTexts& t = Texts();
    Help = Named(new QTextEdit(window), "Help");
    Help->setGeometry(25, 704, 878, 129);
    Help->setReadOnly(true);
    Help->setFrameShape(QFrame::NoFrame);
    Help->setLineWrapMode(QTextEdit::WidgetWidth);
    Help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Help->setFocusPolicy(Qt::NoFocus);
    Help->setTextInteractionFlags(Qt::NoTextInteraction);
    Help->setFont(Font(kSans, 13, Bold));
    SetTextColor(Help, Black);
    SetFieldColor(Help, Grey);
    Help->viewport()->setCursor(NoDropCursor());
    Help->setCursor(NoDropCursor());
    SetTip(Help, t.HelpTip);

    Info = MakePanel(window, "Info", {314, 25, 585, 234},
                     {Blue, Bevel::Raised, Bevel::None, 3, 5, true});
    Info->setFont(Font(kSans, 16, Regular));
    SetTextColor(Info, Yellow);
    Info->hide();
    QWidget* p = Info;
    Label42 =
        MakeLabel(p, "Label42", t.MadeBy, {58, 13, 103, 16}, Font(kSans, 13, Regular), Yellow);
    Label43 =
        MakeLabel(p, "Label43", t.Maker, {176, 8, 141, 24}, Font(kSans, 19, Bold | Italic), Yellow);
    Label44 = MakeLabel(p, "Label44", t.Program, {216, 75, 172, 20},
                        Font(kSans, 16, Bold | Underline), Yellow);
    Label45 = MakeLabel(p, "Label45", t.About, {16, 99, 543, 60}, Font(kSans, 16, Regular), Yellow);
    Label45->setWordWrap(true);
    Label46 =
        MakeLabel(p, "Label46", t.Site, {161, 31, 162, 16}, Font(kSans, 13, Bold | Italic), White);
    Image2 =
        MakePicture(p, "Image2", {537, 6, 33, 36}, QStringLiteral(":/images/icon32.png"), false);
    OKKnop = MakeButton(p, "OKKnop", QString(), {278, 194, 36, 25}, Font(kSans, 13, Bold), Black);
    const QString checkmark = QStringLiteral(":/images/checkmark.png");
    const QImage glyph = Artwork(checkmark);
    if (!glyph.isNull()) {
        // The picture holds the tick and, beside it, the greyed tick.
        const int half = glyph.width() / 2;
        OKKnop->setIcon(
            ArtworkIcon({{checkmark, QRect(0, 0, half, glyph.height()), QIcon::Normal},
                         {checkmark, QRect(half, 0, half, glyph.height()), QIcon::Disabled}}));
        OKKnop->setIconSize(QSize(half, glyph.height()));
    }
    OKKnop->setAccessibleName(t.Ok);
    FinishControls(Help);
    FinishControls(Info);

    SetName(Info, t.Panel);
    SetName(Image2, t.Logo);
    if (Help->accessibleName().isEmpty()) {
        SetName(Help, t.HelpBox);
    }
    connect(OKKnop, &QPushButton::clicked, this, &InfoPanel::OKKnopClick);
    // Enter presses OK while the panel is shown; the key then goes no further.
    enter_ = new QShortcut(window);
    enter_->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter_->setContext(Qt::WindowShortcut);
    enter_->setEnabled(false);
    connect(enter_, &QShortcut::activated, this, [this] { PressByShortcut(OKKnop); });
    Info->installEventFilter(this);
}

void InfoPanel::Expose(Controls& ui) const {
    static_cast<InfoControls&>(ui) = *this;
}

bool InfoPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Info &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        enter_->setEnabled(event->type() == QEvent::ShowToParent);
    } else if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        HelpPointerMoved(static_cast<QWidget*>(watched),
                         static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QObject::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------ the ladder
QString InfoPanel::LevelName(const AddendSettings& level) {
    const InfoTexts& t = Texts();
    const QString n = QString::number(level.N);
    QString name = !level.Decimal          ? t.WholeLevel.arg(n).arg(level.MaxValue)
                   : level.MaxValue == 100 ? t.DecimalLevel.arg(n)
                                           : t.DecimalLevelUpTo.arg(n).arg(level.MaxValue);
    // A profile the settings cannot keep (the school locked two addends on a level of a
    // column of 20) is not promised.
    if (CarryProfilePossible(level.Carries, level.N, level.MaxValue, level.Decimal)) {
        switch (level.Carries) {
        case CarryProfile::None:
            name += t.NoCarry;
            break;
        case CarryProfile::Carry:
            name += t.WithCarry;
            break;
        case CarryProfile::Double:
            name += t.DoubleCarry;
            break;
        case CarryProfile::Free:
            break;
        }
    }
    return name;
}

QString InfoPanel::LadderMessage(const Lesson& lesson) {
    const InfoTexts& t = Texts();
    const QString* text = nullptr;
    switch (lesson.News()) {
    case LadderNews::None:
        return QString();
    case LadderNews::Left:
        return t.LadderLeft;
    case LadderNews::Started:
        text = &t.LadderStarted;
        break;
    case LadderNews::Up:
        text = &t.LadderUp;
        break;
    case LadderNews::Down:
        text = &t.LadderDown;
        break;
    }
    return text->arg(lesson.LevelOnScreen())
        .arg(LadderLevelCount)
        .arg(LevelName(lesson.Settings().Addends));
}

void InfoPanel::Draw(const Lesson& lesson) {
    if (lesson.ExerciseSerial() == drawnSerial_) {
        return;
    }
    drawnSerial_ = lesson.ExerciseSerial();
    // What the ladder did is told once, with the exercise it brings: in the help box
    // until the pointer asks for another help, and to a screen reader.
    const QString message = LadderMessage(lesson);
    if (message.isEmpty()) {
        return;
    }
    Help->setPlainText(message);
    if (Announcer* announcer = Announcer::Of(window_)) {
        announcer->Say(message);
    }
}

void InfoPanel::Tell(const QString& text) {
    if (text.isEmpty()) {
        // Taken back where the box still says it.
        if (!told_.isEmpty() && Help->toPlainText() == told_) {
            Help->clear();
        }
        told_.clear();
        return;
    }
    told_ = text;
    Help->setPlainText(text);
}

// -------------------------------------------------------------------- the information panel
void InfoPanel::Open() {
    focusBefore_ = FocusedWidget();
    if (const auto* edit = qobject_cast<const QLineEdit*>(focusBefore_.data())) {
        selectionBefore_ = edit->selectionStart();
        selectedBefore_ = static_cast<int>(edit->selectedText().size());
        cursorBefore_ = edit->cursorPosition();
    }
    Info->show();
    // Read out as a page is, top to bottom, after the focus has come to OK.
    if (Announcer* announcer = Announcer::Of(window_)) {
        QStringList lines;
        for (const QLabel* label : {Label44, Label45, Label42, Label43, Label46}) {
            lines << label->text().simplified();
        }
        announcer->Say(lines.join(QLatin1Char(' ')));
    }
}

bool InfoPanel::IsOpen() const {
    return Info->isVisible();
}

void InfoPanel::FocusOkUnlessTyping() {
    // Return presses OK from an edit field or a check box; from elsewhere OK itself
    // takes the focus, where Space presses it.
    QWidget* focus = FocusedWidget();
    if (Info->isVisible() && !qobject_cast<QLineEdit*>(focus) && !qobject_cast<QCheckBox*>(focus)) {
        OKKnop->setFocus(Qt::OtherFocusReason);
    }
}

void InfoPanel::OKKnopClick() {
    if (!Reachable(OKKnop)) {
        return;
    }
    // The panel changes nothing else: the focus goes back where it was, with the selection
    // or the cursor it had there, and without the selection a focus move by the program
    // would make. It moves before the panel hides, or hiding the focused OK button would
    // first pass the focus on to another control.
    QWidget* back = focusBefore_;
    focusBefore_ = nullptr;
    // Enter closes the panel from the field it was typed in. A settings field the pupil
    // went into while the panel was open is left as any field is left, so that its rules
    // judge what was typed there; a new exercise they make keeps the focus it gives.
    QWidget* typedIn = FocusedWidget();
    if (typedIn != back && isField_ && isField_(typedIn)) {
        typedIn->clearFocus();
        if (FocusedWidget() != nullptr) {
            back = nullptr;
        }
    }
    // The same holds for the settings field the panel was opened from, once it has been
    // left (the press on OK takes the focus): its rules have judged it, and the focus
    // stays where they left it, or goes where the window puts it when OK hides.
    if (isField_ && isField_(back) && typedIn != back) {
        back = nullptr;
    }
    if (back && back != OKKnop && Acts(back)) {
        // A field the pupil typed in meanwhile keeps its cursor where the typing left it.
        const bool returning = FocusedWidget() != back;
        back->setFocus(Qt::PopupFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(back); edit && returning && edit->hasFocus()) {
            if (selectionBefore_ >= 0 && selectedBefore_ > 0) {
                edit->setSelection(selectionBefore_, selectedBefore_);
            } else {
                edit->setCursorPosition(cursorBefore_);
            }
        }
    }
    Info->hide();
}

// ------------------------------------------------------------------------- the help box
void InfoPanel::Explain(const HelpMap& help, std::function<bool(const QWidget*)> isField) {
    help_ = help;
    isField_ = std::move(isField);
    // A screen reader gives the same explanation as the box.
    for (auto it = help_.cbegin(); it != help_.cend(); ++it) {
        const QString& text = it.value();
        if (!text.isEmpty() && !HelpsOnRequest(it.key())) {
            it.key()->setAccessibleDescription(HelpDisplayText(text));
        }
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old != nullptr && old == explained_) {
            explained_ = nullptr;
            if (old->accessibleDescription() == Help->toPlainText()) {
                SetDescription(old, describedBefore_);
            }
        }
    });
    // Qt tells a widget of movements without a pressed button only with mouse tracking
    // on; every widget takes them, so none passes its movements on to its container.
    // Every mouse movement over the window's widgets reaches the window before the widget
    // itself sees it, and the widget gets it unchanged.
    QList<QWidget*> widgets = window_->findChildren<QWidget*>();
    widgets.append(window_);
    for (QWidget* w : widgets) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool InfoPanel::Key(const QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        HelpForFocus();
        return true;
    }
    return Info->isVisible() && ClickByKey(event, {{Qt::Key_F9, OKKnop}});
}

void InfoPanel::HelpForFocus() {
    // The control with the focus explains itself, as it does under the pointer; one
    // without an explanation is explained by what holds it.
    QWidget* w = FocusedWidget();
    if (w == nullptr || w->window() != window_) {
        w = window_;
    }
    while (w != window_ && !help_.contains(w)) {
        w = w->parentWidget();
    }
    const auto handler = help_.constFind(w);
    if (handler != help_.cend()) {
        ShowHelp(w, *handler, true);
    }
}

void InfoPanel::HelpPointerMoved(QWidget* receiver, QPoint at) {
    // What the sum row has to say stays until the pupil acts on it.
    if (receiver->window() != window_ || !told_.isEmpty()) {
        return;
    }
    // A movement the receiver leaves alone travels on to its containers; only the
    // delivery to the widget under the pointer counts, or a control without a handler
    // would be explained by its container's. While a button is held the movement goes
    // to the pressed control wherever the pointer is, and only counts over it.
    const QPoint inWindow = receiver->mapTo(window_, at);
    QWidget* hit = window_->childAt(inWindow);
    if (hit == nullptr) {
        hit = window_;
    }
    if (hit != receiver) {
        return;
    }
    QWidget* control = hit;
    while (control != window_ && !IsControl(control)) {
        control = control->parentWidget();
    }
    const auto handler = help_.constFind(control);
    if (handler != help_.cend()) {
        ShowHelp(control, *handler, false);
    }
}

void InfoPanel::ShowHelp(QWidget* control, const QString& text, bool spoken) {
    // Writing the text already shown would only lay the box out again.
    const QString shown = HelpDisplayText(text);
    if (Help->toPlainText() != shown) {
        Help->setPlainText(shown);
    }
    if (HelpsOnRequest(control) && control->accessibleDescription() != shown) {
        if (control->hasFocus()) {
            explained_ = control;
            describedBefore_ = control->accessibleDescription();
        }
        SetDescription(control, shown);
    }
    // Said aloud too: Qt 6.4 sends a new description to a screen reader without its text.
    if (spoken && !shown.isEmpty()) {
        if (Announcer* announcer = Announcer::Of(window_)) {
            announcer->Announce(shown);
        }
    }
}
