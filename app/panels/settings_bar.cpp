#include "app/panels/settings_bar.h"

#include "app/accessibility.h"

#include "engine/settings.h"

#include <QKeyEvent>

#include <algorithm>

using namespace kit;
using namespace look;

namespace {

std::string Std(const QString& s) {
    return s.toStdString();
}

} // namespace

// ------------------------------------------------------------------------------ texts
namespace {

struct BarTexts {
    QString Settings = SettingsBar::tr("Instellingen");
    QString Addends = SettingsBar::tr("Aantal op te tellen getallen (2<->12) :");
    QString AddendsTip = SettingsBar::tr("Het aantal op te tellen getallen.");
    QString Largest = SettingsBar::tr("Max. getal :");
    QString LargestTip =
        SettingsBar::tr("Het hoogst toegelaten getal voor de op te tellen waarden.");
    QString InfoTip = SettingsBar::tr("Info over het Programma.");
    QString Minutes = SettingsBar::tr("Timer (minuten) :");
    QString MinutesTip = SettingsBar::tr(
        "Indien de timer gebruikt moet worden, moet hier het aantal minuten ingevuld worden.");
    QString Decimals = SettingsBar::tr("Komma :");
    QString DecimalsTip = SettingsBar::tr("Keuze tussen oefenen met gehele getallen of oefenen "
                                          "met getallen na de komma.");
    QString Receipt = SettingsBar::tr("Kasticket :");
    QString ReceiptTip = SettingsBar::tr("Keuze tussen klassiek optellen of kasticket.");
    QString Wallet = SettingsBar::tr("Portemonnee :");
    QString Helps = SettingsBar::tr("Hulpjes :");
    QString HelpsTip = SettingsBar::tr("Rekenhulpjes zijn mogelijk.");
    QString Max100 = SettingsBar::tr("maximum 100 :");
    // Added to the help of a setting the school has locked.
    QString Locked = SettingsBar::tr("Deze instelling is door de school vastgelegd.");
    // Added to the help of a setting the school's ladder sets, where the pupil may not
    // leave the ladder.
    QString HeldByLadder = SettingsBar::tr("De ladder van de school bepaalt deze instelling.");
    // For a screen reader.
    QString KindOfExercise = SettingsBar::tr("Soort oefening");
    // Said when a key ticks a box from elsewhere: %1 is the box's caption.
    QString Ticked = SettingsBar::tr("%1 aangevinkt.");
    QString Unticked = SettingsBar::tr("%1 niet aangevinkt.");
    // What the help box says of each control, word for word, spelling slips included
    // ("berekent", "samensteld"): pupils and teachers know these texts as they are.
    // Lines are joined by a carriage return; some texts open with an empty line.
    QString MaxArtikelsMouseMove = SettingsBar::tr(
        "Hier bepaalt u het aantal getallen dat bij elkaar moet worden opgeteld (max.12).");
    QString lblMaxGetalMouseMove =
        SettingsBar::tr("Hier bepaalt u de maximum grootte van de op te tellen getallen.");
    QString TimerMinutenMouseMove = SettingsBar::tr(
        "Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\r"
        "Als deze waarde groter is dan \"0\" zal boven de oefening een startknop verschijnen. "
        "Een muisklik op deze startknop zal de timer starten.\r"
        "Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening "
        "(aantal gemaakte oefeningen, aantal juiste oplossingen, percentage juiste "
        "oplossingen)\r"
        "Het programma komt terug in oorspronkelijke staat na het gebruik van de resetknop.");
    QString KommaMouseMove = SettingsBar::tr("Niet aangevinkt = Enkel gehele getallen optellen.\r"
                                             "Aangevinkt = Optellen van komma-getallen");
    QString KasticketMouseMove = SettingsBar::tr(
        "Niet aangevinkt = Klassieke optelling maken.\r"
        "Aangevinkt = Optelling maken volgens het systeem van een kasticket in de winkel.\r"
        "Hierbij wordt een kasticket aangemaakt met gekochte artikels, het aantal artikels, "
        "hoeveel betaald is, en hoeveel moet teruggegeven worden. Het bedrag dat moet "
        "teruggegeven worden moet net zoals in de winkel uit het hoofd berekent worden.");
    QString GeldbeugelMouseMove = SettingsBar::tr(
        "Niet aangevinkt = Er zal automatisch een \"betaald\" bedrag worden berekent, waarop u "
        "via hoofdrekenen de teruggave zal moeten berekenen.\r"
        "Aangevinkt = Er zal een \"portemonneetje\" verschijnen. Als u daarop klikt zal u zélf "
        "kunnen betalen.\r"
        "U kan het juiste bedrag betalen, maar ook een groter bedrag waarop via hoofdrekenen "
        "het terug te geven bedrag moet worden vastgesteld.");
    QString HulpjesMouseMove =
        SettingsBar::tr("Niet aangevinkt = Alles uit het hoofd berekenen en onthouden.\r"
                        "Aangevinkt = Foute invoer zal rood kleuren, de inhoud van de "
                        "wachtkamer wordt getoond,\r"
                        "en in de portemonnee zal bovenaan een venster verschijnen met het "
                        "bedrag dat u samensteld.");
    QString Image1MouseMove = SettingsBar::tr(
        "Globale Informatie betreffende het programma en de ontwerper/programmeur.");
};

const BarTexts& Texts() {
    static const BarTexts texts;
    return texts;
}

} // namespace

