#include "map/in_out_error.h"

#include <gtest/gtest.h>

#include <thread>

#include "map/text_channel.h"
#include "tests/map/file_test_support.h"

namespace {

TEST(InOutError, EachCodeHasItsMessage) {
  const std::pair<int, const char*> cases[] = {
      {2, "File not found"},       {3, "Invalid filename"},      {4, "Too many open files"},
      {5, "File access denied"},   {100, "Read beyond end of file"}, {101, "Disk full"},
      {106, "Invalid numeric input"}, {32, "I/O error 32"},      {112, "I/O error 112"},
      {103, "I/O error 103"},      {0x20000005, "I/O error 536870917"},
  };
  for (const auto& [code, message] : cases) EXPECT_EQ(InOutErrorMessage(code), message) << code;
}

TEST(InOutError, TheCheckRaisesThePendingCodeOnceAndClearsIt) {
  CheckInOut();  // nothing pending: no exception
  SetInOutError(32);
  try {
    CheckInOut();
    FAIL() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode, 32);
    EXPECT_EQ(e.Message, "I/O error 32");
    EXPECT_STREQ(e.ClassName(), "EInOutError");
    EXPECT_NE(dynamic_cast<const Exception*>(&e), nullptr);
  }
  EXPECT_EQ(PendingInOutError(), 0);
  CheckInOut();
}

TEST(InOutError, EachThreadHasItsOwnPendingCode) {
  SetInOutError(5);
  int seenElsewhere = -1;
  std::thread([&] { seenElsewhere = PendingInOutError(); }).join();
  EXPECT_EQ(seenElsewhere, 0);
  EXPECT_THROW(CheckInOut(), EInOutError);
}

TEST(TextChannel, AFailedOperationReturnsNormallyAndLeavesItsCodePending) {
  TTempFolder folder;
  TTextChannel channel(folder / "missing.vnkmap");
  channel.OpenForReading();
  EXPECT_FALSE(channel.IsOpen());
  EXPECT_EQ(PendingInOutError(), 2);
  EXPECT_THROW(CheckInOut(), EInOutError);

  channel.ReadNumber();
  EXPECT_EQ(PendingInOutError(), FileNotOpen) << "reading a channel that is not open";
  EXPECT_THROW(CheckInOut(), EInOutError);
}

}  // namespace
