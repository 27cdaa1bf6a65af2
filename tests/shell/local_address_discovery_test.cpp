#include "shell/local_address_discovery.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {

using List = std::vector<std::string>;

os::Ipv4Interface Interface(const std::string& name, const std::string& address,
                            const std::string& netmask) {
    os::Ipv4Interface entry;
    entry.name = name;
    entry.address = address;
    entry.netmask = netmask;
    entry.up = true;
    return entry;
}

os::ProcessResult Exited(int exitCode, const std::string& output) {
    os::ProcessResult result;
    result.outcome = os::ProcessResult::Outcome::Exited;
    result.exitCode = exitCode;
    result.output = output;
    return result;
}

std::string ListingLine(const std::string& name, const std::string& addressWithLength) {
    return "2: " + name + "    inet " + addressWithLength + " scope global " + name +
           "\\       valid_lft forever preferred_lft forever\n";
}

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

// Injected interfaces and listing; counts the listing's runs.
class LocalAddressDiscoveryTest : public ::testing::Test {
protected:
    PcAddressSources Sources() {
        return {[this] { return interfaces_; },
                [this] {
                    ++listingRuns_;
                    return listing_;
                }};
    }

    bool Find(const DeviceAddresses& device) {
        found_.clear();
        return FindPcAddress(device, logFolder_, pcAddresses_, found_, Sources());
    }

    std::string ListingFile() const { return logFolder_ + "/ipconfig.txt"; }

    support::TempFolder temp_;
    std::string logFolder_ = temp_.Path();
    std::vector<os::Ipv4Interface> interfaces_ = {Interface("lo", "127.0.0.1", "255.0.0.0")};
    os::ProcessResult listing_ = Exited(0, "");
    List pcAddresses_;
    std::string found_;
    int listingRuns_ = 0;
};

const DeviceAddresses kDevice = {"192.168.0.50", "255.255.255.0", "192.168.0.50"};

}  // namespace

TEST_F(LocalAddressDiscoveryTest, AnInterfaceOnTheDevicesNetworkWinsWithoutTheListing) {
    interfaces_.push_back(Interface("eth0", "10.0.0.3", "255.0.0.0"));
    interfaces_.push_back(Interface("eth1", "192.168.0.100", "255.255.255.0"));
    interfaces_.push_back(Interface("eth2", "192.168.0.101", "255.255.255.0"));
    EXPECT_TRUE(Find(kDevice));
    EXPECT_EQ(found_, "192.168.0.100");
    EXPECT_EQ(listingRuns_, 0);
    EXPECT_TRUE(pcAddresses_.empty());
}

TEST_F(LocalAddressDiscoveryTest, EachSideUsesItsOwnMaskSoA16DeviceMissesA24Interface) {
    interfaces_.push_back(Interface("eth0", "192.168.7.1", "255.255.255.0"));
    listing_ = Exited(0, ListingLine("lo", "127.0.0.1/8") + ListingLine("eth0", "192.168.7.1/24") +
                             ListingLine("eth1", "192.168.0.9/16"));
    EXPECT_TRUE(Find({"192.168.0.50", "255.255.0.0", "192.168.0.50"}));
    EXPECT_EQ(found_, "192.168.0.9");
    EXPECT_EQ(listingRuns_, 1);
    EXPECT_EQ(pcAddresses_, (List{"127.0.0.1", "192.168.7.1", "192.168.0.9"}));
}

TEST_F(LocalAddressDiscoveryTest, OnlyTheFirstTenInterfacesAreCompared) {
    for (int i = 1; i <= 9; ++i)
        interfaces_.push_back(Interface("lo", "10.9.0." + std::to_string(i), "255.255.255.0"));
    interfaces_.push_back(Interface("eth0", "192.168.0.100", "255.255.255.0"));  // the 11th
    EXPECT_FALSE(Find(kDevice));
    EXPECT_EQ(listingRuns_, 1);
    interfaces_.erase(interfaces_.begin());
    EXPECT_TRUE(Find(kDevice));
    EXPECT_EQ(found_, "192.168.0.100");
}

TEST_F(LocalAddressDiscoveryTest, AnEmptyDeviceAddressMatchesNoInterfaceNotEvenOneWithoutNetmask) {
    interfaces_.push_back(Interface("x0", "10.1.1.1", ""));
    interfaces_.push_back(Interface("eth0", "192.168.0.100", "255.255.255.0"));
    EXPECT_FALSE(Find({"", "", ""}));
    EXPECT_EQ(found_, "");
    EXPECT_EQ(listingRuns_, 1);
}

