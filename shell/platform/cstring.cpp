#include "cstring.h"

BOOL CString::LoadString(UINT id) {
    // A string table entry holds at most 4097 characters.
    char buffer[4098];
    const int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    m_text.assign(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    return length > 0;
}
