#pragma once

#include "app/controls.h"
#include "app/panels/kit.h"
#include "engine/presets.h"
#include "engine/setting_field.h"
#include "lesson/lesson.h"

#include <QObject>

#include <vector>

class QKeyEvent;

// The settings bar along the top: the number of addends, the largest addend and the
// minutes of a timed series, the five marks of the kind of exercise, and the information
// picture. It keeps the fields' rules and tells the window when the pupil's settings
// ask for a new exercise.
class SettingsBar : public QObject, private SettingsBarControls {
    Q_OBJECT
public:
    // The bar starts from the school's presets: their values as if the pupil had set them,
    // their locked settings greyed out for good.
    SettingsBar(QWidget* window, const Presets& presets);

    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;

    // What the next exercise is drawn from: the bar as the pupil left it, with the
    // school's carry profile.
    LessonSettings Read() const;
    // The minutes typed, for START; nullopt when the field holds no whole number.
    std::optional<std::int32_t> TypedMinutes() const;
    // The controls that come and go with the kind of exercise on screen, and the bar
    // closed while a timed series runs or shows its results. An exercise from the ladder
    // puts its level's values into the fields and the decimals' box.
    void Draw(const Lesson& lesson);
    // RESET sets the minutes back to none.
    void ClearMinutes();
    // The Alt keys of the settings and F9's picture; true when the key was the bar's.
    bool Key(const QKeyEvent* event);
    void PressInfoPicture();
    // Whether the control is one of the three fields, and whether it was left (its leaving
    // rule ran) since it last took the focus.
    bool IsField(const QWidget* w) const;

signals:
    // A new exercise, from the settings as they now stand; with a new series or not.
    void exerciseAsked(bool newSeries);
    // The pupil went into a field: what was checked is being changed.
    void fieldEntered();
    void infoAsked();

private:
    struct Field {
        EditBox* box = nullptr;
        SettingField rules;
        kit::TextGuard* guard = nullptr; // who writes the field's text
    };
    void Build(QWidget* window);
    void ApplyPresets();
    QWidget* ControlOf(PresetKey key) const;
    bool IsLocked(const QWidget* control) const;
    std::vector<QWidget*> HeldByLadder() const;
    void ShowLevel(const AddendSettings& level);
    void Connect(Field& field);
    void NameControls();
    Field& FieldOf(const EditBox* box);
    void Show(Field& field, const std::string& text);
    void FieldClick(Field& field, bool secondOfDouble);
    void FieldEnter(Field& field, Qt::FocusReason reason);
    void FieldKeyPress(Field& field, QChar key);
    void FieldExit(Field& field);
    void ClickControl(QWidget* control);

    Field addends_{nullptr, SettingField(SettingKind::Addends, "2")};
    Field largest_{nullptr, SettingField(SettingKind::LargestAddend, "100")};
    Field minutes_{nullptr, SettingField(SettingKind::Minutes, "0")};
    const Field* confirming_ = nullptr; // set while Enter makes its new exercise
    Presets presets_;
    unsigned drawnSerial_ = 0;
};