// ---------------------------------------------------------------------------- building
SettingsBar::SettingsBar(QWidget* window, const Presets& presets)
    : QObject(window), presets_(presets) {
    Build(window);
    ApplyPresets();
    for (Field* field : {&addends_, &largest_, &minutes_}) {
        Connect(*field);
    }
    // clicked, unlike toggled, comes only from the pupil, after the mark has changed.
    connect(Komma, &QCheckBox::clicked, this, [this] { emit exerciseAsked(true); });
    connect(Kasticket, &QCheckBox::clicked, this, [this] { emit exerciseAsked(true); });
    // Paying another way is no new series.
    connect(Geldbeugel, &QCheckBox::clicked, this, [this] { emit exerciseAsked(false); });
    connect(Eenvoudig, &QCheckBox::clicked, this, [this] { emit exerciseAsked(true); });
    connect(Hulpjes, &QCheckBox::clicked, this, [this] { emit exerciseAsked(true); });
    connect(Image1, &Picture::clicked, this, &SettingsBar::infoAsked);
    NameControls();
}

void SettingsBar::Build(QWidget* window) {
    const BarTexts& t = Texts();
    Instellingen = MakeBox(window, "Instellingen", t.Settings, {24, 9, 878, 89}, Teal);
    Instellingen->setFont(Font(kSans, 13, Bold));
    SetTextColor(Instellingen, White);
    Instellingen->setCursor(NoDropCursor());

    QWidget* bar = Instellingen;
    Label1 = MakeLabel(bar, "Label1", t.Addends, {12, 17, 253, 16}, Font(kSans, 13, Bold), White);
    SetTip(Label1, t.AddendsTip);
    lblMaxGetal =
        MakeLabel(bar, "lblMaxGetal", t.Largest, {185, 40, 80, 16}, Font(kSans, 13, Bold), White);
    SetTip(lblMaxGetal, t.LargestTip);
    Image1 =
        MakePicture(bar, "Image1", {829, 24, 35, 33}, QStringLiteral(":/images/icon32.png"), false);
    Image1->setCursor(Qt::ArrowCursor);
    SetTip(Image1, t.InfoTip);
    Label4 = MakeLabel(bar, "Label4", t.Minutes, {149, 64, 116, 16}, Font(kSans, 13, Bold), White);
    SetTip(Label4, t.MinutesTip);

    MaxArtikels = MakeSettingField(bar, "MaxArtikels", QStringLiteral("2"), {270, 16, 27, 17}, 2);
    SetTip(MaxArtikels, t.AddendsTip);
    MaxGetal = MakeSettingField(bar, "MaxGetal", QStringLiteral("100"), {269, 40, 58, 17}, 6);
    SetTip(MaxGetal, t.LargestTip);
    groep2 = MakePanel(bar, "groep2", {347, 8, 149, 80},
                       {Teal, Bevel::Raised, Bevel::None, 1, 0, false});
    groep2->setCursor(NoDropCursor());
    Komma = MakeCheckBox(groep2, "Komma", t.Decimals, {47, 55, 84, 17});
    SetTip(Komma, t.DecimalsTip);
    Kasticket = MakeCheckBox(groep2, "Kasticket", t.Receipt, {34, 9, 97, 17});
    SetTip(Kasticket, t.ReceiptTip);
    Geldbeugel = MakeCheckBox(groep2, "Geldbeugel", t.Wallet, {7, 32, 124, 17});
    Geldbeugel->hide();
    TimerMinuten = MakeSettingField(bar, "TimerMinuten", QStringLiteral("0"), {269, 64, 58, 17}, 3);
    SetTip(TimerMinuten, t.MinutesTip);
    Hulpjes = MakeCheckBox(bar, "Hulpjes", t.Helps, {551, 16, 85, 18});
    SetTip(Hulpjes, t.HelpsTip);
    Eenvoudig = MakeCheckBox(bar, "Eenvoudig", t.Max100, {512, 39, 124, 17});
    Eenvoudig->setFocusPolicy(Qt::StrongFocus);
    Eenvoudig->hide();
    FinishControls(Instellingen);
    addends_.box = MaxArtikels;
    largest_.box = MaxGetal;
    minutes_.box = TimerMinuten;
}

