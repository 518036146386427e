// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a program takes to map its first top-level window on the X display that
// DISPLAY names, the processor time it has used when it is stopped SETTLE_MS later (with 0, what
// it took to get there, which load from other work on the machine hardly changes), and how much
// memory it holds then, over several runs, and prints the medians. Run on a display without a
// window manager (Xvfb), where top-level windows are children of the root window. Usage:
// window_start_bench RUNS SETTLE_MS PROGRAM [ARGUMENTS...]
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double map_ms = 0;
  double cpu_ms = 0;
  long rss_kib = 0;
  long pss_kib = 0;
};

// The "Rss:" and "Pss:" totals of /proc/PID/smaps_rollup, in KiB.
void ReadMemory(pid_t pid, Sample& sample) {
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  for (std::string line; std::getline(rollup, line);) {
    long* total = line.starts_with("Rss:")   ? &sample.rss_kib
                  : line.starts_with("Pss:") ? &sample.pss_kib
                                             : nullptr;
    if (total != nullptr) *total = std::atol(line.c_str() + 4);
  }
}

// Waits up to timeout for a MapNotify of any child of the root window.
bool WaitForMap(xcb_connection_t* connection, Clock::duration timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  while (Clock::now() < deadline) {
    while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
        xcb_poll_for_event(connection), &std::free}) {
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) return true;
    }
    if (xcb_connection_has_error(connection) != 0) return false;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    poll(&watched, 1, 5);
  }
  return false;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s RUNS SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int settle_ms = std::atoi(argv[2]);
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  std::vector<Sample> samples;
  for (int run = 0; run < runs; ++run) {
    while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> stale{
        xcb_poll_for_event(connection), &std::free}) {
    }
    Sample sample;
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&pid, argv[3], nullptr, nullptr, argv + 3, environ) != 0) {
      std::fprintf(stderr, "cannot start %s\n", argv[3]);
      return 1;
    }
    const bool mapped = WaitForMap(connection, std::chrono::seconds(20));
    sample.map_ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (mapped) {
      std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
      ReadMemory(pid, sample);
    }
    kill(pid, SIGTERM);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    sample.cpu_ms = std::chrono::duration<double, std::milli>(
                        std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec))
                        .count();
    if (!mapped) {
      std::fprintf(stderr, "%s mapped no window\n", argv[3]);
      return 1;
    }
    std::printf("run %2d: mapped after %7.1f ms, cpu %7.1f ms, Rss %6ld KiB, Pss %6ld KiB\n",
                run + 1, sample.map_ms, sample.cpu_ms, sample.rss_kib, sample.pss_kib);
    samples.push_back(sample);
  }
  std::vector<double> map_ms;
  std::vector<double> cpu_ms;
  std::vector<long> rss;
  std::vector<long> pss;
  for (const Sample& sample : samples) {
    map_ms.push_back(sample.map_ms);
    cpu_ms.push_back(sample.cpu_ms);
    rss.push_back(sample.rss_kib);
    pss.push_back(sample.pss_kib);
  }
  std::printf("median of %d: mapped after %.1f ms, cpu %.1f ms, Rss %ld KiB, Pss %ld KiB\n", runs,
              Median(map_ms), Median(cpu_ms), Median(rss), Median(pss));
  xcb_disconnect(connection);
  return 0;
}
