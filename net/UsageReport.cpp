#include "net/UsageReport.h"

#include "net/CHttpClient.h"
#include "net/MacAddress.h"
#include "support/Md5Hex.h"
#include "support/PercentEncode.h"
#include "support/PortalAddress.h"

#include <ctime>

namespace velmoor {

namespace {

constexpr const char* kSalt = "Rk%wTb&HzNdq";
constexpr const char* kReportConstant = "159372";
constexpr const char* kReportPath = "/receive/vuzazirade?log=";

std::string WithoutZcPrefix(const std::string& uid)
{
    return uid.rfind("zc", 0) == 0 ? uid.substr(2) : uid;
}

// The portal has always read the time as a 32-bit number.
std::string TimeText(std::int64_t seconds)
{
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds));
    return std::to_string(static_cast<std::int32_t>(low));
}

// Exactly the bytes that would end or reshape the query, or could not stand in a request line, are
// encoded; everything else goes out as it is, so the usual line is sent unchanged.
bool NeedsEncoding(unsigned char c)
{
    switch (c) {
    case ' ': case '#': case '&': case '%': case '+': case '?':
        return true;
    default:
        return c < 0x20 || c >= 0x7F;
    }
}

}  // namespace

std::string UsageReportLine(const std::string& uid, const std::string& gameCode, const std::string& eventCode,
                            const std::string& machineId, std::int64_t seconds)
{
    return gameCode + "|" + WithoutZcPrefix(uid) + "|" + eventCode + "|" + kReportConstant + "|||||" +
           machineId + "|" + TimeText(seconds);
}

std::string UsageReportSignature(const std::string& line)
{
    return Md5Hex(line + kSalt);
}

std::string UsageReportAddress(const std::string& line)
{
    return PortalAddress(PortalSite::Report,
                         kReportPath + PercentEncode(line + "|" + UsageReportSignature(line), NeedsEncoding));
}

void SendUsageReport(const std::string& uid, const std::string& gameCode, const std::string& eventCode)
{
    const std::string line =
        UsageReportLine(uid, gameCode, eventCode, GetMacAddress(), static_cast<std::int64_t>(std::time(nullptr)));
    CHttpClient client;
    std::string reply;
    client.HttpGet(UsageReportAddress(line), reply);
}

}  // namespace velmoor