QWidget* SettingsBar::ControlOf(PresetKey key) const {
    switch (key) {
    case PresetKey::Aantal:
        return MaxArtikels;
    case PresetKey::MaxGetal:
        return MaxGetal;
    case PresetKey::TimerMinuten:
        return TimerMinuten;
    case PresetKey::Komma:
        return Komma;
    case PresetKey::Kasticket:
        return Kasticket;
    case PresetKey::Portemonnee:
        return Geldbeugel;
    case PresetKey::Hulpjes:
        return Hulpjes;
    case PresetKey::Maximum100:
        return Eenvoudig;
    case PresetKey::Overdracht:
    case PresetKey::Ladder:
    case PresetKey::LadderStart:
    case PresetKey::Uitleg:
        break; // no control of their own
    }
    return nullptr;
}

std::vector<QWidget*> SettingsBar::HeldByLadder() const {
    // Where the school locks the ladder, the pupil cannot leave it: every setting that
    // shapes the draw is out of the pupil's hands, and the ladder writes the level's.
    if (!presets_.IsLocked(PresetKey::Ladder) ||
        !presets_.Mark(PresetKey::Ladder).value_or(false)) {
        return {};
    }
    return {MaxArtikels, MaxGetal, Komma, Kasticket, Eenvoudig};
}

bool SettingsBar::IsLocked(const QWidget* control) const {
    for (int k = 0; k < PresetKeyCount; ++k) {
        if (presets_.Locked[At(k)] && ControlOf(static_cast<PresetKey>(k)) == control) {
            return true;
        }
    }
    const std::vector<QWidget*> held = HeldByLadder();
    return std::find(held.begin(), held.end(), control) != held.end();
}

