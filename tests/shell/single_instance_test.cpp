#include "shell/single_instance.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fake_main_window.h"
#include "support/fake_ports.h"

namespace qm {
namespace {

using testing::FakeInstanceChannel;
using testing::FakeInstanceMachine;
using testing::FakeMainWindow;
using testing::FakeUserPort;

TEST(InstanceRecord, IsTheWindowThenTheCountLittleEndian) {
  const auto bytes = EncodeInstanceRecord({0x00030A0Bu, 2u});
  EXPECT_EQ(bytes, (std::array<std::uint8_t, 8>{0x0B, 0x0A, 0x03, 0x00, 2, 0, 0, 0}));
  const InstanceRecord back = DecodeInstanceRecord(bytes);
  EXPECT_EQ(back.Window, 0x00030A0Bu);
  EXPECT_EQ(back.Count, 2u);

  const std::uint8_t shortRecord[] = {7, 0, 0, 0, 1};
  const InstanceRecord partial = DecodeInstanceRecord(shortRecord);
  EXPECT_EQ(partial.Window, 7u);
  EXPECT_EQ(partial.Count, 1u);
}

TEST(OpenFileBlock, CarriesThePathAndItsZeroAndIsReadNoFurtherThanItsCount) {
  const OpenFileMessage message = MakeOpenFileMessage("C:\\Templates\\Hero.qmc");
  const CopyDataBlock block = message.Block();
  EXPECT_EQ(block.Data, 0u);
  EXPECT_EQ(block.Count, std::strlen("C:\\Templates\\Hero.qmc") + 1);
  EXPECT_EQ(block.Bytes[block.Count - 1], '\0');
  EXPECT_EQ(PathFromBlock(block), "C:\\Templates\\Hero.qmc");

  // Blocks from outside the program are not trusted to end in a zero.
  const char unterminated[] = {'a', '.', 'q', 'm', 'c', 'X', 'Y'};
  EXPECT_EQ(PathFromBlock({0, 5, unterminated}), "a.qmc");
  EXPECT_EQ(PathFromBlock({0, 0, unterminated}), "");
  EXPECT_EQ(PathFromBlock({0, 9, nullptr}), "");
  const char early[] = {'a', '\0', 'b', '\0'};
  EXPECT_EQ(PathFromBlock({0, 4, early}), "a");
}

// Two copies of the program on one machine, each with its own window.
struct TwoCopies {
  FakeInstanceMachine machine;
  FakeInstanceChannel firstChannel{machine, 101};
  FakeInstanceChannel secondChannel{machine, 202};
  SingleInstance first{firstChannel};
  SingleInstance second{secondChannel};
  FakeMainWindow mainWindow;
  FakeUserPort user;
  HandOverReceiver receiver{mainWindow, user, firstChannel};

