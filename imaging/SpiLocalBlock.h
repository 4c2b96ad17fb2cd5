#pragma once
#include "win32/UniqueHandle.h"

#include <cstddef>
#include <utility>

// One LocalAlloc block a plug-in handed out: owned, and locked while this object lives
// (unlocked before it is freed). Data() is null when the handle was null or cannot be locked.
class CSpiLocalBlock {
public:
    explicit CSpiLocalBlock(UniqueLocal handle) noexcept
        : handle_(std::move(handle)),
          data_(handle_ ? LocalLock(handle_.get()) : nullptr),
          size_(data_ ? LocalSize(handle_.get()) : 0)
    {
    }
    CSpiLocalBlock(const CSpiLocalBlock&) = delete;
    CSpiLocalBlock& operator=(const CSpiLocalBlock&) = delete;
    ~CSpiLocalBlock()
    {
        if (data_)
            LocalUnlock(handle_.get());
    }

    const void* Data() const noexcept { return data_; }
    // The block's real size, which a plug-in's header cannot overstate.
    std::size_t Size() const noexcept { return size_; }

private:
    UniqueLocal handle_;
    void* data_;
    std::size_t size_;
};
