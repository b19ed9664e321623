// COwnedHandle<Handle, Release>: owns one platform handle and gives it back
// with `Release` when it goes or when another takes its place; movable, not
// copyable. The GDI objects, the menu and the screen copy's device context
// and bitmap are owned through it.
#pragma once

#include <utility>

template <class Handle, auto Release>
class COwnedHandle {
public:
    COwnedHandle() = default;
    explicit COwnedHandle(Handle handle) : m_handle(handle) {}
    ~COwnedHandle() { Reset(); }
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;
    COwnedHandle(COwnedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    COwnedHandle& operator=(COwnedHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    // Takes `handle`, releasing the one held before; with none, only
    // releases.
    void Reset(Handle handle = nullptr) {
        if (m_handle) Release(m_handle);
        m_handle = handle;
    }
    Handle Get() const { return m_handle; }

private:
    Handle m_handle = nullptr;
};
