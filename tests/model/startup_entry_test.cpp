#include "model/startup_entry.h"

#include <gtest/gtest.h>

namespace horavia {
namespace {

TEST(StartUpEntry, TextIsTheQuotedProgramWithOneBackslashAfterItsFolder) {
    EXPECT_EQ(RunEntryText("C:\\Program Files\\Horavia", "horavia"),
              "\"C:\\Program Files\\Horavia\\horavia.exe\"");
    EXPECT_EQ(RunEntryText("D:\\", "horavia"), "\"D:\\horavia.exe\"");  // a drive root
}

}  // namespace
}  // namespace horavia
