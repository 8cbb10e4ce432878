#include "app/panels/wallet_panel.h"

#include "app/accessibility.h"

#include "app/artwork.h"
#include "app/panels/wallet_look.h"

#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

using namespace kit;
using namespace look;

namespace {

QString Latin1(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

bool IsActivation(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

// ------------------------------------------------------------------------------ texts
namespace {

struct WalletTexts {
    QString Wallet = WalletPanel::tr("Portemonnee");
    QString WalletTip = WalletPanel::tr("Dit is de portemonnee.");
    QString PieceTip = WalletPanel::tr("Aanklikken om te gebruiken.");
    QString Close = WalletPanel::tr("* OK *");
    QString CloseTip = WalletPanel::tr("portemonnee sluiten.");
    QString Deal = WalletPanel::tr("* Nieuw *");
    QString DealTip = WalletPanel::tr("Nieuwe portemonnee  maken.");
    QString Due = WalletPanel::tr("Te betalen");
    QString DueTip = WalletPanel::tr("Het bedrag dat moet betaald worden.");
    QString Assembled = WalletPanel::tr("Betaald");
    QString AssembledTip = WalletPanel::tr("Het bedrag dat u betaalt.");
    // Said as the wallet opens, and as a piece is taken (with the amount so far while it
    // is shown).
    QString DueSaid = WalletPanel::tr("Te betalen: %1.");
    QString TakenSaid = WalletPanel::tr("%1 genomen.");
    QString AssembledSaid = WalletPanel::tr("Betaald: %1.");
    // For a screen reader: "biljet van 50 euro", "munt van 2 cent". The value is also the
    // count a translation's plural follows ("pièce de 2 euros").
    QString NoteOfEuros(int n) const {
        return WalletPanel::tr("biljet van %1 euro", nullptr, n).arg(n);
    }
    QString CoinOfEuros(int n) const {
        return WalletPanel::tr("munt van %1 euro", nullptr, n).arg(n);
    }
    QString CoinOfCents(int n) const {
        return WalletPanel::tr("munt van %1 cent", nullptr, n).arg(n);
    }
    // What the help box says of each control, word for word, spelling slips included
    // ("berekent", "samensteld"): pupils and teachers know these texts as they are.
    // Lines are joined by a carriage return; some texts open with an empty line.
    QString PortemonneeMouseMove =
        WalletPanel::tr("Dit is de portemonnee waarmee u kan betalen.\r"
                        "U kan het juiste bedrag betalen en u kan een bedrag betalen waarop "
                        "moet teruggegeven worden.");
    QString PortemonneeSluitenMouseMove = WalletPanel::tr("De portemonnee sluiten.");
    QString PortemonneeResetMouseMove = WalletPanel::tr(
        "Een nieuwe portemonnee samenstellen.\r"
        "Het bedrag \"Betaald\" (indien zichtbaar bovenaan) wordt terug op nul gezet.");
    QString GroupBox1MouseMove = WalletPanel::tr("Dit is het te betalen bedrag.");
    QString GroupBox2MouseMove = WalletPanel::tr("Dit is het bedrag dat u samenstelt.");
    QString Briefje500n1MouseMove =
        WalletPanel::tr("Klik op een biljet of geldstuk om te betalen.\r"
                        "Het bedrag \"betaald\" (indien zichtbaar bovenaan) zal worden "
                        "aangepast, en het biljet of muntstuk zal verdwijnen.");
};

const WalletTexts& Texts() {
    static const WalletTexts texts;
    return texts;
}

QString PieceName(Amount value) {
    const WalletTexts& t = Texts();
    if (value >= Whole(5)) {
        return t.NoteOfEuros(static_cast<int>(value / AmountScale));
    }
    if (value >= Whole(1)) {
        return t.CoinOfEuros(static_cast<int>(value / AmountScale));
    }
    return t.CoinOfCents(static_cast<int>(value / (AmountScale / 100)));
}

} // namespace

// ---------------------------------------------------------------------------- building
WalletPanel::WalletPanel(QWidget* window, const Lesson& lesson) : QObject(window), lesson_(lesson) {
    Build(window);
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            connect(Pieces[At(s)][At(n)], &Picture::clicked, this,
                    [this, s, n] { emit pieceTaken(s, n); });
        }
    }
    connect(PortemonneeSluiten, &QPushButton::clicked, this, [this] {
        if (Reachable(PortemonneeSluiten)) {
            emit closeAsked();
        }
    });
    connect(PortemonneeReset, &QPushButton::clicked, this, [this] {
        if (Reachable(PortemonneeReset)) {
            emit dealAsked();
        }
    });

    // While the wallet is open it has the keyboard focus, so keys reach nothing under it.
    // Tab would still pass the focus on along the window's chain to a covered sum box;
    // this keeps it inside.
    auto* keep = new EventFilter(this, [](QObject*, QEvent* event) {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Tab || key == Qt::Key_Backtab;
    });
    for (QWidget* w :
         {static_cast<QWidget*>(Portemonnee), static_cast<QWidget*>(PortemonneeSluiten),
          static_cast<QWidget*>(PortemonneeReset)}) {
        w->installEventFilter(keep);
    }
    // A piece with the focus hidden itself is told before Qt passes the focus on.
    auto* hides = new EventFilter(this, [this](QObject* watched, QEvent* event) {
        if (event->type() != QEvent::Hide) {
            return false;
        }
        auto* piece = static_cast<Picture*>(watched);
        if (piece->isHidden() && piece->hasFocus()) {
            PieceHidden(piece);
        }
        return false;
    });
    for (const auto& stack : Pieces) {
        for (Picture* piece : stack) {
            if (piece) {
                piece->installEventFilter(hides);
            }
        }
    }
}

void WalletPanel::Build(QWidget* window) {
    const WalletTexts& t = Texts();
    Portemonnee = MakeBox(window, "Portemonnee", t.Wallet, {24, 7, 878, 697}, InactiveCaptionText);
    Portemonnee->setFont(Font(kSans, 13, Bold));
    SetTextColor(Portemonnee, White);
    Portemonnee->setCursor(Qt::ForbiddenCursor);
    SetTip(Portemonnee, t.WalletTip);
    Portemonnee->hide();

    QWidget* w = Portemonnee;
    for (int s = 0; s < DenominationCount; ++s) {
        const PieceLook& look = PieceLooks[At(s)];
        const QString image = Latin1(look.Image);
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            const PicturePoint at = PicturePosition(s, n);
            auto* pic = new Picture(w, true);
            pic->setObjectName(Q(PictureName(s, n)));
            pic->setGeometry(at.Left, at.Top, look.Width, look.Height);
            pic->SetSource(image);
            pic->setCursor(Qt::PointingHandCursor);
            SetTip(pic, t.PieceTip);
            Pieces[At(s)][At(n)] = pic;
        }
    }
    PortemonneeSluiten = MakeButton(w, "PortemonneeSluiten", t.Close, {753, 28, 74, 33},
                                    Font(kSans, 13, Bold), Blue);
    PortemonneeSluiten->setCursor(Qt::PointingHandCursor);
    SetTip(PortemonneeSluiten, t.CloseTip);
    PortemonneeReset =
        MakeButton(w, "PortemonneeReset", t.Deal, {61, 26, 74, 33}, Font(kSans, 13, Bold), Blue);
    PortemonneeReset->setCursor(Qt::PointingHandCursor);
    SetTip(PortemonneeReset, t.DealTip);

