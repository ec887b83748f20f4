#include "ui/launcher/CWebDlg.h"

#include "ui/launcher/CMainWnd.h"
#include "ui/launcher/LauncherIds.h"

namespace velmoor {

CWebDlg::CWebDlg(CMainWnd* parent) : CDialog(IDD_ACCESS), m_parent(parent) {}

CWebDlg::~CWebDlg()
{
    if (IsWindow())
        DestroyWindow();
}

void CWebDlg::Refresh() {}

void CWebDlg::ShutDown()
{
    if (IsWindow())
        DestroyWindow();
}

}  // namespace velmoor
