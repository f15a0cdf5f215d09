// Window timers: each fires when its due time on the tick counter has come, then waits a period.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace velinor {

class CWnd;

struct TimerKey {
    CWnd* window = nullptr;
    uint32_t id = 0;
    friend bool operator==(const TimerKey&, const TimerKey&) = default;
};

class TimerTable {
  public:
    // The shortest period a timer keeps, as the platform's; shorter ones are raised to it.
    static constexpr uint32_t MinimumPeriod = 10;

    // Starts the timer or restarts it with the new period, first due one period from now.
    void Set(TimerKey key, uint32_t period, uint32_t now);
    bool Kill(TimerKey key);
    void KillAll(const CWnd* window);

    // The period of a running timer; none when it does not run.
    std::optional<uint32_t> PeriodOf(TimerKey key) const;

    // Milliseconds from now until the first timer is due (0 when one is due already).
    std::optional<uint32_t> TimeToNextDue(uint32_t now) const;

    // The timer due earliest at `now` (first started on a tie), or none. It is taken as fired:
    // its next due time is the first of its periods after now, so a timer that missed many
    // periods (the clock jumped) fires once, not once per missed period.
    std::optional<TimerKey> TakeDue(uint32_t now);

  private:
    struct Timer {
        TimerKey key;
        uint32_t period;
        uint32_t due;
    };
    std::vector<Timer> timers_;  // in the order they were started
};

}  // namespace velinor
