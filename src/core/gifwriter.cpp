#include "core/gifwriter.h"

#include <QFile>
#include <QImage>
#include <gif_lib.h>
#include <vector>

bool writeGif(const QImage& source, const QString& path, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (source.isNull())
        return fail(QStringLiteral("empty picture"));
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width();
    const int h = image.height();
    const size_t n = static_cast<size_t>(w) * static_cast<size_t>(h);
    std::vector<GifByteType> red(n), green(n), blue(n), indices(n);
    for (int y = 0; y < h; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
            red[i] = line[3 * x];
            green[i] = line[3 * x + 1];
            blue[i] = line[3 * x + 2];
        }
    }
    int colours = 256;
    std::vector<GifColorType> palette(256);
    if (GifQuantizeBuffer(static_cast<unsigned>(w), static_cast<unsigned>(h), &colours, red.data(), green.data(),
                          blue.data(), indices.data(), palette.data()) == GIF_ERROR)
        return fail(QStringLiteral("colour reduction failed"));

    ColorMapObject* map = GifMakeMapObject(256, palette.data());
    if (!map)
        return fail(QStringLiteral("out of memory"));
    int err = 0;
    const QByteArray file = QFile::encodeName(path);
    GifFileType* gif = EGifOpenFileName(file.constData(), false, &err);
    if (!gif) {
        GifFreeMapObject(map);
        return fail(QString::fromUtf8(GifErrorString(err)));
    }
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) != GIF_ERROR &&
              EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, indices.data() + static_cast<size_t>(y) * static_cast<size_t>(w), w) != GIF_ERROR;
    const int writeError = gif->Error;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &err) == GIF_ERROR)
        ok = false;
    if (!ok) {
        QFile::remove(path);
        return fail(QString::fromUtf8(GifErrorString(writeError ? writeError : err)));
    }
    return true;
}
