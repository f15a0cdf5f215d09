#include "platform/registry/registry_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace velinor {

namespace {

constexpr size_t HeaderSize = 100;
constexpr char Magic[] = "SQLite format 3";  // with its terminator: the first 16 bytes
constexpr size_t VersionOffset = 18;         // write and read version: 1 rollback, 2 WAL
constexpr size_t ApplicationIdOffset = 68;   // big-endian

}  // namespace

StoreFile ClassifyStoreFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? StoreFile::Missing : StoreFile::Unreadable;
    std::array<uint8_t, HeaderSize> header{};
    ssize_t got = pread(fd, header.data(), header.size(), 0);
    close(fd);
    if (got < 0) return StoreFile::Unreadable;
    if (got == 0) return StoreFile::Empty;
    if (got != static_cast<ssize_t>(HeaderSize)) return StoreFile::Foreign;
    uint32_t id = 0;
    for (size_t i = 0; i < 4; ++i)
        id = id << 8 | header[ApplicationIdOffset + i];
    bool ours = std::memcmp(header.data(), Magic, sizeof(Magic)) == 0 &&
                header[VersionOffset] == 1 && header[VersionOffset + 1] == 1 &&
                id == static_cast<uint32_t>(RegistryApplicationId);
    return ours ? StoreFile::Ours : StoreFile::Foreign;
}

void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO) &&
        current.sa_handler == SIG_DFL)
        signal(SIGXFSZ, SIG_IGN);
}

}  // namespace velinor
