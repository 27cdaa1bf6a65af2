#include "shell/address_listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using List = std::vector<std::string>;

const char* const kListing =
    "1: lo    inet 127.0.0.1/8 scope host lo\\       valid_lft forever preferred_lft forever\n"
    "4: eth0    inet 192.0.2.2/24 brd 192.0.2.255 scope global eth0\\       valid_lft forever\n"
    "5: wlan0    inet 192.168.100.200/24 brd 192.168.100.255 scope global wlan0\n"
    "6: t0    inet 10.8.0.1 peer 10.8.0.2/32 scope global t0\n"
    "7: eth1    inet 192.0.2.2/24 scope global secondary eth1\n";

}  // namespace

TEST(AddListedAddresses, TakesTheAddressAfterInetOfEveryLineOnce) {
    List addresses;
    AddListedAddresses(kListing, addresses);
    // 192.168.100.200 has 15 characters and is kept.
    EXPECT_EQ(addresses, (List{"127.0.0.1", "192.0.2.2", "192.168.100.200", "10.8.0.1"}));
}

TEST(AddListedAddresses, KeepsEarlierEntriesFirstAndAddsNothingTwice) {
    List addresses = {"192.168.100.200", "10.1.1.1"};
    AddListedAddresses(kListing, addresses);
    AddListedAddresses(kListing, addresses);
    EXPECT_EQ(addresses,
              (List{"192.168.100.200", "10.1.1.1", "127.0.0.1", "192.0.2.2", "10.8.0.1"}));
}

TEST(AddListedAddresses, SkipsLinesWithoutAnAddressAndValuesOf16CharactersOrMore) {
    List addresses;
    AddListedAddresses(
        "\n"
        "garbage line\n"
        "2: eth0    inet\n"
        "3: eth0    inet6 fe80::1/64 scope link\n"
        "4: eth0    inet 1234567890123456/24 scope global eth0\n"
        "5: eth0    inet 10.0.0.7/24 scope global eth0\r\n",
        addresses);
    EXPECT_EQ(addresses, (List{"10.0.0.7"}));
}

TEST(ListContains, ComparesExactly) {
    const List list = {"10.0.0.1", " 10.0.0.2"};
    EXPECT_TRUE(ListContains(list, "10.0.0.1"));
    EXPECT_TRUE(ListContains(list, " 10.0.0.2"));
    EXPECT_FALSE(ListContains(list, "10.0.0.2"));
    EXPECT_FALSE(ListContains(list, "10.0.0.1 "));
    EXPECT_FALSE(ListContains({}, ""));
}
