#pragma once

#include <QImage>
#include <QString>

// Loaders for the window's pictures, from the compiled-in resources (":/images/...").
// Each decodes on every call: the window loads every picture once and shares the result
// among all pictures of a stack.

// A JPEG picture (banknote, purse) decoded with libjpeg, as Format_RGB32. On failure prints
// one line "quorvel: cannot decode <path>: <reason>" to stderr and returns a null image.
QImage LoadJpegResource(const QString& path);

// A coin picture: the PNG as Format_ARGB32 with its white background made transparent. The
// background is the white (or nearly white) area connected to the border, so that light
// parts inside the coin stay opaque. Failure is reported as for LoadJpegResource.
QImage LoadCoinResource(const QString& path);

// The same two from bytes already in memory; `name` only names the picture in the failure line.
QImage LoadJpegData(const QByteArray& bytes, const QString& name);
QImage LoadCoinData(const QByteArray& bytes, const QString& name);
