#pragma once

namespace velmoor {

// Asks "确定要卸载Velmoor吗？" in a small dialog; true on OK. False when no dialog can be shown.
bool ConfirmUninstall();

// Tells the user that the uninstallation is done.
void ShowUninstallDone();

}  // namespace velmoor
