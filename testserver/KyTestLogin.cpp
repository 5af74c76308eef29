#include "KyTestLogin.h"

#include <random>

#include "KyHmac.h"
#include "KyJson.h"
#include "KyTestDatabase.h"

std::string kyTestNonce()
{
    static const char hex[] = "0123456789abcdef";
    std::random_device rd;
    std::string out;
    for (int i = 0; i < 16; ++i) {
        unsigned byte = rd() & 0xff;
        out += hex[byte >> 4];
        out += hex[byte & 15];
    }
    return out;
}

int kyTestLoginStep(const KyTestDatabase& db, std::string& nonce, bool& loggedIn, std::string& user,
                    const std::string& requestBody, std::string& replyBody)
{
    Json::Value req;
    std::string name;
    if (!kyJsonParse(requestBody, req) || (name = kyJsonText(req, "User")).empty())
        return 400;
    Json::Value reply(Json::objectValue);
    if (!req.isMember("Digest")) {
        nonce = kyTestNonce();
        reply["Nonce"] = nonce;
        replyBody = kyJsonWrite(reply);
        return 200;
    }
    std::string issued;
    issued.swap(nonce);
    const KyTestUser* u = db.user(name);
    loggedIn = false;
    if (issued.empty() || kyJsonText(req, "Nonce") != issued || !u ||
        kyJsonText(req, "Digest") != kyLoginDigest(u->password, issued))
        return 401;
    loggedIn = true;
    user = name;
    reply["Level"] = std::to_string(u->level);
    reply["Name"] = name;
    replyBody = kyJsonWrite(reply);
    return 200;
}
