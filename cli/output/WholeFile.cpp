#include "output/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "output/ExportTexts.h"
#include "output/Quoted.h"

namespace {

std::string failure(const std::string& path, int error)
{
    return std::string(kCannotWriteText) + inQuotes(path) + ": " + std::strerror(error);
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t permissionsFor(const std::string& path)
{
    struct stat existing;
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string writeWholeFile(const std::string& path, std::string_view content)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    if (name.empty())
        return failure(path, EISDIR);
    const std::string pattern = folder + "." + name + ".XXXXXX";
    std::vector<char> temporary(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(path, errno);
    bool ok = writeAll(fd, content) && ::fchmod(fd, permissionsFor(path)) == 0 && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.data(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok)
        return {};
    ::unlink(temporary.data());
    return failure(path, error);
}