void SettingsBar::ApplyPresets() {
    // The window starts as if the pupil had set these: a field's text is its settled
    // value, a box's mark is ticked without a click (the first exercise comes anyway).
    for (Field* field : {&addends_, &largest_, &minutes_}) {
        const PresetKey key = field == &addends_   ? PresetKey::Aantal
                              : field == &largest_ ? PresetKey::MaxGetal
                                                   : PresetKey::TimerMinuten;
        if (const std::optional<std::string>& value = presets_.Value(key)) {
            field->box->setText(Q(*value));
            field->rules = SettingField(field->rules.Kind(), *value);
        }
    }
    for (PresetKey key : {PresetKey::Komma, PresetKey::Kasticket, PresetKey::Portemonnee,
                          PresetKey::Hulpjes, PresetKey::Maximum100}) {
        if (const std::optional<bool> mark = presets_.Mark(key)) {
            static_cast<QCheckBox*>(ControlOf(key))->setChecked(*mark);
        }
    }
    // A locked setting takes no click, key, drop or paste, and no screen reader acts on it.
    for (QWidget* control : {static_cast<QWidget*>(MaxArtikels), static_cast<QWidget*>(MaxGetal),
                             static_cast<QWidget*>(TimerMinuten), static_cast<QWidget*>(Komma),
                             static_cast<QWidget*>(Kasticket), static_cast<QWidget*>(Geldbeugel),
                             static_cast<QWidget*>(Hulpjes), static_cast<QWidget*>(Eenvoudig)}) {
        if (IsLocked(control)) {
            ShowDisabledAsGreyed(control);
            control->setEnabled(false);
        }
    }
}

void SettingsBar::NameControls() {
    SetName(groep2, Texts().KindOfExercise);
    // Each field is labelled by its caption (LABELLED_BY).
    Label1->setBuddy(addends_.box);
    lblMaxGetal->setBuddy(largest_.box);
    Label4->setBuddy(minutes_.box);
}

void SettingsBar::Expose(Controls& ui) const {
    static_cast<SettingsBarControls&>(ui) = *this;
}

void SettingsBar::ListHelp(HelpMap& help) const {
    for (QWidget* w : {static_cast<QWidget*>(Instellingen), static_cast<QWidget*>(groep2)}) {
        help.insert(w, QString());
    }
    help.insert(Label1, Texts().MaxArtikelsMouseMove);
    help.insert(addends_.box, Texts().MaxArtikelsMouseMove);
    help.insert(lblMaxGetal, Texts().lblMaxGetalMouseMove);
    help.insert(largest_.box, Texts().lblMaxGetalMouseMove);
    help.insert(Label4, Texts().TimerMinutenMouseMove);
    help.insert(minutes_.box, Texts().TimerMinutenMouseMove);
    help.insert(Komma, Texts().KommaMouseMove);
    help.insert(Kasticket, Texts().KasticketMouseMove);
    help.insert(Geldbeugel, Texts().GeldbeugelMouseMove);
    help.insert(Hulpjes, Texts().HulpjesMouseMove);
    help.insert(Image1, Texts().Image1MouseMove);
    // A locked setting says so, beside its field and on its caption.
    const std::pair<QWidget*, QLabel*> captions[] = {
        {MaxArtikels, Label1}, {MaxGetal, lblMaxGetal}, {TimerMinuten, Label4}};
    const auto add = [&help](QWidget* w, const QString& why) {
        const QString text = help.value(w);
        help.insert(w, text.isEmpty() ? why : text + QLatin1Char('\r') + why);
    };
    const auto addLock = [&](QWidget* control, const QString& why) {
        add(control, why);
        for (const auto& [field, caption] : captions) {
            if (field == control) {
                add(caption, why);
            }
        }
    };
    std::vector<QWidget*> locked;
    for (int k = 0; k < PresetKeyCount; ++k) {
        QWidget* control = ControlOf(static_cast<PresetKey>(k));
        if (presets_.Locked[At(k)] && control != nullptr) {
            addLock(control, Texts().Locked);
            locked.push_back(control);
        }
    }
    for (QWidget* control : HeldByLadder()) {
        if (std::find(locked.begin(), locked.end(), control) == locked.end()) {
            addLock(control, Texts().HeldByLadder);
        }
    }
}