    GroupBox1 = MakeBox(w, "GroupBox1", t.Due, {225, 18, 185, 49}, Black);
    SetTextColor(GroupBox1, White);
    GroupBox1->setCursor(Qt::ForbiddenCursor);
    SetTip(GroupBox1, t.DueTip);
    Label3 = MakeLabel(GroupBox1, "Label3", QStringLiteral("Label3"), {5, 18, 173, 22},
                       Font(kSans, 19, Bold), Yellow);
    SetBackground(Label3, Black);
    GroupBox2 = MakeBox(w, "GroupBox2", t.Assembled, {491, 17, 185, 49}, Black);
    SetTextColor(GroupBox2, White);
    GroupBox2->setCursor(Qt::ForbiddenCursor);
    SetTip(GroupBox2, t.AssembledTip);
    GroupBox2->hide();
    Geldteller = MakeLabel(GroupBox2, "Geldteller", QStringLiteral("0"), {5, 17, 175, 24},
                           Font(kSans, 19, Bold), Red);
    SetBackground(Geldteller, Black);
    FinishControls(Portemonnee);

    // A group box inside another is named by its own caption, not the outer one's.
    SetName(GroupBox1, GroupBox1->title());
    SetName(GroupBox2, GroupBox2->title());
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            SetName(Pieces[At(s)][At(n)], PieceName(PieceTable[At(s)].Value));
        }
    }
}

