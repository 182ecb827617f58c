#include "cli/cli_external.h"

#include <CLI/CLI.hpp>

namespace qvn::cli {
namespace {

// Ten years, beyond which an age means nothing more.
constexpr long long kLongestAge = 10LL * 366 * 86400;

}  // namespace

std::optional<long long> ParseAge(std::string_view text) {
  long long unit = 1;
  if (!text.empty()) {
    switch (text.back()) {
      case 's': unit = 1; break;
      case 'm': unit = 60; break;
      case 'h': unit = 3600; break;
      case 'd': unit = 86400; break;
      default: unit = 0;
    }
    if (unit != 0) text.remove_suffix(1);
    if (unit == 0) unit = 1;
  }
  if (text.empty() || text.size() > 12) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > kLongestAge / unit) return std::nullopt;
  return value * unit;
}

void AddExternalFlags(CLI::App& command, ExternalFlags& flags) {
  command.add_flag("--external", flags.external,
                   "Also ask the servers of links to other sites (http, https) whether they answer");
  command
      .add_option_function<int>(
          "--external-jobs", [&flags](int value) { flags.jobs = value; },
          "With --external: requests under way at once (default 16; 2 at most per host)")
      ->option_text("N")
      ->check(CLI::Range(1, 256));
  command
      .add_option_function<int>(
          "--external-timeout", [&flags](int value) { flags.timeout_seconds = value; },
          "With --external: seconds one request may take, redirects included (default 30)")
      ->option_text("S")
      ->check(CLI::Range(1, 3600));
  command
      .add_option_function<std::string>(
          "--external-cache",
          [&flags](const std::string& value) { flags.cache_seconds = ParseAge(value); },
          "With --external: how long answers are kept in the data folder and not asked again, "
          "as seconds or with s, m, h or d (default 1d; 0 keeps none)")
      ->option_text("AGE")
      ->check([](const std::string& value) {
        return ParseAge(value) ? std::string() : "not an age such as 90s, 30m, 12h or 1d: " + value;
      });
  // Tests run against a server on this machine and must never reach another.
  command.add_flag("--external-loopback-only", flags.loopback_only)->group("");
}

MoreChecks CombineExternal(MoreChecks more, const ExternalFlags& flags) {
  more.external |= flags.external;
  if (flags.jobs) more.external_jobs = *flags.jobs;
  if (flags.timeout_seconds) more.external_timeout_seconds = *flags.timeout_seconds;
  if (flags.cache_seconds) more.external_cache_seconds = *flags.cache_seconds;
  more.external_loopback_only = flags.loopback_only;
  return more;
}

}  // namespace qvn::cli
