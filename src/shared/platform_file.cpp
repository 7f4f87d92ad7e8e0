#include "shared/platform_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <thread>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif

namespace ombrix::platform {

namespace {

constexpr int kNameAttempts = 100;

std::string unique_name() {
  thread_local std::mt19937_64 generator{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string name = ".ombrix-";
  std::uint64_t bits = generator();
  for (int i = 0; i < 12; ++i, bits >>= 4) name += kDigits[bits & 15];
  return name + ".tmp";
}

std::string in_folder(const std::string& folder, const std::string& name) {
  return (std::filesystem::path(folder) / name).string();
}

std::string system_reason(int error) { return std::generic_category().message(error); }

}  // namespace

#if defined(_WIN32)

FileHandle open_regular_file(const std::string& path, std::string& fault) {
  struct _stat64 status;
  if (_stat64(path.c_str(), &status) != 0) {
    fault = errno == ENOENT ? "there is no such file" : "the file cannot be opened";
    return kNoHandle;
  }
  if ((status.st_mode & _S_IFMT) != _S_IFREG) {
    fault = kNotARegularFile;
    return kNoHandle;
  }
  const FileHandle handle = _open(path.c_str(), _O_RDONLY | _O_BINARY);
  if (handle == kNoHandle) fault = "the file cannot be opened";
  return handle;
}

long long read_some(FileHandle handle, char* buffer, std::size_t size) {
  const unsigned piece = size > (1u << 30) ? (1u << 30) : static_cast<unsigned>(size);
  return _read(handle, buffer, piece);
}

namespace {

// Creates the file at `path` only if no file has that name; kNoHandle with errno set otherwise.
FileHandle create_new_file(const std::string& path) {
  return _open(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
}

}  // namespace

FileHandle open_stream_for_writing(const std::string& path, std::string& fault) {
  const FileHandle handle = _open(path.c_str(), _O_WRONLY | _O_BINARY);
  if (handle == kNoHandle) fault = system_reason(errno);
  return handle;
}

bool copy_permissions(FileHandle, const std::string& model_path) {
  struct _stat64 status;
  return _stat64(model_path.c_str(), &status) == 0;  // the read-only flag is the file's, kept on rename
}

bool write_all(FileHandle handle, std::string_view bytes, std::string& fault) {
  while (!bytes.empty()) {
    const unsigned piece = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned>(bytes.size());
    const int written = _write(handle, bytes.data(), piece);
    if (written <= 0) {
      fault = system_reason(errno);
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool close_file(FileHandle handle, bool flush) {
  const bool flushed = !flush || _commit(handle) == 0;
  return _close(handle) == 0 && flushed;
}

#else

FileHandle open_regular_file(const std::string& path, std::string& fault) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
  const FileHandle handle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (handle == kNoHandle) {
    fault = errno == ENOENT ? "there is no such file" : "the file cannot be opened";
    return kNoHandle;
  }
  struct stat status;
  if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(handle);
    fault = kNotARegularFile;
    return kNoHandle;
  }
  return handle;
}

long long read_some(FileHandle handle, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(handle, buffer, size);
    if (count >= 0 || errno != EINTR) return count;
  }
}

namespace {

// Creates the file at `path` only if no file has that name; kNoHandle with errno set otherwise.
// The mode is narrowed by the umask, as any new file's is.
FileHandle create_new_file(const std::string& path) {
  return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOCTTY | O_CLOEXEC, 0666);
}

}  // namespace

FileHandle open_stream_for_writing(const std::string& path, std::string& fault) {
  // A pipe with no reader refuses a non-blocking open: its reader may still be starting.
  constexpr auto kReaderWait = std::chrono::seconds(3);
  const auto give_up = std::chrono::steady_clock::now() + kReaderWait;
  for (;;) {
    const FileHandle handle = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle != kNoHandle) {
      const int flags = ::fcntl(handle, F_GETFL);
      if (flags != -1 && ::fcntl(handle, F_SETFL, flags & ~O_NONBLOCK) == 0) return handle;
      fault = system_reason(errno);
      ::close(handle);
      return kNoHandle;
    }
    if (errno != ENXIO || std::chrono::steady_clock::now() >= give_up) {
      fault = errno == ENXIO ? "nothing reads from the pipe" : system_reason(errno);
      return kNoHandle;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

bool copy_permissions(FileHandle handle, const std::string& model_path) {
  struct stat status;
  if (::stat(model_path.c_str(), &status) != 0) return false;
  // Only root may give a file away; anyone else keeps the new file as their own.
  if (::fchown(handle, status.st_uid, status.st_gid) != 0 && errno != EPERM) return false;
  return ::fchmod(handle, status.st_mode & 07777) == 0;
}

namespace {

// A reader that leaves a pipe early raises SIGPIPE, which would end the whole program, the window
// included: the signal is held back while writing, so that the write fails and says so instead.
class HeldPipeSignal {
 public:
  HeldPipeSignal() {
    sigemptyset(&pipe_signal_);
    sigaddset(&pipe_signal_, SIGPIPE);
    was_pending_ = pending();
    pthread_sigmask(SIG_BLOCK, &pipe_signal_, &old_mask_);
  }
  ~HeldPipeSignal() {
    if (!was_pending_ && pending()) {
      const timespec no_wait{};
      sigtimedwait(&pipe_signal_, nullptr, &no_wait);
    }
    pthread_sigmask(SIG_SETMASK, &old_mask_, nullptr);
  }
  HeldPipeSignal(const HeldPipeSignal&) = delete;
  HeldPipeSignal& operator=(const HeldPipeSignal&) = delete;

 private:
  bool pending() const {
    sigset_t signals;
    return sigpending(&signals) == 0 && sigismember(&signals, SIGPIPE) == 1;
  }

  sigset_t pipe_signal_;
  sigset_t old_mask_;
  bool was_pending_ = false;
};

}  // namespace

bool write_all(FileHandle handle, std::string_view bytes, std::string& fault) {
  const HeldPipeSignal held;
  while (!bytes.empty()) {
    const ssize_t written = ::write(handle, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      fault = system_reason(written < 0 ? errno : EIO);
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool close_file(FileHandle handle, bool flush) {
  const bool flushed = !flush || ::fsync(handle) == 0;
  return ::close(handle) == 0 && flushed;
}

#endif

bool standard_error_is_terminal() {
#if defined(_WIN32)
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

FileHandle create_unique_file(const std::string& folder, std::string& path, std::string& fault) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string candidate = in_folder(folder, unique_name());
    const FileHandle handle = create_new_file(candidate);
    if (handle != kNoHandle) {
      path = candidate;
      return handle;
    }
    if (errno != EEXIST) {
      fault = system_reason(errno);
      return kNoHandle;
    }
  }
  fault = "no name of its own could be found for the new file";
  return kNoHandle;
}

}  // namespace ombrix::platform
