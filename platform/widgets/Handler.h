#pragma once
// Handlers never let an exception into Qt's event dispatch: each runs inside
// Dispatch, which shows what it throws in the application-wide exception box.
// Windows connect their handlers with Connect rather than QObject::connect.
#include <QObject>
#include <functional>
#include <type_traits>

namespace widgets {

// Runs `handler`; false when it threw (the exception box has been shown).
bool Dispatch(const std::function<void()>& handler);

// Shows the exception being handled (call inside a catch block).
void ShowCurrentException();

// Connects `signal` to the handler `slot` of `receiver` (a member function or any
// callable); the handler may take the signal's arguments or none.
template <class Sender, class Signal, class Receiver, class Slot>
QMetaObject::Connection Connect(Sender* sender, Signal signal, Receiver* receiver, Slot slot)
{
    return QObject::connect(sender, signal, receiver, [receiver, slot](auto&&... args) -> void {
        Dispatch([&] {
            if constexpr (std::is_invocable_v<Slot, Receiver*, decltype(args)...>)
                std::invoke(slot, receiver, std::forward<decltype(args)>(args)...);
            else if constexpr (std::is_invocable_v<Slot, Receiver*>)
                std::invoke(slot, receiver);
            else if constexpr (std::is_invocable_v<Slot, decltype(args)...>)
                std::invoke(slot, std::forward<decltype(args)>(args)...);
            else
                std::invoke(slot);
        });
    });
}

} // namespace widgets
