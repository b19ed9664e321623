// Messages that another program posts.
//   CarriesPointer          a message whose parameters point into the sender's memory
//   CPostedPointerFilter    posted pointer messages dropped in every loop of the thread
//   RunFiltered             a thread's program, only with that filter
#pragma once

#include <windows.h>

#include <functional>

#include "owned_handle.h"

// Any program on the desktop can post any message to the program's windows.
// Such a message is acted on only when it is sent, by the system or by the
// program itself: posted, its pointer is whatever the poster wrote, and the
// program, or the platform's default handling, would write through it.
bool CarriesPointer(UINT message);

// While an object lives, every loop of the thread that made it drops what
// CarriesPointer names as the loop takes it from the queue: the program's own
// loops, and those that the system runs while a menu is open (the menu bar,
// the system menu, a control's context menu), while a window is moved or
// sized and while a message box is shown. The program holds one for the
// life of its thread, so that nothing another program posts switches it off.
class CPostedPointerFilter {
public:
    CPostedPointerFilter();
    // Whether the system installed it.
    bool Installed() const { return m_hook.Get() != nullptr; }

private:
    static LRESULT CALLBACK Filter(int code, WPARAM removed, LPARAM message);

    COwnedHandle<HHOOK, &::UnhookWindowsHookEx> m_hook;
};

// Runs `program` for as long as a filter lives, and gives its result. Where
// the system refuses the filter, the program would run open to what the
// README says it is not: the user is told in a box, `program` does not run,
// and the result is 1.
int RunFiltered(const std::function<int()>& program);
