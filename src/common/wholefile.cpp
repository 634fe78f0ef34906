#include "common/wholefile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace common {

namespace {

std::string reasonOf(int error)
{
    return std::strerror(error);
}

std::string directoryOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, following symbolic links (at most as many as the system
// would); a dangling link names the file it would create.
std::optional<std::string> linkTarget(std::string path, int &error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info
        {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::vector<char> target(
            static_cast<std::size_t>(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            error = errno;
            return std::nullopt;
        }
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : directoryOf(path) + "/" + next;
    }
    error = ELOOP;
    return std::nullopt;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions of a new file: those of the file it replaces, or what the umask leaves.
mode_t permissionsFor(const std::string &path)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string &path, std::string_view bytes)
{
    int error = 0;
    const auto target = linkTarget(path, error);
    if (!target)
        return reasonOf(error);
    // A hidden name beside the file, short enough for any file name the folder can hold.
    const std::string name = target->substr(target->rfind('/') + 1).substr(0, 200);
    std::string temporary = directoryOf(*target) + "/." + name + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return reasonOf(errno);
    bool done
        = writeAll(fd, bytes) && ::fchmod(fd, permissionsFor(*target)) == 0 && ::fsync(fd) == 0;
    error = done ? 0 : errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.c_str(), target->c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (done)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return reasonOf(error);
}

} // namespace common
