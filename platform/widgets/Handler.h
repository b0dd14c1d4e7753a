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

// Calls the handler `slot` of `receiver` with the signal's arguments, or with none when it
// takes none. A function of its own rather than a lambda inside Connect's: Clang instantiates
// a nested lambda's discarded branches along with the enclosing template, and refused them.
template <class Receiver, class Slot, class... Args>
void CallHandler(Receiver* receiver, const Slot& slot, Args&&... args)
{
    if constexpr (std::is_invocable_v<const Slot&, Receiver*, Args&&...>)
        std::invoke(slot, receiver, std::forward<Args>(args)...);
    else if constexpr (std::is_invocable_v<const Slot&, Receiver*>)
        std::invoke(slot, receiver);
    else if constexpr (std::is_invocable_v<const Slot&, Args&&...>)
        std::invoke(slot, std::forward<Args>(args)...);
    else
        std::invoke(slot);
}

// Connects `signal` to the handler `slot` of `receiver` (a member function or any
// callable); the handler may take the signal's arguments or none.
template <class Sender, class Signal, class Receiver, class Slot>
QMetaObject::Connection Connect(Sender* sender, Signal signal, Receiver* receiver, Slot slot)
{
    return QObject::connect(sender, signal, receiver, [receiver, slot](auto&&... args) -> void {
        Dispatch([&] { CallHandler(receiver, slot, std::forward<decltype(args)>(args)...); });
    });
}

} // namespace widgets