TEST_F(LocalAddressDiscoveryTest, TheListingPicksTheFirstAddressInTheDevices24Trimmed) {
    // The device's LAN edits are empty (no answer to the last poll); its
    // interface address decides.
    pcAddresses_ = {" 10.0.0.8 ", "10.0.1.8"};
    listing_ = Exited(0, ListingLine("eth0", "10.0.0.7/24"));
    EXPECT_TRUE(Find({"", "", "10.0.0.1"}));
    EXPECT_EQ(found_, "10.0.0.8");  // kept from an earlier run, so ahead of the new one
    EXPECT_EQ(pcAddresses_, (List{" 10.0.0.8 ", "10.0.1.8", "10.0.0.7"}));

    pcAddresses_ = {"10.0.1.8"};
    EXPECT_TRUE(Find({"", "", "10.0.0.1"}));
    EXPECT_EQ(found_, "10.0.0.7");
}

TEST_F(LocalAddressDiscoveryTest, ASecondRunAddsNothingTheFirstAdded) {
    listing_ = Exited(0, ListingLine("eth0", "10.0.0.7/24") + ListingLine("eth1", "10.0.5.7/24"));
    EXPECT_FALSE(Find(kDevice));
    EXPECT_FALSE(Find(kDevice));
    EXPECT_EQ(listingRuns_, 2);
    EXPECT_EQ(pcAddresses_, (List{"10.0.0.7", "10.0.5.7"}));
    EXPECT_EQ(found_, "");
}

TEST_F(LocalAddressDiscoveryTest, AListingThatDidNotEndWellAddsNothing) {
    const std::string output = ListingLine("eth0", "192.168.0.7/24");
    os::ProcessResult timedOut = Exited(0, output);
    timedOut.outcome = os::ProcessResult::Outcome::TimedOut;
    os::ProcessResult signalled = Exited(9, output);
    signalled.outcome = os::ProcessResult::Outcome::Signalled;
    os::ProcessResult notStarted;
    notStarted.startError = 2;
    for (const os::ProcessResult& result : {timedOut, signalled, notStarted, Exited(1, output)}) {
        listing_ = result;
        EXPECT_FALSE(Find(kDevice));
        EXPECT_TRUE(pcAddresses_.empty());
        EXPECT_FALSE(Exists(ListingFile()));
    }
    listing_ = Exited(0, output);
    EXPECT_TRUE(Find(kDevice));
    EXPECT_EQ(found_, "192.168.0.7");
}

TEST_F(LocalAddressDiscoveryTest, TheListingFileIsWrittenAfterTheRunAndRemovedAfterParsing) {
    std::FILE* stale = std::fopen(ListingFile().c_str(), "w");
    ASSERT_NE(stale, nullptr);
    std::fputs("2: eth0    inet 192.168.0.66/24\n", stale);
    std::fclose(stale);
    listing_ = Exited(0, ListingLine("eth0", "192.168.0.7/24"));
    EXPECT_TRUE(Find(kDevice));
    EXPECT_EQ(found_, "192.168.0.7");  // the stale file is not read
    EXPECT_EQ(pcAddresses_, (List{"192.168.0.7"}));
    EXPECT_FALSE(Exists(ListingFile()));
    EXPECT_TRUE(temp_.Entries().empty());
}

TEST_F(LocalAddressDiscoveryTest, AMissingLogFolderDoesNotStopTheListing) {
    logFolder_ = temp_ / "missing";
    listing_ = Exited(0, ListingLine("eth0", "192.168.0.7/24"));
    EXPECT_TRUE(Find(kDevice));
    EXPECT_EQ(found_, "192.168.0.7");
    EXPECT_TRUE(temp_.Entries().empty());
}

TEST(SystemPcAddressSources, ListsTheLoopbackInterfaceAndAddress) {
    PcAddressSources sources = SystemPcAddressSources();
    bool loopback = false;
    for (const os::Ipv4Interface& entry : sources.interfaces())
        loopback = loopback || entry.address == "127.0.0.1";
    EXPECT_TRUE(loopback);
    os::ProcessResult listing = sources.runListing();
    if (listing.outcome == os::ProcessResult::Outcome::NotStarted)
        GTEST_SKIP() << "the ip program is not installed";
    EXPECT_NE(listing.output.find("inet 127.0.0.1/8"), std::string::npos) << listing.output;
}