// ----------------------------------------------------------------------------- drawing
LessonSettings SettingsBar::Read() const {
    LessonSettings s;
    s.Addends.N = addends_.box->text().toInt();
    s.Addends.MaxValue = largest_.box->text().toInt();
    s.Addends.Decimal = Komma->isChecked();
    s.Addends.Receipt = Kasticket->isChecked();
    // "maximum 100" counts only where it shows: on a receipt without decimals (the lesson
    // drops it where the exercise has decimals, which a ladder may change).
    s.Addends.Max100 = Eenvoudig->isChecked() && Kasticket->isChecked();
    s.PayFromWallet = Geldbeugel->isChecked();
    s.Helps = Hulpjes->isChecked();
    s.Minutes = ReadInteger(minutes_.rules.Settled()).value_or(0);
    s.Addends.Carries = CarryProfileOf(presets_);
    s.Explain = presets_.Mark(PresetKey::Uitleg).value_or(false);
    return s;
}

std::optional<std::int32_t> SettingsBar::TypedMinutes() const {
    return ReadInteger(Std(minutes_.box->text()));
}

void SettingsBar::Draw(const Lesson& lesson) {
    const AddendSettings& s = lesson.Settings().Addends;
    // An exercise from the ladder: the bar shows its level's values, as if the pupil had
    // set them.
    if (lesson.ExerciseSerial() != drawnSerial_) {
        drawnSerial_ = lesson.ExerciseSerial();
        if (lesson.LevelOnScreen() != 0) {
            ShowLevel(s);
        }
    }
    // Both boxes keep their marks while hidden, and show them again with the receipt.
    Geldbeugel->setVisible(s.Receipt);
    lblMaxGetal->setVisible(!s.Receipt);
    largest_.box->setVisible(!s.Receipt);
    Eenvoudig->setVisible(s.Receipt && !s.Decimal);
    Instellingen->setEnabled(!lesson.SeriesActive() && lesson.Phase() != LessonPhase::SeriesOver);
}

void SettingsBar::ShowLevel(const AddendSettings& level) {
    for (const auto& [field, value] :
         {std::pair{&addends_, level.N}, std::pair{&largest_, level.MaxValue}}) {
        const std::string text = std::to_string(value);
        if (field->box->text() != Q(text)) {
            // What the program writes into a field is a settled value.
            field->rules.Entered(text);
            field->guard->Write(Q(text));
        }
    }
    Komma->setChecked(level.Decimal);
}

void SettingsBar::ClearMinutes() {
    // The minutes the school has locked stay, series after series.
    if (IsLocked(TimerMinuten)) {
        return;
    }
    minutes_.guard->Write(QStringLiteral("0"));
    // What the program writes into a field is a settled value.
    minutes_.rules.Entered("0");
}

// ------------------------------------------------------------------------------ fields
void SettingsBar::Connect(Field& field) {
    EditBox* box = field.box;
    field.guard = new TextGuard(box);
    connect(box, &QLineEdit::textChanged, this, [this, &field](const QString& text) {
        // A locked field keeps its value, whoever writes it.
        if (IsLocked(field.box) && text != Q(field.rules.Settled())) {
            field.guard->Write(Q(field.rules.Settled()));
            return;
        }
        // A field's text is judged when the pupil leaves it, and the next exercise is
        // drawn from it: a text that reaches a field the pupil is not in (pasted from its
        // menu after leaving another field drew an exercise and took the focus away, or
        // set by a screen reader) would never be judged, so it is put back.
        field.guard->PutBack(field.box->hasFocus());
    });
    connect(box, &EditBox::clicked, this,
            [this, &field](bool secondOfDouble) { FieldClick(field, secondOfDouble); });
    connect(box, &EditBox::keyPress, this,
            [this, &field](QChar key) { FieldKeyPress(field, key); });
    connect(box, &EditBox::focusGained, this,
            [this, &field](Qt::FocusReason reason) { FieldEnter(field, reason); });
    connect(box, &EditBox::focusLost, this, [this, &field] { FieldExit(field); });
}

