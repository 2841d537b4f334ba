// GoogleTest's Notification for the win32-threads MinGW compiler, whose
// standard library has no std::mutex for GoogleTest's own: a manual-reset
// Windows event. Force-included into GoogleTest and into the tests.
#pragma once

#include <windows.h>

#include "handles.h"

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

// Lets a controller thread release the threads that wait for it.
class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

    void Notify() { SetEvent(event_.get()); }
    void WaitForNotification() { WaitForSingleObject(event_.get(), INFINITE); }

private:
    quorhost::UniqueHandle event_;
};

}  // namespace testing::internal
