#pragma once

#include <span>
#include <string>
#include <string_view>

// Writes `content` to `path` whole or not at all: into a temporary file in
// the same folder, flushed to the disk, then renamed over `path`, so that a
// reader (or a crash) sees the old file or the new one, never half of one.
// A new file gets the permissions the umask leaves; a replaced one keeps its
// own. Returns the problem, naming the path, or empty on success; on failure
// nothing is left behind and an existing file is untouched.
std::string writeWholeFile(const std::string& path, std::string_view content);

struct FileText {
    std::string path;
    std::string_view content;
};

// The files of one export together: every one is written to its temporary
// file before any is renamed, so that one that cannot be written leaves all
// of them as they were. (A rename within a folder fails only where the path
// has become a folder meanwhile; the ones before it then stay renamed.)
std::string writeWholeFiles(std::span<const FileText> files);
