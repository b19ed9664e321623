// Running tests inside a real dialog's modal loop, and reading what the real
// window shows.
#pragma once

#include <functional>
#include <string>

#include "platform.h"
#include "window_reads.h"

namespace huevane_test {

// Opens `dialog` with DoModal and runs `body` inside its modal loop once it
// is open; then closes it with IDCANCEL unless the body closed it already.
// Returns what DoModal returned.
INT_PTR RunInDialog(CDialog& dialog, const std::function<void(HWND)>& body);

// Handles every message waiting for this thread, then goes on for `ms`
// milliseconds more, so that timers due in that time are handled too.
void PumpMessages(DWORD ms = 0);

// Handles messages until `done` holds, for up to `ms` milliseconds: for what
// the platform does in its own time (a window mapped, a drawing flushed to
// the screen), which a busy machine can delay. Returns whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = kPatienceMs);

// What `read` gives once it gives `expected`, or when `ms` have passed:
// for what reaches the screen in the platform's own time.
template <typename T, typename Read>
T Eventually(const T& expected, Read read, DWORD ms = kPatienceMs) {
    T seen = read();
    if (seen == expected) return seen;
    PumpUntil([&] { return (seen = read()) == expected; }, ms);
    return seen;
}

// The next modal dialog that opens on this thread is closed with IDCANCEL
// once it is open; `seen` then holds its caption.
void CloseNextDialog(std::string* seen);

// Runs `inside` in the next modal dialog that opens on this thread, once it
// is open, then closes it with IDCANCEL.
void InNextDialog(const std::function<void(HWND)>& inside);

bool IsChecked(HWND dialog, UINT command);
void Click(HWND dialog, int id);
void Command(HWND dialog, UINT id, UINT code = 0);
std::string ClipboardText();

RECT WindowRect(HWND window);
RECT ClientRect(HWND window);

// Whether `inner` lies wholly inside `outer`, edges included.
bool Inside(const RECT& inner, const RECT& outer);

}  // namespace huevane_test