void WalletPanel::Expose(Controls& ui) const {
    static_cast<WalletControls&>(ui) = *this;
}

void WalletPanel::ListHelp(HelpMap& help) const {
    help.insert(Portemonnee, Texts().PortemonneeMouseMove);
    help.insert(PortemonneeSluiten, Texts().PortemonneeSluitenMouseMove);
    help.insert(PortemonneeReset, Texts().PortemonneeResetMouseMove);
    help.insert(GroupBox1, Texts().GroupBox1MouseMove);
    help.insert(GroupBox2, Texts().GroupBox2MouseMove);
    for (const auto& stack : Pieces) {
        for (Picture* piece : stack) {
            if (piece) {
                help.insert(piece, Texts().Briefje500n1MouseMove);
            }
        }
    }
}

// ----------------------------------------------------------------------------- drawing
void WalletPanel::Draw() {
    const LessonSettings& settings = lesson_.Settings();
    const bool payable = settings.Addends.Receipt && settings.PayFromWallet;
    if (payable && !payable_) {
        // The wallet's pictures are drawn when it first opens. Once the purse appears the
        // pupil may open it any moment: they are made ready then, in the pause after the
        // click, so that the first opening is as quick as the later ones.
        QTimer::singleShot(100, this, [this] {
            if (payable_ && Portemonnee->window()->isVisible()) {
                PreparePiecePictures();
            }
        });
    }
    payable_ = payable;
    if (settings.PayFromWallet) {
        const QString due = Q(lesson_.TotalText());
        if (Label3->text() != due) {
            Label3->setText(due);
            // The amount due stands right-aligned by blanks; they are not read.
            SetName(Label3, due.trimmed());
        }
        const QString assembled = Q(FormatPlain(lesson_.Assembled()));
        if (Geldteller->text() != assembled) {
            Geldteller->setText(assembled);
        }
    }
    GroupBox2->setVisible(settings.Helps);
    SayWhatChanged();
    if (!opened_) {
        return;
    }
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            Picture* piece = Pieces[At(s)][At(n)];
            const bool in = lesson_.PieceInWallet(s, n);
            if (piece->isHidden() == in) {
                piece->setVisible(in);
            }
        }
    }
}

void WalletPanel::SayWhatChanged() {
    Announcer* announcer = Announcer::Of(Portemonnee);
    const Amount assembled = lesson_.Assembled();
    if (announcer != nullptr && Portemonnee->isVisible()) {
        if (sayDue_) {
            announcer->Say(Texts().DueSaid.arg(
                SaidAmount(lesson_.Exercise().Total, Label3->text().trimmed())));
        } else if (assembled > saidAssembled_) {
            QString said = Texts().TakenSaid.arg(PieceName(assembled - saidAssembled_));
            // The amount so far only where the pupil sees it too.
            if (lesson_.Settings().Helps) {
                said += QLatin1Char(' ') +
                        Texts().AssembledSaid.arg(SaidAmount(assembled, Geldteller->text()));
            }
            announcer->Say(said);
        }
    }
    sayDue_ = false;
    saidAssembled_ = assembled;
}

void WalletPanel::PreparePiecePictures() {
    for (int s = 0; s < DenominationCount; ++s) {
        Picture* piece = Pieces[At(s)][1];
        StretchedArtwork(Latin1(PieceLooks[At(s)].Image), piece->size(),
                         piece->devicePixelRatioF());
    }
}

void WalletPanel::Open() {
    opened_ = true;
    sayDue_ = true;
    Portemonnee->show();
    // Typing digits into a sum box hidden under the wallet would surprise the pupil,
    // so the wallet takes the focus. Leaving a settings field may make a new exercise;
    // that happens now, before the dealing, so the wallet is dealt for the exercise it
    // shows.
    TakeFocus();
}

void WalletPanel::TakeFocus() {
    Portemonnee->setFocus(Qt::OtherFocusReason);
}

bool WalletPanel::IsOpen() const {
    return Portemonnee->isVisible();
}

