#include "platform/window/timer_table.h"

#include <algorithm>

namespace velinor {
namespace {

// Signed distance from a to b on the wrapping tick counter.
int32_t Ahead(uint32_t from, uint32_t to) {
    return static_cast<int32_t>(to - from);
}

}  // namespace

void TimerTable::Set(TimerKey key, uint32_t period, uint32_t now) {
    period = std::max(period, MinimumPeriod);
    Kill(key);
    timers_.push_back({key, period, now + period});
}

bool TimerTable::Kill(TimerKey key) {
    auto it =
        std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.key == key; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void TimerTable::KillAll(const CWnd* window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.key.window == window; });
}

std::optional<uint32_t> TimerTable::PeriodOf(TimerKey key) const {
    for (const Timer& t : timers_) {
        if (t.key == key) return t.period;
    }
    return std::nullopt;
}

std::optional<uint32_t> TimerTable::TimeToNextDue(uint32_t now) const {
    std::optional<uint32_t> next;
    for (const Timer& t : timers_) {
        uint32_t wait = static_cast<uint32_t>(std::max(Ahead(now, t.due), 0));
        if (!next || wait < *next) next = wait;
    }
    return next;
}

std::optional<TimerKey> TimerTable::TakeDue(uint32_t now) {
    Timer* first = nullptr;
    for (Timer& t : timers_) {
        if (Ahead(now, t.due) > 0) continue;
        if (first == nullptr || Ahead(t.due, first->due) > 0) first = &t;
    }
    if (first == nullptr) return std::nullopt;
    uint32_t missed = static_cast<uint32_t>(Ahead(first->due, now)) / first->period;
    first->due += (missed + 1) * first->period;
    return first->key;
}

}  // namespace velinor
