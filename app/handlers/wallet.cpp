// The wallet in the window: preparing it for each exercise, dealing it, taking pieces
// out and paying with them.

#include "app/artwork.h"
#include "app/form.h"
#include "wallet/pieces.h"

#include <QKeyEvent>
#include <QTimer>

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

QString AmountText(Amount a) {
    return QString::fromStdString(FormatPlain(a));
}

} // namespace

void TForm1::ConnectWallet() {
    connect(Geld, &Picture::clicked, this, &TForm1::GeldClick);
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            connect(Pieces[At(s)][At(n)], &Picture::clicked, this,
                    [this, s, n] { Briefje500n1Click(s, n); });
        }
    }
    connect(PortemonneeSluiten, &QPushButton::clicked, this, &TForm1::PortemonneeSluitenClick);
    connect(PortemonneeReset, &QPushButton::clicked, this, &TForm1::PortemonneeResetClick);

    // The wallet's pictures are drawn when it first opens. Once the purse appears the
    // pupil may open it any moment: they are made ready then, in the pause after the
    // click, so that the first opening is as quick as the later ones.
    Geld->installEventFilter(new EventFilter(this, [this](QObject*, QEvent* event) {
        if (event->type() == QEvent::ShowToParent) {
            QTimer::singleShot(100, this, [this] {
                if (Geld->isVisible()) {
                    PreparePiecePictures();
                }
            });
        }
        return false;
    }));

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
}

void TForm1::PreparePiecePictures() {
    for (int s = 0; s < DenominationCount; ++s) {
        const Denomination& d = PieceTable[At(s)];
        Picture* piece = Pieces[At(s)][1];
        StretchedArtwork(QString::fromLatin1(d.Image.data(), d.Image.size()), piece->size(),
                         piece->devicePixelRatioF());
    }
}

void TForm1::PrepareWallet() {
    if (!Geldbeugel->isChecked()) {
        return;
    }
    Label3->setText(QString::fromStdString(lesson_.TotalText()));
    Geldteller->setText(AmountText(lesson_.Assembled()));
}

void TForm1::GeldClick() {
    Portemonnee->show();
    // Typing digits into a sum box hidden under the wallet would surprise the pupil,
    // so the wallet takes the focus. Leaving a settings field may make a new exercise;
    // that happens now, before the dealing, so the wallet is dealt for the exercise it
    // shows.
    Portemonnee->setFocus(Qt::OtherFocusReason);
    ComposeWallet();
    // A new exercise made just now leaves the focus in the sum row; take it back.
    Portemonnee->setFocus(Qt::OtherFocusReason);
}

void TForm1::ComposeWallet() {
    const PieceCounts& shown = lesson_.DealWallet();
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            Pieces[At(s)][At(n)]->setVisible(n <= shown[At(s)]);
        }
    }
    Geldteller->setText(AmountText(lesson_.Assembled()));
}

void TForm1::Briefje500n1Click(int stack, int place) {
    Picture* piece = Pieces[At(stack)][At(place)];
    // A piece already taken out is no longer in the wallet and pays nothing.
    if (piece->isHidden() || !lesson_.TakePiece(stack)) {
        return;
    }
    piece->hide();
    Geldteller->setText(AmountText(lesson_.Assembled()));
}

void TForm1::PortemonneeSluitenClick() {
    if (!Acts(PortemonneeSluiten)) {
        return;
    }
    // The focus goes to the change field before the wallet disappears; hiding the
    // wallet with the focus in it would first pass it to a sum box.
    Teruggave->setFocus(Qt::OtherFocusReason);
    Portemonnee->hide();
    lesson_.ClosePayment();
    Betaald->setText(AmountText(lesson_.Exercise().Paid));
}

void TForm1::PortemonneeResetClick() {
    if (!Acts(PortemonneeReset)) {
        return;
    }
    ComposeWallet();
}
