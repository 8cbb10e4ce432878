#pragma once

#include <QImage>
#include <QString>

// The window's pictures, decoded once each from the compiled-in resources and shared
// by every control that shows them. `path` is the resource path, such as
// ":/images/note500.jpg"; coin pictures come with their white background made
// transparent.
const QImage& Artwork(const QString& path);
