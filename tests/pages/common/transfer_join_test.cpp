// A file page's chain goes on once both ends of a device transfer are known,
// in either order, exactly once; a new wait forgets the old one.

#include "pages/common/transfer_join.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct Order {
    const char* name;
    bool commandFirst;
};

void PrintTo(const Order& order, std::ostream* out) { *out << order.name; }

class TransferJoinTest : public testing::TestWithParam<Order> {
protected:
    static VkTFTPTransferEnd EndOf(VkTFTPTransferEnd::Kind kind) {
        VkTFTPTransferEnd end;
        end.kind = kind;
        return end;
    }
    void Both(VkTFTPTransferEnd::Kind kind) {
        const VkTFTPTransferEnd end = EndOf(kind);
        if (GetParam().commandFirst) {
            join.CommandTaken();
            EXPECT_TRUE(ends.empty()) << "the transfer has not ended yet";
            join.TransferEnded(end);
        } else {
            join.TransferEnded(end);
            EXPECT_TRUE(ends.empty()) << "the device has not taken the command yet";
            join.CommandTaken();
        }
    }

    TransferJoin join;
    std::vector<VkTFTPTransferEnd::Kind> ends;
};

TEST_P(TransferJoinTest, GoesOnOnceWhenBothEndsAreIn) {
    for (VkTFTPTransferEnd::Kind end : {VkTFTPTransferEnd::Done, VkTFTPTransferEnd::Failed, VkTFTPTransferEnd::NotStarted}) {
        ends.clear();
        join.Begin([this](const VkTFTPTransferEnd& reported) { ends.push_back(reported.kind); });
        EXPECT_TRUE(join.Waiting());
        Both(end);
        ASSERT_EQ(ends.size(), 1u);
        EXPECT_EQ(ends[0], end);
        EXPECT_FALSE(join.Waiting());
        join.CommandTaken();
        join.TransferEnded(EndOf(end));
        EXPECT_EQ(ends.size(), 1u) << "late or repeated ends start nothing";
    }
}

TEST_P(TransferJoinTest, CancelAndANewWaitForgetWhatWasHeard) {
    join.Begin([this](const VkTFTPTransferEnd& reported) { ends.push_back(reported.kind); });
    join.Cancel();
    Both(VkTFTPTransferEnd::Done);
    EXPECT_TRUE(ends.empty());

    join.Begin([this](const VkTFTPTransferEnd& reported) { ends.push_back(reported.kind); });
    if (GetParam().commandFirst)
        join.CommandTaken();
    else
        join.TransferEnded(EndOf(VkTFTPTransferEnd::Failed));
    join.Begin([this](const VkTFTPTransferEnd& reported) { ends.push_back(reported.kind); });
    Both(VkTFTPTransferEnd::Done);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0], VkTFTPTransferEnd::Done) << "the earlier wait's end is not taken for the new one";
}

INSTANTIATE_TEST_SUITE_P(Orders, TransferJoinTest,
                         testing::Values(Order{"CommandFirst", true}, Order{"TransferFirst", false}),
                         [](const testing::TestParamInfo<Order>& info) { return std::string(info.param.name); });

}  // namespace
