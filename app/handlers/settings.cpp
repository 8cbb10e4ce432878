// The settings bar: the three numeric fields with their checks, the five check boxes,
// and the controls that come and go with the receipt mode.

#include "engine/settings.h"
#include "app/form.h"

namespace {

QString Trimmed(const QString& text) {
    return QString::fromStdString(TrimSettingText(text.toStdString()));
}

std::optional<std::int32_t> ValueOf(const QString& text) {
    return ReadInteger(text.toStdString());
}

} // namespace

void TForm1::ConnectSettings() {
    for (EditBox* field : {MaxArtikels, MaxGetal, TimerMinuten}) {
        MemoryOf(field).LastAccepted = field->text();
        MemoryOf(field).Text = field->text();
        // Qt reports an edit by the pupil before the change that every assignment reports.
        connect(field, &QLineEdit::textEdited, this, [this, field] { RefuseUnenteredEdit(field); });
        connect(field, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { MemoryOf(field).Text = text; });
        connect(field, &EditBox::clicked, this, [this, field] { MaxArtikelsClick(field); });
        connect(field, &EditBox::keyPress, this,
                [this, field](QChar key) { MaxArtikelsKeyPress(field, key); });
        // Whatever the field holds when the pupil enters it is a settled value (the
        // program may have set it meanwhile, as RESET does with the minutes).
        connect(field, &EditBox::focusGained, this, [this, field] {
            RememberSettledText(field);
            if (field == TimerMinuten) {
                TimerMinutenEnter();
            } else {
                MaxArtikelsEnter();
            }
        });
    }
    connect(MaxArtikels, &EditBox::focusLost, this, &TForm1::MaxArtikelsExit);
    connect(MaxGetal, &EditBox::focusLost, this, &TForm1::MaxGetalExit);
    connect(TimerMinuten, &EditBox::focusLost, this, &TForm1::TimerMinutenExit);

    // clicked, unlike toggled, comes only from the pupil, after the mark has changed.
    connect(Komma, &QCheckBox::clicked, this, &TForm1::KommaClick);
    connect(Kasticket, &QCheckBox::clicked, this, &TForm1::KasticketClick);
    connect(Geldbeugel, &QCheckBox::clicked, this, &TForm1::GeldbeugelClick);
    connect(Eenvoudig, &QCheckBox::clicked, this, &TForm1::EenvoudigClick);
    connect(Hulpjes, &QCheckBox::clicked, this, &TForm1::HulpjesClick);
}

TForm1::SettingMemory& TForm1::MemoryOf(EditBox* field) {
    if (field == MaxArtikels) {
        return maxArtikelsMemory_;
    }
    if (field == MaxGetal) {
        return maxGetalMemory_;
    }
    return timerMinutenMemory_;
}

bool TForm1::IsValidSetting(EditBox* field, const QString& text) const {
    const std::optional<std::int32_t> value = ValueOf(text);
    if (!value) {
        return false;
    }
    // Every whole number serves as a largest addend or a number of minutes; an exercise
    // has room for 2 to 12 addends only.
    return field != MaxArtikels || (*value >= MinAddends && *value <= MaxAddends);
}

void TForm1::TrimSetting(EditBox* field) {
    field->setText(Trimmed(field->text()));
}

void TForm1::RestorePreviousValue(EditBox* field) {
    // The text recorded at the last click may be a half-typed one (a second click into
    // the field records what was typed so far, an empty text included); the field must
    // never be left with something no draw can use.
    const SettingMemory& memory = MemoryOf(field);
    const QString previous = Trimmed(memory.PreviousValue);
    field->setText(IsValidSetting(field, previous) ? previous : memory.LastAccepted);
}

void TForm1::RememberSettledText(EditBox* field) {
    if (IsValidSetting(field, field->text())) {
        MemoryOf(field).LastAccepted = field->text();
    }
}

void TForm1::NewExerciseAndSeries() {
    NewExercise();
    ResetSeries();
}

void TForm1::NewExerciseAfterLeaving(EditBox* field) {
    // Enter in this field is making the new exercise from this very text, and the field
    // is being left because that exercise moves the focus into the sum row. A second
    // exercise drawn here would be finished off by the first with its own, older half.
    if (field == fieldConfirmedByEnter_) {
        return;
    }
    NewExerciseAndSeries();
}

