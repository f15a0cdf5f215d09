// Running part of a test as a program of its own: the child's limits, capabilities and locks
// stay its own.
#pragma once

#include <linux/capability.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <type_traits>

namespace velinor::test {

// Runs body in a child process, as a program of its own, and brings its result back; nothing
// when a signal ended the child.
template <class Result>
std::optional<Result> InChild(const std::function<Result()>& body) {
    static_assert(std::is_trivially_copyable_v<Result>);
    void* shared =
        mmap(nullptr, sizeof(Result), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        *static_cast<Result*>(shared) = body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::optional<Result> result;
    if (child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        result = *static_cast<Result*>(shared);
    munmap(shared, sizeof(Result));
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
