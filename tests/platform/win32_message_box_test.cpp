// The Windows message box is real and modal: the capture reads it once it is set up and
// dismisses it, as the end-to-end tests of the programs do.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/message_box.h"
#include "tests/support/message_capture.h"

TEST(Win32MessageBox, ShowsCaptionAndShiftJisText) {
    std::string seenText;
    std::string seenCaption;
    int result = 0;
    {
        MessageCapture capture;
        ASSERT_TRUE(capture.Watching());
        result = platform::ShowMessageBox(nullptr, "ＤＬＬ【 Graph 】の読み込みに失敗しました", "Prelo.dll",
                                          platform::box::kTopmost);
        ASSERT_EQ(1u, capture.Texts().size());
        seenText = capture.Texts()[0];
        seenCaption = capture.Captions()[0];
    }
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Prelo.dll", seenCaption);
    // Both literals are Shift-JIS in this build, so equality checks the code page end to end.
    EXPECT_EQ("ＤＬＬ【 Graph 】の読み込みに失敗しました", seenText);
    EXPECT_EQ(static_cast<unsigned char>(0x82), static_cast<unsigned char>(seenText[0]));  // "Ｄ" in Shift-JIS
}
