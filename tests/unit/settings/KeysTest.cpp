#include <gtest/gtest.h>

#include "settings/KeyCapture.h"
#include "settings/KeyNames.h"

namespace tintfall {
namespace {

TEST(KeyName, NamedKeysAndRanges) {
    EXPECT_EQ(keyName(13), "Enter");
    EXPECT_EQ(keyName(8), "BackSpace");
    EXPECT_EQ(keyName(19), "Pause");
    EXPECT_EQ(keyName(32), "Space");
    EXPECT_EQ(keyName(37), "Left Arrow");
    EXPECT_EQ(keyName(40), "Down Arrow");
    EXPECT_EQ(keyName(46), "Delete");
    EXPECT_EQ(keyName(48), "0");
    EXPECT_EQ(keyName(57), "9");
    EXPECT_EQ(keyName(65), "A");
    EXPECT_EQ(keyName(90), "Z");
    EXPECT_EQ(keyName(96), "NumPad 0");
    EXPECT_EQ(keyName(105), "NumPad 9");
    EXPECT_EQ(keyName(106), "*");
    EXPECT_EQ(keyName(107), "+");
    EXPECT_EQ(keyName(109), "-");
    EXPECT_EQ(keyName(110), ".");
    EXPECT_EQ(keyName(111), "/");
    EXPECT_EQ(keyName(144), "NumLock");
    EXPECT_EQ(keyName(160), "Left Shift");
    EXPECT_EQ(keyName(163), "Right Control");
}

TEST(KeyName, UnnamedCodesShowTheirNumber) {
    EXPECT_EQ(keyName(112), "Key #112");  // F1
    EXPECT_EQ(keyName(16), "Key #16");    // Shift as a key-down delivers it
    EXPECT_EQ(keyName(47), "Key #47");    // just below the digits
    EXPECT_EQ(keyName(58), "Key #58");    // just above them
    EXPECT_EQ(keyName(64), "Key #64");
    EXPECT_EQ(keyName(91), "Key #91");
    EXPECT_EQ(keyName(108), "Key #108");  // the numpad separator has no name
    EXPECT_EQ(keyName(164), "Key #164");
    EXPECT_EQ(keyName(0), "Key #0");
    EXPECT_EQ(keyName(-1), "Key #-1");
}

TEST(KeyName, SeventyTwoCodesHaveNames) {
    int named = 0;
    for (int code = 0; code < 256; ++code)
        if (keyName(code).rfind("Key #", 0) != 0) ++named;
    EXPECT_EQ(named, 72);
}

TEST(KeyCapture, EscapeCancelsWithoutCapturing) {
    KeyCapture capture;
    EXPECT_EQ(capture.onMessage(true, 27), KeyCaptureStep::Cancel);
    EXPECT_FALSE(capture.captured());
}

TEST(KeyCapture, FunctionKeysAreIgnoredAndThePromptStays) {
    KeyCapture capture;
    EXPECT_EQ(capture.onMessage(true, 112), KeyCaptureStep::Ignore);
    EXPECT_EQ(capture.onMessage(true, 116), KeyCaptureStep::Ignore);  // F5
    EXPECT_EQ(capture.onMessage(true, 123), KeyCaptureStep::Ignore);
    EXPECT_FALSE(capture.captured());
    // F13 lies outside the accelerator range and is bound like any key.
    EXPECT_EQ(capture.onMessage(true, 124), KeyCaptureStep::CaptureAndPassOn);
    EXPECT_EQ(capture.captured(), 124);
}

TEST(KeyCapture, OtherKeysAreCapturedAndOtherMessagesPassOn) {
    KeyCapture capture;
    EXPECT_EQ(capture.onMessage(false, 13), KeyCaptureStep::PassOn);
    EXPECT_FALSE(capture.captured());
    EXPECT_EQ(capture.onMessage(true, 13), KeyCaptureStep::CaptureAndPassOn);
    EXPECT_EQ(capture.captured(), 13);
    KeyCapture windowsKey;
    EXPECT_EQ(windowsKey.onMessage(true, 91), KeyCaptureStep::CaptureAndPassOn);
    EXPECT_EQ(windowsKey.captured(), 91);
    EXPECT_EQ(keyName(*windowsKey.captured()), "Key #91");
}

}  // namespace
}  // namespace tintfall