void TForm1::RefuseUnenteredEdit(EditBox* field) {
    // A field's text is judged when the pupil leaves it, and the next exercise is drawn
    // from it. A text that reaches a field the pupil is not in (pasted from its menu
    // after leaving another field drew an exercise and took the focus away) would never
    // be judged, so it is put back as it was.
    if (!field->hasFocus()) {
        field->setText(MemoryOf(field).Text);
    }
}

void TForm1::MaxArtikelsClick(EditBox* field) {
    MemoryOf(field).PreviousValue = field->text();
    field->clear();
    field->setFocus(Qt::MouseFocusReason);
}

void TForm1::MaxArtikelsEnter() {
    // Shared by MaxArtikels and MaxGetal; either way it is the number of addends that is
    // recorded.
    maxArtikelsMemory_.PreviousValue = MaxArtikels->text();
    VolgendeOefening->hide();
}

void TForm1::TimerMinutenEnter() {
    VolgendeOefening->hide();
}

void TForm1::MaxArtikelsKeyPress(EditBox* field, QChar key) {
    if (key != QChar(13)) {
        return;
    }
    TrimSetting(field);
    // Enter makes a new exercise whatever was typed, so a refused text must give way to
    // one a draw can use; for the number of addends that includes the range.
    if (!IsValidSetting(field, field->text())) {
        RestorePreviousValue(field);
    }
    RememberSettledText(field);
    // The exercise moves the focus into the sum row, so the field's leaving rule runs
    // in the middle of it (NewExerciseAfterLeaving).
    fieldConfirmedByEnter_ = field;
    NewExercise();
    fieldConfirmedByEnter_ = nullptr;
    ResetSeries();
}

void TForm1::MaxArtikelsExit() {
    TrimSetting(MaxArtikels);
    // Not a whole number, or a number of addends the exercise has no lines for. Judged
    // before the comparison below, as the previous text may itself be out of range.
    if (!IsValidSetting(MaxArtikels, MaxArtikels->text())) {
        RestorePreviousValue(MaxArtikels);
        return;
    }
    RememberSettledText(MaxArtikels);
    if (MaxArtikels->text() == maxArtikelsMemory_.PreviousValue) {
        return;
    }
    NewExerciseAfterLeaving(MaxArtikels);
}

void TForm1::MaxGetalExit() {
    TrimSetting(MaxGetal);
    if (IsNotInteger(MaxGetal->text().toStdString())) {
        RestorePreviousValue(MaxGetal);
        return;
    }
    RememberSettledText(MaxGetal);
    if (MaxGetal->text() != maxGetalMemory_.PreviousValue) {
        NewExerciseAfterLeaving(MaxGetal);
    }
}

void TForm1::TimerMinutenExit() {
    TrimSetting(TimerMinuten);
    if (IsNotInteger(TimerMinuten->text().toStdString())) {
        RestorePreviousValue(TimerMinuten);
        return;
    }
    RememberSettledText(TimerMinuten);
    NewExerciseAfterLeaving(TimerMinuten);
    Startknop->setVisible(ValueOf(TimerMinuten->text()).value_or(0) > 0);
}

void TForm1::KommaClick() {
    if (Kasticket->isChecked()) {
        Eenvoudig->setVisible(!Komma->isChecked());
    }
    NewExerciseAndSeries();
}

void TForm1::KasticketClick() {
    const bool receipt = Kasticket->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Geldbeugel, lblBetaald, Betaald, lblTeruggave,
                                                      Teruggave, Wis2}) {
        w->setVisible(receipt);
    }
    lblMaxGetal->setVisible(!receipt);
    MaxGetal->setVisible(!receipt);
    // Both boxes keep their marks while hidden, and show them again with the receipt.
    Eenvoudig->setVisible(receipt && !Komma->isChecked());
    Geld->setVisible(receipt && Geldbeugel->isChecked());
    NewExerciseAndSeries();
}

void TForm1::GeldbeugelClick() {
    Geld->setVisible(Geldbeugel->isChecked());
    // Paying another way is no new series.
    NewExercise();
}

void TForm1::EenvoudigClick() {
    NewExerciseAndSeries();
}

void TForm1::HulpjesClick() {
    Hulpje->setVisible(Hulpjes->isChecked());
    GroupBox2->setVisible(Hulpjes->isChecked());
    NewExerciseAndSeries();
}
