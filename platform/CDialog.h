#pragma once
#include "platform/CWnd.h"

namespace velmoor {

// A dialog: a pop-up window built from a template (here: the size the subclass gives), modeless
// with Create or modal with DoModal. Enter and Escape end it through OnOK and OnCancel.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}

    // Modeless: creates the window hidden and runs OnInitDialog. False when that fails.
    BOOL Create(HWND owner);
    // Modal: creates, shows, runs a nested loop until EndDialog; returns its result, or -1 when
    // the window could not be created.
    int DoModal(HWND owner);
    void EndDialog(int result);
    UINT TemplateId() const { return m_templateId; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // The dialog's initial size and style; the template holds nothing else the program uses.
    virtual SIZE TemplateSize() const { return {300, 200}; }
    virtual DWORD TemplateStyle() const { return WS_POPUP | WS_SYSMENU; }

    bool IsModal() const { return m_modal; }

private:
    BOOL CreateFromTemplate(HWND owner);

    UINT m_templateId;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = -1;
};

}  // namespace velmoor
