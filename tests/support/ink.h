#pragma once

// How much of a text a label shows: the pixels it covers when the label draws it. A twin
// of the label draws it (same kind, font, alignment, wrap and colours): the window's label
// is left as it stands, and the text may be one no state of the window shows. A text that
// covers more pixels in a larger twin is cut off at the label's size.

#include "app/widgets.h"

#include <QImage>
#include <QLabel>

#include <memory>

inline int InkPixels(const QLabel* label, const QString& text, QSize size) {
    std::unique_ptr<QLabel> twin;
    if (const auto* raised = qobject_cast<const RaisedTextLabel*>(label)) {
        twin = std::make_unique<RaisedTextLabel>(QString(), nullptr, raised->Raise());
    } else {
        twin = std::make_unique<QLabel>();
    }
    twin->setTextFormat(label->textFormat());
    twin->setFont(label->font());
    twin->setPalette(label->palette());
    twin->setAlignment(label->alignment());
    twin->setWordWrap(label->wordWrap());
    twin->setMargin(label->margin());
    twin->setIndent(label->indent());
    twin->resize(size);
    auto draw = [&](const QString& t) {
        twin->setText(t);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        twin->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    };
    const QImage bare = draw(QString());
    const QImage written = draw(text);
    int ink = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            ink += written.pixel(x, y) != bare.pixel(x, y) ? 1 : 0;
        }
    }
    return ink;
}

// Whether the label shows all of the text at its size: given ample room (more width, or
// for a wrapping label more height) the text covers no more pixels.
inline bool FitsLabel(const QLabel* label, const QString& text) {
    const QSize room = label->wordWrap() ? QSize(0, 40) : QSize(40, 40);
    const int inside = InkPixels(label, text, label->size());
    return inside > 0 && inside == InkPixels(label, text, label->size() + room);
}
