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

// The endpoint's address carrying "line|signature" as the value of "log". Characters that would
// change the address's meaning ("&", "#", "%", spaces, controls, non-ASCII) are percent-encoded;
// the usual line goes out unchanged.
std::string UsageReportAddress(const std::string& line);

}  // namespace velmoor