void WalletPanel::Close() {
    Portemonnee->hide();
}

// -------------------------------------------------------------------------------- keys
bool WalletPanel::HasFocus() const {
    QWidget* focus = FocusedWidget();
    return Portemonnee->isVisible() && focus &&
           (focus == Portemonnee || Portemonnee->isAncestorOf(focus));
}

bool WalletPanel::TakesActivation(int key) const {
    // Return is the information panel's shortcut elsewhere; in the wallet it takes a piece.
    return HasFocus() && IsActivation(key);
}

bool WalletPanel::Key(const QKeyEvent* event) {
    if (HasFocus() && event->modifiers() == Qt::NoModifier && WalletKey(event->key())) {
        return true;
    }
    return ClickByKey(event, {{Qt::Key_F10, PortemonneeReset}, {Qt::Key_F11, PortemonneeSluiten}});
}

bool WalletPanel::WalletKey(int key) {
    QWidget* focus = FocusedWidget();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        MoveAmongPieces(key);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focus == PortemonneeSluiten || focus == PortemonneeReset) {
            static_cast<QPushButton*>(focus)->click();
        } else if (qobject_cast<Picture*>(focus)) {
            TakeFocusedPiece();
        } else {
            MoveAmongPieces(Qt::Key_Right);
        }
        return true;
    default:
        return false;
    }
}

// The pieces still in the wallet, stack by stack from the 500-euro note down, the top
// piece of each stack first; `leaving` counts as still there.
std::vector<WalletPanel::ShownPiece> WalletPanel::PiecesInWallet(const QWidget* leaving) const {
    std::vector<ShownPiece> shown;
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = PieceTable[At(s)].StackSize; n >= 1; --n) {
            const Picture* piece = Pieces[At(s)][At(n)];
            if (!piece->isHidden() || piece == leaving) {
                shown.push_back({s, n});
            }
        }
    }
    return shown;
}

int WalletPanel::IndexOfFocus(const std::vector<ShownPiece>& shown) const {
    QWidget* focus = FocusedWidget();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (Pieces[At(shown[i].stack)][At(shown[i].place)] == focus) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void WalletPanel::MoveAmongPieces(int key) {
    const std::vector<ShownPiece> shown = PiecesInWallet();
    if (shown.empty()) {
        return;
    }
    const int count = static_cast<int>(shown.size());
    int at = IndexOfFocus(shown);
    if (at < 0) {
        at = 0;
    } else if (key == Qt::Key_Right) {
        at = std::min(at + 1, count - 1);
    } else if (key == Qt::Key_Left) {
        at = std::max(at - 1, 0);
    } else {
        // Up and Down go to the top piece of the stack before or after.
        const int stack = shown[At(at)].stack;
        if (key == Qt::Key_Down) {
            while (at < count - 1 && shown[At(at)].stack == stack) {
                ++at;
            }
        } else {
            while (at > 0 && shown[At(at)].stack == stack) {
                --at;
            }
            while (at > 0 && shown[At(at - 1)].stack == shown[At(at)].stack) {
                --at;
            }
        }
    }
    Pieces[At(shown[At(at)].stack)][At(shown[At(at)].place)]->setFocus(Qt::OtherFocusReason);
}

void WalletPanel::TakeFocusedPiece() {
    const std::vector<ShownPiece> shown = PiecesInWallet();
    const int at = IndexOfFocus(shown);
    if (at >= 0) {
        emit pieceTaken(shown[At(at)].stack, shown[At(at)].place);
    }
}

void WalletPanel::PieceHidden(Picture* piece) {
    // A hidden focus would pass on along the window's chain, to a sum box under the
    // wallet: it goes to the next piece instead, or to the wallet when none is left.
    // Taken by key, by a screen reader's Press or dealt anew, all come here.
    std::vector<ShownPiece> shown = PiecesInWallet(piece);
    const int at = IndexOfFocus(shown);
    if (at < 0) {
        return;
    }
    shown.erase(shown.begin() + at);
    if (shown.empty()) {
        Portemonnee->setFocus(Qt::OtherFocusReason);
    } else {
        const ShownPiece next = shown[At(std::min(at, static_cast<int>(shown.size()) - 1))];
        Pieces[At(next.stack)][At(next.place)]->setFocus(Qt::OtherFocusReason);
    }
}
