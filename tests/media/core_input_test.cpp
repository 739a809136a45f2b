// Polled keyboard and mouse state: hits, the typed-character queue, suspension and injection.
#include <gtest/gtest.h>

#include <string>

#include "media/input.h"
#include "media/internal.h"
#include "test_support.h"

namespace {

using media_internal::InputOnKey;

class CoreInput : public testing::Test {
 protected:
  void SetUp() override { media_internal::InputReset(); }
  void TearDown() override { media_internal::InputReset(); }
};

TEST_F(CoreInput, KeyHitsCountPressesButNotRepeats) {
  InputOnKey(kKeyEnter, true, false);
  InputOnKey(kKeyEnter, true, true);  // auto-repeat
  InputOnKey(kKeyEnter, true, true);
  EXPECT_TRUE(KeyIsDown(kKeyEnter));
  InputOnKey(kKeyEnter, false, false);
  EXPECT_FALSE(KeyIsDown(kKeyEnter));
  InputOnKey(kKeyEnter, true, false);
  InputOnKey(kKeyEnter, false, false);
  EXPECT_EQ(TakeKeyHits(kKeyEnter), 2);
  EXPECT_EQ(TakeKeyHits(kKeyEnter), 0) << "reading clears the count";
  EXPECT_EQ(TakeKeyHits(kKeyEscape), 0);
  // Out-of-range keys are ignored rather than written past the table.
  InputOnKey(-1, true, false);
  InputOnKey(kKeyCount, true, false);
  EXPECT_FALSE(KeyIsDown(-1));
  EXPECT_FALSE(KeyIsDown(kKeyCount));
  EXPECT_EQ(TakeKeyHits(kKeyCount), 0);
}

TEST_F(CoreInput, TypedQueueHoldsUtf16UnitsUpTo256) {
  media_internal::InputOnText("\xC5\xBB\xF0\x9F\x98\x80");  // Ż and U+1F600 (a pair)
  EXPECT_EQ(TakeTypedChar(), 0x17B);
  EXPECT_EQ(TakeTypedChar(), 0xD83D);
  EXPECT_EQ(TakeTypedChar(), 0xDE00);
  EXPECT_EQ(TakeTypedChar(), 0);
  // Control characters never enter the queue.
  media_internal::InputOnText(
      "a\tb\nc\x7F"
      "d\xC2\x85"
      "e\r");
  std::u16string got;
  while (int c = TakeTypedChar()) got += static_cast<char16_t>(c);
  EXPECT_EQ(got, u"abcde");
  // Characters beyond 256 are dropped; earlier ones keep their order.
  for (int i = 0; i < 300; ++i)
    media_internal::InputOnText(std::string(1, static_cast<char>('A' + i % 26)));
  int count = 0;
  while (int c = TakeTypedChar()) {
    EXPECT_EQ(c, 'A' + count % 26);
    ++count;
  }
  EXPECT_EQ(count, 256);
  media_internal::InputOnText("xy");
  ClearKeyboard();
  EXPECT_EQ(TakeTypedChar(), 0);
}

TEST_F(CoreInput, MouseButtonsHitsAndWheel) {
  media_internal::InputOnMouseButton(1, true);
  media_internal::InputOnMouseButton(1, false);
  media_internal::InputOnMouseButton(1, true);
  media_internal::InputOnMouseButton(3, true);
  media_internal::InputOnMouseButton(4, true);  // no such button
  media_internal::InputOnMouseMove(512.5f, 300.25f);
  media_internal::InputOnWheel(2);
  media_internal::InputOnWheel(-5);
  EXPECT_TRUE(MouseButtonIsDown(1));
  EXPECT_FALSE(MouseButtonIsDown(2));
  EXPECT_TRUE(MouseButtonIsDown(3));
  EXPECT_FALSE(MouseButtonIsDown(4));
  EXPECT_EQ(TakeMouseHits(1), 2);
  EXPECT_EQ(TakeMouseHits(1), 0);
  EXPECT_EQ(TakeMouseHits(3), 1);
  EXPECT_FLOAT_EQ(MouseLogicalX(), 512.5f);
  EXPECT_FLOAT_EQ(MouseLogicalY(), 300.25f);
  EXPECT_EQ(MouseWheelPos(), -3);
  media_internal::InputOnMouseButton(2, true);
  ClearMouseButtons();
  EXPECT_FALSE(MouseButtonIsDown(1));
  EXPECT_EQ(TakeMouseHits(2), 0);
  EXPECT_EQ(MouseWheelPos(), 0);
  EXPECT_FLOAT_EQ(MouseLogicalX(), 512.5f) << "the position is not a button state";
}

TEST_F(CoreInput, SuspensionClearsInputAtBothTransitions) {
  const auto holdEverything = [] {
    InputOnKey(kKeyLAlt, true, false);
    media_internal::InputOnText("q");
    media_internal::InputOnMouseButton(1, true);
    media_internal::InputOnWheel(1);
  };
  const auto expectCleared = [](const char* when) {
    EXPECT_FALSE(KeyIsDown(kKeyLAlt)) << when;
    EXPECT_EQ(TakeKeyHits(kKeyLAlt), 0) << when;
    EXPECT_EQ(TakeTypedChar(), 0) << when;
    EXPECT_FALSE(MouseButtonIsDown(1)) << when;
    EXPECT_EQ(TakeMouseHits(1), 0) << when;
    EXPECT_EQ(MouseWheelPos(), 0) << when;
  };
  holdEverything();
  media_internal::InputOnSuspend(true);
  EXPECT_TRUE(IsSuspended());
  expectCleared("on suspension");
  holdEverything();
  media_internal::InputOnSuspend(false);
  EXPECT_FALSE(IsSuspended());
  expectCleared("on activation");
}

TEST_F(CoreInput, InjectedEventsApplyInOrderAtTheNextPump) {
  InjectMouseMove(10, 20);
  InjectMouseButton(1, true);
  InjectMouseButton(1, false);
  InjectKey(kKeyF1, true);
  InjectKey(kKeyF1, false);
  InjectKey(kKeyS, true);
  InjectText("Hi\xC3\xA9");
  InjectWheel(-2);
  InjectCloseRequest();
  // Nothing happens before the pump.
  EXPECT_EQ(TakeMouseHits(1), 0);
  EXPECT_FALSE(TakeCloseRequest());
  media_internal::InputApplyInjected();
  EXPECT_FLOAT_EQ(MouseLogicalX(), 10);
  EXPECT_FLOAT_EQ(MouseLogicalY(), 20);
  EXPECT_EQ(TakeMouseHits(1), 1);
  EXPECT_FALSE(MouseButtonIsDown(1));
  EXPECT_EQ(TakeKeyHits(kKeyF1), 1);
  EXPECT_FALSE(KeyIsDown(kKeyF1));
  EXPECT_TRUE(KeyIsDown(kKeyS));
  EXPECT_EQ(TakeTypedChar(), 'H');
  EXPECT_EQ(TakeTypedChar(), 'i');
  EXPECT_EQ(TakeTypedChar(), 0xE9);
  EXPECT_EQ(MouseWheelPos(), -2);
  EXPECT_TRUE(TakeCloseRequest());
  EXPECT_FALSE(TakeCloseRequest()) << "reading clears the request";
  // Order matters: a key pressed and then the window suspended ends up cleared.
  InjectKey(kKeyW, true);
  InjectSuspend(true);
  media_internal::InputApplyInjected();
  EXPECT_TRUE(IsSuspended());
  EXPECT_FALSE(KeyIsDown(kKeyW));
  EXPECT_EQ(TakeKeyHits(kKeyW), 0);
  InjectSuspend(false);
  InjectKey(kKeyW, true);
  media_internal::InputApplyInjected();
  EXPECT_FALSE(IsSuspended());
  EXPECT_EQ(TakeKeyHits(kKeyW), 1);
}

TEST_F(CoreInput, PumpEventsAppliesInjectedInput) {
  testing_support::MediaScope media;
  InjectKey(kKeyEscape, true);
  PumpEvents();
  EXPECT_TRUE(KeyIsDown(kKeyEscape));
  EXPECT_EQ(TakeKeyHits(kKeyEscape), 1);
}

}  // namespace
