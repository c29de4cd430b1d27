// Start-up probe: launches the menu probe and the empty-window probe several
// times each and prints the median time from process start to first paint
// and the peak resident memory of each, side by side.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long nowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct Run {
  double ms = 0;
  double peakMiB = 0;
  bool ok = false;
};

Run launch(const std::string& path) {
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_adddup2(&fa, out[1], 1);
  posix_spawn_file_actions_addclose(&fa, out[0]);
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  pid_t pid = 0;
  const long long start = nowNs();
  if (posix_spawn(&pid, path.c_str(), &fa, nullptr, argv, environ) != 0) return {};
  posix_spawn_file_actions_destroy(&fa);
  close(out[1]);
  char buf[64] = {};
  ssize_t n = read(out[0], buf, sizeof buf - 1);
  close(out[0]);
  int status = 0;
  rusage ru{};
  wait4(pid, &status, 0, &ru);
  Run r;
  if (n > 0) {
    r.ms = static_cast<double>(std::stoll(buf) - start) / 1e6;
    r.peakMiB = static_cast<double>(ru.ru_maxrss) / 1024.0;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return r;
}

Run median(const std::string& path, int runs) {
  std::vector<Run> all;
  for (int i = 0; i < runs; ++i) {
    Run r = launch(path);
    if (r.ok) all.push_back(r);
  }
  if (all.empty()) return {};
  auto mid = [&](auto key) {
    std::vector<double> v;
    for (auto& r : all) v.push_back(key(r));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  return {mid([](const Run& r) { return r.ms; }), mid([](const Run& r) { return r.peakMiB; }), true};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
  const Run menu = median(dir + "/menu_probe", runs);
  const Run empty = median(dir + "/empty_probe", runs);
  if (!menu.ok || !empty.ok) {
    std::fprintf(stderr, "startup_probe: a probe failed to paint (is DISPLAY set?)\n");
    return 1;
  }
  std::printf("start-up to first paint (median of %d): menu %.1f ms, empty window %.1f ms, ratio %.2f (target <= 1.5)\n",
              runs, menu.ms, empty.ms, menu.ms / empty.ms);
  std::printf("peak resident memory: menu %.1f MiB, empty window %.1f MiB, ratio %.2f (target <= 1.5)\n",
              menu.peakMiB, empty.peakMiB, menu.peakMiB / empty.peakMiB);
  return 0;
}
