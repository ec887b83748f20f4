#pragma once
#include <string>

#include "platform/WinTypes.h"

namespace velmoor {

// A modal message box without an owner window, as the program shows its fixed texts. `type`
// combines a button set (MB_OK, MB_OKCANCEL, MB_YESNO) and an icon (MB_ICONQUESTION ...).
// Returns IDOK, IDCANCEL, IDYES or IDNO. Safe to call from a worker thread: the box is shown on
// the user-interface thread and the caller waits for the answer.
int MessageBox(const std::string& text, const std::string& caption, UINT type);

}  // namespace velmoor

namespace velmoor {

// The framework's message box: the caption is the application's title (the program file's name
// without its extension).
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

}  // namespace velmoor