  void StartFirst() {
    ASSERT_EQ(first.CheckSingleInstance(101, 1, std::nullopt), InstanceCheck::Run);
    firstChannel.InstallReceiver(&receiver);
  }
};

TEST(SingleInstance, TheFirstCopyCreatesTheRecordAndCountsItself) {
  TwoCopies copies;
  copies.StartFirst();
  ASSERT_TRUE(copies.machine.record);
  EXPECT_EQ(copies.machine.record->Window, 101u);
  EXPECT_EQ(copies.machine.record->Count, 1u);
  EXPECT_TRUE(copies.first.Counted());
}

TEST(SingleInstance, ASecondStartWithoutArgumentsBringsTheFirstToTheFrontAndEnds) {
  TwoCopies copies;
  copies.StartFirst();
  copies.machine.minimized[101] = true;

  EXPECT_EQ(copies.second.CheckSingleInstance(202, 1, std::nullopt), InstanceCheck::End);

  // The running copy raises itself: a program may only raise its own window.
  EXPECT_EQ(copies.machine.foreground, 101u);
  EXPECT_FALSE(copies.machine.minimized[101]);
  EXPECT_EQ(copies.firstChannel.events.back(), "bring to front 101");
  EXPECT_EQ(copies.secondChannel.events.back(), "send open-file to 101");
  EXPECT_FALSE(copies.second.Counted());
  EXPECT_TRUE(copies.mainWindow.loaded.empty());
  EXPECT_EQ(copies.second.ExitStep(), 0);
  EXPECT_EQ(copies.machine.record->Count, 1u);
  EXPECT_EQ(copies.machine.record->Window, 101u);
}

TEST(SingleInstance, ASecondStartHandsItsTemplateToAnIdleFirstCopy) {
  TwoCopies copies;
  copies.StartFirst();

  EXPECT_EQ(copies.second.CheckSingleInstance(202, 1, std::string("/home/p/Hero.qmc")),
            InstanceCheck::End);

  EXPECT_EQ(copies.mainWindow.loaded, std::vector<std::string>{"/home/p/Hero.qmc"});
  EXPECT_TRUE(copies.user.messages.empty());
  EXPECT_EQ(copies.machine.record->Count, 1u);
}

TEST(SingleInstance, ABusyFirstCopyRefusesTheHandOverAndKeepsItsTemplate) {
  TwoCopies copies;
  copies.StartFirst();
  copies.mainWindow.idle = false;  // the report is open
  testing::EventLog log;
  copies.firstChannel.shared = copies.user.shared = &log;

  copies.second.CheckSingleInstance(202, 1, std::string("/home/p/Hero.qmc"));

  // The copy comes to the front before it answers, so the refusal is seen.
  EXPECT_EQ(log.entries, (std::vector<std::string>{
                             "bring to front 101",
                             "message: Cannot do this now, try again without subwindows open.",
                         }));
  EXPECT_TRUE(copies.mainWindow.loaded.empty());
  EXPECT_EQ(copies.mainWindow.pendingFile, "/home/p/Hero.qmc");
  EXPECT_EQ(copies.user.messages,
            std::vector<std::string>{"Cannot do this now, try again without subwindows open."});
}

TEST(SingleInstance, AnEmptyHandedOverPathIsIgnored) {
  TwoCopies copies;
  copies.StartFirst();
  copies.second.CheckSingleInstance(202, 1, std::string());
  EXPECT_EQ(copies.machine.foreground, 101u);
  EXPECT_TRUE(copies.mainWindow.events.empty());
  EXPECT_TRUE(copies.user.messages.empty());
}

TEST(SingleInstance, AfterTheFirstCopyEndsTheNextStartIsTheFirstAgain) {
  TwoCopies copies;
  copies.StartFirst();
  EXPECT_EQ(copies.first.ExitStep(), 0);
  EXPECT_FALSE(copies.machine.record);  // nobody holds it any more

  EXPECT_EQ(copies.second.CheckSingleInstance(202, 1, std::nullopt), InstanceCheck::Run);
  EXPECT_EQ(copies.machine.record->Window, 202u);
  EXPECT_EQ(copies.machine.record->Count, 1u);
}

TEST(SingleInstance, ALeftoverRecordWithRoomTakesTheNewCopy) {
  // A record still held elsewhere but with its count below the maximum.
  FakeInstanceMachine machine;
  FakeInstanceChannel holder(machine, 1);
  holder.CreateRecord();
  holder.WriteRecord({1, 0});
  FakeInstanceChannel channel(machine, 55);
  SingleInstance copy(channel);

  EXPECT_EQ(copy.CheckSingleInstance(55, 1, std::nullopt), InstanceCheck::Run);
  EXPECT_EQ(machine.record->Window, 55u);
  EXPECT_EQ(machine.record->Count, 1u);

  // With room for two, a second copy runs too and takes over the hand-overs.
  FakeInstanceChannel otherChannel(machine, 66);
  SingleInstance other(otherChannel);
  EXPECT_EQ(other.CheckSingleInstance(66, 2, std::nullopt), InstanceCheck::Run);
  EXPECT_EQ(machine.record->Window, 66u);
  EXPECT_EQ(machine.record->Count, 2u);
  EXPECT_EQ(other.ExitStep(), 0);
  EXPECT_EQ(machine.record->Count, 1u);
}

TEST(SingleInstance, RecordFailures) {
  {
    FakeInstanceMachine machine;
    machine.createFails = true;
    FakeInstanceChannel channel(machine, 1);
    SingleInstance copy(channel);
    EXPECT_EQ(copy.CheckSingleInstance(1, 1, std::nullopt), InstanceCheck::RecordFailed);
    EXPECT_FALSE(copy.Counted());
    EXPECT_EQ(copy.ExitStep(), 0);
  }
  {
    // A copy refused access to an existing record ends, and never touches
    // the count of the copies that do run.
    TwoCopies copies;
    copies.StartFirst();
    copies.machine.openFails = true;
    EXPECT_EQ(copies.second.CheckSingleInstance(202, 1, std::string("x.qmc")), InstanceCheck::End);
    EXPECT_FALSE(copies.second.Counted());
    EXPECT_TRUE(copies.mainWindow.loaded.empty());
    copies.machine.openFails = false;
    EXPECT_EQ(copies.second.ExitStep(), 0);
    EXPECT_EQ(copies.machine.record->Count, 1u);
  }
  {
    TwoCopies copies;
    copies.StartFirst();
    copies.machine.openFails = true;
    EXPECT_EQ(copies.first.ExitStep(), kExitInstanceRecord);
    EXPECT_FALSE(copies.firstChannel.Holds());
  }
}

}  // namespace
}  // namespace qm
