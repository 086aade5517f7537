// Linux only: the progress dialog stand-in keeps the Windows threading rules the updater relies on.
#include <gtest/gtest.h>

#include <thread>

#include "platform/dialog.h"

namespace platform {
namespace {

int destroyedCount = 0;

intptr_t CloseOnRequest(Dialog dialog, uint32_t message, uintptr_t, intptr_t) {
    if (message == dialog_messages::kClose) DestroyDialog(dialog);
    if (message == dialog_messages::kDestroy) {
        ++destroyedCount;
        PostQuitMessage(0);
    }
    return 0;
}

void RunLoop(Dialog dialog) {
    ThreadMessage message{};
    while (GetThreadMessage(&message)) {
        if (!IsDialogKeyboardMessage(dialog, &message)) TranslateAndDispatchMessage(&message);
    }
}

TEST(PosixDialogTest, AnotherThreadsSentMessagesWaitForTheDialogsThread) {
    destroyedCount = 0;
    Dialog dialog = CreateModelessDialog(101, CloseOnRequest);
    ASSERT_NE(dialog, nullptr);
    intptr_t position = -1;
    intptr_t high = -1;
    char text[16] = {};
    std::thread worker([&] {
        SendDialogItemMessage(dialog, 1002, progress_messages::kSetRange, 0, 3 << 16);
        SendDialogItemMessage(dialog, 1002, progress_messages::kSetPosition, 2, 0);
        SetDialogItemText(dialog, 1000, "from worker");
        position = SendDialogItemMessage(dialog, 1002, progress_messages::kGetPosition, 0, 0);
        high = SendDialogItemMessage(dialog, 1002, progress_messages::kGetRange, 0, 0);
        SendDialogItemMessage(dialog, 1000, dialog_messages::kGetText, sizeof text, reinterpret_cast<intptr_t>(text));
        PostDialogMessage(dialog, dialog_messages::kClose, 0, 0);
    });
    RunLoop(dialog);
    worker.join();
    EXPECT_EQ(position, 2);
    EXPECT_EQ(high, 3);
    EXPECT_STREQ(text, "from worker");
    EXPECT_EQ(destroyedCount, 1);
    // The handle is dead now: nothing reaches it and nothing waits for it.
    EXPECT_FALSE(PostDialogMessage(dialog, dialog_messages::kClose, 0, 0));
    EXPECT_FALSE(SetDialogItemText(dialog, 1000, "late"));
    EXPECT_EQ(SendDialogItemMessage(dialog, 1002, progress_messages::kGetPosition, 0, 0), 0);
}

TEST(PosixDialogTest, PositionsStayWithinTheRange) {
    destroyedCount = 0;
    Dialog dialog = CreateModelessDialog(101, CloseOnRequest);
    ASSERT_NE(dialog, nullptr);
    SendDialogItemMessage(dialog, 1002, progress_messages::kSetRange, 0, 2 << 16);
    SendDialogItemMessage(dialog, 1002, progress_messages::kSetPosition, 5, 0);
    EXPECT_EQ(SendDialogItemMessage(dialog, 1002, progress_messages::kGetPosition, 0, 0), 2);
    // Only the dialog's own thread may destroy it.
    bool destroyedElsewhere = true;
    std::thread([&] { destroyedElsewhere = DestroyDialog(dialog); }).join();
    EXPECT_FALSE(destroyedElsewhere);
    EXPECT_TRUE(DestroyDialog(dialog));
    ThreadMessage quit{};
    EXPECT_FALSE(GetThreadMessage(&quit));
    EXPECT_EQ(destroyedCount, 1);
}

}  // namespace
}  // namespace platform
