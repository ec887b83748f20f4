#pragma once
#include <string>

namespace velmoor {

// MD5 (RFC 1321) of `utf8Text` as 32 lowercase hexadecimal digits. The program's text is UTF-8,
// which stands in for the system code page here: the digest is taken over the text's bytes up to,
// not including, the first zero byte, exactly as the portal checks the report signatures.
std::string Md5Hex(const std::string& utf8Text);

}  // namespace velmoor
