#include "scenario/ScenarioRunner.h"

#include <ostream>
#include <stdexcept>

#include "roomlink/ClientReport.h"
#include "scenario/EventChecks.h"
#include "scenario/OperatorVerbs.h"
#include "scenario/RetentionPlan.h"
#include "scenario/ScenarioParser.h"
#include "scenario/SetupVerbs.h"
#include "scenario/StateChecks.h"

namespace quorvel {

using scenario::Failure;
using scenario::Unrunnable;

ScenarioRunner::ScenarioRunner(const std::string& programDir, bool quiet, std::ostream& out, bool colors)
    : world_(programDir, quiet, out, colors) {
  world_.Events.OnEvent = [this](const SimEvent& e) {
    world_.PrintEvent(e);
    if (Watch) Watch(e);
  };
}

ScenarioRunner::~ScenarioRunner() = default;

std::string ScenarioRunner::ClientReport() {
  RoomLinkState none;
  RoomLinkState& state = world_.CurrentBot ? world_.CurrentBot->settings.Room : none;
  RoomLink link{world_.Desktop, world_.Registry, state};
  const ProgramFacts& facts = world_.Services.facts;
  return ClientReportText(link, ReportHeader{facts.Version, facts.WindowsVersion, TimeStamp(world_.Clock)});
}

int ScenarioRunner::Run(const std::string& content) {
  const auto statements = scenario::ParseScenario(content);
  const RetentionPlan plan(statements);
  std::ostream& out = world_.Out;
  for (size_t i = 0; i < statements.size(); ++i) {
    const ScenarioStatement& st = statements[i];
    plan.ApplyBefore(i, world_.Events);
    try {
      if (scenario::IsUnclosedBlock(st)) throw Unrunnable("block without its closing `end`");
      Execute(st);
    } catch (const Failure& f) {
      if (f.ExitCode == kScenarioFailed) {
        out << "FAIL line " << st.LineNumber << ": " << f.Message << "\n";
      } else {
        out << "ERROR line " << st.LineNumber << ": " << f.Message << "\n";
      }
      out.flush();
      return f.ExitCode;
    } catch (const std::exception& e) {
      out << "ERROR line " << st.LineNumber << ": bad argument (" << e.what() << ")\n";
      return kScenarioUnrunnable;
    }
  }
  out.flush();
  return kScenarioPassed;
}

std::optional<std::string> ScenarioRunner::Apply(const std::string& statement) {
  ScenarioStatement st;
  st.LineNumber = 1;
  st.Text = statement;
  try {
    Execute(st);
  } catch (const Failure& f) {
    return f.Message;
  } catch (const std::exception& e) {
    return std::string("bad argument (") + e.what() + ")";
  }
  return std::nullopt;
}

void ScenarioRunner::Execute(const ScenarioStatement& st) {
  StatementCursor cursor(st.Text);
  const std::string verb = cursor.Word().value_or("");
  if (const auto setup = scenario::FindVerb(scenario::SetupVerbs(), verb)) {
    scenario::VerbCall call{verb, cursor, st};
    return setup(world_, call);
  }
  if (verb != "expect") {
    scenario::VerbCall call{verb, cursor, st};
    return scenario::RunOperatorVerb(world_, call);
  }
  const std::string what = cursor.Word().value_or("");
  scenario::VerbCall call{what, cursor, st};
  if (const scenario::EventCheck* check = scenario::FindEventCheck(what))
    return scenario::RunEventCheck(*check, world_, call);
  if (const auto check = scenario::FindVerb(scenario::StateChecks(), what)) return check(world_, call);
  throw Unrunnable("unknown check " + scenario::Quote(what));
}

}  // namespace quorvel
