#pragma once

#include <QImage>
#include <QString>

// Writes an indexed image as a GIF89a whose colour `transparentIndex` is
// marked transparent. Returns false with a message on failure.
bool writeGif(const QImage &indexed, int transparentIndex, const QString &path, QString *error);
