// CString: an 8-bit text, loaded from the module's string table.
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;

    // Loads a string resource of the program; FALSE, and empty, if there is none.
    BOOL LoadString(UINT id);

    BOOL IsEmpty() const { return m_text.empty(); }
    operator const char*() const { return m_text.c_str(); }

private:
    std::string m_text;
};
