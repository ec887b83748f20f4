#include "platform/CDialog.h"

namespace velmoor {

BOOL CDialog::CreateFromTemplate(HWND owner)
{
    const SIZE size = TemplateSize();
    if (!CreateEx(WS_EX_TOOLWINDOW, "", TemplateStyle() & ~WS_VISIBLE, {0, 0, size.cx, size.cy}, owner, m_templateId))
        return FALSE;
    if (!OnInitDialog() && IsWindow()) {
        // A dialog that gives up in its initialisation is gone.
        DestroyWindow();
        return FALSE;
    }
    return IsWindow();
}

BOOL CDialog::Create(HWND owner)
{
    m_modal = false;
    return CreateFromTemplate(owner);
}

int CDialog::DoModal(HWND owner)
{
    m_modal = true;
    m_ended = false;
    m_result = -1;
    if (!CreateFromTemplate(owner))
        return -1;
    ShowWindow(SW_SHOW);
    Platform().RunModalLoop(*this, [this] { return m_ended || !IsWindow(); });
    if (IsWindow())
        DestroyWindow();
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (!m_modal)
        DestroyWindow();
    else
        Platform().PostTask([] {});  // wakes the nested loop
}

}  // namespace velmoor
