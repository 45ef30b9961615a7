#pragma once

#include <QString>

// Fixed texts of the product used in titles and messages.
namespace product {
inline QString name() { return QStringLiteral("澜岫会员管理软件 "); }  // trailing blank is part of the name
inline QString version() { return QStringLiteral("v2.30(企业版)"); }
inline QString appTitle() { return QStringLiteral("澜岫会员管理软件(企业版)"); }
inline QString databaseFileName() { return QStringLiteral("member.mdb"); }
inline QString databasePassword() { return QStringLiteral("pelowandri"); }
} // namespace product
