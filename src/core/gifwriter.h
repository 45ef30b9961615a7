#pragma once

#include <QString>

class QImage;

// Writes a picture as a GIF file (reduced to 256 colours).
bool writeGif(const QImage& image, const QString& path, QString* error = nullptr);
