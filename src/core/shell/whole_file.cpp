#include "core/shell/whole_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>

#include "core/shell/random_source.h"

namespace numeralia {

namespace fs = std::filesystem;

namespace {

// Names of temporary files tried before giving up; with six random digits a second try is
// already rare.
constexpr int kNameTries = 16;

// The stream classes say only that something failed; errno says what.
std::error_code lastError() {
    return errno ? std::error_code(errno, std::generic_category()) : std::error_code();
}

unsigned randomDigits() {
    try {
        return std::random_device()();
    } catch (...) {
        return static_cast<unsigned>(clockSeed());  // a system without a random device
    }
}

// NAME.xxxxxx.tmp beside the target, naming no file that is there; empty when every name
// tried is taken.
fs::path freeTemporaryPath(const fs::path& target) {
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%06x.tmp", randomDigits() & 0xFFFFFFu);
        fs::path temporary = target;
        temporary += suffix;
        std::error_code ec;
        // A path that cannot be looked at (a missing folder) fails when it is created.
        if (!fs::exists(fs::symlink_status(temporary, ec))) return temporary;
    }
    return {};
}

}  // namespace

WholeFile readWholeFile(const fs::path& path, std::uintmax_t largest) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return {{}, ReadProblem::notAFile};
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) return {{}, ReadProblem::notAFile};
    if (size > largest) return {{}, ReadProblem::tooLarge};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {{}, ReadProblem::cannotOpen};
    // One byte more than allowed is enough to tell a file that grew since it was measured.
    const std::uintmax_t wanted = std::min<std::uintmax_t>(
        largest, std::numeric_limits<std::size_t>::max() - 1) + 1;
    WholeFile read;
    std::array<char, 1 << 16> chunk;
    while (in && read.bytes.size() < wanted) {
        const auto count = std::min<std::uintmax_t>(chunk.size(), wanted - read.bytes.size());
        in.read(chunk.data(), static_cast<std::streamsize>(count));
        read.bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return {{}, ReadProblem::cannotRead};
    if (read.bytes.size() > largest) return {{}, ReadProblem::tooLarge};
    return read;
}

FileReplaced replaceFile(const fs::path& path, std::string_view bytes) {
    ReplaceStep step = ReplaceStep::create;
    fs::path temporary;
    std::error_code ignored;
    try {
        temporary = freeTemporaryPath(path);
        if (temporary.empty()) return {step, std::make_error_code(std::errc::file_exists)};
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return {step, lastError()};
        step = ReplaceStep::write;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        std::error_code ec = out ? std::error_code() : lastError();
        out.close();
        if (!ec && !out) ec = lastError();
        if (!out) {
            fs::remove(temporary, ignored);
            return {step, ec};
        }
        step = ReplaceStep::rename;
        fs::rename(temporary, path, ec);
        if (ec) {
            fs::remove(temporary, ignored);
            return {step, ec};
        }
        return {};
    } catch (...) {
        // Out of memory: whatever was written is not kept.
        if (step != ReplaceStep::create) fs::remove(temporary, ignored);
        return {step, {}};
    }
}

}  // namespace numeralia
