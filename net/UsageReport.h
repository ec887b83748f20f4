#pragma once
#include <cstdint>
#include <string>

namespace velmoor {

// Builds, signs and sends one usage report to the portal's report endpoint, and waits for it. The
// outcome is not looked at: a report that cannot be delivered is lost, silently.
void SendUsageReport(const std::string& uid, const std::string& gameCode, const std::string& eventCode);

// The report line "game|uid|event|159372|||||machine|time", where a leading "zc" of `uid` is
// dropped and the time is the low 32 bits of `seconds` as a signed decimal.
std::string UsageReportLine(const std::string& uid, const std::string& gameCode, const std::string& eventCode,
                            const std::string& machineId, std::int64_t seconds);

// MD5 of the line followed by the report salt, lowercase hex.
std::string UsageReportSignature(const std::string& line);

// The endpoint's address carrying "line|signature" as the value of "log". Only the characters that
// would break or change the request are percent-encoded: space, "#", "&", "%", "+", "?", control
// characters, DEL and non-ASCII bytes. Everything else, "|" and "-" included, stays as it is, so
// the usual line goes out unchanged and a user id cannot add query parameters.
std::string UsageReportAddress(const std::string& line);

}  // namespace velmoor
