#pragma once

#include "app/widgets.h"

#include <QCheckBox>
#include <QTextEdit>
#include <QTimer>

#include <array>

// Every control of the window, by its name, one group per panel. Each panel owns its
// group (it inherits it privately) and builds the controls once; none is created or
// destroyed afterwards. Tests and tools find them all in Controls to click and read them.

struct SettingsBarControls {
    CaptionBox* Instellingen = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblMaxGetal = nullptr;
    Picture* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    EditBox* MaxArtikels = nullptr;
    EditBox* MaxGetal = nullptr;
    BevelPanel* groep2 = nullptr;
    EditBox* TimerMinuten = nullptr;
    QCheckBox* Hulpjes = nullptr;
    QCheckBox* Eenvoudig = nullptr;
    QCheckBox* Komma = nullptr;
    QCheckBox* Kasticket = nullptr;
    QCheckBox* Geldbeugel = nullptr;
};

// Rows 1..12 (element 0 unused).
struct ExerciseControls {
    BevelPanel* Panel1 = nullptr;
    QPushButton* VolgendeOefening = nullptr;
    MouseButton* Kontroleer = nullptr;
    std::array<QLabel*, 13> Aantal{};
    std::array<QLabel*, 13> Artikel{};
    std::array<QLabel*, 13> Prijs{};
    QLabel* lblBetaald = nullptr;
    QLabel* Betaald = nullptr;
    QLabel* Label11 = nullptr;
    Picture* Geld = nullptr;
    BevelPanel* Panel4 = nullptr;
};

// The sum boxes Tot1..Tot14 (element 0 unused), the carry label, the change field and
// their clear buttons and captions; inside the exercise panel. With Uitleg also the mark
// under a wrong column and "show me" (none without).
struct SumRowControls {
    QLabel* lblTotaal = nullptr;
    QLabel* lblTeruggave = nullptr;
    QLabel* Hulpje = nullptr;
    QToolButton* Wis1 = nullptr;
    QToolButton* Wis2 = nullptr;
    std::array<EditBox*, 15> Tot{};
    EditBox* Teruggave = nullptr;
    PointerMark* UitlegMarkering = nullptr;
    QPushButton* ToonMij = nullptr;
};

struct PointsControls {
    QLabel* Label36 = nullptr;
    Caption* Reeksteller = nullptr;
    BevelPanel* Panel2 = nullptr;
    QLabel* Label41 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label40 = nullptr;
};

// The timed series and its results.
struct SeriesControls {
    QLabel* KlokVenster = nullptr;
    QPushButton* Startknop = nullptr;
    QPushButton* OKKnop1 = nullptr;
    BevelPanel* Panel3 = nullptr;
    QLabel* Label47 = nullptr;
    Caption* Label48 = nullptr;
    QLabel* Label50 = nullptr;
    Caption* Label49 = nullptr;
    QLabel* Label51 = nullptr;
    QLabel* Label52 = nullptr;
    // With Uitleg: how the exercises were made right (none without).
    QLabel* UitlegResultaten = nullptr;
    QTimer* Timer1 = nullptr;
};

// Stacks 0 (500 euro) .. 14 (1 cent), pictures 1..10 (element 0 unused).
struct WalletControls {
    CaptionBox* Portemonnee = nullptr;
    std::array<std::array<Picture*, 11>, 15> Pieces{};
    QPushButton* PortemonneeSluiten = nullptr;
    QPushButton* PortemonneeReset = nullptr;
    CaptionBox* GroupBox1 = nullptr;
    QLabel* Label3 = nullptr;
    CaptionBox* GroupBox2 = nullptr;
    QLabel* Geldteller = nullptr;
};

// The information panel and the help box.
struct InfoControls {
    BevelPanel* Info = nullptr;
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* Label44 = nullptr;
    QLabel* Label45 = nullptr;
    QLabel* Label46 = nullptr;
    Picture* Image2 = nullptr;
    QPushButton* OKKnop = nullptr;
    QTextEdit* Help = nullptr;
};

struct Controls : SettingsBarControls,
                  ExerciseControls,
                  SumRowControls,
                  PointsControls,
                  SeriesControls,
                  WalletControls,
                  InfoControls {
    Picture* Image4 = nullptr; // STOP
};
