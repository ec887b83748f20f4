#include "net/MacAddress.h"

#include <gtest/gtest.h>

#include <regex>

namespace velmoor {
namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kPhysical = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
const Bytes kVmware = {0x00, 0x50, 0x56, 0xc0, 0x00, 0x08};
const Bytes kZero = {0, 0, 0, 0, 0, 0};
const Bytes kDest = {'D', 'E', 'S', 'T', 0, 1};

stNetPcInfo Adapter(const Bytes& address, const std::string& description)
{
    stNetPcInfo info;
    info.strMac = FormatAdapterAddress(address);
    info.strDescription = description;
    return info;
}

struct ChoiceCase {
    const char* name;
    stMachineAdapters adapters;
    std::string expected;
};

void PrintTo(const ChoiceCase& c, std::ostream* os)
{
    *os << c.name;
}

class MacAddressChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(MacAddressChoice, PicksTheExpectedAdapter)
{
    EXPECT_EQ(ChooseMacAddress(GetParam().adapters), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, MacAddressChoice,
    ::testing::Values(
        ChoiceCase{"NoAdapterAtAll", {}, "00-00-00-00-00-00"},
        ChoiceCase{"InterfaceTableFirst",
                   {{{6, kPhysical}}, {Adapter(kVmware, "Realtek PCIe")}, {kVmware}},
                   "00-1A-2B-3C-4D-5E"},
        ChoiceCase{"ZeroDestAndNonEthernetRowsSkipped",
                   {{{6, kZero}, {6, kDest}, {24, kVmware}, {6, {0x01, 0x02}}, {6, kPhysical}}, {}, {}},
                   "00-1A-2B-3C-4D-5E"},
        ChoiceCase{"VmwareAdapterSkipped",
                   {{}, {Adapter(kVmware, "VMware Virtual Ethernet Adapter for VMnet8"),
                         Adapter(kPhysical, "Intel(R) Ethernet")}, {kVmware}},
                   "00-1A-2B-3C-4D-5E"},
        ChoiceCase{"VmwareMatchIsCaseSensitive",
                   {{}, {Adapter(kVmware, "vmware adapter"), Adapter(kPhysical, "Intel")}, {}},
                   "00-50-56-C0-00-08"},
        ChoiceCase{"EmptyAddressSkipped",
                   {{}, {Adapter({}, "Tunnel"), Adapter(kPhysical, "Intel")}, {}},
                   "00-1A-2B-3C-4D-5E"},
        ChoiceCase{"OnlyVmwareFallsBackToAdapterAddresses",
                   {{}, {Adapter(kVmware, "VMware Virtual Ethernet Adapter for VMnet1")},
                    {{0x01, 0x02}, kPhysical}},
                   "00-1A-2B-3C-4D-5E"},
        ChoiceCase{"ZeroAdapterAddressIsNotFound", {{}, {}, {kZero, kPhysical}}, "00-00-00-00-00-00"},
        ChoiceCase{"LowerCaseFromAnySourceIsRaised",
                   {{}, {[] { stNetPcInfo i; i.strMac = "0a-bc-de-f0-12-34"; return i; }()}, {}},
                   "0A-BC-DE-F0-12-34"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NetPcInfo, FormatsEveryAddressByte)
{
    EXPECT_EQ(FormatAdapterAddress({}), "");
    EXPECT_EQ(FormatAdapterAddress({0x0f}), "0F");
    EXPECT_EQ(FormatAdapterAddress({0xab, 0x01, 0x00, 0xff, 0x10, 0x20, 0x30, 0x40}), "AB-01-00-FF-10-20-30-40");
}

TEST(NetPcInfo, NamesAdapterTypes)
{
    const std::pair<long, std::string> names[] = {
        {1, "其它"}, {6, "以太网"}, {9, "令牌环"}, {15, "FDDI"}, {23, "PPP"},
        {24, "回路"}, {28, "Slip"}, {71, "未知类型 71"}, {-3, "未知类型 -3"}};
    for (const auto& [type, name] : names)
        EXPECT_EQ(AdapterTypeName(type), name) << type;
}

TEST(MacAddress, ThisMachineGivesAWellFormedIdentity)
{
    const std::string identity = GetMacAddress();
    EXPECT_TRUE(std::regex_match(identity, std::regex("([0-9A-F]{2}-){5}[0-9A-F]{2}"))) << identity;
    EXPECT_EQ(identity, ChooseMacAddress(ReadMachineAdapters()));
}

TEST(MacAddress, AdapterListHoldsNoLoopback)
{
    for (const stNetPcInfo& info : ReadMachineAdapters().adapterList) {
        EXPECT_NE(info.strType, "回路") << info.strName;
        EXPECT_FALSE(info.strIP.empty()) << info.strName;
    }
}

}  // namespace
}  // namespace velmoor
