#pragma once

#include <utility>

// Owns one handle and releases it with Close; movable, not copyable. Null
// is the handle's empty value: the one a failed call gives.
template <typename Handle, auto Close, Handle Null = Handle{}>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Null)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Null));
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Reset(); }

    Handle Get() const { return handle_; }
    Handle* Out() {
        Reset();
        return &handle_;
    }
    void Reset(Handle handle = Null) {
        if (handle_ != Null) {
            Close(handle_);
        }
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != Null; }

private:
    Handle handle_ = Null;
};
