#include "platform/gtk/GtkKeyMap.h"

#include <gdk/gdkkeysyms.h>
#include <gdk/gdk.h>

namespace velmoor {

namespace {

struct KeyPair {
    UINT vk;
    unsigned int keyval;
};

// Keys whose codes do not follow from a range.
constexpr KeyPair kNamedKeys[] = {
    {VK_BACK, GDK_KEY_BackSpace},   {VK_TAB, GDK_KEY_Tab},         {VK_RETURN, GDK_KEY_Return},
    {VK_ESCAPE, GDK_KEY_Escape},    {VK_SPACE, GDK_KEY_space},     {0x21, GDK_KEY_Page_Up},
    {0x22, GDK_KEY_Page_Down},      {0x23, GDK_KEY_End},           {0x24, GDK_KEY_Home},
    {VK_LEFT, GDK_KEY_Left},        {VK_UP, GDK_KEY_Up},           {VK_RIGHT, GDK_KEY_Right},
    {VK_DOWN, GDK_KEY_Down},        {0x2D, GDK_KEY_Insert},        {VK_DELETE, GDK_KEY_Delete},
    {0x13, GDK_KEY_Pause},          {0x91, GDK_KEY_Scroll_Lock},   {0x2C, GDK_KEY_Print},
    {0x6A, GDK_KEY_KP_Multiply},    {0x6B, GDK_KEY_KP_Add},        {0x6D, GDK_KEY_KP_Subtract},
    {0x6E, GDK_KEY_KP_Decimal},     {0x6F, GDK_KEY_KP_Divide},     {0xBA, GDK_KEY_semicolon},
    {0xBB, GDK_KEY_equal},          {0xBC, GDK_KEY_comma},         {0xBD, GDK_KEY_minus},
    {0xBE, GDK_KEY_period},         {0xBF, GDK_KEY_slash},         {0xC0, GDK_KEY_grave},
    {0xDB, GDK_KEY_bracketleft},    {0xDC, GDK_KEY_backslash},     {0xDD, GDK_KEY_bracketright},
    {0xDE, GDK_KEY_apostrophe},     {VK_RETURN, GDK_KEY_KP_Enter}, {VK_SHIFT, GDK_KEY_Shift_L},
    {VK_SHIFT, GDK_KEY_Shift_R},    {VK_CONTROL, GDK_KEY_Control_L}, {VK_CONTROL, GDK_KEY_Control_R},
    {VK_MENU, GDK_KEY_Alt_L},       {VK_MENU, GDK_KEY_Alt_R},      {VK_TAB, GDK_KEY_ISO_Left_Tab},
};

}  // namespace

UINT VirtualKeyFromKeyval(unsigned int keyval)
{
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z)
        return 'A' + (keyval - GDK_KEY_a);
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z)
        return 'A' + (keyval - GDK_KEY_A);
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
        return '0' + (keyval - GDK_KEY_0);
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24)
        return VK_F1 + (keyval - GDK_KEY_F1);
    if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9)
        return 0x60 + (keyval - GDK_KEY_KP_0);
    for (const KeyPair& k : kNamedKeys) {
        if (k.keyval == keyval)
            return k.vk;
    }
    return 0;
}

unsigned int KeyvalFromVirtualKey(UINT vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return GDK_KEY_a + (vk - 'A');
    if (vk >= '0' && vk <= '9')
        return GDK_KEY_0 + (vk - '0');
    if (vk >= VK_F1 && vk <= VK_F1 + 23)
        return GDK_KEY_F1 + (vk - VK_F1);
    if (vk >= 0x60 && vk <= 0x69)
        return GDK_KEY_KP_0 + (vk - 0x60);
    for (const KeyPair& k : kNamedKeys) {
        if (k.vk == vk)
            return k.keyval;
    }
    return 0;
}

}  // namespace velmoor
