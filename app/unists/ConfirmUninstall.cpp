#include "app/unists/ConfirmUninstall.h"

#include <gtk/gtk.h>

namespace velmoor {

namespace {

constexpr const char* kCaption = "卸载Velmoor";

int RunMessage(GtkMessageType type, GtkButtonsType buttons, const char* text)
{
    GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, type, buttons, "%s", text);
    gtk_window_set_title(GTK_WINDOW(dialog), kCaption);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    while (gtk_events_pending())
        gtk_main_iteration();
    return response;
}

bool Display()
{
    static const bool opened = gtk_init_check(nullptr, nullptr);
    return opened;
}

}  // namespace

bool ConfirmUninstall()
{
    return Display()
        && RunMessage(GTK_MESSAGE_QUESTION, GTK_BUTTONS_OK_CANCEL, "确定要卸载Velmoor吗？") == GTK_RESPONSE_OK;
}

void ShowUninstallDone()
{
    if (Display())
        RunMessage(GTK_MESSAGE_INFO, GTK_BUTTONS_OK, "Velmoor已卸载。");
}

}  // namespace velmoor
