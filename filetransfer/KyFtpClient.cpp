#include "KyFtpClient.h"

std::list<KyFile>& kyUploadedNames()
{
    static std::list<KyFile> names;
    return names;
}

KyFtpClient::KyFtpClient() : uploaded(kyUploadedNames()) {}

KyFtpClient::~KyFtpClient() = default;
