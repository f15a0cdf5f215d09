// Message and command tables: entries mapping a message (or a command identifier) to a handler,
// looked up in order, class by class from the most derived one to its bases.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <type_traits>

#include "platform/window/messages.h"

namespace velinor {

class CCmdTarget;

struct MessageEntry {
    uint32_t message = 0;
    uint32_t id = 0;  // the command identifier, for WM_COMMAND
    void (*invoke)(CCmdTarget& target, const Message& message) = nullptr;
};

struct MessageMap {
    const MessageMap* base = nullptr;
    std::span<const MessageEntry> entries;
};

class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;

    // Runs the first entry that takes the message; false when no table has one.
    bool OnCmdMsg(const Message& message);

  protected:
    // A class with a table overrides this and chains to its base's: `static const MessageMap
    // map{Base::GetMessageMap(), entries}`.
    virtual const MessageMap* GetMessageMap() const;
};

// A handler is a member function of the table's class or a free function taking it first.
template <class F>
struct HandlerClass;
template <class C, class R, class... A>
struct HandlerClass<R (C::*)(A...)> {
    using type = C;
};
template <class C, class R, class... A>
struct HandlerClass<R (*)(C&, A...)> {
    using type = C;
};

// Stylus handlers may take the client position (x, y); timer and key handlers the identifier.
template <uint32_t Msg, auto Handler>
void InvokeHandler(CCmdTarget& target, const Message& m) {
    using F = decltype(Handler);
    using Class = typename HandlerClass<F>::type;
    static_assert(std::is_base_of_v<CCmdTarget, Class>);
    Class& self = static_cast<Class&>(target);
    if constexpr (IsStylusMessage(Msg) && std::is_invocable_v<F, Class&, int, int>) {
        std::invoke(Handler, self, m.point.x, m.point.y);
    } else if constexpr ((Msg == WM_TIMER || Msg == WM_KEYDOWN) &&
                         std::is_invocable_v<F, Class&, uint32_t>) {
        std::invoke(Handler, self, m.id);
    } else {
        static_assert(std::is_invocable_v<F, Class&>, "the handler cannot take this message");
        std::invoke(Handler, self);
    }
}

template <uint32_t Msg, auto Handler>
constexpr MessageEntry OnMessage{Msg, 0, &InvokeHandler<Msg, Handler>};

template <uint32_t Id, auto Handler>
constexpr MessageEntry OnCommand{WM_COMMAND, Id, &InvokeHandler<WM_COMMAND, Handler>};

}  // namespace velinor
