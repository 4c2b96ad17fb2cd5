#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Watches a process (by default this one) for message boxes while alive: records each box's
// caption and text (code page 932 bytes) and presses OK (or the answer given: IDYES, IDNO),
// so code that shows one can be tested.
class MessageBoxWatcher {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    explicit MessageBoxWatcher(unsigned long processId = 0, int answer = 1 /* IDOK */);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<Box> Boxes() const;

private:
    void Watch();

    mutable std::mutex mutex_;
    std::vector<Box> boxes_;
    const unsigned long processId_;
    const int answer_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
