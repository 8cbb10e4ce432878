#pragma once

#include <QImage>
#include <QString>

// The window's pictures, decoded once each from the compiled-in resources and shared
// by every control that shows them. `file` is the name under ":/images/", such as
// "note500.jpg" or "coin2e.png"; coin pictures come with their white background
// made transparent.
const QImage& Artwork(const QString& file);
