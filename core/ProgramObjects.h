#pragma once
// The data module and the 31 windows, made once at start-up in the order the program
// relies on: the data module first, then the main window (so the main form), then the
// rest, none shown. Each global is assigned before its object's constructor body runs,
// and each constructor may rely on the objects made before it.
//
// The program makes them through its application object, which keeps them to the end.
// Tests and benchmarks make them through a TObjectOwner, which takes them down again.
#include "platform/widgets/Form.h"

#include <functional>
#include <new>
#include <type_traits>
#include <vector>

namespace widgets {
class Application;
}

// Makes objects as the application object does (the global first, then the
// constructor) and destroys them, the last first, clearing each global.
class TObjectOwner
{
public:
    TObjectOwner() = default;
    ~TObjectOwner() { DestroyAll(); }
    TObjectOwner(const TObjectOwner&) = delete;
    TObjectOwner& operator=(const TObjectOwner&) = delete;

    template <class T> void CreateForm(T*& global)
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

void CreateProgramObjects(widgets::Application& app);
void CreateProgramObjects(TObjectOwner& owner);
