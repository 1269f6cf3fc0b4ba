// Force-included into GoogleTest and the Windows-side tests only: the
// product's toolchain uses the win32 thread model, whose library has no
// std::mutex or std::condition_variable, which GoogleTest needs. These
// small stand-ins over critical sections keep the product free of the
// pthread runtime.
#pragma once
#ifdef __cplusplus
#include <bits/c++config.h>
#if !defined(_GLIBCXX_HAS_GTHREADS)
#include <windows.h>

#include <mutex>

namespace std {
class mutex {
public:
    mutex() { InitializeCriticalSection(&cs_); }
    ~mutex() { DeleteCriticalSection(&cs_); }
    mutex(const mutex&) = delete;
    mutex& operator=(const mutex&) = delete;
    void lock() { EnterCriticalSection(&cs_); }
    void unlock() { LeaveCriticalSection(&cs_); }
    bool try_lock() { return TryEnterCriticalSection(&cs_) != 0; }
    CRITICAL_SECTION* native_handle() { return &cs_; }

private:
    CRITICAL_SECTION cs_;
};

class condition_variable {
public:
    condition_variable() { InitializeConditionVariable(&cv_); }
    condition_variable(const condition_variable&) = delete;
    condition_variable& operator=(const condition_variable&) = delete;
    void notify_one() { WakeConditionVariable(&cv_); }
    void notify_all() { WakeAllConditionVariable(&cv_); }
    void wait(unique_lock<mutex>& lock) { SleepConditionVariableCS(&cv_, lock.mutex()->native_handle(), INFINITE); }
    template <class Predicate>
    void wait(unique_lock<mutex>& lock, Predicate pred) {
        while (!pred()) wait(lock);
    }

private:
    CONDITION_VARIABLE cv_;
};
}  // namespace std
#endif
#endif
