// Messages that another program posts.
//   CarriesPointer          a message whose parameters point into the sender's memory
//   CPostedPointerFilter    posted pointer messages dropped in the system's own loops
#pragma once

#include <windows.h>

#include "owned_handle.h"

// Any program on the desktop can post any message to the program's windows.
// Such a message is acted on only when it is sent, by the system or by the
// program itself: posted, its pointer is whatever the poster wrote, and the
// program, or the platform's default handling, would write through it.
bool CarriesPointer(UINT message);

// The program's own loops drop what CarriesPointer names as they take it from
// the queue. The system runs loops of its own while a menu is open, while a
// window is moved or sized and while a message box is shown: while an object
// lives, the messages those loops take are filtered the same way.
class CPostedPointerFilter {
public:
    CPostedPointerFilter();

private:
    static LRESULT CALLBACK Filter(int code, WPARAM removed, LPARAM message);

    COwnedHandle<HHOOK, &::UnhookWindowsHookEx> m_hook;
};
