#include "members/memberphoto.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace memberphoto {

QString unreadableMessage(const QString& path)
{
    return QStringLiteral("读取文件：") + path + QStringLiteral("时发生错误！") + QLatin1Char('\n') +
           QStringLiteral("该文件不是标准格式的文件，或者该文件已经被损坏！");
}

QImage readFile(const QString& path, QString* message)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (message)
            *message = unreadableMessage(path);
        return {};
    }
    if (info.size() > kMaxFileBytes) {
        if (message)
            *message = QStringLiteral("图像文件：") + path + QStringLiteral(" 太大（超过") +
                       QString::number(kMaxFileBytes / (1024 * 1024)) +
                       QStringLiteral("MB），不能载入，请选用较小的图像文件！");
        return {};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        if (message)
            *message = unreadableMessage(path);
        return {};
    }
    return image;
}

QImage limitSize(const QImage& picture)
{
    if (picture.isNull() || std::max(picture.width(), picture.height()) <= kMaxStoredSide)
        return picture;
    return picture.scaled(kMaxStoredSide, kMaxStoredSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QByteArray encode(const QImage& picture, int kind)
{
    if (picture.isNull() || (kind != 1 && kind != 2))
        return {};
    QImage image = limitSize(picture);
    if (kind == 2 && image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, kind == 1 ? "BMP" : "JPG", kind == 2 ? 90 : -1))
        return {};
    return bytes;
}

QImage decode(const QByteArray& bytes, int kind)
{
    if (bytes.isEmpty() || (kind != 1 && kind != 2))
        return {};
    QImage image;
    if (!image.loadFromData(bytes, kind == 1 ? "BMP" : "JPG"))
        image.loadFromData(bytes); // stored under the other kind
    return image;
}

} // namespace memberphoto
