#pragma once
// Files the program reads and writes in one piece: the settings file, bets files and
// statistics data files. Reading takes a file whole or not at all; writing goes through a
// temporary file beside the target, so that a failed write leaves an existing file as it
// was and never touches another file of the user's.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace numeralia {

enum class ReadProblem {
    none,
    notAFile,    // missing, or a folder or device rather than a file
    tooLarge,    // more bytes than the caller accepts
    cannotOpen,  // there, but it could not be opened
    cannotRead,  // opened, but reading stopped before its end
};

struct WholeFile {
    std::string bytes;  // the whole file; empty when there is a problem
    ReadProblem problem = ReadProblem::none;
    bool ok() const { return problem == ReadProblem::none; }
};

// Reads a regular file of at most `largest` bytes.
WholeFile readWholeFile(const std::filesystem::path& path, std::uintmax_t largest);

enum class ReplaceStep { none, create, write, rename };

struct FileReplaced {
    ReplaceStep failed = ReplaceStep::none;  // the step that failed, none on success
    std::error_code error;  // what the system said; empty when it gave no reason
    bool ok() const { return failed == ReplaceStep::none; }
};

// Writes `bytes` to a new file NAME.xxxxxx.tmp beside the target NAME (xxxxxx: six random
// hexadecimal digits, never the name of a file that is there) and renames it over the
// target. On any failure the temporary file is removed and the target is left as it was.
// Never throws.
FileReplaced replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace numeralia
