#pragma once
#include <string>

namespace velmoor {

// MD5 (RFC 1321) of `utf8Text` as 32 lowercase hexadecimal digits. The portal checks signatures
// over the text in the system's narrow code page, so the text is first converted to the codeset of
// the current locale (the program calls setlocale(LC_ALL, "") at start): a character the codeset
// cannot hold becomes "?", ill-formed UTF-8 counts as U+FFFD. The digest covers the converted
// bytes up to, not including, the first zero byte.
std::string Md5Hex(const std::string& utf8Text);

}  // namespace velmoor
