#include "shell/result_file.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>

namespace {

/// Links followed before a chain counts as a loop (the kernel's own limit).
constexpr int kMaxLinkHops = 40;
/// Fresh temporary names tried before giving up; each clash means a file of
/// that exact random name already exists, so more than one is already rare.
constexpr int kTemporaryAttempts = 16;

/// Closes its descriptor on every way out of a function.
struct Descriptor {
  int fd;
  explicit Descriptor(int opened) : fd(opened) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  /// Closes now; a failed close can be the first sign of a lost write.
  bool close() {
    const int open = fd;
    fd = -1;
    return ::close(open) == 0;
  }
};

/// The name a chain of links ends at, and what is there.
struct Destination {
  std::string path;
  bool exists = false;
  struct stat status {};
};

/// The folder part of a path: "" for a bare name, "/" for a name in the root.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string inFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + '/' + name;
}

/// Follows `name` through symbolic links, a relative target read from the
/// link's own folder. False for a loop, an unreadable link or a name that
/// cannot be looked at (a folder on the way that is a file, say); a missing
/// name is fine, since it is then created.
bool followLinks(const std::string& name, Destination& destination) {
  std::string path = name;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
      if (errno != ENOENT) return false;
      destination.path = path;
      destination.exists = false;
      return true;
    }
    if (!S_ISLNK(status.st_mode)) {
      destination.path = path;
      destination.exists = true;
      destination.status = status;
      return true;
    }
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return false;
    target.resize(static_cast<std::size_t>(length));
    path = target.front() == '/' ? target : inFolder(folderOf(path), target);
  }
  return false;
}

bool writeAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

/// 64 random bits; the clock stands in where the system offers no random
/// source (the exclusive creation keeps that safe, only guessable).
std::uint64_t randomBits() {
  try {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
  } catch (...) {
    return static_cast<std::uint64_t>(
               std::chrono::steady_clock::now().time_since_epoch().count()) ^
           (static_cast<std::uint64_t>(::getpid()) << 40);
  }
}

/// A name nobody can plant a file at ahead of time, and of one fixed length
/// whatever the target's, so that every name that fits a folder also works.
std::string temporaryName() {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name = ".zunoka-";
  std::uint64_t bits = randomBits();
  for (int digit = 0; digit < 16; ++digit, bits >>= 4) name += kHex[bits & 0xF];
  return name;
}

/// Creates a file that did not exist before in `folder`; never opens or
/// follows anything already there. -1 on failure.
int createTemporary(const std::string& folder, mode_t mode, std::string& path) {
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    path = inFolder(folder, temporaryName());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

/// OwnerNotKept and FolderNotWritable leave the old file untouched and say
/// that rewriting it in place can still succeed.
enum class Replacement { Done, Failed, OwnerNotKept, FolderNotWritable };

/// Writes a complete new file beside the destination and renames it over
/// the old one, which is therefore either untouched or wholly replaced.
Replacement replaceWhole(const Destination& destination, const std::string& content) {
  std::string temporary;
  Descriptor file(createTemporary(folderOf(destination.path), destination.exists ? 0600 : 0666,
                                  temporary));
  if (file.fd < 0) {
    return errno == EACCES || errno == EPERM ? Replacement::FolderNotWritable
                                             : Replacement::Failed;
  }
  bool written = true;
  if (destination.exists) {
    const struct stat& old = destination.status;
    struct stat made {};
    written = ::fstat(file.fd, &made) == 0;
    if (written && (made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(file.fd, old.st_uid, old.st_gid) != 0) {
      const bool notPermitted = errno == EPERM;
      file.close();
      ::unlink(temporary.c_str());
      return notPermitted ? Replacement::OwnerNotKept : Replacement::Failed;
    }
    // After the owner, since a change of owner clears the set-id bits.
    written = written && ::fchmod(file.fd, old.st_mode & 07777) == 0;
  }
  written = written && writeAll(file.fd, content) && ::fsync(file.fd) == 0;
  written = file.close() && written;
  written = written && ::rename(temporary.c_str(), destination.path.c_str()) == 0;
  if (!written) ::unlink(temporary.c_str());
  return written ? Replacement::Done : Replacement::Failed;
}

/// Overwrites an open regular file from its start and cuts it to the new
/// length. Room is claimed first, so that a full disk or the file-size limit
/// fails before the first old byte changes.
bool rewriteInPlace(Descriptor& file, const std::string& content) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      content.size() > limit.rlim_cur) {
    return false;
  }
#ifdef FALLOC_FL_KEEP_SIZE
  if (!content.empty() &&
      ::fallocate(file.fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(content.size())) != 0 &&
      errno != EOPNOTSUPP && errno != ENOSYS) {
    return false;
  }
#endif
  bool written = writeAll(file.fd, content) &&
                 ::ftruncate(file.fd, static_cast<off_t>(content.size())) == 0 &&
                 ::fsync(file.fd) == 0;
  return file.close() && written;
}

/// Writes to the reader of a FIFO, waiting for it to read. A reader that goes
/// away fails the write instead of ending the program with SIGPIPE.
bool writeToFifo(Descriptor& file, const std::string& content) {
  const int flags = ::fcntl(file.fd, F_GETFL);
  if (flags < 0 || ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return false;
  sigset_t brokenPipe;
  sigset_t previous;
  sigset_t pending;
  sigemptyset(&brokenPipe);
  sigaddset(&brokenPipe, SIGPIPE);
  ::sigprocmask(SIG_BLOCK, &brokenPipe, &previous);
  const bool alreadyPending = ::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
  const bool written = writeAll(file.fd, content);
  if (!written && !alreadyPending && errno == EPIPE) {
    const struct timespec noWait {};
    ::sigtimedwait(&brokenPipe, nullptr, &noWait);  // discards our own SIGPIPE
  }
  ::sigprocmask(SIG_SETMASK, &previous, nullptr);
  return file.close() && written;
}

}  // namespace

bool writeResultFile(const std::string& name, const std::string& content) {
  // The system reads a name only up to a NUL byte: a typed name holding one
  // would silently write another file (without ".euc", perhaps a data file).
  if (name.empty() || name.find('\0') != std::string::npos) return false;
  Destination destination;
  if (!followLinks(name, destination)) return false;
  if (!destination.exists) return replaceWhole(destination, content) == Replacement::Done;
  const bool fifo = S_ISFIFO(destination.status.st_mode);
  if (!fifo && !S_ISREG(destination.status.st_mode)) return false;
  // Opening first checks that the file may be written at all (replacing it
  // would sidestep a read-only file); without blocking, a FIFO that has no
  // reader is answered at once.
  Descriptor file(
      ::open(destination.path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.fd < 0) return false;
  struct stat opened {};
  if (::fstat(file.fd, &opened) != 0 || opened.st_dev != destination.status.st_dev ||
      opened.st_ino != destination.status.st_ino) {
    return false;  // something else was put there since it was looked at
  }
  if (fifo) return writeToFifo(file, content);
  if (opened.st_nlink == 1) {
    destination.status = opened;
    const Replacement replaced = replaceWhole(destination, content);
    // A file its owner may write stays writable in a folder they may not.
    if (replaced != Replacement::OwnerNotKept && replaced != Replacement::FolderNotWritable) {
      return replaced == Replacement::Done;
    }
  }
  return rewriteInPlace(file, content);
}
