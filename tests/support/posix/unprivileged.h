#pragma once
// Runs a check of permissions even when the tests run as root: in a child
// process inside a new user namespace, where root's files are not its own,
// so mode 000 refuses it as it refuses any user.

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace qvn::test {

/// What RunUnprivileged returns when no user namespace can be made here.
inline constexpr int kNoUserNamespace = 77;

/// Runs body in a forked child that cannot pass file permissions (the
/// current user when not root, else a user namespace) and returns its exit
/// code: body's result, or kNoUserNamespace.
inline int RunUnprivileged(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (geteuid() == 0 && unshare(CLONE_NEWUSER) != 0) _exit(kNoUserNamespace);
    _exit(body());
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace qvn::test
