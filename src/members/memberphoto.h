#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Member photos: reading picture files, and the bytes kept in
// t_member.F_empImage (a bitmap for ".bmp" paths, JPEG for ".jpg"/".jpeg").
namespace memberphoto {

// Files larger than this are not read at all.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// A stored photo is at most this many pixels on its longer side; larger
// pictures are scaled down (keeping their proportions) before they are stored.
constexpr int kMaxStoredSide = 1024;

// Reads a picture file. On failure returns a null image and the message the
// operator sees: the file is not a readable picture, or it is too large.
QImage readFile(const QString& path, QString* message = nullptr);

// The message for a file that cannot be decoded.
QString unreadableMessage(const QString& path);

// Bytes to store for a picture of the path's kind (1 bitmap, 2 JPEG); empty
// for any other kind or a null picture.
QByteArray encode(const QImage& picture, int kind);

// The picture stored for a path of that kind; null for other kinds or bytes
// that do not decode.
QImage decode(const QByteArray& bytes, int kind);

// A picture no larger than kMaxStoredSide on its longer side.
QImage limitSize(const QImage& picture);

} // namespace memberphoto
