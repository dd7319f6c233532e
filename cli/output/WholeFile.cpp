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

// The file's content in a temporary file beside it, flushed; its name in
// `temporary`. On failure nothing is left and the problem is returned.
std::string writeTemporary(const FileText& file, std::string& temporary)
{
    const std::string& path = file.path;
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    struct stat existing;
    if (name.empty() || (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)))
        return failure(path, EISDIR);
    const std::string pattern = folder + "." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0)
        return failure(path, errno);
    bool ok = writeAll(fd, file.content) && ::fchmod(fd, permissionsFor(path)) == 0 && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(buffer.data());
        return failure(path, error);
    }
    temporary = buffer.data();
    return {};
}

}  // namespace

std::string writeWholeFile(const std::string& path, std::string_view content)
{
    const FileText file{path, content};
    return writeWholeFiles({&file, 1});
}

std::string writeWholeFiles(std::span<const FileText> files)
{
    std::vector<std::string> temporaries(files.size());
    std::string problem;
    std::size_t written = 0;
    while (written < files.size() && (problem = writeTemporary(files[written], temporaries[written])).empty())
        ++written;
    for (std::size_t i = 0; i < written && problem.empty(); ++i)
        if (::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0)
            problem = failure(files[i].path, errno);
    // Whatever was not renamed goes; unlinking a renamed one's old name fails harmlessly.
    if (!problem.empty())
        for (std::size_t i = 0; i < written; ++i)
            ::unlink(temporaries[i].c_str());
    return problem;
}
