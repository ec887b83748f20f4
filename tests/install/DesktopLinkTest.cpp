#include "app/CDesktopLink.h"
#include "app/CUninstallKeyStore.h"

#include "InstallFixture.h"

#include <gtest/gtest.h>
#include <glib.h>

#include <cstdlib>
#include <memory>

namespace velmoor {
namespace {

using namespace velmoor::testing;

// The program path a desktop reads back from a link's Exec line: the key file's value rules,
// then the quoting rules, then "%%" as "%".
std::string ExecTargetOf(const std::string& text)
{
    std::unique_ptr<GKeyFile, decltype(&g_key_file_free)> file(g_key_file_new(), &g_key_file_free);
    if (!g_key_file_load_from_data(file.get(), text.c_str(), text.size(), G_KEY_FILE_NONE, nullptr))
        return "<unreadable>";
    gchar* exec = g_key_file_get_string(file.get(), "Desktop Entry", "Exec", nullptr);
    gchar** argv = nullptr;
    gint argc = 0;
    const bool parsed = exec && g_shell_parse_argv(exec, &argc, &argv, nullptr) && argc == 1;
    std::string target = parsed ? argv[0] : "<not one argument>";
    g_strfreev(argv);
    g_free(exec);
    for (std::size_t at = 0; (at = target.find("%%", at)) != std::string::npos; ++at)
        target.erase(at, 1);
    return target;
}

TEST(CDesktopLink, ExecLineNamesTheProgramWhateverItsPathHolds)
{
    const fs::path folder = fs::temp_directory_path() / ("velmoor-link-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const char* paths[] = {
        "/home/user/.local/share/gamenest/vuvedaredod/vuvedaredod",
        "/home/a user/vuvedaredod", "/home/quo\"te/x", "/home/dol$lar/x", "/home/back\\slash/x",
        "/home/100%/x", "/home/tick`x/y", "/home/用户/x", "/home/semi;colon/x", " /lead",
    };
    for (const std::string path : paths) {
        const CDesktopLink link("Velmoor", path, "velmoor");
        EXPECT_EQ(ExecTargetOf(link.Text()), path);
        const fs::path file = folder / "Velmoor.desktop";
        ASSERT_TRUE(link.Save(file, false));
        EXPECT_EQ(std::system(("desktop-file-validate '" + file.string() + "' >/dev/null").c_str()), 0) << path;
    }
    fs::remove_all(folder);
}

class CUninstallKeyStoreTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    const fs::path folder = fs::temp_directory_path() / ("velmoor-keys-" + std::to_string(::getpid()));
    const CUninstallKeyStore store{(folder / "uninstall.ini").string()};
};

TEST_F(CUninstallKeyStoreTest, RemovingAKeyKeepsTheOthersAsTheyWere)
{
    WriteFile(store.Path(), "[A]\r\nx=1\r\n[Soft\\Key]\r\nDisplayName=V\r\n\r\n; note\r\n[B]\r\ny=2\r\n");
    EXPECT_TRUE(store.RemoveKey("SOFT\\key"));
    EXPECT_EQ(ReadFile(store.Path()), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    EXPECT_TRUE(store.RemoveKey("absent"));
    EXPECT_EQ(ReadFile(store.Path()), "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST_F(CUninstallKeyStoreTest, TheLastKeyTakesTheFileAlong)
{
    ASSERT_TRUE(store.CreateKey());
    ASSERT_TRUE(store.SetValue("K", "DisplayName", "Velmoor"));
    ASSERT_TRUE(store.SetValue("K", "Publisher", "Corvanta"));
    EXPECT_EQ(ReadFile(store.Path()), "[K]\nDisplayName=Velmoor\nPublisher=Corvanta\n");
    EXPECT_TRUE(store.RemoveKey("K"));
    EXPECT_FALSE(fs::exists(store.Path()));
    EXPECT_TRUE(store.RemoveKey("K"));
}

TEST(CUninstallKeyStore, UnknownPathStoresNothing)
{
    const CUninstallKeyStore store("");
    EXPECT_FALSE(store.CreateKey());
    EXPECT_FALSE(store.SetValue("K", "a", "b"));
}

}  // namespace
}  // namespace velmoor
