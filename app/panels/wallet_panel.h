#pragma once

#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>

class QKeyEvent;

// The wallet the pupil pays from: stacks of banknotes and coins, the amount to pay, the
// amount assembled, and its buttons OK and Nieuw. Which pieces show follows the lesson;
// the arrow keys move among them.
class WalletPanel : public QObject, private WalletControls {
    Q_OBJECT
public:
    WalletPanel(QWidget* window, const Lesson& lesson);
    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;
    void Draw();
    // Opens the wallet over the window; it takes the keyboard focus.
    void Open();
    void TakeFocus();
    bool IsOpen() const;
    void Close();
    // Keys while the wallet has the focus (arrows, Space, Return) and F10, F11. True when
    // the key was the wallet's.
    bool Key(const QKeyEvent* event);
    // Whether Return is the wallet's now (it takes a piece instead of pressing a shortcut).
    bool TakesActivation(int key) const;

signals:
    void pieceTaken(int stack, int place);
    void closeAsked();
    void dealAsked();

private:
    struct ShownPiece {
        int stack;
        int place;
    };
    void Build(QWidget* window);
    void PreparePiecePictures();
    // Tells a screen reader the amount to pay as the wallet opens, and each piece taken.
    void SayWhatChanged();
    bool HasFocus() const;
    bool WalletKey(int key);
    std::vector<ShownPiece> PiecesInWallet(const QWidget* leaving = nullptr) const;
    int IndexOfFocus(const std::vector<ShownPiece>& shown) const;
    void MoveAmongPieces(int key);
    void TakeFocusedPiece();
    void PieceHidden(Picture* piece);

    const Lesson& lesson_;
    bool payable_ = false;     // the exercise on screen is paid from the wallet
    bool opened_ = false;      // the wallet was opened, and so dealt
    bool sayDue_ = false;      // the wallet has just opened: the amount to pay is said
    Amount saidAssembled_ = 0; // the amount assembled when the wallet last drew
};
