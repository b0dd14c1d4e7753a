#pragma once
// Makes the program's objects as the class library does (the global pointer first, then
// the constructor, so a constructor can already reach its own object through its global)
// and destroys them, the last first, clearing each global. The application object keeps
// the program's objects in one; tests and benchmarks use their own to take them down again.
#include <functional>
#include <new>
#include <vector>

namespace widgets {

class ObjectOwner
{
public:
    ObjectOwner() = default;
    ~ObjectOwner() { DestroyAll(); }
    ObjectOwner(const ObjectOwner&) = delete;
    ObjectOwner& operator=(const ObjectOwner&) = delete;

    template <class T> T* CreateForm(T*& global)
    {
        static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
        void* memory = ::operator new(sizeof(T));
        global = static_cast<T*>(memory);
        try {
            new (memory) T();
        } catch (...) {
            global = nullptr;
            ::operator delete(memory);
            throw;
        }
        destroyers.push_back([&global] {
            T* object = global;
            global = nullptr;
            delete object;
        });
        return global;
    }

    void DestroyAll()
    {
        while (!destroyers.empty()) {
            destroyers.back()();
            destroyers.pop_back();
        }
    }

private:
    std::vector<std::function<void()>> destroyers;
};

} // namespace widgets
