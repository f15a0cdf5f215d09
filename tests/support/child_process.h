// Running part of a test as a program of its own: the child's limits, capabilities and locks
// stay its own.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <type_traits>

namespace velinor::test {

// Runs body in a child process, as a program of its own, and brings its result back; nothing
// when a signal ended the child.
template <class Result>
std::optional<Result> InChild(const std::function<Result()>& body) {
    static_assert(std::is_trivially_copyable_v<Result>);
    int channel[2];
    if (pipe(channel) != 0) return std::nullopt;
    pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        Result result = body();
        bool sent = write(channel[1], &result, sizeof(result)) == sizeof(result);
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    Result result{};
    auto bytes = reinterpret_cast<char*>(&result);
    size_t got = 0;
    for (ssize_t n = 1; n > 0 && got < sizeof(result); got += static_cast<size_t>(n))
        n = std::max<ssize_t>(read(channel[0], bytes + got, sizeof(result) - got), 0);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != sizeof(result) || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return result;
}

// Root passes every permission check; without these capabilities it meets the mode bits as the
// files' owner, like anyone else.
inline void HonourFileModes() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0) return;
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        data[capability / 32].effective &= ~(1u << (capability % 32));
    syscall(SYS_capset, &header, data);
}

}  // namespace velinor::test
