#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"

namespace mousecfg {

namespace {

// Choice 1..4 of "125", "250", "500", "1000" (an "Hz" suffix is allowed); 0 for others.
int rateChoiceOf(std::string text) {
  if (text.size() > 2 && (text.ends_with("Hz") || text.ends_with("hz")))
    text.resize(text.size() - 2);
  for (int code = 0; code < ReportRateControl::kRateCount; ++code)
    if (text == std::to_string(ReportRateControl::kRateHertz[code])) return code + 1;
  return 0;
}

bool isChoice(int choice) {
  return choice >= 1 && choice <= ReportRateControl::kRateCount;
}

std::string rateText(const ApplicationCore& pages, int choice) {
  return isChoice(choice) ? pages.text(ReportRateControl::kRateTextKeys[choice - 1]) : "(none)";
}

enum class RateChange { None, Unchanged, Restarted };

void showRate(const ApplicationCore& pages, RateChange change, bool json, std::ostream& out) {
  const int choice = pages.dpi.reportRateChoice();
  if (json) {
    Json rate = {{"report_rate_hz",
                  isChoice(choice) ? Json(ReportRateControl::kRateHertz[choice - 1]) : Json()}};
    if (change != RateChange::None) rate["restarted"] = change == RateChange::Restarted;
    printJson(out, rate);
    return;
  }
  out << "report rate: " << rateText(pages, choice)
      << (change == RateChange::Unchanged   ? " (unchanged, no restart)"
          : change == RateChange::Restarted ? " (the mouse was restarted)"
                                            : "")
      << '\n';
}

int runRate(const std::optional<std::string>& wanted, bool json, const CliContext& context) {
  const int choice = wanted ? rateChoiceOf(*wanted) : 0;
  if (wanted && choice == 0) {
    return reportUsageMistake(
        context.err, "rate",
        "the report rate is one of 125, 250, 500 and 1000 (Hz), not \"" + *wanted + '"');
  }
  CliSession session(context);
  ApplicationCore& pages = session.core();
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  if (!wanted) {
    showRate(pages, RateChange::None, json, context.out);
    return kExitOk;
  }
  const bool sameRate = pages.reportRate.rememberedRate == choice - 1;
  pages.dpi.ReportRate_OnClick(choice);
  if (!pages.link.channel.isOpen()) {
    context.err << "mousectl rate: the mouse did not come back after its restart\n";
    return kExitNoDevice;
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  showRate(pages, sameRate ? RateChange::Unchanged : RateChange::Restarted, json, context.out);
  return kExitOk;
}

}  // namespace

CommandRun defineRate(CLI::App& command, const CommonOptions& common) {
  auto wanted = std::make_shared<std::string>();
  const CLI::Option* given =
      command.add_option("HZ", *wanted, "125, 250, 500 or 1000 (\"500Hz\" is taken too)");
  command.footer(
      "Without a value shows the mouse's USB report rate. With one it sets it. The mouse\n"
      "takes a new rate only after a restart: mousectl restarts it, waits about 17 seconds\n"
      "and finds it again. Choosing the rate it already has sends the setting again\n"
      "without a restart.");
  return [wanted, given, &common](const CliContext& context) {
    const auto rate = given->count() > 0 ? std::optional(*wanted) : std::nullopt;
    return runRate(rate, common.json, context);
  };
}

}  // namespace mousecfg
