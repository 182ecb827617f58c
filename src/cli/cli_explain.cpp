#include "cli/cli_explain.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cli/cli_run.h"
#include "core/check/page_explain.h"

namespace qvn::cli {
namespace {

// "" when value is a line number: decimal digits (a leading 0 does not make
// it octal), 1 or more, within range. Otherwise a short message with the value.
std::string LineNumberProblem(const std::string& value) {
  const std::string shown = value.size() > 24 ? value.substr(0, 21) + "..." : value;
  if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
    return "the line number must be written in decimal digits: " + shown;
  const std::string digits = value.substr(std::min(value.find_first_not_of('0'), value.size()));
  if (digits.empty()) return "the line number must be 1 or more: " + shown;
  if (digits.size() > 18) return "the line number is too large: " + shown;
  return {};
}

}  // namespace

CLI::App* AddExplainCommand(CLI::App& app, ExplainArguments& arguments,
                            std::optional<std::string>& top, std::optional<std::string>& links,
                            std::string& settings_file) {
  CLI::App* explain = app.add_subcommand(
      "explain", "Tell step by step how a check treats the link on one line of a page");
  explain->add_option("page", arguments.page, "The page")->option_text("PAGE")->required();
  explain
      ->add_option_function<std::string>(
          "line", [&arguments](const std::string& value) { arguments.line = std::stoll(value); },
          "The line's number (from 1)")
      ->option_text("LINE")
      ->required()
      ->check(CLI::Validator(LineNumberProblem, "LINE", "LINE"));
  explain
      ->add_option_function<std::string>(
          "--top",
          [&](const std::string& value) {
            top = value;
            arguments.top_given = true;
          },
          "Top folder of the site (default: the page's folder)")
      ->option_text("TOP");
  explain
      ->add_option_function<std::string>(
          "--exclude-links", [&](const std::string& value) { links = value; },
          "Do not test links that contain one of these comma-separated words")
      ->option_text("LIST");
  explain
      ->add_option("--settings", settings_file,
                   "Take the top folder and exclusions from this settings file (.usr); "
                   "options given on the command line win")
      ->option_text("FILE");
  explain->footer("Exit status: 0 explained (whatever the outcome), 2 bad input.");
  return explain;
}

int RunExplainCommand(const ExplainArguments& arguments, const app::Choices& choices,
                      const std::string& settings_file, std::ostream& out, std::ostream& err) {
  const Selection selection = app::SelectionOf(choices, app::RunKind::kCheck);
  const std::string note = !arguments.top_given && !settings_file.empty()
                               ? "from the settings file " + settings_file
                               : "";
  const PageLineExplanation explanation =
      ExplainPageLine(arguments.page, arguments.line, selection, note);
  if (!explanation.error.empty()) {
    err << "qvn: " << explanation.error << '\n';
    return kExitBadInput;
  }
  // The explanation follows the line scan alone.
  if (selection.more.AnyOn())
    out << "The settings file turns on more checks; they are not applied here: this "
                 "explains the line scan.\n";
  for (const auto& step : explanation.steps) out << step << '\n';
  int number = 0;
  for (const auto& step : explanation.line.steps) out << ++number << ". " << step << '\n';
  out << "Outcome: " << OutcomeText(explanation.line.outcome) << '\n';
  return kExitClean;
}

}  // namespace qvn::cli
