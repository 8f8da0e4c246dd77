#pragma once

#include <QByteArray>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace vantaloop::platform {

inline unsigned parseDosAttributes(const char *value, ssize_t length)
{
    if (length <= 2 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X'))
        return 0;
    bool ok = false;
    const unsigned mask = QByteArray(value + 2, int(length) - 2).toUInt(&ok, 16);
    return ok ? mask : 0;
}

// The attribute mask Samba and Wine keep in user.DOSATTRIB as the text "0x" and hex
// digits; 0 when the file has none or it cannot be read.
inline unsigned storedDosAttributes(const char *encodedPath)
{
    char value[64] = {};
    return parseDosAttributes(value,
                              ::getxattr(encodedPath, "user.DOSATTRIB", value, sizeof value - 1));
}

// The same for a name in an open folder. Kernels from 6.13 read it relative to the
// folder (getxattrat), which spares a lookup of the whole path for every file of a
// listing; older ones take the path.
inline unsigned storedDosAttributesAt(int folder, const char *name, const char *encodedPath)
{
#if defined(__x86_64__) || defined(__aarch64__)
    constexpr long getxattrat = 464; // the same number on both
    static std::atomic<bool> available{true};
    if (available.load(std::memory_order_relaxed)) {
        char value[64] = {};
        struct {
            std::uint64_t value;
            std::uint32_t size;
            std::uint32_t flags;
        } args{reinterpret_cast<std::uintptr_t>(value), sizeof value - 1, 0};
        const long length = ::syscall(getxattrat, folder, name, AT_SYMLINK_NOFOLLOW,
                                      "user.DOSATTRIB", &args, sizeof args);
        if (length >= 0 || (errno != ENOSYS && errno != EINVAL))
            return parseDosAttributes(value, ssize_t(length));
        available.store(false, std::memory_order_relaxed);
    }
#else
    Q_UNUSED(folder);
    Q_UNUSED(name);
#endif
    return storedDosAttributes(encodedPath);
}

} // namespace vantaloop::platform
