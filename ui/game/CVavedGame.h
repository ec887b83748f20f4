#pragma once
#include <string>

#include "platform/CWnd.h"

namespace velmoor {

// The game window: the game's page in a skinned, resizable window.
class CVavedGame : public CWnd {
public:
    CVavedGame();
    ~CVavedGame() override;

    // Creates the window for the launcher's game address and server name.
    bool Create(const std::string& gameUrl, const std::string& serverName);
    // Takes the customer-service user record the access page handed over.
    void SetVipInfo(const std::string& text);
    const std::string& VipInfo() const { return m_vipInfo; }

private:
    std::string m_vipInfo;
};

extern CVavedGame* g_pGameWnd;

}  // namespace velmoor
