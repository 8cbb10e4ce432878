#pragma once

#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>

// The exercise number above the exercise and the panel of points beside it: the points
// reached in the series and the most it could have reached.
class PointsPanel : public QObject, private PointsControls {
    Q_OBJECT
public:
    explicit PointsPanel(QWidget* window);
    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;
    void Draw(const Lesson& lesson);

private:
};
