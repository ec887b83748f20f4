#pragma once
#include "platform/CDialog.h"

namespace velmoor {

class CMainWnd;

// The access dialog: the owned pop-up that shows the portal's access page over the launcher's
// web area. It shows itself once its first page has loaded.
class CWebDlg : public CDialog {
public:
    explicit CWebDlg(CMainWnd* parent);
    ~CWebDlg() override;

    // Reloads the access page (after a game window closed).
    void Refresh();
    // Shuts the browser down and destroys the dialog (the launcher's real close).
    void ShutDown();

protected:
    SIZE TemplateSize() const override { return {546, 384}; }

private:
    CMainWnd* m_parent;
};

}  // namespace velmoor
