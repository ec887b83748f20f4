#include "net/CMacAddressChain.h"
#include "net/CSystemAdapterList.h"
#include "net/MacAddress.h"

#include "MachineAddresses.h"

#include <gtest/gtest.h>

#include <optional>

namespace velmoor {
namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kPhysical = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
const Bytes kOther = {0x00, 0x0c, 0x29, 0xaa, 0xbb, 0xcc};
const Bytes kVmware = {0x00, 0x50, 0x56, 0xc0, 0x00, 0x08};
const Bytes kZero = {0, 0, 0, 0, 0, 0};
const Bytes kDest = {'D', 'E', 'S', 'T', 0, 1};
const Bytes kDestLike = {'D', 'E', 'S', 'T', 'X', 1};
constexpr const char* kPhysicalText = "00-1A-2B-3C-4D-5E";
constexpr const char* kOtherText = "00-0C-29-AA-BB-CC";

stNetPcInfo Adapter(const Bytes& address, const std::string& description, const std::string& type = "以太网")
{
    stNetPcInfo info;
    info.strMac = FormatAdapterAddress(address);
    info.strDescription = description;
    info.strType = type;
    return info;
}

// One made-up machine: what each source would answer, and how often it was asked.
struct FakeMachine {
    std::vector<std::vector<stInterfaceRow>> walks = {};  // answer of the first, second, ... walk
    std::optional<Bytes> lanas = {};                      // nothing: the enumeration fails
    bool resetWorks = true;
    std::optional<Bytes> status = {};                     // nothing: the status call fails
    std::vector<stNetPcInfo> adapters = {};
    std::vector<Bytes> addresses = {};
};

struct Calls {
    int walks = 0, enumerations = 0, adapterLists = 0, addressLists = 0;
};

class FakeSources : public IInterfaceTable, public INetBios, public IAdapterList, public IAdapterAddresses {
public:
    explicit FakeSources(FakeMachine machine) : machine(std::move(machine)) {}

    std::vector<stInterfaceRow> Walk() override
    {
        const auto n = static_cast<std::size_t>(calls.walks++);
        return n < machine.walks.size() ? machine.walks[n] : std::vector<stInterfaceRow>{};
    }
    bool EnumerateLanas(std::vector<unsigned char>& lanas) override
    {
        ++calls.enumerations;
        if (machine.lanas)
            lanas = *machine.lanas;
        return machine.lanas.has_value();
    }
    bool Reset(unsigned char) override { return machine.resetWorks; }
    bool AdapterStatus(unsigned char, std::array<unsigned char, 6>& address) override
    {
        if (!machine.status)
            return false;
        std::copy(machine.status->begin(), machine.status->end(), address.begin());
        return true;
    }
    std::vector<stNetPcInfo> Adapters() override
    {
        ++calls.adapterLists;
        return machine.adapters;
    }
    std::vector<Bytes> PhysicalAddresses() override
    {
        ++calls.addressLists;
        return machine.addresses;
    }

    std::string Run() { return CMacAddressChain(*this, *this, *this, *this).Run(); }

