#include "KyHmac.h"

#include <QByteArray>
#include <QMessageAuthenticationCode>

std::string kyHmacSha1Hex(const std::string& key, const std::string& message)
{
    const QByteArray k(key.data(), static_cast<int>(key.size()));
    const QByteArray m(message.data(), static_cast<int>(message.size()));
    return QMessageAuthenticationCode::hash(m, k, QCryptographicHash::Sha1).toHex().toStdString();
}