SettingsBar::Field& SettingsBar::FieldOf(const EditBox* box) {
    return box == addends_.box ? addends_ : box == largest_.box ? largest_ : minutes_;
}

bool SettingsBar::IsField(const QWidget* w) const {
    return w == addends_.box || w == largest_.box || w == minutes_.box;
}

void SettingsBar::Show(Field& field, const std::string& text) {
    field.guard->Write(QString::fromStdString(text));
}

void SettingsBar::FieldClick(Field& field, bool secondOfDouble) {
    if (field.rules.Click(Std(field.box->text()), secondOfDouble)) {
        field.guard->Write(QString());
    }
    field.box->setFocus(Qt::MouseFocusReason);
}

void SettingsBar::FieldEnter(Field& field, Qt::FocusReason reason) {
    // A field out of reach (under the information panel) given the focus by a screen
    // reader is not entered: the focus goes back where it was. The mouse and Tab reach
    // only what shows of a field.
    if (!ByPupil(reason) && !Reachable(field.box)) {
        return;
    }
    // Whatever the field holds when the pupil enters it is a settled value (the program
    // may have set it meanwhile, as RESET does with the minutes).
    field.rules.Entered(Std(field.box->text()));
    if (&field != &minutes_) {
        // Either field records the number of addends as it stands.
        addends_.rules.RecordPrevious(Std(addends_.box->text()));
    }
    emit fieldEntered();
}

void SettingsBar::FieldKeyPress(Field& field, QChar key) {
    if (key != QChar(13)) {
        return;
    }
    // Enter makes a new exercise whatever was typed, so a refused text gives way to one
    // a draw can use.
    Show(field, field.rules.Confirm(Std(field.box->text())));
    // The exercise moves the focus into the sum row, so the field's leaving rule runs in
    // the middle of it; it must not draw a second exercise.
    confirming_ = &field;
    emit exerciseAsked(true);
    confirming_ = nullptr;
}

void SettingsBar::FieldExit(Field& field) {
    const SettingField::Outcome outcome = field.rules.Leave(Std(field.box->text()));
    Show(field, outcome.Text);
    if (outcome.NewExercise && &field != confirming_) {
        emit exerciseAsked(true);
    }
}

// -------------------------------------------------------------------------------- keys
void SettingsBar::ClickControl(QWidget* control) {
    if (!Reachable(control)) {
        return;
    }
    if (auto* box = qobject_cast<EditBox*>(control)) {
        // The press gives the focus, the click follows on the release.
        box->setFocus(Qt::MouseFocusReason);
        FieldClick(FieldOf(box), false);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        ClickAsMouse(button);
    }
}

bool SettingsBar::Key(const QKeyEvent* event) {
    if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier) {
        return false;
    }
    QWidget* control = nullptr;
    switch (event->key()) {
    case Qt::Key_A:
        control = addends_.box;
        break;
    case Qt::Key_G:
        control = largest_.box;
        break;
    case Qt::Key_T:
        control = minutes_.box;
        break;
    case Qt::Key_O:
        control = Komma;
        break;
    case Qt::Key_K:
        control = Kasticket;
        break;
    case Qt::Key_P:
        control = Geldbeugel;
        break;
    case Qt::Key_H:
        control = Hulpjes;
        break;
    case Qt::Key_M:
        control = Eenvoudig;
        break;
    default:
        return false;
    }
    // The focus stays where it is, so a screen reader hears nothing of the box itself:
    // the window says what the box now shows, before what the click brings.
    auto* box = qobject_cast<QCheckBox*>(control);
    if (box != nullptr && Reachable(box)) {
        QString caption = box->text();
        caption.remove(QLatin1Char(':'));
        if (Announcer* announcer = Announcer::Of(box)) {
            announcer->Say(
                (box->isChecked() ? Texts().Unticked : Texts().Ticked).arg(caption.simplified()));
        }
    }
    ClickControl(control);
    return true;
}

void SettingsBar::PressInfoPicture() {
    if (Reachable(Image1)) {
        Image1->Press();
    }
}