    FakeMachine machine;
    Calls calls;
};

struct ChainCase {
    const char* name;
    FakeMachine machine;
    std::string expected;
};

void PrintTo(const ChainCase& c, std::ostream* os)
{
    *os << c.name;
}

class MacAddressChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(MacAddressChain, FindsTheExpectedIdentity)
{
    FakeSources sources(GetParam().machine);
    EXPECT_EQ(sources.Run(), GetParam().expected);
}

using M = FakeMachine;
using Rows = std::vector<std::vector<stInterfaceRow>>;

INSTANTIATE_TEST_SUITE_P(
    Sources, MacAddressChain,
    ::testing::Values(
        ChainCase{"NoAdapterAtAll", M{}, "00-00-00-00-00-00"},
        ChainCase{"InterfaceTableFirst",
                  M{.walks = Rows{{{6, kPhysical}}}, .lanas = Bytes{0}, .status = kOther,
                    .adapters = {Adapter(kOther, "Intel")}, .addresses = {kOther}},
                  kPhysicalText},
        ChainCase{"ZeroDestShortAndNonEthernetRowsSkipped",
                  M{.walks = Rows{{{6, kZero}, {6, kDest}, {24, kOther}, {6, {0x01, 0x02}}, {6, {}}, {6, kPhysical}}}},
                  kPhysicalText},
        ChainCase{"DestWithoutZeroByteIsAnAddress", M{.walks = Rows{{{6, kDestLike}}}}, "44-45-53-54-58-01"},
        ChainCase{"OneLanaGivesItsAdapterAddress",
                  M{.lanas = Bytes{3}, .status = kPhysical, .adapters = {Adapter(kOther, "Intel")}}, kPhysicalText},
        ChainCase{"LanaWhoseResetFailsIsPassedOver",
                  M{.lanas = Bytes{3}, .resetWorks = false, .status = kPhysical, .adapters = {Adapter(kOther, "Intel")}},
                  kOtherText},
        ChainCase{"LanaWhoseStatusFailsIsPassedOver",
                  M{.lanas = Bytes{3}, .adapters = {Adapter(kOther, "Intel")}}, kOtherText},
        ChainCase{"ZeroLanaAddressIsNotFound",
                  M{.lanas = Bytes{3}, .status = kZero, .adapters = {Adapter(kOther, "Intel")}}, kOtherText},
        ChainCase{"SeveralLanasLeaveItToTheAdapterList",
                  M{.lanas = Bytes{0, 3}, .status = kPhysical, .adapters = {Adapter(kOther, "Intel")}}, kOtherText},
        ChainCase{"SeveralLanasAndNothingElseGiveTheEmptyText", M{.lanas = Bytes{0, 3, 5}, .status = kPhysical}, ""},
        ChainCase{"VmwareFirstPhysicalSecond",
                  M{.adapters = {Adapter(kVmware, "VMware Virtual Ethernet Adapter for VMnet8"),
                                 Adapter(kPhysical, "Intel")}},
                  kPhysicalText},
        ChainCase{"OnlyVmwareWalksTheTableAgain",
                  M{.walks = Rows{{}, {{6, kPhysical}}},
                    .adapters = {Adapter(kVmware, "VMware Virtual Ethernet Adapter for VMnet1")},
                    .addresses = {kOther}},
                  kPhysicalText},
        ChainCase{"OnlyVmwareFallsBackToAdapterAddresses",
                  M{.adapters = {Adapter(kVmware, "VMware Virtual Ethernet Adapter for VMnet1")},
                    .addresses = {{0x01, 0x02}, kZero, kPhysical}},
                  kPhysicalText},
        ChainCase{"VmwareMatchIsCaseSensitive",
                  M{.adapters = {Adapter(kVmware, "vmware adapter"), Adapter(kPhysical, "Intel")}},
                  "00-50-56-C0-00-08"},
        ChainCase{"EmptyZeroAndLoopbackAdaptersSkipped",
                  M{.adapters = {Adapter({}, "Tunnel"), Adapter(kZero, "Null"), Adapter(kOther, "lo", "回路"),
                                 Adapter(kPhysical, "Intel")}},
                  kPhysicalText},
        ChainCase{"OtherAddressLengthsFromTheAdapterList",
                  M{.adapters = {Adapter({0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, 0x10, 0x11}, "FireWire")}},
                  "0A-0B-0C-0D-0E-0F-10-11"},
        ChainCase{"LowerCaseFromAnySourceIsRaised",
                  M{.adapters = {[] { stNetPcInfo i; i.strMac = "0a-bc-de-f0-12-34"; return i; }()}},
                  "0A-BC-DE-F0-12-34"},
        ChainCase{"OnlyZeroAddressesGiveNotFound",
                  M{.walks = Rows{{{6, kZero}}}, .adapters = {Adapter(kZero, "x")}, .addresses = {kZero}},
                  "00-00-00-00-00-00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MacAddressChainOrder, StopsAtTheFirstSourceThatFinds)
{
    FakeSources first(M{.walks = Rows{{{6, kPhysical}}}, .lanas = Bytes{3}, .status = kOther,
                        .adapters = {Adapter(kOther, "x")}, .addresses = {kOther}});
    EXPECT_EQ(first.Run(), kPhysicalText);
    EXPECT_EQ(first.calls.walks, 1);
    EXPECT_EQ(first.calls.enumerations, 0);
    EXPECT_EQ(first.calls.adapterLists, 0);
    EXPECT_EQ(first.calls.addressLists, 0);

    FakeSources none(M{});
    EXPECT_EQ(none.Run(), "00-00-00-00-00-00");
    EXPECT_EQ(none.calls.walks, 2);
    EXPECT_EQ(none.calls.enumerations, 1);
    EXPECT_EQ(none.calls.adapterLists, 1);
    EXPECT_EQ(none.calls.addressLists, 1);
}

TEST(AdapterDescription, NamesVmwareAdapters)
{
    struct Case {
        const char *name, *driver, *vendor, *description;
    };
    const Case cases[] = {
        {"vmnet8", "", "", "VMware Virtual Ethernet Adapter for vmnet8"},
        {"ens160", "vmxnet3", "0x15ad", "VMware Virtual Ethernet Adapter (vmxnet3)"},
        {"ens33", "e1000", "0x15ad", "VMware Virtual Ethernet Adapter (e1000)"},
        {"eth0", "vmxnet", "", "VMware Virtual Ethernet Adapter (vmxnet)"},
        {"eth0", "virtio_net", "", "virtio_net"},
        {"enp3s0", "r8169", "0x10ec", "r8169"},
        {"docker0", "", "", "docker0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdapterDescription(c.name, c.driver, c.vendor), c.description) << c.name << " " << c.driver;
}

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

TEST(MacAddress, ThisMachineGivesOneOfItsOwnAddresses)
{
    const auto own = test::MachineAddresses();
    const std::string identity = GetMacAddress();
    if (own.empty())
        EXPECT_EQ(identity, "00-00-00-00-00-00");
    else
        EXPECT_TRUE(own.count(identity)) << identity;
}

TEST(MacAddress, AdapterListHoldsNoLoopback)
{
    for (const stNetPcInfo& info : CSystemAdapterList().Adapters())
        EXPECT_NE(info.strType, "回路") << info.strName;
}

}  // namespace
}  // namespace velmoor
