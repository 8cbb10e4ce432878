#pragma once

#include "app/widgets.h"

#include <QCheckBox>
#include <QTextEdit>
#include <QTimer>

#include <array>

// Every control of the window, by its name. The window builds them once and never
// creates or destroys one afterwards; tests find them here to click and read them.
struct Controls {
    // Window level.
    QLabel* Label36 = nullptr;
    Caption* Reeksteller = nullptr;
    Picture* Image4 = nullptr;
    QLabel* KlokVenster = nullptr;
    BevelPanel* Panel1 = nullptr;
    CaptionBox* Instellingen = nullptr;
    QPushButton* VolgendeOefening = nullptr;
    MouseButton* Kontroleer = nullptr;
    BevelPanel* Panel2 = nullptr;
    QTextEdit* Help = nullptr;
    QPushButton* Startknop = nullptr;
    QPushButton* OKKnop1 = nullptr;
    BevelPanel* Panel3 = nullptr;
    BevelPanel* Info = nullptr;
    CaptionBox* Portemonnee = nullptr;
    QTimer* Timer1 = nullptr;

    // Exercise panel: rows 1..12 (element 0 unused) and sum boxes Tot1..Tot14.
    std::array<QLabel*, 13> Aantal{};
    std::array<QLabel*, 13> Artikel{};
    std::array<QLabel*, 13> Prijs{};
    QLabel* lblBetaald = nullptr;
    QLabel* Betaald = nullptr;
    QLabel* lblTotaal = nullptr;
    QLabel* lblTeruggave = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Hulpje = nullptr;
    QToolButton* Wis1 = nullptr;
    QToolButton* Wis2 = nullptr;
    Picture* Geld = nullptr;
    BevelPanel* Panel4 = nullptr;
    std::array<EditBox*, 15> Tot{};
    EditBox* Teruggave = nullptr;

    // Settings bar.
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

    // Points panel.
    QLabel* Label41 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label40 = nullptr;

    // Results panel.
    QLabel* Label47 = nullptr;
    Caption* Label48 = nullptr;
    QLabel* Label50 = nullptr;
    Caption* Label49 = nullptr;
    QLabel* Label51 = nullptr;
    QLabel* Label52 = nullptr;

    // Information panel.
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* Label44 = nullptr;
    QLabel* Label45 = nullptr;
    QLabel* Label46 = nullptr;
    Picture* Image2 = nullptr;
    QPushButton* OKKnop = nullptr;

    // Wallet: stacks 0 (500 euro) .. 14 (1 cent), pictures 1..10 (element 0 unused).
    std::array<std::array<Picture*, 11>, 15> Pieces{};
    QPushButton* PortemonneeSluiten = nullptr;
    QPushButton* PortemonneeReset = nullptr;
    CaptionBox* GroupBox1 = nullptr;
    QLabel* Label3 = nullptr;
    CaptionBox* GroupBox2 = nullptr;
    QLabel* Geldteller = nullptr;
};
