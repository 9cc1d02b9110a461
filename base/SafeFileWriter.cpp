#include "base/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int kCreateAttempts = 16;
constexpr std::size_t kLargestWrite = std::size_t{1} << 30; // fits every platform's count type

std::string ErrnoText() {
    return std::strerror(errno);
}

int CreateExclusive(const std::string& path) {
#ifdef _WIN32
    return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
}

int OpenExisting(const std::string& path) {
#ifdef _WIN32
    return _open(path.c_str(), _O_WRONLY | _O_BINARY);
#else
    return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
#endif
}

long long WriteSome(int descriptor, const void* data, std::size_t size) {
#ifdef _WIN32
    return _write(descriptor, data, static_cast<unsigned>(size));
#else
    return ::write(descriptor, data, size);
#endif
}

int FlushToDisk(int descriptor) {
#ifdef _WIN32
    return _commit(descriptor);
#else
    return ::fsync(descriptor);
#endif
}

int CloseDescriptor(int descriptor) {
#ifdef _WIN32
    return _close(descriptor);
#else
    return ::close(descriptor);
#endif
}

// A replaced file keeps the permissions it had, as it did when it was rewritten in place.
bool KeepTargetMode([[maybe_unused]] int descriptor, [[maybe_unused]] const std::string& target) {
#ifndef _WIN32
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return ::fchmod(descriptor, status.st_mode & 07777) == 0;
    }
#endif
    return true;
}

std::string RandomSuffix() {
    static std::mt19937_64 generator{std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

} // namespace

SafeFileWriter::SafeFileWriter(std::string target_) : target(std::move(target_)) {}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

bool SafeFileWriter::Open() {
    std::filesystem::path path(target);
    if (target.empty() || !path.has_filename()) {
        return Fail("no file name");
    }
    std::error_code code;
    const std::filesystem::file_status status = std::filesystem::status(path, code);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status)) {
        // A device or a pipe (/dev/stdout in a script) is written as it is, never replaced.
        descriptor = OpenExisting(target);
        inPlace = descriptor >= 0;
        return inPlace ? true : Fail(ErrnoText());
    }
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, code))) {
        // Replace the file the link names and keep the link.
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, code);
        if (!code) {
            path = resolved;
        }
    }
    finalPath = path.string();
    for (int attempt = 0; attempt < kCreateAttempts && descriptor < 0; ++attempt) {
        // Hidden, and in the same folder so the final rename never crosses file systems.
        std::string name = ".";
        name.append(path.filename().string()).append(".").append(RandomSuffix()).append(".tmp");
        temporary = (path.parent_path() / name).string();
        descriptor = CreateExclusive(temporary);
        if (descriptor < 0 && errno != EEXIST) {
            break;
        }
    }
    if (descriptor < 0) {
        std::string reason = ErrnoText();
        temporary.clear();
        return Fail(reason);
    }
    if (!KeepTargetMode(descriptor, finalPath)) {
        return Fail(ErrnoText());
    }
    return true;
}

bool SafeFileWriter::Write(const void* data, std::size_t size) {
    if (failed || descriptor < 0) {
        return failed ? false : Fail("the file is not open");
    }
    const auto* at = static_cast<const char*>(data);
    while (size > 0) {
        const long long written = WriteSome(descriptor, at, std::min(size, kLargestWrite));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail(ErrnoText());
        }
        if (written == 0) {
            return Fail("the device accepted no more data");
        }
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool SafeFileWriter::Commit() {
    if (failed || descriptor < 0) {
        return failed ? false : Fail("the file is not open");
    }
    // Late write errors (delayed allocation, network file systems) only show here.
    if (!inPlace && FlushToDisk(descriptor) != 0) {
        return Fail(ErrnoText());
    }
    const int closed = CloseDescriptor(descriptor);
    descriptor = -1;
    if (closed != 0) {
        return Fail(ErrnoText());
    }
    if (inPlace) {
        return true;
    }
    std::error_code code;
    std::filesystem::rename(temporary, finalPath, code);
    if (code) {
        return Fail(code.message());
    }
    temporary.clear();
    return true;
}

bool SafeFileWriter::Fail(const std::string& reason) {
    if (!failed) {
        error = reason;
        failed = true;
    }
    Discard();
    return false;
}

void SafeFileWriter::Discard() {
    if (descriptor >= 0) {
        CloseDescriptor(descriptor);
        descriptor = -1;
    }
    if (!temporary.empty()) {
        std::remove(temporary.c_str());
        temporary.clear();
    }
}
