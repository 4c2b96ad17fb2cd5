#pragma once

// The one live object of a class whose window or dialog procedure gets no object pointer:
// a class T derives from CurrentInstance<T>, whose constructor records the object and
// whose destructor clears the slot again. At most one T is expected to live at a time.
template <typename T>
class CurrentInstance {
public:
    // The live object, or null when there is none.
    static T* Get() noexcept { return static_cast<T*>(instance_); }

protected:
    CurrentInstance() noexcept
    {
        if (instance_ == nullptr)
            instance_ = this;
    }
    ~CurrentInstance()
    {
        if (instance_ == this)
            instance_ = nullptr;
    }
    CurrentInstance(const CurrentInstance&) = delete;
    CurrentInstance& operator=(const CurrentInstance&) = delete;

private:
    static inline CurrentInstance* instance_ = nullptr;
};
