#include "cli/Commands.h"

#include <ostream>

#include "cli/ArgumentValues.h"
#include "cli/CliSession.h"

namespace mousecfg {

namespace {

constexpr std::string_view kRateUsage = "usage: mousectl rate [125|250|500|1000]\n";

constexpr std::string_view kRateHelp =
    "\nWithout a value shows the mouse's USB report rate. With one (\"500\" or \"500Hz\")\n"
    "sets it. The mouse takes a new rate only after a restart: mousectl restarts it,\n"
    "waits about 17 seconds and finds it again. Choosing the rate it already has sends\n"
    "the setting again without a restart.\n";

// Choice 1..4 of "125", "250", "500", "1000" (an "Hz" suffix is allowed); 0 for others.
int rateChoiceOf(std::string text) {
  if (text.size() > 2 && (text.ends_with("Hz") || text.ends_with("hz")))
    text.resize(text.size() - 2);
  for (int code = 0; code < ReportRateControl::kRateCount; ++code)
    if (text == std::to_string(ReportRateControl::kRateHertz[code])) return code + 1;
  return 0;
}

std::string rateText(const ApplicationCore& pages, int choice) {
  if (choice < 1 || choice > ReportRateControl::kRateCount) return "(none)";
  return pages.text(ReportRateControl::kRateTextKeys[choice - 1]);
}

}  // namespace

int runRate(const Arguments& args, const CliContext& context) {
  std::ostream& out = context.out;
  std::ostream& err = context.err;
  if (wantsHelp(args)) {
    out << kRateUsage << kRateHelp;
    return kExitOk;
  }
  if (args.size() > 1 || (args.size() == 1 && rateChoiceOf(args[0]) == 0)) {
    err << "mousectl rate: the report rate is one of 125, 250, 500 and 1000 (Hz)\n" << kRateUsage;
    return kExitUsage;
  }
  CliSession session(context);
  ApplicationCore& pages = session.core();
  if (const int status = session.connectAndRead(); status != kExitOk) return status;
  if (args.empty()) {
    out << "report rate: " << rateText(pages, pages.dpi.reportRateChoice()) << '\n';
    return kExitOk;
  }
  const int choice = rateChoiceOf(args[0]);
  const bool sameRate = pages.reportRate.rememberedRate == choice - 1;
  pages.dpi.ReportRate_OnClick(choice);
  if (!pages.link.channel.isOpen()) {
    err << "mousectl rate: the mouse did not come back after its restart\n";
    return kExitNoDevice;
  }
  if (const int status = session.verifyWritten(); status != kExitOk) return status;
  out << "report rate: " << rateText(pages, pages.dpi.reportRateChoice())
      << (sameRate ? " (unchanged, no restart)" : " (the mouse was restarted)") << '\n';
  return kExitOk;
}

}  // namespace mousecfg
